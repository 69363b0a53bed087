#pragma once

#include <memory>
#include <vector>

class QWidget;

namespace core {
class Program;
class Screens;
class MainWindow;
} // namespace core

namespace app {

// The windows of one run, created in their fixed order; the main window's creation runs the
// start-up sequence.
struct Windows
{
    explicit Windows(core::Screens& screens);
    ~Windows();

    core::MainWindow* main = nullptr;
    std::vector<std::unique_ptr<QWidget>> all; // main first
};

// The whole run after the entry checks: windows, event loop, exit. Returns the exit code.
int RunProgram();

} // namespace app
