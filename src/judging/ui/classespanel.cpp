#include "judging/ui/classespanel.h"

#include "core/datamaster.h"
#include "core/program.h"
#include "core/texthelpers.h"
#include "core/ui/entryfields.h"
#include "core/ui/panelparts.h"
#include "judging/fields.h"
#include "platform/busycursor.h"
#include "platform/dialogs.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace judging {

using platform::Dialogs;

namespace {

const int officialTypes[] = {QuestionsClass, CollegiateWoolClass, WoolClass,
                             MeatsClass,     RoyalMeatsClass,     KeepCullClass};

QString officialCaption(int type)
{
    switch (type) {
    case QuestionsClass:
        return QStringLiteral("Enter / View Official Questions Class Judging");
    case CollegiateWoolClass:
        return QStringLiteral("Enter / View Official Collegiate Wool Line Judging");
    case WoolClass:
        return QStringLiteral("Enter / View Official 4H Wool Line Judging");
    case MeatsClass:
        return QStringLiteral("Enter / View Official Compact Meats Line Judging");
    case RoyalMeatsClass:
        return QStringLiteral("Enter / View Official ARN Meats Line Judging");
    default:
        return QStringLiteral("Enter / View Official Keep /Cull Judging");
    }
}

void setSample(QLabel* sample, int color)
{
    sample->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #808080;")
                              .arg(ClassColorValue(color).name()));
}

} // namespace

