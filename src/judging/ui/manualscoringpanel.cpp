#include "judging/ui/manualscoringpanel.h"

#include "core/datamaster.h"
#include "core/program.h"
#include "core/texthelpers.h"
#include "core/ui/entryfields.h"
#include "core/ui/panelparts.h"
#include "judging/fields.h"
#include "platform/dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
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
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace judging {

using platform::Dialogs;

namespace {

const char* const levelCaptions[LevelCount] = {"Senior Team",
                                               "Intermediate Team",
                                               "Junior Team",
                                               "Senior Individual",
                                               "Intermediate Individual",
                                               "Junior Individual",
                                               "Adult"};
const char* const sortCaptions[4] = {"True Team (Normal)", "Team Random", "Full Random", "Assigned"};

QLineEdit* readOnlyBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

bool scoredByOwnScreen(int type)
{
    return type == QuestionsClass || (type >= CollegiateWoolClass && type <= KeepCullClass);
}

} // namespace

ManualScoringPanel::ManualScoringPanel(core::Program& program, SelectedContest& contest, QWidget* parent)
    : QWidget(parent), m_program(program), m_contest(contest)
{
    auto* caption = core::PanelHeading(QStringLiteral("Scores..."), this);
    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("contestHeader"));

    auto* boxes = new QGroupBox(this);
    auto* form = new QFormLayout(boxes);
    m_scoreKeyBox = readOnlyBox(QStringLiteral("scoreKey"), boxes);
    m_classKeyBox = readOnlyBox(QStringLiteral("classKey"), boxes);
    m_className = readOnlyBox(QStringLiteral("className"), boxes);
    m_classNum = readOnlyBox(QStringLiteral("classNum"), boxes);
    m_classTypeBox = readOnlyBox(QStringLiteral("classType"), boxes);
    m_contestantNum = readOnlyBox(QStringLiteral("contestantNum"), boxes);
    m_contestantName = readOnlyBox(QStringLiteral("contestantName"), boxes);
    m_entry = new QLineEdit(boxes);
    m_entry->setObjectName(QStringLiteral("entry"));
    m_entry->setMaximumWidth(80);
    m_hormel = readOnlyBox(QStringLiteral("hormelScore"), boxes);
    m_hormel->setMaximumWidth(80);
    form->addRow(QStringLiteral("Score Record Key..."), m_scoreKeyBox);
    form->addRow(QStringLiteral("Class Key"), m_classKeyBox);
    form->addRow(QStringLiteral("Class Name"), m_className);
    form->addRow(QStringLiteral("Class Num"), m_classNum);
    form->addRow(QStringLiteral("Class Type"), m_classTypeBox);
    form->addRow(QStringLiteral("Contestant Num"), m_contestantNum);
    form->addRow(QStringLiteral("Contestant Name"), m_contestantName);
    form->addRow(QStringLiteral("*Placing Score"), m_entry);
    m_hormelCaption = new QLabel(QStringLiteral("Hormel Score"), boxes);
    form->addRow(m_hormelCaption, m_hormel);
    m_count = new QLabel(QStringLiteral("Contestant Count: "), boxes);
    m_count->setObjectName(QStringLiteral("contestantCount"));
    form->addRow(m_count);

    m_levelGroup = new QGroupBox(QStringLiteral("Select Team(s)/Individual(s)..."), this);
    m_levelGroup->setObjectName(QStringLiteral("levelGroup"));
    auto* levelLayout = new QVBoxLayout(m_levelGroup);
    for (int l = 1; l <= LevelCount; ++l) {
        auto* b = new QCheckBox(QString::fromLatin1(levelCaptions[l - 1]), m_levelGroup);
        b->setObjectName(QStringLiteral("level") + LevelCode(l));
        m_levels[std::size_t(l)] = b;
        levelLayout->addWidget(b);
        connect(b, &QCheckBox::toggled, this, &ManualScoringPanel::levelsChanged);
    }
    m_build =
        core::NamedButton(QStringLiteral("Build Contestant List"), QStringLiteral("buildList"), m_levelGroup);
    levelLayout->addWidget(m_build);

    m_sortGroup = new QGroupBox(QStringLiteral("Select Group Sort..."), this);
    m_sortGroup->setObjectName(QStringLiteral("sortGroup"));
    m_sortButtons = new QButtonGroup(this);
    auto* sortLayout = new QVBoxLayout(m_sortGroup);
    for (int s = 1; s <= 4; ++s) {
        auto* b = new QRadioButton(QString::fromLatin1(sortCaptions[s - 1]), m_sortGroup);
        b->setObjectName(QStringLiteral("sort%1").arg(s));
        m_sortButtons->addButton(b, s);
        sortLayout->addWidget(b);
    }

    m_methodGroup = new QGroupBox(QStringLiteral("Contestant Selection Method..."), this);
    m_methodGroup->setObjectName(QStringLiteral("methodGroup"));
    auto* methodLayout = new QVBoxLayout(m_methodGroup);
    m_manual = new QRadioButton(QStringLiteral("Manual Select"), m_methodGroup);
    m_manual->setObjectName(QStringLiteral("manualSelect"));
    m_auto = new QRadioButton(QStringLiteral("Auto Advance"), m_methodGroup);
    m_auto->setObjectName(QStringLiteral("autoAdvance"));
    m_start = core::NamedButton(QStringLiteral("Start"), QStringLiteral("start"), m_methodGroup);
    methodLayout->addWidget(m_manual);
    methodLayout->addWidget(m_auto);
    methodLayout->addWidget(m_start);

    auto* lettersBox = new QGroupBox(QStringLiteral("Placings Legend"), this);
    auto* letterGrid = new QGridLayout(lettersBox);
    for (int i = 1; i <= PlacingCount; ++i) {
        auto* b =
            core::NamedButton(PlacingLetter(i), QStringLiteral("letter") + PlacingLetter(i), lettersBox);
        b->setFocusPolicy(Qt::NoFocus);
        b->setToolTip(PlacingOrder(i));
        const int row = (i - 1) % 6, column = (i - 1) / 6;
        letterGrid->addWidget(b, row, column * 2);
        letterGrid->addWidget(new QLabel(PlacingOrder(i), lettersBox), row, column * 2 + 1);
        m_letters.push_back(b);
        connect(b, &QPushButton::clicked, this, [this, i] { placingKey(PlacingLetter(i)); });
    }
    for (int z = 1; z <= 2; ++z) {
        auto* b = core::NamedButton(QStringLiteral("Zero  (0)"), QStringLiteral("zero%1").arg(z), lettersBox);
        b->setFocusPolicy(Qt::NoFocus);
        letterGrid->addWidget(b, 6, (z - 1) * 4, 1, 4);
        m_letters.push_back(b);
        connect(b, &QPushButton::clicked, this, [this] { placingKey(QStringLiteral("0")); });
    }

    m_listCaption = new QLabel(this);
    m_listCaption->setObjectName(QStringLiteral("listCaption"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("mainList"));
    m_scoreCaption = new QLabel(QStringLiteral("Score"), this);
    m_scoreCaption->setObjectName(QStringLiteral("scoreCaption"));
    m_scoreColumn = new QListWidget(this);
    m_scoreColumn->setObjectName(QStringLiteral("scoreColumn"));
    m_scoreColumn->setFocusPolicy(Qt::NoFocus);
    m_scoreColumn->setSelectionMode(QAbstractItemView::NoSelection);
    m_scoreColumn->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scoreColumn->setMaximumWidth(110);
    // The score column scrolls with the contestant list, line for line.
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, m_scoreColumn->verticalScrollBar(),
            &QScrollBar::setValue);

    auto* note = new QLabel(
        QStringLiteral(
            "* Note: When typing in Placing Scores, press <Enter> when finished.  This will focus the "
            "[Save Score Record] button and you can press <Enter> a second time to save the score and "
            "advance to the next contestant automatically."),
        this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);

    m_save = core::NamedButton(QStringLiteral("Save Score Record"), QStringLiteral("save"), this);
    m_delete = core::NamedButton(QStringLiteral("Delete Score Record"), QStringLiteral("delete"), this);
    m_scoreSelected =
        core::NamedButton(QStringLiteral("Score Selected Contestant"), QStringLiteral("scoreSelected"), this);
    m_reselect = core::NamedButton(QStringLiteral("Re-Select Class"), QStringLiteral("reselectClass"), this);
    m_printScores = core::NamedButton(QStringLiteral("Print Score List"), QStringLiteral("printScoreList"), this);
    m_printMissing = core::NamedButton(QStringLiteral("Print Missing Score List"),
                                       QStringLiteral("printMissingList"), this);
    m_printScores->setEnabled(false);
    m_printMissing->setEnabled(false);
    for (auto [button, kind] : {std::pair{m_printScores, ReportKind::ScoreList},
                                std::pair{m_printMissing, ReportKind::MissingScoreList}})
        connect(button, &QPushButton::clicked, this, [this, kind = kind] {
            // A placing key pressed just before is in the list, not dropped.
            if (m_autoSave->isActive())
                save();
            if (m_reportStarter)
                m_reportStarter(kind, {});
        });
    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exit"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(boxes);
    left->addWidget(note);
    left->addStretch(1);
    auto* groups = new QVBoxLayout;
    groups->addWidget(m_levelGroup);
    groups->addWidget(m_sortGroup);
    groups->addWidget(m_methodGroup);
    groups->addStretch(1);
    auto* lists = new QGridLayout;
    lists->addWidget(m_listCaption, 0, 0);
    lists->addWidget(m_scoreCaption, 0, 1);
    lists->addWidget(m_list, 1, 0);
    lists->addWidget(m_scoreColumn, 1, 1);
    lists->setColumnStretch(0, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(lists, 1);
    right->addWidget(lettersBox);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(groups, 2);
    columns->addLayout(right, 4);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_save, m_delete, m_scoreSelected, m_reselect, m_printScores, m_printMissing, m_exit})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_header);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    m_autoSave = new QTimer(this);
    m_autoSave->setSingleShot(true);
    m_autoSave->setInterval(AutoSaveDelayMs);
    connect(m_autoSave, &QTimer::timeout, this, &ManualScoringPanel::save);
    m_startTimer = new QTimer(this);
    m_startTimer->setSingleShot(true);
    m_startTimer->setInterval(StartDelayMs);
    connect(m_startTimer, &QTimer::timeout, this, [this] {
        if (m_list->currentRow() >= 0 && !m_showingClasses) selectContestant(m_list->currentRow());
    });

    core::LeaveCheck::attach(m_entry, {}, [this](const QString& text) { entryLeft(text); });
    core::EnterMovesFocus::install(this);
    // Enter in a typed score goes to the save button; leaving the box checks the score first.
    core::EnterMovesFocus::setNext(m_entry, [this]() -> QWidget* {
        if (m_scoreKey.isEmpty()) return nullptr;
        m_save->setEnabled(true);
        return m_save;
    });
    // After the shared Enter handling so that a placing class can ignore Enter.
    m_entry->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this, &ManualScoringPanel::lineClicked);
    connect(m_build, &QPushButton::clicked, this, &ManualScoringPanel::buildClicked);
    connect(m_sortButtons, &QButtonGroup::idClicked, this, &ManualScoringPanel::buildList);
    connect(m_manual, &QRadioButton::clicked, this, [this] {
        m_autoAdvance = false;
        m_start->setEnabled(false);
    });
    connect(m_auto, &QRadioButton::clicked, this, [this] {
        m_autoAdvance = true;
        m_start->setEnabled(true);
    });
    connect(m_start, &QPushButton::clicked, this, [this] {
        if (m_list->currentRow() >= 0 && !m_showingClasses) selectContestant(m_list->currentRow());
    });
    connect(m_scoreSelected, &QPushButton::clicked, this, [this] {
        if (m_list->currentRow() >= 0 && !m_showingClasses) selectContestant(m_list->currentRow());
    });
    connect(m_save, &QPushButton::clicked, this, &ManualScoringPanel::save);
    connect(m_delete, &QPushButton::clicked, this, &ManualScoringPanel::deleteScore);
    connect(m_reselect, &QPushButton::clicked, this, &ManualScoringPanel::open);
    connect(m_exit, &QPushButton::clicked, this, &ManualScoringPanel::exitRequested);
}

