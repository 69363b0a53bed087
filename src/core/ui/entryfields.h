#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QLineEdit;
class QWidget;

namespace core {

// Enter moves the focus to the next control; on a push button it presses the button.
class EnterMovesFocus : public QObject
{
    Q_OBJECT
public:
    // Watches every control inside `panel` that exists at the call.
    static void install(QWidget* panel);
    // Enter in `from` goes to what `next` returns instead of the next control of the chain
    // (a hidden, disabled or null target falls back to the chain).
    static void setNext(QWidget* from, std::function<QWidget*()> next);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EnterMovesFocus(QObject* parent) : QObject(parent) {}
};

// Beeps, shows `warning`, empties the box and gives it the focus again: how a refused entry is
// reported everywhere. An empty warning only beeps.
void RefuseEntry(QLineEdit* box, const QString& warning);

// Runs `entered` when the focus comes into a control from another control of the window (not
// when it comes back from a message box or a menu, nor while leave checks are paused).
void OnEntering(QWidget* control, std::function<void()> entered);

// Runs a check when a box is left (focus moves away, by Tab, Enter or the mouse).
// The check returns an empty text to accept, or the warning that refuses the entry.
// While a refusal's message shows, no leave check fires (the message box steals the focus).
class LeaveCheck : public QObject
{
    Q_OBJECT
public:
    using Check = std::function<QString(const QString& text)>;
    using Accepted = std::function<void(const QString& text)>;

    // `accepted` runs after the check passed (storing on leave, moving on).
    static LeaveCheck* attach(QLineEdit* box, Check check, Accepted accepted = {});

    // Runs the check now, as if the box were left; true when it passed.
    bool run();
    // Leave checks are off while this is false (a panel loading values, or a modal message).
    static bool enabled() { return s_enabled; }
    // RAII switch used around programmatic changes and modal messages.
    class Pause
    {
    public:
        Pause() : m_was(s_enabled) { s_enabled = false; }
        ~Pause() { s_enabled = m_was; }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        bool m_was;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LeaveCheck(QLineEdit* box, Check check, Accepted accepted);

    QPointer<QLineEdit> m_box;
    Check m_check;
    Accepted m_accepted;
    static inline bool s_enabled = true;
};

} // namespace core
