// The walking key of a key press as Qt reports it.
#pragma once

#include "game/play/walk_keys.h"

#include <optional>

class QKeyEvent;

namespace kvarnel {

// The walk a key press asks for; nothing for a key that does not walk.
std::optional<WalkKey> walkKeyOf(const QKeyEvent& event);

} // namespace kvarnel