QString ManualScoringPanel::notValidMessage()
{
    return QStringLiteral("Entered Score is not valid for Class Type.");
}

QString ManualScoringPanel::exceedsMessage()
{
    return QStringLiteral("Score assigned exceeds Class Maximum Points.");
}

QString ManualScoringPanel::conversionMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString ManualScoringPanel::deleteQuestion()
{
    return QStringLiteral("Confirm deleting selected score.");
}

QString ManualScoringPanel::laterScoringMessage(int classType)
{
    return QStringLiteral("The scoring screen of %1 classes comes in a later version of this build.")
        .arg(ClassTypeName(classType));
}

void ManualScoringPanel::open()
{
    // A placing key pressed just before is saved, not dropped.
    if (m_autoSave->isActive())
        save();
    core::LeaveCheck::Pause pause;
    m_startTimer->stop();
    m_header->setText(m_contest.key + QStringLiteral("   ") + m_contest.title);
    m_scoreKeyBox->setText(m_contest.key);
    for (QLineEdit* b : {m_classKeyBox, m_className, m_classNum, m_classTypeBox, m_contestantNum,
                         m_contestantName, m_entry, m_hormel})
        b->clear();
    m_classKey.clear();
    m_classType = 0;
    m_scoreKey.clear();
    m_contestants.clear();
    m_showingClasses = true;
    m_listCaption->setText(QStringLiteral("Select Class..."));
    m_list->clear();
    m_list->addItems(ClassLines(m_program.data(), m_contest.key));
    m_save->setEnabled(false);
    m_delete->setEnabled(false);
    m_scoreSelected->setEnabled(false);
    m_levelGroup->setEnabled(false);
    for (int l = 1; l <= LevelCount; ++l) {
        const QSignalBlocker block(m_levels[std::size_t(l)]);
        m_levels[std::size_t(l)]->setChecked(false);
    }
    clearSorts(false);
    m_build->setEnabled(false);
    m_scoreCaption->hide();
    m_scoreColumn->hide();
    m_scoreColumn->clear();
    m_hormelCaption->hide();
    m_hormel->hide();
    m_count->setText(QStringLiteral("Contestant Count: "));
    m_manual->setChecked(true);
    m_autoAdvance = false;
    m_start->setEnabled(false);
    m_methodGroup->setEnabled(false);
    setLettersEnabled(false);
    m_list->setFocus();
}

