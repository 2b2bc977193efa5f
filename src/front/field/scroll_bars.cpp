// Scroll bars set up as the layout arithmetic says.
#include "front/field/scroll_bars.h"

#include <QScrollBar>

namespace kvarnel {

void fitScrollBar(QScrollBar& bar, const ScrollBarSetup& setup) {
  if (setup.shown) {
    bar.setPageStep(setup.largeChange);
    bar.setMaximum(setup.maximum);
    bar.setSingleStep(setup.smallChange);
  }
  bar.setValue(0);
  bar.setVisible(setup.shown);
}

} // namespace kvarnel
