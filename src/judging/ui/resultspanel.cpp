#include "judging/ui/resultspanel.h"

#include "core/datamaster.h"
#include "core/program.h"
#include "core/ui/panelparts.h"
#include "judging/awards.h"
#include "judging/classes.h"
#include "judging/entries.h"
#include "judging/identifiers.h"
#include "judging/resultsexport.h"
#include "platform/busycursor.h"
#include "platform/dialogs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace judging {

using platform::Dialogs;

namespace {

QSpinBox* rankBox(const QString& name, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, 500);
    box->setValue(10);
    return box;
}

QListWidget* choiceList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setFont(core::ColumnListFont());
    return list;
}


} // namespace

ResultsPanel::ResultsPanel(core::Program& program, SelectedContest& contest, QWidget* parent)
    : QWidget(parent), m_program(program), m_contest(contest)
{
    auto* heading = core::PanelHeading(QStringLiteral("Results..."), this);
    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("contestHeader"));

    m_listClasses = core::NamedButton(QStringLiteral("List Classes"), QStringLiteral("listClasses"), this);
    m_listAwards = core::NamedButton(QStringLiteral("List Awards"), QStringLiteral("listAwards"), this);
    m_listAwardsExport = core::NamedButton(QStringLiteral("List Awards"), QStringLiteral("listAwardsExport"), this);
    m_listHeading = new QLabel(this);
    m_listHeading->setObjectName(QStringLiteral("selectionHeading"));
    m_list = choiceList(QStringLiteral("selectionList"), this);
    m_none = core::NamedButton(QStringLiteral("None"), QStringLiteral("selectionNone"), this);
    m_all = core::NamedButton(QStringLiteral("All"), QStringLiteral("selectionAll"), this);
    m_classNote = new QLabel(QStringLiteral("Note:  The maximum number of classes that can be selected for the "
                                            "Classes - All contestants or Classes- By county is 24"),
                             this);
    m_classNote->setObjectName(QStringLiteral("classNote"));
    m_classNote->setWordWrap(true);
    auto* printNote = new QLabel(QStringLiteral("Please print one final class list to verify official placing, cuts, "
                                                "etc prior to processing Classes or Awards Results."),
                                 this);
    printNote->setObjectName(QStringLiteral("printNote"));
    printNote->setWordWrap(true);
    m_printClassList = core::NamedButton(QStringLiteral("Print Class List"), QStringLiteral("printClassList"), this);

    // Class results.
    auto* classBox = new QGroupBox(this);
    classBox->setObjectName(QStringLiteral("classResults"));
    auto* modeGroup = new QGroupBox(QStringLiteral("Process Selected Classes by..."), classBox);
    modeGroup->setObjectName(QStringLiteral("processClassesBy"));
    m_allContestants = new QRadioButton(QStringLiteral("All Contestants"), modeGroup);
    m_allContestants->setObjectName(QStringLiteral("allContestants"));
    m_byCounty = new QRadioButton(QStringLiteral("By County"), modeGroup);
    m_byCounty->setObjectName(QStringLiteral("byCounty"));
    m_modeButtons = new QButtonGroup(this);
    m_modeButtons->addButton(m_allContestants);
    m_modeButtons->addButton(m_byCounty);
    auto* modeLayout = new QHBoxLayout(modeGroup);
    modeLayout->addWidget(m_allContestants);
    modeLayout->addWidget(m_byCounty);
    modeLayout->addStretch(1);
    m_countyCaption = new QLabel(QStringLiteral("Counties..."), classBox);
    m_countyCaption->setObjectName(QStringLiteral("countyCaption"));
    m_counties = choiceList(QStringLiteral("countyList"), classBox);
    m_countyNone = core::NamedButton(QStringLiteral("None"), QStringLiteral("countyNone"), classBox);
    m_countyAll = core::NamedButton(QStringLiteral("All"), QStringLiteral("countyAll"), classBox);
    m_toPrinter = core::NamedButton(QStringLiteral("Process Results to Printer"), QStringLiteral("processToPrinter"), classBox);
    m_toScreen = core::NamedButton(QStringLiteral("Process Results to Screen"), QStringLiteral("processToScreen"), classBox);
    auto* countyButtons = new QHBoxLayout;
    countyButtons->addWidget(m_countyNone);
    countyButtons->addWidget(m_countyAll);
    countyButtons->addStretch(1);
    auto* processButtons = new QHBoxLayout;
    processButtons->addWidget(m_toPrinter);
    processButtons->addWidget(m_toScreen);
    processButtons->addStretch(1);
    auto* classLayout = new QVBoxLayout(classBox);
    classLayout->addWidget(modeGroup);
    classLayout->addWidget(m_countyCaption);
    classLayout->addWidget(m_counties, 1);
    classLayout->addLayout(countyButtons);
    classLayout->addLayout(processButtons);

    // Award results on the printer.
    auto* awardBox = new QGroupBox(this);
    awardBox->setObjectName(QStringLiteral("awardResults"));
    m_ranksCaption = new QLabel(QStringLiteral("Number of Ranks to Print (Max 500)"), awardBox);
    m_ranks = rankBox(QStringLiteral("ranks"), awardBox);
    m_processAwards = core::NamedButton(QStringLiteral("Process Selected Award(s) for Printing"),
                                        QStringLiteral("processAwards"), awardBox);
    auto* ranksRow = new QHBoxLayout;
    ranksRow->addWidget(m_ranksCaption);
    ranksRow->addWidget(m_ranks);
    ranksRow->addStretch(1);
    auto* awardLayout = new QVBoxLayout(awardBox);
    awardLayout->addLayout(ranksRow);
    awardLayout->addWidget(m_processAwards, 0, Qt::AlignLeft);

    // Award results to a text file.
    auto* exportBox = new QGroupBox(this);
    exportBox->setObjectName(QStringLiteral("exportResults"));
    auto* formatGroup = new QGroupBox(QStringLiteral("Export File Format..."), exportBox);
    formatGroup->setObjectName(QStringLiteral("exportFormat"));
    m_formats = new QButtonGroup(this);
    auto* formatLayout = new QHBoxLayout(formatGroup);
    const std::pair<const char*, const char*> formats[] = {
        {"Ascii", "formatAscii"}, {"Delimited", "formatDelimited"}, {"Excell Tab Delimited", "formatTab"}};
    int id = int(ExportFormat::Ascii);
    for (const auto& [text, name] : formats) {
        auto* b = new QRadioButton(QString::fromLatin1(text), formatGroup);
        b->setObjectName(QString::fromLatin1(name));
        m_formats->addButton(b, id++);
        formatLayout->addWidget(b);
    }
    formatLayout->addStretch(1);
    auto* nameCaption = new QLabel(QStringLiteral("Enter Export File Name:     (Ex: Results)"), exportBox);
    m_exportFileName = new QLineEdit(exportBox);
    m_exportFileName->setObjectName(QStringLiteral("exportFileName"));
    nameCaption->setBuddy(m_exportFileName);
    m_exportRanksCaption = new QLabel(QStringLiteral("Number of Ranks to Print (Max 500)"), exportBox);
    m_exportRanks = rankBox(QStringLiteral("exportRanks"), exportBox);
    m_processExport = core::NamedButton(QStringLiteral("Process Selected Award(s) for Export"),
                                        QStringLiteral("processExport"), exportBox);
    auto* exportRanksRow = new QHBoxLayout;
    exportRanksRow->addWidget(m_exportRanksCaption);
    exportRanksRow->addWidget(m_exportRanks);
    exportRanksRow->addStretch(1);
    auto* exportLayout = new QVBoxLayout(exportBox);
    exportLayout->addWidget(formatGroup);
    exportLayout->addWidget(nameCaption);
    exportLayout->addWidget(m_exportFileName);
    exportLayout->addLayout(exportRanksRow);
    exportLayout->addWidget(m_processExport, 0, Qt::AlignLeft);

    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exitButton"), this);

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(m_listClasses);
    listButtons->addWidget(m_listAwards);
    listButtons->addWidget(m_listAwardsExport);
    listButtons->addStretch(1);
    auto* selectButtons = new QHBoxLayout;
    selectButtons->addWidget(m_none);
    selectButtons->addWidget(m_all);
    selectButtons->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(listButtons);
    left->addWidget(m_listHeading);
    left->addWidget(m_list, 1);
    left->addLayout(selectButtons);
    left->addWidget(m_classNote);
    left->addWidget(printNote);
    left->addWidget(m_printClassList, 0, Qt::AlignLeft);
    auto* right = new QVBoxLayout;
    right->addWidget(classBox);
    right->addWidget(awardBox);
    right->addWidget(exportBox);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_header);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);

    connect(m_listClasses, &QPushButton::clicked, this, [this] { showList(ListMode::Classes); });
    connect(m_listAwards, &QPushButton::clicked, this, [this] { showList(ListMode::Awards); });
    connect(m_listAwardsExport, &QPushButton::clicked, this, [this] { showList(ListMode::ExportAwards); });
    connect(m_list, &QListWidget::itemSelectionChanged, this, &ResultsPanel::refresh);
    connect(m_none, &QPushButton::clicked, this, [this] { selectAllLines(m_list, false); });
    connect(m_all, &QPushButton::clicked, this, [this] { selectAllLines(m_list, true); });
    connect(m_allContestants, &QRadioButton::clicked, this, &ResultsPanel::chooseAllContestants);
    connect(m_byCounty, &QRadioButton::clicked, this, &ResultsPanel::chooseByCounty);
    connect(m_counties, &QListWidget::itemSelectionChanged, this, &ResultsPanel::refresh);
    connect(m_countyNone, &QPushButton::clicked, this, [this] { selectAllLines(m_counties, false); });
    connect(m_countyAll, &QPushButton::clicked, this, [this] { selectAllLines(m_counties, true); });
    connect(m_printClassList, &QPushButton::clicked, this, &ResultsPanel::printClassList);
    connect(m_toPrinter, &QPushButton::clicked, this, &ResultsPanel::processToPrinter);
    connect(m_toScreen, &QPushButton::clicked, this, &ResultsPanel::processToScreen);
    connect(m_processAwards, &QPushButton::clicked, this, &ResultsPanel::processAwards);
    connect(m_formats, &QButtonGroup::idClicked, this, [this](int format) {
        m_format = format;
        refresh();
    });
    connect(m_exportFileName, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_exportName = text;
        refresh();
    });
    connect(m_processExport, &QPushButton::clicked, this, &ResultsPanel::processExport);
    connect(m_exit, &QPushButton::clicked, this, &ResultsPanel::exitRequested);
}