ClassesPanel::ClassesPanel(core::Program& program, SelectedContest& contest, QWidget* parent)
    : QWidget(parent), m_program(program), m_contest(contest)
{
    auto* caption = core::PanelHeading(QStringLiteral("Classes..."), this);
    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("contestHeader"));

    auto* boxes = new QGroupBox(this);
    auto* form = new QFormLayout(boxes);
    m_classKey = new QLineEdit(boxes);
    m_classKey->setObjectName(QStringLiteral("classKey"));
    m_classKey->setReadOnly(true);
    m_classKey->setFocusPolicy(Qt::NoFocus);
    m_number = new QLineEdit(boxes);
    m_number->setObjectName(QStringLiteral("classNumber"));
    m_number->setMaxLength(3);
    m_number->setMaximumWidth(60);
    m_title = new QLineEdit(boxes);
    m_title->setObjectName(QStringLiteral("classTitle"));
    m_pointValue = new QLineEdit(boxes);
    m_pointValue->setObjectName(QStringLiteral("pointValue"));
    m_pointValue->setMaximumWidth(60);
    form->addRow(QStringLiteral("Class Record Key..."), m_classKey);
    form->addRow(QStringLiteral("Enter Class Number (Ex: 1 .. 99)"), m_number);
    form->addRow(QStringLiteral("Class Title"), m_title);

    m_typeGroup = new QGroupBox(QStringLiteral("Class Type..."), this);
    m_typeGroup->setObjectName(QStringLiteral("typeGroup"));
    m_typeGroup->setFocusPolicy(Qt::StrongFocus);
    m_typeButtons = new QButtonGroup(this);
    auto* typeLayout = new QVBoxLayout(m_typeGroup);
    for (int t = 1; t <= ClassTypeCount; ++t) {
        auto* b = new QRadioButton(ClassTypeCaption(t), m_typeGroup);
        b->setObjectName(QStringLiteral("type%1").arg(t));
        b->setFocusPolicy(Qt::NoFocus);
        m_types[std::size_t(t)] = b;
        m_typeButtons->addButton(b, t);
        typeLayout->addWidget(b);
    }
    auto* valueForm = new QFormLayout;
    valueForm->addRow(QStringLiteral("Assigned Point Value"), m_pointValue);

    m_placingGroup = new QGroupBox(QStringLiteral("Offical Placings..."), this);
    m_placingGroup->setObjectName(QStringLiteral("placingGroup"));
    m_placingGroup->setFocusPolicy(Qt::StrongFocus);
    m_placingButtons = new QButtonGroup(this);
    auto* placingGrid = new QGridLayout(m_placingGroup);
    for (int i = 1; i <= PlacingCount; ++i) {
        auto* b = new QPushButton(PlacingLetter(i) + QStringLiteral("  ") + PlacingOrder(i), m_placingGroup);
        b->setObjectName(QStringLiteral("placing") + PlacingLetter(i));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(QStringLiteral("QPushButton:checked { font-weight: bold; background-color: #3a6ea5; color: white; }"));
        m_placingButtons->addButton(b, i);
        placingGrid->addWidget(b, (i - 1) % 6, (i - 1) / 6);
    }

    m_cutGroup = new QGroupBox(QStringLiteral("Cuts..."), this);
    m_cutGroup->setObjectName(QStringLiteral("cutGroup"));
    auto* cutForm = new QHBoxLayout(m_cutGroup);
    for (int n = 1; n <= 3; ++n) {
        auto* box = new QLineEdit(m_cutGroup);
        box->setObjectName(QStringLiteral("cut%1").arg(n));
        box->setMaximumWidth(50);
        m_cuts[std::size_t(n - 1)] = box;
        cutForm->addWidget(new QLabel(QStringLiteral("Cut %1").arg(n), m_cutGroup));
        cutForm->addWidget(box);
    }
    cutForm->addStretch(1);

    m_colorGroup = new QGroupBox(QStringLiteral("Class Color..."), this);
    m_colorGroup->setObjectName(QStringLiteral("colorGroup"));
    auto* colorLayout = new QGridLayout(m_colorGroup);
    for (int c = 1; c <= ClassColorCount; ++c) {
        auto* b = core::NamedButton(ClassColorName(c), QStringLiteral("color%1").arg(c), m_colorGroup);
        b->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; color: %2; }")
                .arg(ClassColorValue(c).name(),
                                  qGray(ClassColorValue(c).rgb()) > 110 ? QStringLiteral("black") : QStringLiteral("white")));
        colorLayout->addWidget(b, (c - 1) / 5, (c - 1) % 5);
        connect(b, &QPushButton::clicked, this, [this, c] { setColor(c); });
    }
    auto* clearColor =
        core::NamedButton(QStringLiteral("Clear Class Color"), QStringLiteral("clearColor"), m_colorGroup);
    colorLayout->addWidget(clearColor, 1, 4);
    m_colorSample = new QLabel(m_colorGroup);
    m_colorSample->setObjectName(QStringLiteral("colorSample"));
    m_colorSample->setMinimumSize(60, 24);
    colorLayout->addWidget(new QLabel(QStringLiteral("Sample:"), m_colorGroup), 2, 0);
    colorLayout->addWidget(m_colorSample, 2, 1);
    connect(clearColor, &QPushButton::clicked, this, [this] { setColor(0); });

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("classList"));

    m_save = core::NamedButton(QStringLiteral("Save Class Record"), QStringLiteral("save"), this);
    m_delete = core::NamedButton(QStringLiteral("Delete Class Record"), QStringLiteral("delete"), this);
    m_print = core::NamedButton(QStringLiteral("Print Class List"), QStringLiteral("printClassList"), this);
    m_print->setEnabled(false);
    m_recalculate = core::NamedButton(QStringLiteral("Re-Calculate all scores for all regular classes"),
                                      QStringLiteral("recalculate"), this);
    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exit"), this);
    auto* officialBox = new QVBoxLayout;
    for (int t : officialTypes) {
        auto* b = core::NamedButton(officialCaption(t), QStringLiteral("official%1").arg(t), this);
        b->setEnabled(false); // the official-results screens come with their own screens
        m_officialButtons[std::size_t(t)] = b;
        officialBox->addWidget(b);
    }

    auto* notes = new QLabel(
        QStringLiteral(
            "Official results of every class type may be entered or changed after the judging and the "
            "score entry; all results are then re-calculated.\nAfter creating a new class, save it and "
            "select it again from the list before entering its official results."),
        this);
    notes->setObjectName(QStringLiteral("notes"));
    notes->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(boxes);
    left->addWidget(m_typeGroup);
    left->addLayout(valueForm);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(m_placingGroup);
    middle->addWidget(m_cutGroup);
    middle->addWidget(m_colorGroup);
    middle->addLayout(officialBox);
    middle->addWidget(notes);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Current Classes"), this));
    right->addWidget(m_list, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(middle, 4);
    columns->addLayout(right, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_save, m_delete, m_print, m_recalculate, m_exit})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_header);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    core::LeaveCheck::attach(
        m_number,
        [](const QString& text) {
            QString padded;
            return ClassNumberWarning(CheckClassNumber(text, padded));
        },
        [this](const QString& text) { classNumberAccepted(text); });
    core::LeaveCheck::attach(m_title, {}, [this](const QString&) { titleLeft(); });
    core::LeaveCheck::attach(m_pointValue, {}, [this](const QString&) { pointValueLeft(); });
    for (QLineEdit* cut : m_cuts)
        core::LeaveCheck::attach(cut, {}, [this, cut](const QString& text) { cutLeft(cut, text); });
    m_typeGroup->installEventFilter(this);
    m_placingGroup->installEventFilter(this);
    core::EnterMovesFocus::install(this);
    core::EnterMovesFocus::setNext(m_cuts[2], [this] { return m_save; });
    connect(m_typeButtons, &QButtonGroup::idClicked, this, &ClassesPanel::typeByMouse);
    connect(m_placingButtons, &QButtonGroup::idClicked, this, &ClassesPanel::choosePlacing);
    connect(m_list, &QListWidget::itemClicked, this, &ClassesPanel::lineClicked);
    connect(m_save, &QPushButton::clicked, this, &ClassesPanel::save);
    connect(m_delete, &QPushButton::clicked, this, &ClassesPanel::deleteClass);
    connect(m_recalculate, &QPushButton::clicked, this, &ClassesPanel::recalculate);
    connect(m_print, &QPushButton::clicked, this, [this] {
        if (m_reportStarter)
            m_reportStarter(ReportKind::ClassList, {});
    });
    connect(m_exit, &QPushButton::clicked, this, &ClassesPanel::exitRequested);
}

