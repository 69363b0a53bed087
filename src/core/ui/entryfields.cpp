#include "core/ui/entryfields.h"

#include "platform/dialogs.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace core {

namespace {
// Kept as a child of the control it belongs to.
class EnterTarget : public QObject
{
public:
    EnterTarget(QWidget* from, std::function<QWidget*()> next) : QObject(from), next(std::move(next))
    {
        setObjectName(name());
    }
    std::function<QWidget*()> next;

    static QString name() { return QStringLiteral("enterTarget"); }
    // A plain class has no meta-object of its own, so it is found by name and checked by type.
    static EnterTarget* of(QWidget* from)
    {
        return dynamic_cast<EnterTarget*>(from->findChild<QObject*>(name(), Qt::FindDirectChildrenOnly));
    }
};

class EnteringWatch : public QObject
{
public:
    EnteringWatch(QWidget* control, std::function<void()> entered) : QObject(control), m_entered(std::move(entered))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && LeaveCheck::enabled()) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_entered();
        }
        return false;
    }

private:
    std::function<void()> m_entered;
};

bool canTakeFocus(QWidget* w, QWidget* window)
{
    return w && w->isEnabled() && w->isVisibleTo(window) && (w->focusPolicy() & Qt::TabFocus);
}
} // namespace

void EnterMovesFocus::setNext(QWidget* from, std::function<QWidget*()> next)
{
    delete EnterTarget::of(from);
    new EnterTarget(from, std::move(next));
}

void OnEntering(QWidget* control, std::function<void()> entered)
{
    new EnteringWatch(control, std::move(entered));
}

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
    if (auto* target = EnterTarget::of(widget)) {
        QWidget* chosen = target->next ? target->next() : nullptr;
        if (canTakeFocus(chosen, widget->window())) {
            chosen->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    // QWidget::focusNextChild is protected; the window's chain is the same one Tab walks.
    // A part that hands its focus back (the line edit of an editable choice) is not a next control.
    const auto handsBack = [widget](QWidget* w) {
        while (w->focusProxy())
            w = w->focusProxy();
        return w == widget;
    };
    QWidget* next = widget->nextInFocusChain();
    while (next && next != widget && (!canTakeFocus(next, widget->window()) || handsBack(next)))
        next = next->nextInFocusChain();
    if (next)
        next->setFocus(Qt::TabFocusReason);
    return true;
}

void RefuseEntry(QLineEdit* box, const QString& warning)
{
    {
        LeaveCheck::Pause pause;
        if (warning.isEmpty())
            platform::Dialogs::beepOnce();
        else
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
