// Scroll bars set up as the layout arithmetic says.
#pragma once

#include "game/view/window_layout.h"

class QScrollBar;

namespace kvarnel {

// A shown bar takes the setup's range and steps; every bar goes back to 0 and is shown or hidden.
void fitScrollBar(QScrollBar& bar, const ScrollBarSetup& setup);

} // namespace kvarnel