QString ClassesPanel::changedPlacingMessage()
{
    return QStringLiteral("The official placing and/or cut values have been changed! Please wait while the "
                          "contestents Hormel scores are re-calculated. Thank You");
}

QString ClassesPanel::missingResultMessage()
{
    return QStringLiteral("Class missing official result!");
}

QString ClassesPanel::deleteQuestion()
{
    return QStringLiteral(
        "Comfirm Deleting Class.  Note: If any Awards or Scores have used this class, then the "
        "class can not be removed.");
}

QString ClassesPanel::noTypeMessage()
{
    return QStringLiteral("Choose the class type before saving the class.");
}

void ClassesPanel::open()
{
    core::LeaveCheck::Pause pause;
    m_header->setText(m_contest.key + QStringLiteral("   ") + m_contest.title);
    m_classKey->setText(m_contest.key);
    m_number->clear();
    m_title->clear();
    m_pointValue->clear();
    clearChoices();
    m_type = 0;
    m_newClass = false;
    m_official.clear();
    m_loadedOfficial.clear();
    m_loadedCuts = {};
    m_save->setEnabled(false);
    m_delete->setEnabled(false);
    refreshList();
    m_recalculate->setEnabled(m_list->count() > 0);
    for (QPushButton* b : m_officialButtons)
        if (b) b->hide();
    m_colorGroup->hide();
    setColor(0);
    m_placingGroup->hide();
    m_cutGroup->hide();
    m_number->setFocus();
}

void ClassesPanel::refreshList()
{
    m_list->clear();
    m_list->addItems(ClassLines(m_program.data(), m_contest.key));
}

QString ClassesPanel::classKey() const
{
    return m_classKey->text();
}

void ClassesPanel::clearChoices()
{
    for (QButtonGroup* g : {m_typeButtons, m_placingButtons})
        core::UncheckAll(g);
    for (QLineEdit* cut : m_cuts)
        cut->clear();
}

void ClassesPanel::showTypeGroups(int type, bool colorToo)
{
    m_placingGroup->setVisible(type == RegularClass);
    m_cutGroup->setVisible(type == RegularClass);
    if (colorToo) m_colorGroup->setVisible(type == RegularClass || type == ReasonsClass);
}

