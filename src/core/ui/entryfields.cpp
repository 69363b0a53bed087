#include "core/ui/entryfields.h"

#include "platform/dialogs.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace core {

void EnterMovesFocus::install(QWidget* panel)
{
    auto* filter = new EnterMovesFocus(panel);
    for (QWidget* w : panel->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(filter);
}

bool EnterMovesFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        if (button->isEnabled())
            button->click();
        return true;
    }
    // QWidget::focusNextChild is protected; the window's chain is the same one Tab walks.
    // A part that hands its focus back (the line edit of an editable choice) is not a next control.
    const auto handsBack = [widget](QWidget* w) {
        while (w->focusProxy())
            w = w->focusProxy();
        return w == widget;
    };
    QWidget* next = widget->nextInFocusChain();
    while (next && next != widget && (!next->isEnabled() || !next->isVisibleTo(widget->window()) ||
                                      !(next->focusPolicy() & Qt::TabFocus) || handsBack(next)))
        next = next->nextInFocusChain();
    if (next)
        next->setFocus(Qt::TabFocusReason);
    return true;
}

void RefuseEntry(QLineEdit* box, const QString& warning)
{
    {
        LeaveCheck::Pause pause;
        platform::Dialogs::refuse(warning);
        box->clear();
    }
    box->setFocus(Qt::OtherFocusReason);
}

LeaveCheck::LeaveCheck(QLineEdit* box, Check check, Accepted accepted)
    : QObject(box), m_box(box), m_check(std::move(check)), m_accepted(std::move(accepted))
{
    box->installEventFilter(this);
}

LeaveCheck* LeaveCheck::attach(QLineEdit* box, Check check, Accepted accepted)
{
    return new LeaveCheck(box, std::move(check), std::move(accepted));
}

bool LeaveCheck::run()
{
    if (!m_box)
        return true;
    const QString text = m_box->text();
    const QString warning = m_check ? m_check(text) : QString();
    if (!warning.isEmpty()) {
        RefuseEntry(m_box, warning);
        return false;
    }
    if (m_accepted)
        m_accepted(text);
    return true;
}

bool LeaveCheck::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::FocusOut && s_enabled) {
        // A focus change to another window (a message box, a menu) is not leaving the box.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            run();
    }
    return false;
}

} // namespace core