void ManualScoringPanel::setLettersEnabled(bool enabled)
{
    for (QPushButton* b : m_letters)
        b->setEnabled(enabled);
}

void ManualScoringPanel::clearSorts(bool enabled)
{
    core::UncheckAll(m_sortButtons);
    for (QAbstractButton* b : m_sortButtons->buttons())
        b->setEnabled(enabled);
}

void ManualScoringPanel::lineClicked(QListWidgetItem* item)
{
    if (m_showingClasses)
        selectClass(item->text());
    else
        selectContestant(m_list->row(item));
}

void ManualScoringPanel::selectClass(const QString& line)
{
    core::DataMaster& data = m_program.data();
    for (int l = 1; l <= LevelCount; ++l) {
        const QSignalBlocker block(m_levels[std::size_t(l)]);
        m_levels[std::size_t(l)]->setChecked(false);
    }
    clearSorts(false);
    m_manual->setChecked(true);
    m_start->setEnabled(false);
    m_build->setEnabled(false);
    const QString key = line.left(ClassKeyLength);
    if (!data.FindRecord(core::Clas, key)) return;
    m_classKey = key;
    m_classKeyBox->setText(key);
    m_classNum->setText(key.mid(ContestKeyLength));
    m_className->setText(data.ReadField(core::Clas, ClasField::Title));
    m_classMax = data.ReadFieldInt(core::Clas, ClasField::PointValue);
    m_classType = data.ReadFieldInt(core::Clas, ClasField::TypeCopy);
    m_classTypeBox->setText(ClassTypeName(m_classType));
    m_hormelCaption->setVisible(m_classType == RegularClass);
    m_hormel->setVisible(m_classType == RegularClass);
    if (m_classType == RegularClass || m_classType == ReasonsClass || m_classType == IdentificationClass)
        m_autoAdvance = true;
    m_official = data.ReadField(core::Clas, ClasField::OfficialResult);
    for (int n = 1; n <= 3; ++n)
        m_cuts[std::size_t(n - 1)] = CutValue(data.ReadField(core::Clas, ClasField::cut(n)));
    setLettersEnabled(m_classType == RegularClass);
    m_levelGroup->setEnabled(true);
}

