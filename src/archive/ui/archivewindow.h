#pragma once

#include "core/ui/workwindow.h"

namespace archive {

// The archive window: backup of the data set to one file, restore, refresh and clear.
class ArchiveWindow : public core::WorkWindow
{
    Q_OBJECT
public:
    explicit ArchiveWindow(core::Screens& screens);
};

} // namespace archive