QString ResultsPanel::tooManyClassesMessage(int selected)
{
    return QStringLiteral("Select no more than 24 classes to process (%1 are selected).").arg(selected);
}

QString ResultsPanel::exportDoneMessage(const QString& path)
{
    return QStringLiteral("Task Completed. The results are located in the file [") + path;
}

void ResultsPanel::setReportStarter(ReportStarter starter)
{
    m_reportStarter = std::move(starter);
    refresh();
}

void ResultsPanel::setReviewStarter(ReviewStarter starter)
{
    m_reviewStarter = std::move(starter);
    refresh();
}

void ResultsPanel::open()
{
    m_header->setText(m_contest.key + QStringLiteral("   ") + m_contest.title);
    m_format = 0;
    core::UncheckAll(m_formats);
    showList(ListMode::Nothing);
}

// A new list forgets what was chosen from the one before.
void ResultsPanel::showList(ListMode mode)
{
    m_mode = mode;
    {
        const QSignalBlocker blockList(m_list);
        const QSignalBlocker blockCounties(m_counties);
        m_list->clear();
        m_counties->clear();
        switch (mode) {
        case ListMode::Nothing:
            break;
        case ListMode::Classes:
            m_listHeading->setText(QStringLiteral("Select Classes to Process..."));
            m_list->addItems(ClassLines(m_program.data(), m_contest.key));
            break;
        case ListMode::Awards:
            m_listHeading->setText(QStringLiteral("Select Awards to Process for Printing..."));
            m_list->addItems(AwardLines(m_program.data(), m_contest.key));
            break;
        case ListMode::ExportAwards:
            m_listHeading->setText(QStringLiteral("Select Awards to Process for Exporting..."));
            m_list->addItems(AwardLines(m_program.data(), m_contest.key));
            // The name must be typed again for this list, whatever the box still shows.
            m_exportName.clear();
            break;
        }
    }
    const bool listed = mode != ListMode::Nothing;
    for (QWidget* w : {static_cast<QWidget*>(m_listHeading), static_cast<QWidget*>(m_list),
                       static_cast<QWidget*>(m_none), static_cast<QWidget*>(m_all)})
        w->setVisible(listed);
    m_classNote->setVisible(mode == ListMode::Classes);
    core::UncheckAll(m_modeButtons);
    for (QWidget* w : {static_cast<QWidget*>(m_countyCaption), static_cast<QWidget*>(m_counties),
                       static_cast<QWidget*>(m_countyNone), static_cast<QWidget*>(m_countyAll)})
        w->hide();
    m_ranksCaption->hide();
    m_ranks->hide();
    m_exportRanksCaption->hide();
    m_exportRanks->hide();
    refresh();
}