void ManualScoringPanel::levelsChanged()
{
    bool any = false;
    for (int l = 1; l <= LevelCount; ++l)
        any = any || m_levels[std::size_t(l)]->isChecked();
    m_build->setEnabled(any);
    clearSorts(false);
}

void ManualScoringPanel::buildClicked()
{
    clearSorts(true);
    m_levelCodes.clear();
    for (int l = 1; l <= LevelCount; ++l)
        if (m_levels[std::size_t(l)]->isChecked()) m_levelCodes << LevelCode(l);
}

void ManualScoringPanel::buildList(int sort)
{
    core::LeaveCheck::Pause pause;
    m_sort = sort;
    m_contestants = BuildContestants(m_program.data(), m_classKey, m_levelCodes, sort, m_classType);
    m_showingClasses = false;
    m_listCaption->setText(QStringLiteral("Select Contestant..."));
    m_list->clear();
    m_scoreColumn->clear();
    for (const ScoringContestant& c : m_contestants) {
        m_list->addItem(c.line);
        m_scoreColumn->addItem(c.scoreColumn);
    }
    m_count->setText(QStringLiteral("Contestant Count: ") + QString::number(m_contestants.size()));
    m_methodGroup->setEnabled(!m_contestants.empty());
    for (QLineEdit* b : {m_contestantNum, m_contestantName, m_entry, m_hormel})
        b->clear();
    m_scoreKey.clear();
    m_save->setEnabled(false);
    m_delete->setEnabled(false);
    m_scoreCaption->show();
    m_scoreColumn->show();
    if (m_contestants.empty()) return;
    m_list->setCurrentRow(0);
    if (m_classType == RegularClass) {
        setLettersEnabled(true);
        m_startTimer->start();
    } else {
        m_scoreSelected->setEnabled(true);
    }
}

