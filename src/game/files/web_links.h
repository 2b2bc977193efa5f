// Opening documents and web addresses in the desktop's associated programs.
#pragma once

#include "game/core/platform.h"

#include <string>

namespace kvarnel {

// Opens a document or an address; whether any program started is not reported.
void openDocument(DocumentOpener& documents, const std::string& target);

// How many redirect page names (0.html, 1.html, ...) are tried before giving up on them.
inline constexpr int redirectPageNames = 16;

// Writes the redirect page for `address` into pageFolder (ending in a separator) as "0.html",
// or as the first of "1.html", "2.html", ... that can be written, and opens it once it is
// complete and closed. When no name can be written, or pageFolder is empty, the address
// itself is opened.
void openViaRedirectPage(const std::string& pageFolder, const std::string& address, DocumentOpener& documents);

} // namespace kvarnel
