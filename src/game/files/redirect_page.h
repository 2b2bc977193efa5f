// The one-line page that sends the browser straight on to a web address.
#pragma once

#include <string>
#include <string_view>

namespace kvarnel {

// The page's whole text, ending in CR LF. The address goes into a quoted attribute, so the
// bytes that could end the quote or the tag (quotes, angle brackets, spaces, control bytes)
// and every byte from 0x80 up are percent-encoded; an ordinary address stays as it is. The
// page is therefore plain ASCII, which reads the same whatever charset it declares.
std::string redirectPageText(std::string_view address);

} // namespace kvarnel
