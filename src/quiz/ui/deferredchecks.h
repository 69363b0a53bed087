#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QComboBox;
class QLineEdit;
class QTimer;
class QWidget;

namespace quiz {

// Checks that run a moment after a box is left, so the keystroke or click that left it is
// finished first. Leaving by Enter or Tab moves the cursor on to where the check says; leaving
// by the mouse leaves it where the user put it. A refused entry is reported as everywhere
// (core::RefuseEntry). Clicking "Exit" meanwhile cancels what is waiting.
class DeferredChecks : public QObject
{
    Q_OBJECT
public:
    static constexpr int FieldCheckDelay = 250; // milliseconds

    struct Outcome
    {
        QString warning;          // non-empty refuses the entry
        QWidget* next = nullptr;  // where the cursor goes on when accepted
    };
    using Check = std::function<Outcome(const QString& text)>;

    explicit DeferredChecks(QObject* parent) : QObject(parent) {}

    void attach(QLineEdit* box, Check check);
    void attach(QComboBox* box, Check check); // an editable choice

    bool pending() const;
    // Drops every waiting check.
    void cancel();
    // Drops the check waiting for one box (its entry was taken at once).
    void cancel(QWidget* box);
    // Runs the waiting checks now; false when one refused its entry.
    bool flush();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry
    {
        QPointer<QWidget> watched;
        QPointer<QLineEdit> box;
        Check check;
        QTimer* timer = nullptr;
        bool moveOn = false;
        QPointer<QWidget> leftTo; // where the cursor went when the box was left
    };
    void add(QWidget* watched, QLineEdit* box, Check check);
    bool run(Entry& entry);

    std::vector<Entry> m_entries;
};

} // namespace quiz
