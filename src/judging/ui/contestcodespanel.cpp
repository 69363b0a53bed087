#include "judging/ui/contestcodespanel.h"

#include "core/datamaster.h"
#include "core/ui/panelparts.h"
#include "core/ui/entryfields.h"
#include "judging/fields.h"
#include "judging/identifiers.h"
#include "platform/dialogs.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace judging {

using platform::Dialogs;

ContestCodesPanel::ContestCodesPanel(core::DataMaster& data, QWidget* parent) : QWidget(parent), m_data(data)
{
    auto* caption = core::PanelHeading(QStringLiteral("Contest Codes..."), this);

    auto* boxes = new QGroupBox(this);
    auto* form = new QFormLayout(boxes);
    m_codeBox = new QLineEdit(boxes);
    m_codeBox->setObjectName(QStringLiteral("code"));
    m_codeBox->setMaxLength(2);
    m_codeBox->setMaximumWidth(60);
    form->addRow(QStringLiteral("Code  (Ex:  LS)"), m_codeBox);
    for (int i = 0; i < 6; ++i) {
        auto* box = new QLineEdit(boxes);
        box->setObjectName(i == 0 ? QStringLiteral("title") : QStringLiteral("userDefined%1").arg(i));
        m_texts[std::size_t(i)] = box;
        form->addRow(i == 0 ? QStringLiteral("Title  (Ex: Livestock Judging)") : QStringLiteral("User Defined %1:").arg(i),
                     box);
    }
    auto* note = new QLabel(QStringLiteral("Type a two letter contest code (for example LS), press Enter, then type "
                                           "a descriptive title for the code."),
                            boxes);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    form->addRow(note);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("codeList"));
    auto* listTitle = new QLabel(QStringLiteral("Contest Codes:"), this);

    m_delete = new QPushButton(QStringLiteral("Delete"), this);
    m_delete->setObjectName(QStringLiteral("delete"));
    m_updateList = new QPushButton(QStringLiteral("Update List"), this);
    m_updateList->setObjectName(QStringLiteral("updateList"));
    m_exit = new QPushButton(QStringLiteral("Exit"), this);
    m_exit->setObjectName(QStringLiteral("exit"));

    auto* left = new QVBoxLayout;
    left->addWidget(boxes);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_delete, m_updateList, m_exit})
        buttons->addWidget(b);
    buttons->addStretch(1);
    left->addLayout(buttons);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(listTitle);
    right->addWidget(m_list, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(columns, 1);

    core::OnEntering(m_codeBox, [this] {
        emptyBoxes();
        m_code.clear();
        m_delete->setEnabled(false);
    });
    core::LeaveCheck::attach(
        m_codeBox, [this](const QString& text) { return checkCode(text); },
        [this](const QString& text) { codeAccepted(text); });
    for (int i = 0; i < 6; ++i) {
        const int field = i == 0 ? TypeField::Title : TypeField::userDefined(i);
        core::LeaveCheck::attach(m_texts[std::size_t(i)], {}, [this, field, i](const QString& text) {
            storeText(field, text);
            if (i == 5)
                refreshList();
        });
    }
    core::EnterMovesFocus::install(this);
    core::EnterMovesFocus::setNext(m_texts[5], [this] { return m_exit; });
    connect(m_list, &QListWidget::itemClicked, this, &ContestCodesPanel::chooseLine);
    connect(m_delete, &QPushButton::clicked, this, &ContestCodesPanel::deleteCode);
    connect(m_updateList, &QPushButton::clicked, this, &ContestCodesPanel::refreshList);
    connect(m_exit, &QPushButton::clicked, this, &ContestCodesPanel::exitRequested);
    open();
}

void ContestCodesPanel::open()
{
    core::LeaveCheck::Pause pause;
    emptyBoxes();
    m_code.clear();
    m_delete->setEnabled(false);
    refreshList();
}

void ContestCodesPanel::refreshList()
{
    m_list->clear();
    m_data.BeginScan(core::Type);
    while (m_data.GetNextRec(core::Type))
        m_list->addItem(m_data.CurrentKey(core::Type) + QStringLiteral("  ") + m_data.ReadField(core::Type, TypeField::Title));
}

void ContestCodesPanel::emptyBoxes()
{
    core::LeaveCheck::Pause pause;
    m_codeBox->clear();
    for (QLineEdit* box : m_texts)
        box->clear();
}

QString ContestCodesPanel::checkCode(const QString& text)
{
    if (text.isEmpty() || !ContestCodeFromText(text).isEmpty())
        return {};
    return QStringLiteral("Invalid Code");
}

void ContestCodesPanel::codeAccepted(const QString& text)
{
    if (text.isEmpty())
        return;
    const QString code = ContestCodeFromText(text);
    m_codeBox->setText(code);
    m_code = code;
    if (m_data.FindRecord(core::Type, code)) {
        // The stored texts show, so leaving a box does not overwrite them with nothing.
        load(code);
        return;
    }
    m_data.AddRecord(core::Type, code);
    m_texts[0]->setFocus(Qt::OtherFocusReason);
}

void ContestCodesPanel::storeText(int field, const QString& text)
{
    if (m_code.isEmpty() || !m_data.FindRecord(core::Type, m_code))
        return;
    m_data.WriteField(core::Type, field, text);
}

void ContestCodesPanel::load(const QString& code)
{
    if (!m_data.FindRecord(core::Type, code))
        return;
    core::LeaveCheck::Pause pause;
    m_code = code;
    m_codeBox->setText(code);
    m_texts[0]->setText(m_data.ReadField(core::Type, TypeField::Title));
    for (int i = 1; i <= TypeField::UserDefinedCount; ++i)
        m_texts[std::size_t(i)]->setText(m_data.ReadField(core::Type, TypeField::userDefined(i)));
    m_delete->setEnabled(true);
}

void ContestCodesPanel::chooseLine(QListWidgetItem* item)
{
    if (item)
        load(item->text().left(ContestCodeLength));
}

void ContestCodesPanel::deleteCode()
{
    if (m_code.isEmpty() || !m_data.FindRecord(core::Type, m_code))
        return;
    Dialogs::beepOnce();
    if (!Dialogs::confirm(QStringLiteral("Remove Selected Contest Code?")))
        return;
    m_data.DeleteRecord(core::Type, m_code);
    m_code.clear();
    emptyBoxes();
    refreshList();
    m_delete->setEnabled(false);
}

} // namespace judging
