// The redirect page's bytes, and writing and opening it in the program folder.
#include "game/files/redirect_page.h"
#include "game/files/web_links.h"

#include "support/fake_platform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;
using testing::FakeDocumentOpener;
using testing::FakeMessageBoxes;

const std::string pageStart = "<html><head><meta http-equiv='refresh' content='0; url=";
const std::string pageEnd = "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
                            "<title>WWW</title></head><body></body></html>\r\n";

std::string contentOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(RedirectPage, OrdinaryAddressGoesInUnchanged) {
  for (const char* address : {"https://kvarnel.example.org/", "http://example.org/a%20b?x=1&y=2#top",
                              "mailto:kvarnel@example.org", ""})
    EXPECT_EQ(redirectPageText(address), pageStart + address + pageEnd) << address;
}

TEST(RedirectPage, BytesThatCouldLeaveTheAttributeAreEncoded) {
  EXPECT_EQ(redirectPageText("http://x.example.org/'><script>alert(1)</script>"),
            pageStart + "http://x.example.org/%27%3E%3Cscript%3Ealert(1)%3C/script%3E" + pageEnd);
  EXPECT_EQ(redirectPageText("a\"b c\td\r\ne\x7F"), pageStart + "a%22b%20c%09d%0D%0Ae%7F" + pageEnd);
  EXPECT_EQ(redirectPageText(std::string("a\0b", 3)), pageStart + "a%00b" + pageEnd);
  // UTF-8 letters become their percent-encoded bytes, so the page is ASCII whatever its charset.
  const std::string page = redirectPageText("http://example.org/карта");
  EXPECT_EQ(page, pageStart + "http://example.org/%D0%BA%D0%B0%D1%80%D1%82%D0%B0" + pageEnd);
  for (const char c : page) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

class OpenViaRedirectPage : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    folder = dir.path().toStdString() + "/";
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::path page(int n) const { return folder + std::to_string(n) + ".html"; }

  QTemporaryDir dir;
  std::string folder; // ends in "/"
  FakeDocumentOpener documents;
  FakeMessageBoxes messages;
  const std::string address = "https://kvarnel.example.org/";
};

TEST_F(OpenViaRedirectPage, WritesPageZeroAndOpensIt) {
  for (int call = 0; call < 2; ++call) {
    openViaRedirectPage(folder, address, documents, messages);
    ASSERT_EQ(documents.opened.size(), static_cast<std::size_t>(call + 1));
    EXPECT_EQ(documents.opened.back(), page(0).string());
    EXPECT_EQ(contentOf(page(0)), pageStart + address + pageEnd);
  }
  // Only the page is left behind: no temporary files, no page 1.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(OpenViaRedirectPage, OverwritesAnOldPage) {
  std::ofstream(page(0)) << "an old and much longer page than the new one, which must not survive";
  openViaRedirectPage(folder, "http://example.org/", documents, messages);
  EXPECT_EQ(contentOf(page(0)), pageStart + "http://example.org/" + pageEnd);
}

TEST_F(OpenViaRedirectPage, MovesOnPastPagesThatCannotBeWritten) {
  // A read-only page 0 is kept as it is, and so is a folder in the place of page 1.
  std::ofstream(page(0)) << "kept";
  fs::permissions(page(0), fs::perms::owner_read);
  fs::create_directory(page(1));
  openViaRedirectPage(folder, address, documents, messages);
  ASSERT_EQ(documents.opened.size(), 1u);
  EXPECT_EQ(documents.opened[0], page(2).string());
  EXPECT_EQ(contentOf(page(2)), pageStart + address + pageEnd);
  EXPECT_EQ(contentOf(page(0)), "kept");
}

TEST_F(OpenViaRedirectPage, ALinkUnderThePageNameIsReplacedNotWrittenThrough) {
  const fs::path outside = folder + "elsewhere.txt";
  std::ofstream(outside) << "precious";
  fs::create_symlink(outside, page(0));
  openViaRedirectPage(folder, address, documents, messages);
  EXPECT_EQ(contentOf(outside), "precious");
  EXPECT_FALSE(fs::is_symlink(page(0)));
  EXPECT_EQ(contentOf(page(0)), pageStart + address + pageEnd);
  EXPECT_EQ(documents.opened, std::vector<std::string>{page(0).string()});
}

TEST_F(OpenViaRedirectPage, WithNoWritableNameTheAddressIsOpenedDirectly) {
  // Every name that is tried is taken by a folder; the one after them is never reached.
  for (int n = 0; n < redirectPageNames; ++n) fs::create_directory(page(n));
  openViaRedirectPage(folder, address, documents, messages);
  EXPECT_EQ(documents.opened, std::vector<std::string>{address});
  EXPECT_FALSE(fs::exists(page(redirectPageNames)));

  // A read-only program folder: refused even to the superuser, whom the rights would let by.
  documents.opened.clear();
  QTemporaryDir other;
  const std::string readOnly = other.path().toStdString() + "/";
  fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
  openViaRedirectPage(readOnly, address, documents, messages);
  EXPECT_EQ(documents.opened, std::vector<std::string>{address});
  EXPECT_TRUE(fs::is_empty(readOnly));
  fs::permissions(readOnly, fs::perms::owner_all);

  // A program folder that has gone away.
  documents.opened.clear();
  openViaRedirectPage(folder + "missing/", address, documents, messages);
  EXPECT_EQ(documents.opened, std::vector<std::string>{address});
}

TEST(OpenDocument, WhatTheDesktopCannotOpenIsNamedInAMessage) {
  FakeDocumentOpener documents;
  FakeMessageBoxes messages;
  openDocument(documents, messages, "/usr/share/kvarnel/Справка.htm");
  EXPECT_TRUE(messages.shown.empty());
  documents.succeed = false;
  openDocument(documents, messages, "/no/such/folder/Справка.htm");
  EXPECT_EQ(documents.opened.back(), "/no/such/folder/Справка.htm");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Не удалось открыть страницу:\n/no/such/folder/Справка.htm");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
}

} // namespace
} // namespace kvarnel
