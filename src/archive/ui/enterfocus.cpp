#include "archive/ui/enterfocus.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace archive {

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
    QWidget* next = widget->nextInFocusChain();
    while (next && next != widget && (!next->isEnabled() || !next->isVisibleTo(widget->window()) ||
                                      !(next->focusPolicy() & Qt::TabFocus)))
        next = next->nextInFocusChain();
    if (next)
        next->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace archive