void ManualScoringPanel::selectContestant(int row)
{
    if (row < 0 || row >= int(m_contestants.size())) return;
    core::LeaveCheck::Pause pause;
    core::DataMaster& data = m_program.data();
    m_row = row;
    m_list->setCurrentRow(row);
    const ScoringContestant& c = m_contestants[std::size_t(row)];
    m_scoreKey = c.scoreKey;
    m_scoreKeyBox->setText(m_scoreKey);
    m_contestantNum->setText(c.line.left(4));
    m_contestantName->setText(c.line.mid(6));
    m_save->setEnabled(false);
    if (scoredByOwnScreen(m_classType)) {
        // The type's own scoring screen hands back entry and score; without it nothing is stored.
        Dialogs::information(laterScoringMessage(m_classType));
        return;
    }
    if (data.FindRecord(core::Scor, m_scoreKey)) {
        m_entry->setText(data.ReadField(core::Scor, ScorField::Entry));
        m_scoreText = data.ReadField(core::Scor, ScorField::Score);
        m_hormel->setText(m_scoreText);
        m_delete->setEnabled(true);
    } else {
        data.AddRecord(core::Scor, m_scoreKey);
        m_entry->clear();
        m_hormel->clear();
        m_scoreText.clear();
        m_delete->setEnabled(false);
    }
    if (m_classType == IdentificationClass || m_entry->text().isEmpty()) m_entry->setFocus();
}

