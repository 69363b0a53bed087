#include "core/ui/screens.h"

#include "core/program.h"

#include <QCoreApplication>
#include <QWidget>

#include <algorithm>

namespace core {

Screens::Screens(Program& program) : m_program(program) {}

void Screens::add(int number, QWidget* window)
{
    m_windows[number] = window;
}

QWidget* Screens::window(int number) const
{
    const auto it = m_windows.find(number);
    return it == m_windows.end() ? nullptr : it->second;
}

void Screens::ShowScreen(std::initializer_list<int> screens)
{
    if (m_program.closing) {
        if (m_program.exited)
            return;
        m_program.ExitProgram();
        for (auto& [number, window] : m_windows)
            window->hide();
        emit exited();
        QCoreApplication::quit();
        return;
    }
    for (int number : {1, 2, 3, 4, 5, 6, 9}) {
        QWidget* w = window(number);
        if (!w)
            continue;
        const bool wanted = std::find(screens.begin(), screens.end(), number) != screens.end();
        if (wanted) {
            w->show();
            w->raise();
            w->activateWindow();
        } else {
            w->hide();
        }
    }
}

void Screens::Exit()
{
    m_program.closing = true;
    ShowScreen({MainScreen});
}

void Screens::setReady(bool ready)
{
    m_ready = ready;
    emit readyChanged(ready);
}

} // namespace core
