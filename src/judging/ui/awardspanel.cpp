#include "judging/ui/awardspanel.h"

#include "core/datamaster.h"
#include "core/program.h"
#include "core/texthelpers.h"
#include "core/ui/entryfields.h"
#include "core/ui/panelparts.h"
#include "judging/awards.h"
#include "judging/classes.h"
#include "judging/fields.h"
#include "judging/identifiers.h"
#include "platform/dialogs.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace judging {

using platform::Dialogs;

AwardsPanel::AwardsPanel(core::Program& program, SelectedContest& contest, QWidget* parent)
    : QWidget(parent), m_program(program), m_contest(contest)
{
    auto* caption = core::PanelHeading(QStringLiteral("Awards..."), this);
    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("contestHeader"));

    auto* typeGroup = new QGroupBox(QStringLiteral("Award Type..."), this);
    typeGroup->setObjectName(QStringLiteral("typeGroup"));
    auto* typeLayout = new QVBoxLayout(typeGroup);
    m_types = new QButtonGroup(this);
    const auto& types = AwardTypesScreenOrder();
    for (int i = 0; i < AwardTypeCount; ++i) {
        auto* b = new QRadioButton(types[std::size_t(i)].caption, typeGroup);
        b->setObjectName(QStringLiteral("awardType") + types[std::size_t(i)].code);
        m_types->addButton(b, i);
        typeLayout->addWidget(b);
    }

    auto* boxes = new QGroupBox(this);
    auto* form = new QFormLayout(boxes);
    m_keyBox = new QLineEdit(boxes);
    m_keyBox->setObjectName(QStringLiteral("awardKey"));
    m_keyBox->setReadOnly(true);
    m_keyBox->setFocusPolicy(Qt::NoFocus);
    m_number = new QLineEdit(boxes);
    m_number->setObjectName(QStringLiteral("awardNumber"));
    m_number->setMaxLength(3);
    m_number->setMaximumWidth(60);
    m_next = new QLabel(boxes);
    m_next->setObjectName(QStringLiteral("nextAvailable"));
    m_name = new QLineEdit(boxes);
    m_name->setObjectName(QStringLiteral("awardName"));
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(m_number);
    numberRow->addWidget(new QLabel(QStringLiteral(">>> Start Here <<<"), boxes));
    numberRow->addSpacing(16);
    numberRow->addWidget(m_next);
    numberRow->addStretch(1);
    form->addRow(QStringLiteral("Award Record Key..."), m_keyBox);
    form->addRow(QStringLiteral("Award Number"), numberRow);
    auto* duplicate = new QLabel(QStringLiteral("Do NOT Duplicate Award Numbers even for Different Award Types!"), boxes);
    duplicate->setObjectName(QStringLiteral("duplicateWarning"));
    form->addRow(duplicate);
    form->addRow(QStringLiteral("Award Name"), m_name);
    const char* const names[4] = {"scoringClasses", "tieBreaker1", "tieBreaker2", "tieBreaker3"};
    for (int i = 0; i < 4; ++i) {
        auto* box = new QLineEdit(boxes);
        box->setObjectName(QString::fromLatin1(names[i]));
        m_lists[std::size_t(i)] = box;
        box->installEventFilter(this);
    }
    form->addRow(QStringLiteral("Based on Class(es)"), m_lists[0]);
    auto* tieGroup = new QGroupBox(QStringLiteral("Classes for Tiebreakers..."), boxes);
    auto* tieGrid = new QGridLayout(tieGroup);
    const char* const tieCaptions[3] = {"First", "Second", "Third"};
    for (int n = 1; n <= 3; ++n) {
        auto* high = new QRadioButton(QStringLiteral("High"), tieGroup);
        high->setObjectName(QStringLiteral("tieBreaker%1High").arg(n));
        auto* low = new QRadioButton(QStringLiteral("Low"), tieGroup);
        low->setObjectName(QStringLiteral("tieBreaker%1Low").arg(n));
        auto* pair = new QButtonGroup(this);
        pair->addButton(high);
        pair->addButton(low);
        m_high[std::size_t(n - 1)] = high;
        m_low[std::size_t(n - 1)] = low;
        const int row = n - 1;
        tieGrid->addWidget(new QLabel(QString::fromLatin1(tieCaptions[n - 1]), tieGroup), row, 0);
        tieGrid->addWidget(m_lists[std::size_t(n)], row, 1);
        tieGrid->addWidget(new QLabel(QStringLiteral("Break ties using..."), tieGroup), row, 2);
        tieGrid->addWidget(high, row, 3);
        tieGrid->addWidget(low, row, 4);
        tieGrid->addWidget(new QLabel(QStringLiteral("...tiebreaker scores."), tieGroup), row, 5);
    }
    tieGrid->setColumnStretch(1, 1);
    form->addRow(tieGroup);

    m_all = core::NamedButton(QStringLiteral("All"), QStringLiteral("all"), this);
    m_startOver = core::NamedButton(QStringLiteral("Start Over"), QStringLiteral("startOver"), this);
    m_removeLast = core::NamedButton(QStringLiteral("Remove Last"), QStringLiteral("removeLast"), this);
    for (QPushButton* b : {m_all, m_startOver, m_removeLast})
        b->setFocusPolicy(Qt::NoFocus); // the target box keeps the focus
    auto* note = new QLabel(QStringLiteral("NOTE: Make sure the typing cursor is located in the desired Classes Edit "
                                           "Field before Clicking Any of the Above Buttons!"),
                            this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);

    m_listCaption = new QLabel(this);
    m_listCaption->setObjectName(QStringLiteral("listCaption"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("mainList"));
    m_list->setFocusPolicy(Qt::NoFocus);
    m_titles = new QListWidget(this);
    m_titles->setObjectName(QStringLiteral("classTitles"));

    m_save = core::NamedButton(QStringLiteral("Save Award Record"), QStringLiteral("save"), this);
    m_delete = core::NamedButton(QStringLiteral("Delete Award Record"), QStringLiteral("delete"), this);
    m_print = core::NamedButton(QStringLiteral("Print Award List"), QStringLiteral("printAwardList"), this);
    m_print->setEnabled(false);
    connect(m_print, &QPushButton::clicked, this, [this] {
        if (m_reportStarter)
            m_reportStarter(ReportKind::AwardList, {});
    });
    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exit"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(typeGroup);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(boxes);
    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {m_all, m_startOver, m_removeLast})
        listButtons->addWidget(b);
    listButtons->addStretch(1);
    middle->addLayout(listButtons);
    middle->addWidget(note);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(m_listCaption);
    right->addWidget(m_list, 2);
    right->addWidget(new QLabel(QStringLiteral("Titles for Classes used by displayed Award."), this));
    right->addWidget(m_titles, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(middle, 5);
    columns->addLayout(right, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_save, m_delete, m_print, m_exit})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_header);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    core::LeaveCheck::attach(m_number, {}, [this](const QString& text) { numberLeft(text); });
    core::EnterMovesFocus::install(this);
    core::EnterMovesFocus::setNext(m_number, [this] { return m_name; });
    core::EnterMovesFocus::setNext(m_name, [this] { return m_lists[0]; });
    for (int i = 0; i < 3; ++i)
        core::EnterMovesFocus::setNext(m_lists[std::size_t(i)], [this, i] { return m_lists[std::size_t(i + 1)]; });
    core::EnterMovesFocus::setNext(m_lists[3], [this] { return m_save; });
    connect(m_types, &QButtonGroup::idClicked, this, &AwardsPanel::chooseType);
    connect(m_list, &QListWidget::itemClicked, this, &AwardsPanel::lineClicked);
    connect(m_all, &QPushButton::clicked, this, [this] { changeTarget([](const QString&) { return QStringLiteral("ALL"); }); });
    connect(m_startOver, &QPushButton::clicked, this, [this] { changeTarget([](const QString&) { return QString(); }); });
    connect(m_removeLast, &QPushButton::clicked, this, [this] { changeTarget(RemoveLastClass); });
    connect(m_save, &QPushButton::clicked, this, &AwardsPanel::save);
    connect(m_delete, &QPushButton::clicked, this, &AwardsPanel::deleteAward);
    connect(m_exit, &QPushButton::clicked, this, &AwardsPanel::exitRequested);
}

