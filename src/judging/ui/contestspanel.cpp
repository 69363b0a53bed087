#include "judging/ui/contestspanel.h"

#include "core/datamaster.h"
#include "core/program.h"
#include "core/texthelpers.h"
#include "core/ui/entryfields.h"
#include "core/ui/panelparts.h"
#include "judging/fields.h"
#include "platform/clock.h"
#include "platform/dialogs.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace judging {

using platform::Dialogs;

namespace {
const char* const boxNames[ContestBoxCount + 1] = {
    "",           "code",          "title",         "date",         "location",         "maxMembers",
    "scoresSaved", "seniorTeams",  "intermediateTeams", "juniorTeams", "seniorIndividuals",
    "intermediateIndividuals", "juniorIndividuals", "adults", "assignedGroups", "keepCull", "cardClasses"};
const char* const boxCaptions[ContestBoxCount + 1] = {"",
                                                      "Code",
                                                      "Title",
                                                      "Date",
                                                      "Location",
                                                      "Max Members per Team (1..20)",
                                                      "Number of Scores Saved During Judging.",
                                                      "Senior Teams",
                                                      "Intermediate Teams",
                                                      "Junior Teams",
                                                      "Senior Individuals",
                                                      "Intermediate Individuals",
                                                      "Junior Individuals",
                                                      "Adults",
                                                      "Assigned Groups",
                                                      "Animals / Pens in Keep - Cull Classes",
                                                      "Number of Classes"};

QLabel* noteBox(const QString& caption, const QString& text, const char* name, QVBoxLayout* into, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(frame);
    auto* title = new QLabel(caption, frame);
    title->setObjectName(QString::fromLatin1(name));
    auto* body = new QLabel(text, frame);
    body->setWordWrap(true);
    layout->addWidget(title);
    layout->addWidget(body);
    into->addWidget(frame);
    return title;
}
} // namespace

