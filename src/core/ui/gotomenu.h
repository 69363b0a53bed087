#pragma once

class QMenu;
class QMenuBar;

namespace core {

class Screens;

// The "Goto" menu every window carries. Until the start-up task has run only "Exit" is
// enabled.
QMenu* AddGotoMenu(QMenuBar* bar, Screens& screens);

} // namespace core