bool ManualScoringPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_entry || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (m_classType == RegularClass) {
        if (enter) return true;
        const QString text = key->text();
        if (text.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return QWidget::eventFilter(watched, event);
        const QString letter = core::UpperCaseAscii(text.left(1));
        if (letter == QLatin1String("0") || PlacingIndex(letter))
            placingKey(letter);
        else {
            Dialogs::beepOnce();
            m_entry->clear();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ManualScoringPanel::placingKey(const QString& key)
{
    if (m_scoreKey.isEmpty() || m_classType != RegularClass) return;
    m_entry->setText(key);
    if (key == QLatin1String("0")) {
        m_scoreText = QStringLiteral("0");
        m_hormel->setText(m_scoreText);
    } else {
        const PlacingScore s = ScorePlacing(key, m_official, RegularClass, m_classMax, m_cuts);
        if (s.outcome == PlacingScore::Invalid) {
            Dialogs::refuse(notValidMessage());
            return;
        }
        // Without an official placing the letter is stored unscored; saving the placing scores it.
        m_scoreText = s.outcome == PlacingScore::Valid ? QString::number(s.score) : QString();
        m_hormel->setText(m_scoreText);
    }
    m_save->setEnabled(true);
    m_save->setFocus();
    m_autoSave->start();
}

void ManualScoringPanel::entryLeft(const QString& text)
{
    if (m_classType == RegularClass || m_scoreKey.isEmpty()) return;
    if (text.isEmpty()) {
        m_scoreText.clear();
        m_save->setEnabled(true);
        m_save->setFocus();
        return;
    }
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    core::LeaveCheck::Pause pause;
    if (!ok) {
        Dialogs::error(conversionMessage(text));
        m_save->setEnabled(false);
        m_entry->setFocus();
        return;
    }
    if (value > m_classMax || value < 0) {
        core::RefuseEntry(m_entry, {});
        Dialogs::error(value < 0 ? notValidMessage() : exceedsMessage());
        m_save->setEnabled(false);
        m_entry->setFocus();
        return;
    }
    m_scoreText = QString::number(value);
    m_hormel->setText(m_scoreText);
}

void ManualScoringPanel::save()
{
    m_autoSave->stop();
    if (m_scoreKey.isEmpty() || m_row < 0 || !m_save->isEnabled()) return;
    if (m_classType != RegularClass && !m_entry->text().isEmpty()) {
        // A typed score not yet taken from its box is checked first.
        bool ok = false;
        const int value = m_entry->text().trimmed().toInt(&ok);
        if (!ok || value < 0 || value > m_classMax) {
            entryLeft(m_entry->text());
            return;
        }
        m_scoreText = QString::number(value);
    }
    const QString entry = m_entry->text();
    WriteScore(m_program.data(), m_scoreKey, entry, m_scoreText);
    m_save->setEnabled(false);
    m_contestants[std::size_t(m_row)].scoreColumn = ScoreColumnLine(entry, m_scoreText, m_classType);
    if (QListWidgetItem* item = m_scoreColumn->item(m_row))
        item->setText(m_contestants[std::size_t(m_row)].scoreColumn);
    if (!m_contest.presence.scores) {
        m_contest.presence.scores = true;
        emit contestChanged();
    }
    if (m_row + 1 >= int(m_contestants.size())) {
        m_list->clearSelection();
        m_list->setCurrentRow(-1);
        if (m_classType == RegularClass) setLettersEnabled(false);
        m_scoreKey.clear();
        m_row = -1;
        m_reselect->setFocus();
        return;
    }
    const int next = m_row + 1;
    m_list->setCurrentRow(next);
    if (m_autoAdvance) selectContestant(next);
}

void ManualScoringPanel::deleteScore()
{
    if (m_scoreKey.isEmpty()) return;
    Dialogs::beepOnce();
    if (!Dialogs::confirm(deleteQuestion())) return;
    m_program.data().DeleteRecord(core::Scor, m_scoreKey);
    m_delete->setEnabled(false);
    buildList(m_sort);
    if (QAbstractButton* b = m_sortButtons->button(m_sort)) b->setChecked(true);
}

void ManualScoringPanel::setReportStarter(ReportStarter starter)
{
    m_reportStarter = std::move(starter);
    m_printScores->setEnabled(bool(m_reportStarter));
    m_printMissing->setEnabled(bool(m_reportStarter));
}

} // namespace judging
