#pragma once

#include <QApplication>

namespace core {

// Storage and file errors that escape an event handler are shown with their own text and
// the program goes on, as it always has; they never end the process.
class GuardedApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace core
