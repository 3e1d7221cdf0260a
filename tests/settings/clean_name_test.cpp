#include <gtest/gtest.h>

#include <string>

#include "settings/settings.h"

namespace {

// Strict UTF-8, folded blanks, no invisible or direction characters, at most
// 32 characters; the everyday cases run in the self-test.
TEST(CleanName, EdgesOfTheCharacterRules) {
  const std::string a31(31, 'a');
  const std::string emoji = "\xF0\x9F\x8E\xB8";
  const std::string singer = "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x8E\xA4 B\xC3\xBChne";
  const struct {
    std::string in, out;
  } cases[] = {
      {a31 + emoji + "zzz", a31 + emoji},  // the 32nd character is four bytes wide
      {a31 + " b", a31},                   // a pending blank would be the 32nd
      {std::string(30, 'a') + " b c", std::string(30, 'a') + " b"},
      {"\xC2\xA0x\t\xE3\x80\x80y\xC2\xA0", "x y"},
      {"a \xE2\x80\x8B b", "a b"},
      {"\xC0\xAF" "a\xE0\x80\xAF" "b\xF0\x80\x80\xAF" "c", "abc"},  // overlong forms
      {"\xED\xA0\x80" "d\xF4\x90\x80\x80" "e\xF8\x88\x80\x80\x80" "f\x80\xBF" "g", "defg"},
      {"h\xE6\x97", "h"},
      {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
      {singer, singer},  // the zero-width joiner stays
  };
  for (const auto& c : cases) EXPECT_EQ(settings::clean_name(c.in), c.out) << c.in;
  for (const char* d : {"\x1F", "\x7F", "\xC2\x80", "\xC2\x9F", "\xC2\xAD", "\xE2\x80\x8B", "\xE2\x80\x8C",
                        "\xE2\x80\x8E", "\xE2\x80\x8F", "\xE2\x80\xAA", "\xE2\x80\xAE", "\xE2\x81\xA0",
                        "\xE2\x81\xAF", "\xEF\xBB\xBF", "\xEF\xBF\xB9", "\xEF\xBF\xBB", "\xF3\xA0\x80\x80",
                        "\xF3\xA0\x81\xBF"}) {
    EXPECT_EQ(settings::clean_name(std::string("a") + d + "b"), "ab") << "dropped " << d;
  }
  for (const char* k : {"\xE2\x80\xA9", "\xE2\x80\xAF", "\xEF\xBF\xBC", "\xF3\xA0\x82\x80", "\xCC\x81"}) {
    const std::string in = std::string("a") + k + "b";
    EXPECT_EQ(settings::clean_name(in), in) << "kept " << k;
  }
}

}  // namespace
