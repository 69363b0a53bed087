#include "quiz/ui/deferredchecks.h"

#include "core/ui/entryfields.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace quiz {

void DeferredChecks::attach(QLineEdit* box, Check check)
{
    add(box, box, std::move(check));
}

void DeferredChecks::attach(QComboBox* box, Check check)
{
    // The choice holds the focus for its line edit.
    add(box, box->lineEdit(), std::move(check));
}

void DeferredChecks::add(QWidget* watched, QLineEdit* box, Check check)
{
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(FieldCheckDelay);
    const std::size_t index = m_entries.size();
    m_entries.push_back(Entry{watched, box, std::move(check), timer, false, nullptr});
    connect(timer, &QTimer::timeout, this, [this, index] { run(m_entries[index]); });
    watched->installEventFilter(this);
}

bool DeferredChecks::pending() const
{
    for (const Entry& e : m_entries)
        if (e.timer->isActive())
            return true;
    return false;
}

void DeferredChecks::cancel()
{
    for (Entry& e : m_entries)
        e.timer->stop();
}

void DeferredChecks::cancel(QWidget* box)
{
    for (Entry& e : m_entries)
        if (e.watched == box || e.box == box)
            e.timer->stop();
}

bool DeferredChecks::flush()
{
    bool passed = true;
    for (Entry& e : m_entries)
        if (e.timer->isActive()) {
            e.timer->stop();
            e.moveOn = false;
            passed = run(e) && passed;
        }
    return passed;
}

bool DeferredChecks::run(Entry& entry)
{
    if (!entry.box || !entry.check)
        return true;
    const Outcome outcome = entry.check(entry.box->text());
    if (!outcome.warning.isEmpty()) {
        cancel(); // the refused box gets the cursor; nothing else may take it
        core::RefuseEntry(entry.box, outcome.warning);
        return false;
    }
    // The cursor moves on only from where leaving put it: the user may have gone on meanwhile.
    if (entry.moveOn && outcome.next && outcome.next->isEnabled() && outcome.next->isVisible() &&
        QApplication::focusWidget() == entry.leftTo)
        outcome.next->setFocus(Qt::TabFocusReason);
    return true;
}

bool DeferredChecks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusOut || !core::LeaveCheck::enabled())
        return false;
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // A message box or a menu taking the focus is not leaving the box.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    for (Entry& e : m_entries)
        if (e.watched == watched) {
            e.moveOn = reason == Qt::TabFocusReason;
            e.leftTo = QApplication::focusWidget(); // already the new one while the old hears FocusOut
            e.timer->start();
        }
    return false;
}

} // namespace quiz