void ResultsPanel::selectAllLines(QListWidget* list, bool select)
{
    if (select)
        list->selectAll();
    else
        list->clearSelection();
}

void ResultsPanel::chooseAllContestants()
{
    for (QWidget* w : {static_cast<QWidget*>(m_countyCaption), static_cast<QWidget*>(m_counties),
                       static_cast<QWidget*>(m_countyNone), static_cast<QWidget*>(m_countyAll)})
        w->hide();
    refresh();
}

void ResultsPanel::chooseByCounty()
{
    {
        const QSignalBlocker block(m_counties);
        m_counties->clear();
        m_counties->addItems(ContestCounties(m_program.data(), m_contest.key));
    }
    for (QWidget* w : {static_cast<QWidget*>(m_countyCaption), static_cast<QWidget*>(m_counties),
                       static_cast<QWidget*>(m_countyNone), static_cast<QWidget*>(m_countyAll)})
        w->show();
    refresh();
}

// Everything the screen enables follows from the list, the choices and the hooks.
void ResultsPanel::refresh()
{
    const bool chosen = !m_list->selectedItems().isEmpty();
    const bool classes = m_mode == ListMode::Classes && chosen;
    m_allContestants->setEnabled(classes);
    m_byCounty->setEnabled(classes);
    const bool contestants = m_allContestants->isChecked() || (m_byCounty->isChecked() && !m_counties->selectedItems().isEmpty());
    m_toPrinter->setEnabled(classes && contestants && m_reportStarter);
    m_toScreen->setEnabled(classes && contestants && m_reviewStarter);
    m_printClassList->setEnabled(bool(m_reportStarter));

    const bool awards = m_mode == ListMode::Awards && chosen;
    if (awards && m_ranks->isHidden()) {
        m_ranks->setValue(10);
        m_ranksCaption->show();
        m_ranks->show();
    }
    m_processAwards->setEnabled(awards && m_reportStarter);

    const bool exportReady = m_mode == ListMode::ExportAwards && chosen;
    if (exportReady && m_exportRanks->isHidden()) {
        m_exportRanks->setValue(10);
        m_exportRanksCaption->show();
        m_exportRanks->show();
    }
    m_processExport->setEnabled(exportReady && m_format != 0 && !m_exportName.isEmpty());
}