void ClassesPanel::classNumberAccepted(const QString& text)
{
    QString padded;
    if (CheckClassNumber(text, padded) != ClassNumberCheck::Accepted) return;
    core::LeaveCheck::Pause pause;
    m_number->setText(padded);
    const QString key = ClassKey(m_contest.key, padded);
    m_classKey->setText(key);
    if (m_program.data().FindRecord(core::Clas, key)) {
        load(key);
    } else {
        clearChoices();
        m_newClass = true;
        m_type = 0;
        m_official.clear();
        m_loadedOfficial.clear();
        m_loadedCuts = {};
        m_title->clear();
        m_pointValue->clear();
        m_delete->setEnabled(false);
        for (QPushButton* b : m_officialButtons)
            if (b) b->hide();
        showTypeGroups(0, true);
        setColor(0);
    }
    m_save->setEnabled(true);
}

void ClassesPanel::titleLeft()
{
    if (!m_newClass || m_type != 0) return;
    m_typeDigits.clear();
    m_typeGroup->setFocus();
}

bool ClassesPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == m_typeGroup) m_typeDigits.clear();
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
        key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return QWidget::eventFilter(watched, event);
    if (watched == m_typeGroup) {
        // Two digits: "01" Regular .. "10" Other.
        const QChar c = text.at(0);
        const bool first = m_typeDigits.isEmpty();
        if (!c.isDigit() || c.unicode() > '9' || (first && c != QLatin1Char('0') && c != QLatin1Char('1'))) {
            Dialogs::beepOnce();
            return true;
        }
        m_typeDigits += c;
        if (!first) {
            const int type = m_typeDigits.toInt();
            m_typeDigits.clear();
            if (type < 1 || type > ClassTypeCount)
                Dialogs::beepOnce();
            else
                typeByKeyboard(type);
        }
        return true;
    }
    if (watched == m_placingGroup) {
        const int index = PlacingIndex(core::UpperCaseAscii(text.left(1)));
        if (index == 0)
            Dialogs::beepOnce();
        else
            choosePlacing(index);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ClassesPanel::setType(int type)
{
    m_type = type;
    m_types[std::size_t(type)]->setChecked(true);
}

void ClassesPanel::typeByKeyboard(int type)
{
    setType(type);
    showTypeGroups(type, true);
    m_pointValue->setText(type == RegularClass || type == ReasonsClass ? QStringLiteral("50") : QString());
    m_pointValue->setFocus();
}

void ClassesPanel::typeByMouse(int type)
{
    setType(type);
    for (QPushButton* b : m_officialButtons)
        if (b) b->hide();
    if (type == RegularClass || type == ReasonsClass || type == QuestionsClass || type == KeepCullClass)
        m_pointValue->setText(QStringLiteral("50"));
    else if (type != OtherClass)
        m_pointValue->setText(QStringLiteral("300"));
    showTypeGroups(type, true);
    m_pointValue->setFocus();
}

void ClassesPanel::pointValueLeft()
{
    if (m_type == RegularClass && m_placingGroup->isVisible())
        m_placingGroup->setFocus();
    else if (m_type != 0)
        m_save->setFocus();
}

void ClassesPanel::choosePlacing(int index)
{
    m_official = PlacingLetter(index);
    m_placingButtons->button(index)->setChecked(true);
    m_cuts[0]->setFocus();
}

void ClassesPanel::cutLeft(QLineEdit* cut, const QString& text)
{
    if (text.isEmpty()) return;
    if (!core::IsAllDigits(text)) {
        core::LeaveCheck::Pause pause;
        core::RefuseEntry(cut, {});
        return;
    }
    Cuts values{};
    for (int n = 0; n < 3; ++n)
        values[std::size_t(n)] = CutValue(m_cuts[std::size_t(n)]->text());
    if (!CutsExceed(values)) return;
    core::LeaveCheck::Pause pause;
    Dialogs::refuse(CutsWarning());
    for (QLineEdit* cut : m_cuts)
        cut->clear();
    m_cuts[0]->setFocus();
}

void ClassesPanel::setColor(int color)
{
    m_color = color;
    setSample(m_colorSample, color);
    m_colorSample->setToolTip(ClassColorName(color));
}

void ClassesPanel::lineClicked(QListWidgetItem* item)
{
    core::LeaveCheck::Pause pause;
    const QString key = item->text().left(ClassKeyLength);
    m_classKey->setText(key);
    load(key);
}

void ClassesPanel::load(const QString& key)
{
    core::LeaveCheck::Pause pause;
    clearChoices();
    m_pointValue->clear();
    ClassDefinition def;
    if (!ReadClass(m_program.data(), key, def)) return;
    for (QPushButton* b : m_officialButtons)
        if (b) b->hide();
    m_newClass = false;
    m_number->setText(def.number);
    m_title->setText(def.title);
    m_pointValue->setText(def.pointValue);
    m_type = def.type;
    if (m_type >= 1 && m_type <= ClassTypeCount) m_types[std::size_t(m_type)]->setChecked(true);
    showTypeGroups(m_type, true);
    setColor(def.color);
    m_official.clear();
    m_loadedOfficial.clear();
    m_loadedCuts = {};
    if (m_type == RegularClass) {
        m_official = def.official;
        m_loadedOfficial = def.official;
        if (const int index = PlacingIndex(def.official)) {
            m_placingButtons->button(index)->setChecked(true);
            for (int n = 0; n < 3; ++n) {
                m_cuts[std::size_t(n)]->setText(def.cuts[std::size_t(n)]);
                m_loadedCuts[std::size_t(n)] = CutValue(def.cuts[std::size_t(n)]);
            }
        } else {
            Dialogs::refuse(missingResultMessage());
        }
    }
    if (m_type >= 1 && m_type <= ClassTypeCount)
        if (QPushButton* b = m_officialButtons[std::size_t(m_type)]) b->show();
    m_save->setEnabled(true);
    m_delete->setEnabled(true);
}

void ClassesPanel::save()
{
    if (classKey().size() != ClassKeyLength) return;
    if (m_type < 1 || m_type > ClassTypeCount) {
        Dialogs::refuse(noTypeMessage());
        m_typeGroup->setFocus();
        return;
    }
    core::DataMaster& data = m_program.data();
    ClassDefinition def;
    def.type = m_type;
    def.number = m_number->text();
    def.title = m_title->text();
    def.pointValue = m_pointValue->text();
    def.color = m_color;
    bool changed = false;
    if (m_type == RegularClass) {
        def.official = PlacingIndex(core::UpperCaseAscii(m_official.left(1))) ? m_official : QString();
        for (int n = 0; n < 3; ++n) {
            def.cuts[std::size_t(n)] = m_cuts[std::size_t(n)]->text();
            if (CutValue(def.cuts[std::size_t(n)]) != m_loadedCuts[std::size_t(n)]) changed = true;
        }
        if (def.official != m_loadedOfficial) changed = true;
    }
    WriteClass(data, classKey(), def);
    if (m_type == RegularClass && !m_newClass && changed) {
        Dialogs::beepOnce();
        Dialogs::information(changedPlacingMessage());
        platform::BusyCursor busy;
        RescoreClass(data, classKey());
    }
    const int saved = def.number.toInt();
    open();
    {
        core::LeaveCheck::Pause pause;
        m_number->setText(QString::number(saved + 1));
    }
    if (!m_contest.presence.classes) {
        m_contest.presence.classes = true;
        emit contestChanged();
    }
}

void ClassesPanel::deleteClass()
{
    const QString key = classKey();
    if (key.size() != ClassKeyLength) return;
    core::DataMaster& data = m_program.data();
    if (ClassInUse(data, m_contest.key, key.mid(ContestKeyLength))) {
        Dialogs::refuse(ClassInUseWarning());
        return;
    }
    Dialogs::beepOnce();
    if (!Dialogs::confirm(deleteQuestion())) return;
    DeleteClass(data, key);
    open();
    m_contest.presence = ReadContestPresence(data, m_contest.key);
    emit contestChanged();
}

void ClassesPanel::recalculate()
{
    platform::BusyCursor busy;
    RescoreRegularClasses(m_program.data(), m_contest.key);
}

void ClassesPanel::setReportStarter(ReportStarter starter)
{
    m_reportStarter = std::move(starter);
    m_print->setEnabled(bool(m_reportStarter));
}

} // namespace judging
