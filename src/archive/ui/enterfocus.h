#pragma once

#include <QObject>

class QWidget;

namespace archive {

// Enter moves the focus to the next control; on a push button it presses the button.
class EnterMovesFocus : public QObject
{
    Q_OBJECT
public:
    // Watches every control inside `panel` that exists at the call.
    static void install(QWidget* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EnterMovesFocus(QObject* parent) : QObject(parent) {}
};

} // namespace archive
