#include <gtest/gtest.h>

#include <string>

#include "app/sys.h"
#include "settings/settings.h"

namespace {

using settings::clean_name;

// The plain cases (500 characters, control and direction marks, blanks) are
// lines of the self-test; these are the edges around them.
TEST(CleanName, LongNameIsCutAtACharacterBoundary) {
  // Mixed widths: 31 ASCII letters then a four-byte emoji fits exactly.
  const std::string mixed = std::string(31, 'a') + "\xF0\x9F\x8E\xB8" + "zzz";
  const std::string out = clean_name(mixed);
  EXPECT_EQ(out, std::string(31, 'a') + "\xF0\x9F\x8E\xB8");
  EXPECT_EQ(sys::utf8_chars(out), 32u);
}

TEST(CleanName, BlanksAreTrimmedAndFolded) {
  // No-break space, ideographic space and tab are blanks too.
  EXPECT_EQ(clean_name("\xC2\xA0x\t\xE3\x80\x80y\xC2\xA0"), "x y");
  // A dropped character between blanks does not split the run.
  EXPECT_EQ(clean_name("a \xE2\x80\x8B b"), "a b");
}

TEST(CleanName, PendingBlankThatWouldBeThe32ndEndsTheName) {
  const std::string in = std::string(31, 'a') + " b";
  EXPECT_EQ(clean_name(in), std::string(31, 'a'));
  const std::string in2 = std::string(30, 'a') + " b c";
  EXPECT_EQ(clean_name(in2), std::string(30, 'a') + " b");
}

TEST(CleanName, InvalidUtf8FormsAreSkippedByteByByte) {
  EXPECT_EQ(clean_name("\xC0\xAF" "a"), "a");             // overlong '/'
  EXPECT_EQ(clean_name("\xE0\x80\xAF" "b"), "b");         // overlong three-byte
  EXPECT_EQ(clean_name("\xF0\x80\x80\xAF" "c"), "c");     // overlong four-byte
  EXPECT_EQ(clean_name("\xED\xA0\x80" "d"), "d");         // surrogate U+D800
  EXPECT_EQ(clean_name("\xF4\x90\x80\x80" "e"), "e");     // above U+10FFFF
  EXPECT_EQ(clean_name("\xF8\x88\x80\x80\x80" "f"), "f"); // five-byte lead
  EXPECT_EQ(clean_name("\x80\xBF" "g"), "g");             // stray continuations
  EXPECT_EQ(clean_name("h\xE6\x97"), "h");                // cut at the end
  EXPECT_EQ(clean_name("\xF4\x8F\xBF\xBF"), "\xF4\x8F\xBF\xBF");  // U+10FFFF is kept
}

TEST(CleanName, EveryDroppedRangeAndTheJoinerRule) {
  const char* dropped[] = {"\x1F", "\x7F", "\xC2\x80", "\xC2\x9F", "\xC2\xAD",
                           "\xE2\x80\x8B", "\xE2\x80\x8C", "\xE2\x80\x8E", "\xE2\x80\x8F",
                           "\xE2\x80\xAA", "\xE2\x80\xAE", "\xE2\x81\xA0", "\xE2\x81\xAF",
                           "\xEF\xBB\xBF", "\xEF\xBF\xB9", "\xEF\xBF\xBB",
                           "\xF3\xA0\x80\x80", "\xF3\xA0\x81\xBF"};
  for (const char* d : dropped) {
    EXPECT_EQ(clean_name(std::string("a") + d + "b"), "ab") << "code point bytes " << d;
  }
  // Neighbours of the ranges stay.
  const char* kept[] = {"\xE2\x80\x8D", "\xE2\x80\xA9", "\xE2\x80\xAF",
                        "\xEF\xBF\xBC", "\xF3\xA0\x82\x80", "\xCC\x81"};
  for (const char* k : kept) {
    const std::string in = std::string("a") + k + "b";
    EXPECT_EQ(clean_name(in), in);
  }
  const std::string singer = "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x8E\xA4 B\xC3\xBChne";
  EXPECT_EQ(clean_name(singer), singer);
}

TEST(CleanName, NamesInManyScriptsPassUnchanged) {
  const char* names[] = {"Größe ÄÖÜ ß", "日本語の設定", "中文预设", "한국어 설정", "العربية",
                         "עברית", "हिन्दी सेटिंग", "বাংলা", "ไทย", "Русский", "Ελληνικά",
                         "Tiếng Việt", "Ş ğ ı İ", "e\xCC\x81 kombiniert"};
  for (const char* n : names) EXPECT_EQ(clean_name(n), n);
}

}  // namespace
