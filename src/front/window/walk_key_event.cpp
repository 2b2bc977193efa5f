// The walking key of a key press.
#include "front/window/walk_key_event.h"

#include <QKeyEvent>

namespace kvarnel {

// With NumLock on, the keypad's 8 comes as the key 8 marked as the keypad's; with Shift as well,
// the desktop may hand in the keypad's up arrow instead, which walks up all the same.
std::optional<WalkKey> walkKeyOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held = event.modifiers();
  return walkKeyOf(static_cast<std::uint32_t>(event.key()),
                   {held.testFlag(Qt::ShiftModifier),
                    (held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != Qt::NoModifier,
                    held.testFlag(Qt::KeypadModifier)});
}

} // namespace kvarnel
