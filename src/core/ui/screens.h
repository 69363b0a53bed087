#pragma once

#include <QObject>

#include <initializer_list>
#include <map>

class QWidget;

namespace core {

class Program;

// Screen numbers of the working windows.
enum Screen { MainScreen = 1, ProgressScreen = 2, ArchiveScreen = 3, JudgingScreen = 4, QuizScreen = 5,
              UtilitiesScreen = 6, OutputScreen = 7, UpgradeScreen = 8, ShootingScreen = 9 };

// One screen visible at a time; "Exit" anywhere ends the run through the exit sequence.
class Screens : public QObject
{
    Q_OBJECT
public:
    explicit Screens(Program& program);

    Program& program() { return m_program; }
    void add(int number, QWidget* window);
    QWidget* window(int number) const;

    void ShowScreen(std::initializer_list<int> screens);
    // Sets the closing flag and shows the main screen, which runs the exit sequence.
    void Exit();

    bool ready() const { return m_ready; }
    void setReady(bool ready);

signals:
    void readyChanged(bool ready);
    void exited();

private:
    Program& m_program;
    std::map<int, QWidget*> m_windows;
    bool m_ready = false;
};

} // namespace core
