#include "judging/ui/teamspanel.h"

#include "core/datamaster.h"
#include "core/program.h"
#include "core/supporttables.h"
#include "core/texthelpers.h"
#include "core/ui/entryfields.h"
#include "core/ui/panelparts.h"
#include "judging/fields.h"
#include "platform/dialogs.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace judging {

using platform::Dialogs;

namespace {
QLabel* note(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

} // namespace

QString TeamsPanel::needNumberMessage()
{
    return QStringLiteral("A three digit Team number is required!");
}

QString TeamsPanel::groupFormatMessage()
{
    return QStringLiteral(
        "Entered group location not of proper format.\r\rThe group letter must be a single letter in the range of "
        "assigned groups as defined during contest setup. (If you defined four (4) groups, the maximum letter would "
        "be 'D'.\r\rThe number following the group letter must be in the range of [1..99]. The full group location "
        "code can not exceed three (3) characters in length.");
}

TeamsPanel::TeamsPanel(core::Program& program, SelectedContest& contest, QWidget* parent)
    : QWidget(parent), m_program(program), m_contest(contest)
{
    m_groupTimer = new QTimer(this);
    m_groupTimer->setObjectName(QStringLiteral("groupStoreTimer"));
    m_groupTimer->setSingleShot(true);
    m_groupTimer->setInterval(GroupStoreDelayMs);
    connect(m_groupTimer, &QTimer::timeout, this, [this] { storePendingGroup(true); });

    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("contestHeader"));
    QFont big = m_header->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    m_header->setFont(big);

    // Levels with their counts.
    auto* levels = new QGroupBox(QStringLiteral("Team/Individual Selection:    Tot - Ent - Rem"), this);
    levels->setObjectName(QStringLiteral("levelBox"));
    auto* levelGrid = new QGridLayout(levels);
    levelGrid->setVerticalSpacing(2);
    m_levelGroup = new QButtonGroup(this);
    for (int level = 1; level <= LevelCount; ++level) {
        auto* b = new QRadioButton(LevelCaption(level), levels);
        b->setObjectName(QStringLiteral("level%1").arg(level));
        m_levelGroup->addButton(b, level);
        m_levelButtons[std::size_t(level)] = b;
        auto* count = new QLabel(levels);
        count->setObjectName(QStringLiteral("levelCount%1").arg(level));
        m_countLabels[std::size_t(level)] = count;
        levelGrid->addWidget(b, level - 1, 0);
        levelGrid->addWidget(count, level - 1, 1, Qt::AlignRight);
    }

