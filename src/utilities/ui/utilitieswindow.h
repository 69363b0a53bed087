#pragma once

#include "core/ui/workwindow.h"

namespace utilities {

// The utilities window: support data import, the table viewer and the maintenance tools.
class UtilitiesWindow : public core::WorkWindow
{
    Q_OBJECT
public:
    explicit UtilitiesWindow(core::Screens& screens);
};

} // namespace utilities
