#pragma once

#include "core/ui/workwindow.h"

namespace shooting {

// The shooting sports window: events, groups, matches, teams, scores and awards.
class ShootingWindow : public core::WorkWindow
{
    Q_OBJECT
public:
    explicit ShootingWindow(core::Screens& screens);
};

} // namespace shooting