    // The entry.
    auto* entryBox = new QGroupBox(QStringLiteral("Team/Individual Record"), this);
    auto* entryGrid = new QGridLayout(entryBox);
    entryGrid->setVerticalSpacing(3);
    const auto edit = [entryBox](const char* name) {
        auto* e = new QLineEdit(entryBox);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    m_entryNumber = edit("entryNumber");
    m_entryNumber->setMaximumWidth(70);
    m_county = edit("county");
    m_teamName = edit("teamName");
    m_coach = edit("teamCoach");
    m_teamKey = edit("teamKey");
    m_teamKey->setReadOnly(true);
    m_teamKey->setFocusPolicy(Qt::NoFocus);
    m_membersPerTeam = edit("membersPerTeam");
    m_membersPerTeam->setReadOnly(true);
    m_membersPerTeam->setFocusPolicy(Qt::NoFocus);
    m_membersPerTeam->setMaximumWidth(50);
    int r = 0;
    for (const auto& [caption, box] : {std::pair{"Team/Individual Number", m_entryNumber},
                                       std::pair{"County", m_county},
                                       std::pair{"Team Name (Required!)", m_teamName},
                                       std::pair{"Team Coach...", m_coach},
                                       std::pair{"Team Record Key...", m_teamKey},
                                       std::pair{"Members per Team", m_membersPerTeam}}) {
        entryGrid->addWidget(new QLabel(QString::fromLatin1(caption), entryBox), r, 0);
        entryGrid->addWidget(box, r++, 1);
    }
    entryGrid->setColumnStretch(1, 1);

    // The member rows.
    auto* membersBox = new QGroupBox(QStringLiteral("Team Members"), this);
    membersBox->setObjectName(QStringLiteral("membersBox"));
    auto* rows = new QGridLayout(membersBox);
    rows->setVerticalSpacing(1);
    rows->setHorizontalSpacing(6);
    rows->addWidget(new QLabel(QStringLiteral("Name"), membersBox), 0, 1);
    m_groupCaption = new QLabel(QStringLiteral("Group"), membersBox);
    m_groupCaption->setObjectName(QStringLiteral("groupCaption"));
    rows->addWidget(m_groupCaption, 0, 2);
    m_levelCaption = new QLabel(QStringLiteral("Member Level"), membersBox);
    m_levelCaption->setObjectName(QStringLiteral("levelCaption"));
    rows->addWidget(m_levelCaption, 0, 4, 1, 3);
    m_deleteGroup = new QButtonGroup(this);
    for (int k = 1; k <= MaxMembers; ++k) {
        Row& row = m_rows[std::size_t(k)];
        row.letter = new QLabel(QString(MemberLetter(k)), membersBox);
        row.name = new QLineEdit(membersBox);
        row.name->setObjectName(QStringLiteral("memberName%1").arg(k));
        row.group = new QLineEdit(membersBox);
        row.group->setObjectName(QStringLiteral("memberGroup%1").arg(k));
        row.group->setMaximumWidth(55);
        row.remove = new QRadioButton(QStringLiteral("Delete"), membersBox);
        row.remove->setObjectName(QStringLiteral("memberDelete%1").arg(k));
        m_deleteGroup->addButton(row.remove, k);
        row.levels = new QButtonGroup(this);
        const char* const levelTexts[4] = {"", "Jr", "Int", "Sr"};
        for (int l = 1; l <= 3; ++l) {
            auto* b = new QRadioButton(QString::fromLatin1(levelTexts[l]), membersBox);
            b->setObjectName(QStringLiteral("memberLevel%1_%2").arg(k).arg(l));
            row.levels->addButton(b, l);
            row.levelButtons[std::size_t(l)] = b;
            rows->addWidget(b, k, 3 + l);
        }
        rows->addWidget(row.letter, k, 0);
        rows->addWidget(row.name, k, 1);
        rows->addWidget(row.group, k, 2);
        rows->addWidget(row.remove, k, 3);
    }
    rows->setColumnStretch(1, 1);
    rows->setRowStretch(MaxMembers + 1, 1);

    // The lists.
    m_rightCaption = new QLabel(QStringLiteral("Current Counties / Teams:"), this);
    m_rightCaption->setObjectName(QStringLiteral("rightCaption"));
    m_rightList = new QListWidget(this);
    m_rightList->setObjectName(QStringLiteral("rightList"));
    m_rightList->viewport()->installEventFilter(this);
    m_possibleCaption = new QLabel(QStringLiteral("Possible 4-H Team Members..."), this);
    m_possibleCaption->setObjectName(QStringLiteral("possibleCaption"));
    m_possibleHeadings = new QWidget(this);
    m_possibleHeadings->setObjectName(QStringLiteral("possibleHeadings"));
    auto* headings = new QHBoxLayout(m_possibleHeadings);
    headings->setContentsMargins(4, 0, 0, 0);
    headings->addWidget(new QLabel(QStringLiteral("Age"), m_possibleHeadings));
    headings->addSpacing(12);
    headings->addWidget(new QLabel(QStringLiteral("Name"), m_possibleHeadings), 1);
    m_possibleList = new QListWidget(this);
    m_possibleList->setObjectName(QStringLiteral("possibleMembers"));
    m_possibleList->setFont(core::ColumnListFont());

    m_save = core::NamedButton(QStringLiteral("Save/Update Team/Individual Record"), QStringLiteral("saveEntry"), this);
    m_deleteEntry = core::NamedButton(QStringLiteral("Delete Team/Individual Record"), QStringLiteral("deleteEntry"), this);
    m_deleteMember = core::NamedButton(QStringLiteral("Delete Selected Team Member"), QStringLiteral("deleteMember"), this);
    m_redisplay = core::NamedButton(QStringLiteral("Re-Display Current Teams"), QStringLiteral("redisplay"), this);
    m_printButton = core::NamedButton(QStringLiteral("Print Team List"), QStringLiteral("printTeamList"), this);
    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exit"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(levels);
    left->addWidget(entryBox);
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_save, 0, 0, 1, 2);
    buttons->addWidget(m_deleteEntry, 1, 0, 1, 2);
    buttons->addWidget(m_deleteMember, 2, 0, 1, 2);
    buttons->addWidget(m_redisplay, 3, 0, 1, 2);
    buttons->addWidget(m_printButton, 4, 0);
    buttons->addWidget(m_exit, 4, 1);
    left->addLayout(buttons);
    left->addWidget(note(QStringLiteral("Note: Manually entered team numbers must be three digits in length.  The first "
                                        "digit must be a '1' thru a '7' depending upon team type."),
                         this));
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(m_rightCaption);
    right->addWidget(m_rightList, 2);
    right->addWidget(m_possibleCaption);
    right->addWidget(m_possibleHeadings);
    right->addWidget(m_possibleList, 3);
    auto* notes = new QVBoxLayout;
    notes->addWidget(note(QStringLiteral("Level buttons place a member of another level on a team. By default a member "
                                         "placed on a senior team is given [Sr], on an intermediate team [Int] and on a "
                                         "junior team [Jr]. A member's own level is not used for team awards; it is "
                                         "used for the individual awards that collect one level from all entries."),
                          this));
    notes->addWidget(note(QStringLiteral("Manually entered members must have a level button selected."), this));
    notes->addWidget(note(QStringLiteral("Assigned group: a group letter followed by the contestant's order in the "
                                         "group (1 to 99), for example B13."),
                          this));
    right->addLayout(notes);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 4);
    columns->addWidget(membersBox, 5);
    columns->addLayout(right, 4);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_header);
    layout->addLayout(columns, 1);

    // Entry behaviour.
    setTabOrder(m_entryNumber, m_county);
    setTabOrder(m_county, m_teamName);
    setTabOrder(m_teamName, m_coach);
    core::EnterMovesFocus::install(this);
    core::EnterMovesFocus::setNext(m_entryNumber, [this] { return m_county; });
    core::EnterMovesFocus::setNext(m_county, [this] { return m_rows[1].name; });
    core::EnterMovesFocus::setNext(m_coach, [this] { return m_rows[1].name; });
    core::OnEntering(m_entryNumber, [this] { setSaveEnabled(false); });
    core::OnEntering(m_county, [this] { setSaveEnabled(false); });
    core::LeaveCheck::attach(m_entryNumber, {}, [this](const QString& text) { entryNumberLeft(text, true); });
    for (int k = 1; k <= MaxMembers; ++k) {
        Row& row = m_rows[std::size_t(k)];
        core::EnterMovesFocus::setNext(row.name, [this, k] { return nameBoxAfter(k); });
        core::EnterMovesFocus::setNext(row.group, [this, k] {
            return k < members() && !m_rows[std::size_t(k + 1)].group->isHidden()
                       ? static_cast<QWidget*>(m_rows[std::size_t(k + 1)].group)
                       : static_cast<QWidget*>(m_save);
        });
        core::OnEntering(row.name, [this] { setSaveEnabled(true); });
        core::LeaveCheck::attach(row.name, {}, [this, k](const QString&) { m_currentRow = k; });
        core::LeaveCheck::attach(row.group, {}, [this, k](const QString& text) { groupLeft(k, text); });
    }
    connect(m_levelGroup, &QButtonGroup::idClicked, this, &TeamsPanel::chooseLevel);
    connect(m_deleteGroup, &QButtonGroup::idClicked, this, &TeamsPanel::selectRowForDeletion);
    connect(m_rightList, &QListWidget::itemClicked, this, &TeamsPanel::rightLineClicked);
    connect(m_possibleList, &QListWidget::itemClicked, this, &TeamsPanel::possibleMemberClicked);
    connect(m_save, &QPushButton::clicked, this, [this] { save(false); });
    connect(m_deleteEntry, &QPushButton::clicked, this, &TeamsPanel::deleteEntry);
    connect(m_deleteMember, &QPushButton::clicked, this, &TeamsPanel::deleteMember);
    connect(m_redisplay, &QPushButton::clicked, this, [this] {
        if (m_level)
            chooseLevel(m_level);
    });
    connect(m_printButton, &QPushButton::clicked, this, [this] {
        if (m_print)
            m_print();
    });
    connect(m_exit, &QPushButton::clicked, this, [this] {
        if (leave())
            emit exitRequested();
    });
    open();
}