QStringList ResultsPanel::selectedLines(QListWidget* list) const
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            lines << list->item(i)->text();
    return lines;
}

std::vector<ClassChoice> ResultsPanel::selectedClasses() const
{
    std::vector<ClassChoice> classes;
    for (const QString& line : selectedLines(m_list))
        classes.push_back({line.left(ClassKeyLength), line.mid(ClassKeyLength + 2)});
    return classes;
}

std::vector<AwardChoice> ResultsPanel::selectedAwards() const
{
    std::vector<AwardChoice> awards;
    for (const QString& line : selectedLines(m_list))
        awards.push_back({line.left(AwardKeyLength), line.mid(AwardKeyLength + 2)});
    return awards;
}

bool ResultsPanel::classSelections(ReportSelections& selections, bool& byCounty) const
{
    selections.classes = selectedClasses();
    // The class results have room for 24 class columns.
    const int count = int(selections.classes.size());
    if (count > MaxClasses) {
        Dialogs::warning(tooManyClassesMessage(count));
        return false;
    }
    byCounty = m_byCounty->isChecked();
    if (byCounty)
        for (const QString& county : selectedLines(m_counties)) {
            selections.countyCodes << county.left(3);
            selections.counties << county;
        }
    return true;
}

void ResultsPanel::printClassList()
{
    if (m_reportStarter)
        m_reportStarter(ReportKind::ClassList, ReportSelections());
}

void ResultsPanel::processToPrinter()
{
    ReportSelections selections;
    bool byCounty = false;
    if (!m_reportStarter || !classSelections(selections, byCounty))
        return;
    m_reportStarter(byCounty ? ReportKind::CountyClassResults : ReportKind::ClassResults, selections);
}

void ResultsPanel::processToScreen()
{
    ReportSelections selections;
    bool byCounty = false;
    if (!m_reviewStarter || !classSelections(selections, byCounty))
        return;
    m_reviewStarter(selections, byCounty);
}

void ResultsPanel::processAwards()
{
    if (!m_reportStarter)
        return;
    ReportSelections selections;
    selections.awards = selectedAwards();
    selections.ranks = m_ranks->value();
    // Calc holds the calculations of the last run only.
    m_program.data().DeleteAllRecords(core::Calc, false);
    m_reportStarter(ReportKind::AwardResults, selections);
}

void ResultsPanel::processExport()
{
    QString path;
    {
        platform::BusyCursor busy;
        path = ExportAwardResults(m_program.data(), m_contest.key, ExportFormat(m_format), m_exportFileName->text(),
                                  selectedAwards(), m_exportRanks->value(), m_program.paths().stateFolder());
    }
    if (!path.isEmpty())
        Dialogs::information(exportDoneMessage(path));
    else
        Dialogs::error(exportFailedMessage(m_exportFileName->text()));
}

QString ResultsPanel::exportFailedMessage(const QString& typedName)
{
    const QString file = ExportFileName(typedName);
    if (file.isEmpty())
        return QStringLiteral("The export file name [") + typedName +
               QStringLiteral("] holds no usable file name.  Nothing was exported.");
    return QStringLiteral("The export file [") + file + QStringLiteral("] could not be written.  Nothing was exported.");
}

} // namespace judging