ContestsPanel::ContestsPanel(core::Program& program, SelectedContest& contest, QWidget* parent)
    : QWidget(parent), m_program(program), m_contest(contest)
{
    auto* caption = core::PanelHeading(QStringLiteral("Contests..."), this);

    m_listContests = core::NamedButton(QStringLiteral("List Contests"), QStringLiteral("listContests"), this);
    m_enterNew = core::NamedButton(QStringLiteral("Enter New Contest"), QStringLiteral("enterNewContest"), this);
    m_listHeading = new QLabel(QStringLiteral("Known Contests..."), this);
    m_listHeading->setObjectName(QStringLiteral("listHeading"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("contestList"));
    m_list->setMinimumWidth(250);

    std::array<QLabel*, ContestBoxCount + 1> labels{};
    for (int n = 1; n <= ContestBoxCount; ++n) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(boxNames[n]));
        if (IsNumberBox(n))
            box->setFixedWidth(64);
        m_boxes[std::size_t(n)] = box;
        labels[std::size_t(n)] = new QLabel(QString::fromLatin1(boxCaptions[n]), this);
        labels[std::size_t(n)]->setBuddy(box);
    }
    m_boxes[CodeBox]->setReadOnly(true);
    m_boxes[CodeBox]->setMaximumWidth(110);
    m_boxes[DateBox]->setMaximumWidth(110);
    m_boxes[TitleBox]->setMinimumWidth(200);
    m_boxes[LocationBox]->setMinimumWidth(200);
    m_useSupportData = new QCheckBox(QStringLiteral("Access Kestrow! Data (If present)"), this);
    m_useSupportData->setObjectName(QStringLiteral("useSupportData"));

    auto* general = new QGroupBox(QStringLiteral("Contest"), this);
    auto* generalGrid = new QGridLayout(general);
    int row = 0;
    for (int n : {int(CodeBox), int(TitleBox), int(DateBox), int(LocationBox), int(MaxMembersBox),
                  int(ScoresSavedBox), int(KeepCullBox)}) {
        generalGrid->addWidget(labels[std::size_t(n)], row, 0);
        generalGrid->addWidget(m_boxes[std::size_t(n)], row++, 1);
    }
    generalGrid->addWidget(m_useSupportData, row++, 0, 1, 2);
    generalGrid->setRowStretch(row, 1);
    generalGrid->setColumnStretch(1, 1);

    auto* entries = new QGroupBox(QStringLiteral("Teams and Individuals"), this);
    auto* entriesGrid = new QGridLayout(entries);
    row = 0;
    for (int n = SeniorTeamsBox; n <= AssignedGroupsBox; ++n) {
        entriesGrid->addWidget(labels[std::size_t(n)], row, 0);
        entriesGrid->addWidget(m_boxes[std::size_t(n)], row++, 1);
    }
    entriesGrid->addWidget(labels[CardClassesBox], row, 0);
    entriesGrid->addWidget(m_boxes[CardClassesBox], row++, 1);
    entriesGrid->setRowStretch(row, 1);

    auto* counts = new QGroupBox(QStringLiteral("Contest Record Counts:"), this);
    counts->setObjectName(QStringLiteral("recordCounts"));
    auto* countsGrid = new QGridLayout(counts);
    const char* const countNames[5] = {"countTeams", "countClasses", "countAwards", "countScores", "countCalculations"};
    const char* const countCaptions[5] = {"Teams", "Classes", "Awards", "Scores", "Calculations"};
    for (int i = 0; i < 5; ++i) {
        auto* box = new QLineEdit(counts);
        box->setObjectName(QString::fromLatin1(countNames[i]));
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setMaximumWidth(80);
        m_counts[std::size_t(i)] = box;
        countsGrid->addWidget(new QLabel(QString::fromLatin1(countCaptions[i]), counts), i, 0);
        countsGrid->addWidget(box, i, 1);
    }

    auto* notes = new QVBoxLayout;
    m_individualNotes = noteBox(
        QStringLiteral("Individual Only Contests Notes..."),
        QStringLiteral("A contest with individual contestants only must still have values in [Max Members per Team] "
                       "and [Number of Scores Saved]. [Max Members per Team] is how many individuals one entry holds "
                       "when the entries are made."),
        "individualNotes", notes, this);
    m_groupNotes = noteBox(QStringLiteral("Assigned Groups Information Notes..."),
                           QStringLiteral("The number of assigned groups must be set here before any entries are made. "
                                          "Enter 0 if assigned groups are not used."),
                           "groupNotes", notes, this);
    m_classNotes = noteBox(QStringLiteral("Number of Classes Notes..."),
                           QStringLiteral("The number of classes for which scanner score cards can be printed before "
                                          "the classes themselves are defined."),
                           "classNotes", notes, this);
    notes->addStretch(1);
    m_noteLabels = {labels[SeniorIndividualsBox], labels[IntermediateIndividualsBox], labels[JuniorIndividualsBox],
                    labels[AssignedGroupsBox], labels[CardClassesBox]};
    for (QLabel* l : m_noteLabels)
        l->installEventFilter(this);

    m_save = core::NamedButton(QStringLiteral("Save / Update Contest Data"), QStringLiteral("saveContest"), this);
    m_printButton = core::NamedButton(QStringLiteral("Print Contest Parameters"), QStringLiteral("printParameters"), this);
    m_delete = core::NamedButton(QStringLiteral("Delete Selected Contest"), QStringLiteral("deleteContest"), this);
    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exit"), this);

    auto* listColumn = new QVBoxLayout;
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(m_listContests);
    listButtons->addWidget(m_enterNew);
    listColumn->addLayout(listButtons);
    listColumn->addWidget(m_listHeading);
    listColumn->addWidget(m_list, 1);
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(counts);
    rightColumn->addLayout(notes, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(listColumn, 3);
    columns->addWidget(general, 4);
    columns->addWidget(entries, 3);
    columns->addLayout(rightColumn, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_save, m_printButton, m_delete, m_exit})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    // Enter walks the boxes in their order, whatever the columns.
    for (int n = 1; n < ContestBoxCount; ++n)
        setTabOrder(m_boxes[std::size_t(n)], m_boxes[std::size_t(n + 1)]);
    setTabOrder(m_boxes[CardClassesBox], m_useSupportData);
    for (int n = TitleBox; n <= ContestBoxCount; ++n)
        core::LeaveCheck::attach(m_boxes[std::size_t(n)], {}, [this, n](const QString& text) { storeBox(n, text); });
    core::OnEntering(m_boxes[DateBox], [this] {
        // A stored date stays; only an empty box takes today's.
        if (m_boxes[DateBox]->text().isEmpty())
            m_boxes[DateBox]->setText(platform::Clock::shortDate(platform::Clock::today()));
    });
    core::EnterMovesFocus::install(this);
    core::EnterMovesFocus::setNext(m_boxes[CardClassesBox], [this] { return m_exit; });

    connect(m_listContests, &QPushButton::clicked, this, &ContestsPanel::listContests);
    connect(m_enterNew, &QPushButton::clicked, this, &ContestsPanel::enterNewContest);
    connect(m_list, &QListWidget::itemClicked, this, &ContestsPanel::chooseLine);
    connect(m_save, &QPushButton::clicked, this, &ContestsPanel::save);
    connect(m_printButton, &QPushButton::clicked, this, [this] {
        if (m_print)
            m_print();
    });
    connect(m_delete, &QPushButton::clicked, this, &ContestsPanel::deleteContest);
    connect(m_exit, &QPushButton::clicked, this, &ContestsPanel::exitRequested);
    open();
}