void TeamsPanel::setPrintTeamList(std::function<void()> print)
{
    m_print = std::move(print);
    m_printButton->setEnabled(bool(m_print));
}

int TeamsPanel::members() const
{
    return std::clamp(m_contest.setup.maxMembers, 0, MaxMembers);
}

bool TeamsPanel::supportData() const
{
    return m_program.supportDataPresent && m_contest.setup.useSupportData;
}

QString TeamsPanel::teamKey() const
{
    return m_teamKey->text();
}

QString TeamsPanel::entryNumberOfKey() const
{
    return teamKey().mid(ContestKeyLength + 2);
}

void TeamsPanel::setSaveEnabled(bool enabled)
{
    m_save->setEnabled(enabled);
}

void TeamsPanel::open()
{
    core::LeaveCheck::Pause pause;
    m_groupTimer->stop();
    m_pendingGroupRow = 0;
    m_header->setText(QStringLiteral("Contest:  ") + m_contest.key + QStringLiteral("   ") + m_contest.title);
    m_level = 0;
    core::UncheckAll(m_levelGroup);
    m_teamKey->setText(m_contest.key);
    m_membersPerTeam->setText(QString::number(members()));
    emptyEntryBoxes();
    m_entryNumber->clear();
    m_rightList->clear();
    m_rightMode = RightMode::Entries;
    m_rightCaption->setText(QStringLiteral("Current Counties / Teams:"));
    m_possibleList->clear();
    showPossibleMembers(false);
    for (int k = 1; k <= MaxMembers; ++k) {
        const Row& row = m_rows[std::size_t(k)];
        for (QWidget* w : {static_cast<QWidget*>(row.letter), static_cast<QWidget*>(row.name),
                           static_cast<QWidget*>(row.group), static_cast<QWidget*>(row.remove)})
            w->hide();
        for (int l = 1; l <= 3; ++l)
            row.levelButtons[std::size_t(l)]->hide();
    }
    emptyRows();
    m_groupCaption->setVisible(m_contest.setup.assignedGroups > 0);
    m_levelCaption->hide();
    m_rightCaption->setVisible(supportData());
    m_rightList->setVisible(supportData());
    // Nothing to number before a level is chosen.
    m_entryNumber->setEnabled(false);
    m_county->setEnabled(false);
    setSaveEnabled(false);
    m_deleteEntry->setEnabled(false);
    m_deleteMember->setEnabled(false);
    m_printButton->setEnabled(bool(m_print));
    refreshCounts();
}

