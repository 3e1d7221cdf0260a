#include <gtest/gtest.h>

#include <string>

#include "settings/settings.h"

namespace {

using settings::clean_name;

std::size_t chars(const std::string& s) {
  std::size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

TEST(CleanName, LongNameIsCutAtACharacterBoundaryAndStaysStable) {
  std::string in;
  for (int i = 0; i < 500; ++i) in += "日";
  const std::string out = clean_name(in);
  EXPECT_EQ(chars(out), 32u);
  EXPECT_EQ(out.size(), 32u * 3);
  EXPECT_EQ(clean_name(out), out);
  // Mixed widths: 31 ASCII letters then a four-byte emoji fits exactly.
  const std::string mixed = std::string(31, 'a') + "\xF0\x9F\x8E\xB8" + "zzz";
  EXPECT_EQ(clean_name(mixed), std::string(31, 'a') + "\xF0\x9F\x8E\xB8");
}

TEST(CleanName, ControlDirectionAndBrokenBytesAreDropped) {
  const std::string in = std::string("Normal") + "\xE2\x80\xAE" + "gnp.exe" + "\x01\x7F" +
                         "\xC3(" + "\xF0\x9F\x98" + "\xE2\x80\x8B" + "X";
  EXPECT_EQ(clean_name(in), "Normalgnp.exe(X");
}

TEST(CleanName, BlanksAreTrimmedAndFolded) {
  EXPECT_EQ(clean_name("   \t  "), "");
  EXPECT_EQ(clean_name("  a   b  "), "a b");
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