QString AwardsPanel::noTypeMessage()
{
    return QStringLiteral("Choose the award type before saving the award.");
}

QString AwardsPanel::noNumberMessage()
{
    return QStringLiteral("Type the award number before saving the award.");
}

QString AwardsPanel::deleteQuestion()
{
    return QStringLiteral("Confirm removing selected award.");
}

void AwardsPanel::emptyBoxes()
{
    core::LeaveCheck::Pause pause;
    m_number->clear();
    m_name->clear();
    for (QLineEdit* b : m_lists)
        b->clear();
    m_titles->clear();
}

void AwardsPanel::open()
{
    core::LeaveCheck::Pause pause;
    m_header->setText(m_contest.key + QStringLiteral("   ") + m_contest.title);
    m_awardKey = m_contest.key;
    m_keyBox->setText(m_awardKey);
    emptyBoxes();
    core::UncheckAll(m_types);
    for (QRadioButton* b : m_high)
        b->setChecked(true);
    m_listMode = 1;
    m_listCaption->setText(QStringLiteral("Current Awards..."));
    m_list->clear();
    m_list->addItems(AwardLines(m_program.data(), m_contest.key));
    m_list->setEnabled(true);
    m_next->setText(QStringLiteral("Next Available: ") + QString::number(NextAwardNumber(m_program.data(), m_contest.key)));
    m_next->hide();
    m_target = 0;
    m_save->setEnabled(false);
    m_delete->setEnabled(false);
    for (QPushButton* b : {m_all, m_startOver, m_removeLast})
        b->setEnabled(false);
    m_types->button(0)->setFocus();
}