bool TeamsPanel::leave()
{
    if (!m_save->isEnabled())
        return true;
    return save(true);
}

void TeamsPanel::refreshCounts()
{
    const auto entered = m_contest.key.isEmpty() ? std::array<int, LevelCount + 1>{}
                                                 : CountEntriesByLevel(m_program.data(), m_contest.key);
    for (int level = 1; level <= LevelCount; ++level)
        m_countLabels[std::size_t(level)]->setText(
            LevelCountLabel(m_contest.setup.levelCounts[std::size_t(level)], entered[std::size_t(level)]));
}

void TeamsPanel::emptyEntryBoxes()
{
    core::LeaveCheck::Pause pause;
    m_county->clear();
    m_teamName->clear();
    m_coach->clear();
    m_loadedKey.clear();
}

void TeamsPanel::emptyRows()
{
    core::LeaveCheck::Pause pause;
    for (int k = 1; k <= MaxMembers; ++k) {
        Row& row = m_rows[std::size_t(k)];
        row.name->clear();
        row.group->clear();
        core::UncheckAll(row.levels);
    }
    clearDeleteButtons();
    m_currentRow = 1;
}

void TeamsPanel::showRows()
{
    const int m = members();
    const bool adult = m_level == AdultLevel;
    const bool groups = m_contest.setup.assignedGroups >= 1;
    for (int k = 1; k <= MaxMembers; ++k) {
        const Row& row = m_rows[std::size_t(k)];
        const bool shown = k <= m;
        row.letter->setVisible(shown);
        row.name->setVisible(shown);
        row.remove->setVisible(shown);
        row.group->setVisible(shown && groups);
        for (int l = 1; l <= 3; ++l)
            row.levelButtons[std::size_t(l)]->setVisible(shown && !adult);
    }
    m_groupCaption->setVisible(groups);
    m_levelCaption->setVisible(!adult && m > 0);
}

