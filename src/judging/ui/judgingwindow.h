#pragma once

#include "core/ui/workwindow.h"

namespace judging {

// The judging contests window: contest codes, contests, entries, classes, scores, awards, reports.
class JudgingWindow : public core::WorkWindow
{
    Q_OBJECT
public:
    explicit JudgingWindow(core::Screens& screens);
};

} // namespace judging