QString ContestsPanel::tooManyMembersMessage()
{
    return QStringLiteral("The value for [Max Members per Team] can not be greater than twenty (20). Please correct.");
}

void ContestsPanel::setPrintParameters(std::function<void()> print)
{
    m_print = std::move(print);
    m_printButton->setEnabled(m_print && m_delete->isEnabled());
}

void ContestsPanel::open()
{
    m_list->clear();
    emptyBoxes();
    emptyCounts();
    m_delete->setEnabled(false);
    m_printButton->setEnabled(false);
}

void ContestsPanel::emptyBoxes()
{
    core::LeaveCheck::Pause pause;
    m_shownKey.clear();
    for (int n = 1; n <= ContestBoxCount; ++n)
        m_boxes[std::size_t(n)]->clear();
}

void ContestsPanel::emptyCounts()
{
    for (QLineEdit* box : m_counts)
        box->clear();
}

void ContestsPanel::showCounts(const QString& key)
{
    core::DataMaster& data = m_program.data();
    const int tables[5] = {core::Team, core::Clas, core::Awar, core::Scor, core::Calc};
    for (int i = 0; i < 5; ++i)
        m_counts[std::size_t(i)]->setText(QString::number(CountWithPrefix(data, tables[i], key)));
}

void ContestsPanel::listContests()
{
    emptyBoxes();
    emptyCounts();
    m_delete->setEnabled(false);
    m_printButton->setEnabled(false);
    fillKnownList();
}

void ContestsPanel::fillKnownList()
{
    m_mode = ListMode::Known;
    m_listHeading->setText(QStringLiteral("Known Contests..."));
    m_list->clear();
    core::DataMaster& data = m_program.data();
    data.BeginScan(core::Cont);
    while (data.GetNextRec(core::Cont))
        m_list->addItem(data.CurrentKey(core::Cont) + QStringLiteral("  ") + data.ReadField(core::Cont, ContField::Title));
}

void ContestsPanel::enterNewContest()
{
    m_mode = ListMode::Types;
    m_listHeading->setText(QStringLiteral("Select Contest Type..."));
    m_list->clear();
    core::DataMaster& data = m_program.data();
    data.BeginScan(core::Type);
    while (data.GetNextRec(core::Type))
        m_list->addItem(data.CurrentKey(core::Type) + QStringLiteral("  ") + data.ReadField(core::Type, TypeField::Title));
    emptyCounts();
    emptyBoxes();
    m_delete->setEnabled(false);
    m_printButton->setEnabled(false);
    m_contest.clear();
    m_useSupportData->setChecked(true);
    emit contestChanged();
}

void ContestsPanel::chooseLine(QListWidgetItem* item)
{
    if (!item)
        return;
    if (m_mode == ListMode::Types)
        createContest(item->text().left(ContestCodeLength));
    else
        selectContest(item->text().left(ContestKeyLength));
}

void ContestsPanel::createContest(const QString& code)
{
    core::DataMaster& data = m_program.data();
    const QString key = ContestKey(code, platform::Clock::today());
    if (data.FindRecord(core::Cont, key)) {
        // The existing contest is neither shown nor made current, so nothing typed reaches it.
        {
            core::LeaveCheck::Pause pause;
            Dialogs::refuse(QStringLiteral("A contest of this type and date already exists. If you want to enter a "
                                           "new contest of the same type and date, you must first remove the existing "
                                           "contest"));
        }
        emptyBoxes();
        return;
    }
    data.AddRecord(core::Cont, key);
    m_contest.clear();
    m_contest.key = key;
    {
        core::LeaveCheck::Pause pause;
        emptyBoxes();
        m_shownKey = key;
        m_boxes[CodeBox]->setText(key);
    }
    emit contestChanged();
    m_boxes[TitleBox]->setFocus(Qt::OtherFocusReason);
}