void TeamsPanel::setRowLevel(int k, int level)
{
    Row& row = m_rows[std::size_t(k)];
    if (level >= 1 && level <= 3)
        row.levelButtons[std::size_t(level)]->setChecked(true);
    else
        core::UncheckAll(row.levels);
}

int TeamsPanel::rowLevel(int k) const
{
    const int id = m_rows[std::size_t(k)].levels->checkedId();
    return id >= 1 && id <= 3 ? id : 0;
}

void TeamsPanel::chooseLevel(int level)
{
    if (level < 1 || level > LevelCount)
        return;
    core::LeaveCheck::Pause pause;
    m_groupTimer->stop();
    m_pendingGroupRow = 0;
    m_level = level;
    m_levelButtons[std::size_t(level)]->setChecked(true);
    m_teamKey->setText(m_contest.key + LevelCode(level));
    m_entryNumber->setEnabled(true);
    m_county->setEnabled(true);
    m_entryNumber->clear();
    emptyEntryBoxes();
    setSaveEnabled(false);
    m_deleteEntry->setEnabled(false);
    m_deleteMember->setEnabled(false);
    m_membersPerTeam->setText(QString::number(members()));
    emptyRows();
    showRows();
    m_possibleList->clear();
    showPossibleMembers(false);
    fillEntries();
    refreshCounts();
    m_usedGroups = ReadUsedGroups(m_program.data(), m_contest.key, LevelCode(level));
    proposeEntryNumber();
    m_entryNumber->setFocus(Qt::OtherFocusReason);
}

void TeamsPanel::fillEntries()
{
    m_rightMode = RightMode::Entries;
    m_rightCaption->setText(QStringLiteral("Current Counties / Teams..."));
    m_rightList->clear();
    m_rightList->addItems(EntryLines(m_program.data(), m_contest.key, LevelCode(m_level)));
    m_rightCaption->setVisible(supportData());
    m_rightList->setVisible(supportData());
}

void TeamsPanel::proposeEntryNumber()
{
    core::LeaveCheck::Pause pause;
    const QString number = ProposeEntryNumber(m_program.data(), m_contest.key, m_level,
                                              m_contest.setup.levelCounts[std::size_t(m_level)]);
    m_entryNumber->setText(number);
    m_proposalShown = !number.isEmpty();
}

