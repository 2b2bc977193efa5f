// The redirect page's text.
#include "game/files/redirect_page.h"

namespace kvarnel {
namespace {

constexpr std::string_view pageStart = "<html><head><meta http-equiv='refresh' content='0; url=";
constexpr std::string_view pageEnd =
    "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
    "<title>WWW</title></head><body></body></html>\r\n";

bool breaksOut(unsigned char byte) {
  return byte <= 0x20 || byte >= 0x7F || byte == '\'' || byte == '"' || byte == '<' || byte == '>';
}

} // namespace

std::string redirectPageText(std::string_view address) {
  constexpr char hex[] = "0123456789ABCDEF";
  std::string page(pageStart);
  page.reserve(pageStart.size() + address.size() + pageEnd.size());
  for (const char c : address) {
    const auto byte = static_cast<unsigned char>(c);
    if (breaksOut(byte)) {
      page += '%';
      page += hex[byte >> 4];
      page += hex[byte & 0x0F];
    } else {
      page += c;
    }
  }
  page += pageEnd;
  return page;
}

} // namespace kvarnel
