// Opening documents and web addresses in the desktop's associated programs.
#pragma once

#include "game/core/platform.h"

#include <string>

namespace kvarnel {

// Said when the desktop cannot open a page: nothing else would tell the player why F1 or a
// link did nothing.
std::string pageNotOpenedMessage(const std::string& pathOrAddress);

// Opens a document or an address; when the desktop cannot, a message names it.
void openDocument(DocumentOpener& documents, MessageBoxes& messages, const std::string& target);

// How many redirect page names (0.html, 1.html, ...) are tried before giving up on them.
inline constexpr int redirectPageNames = 16;

// Writes the redirect page for `address` into pageFolder (ending in a separator) as "0.html",
// or as the first of "1.html", "2.html", ... that can be written, and opens it once it is
// complete and closed. When no name can be written, or pageFolder is empty, the address
// itself is opened. When the desktop cannot open it, a message names the address.
void openViaRedirectPage(const std::string& pageFolder, const std::string& address, DocumentOpener& documents,
                         MessageBoxes& messages);

} // namespace kvarnel