void TeamsPanel::entryNumberLeft(const QString& text, bool byUser)
{
    if (text.isEmpty() || m_level == 0)
        return;
    m_proposalShown = false;
    if (!core::IsAllDigits(text)) {
        Dialogs::beepOnce();
        m_entryNumber->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (ExceedsSetup(core::ToIntOrZero(text), m_contest.setup.levelCounts[std::size_t(m_level)])) {
        core::RefuseEntry(m_entryNumber, QStringLiteral("Team number exceeds contest setup value."));
        return;
    }
    const QString key = TeamKey(m_contest.key, LevelCode(m_level), PadEntryNumber(text));
    m_teamKey->setText(key);
    if (key.size() == TeamKeyLength && m_program.data().FindRecord(core::Team, key)) {
        loadEntry(key, false);
    } else if (!m_loadedKey.isEmpty()) {
        // Another number than the stored entry shown: a new entry starts empty, not as a copy.
        emptyEntryBoxes();
        emptyRows();
        m_deleteEntry->setEnabled(false);
    }
    showCounties(byUser);
}

void TeamsPanel::showCounties(bool byUser)
{
    m_rightMode = RightMode::Counties;
    m_rightList->clear();
    if (!supportData()) {
        showPossibleMembers(false);
        if (byUser)
            Dialogs::beepOnce();
        m_rightCaption->setText(QStringLiteral("SORRY - No Kestrow! data found."));
        m_rightCaption->show();
        m_rightList->hide();
        m_teamName->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_rightCaption->setText(QStringLiteral("Counties..."));
    m_rightCaption->show();
    m_rightList->show();
    m_rightList->addItems(EntryCountyLines(m_program.data(), true));
}

void TeamsPanel::rightLineClicked(QListWidgetItem* item)
{
    if (!item || m_level == 0)
        return;
    const QString line = item->text();
    if (m_rightMode == RightMode::Counties) {
        {
            core::LeaveCheck::Pause pause;
            m_county->setText(line);
            m_teamName->setText(line.mid(core::CountyCodeLength + 1));
        }
        fillPossibleMembers(line.left(core::CountyCodeLength));
        m_teamName->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString key = line.left(TeamKeyLength);
    if (!m_program.data().FindRecord(core::Team, key))
        return;
    loadEntry(key, true);
    setSaveEnabled(true);
    if (QWidget* box = firstEmptyNameBox())
        box->setFocus(Qt::OtherFocusReason);
}

void TeamsPanel::loadEntry(const QString& key, bool withNumber)
{
    Entry entry;
    if (!ReadEntry(m_program.data(), key, entry))
        return;
    core::LeaveCheck::Pause pause;
    m_teamKey->setText(key);
    if (withNumber)
        m_entryNumber->setText(entry.entryNumber);
    m_proposalShown = false;
    m_county->setText(entry.county);
    m_teamName->setText(entry.teamName);
    m_coach->setText(entry.coach);
    m_levelButtons[std::size_t(m_level)]->setChecked(true);
    emptyRows();
    for (int k = 1; k <= members(); ++k) {
        Row& row = m_rows[std::size_t(k)];
        row.name->setText(entry.names[std::size_t(k)]);
        row.group->setText(AssignedGroupCode(entry.groups[std::size_t(k)]));
        setRowLevel(k, entry.levels[std::size_t(k)]);
    }
    m_loadedKey = key;
    m_deleteEntry->setEnabled(true);
    if (!entry.county.isEmpty())
        fillPossibleMembers(entry.county.left(core::CountyCodeLength));
}

void TeamsPanel::showPossibleMembers(bool shown)
{
    m_possibleCaption->setVisible(shown);
    m_possibleHeadings->setVisible(shown);
    m_possibleList->setVisible(shown);
}

void TeamsPanel::fillPossibleMembers(const QString& county)
{
    m_possibleList->clear();
    if (!supportData()) {
        showPossibleMembers(false);
        return;
    }
    const QStringList lines =
        core::PeopleLines(m_program.data(), m_level == AdultLevel ? core::Slid : core::Smid, county);
    m_possibleList->addItems(lines);
    showPossibleMembers(!lines.isEmpty());
}

void TeamsPanel::possibleMemberClicked(QListWidgetItem* item)
{
    if (!item)
        return;
    const int m = members();
    bool full = true;
    for (int k = 1; k <= m; ++k)
        full = full && !m_rows[std::size_t(k)].name->text().isEmpty();
    if (full) {
        Dialogs::refuse(QStringLiteral("This team is completely filled.  To enter a new member you must first delete a "
                                       "current team member."));
        return;
    }
    const QString name = m_level == AdultLevel ? item->text() : item->text().mid(4);
    const int row = std::clamp(m_currentRow, 1, m);
    for (int k = 1; k < row; ++k)
        if (m_rows[std::size_t(k)].name->text() == name) {
            Dialogs::refuse(QStringLiteral("Selected Member is already on this team."));
            m_possibleList->clearSelection();
            return;
        }
    {
        core::LeaveCheck::Pause pause;
        m_rows[std::size_t(row)].name->setText(name);
        setRowLevel(row, DefaultMemberLevel(m_level));
    }
    setSaveEnabled(true);
    m_possibleList->clearSelection();
    if (row < m && !m_rows[std::size_t(row + 1)].name->isHidden()) {
        m_currentRow = row + 1;
        m_rows[std::size_t(row + 1)].name->setFocus(Qt::OtherFocusReason);
    } else {
        m_save->setFocus(Qt::OtherFocusReason);
    }
}

void TeamsPanel::groupLeft(int k, const QString& text)
{
    if (text.isEmpty())
        return;
    QLineEdit* box = m_rows[std::size_t(k)].group;
    const QString code = core::UpperCaseAscii(text);
    {
        core::LeaveCheck::Pause pause;
        box->setText(code);
    }
    if (teamKey().size() != TeamKeyLength) {
        core::RefuseEntry(box, needNumberMessage());
        return;
    }
    switch (CheckAssignedGroup(code, m_contest.setup.assignedGroups, m_usedGroups,
                               ContestantNumber(entryNumberOfKey(), k))) {
    case GroupCheck::Empty:
        return;
    case GroupCheck::BadFormat: {
        {
            core::LeaveCheck::Pause pause;
            Dialogs::beepOnce();
            Dialogs::error(groupFormatMessage());
            box->clear();
        }
        box->setFocus(Qt::OtherFocusReason);
        return;
    }
    case GroupCheck::TooShort:
        core::RefuseEntry(box, QStringLiteral("The assigned group value must a group letter (A..Max Group) and an "
                                              "appearence order number (1..20)"));
        return;
    case GroupCheck::Taken:
        core::RefuseEntry(box, QStringLiteral("Group assignment is either invalid or already assigned."));
        return;
    case GroupCheck::Accepted:
        break;
    }
    // A group still waiting is stored before the next one starts waiting.
    if (m_pendingGroupRow && m_pendingGroupRow != k)
        storePendingGroup(false);
    m_pendingGroupRow = k;
    m_pendingGroup = code;
    m_groupTimer->start();
}

void TeamsPanel::storePendingGroup(bool moveFocus)
{
    m_groupTimer->stop();
    const int k = m_pendingGroupRow;
    m_pendingGroupRow = 0;
    const QString key = teamKey();
    if (k < 1 || key.size() != TeamKeyLength)
        return;
    core::DataMaster& data = m_program.data();
    data.AddRecord(core::Team, key);
    const QString entryNumber = entryNumberOfKey();
    m_usedGroups[ContestantNumber(entryNumber, k)] = m_pendingGroup;
    data.WriteField(core::Team, TeamField::assignedGroup(k), AssignedGroupField(m_pendingGroup, entryNumber, k));
    if (!m_contest.presence.teams) {
        m_contest.presence.teams = true;
        emit contestChanged();
    }
    setSaveEnabled(true);
    if (!moveFocus)
        return;
    if (k < members() && !m_rows[std::size_t(k + 1)].group->isHidden())
        m_rows[std::size_t(k + 1)].group->setFocus(Qt::OtherFocusReason);
    else
        m_save->setFocus(Qt::OtherFocusReason);
}

bool TeamsPanel::save(bool leaving)
{
    if (m_level == 0)
        return true;
    // A group typed just before is stored, not dropped.
    if (m_pendingGroupRow)
        storePendingGroup(false);
    const int m = members();
    Entry entry;
    entry.entryNumber = m_entryNumber->text();
    entry.county = m_county->text();
    entry.teamName = m_teamName->text();
    entry.coach = m_coach->text();
    for (int k = 1; k <= m; ++k) {
        entry.names[std::size_t(k)] = m_rows[std::size_t(k)].name->text();
        entry.levels[std::size_t(k)] = rowLevel(k);
    }
    QString refusal = teamKey().size() == TeamKeyLength ? QString() : needNumberMessage();
    if (refusal.isEmpty())
        refusal = EntrySaveRefusal(entry, m_level, m);
    if (!refusal.isEmpty()) {
        core::LeaveCheck::Pause pause;
        Dialogs::refuse(refusal);
        return false;
    }
    core::DataMaster& data = m_program.data();
    WriteEntry(data, teamKey(), entry, m);

    {
        core::LeaveCheck::Pause pause;
        emptyEntryBoxes();
        emptyRows();
        m_possibleList->clear();
        setSaveEnabled(false);
        m_deleteEntry->setEnabled(false);
        m_deleteMember->setEnabled(false);
        fillEntries();
        refreshCounts();
        m_usedGroups = ReadUsedGroups(data, m_contest.key, LevelCode(m_level));
        proposeEntryNumber();
        m_teamKey->setText(m_contest.key + LevelCode(m_level));
    }
    if (!m_contest.presence.teams) {
        m_contest.presence.teams = true;
        emit contestChanged();
    }
    if (!leaving) {
        m_entryNumber->setFocus(Qt::OtherFocusReason);
        // Taken as if its box were left; the focus moving on must not take it a second time.
        core::LeaveCheck::Pause pause;
        entryNumberLeft(m_entryNumber->text(), false);
    }
    showPossibleMembers(false);
    return true;
}

void TeamsPanel::clearDeleteButtons()
{
    core::UncheckAll(m_deleteGroup);
    m_selectedRow = 0;
}

void TeamsPanel::selectRowForDeletion(int k)
{
    m_selectedRow = k;
    m_deleteMember->setEnabled(!m_rows[std::size_t(k)].name->text().isEmpty());
}

void TeamsPanel::deleteMember()
{
    const int k = m_selectedRow;
    if (k < 1 || k > MaxMembers)
        return;
    if (m_teamName->text().isEmpty()) {
        Dialogs::refuse(QStringLiteral("A Team name is required!"));
        return;
    }
    Dialogs::beepOnce();
    if (!Dialogs::confirm(QStringLiteral("Confirm deleting selected team member?")))
        return;
    {
        core::LeaveCheck::Pause pause;
        m_rows[std::size_t(k)].name->clear();
        core::UncheckAll(m_rows[std::size_t(k)].levels);
    }
    if (teamKey().size() == TeamKeyLength)
        DeleteEntryScores(m_program.data(), m_contest.key, LevelCode(m_level), entryNumberOfKey(), k);
    m_deleteMember->setEnabled(false);
    clearDeleteButtons();
    if (QWidget* box = firstEmptyNameBox())
        box->setFocus(Qt::OtherFocusReason);
}

void TeamsPanel::deleteEntry()
{
    const QString key = teamKey();
    if (key.size() != TeamKeyLength)
        return;
    Dialogs::beepOnce();
    if (!Dialogs::confirm(QStringLiteral(
            "Confirm Deleting Team record (This includes all members of the team and any entered scores.)!")))
        return;
    m_groupTimer->stop();
    m_pendingGroupRow = 0;
    DeleteEntry(m_program.data(), key);
    core::LeaveCheck::Pause pause;
    fillEntries();
    emptyRows();
    emptyEntryBoxes();
    m_entryNumber->clear();
    m_teamKey->clear();
    m_possibleList->clear();
    showPossibleMembers(false);
    setSaveEnabled(false);
    m_deleteEntry->setEnabled(false);
    m_deleteMember->setEnabled(false);
    refreshCounts();
    m_usedGroups = ReadUsedGroups(m_program.data(), m_contest.key, LevelCode(m_level));
}

QWidget* TeamsPanel::nameBoxAfter(int k) const
{
    if (k < members() && !m_rows[std::size_t(k + 1)].name->isHidden())
        return m_rows[std::size_t(k + 1)].name;
    return m_save;
}

QWidget* TeamsPanel::firstEmptyNameBox() const
{
    for (int k = 1; k <= members(); ++k)
        if (m_rows[std::size_t(k)].name->text().isEmpty() && !m_rows[std::size_t(k)].name->isHidden())
            return m_rows[std::size_t(k)].name;
    return nullptr;
}

bool TeamsPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Pointing at the entries list drops the proposed number, so that leaving its box for the
    // list does not take the proposal.
    if (watched == m_rightList->viewport() && event->type() == QEvent::Enter && m_rightMode == RightMode::Entries &&
        m_proposalShown) {
        core::LeaveCheck::Pause pause;
        m_entryNumber->clear();
        m_proposalShown = false;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace judging