void AwardsPanel::chooseType(int index)
{
    const QString code = AwardTypesScreenOrder()[std::size_t(index)].code;
    m_awardKey = m_contest.key + code;
    m_keyBox->setText(m_awardKey);
    emptyBoxes();
    m_list->setEnabled(false);
    for (QPushButton* b : {m_all, m_startOver, m_removeLast})
        b->setEnabled(false);
    m_delete->setEnabled(false);
    m_save->setEnabled(false);
    m_next->show();
    m_number->setFocus();
}

void AwardsPanel::numberLeft(const QString& text)
{
    if (text.isEmpty() || m_awardKey.size() < ContestKeyLength + 2)
        return;
    if (!core::IsAllDigits(text)) {
        core::RefuseEntry(m_number, {});
        return;
    }
    core::LeaveCheck::Pause pause;
    const QString number = PadEntryNumber(text);
    m_number->setText(number);
    m_awardKey = m_awardKey.left(ContestKeyLength + 2) + number;
    m_keyBox->setText(m_awardKey);
    Award award;
    if (ReadAward(m_program.data(), m_awardKey, award)) {
        m_name->setText(award.name);
        for (int i = 0; i < 4; ++i)
            m_lists[std::size_t(i)]->setText(award.classes[std::size_t(i)]);
        m_delete->setEnabled(true);
    }
    showClasses();
}

void AwardsPanel::showClasses()
{
    m_listMode = 2;
    m_listCaption->setText(QStringLiteral("Available Classes..."));
    m_list->clear();
    m_list->addItems(ClassLines(m_program.data(), m_contest.key));
    m_list->setEnabled(true);
    for (QPushButton* b : {m_all, m_startOver, m_removeLast})
        b->setEnabled(true);
    m_save->setEnabled(true);
}

bool AwardsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        for (int i = 0; i < 4; ++i)
            if (watched == m_lists[std::size_t(i)]) {
                m_target = i;
                if (i > 0 && static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
                    m_list->clearSelection();
                    m_high[std::size_t(i - 1)]->setChecked(true);
                }
            }
    return QWidget::eventFilter(watched, event);
}

void AwardsPanel::changeTarget(const std::function<QString(const QString&)>& change)
{
    QLineEdit* box = m_lists[std::size_t(m_target)];
    box->setText(change(box->text()));
    box->setFocus();
}

void AwardsPanel::lineClicked(QListWidgetItem* item)
{
    const QString line = item->text();
    if (m_listMode == 1) {
        selectAward(line.left(AwardKeyLength));
        return;
    }
    const QString number = line.mid(ContestKeyLength, 3);
    changeTarget([&number](const QString& list) { return AddToClassList(list, number); });
}

void AwardsPanel::selectAward(const QString& key)
{
    core::LeaveCheck::Pause pause;
    Award award;
    if (!ReadAward(m_program.data(), key, award))
        return;
    m_awardKey = key;
    m_keyBox->setText(key);
    const auto& types = AwardTypesScreenOrder();
    for (int i = 0; i < AwardTypeCount; ++i)
        if (types[std::size_t(i)].code == award.type)
            m_types->button(i)->setChecked(true);
    for (int n = 0; n < 3; ++n)
        (award.high[std::size_t(n)] ? m_high : m_low)[std::size_t(n)]->setChecked(true);
    m_number->setText(key.right(3));
    m_name->setText(award.name);
    for (int i = 0; i < 4; ++i)
        m_lists[std::size_t(i)]->setText(award.classes[std::size_t(i)]);
    m_titles->clear();
    m_titles->addItems(ClassListTitles(m_program.data(), m_contest.key, award.classes[0]));
    m_next->show();
    m_delete->setEnabled(true);
    showClasses();
}

void AwardsPanel::save()
{
    // A key without its type or number would stand in for real awards.
    if (m_awardKey.size() < ContestKeyLength + 2) {
        Dialogs::refuse(noTypeMessage());
        return;
    }
    if (m_awardKey.size() != AwardKeyLength || m_number->text().isEmpty()) {
        Dialogs::refuse(noNumberMessage());
        m_number->setFocus();
        return;
    }
    Award award;
    award.number = m_number->text();
    award.name = m_name->text();
    for (int i = 0; i < 4; ++i)
        award.classes[std::size_t(i)] = m_lists[std::size_t(i)]->text();
    for (int n = 0; n < 3; ++n)
        award.high[std::size_t(n)] = m_high[std::size_t(n)]->isChecked();
    WriteAward(m_program.data(), m_awardKey, award);
    open();
    if (!m_contest.presence.awards) {
        m_contest.presence.awards = true;
        emit contestChanged();
    }
}

void AwardsPanel::deleteAward()
{
    if (m_awardKey.size() != AwardKeyLength)
        return;
    Dialogs::beepOnce();
    if (!Dialogs::confirm(deleteQuestion()))
        return;
    m_program.data().DeleteRecord(core::Awar, m_awardKey);
    open();
    m_contest.presence = ReadContestPresence(m_program.data(), m_contest.key);
    emit contestChanged();
}

void AwardsPanel::setReportStarter(ReportStarter starter)
{
    m_reportStarter = std::move(starter);
    m_print->setEnabled(bool(m_reportStarter));
}

} // namespace judging
