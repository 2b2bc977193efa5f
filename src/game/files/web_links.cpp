// Opening documents and web addresses.
#include "game/files/web_links.h"

#include "game/core/atomic_file.h"
#include "game/files/redirect_page.h"

namespace kvarnel {

void openDocument(DocumentOpener& documents, const std::string& target) {
  // A missing document or browser is the player's to notice; the game carries on.
  static_cast<void>(documents.open(target));
}

void openViaRedirectPage(const std::string& pageFolder, const std::string& address, DocumentOpener& documents) {
  const std::string page = redirectPageText(address);
  // Without a folder no page is written: never into whatever folder the game runs in.
  for (int n = 0; n < redirectPageNames && !pageFolder.empty(); ++n) {
    const std::string name = pageFolder + std::to_string(n) + ".html";
    // Written beside and renamed over: the browser never sees half a page, and a link
    // planted under the page's name is replaced rather than written through.
    if (writeFileAtomically(name, page, TargetKind::OwnFile) == AtomicWriteResult::Ok) {
      openDocument(documents, name);
      return;
    }
  }
  // A folder that takes no page at all still lets the browser have the address.
  openDocument(documents, address);
}

} // namespace kvarnel