void ContestsPanel::selectContest(const QString& key)
{
    core::DataMaster& data = m_program.data();
    SelectedContest chosen;
    if (!ReadContest(data, key, chosen))
        return;
    chosen.key = key;
    chosen.selected = true;
    {
        core::LeaveCheck::Pause pause;
        data.FindRecord(core::Cont, key);
        m_boxes[CodeBox]->setText(key);
        for (int n = TitleBox; n <= LocationBox; ++n)
            m_boxes[std::size_t(n)]->setText(data.ReadField(core::Cont, ContestBoxField(n)));
        for (int n = MaxMembersBox; n <= ContestBoxCount; ++n) {
            const QString value = data.ReadField(core::Cont, ContestBoxField(n));
            m_boxes[std::size_t(n)]->setText(value.isEmpty() ? QStringLiteral("0") : value);
        }
        m_useSupportData->setChecked(chosen.setup.useSupportData);
        m_shownKey = key;
    }
    chosen.presence = ReadContestPresence(data, key);
    chosen.classCount = CountWithPrefix(data, core::Clas, key);
    m_contest = chosen;
    m_delete->setEnabled(true);
    m_printButton->setEnabled(bool(m_print));
    showCounts(key);
    emit contestChanged();
}

void ContestsPanel::storeBox(int box, const QString& text)
{
    if (m_shownKey.isEmpty())
        return;
    QLineEdit* edit = m_boxes[std::size_t(box)];
    const QString value = ContestBoxValue(box, text);
    if (IsNumberBox(box)) {
        if (!core::IsAllDigits(value)) {
            core::RefuseEntry(edit, QString());
            return;
        }
        if (box == MaxMembersBox && core::ToIntOrZero(value) > MaxMembers) {
            core::RefuseEntry(edit, tooManyMembersMessage());
            return;
        }
    }
    core::DataMaster& data = m_program.data();
    if (!data.FindRecord(core::Cont, m_shownKey))
        return;
    data.WriteField(core::Cont, ContestBoxField(box), value);
    if (m_shownKey != m_contest.key)
        return;
    if (box == TitleBox)
        m_contest.title = value;
    else if (IsNumberBox(box))
        SetContestValue(m_contest.setup, box, core::ToIntOrZero(value));
}

void ContestsPanel::save()
{
    const QString members = m_boxes[MaxMembersBox]->text();
    const QString scores = m_boxes[ScoresSavedBox]->text();
    if (members.isEmpty() || scores.isEmpty()) {
        Dialogs::refuse(QStringLiteral("Missing [Max Members per Team] Value or [Number of Scores Saved] Value. Please "
                                       "correct."));
        return;
    }
    if (core::ToIntOrZero(members) <= 0 || core::ToIntOrZero(scores) <= 0) {
        Dialogs::refuse(QStringLiteral("Values for [Max Members per Team] and [Number of Scores Saved] must be greater "
                                       "than zero (0). Please correct."));
        return;
    }
    core::DataMaster& data = m_program.data();
    const bool use = m_useSupportData->isChecked();
    if (!m_shownKey.isEmpty() && data.FindRecord(core::Cont, m_shownKey)) {
        data.WriteFieldInt(core::Cont, ContField::UseSupportData, use ? 1 : 0);
        if (m_shownKey == m_contest.key)
            m_contest.setup.useSupportData = use;
    }
    fillKnownList();
}

void ContestsPanel::deleteContest()
{
    core::DataMaster& data = m_program.data();
    const QString key = m_contest.key;
    if (key.isEmpty() || !data.FindRecord(core::Cont, key))
        return;
    Dialogs::beepOnce();
    if (!Dialogs::confirm(QStringLiteral("Remove Selected Contest?")))
        return;
    DeleteContest(data, key);
    emptyBoxes();
    m_useSupportData->setChecked(false);
    fillKnownList();
    m_delete->setEnabled(false);
    m_printButton->setEnabled(false);
    showCounts(key);
    // The menus that need a contest close with it.
    m_contest.clear();
    emit contestChanged();
}

void ContestsPanel::boldNote(QLabel* caption)
{
    for (QLabel* note : {m_individualNotes, m_groupNotes, m_classNotes}) {
        QFont font = note->font();
        font.setBold(note == caption);
        note->setFont(font);
    }
}

bool ContestsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        if (watched == m_noteLabels[3])
            boldNote(m_groupNotes);
        else if (watched == m_noteLabels[4])
            boldNote(m_classNotes);
        else
            boldNote(m_individualNotes);
    } else if (event->type() == QEvent::Leave) {
        boldNote(nullptr);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace judging
