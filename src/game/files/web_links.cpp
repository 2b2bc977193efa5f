// Opening documents and web addresses.
#include "game/files/web_links.h"

#include "game/core/atomic_file.h"
#include "game/core/player_text.h"
#include "game/files/redirect_page.h"

namespace kvarnel {

std::string pageNotOpenedMessage(const std::string& pathOrAddress) {
  return playerText(KVARNEL_TEXT("Game", "Не удалось открыть страницу:\n%1"), {pathOrAddress});
}

void openDocument(DocumentOpener& documents, MessageBoxes& messages, const std::string& target) {
  if (!documents.open(target)) messages.stop(pageNotOpenedMessage(target));
}

void openViaRedirectPage(const std::string& pageFolder, const std::string& address, DocumentOpener& documents,
                         MessageBoxes& messages) {
  const std::string page = redirectPageText(address);
  // Without a folder no page is written: never into whatever folder the game runs in.
  for (int n = 0; n < redirectPageNames && !pageFolder.empty(); ++n) {
    const std::string name = pageFolder + std::to_string(n) + ".html";
    // Written beside and renamed over: the browser never sees half a page, and a link
    // planted under the page's name is replaced rather than written through.
    if (writeFileAtomically(name, page, TargetKind::OwnFile) == AtomicWriteResult::Ok) {
      // The page is the game's own detour: the player asked for the address.
      if (!documents.open(name)) messages.stop(pageNotOpenedMessage(address));
      return;
    }
  }
  // A folder that takes no page at all still lets the browser have the address.
  openDocument(documents, messages, address);
}

} // namespace kvarnel
