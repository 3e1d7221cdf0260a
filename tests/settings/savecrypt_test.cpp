#include "settings/savecrypt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Savecrypt, SealsAreFreshAndOnlyAnUntouchedSealOpens) {
  std::string text = "params=1,1,1\n";
  for (int b = 0; b < 256; ++b) text += static_cast<char>(b);
  const std::string sealed = savecrypt::encrypt(text);
  std::string plain;
  ASSERT_EQ(savecrypt::decrypt(sealed, &plain), 0);
  EXPECT_EQ(plain, text);
  EXPECT_EQ(sealed.find("params="), std::string::npos);
  EXPECT_NE(sealed.substr(5, 24), savecrypt::encrypt(text).substr(5, 24)) << "nonce reused";
  std::string version2 = savecrypt::encrypt("");
  version2[4] = 2;
  std::vector<std::string> bad = {sealed.substr(0, sealed.size() - 1), sealed + "x", sealed.substr(0, 44),
                                  "params=1,1,1,0.35,0.5\n", "VLMS", version2};
  for (std::size_t i = 0; i < sealed.size() * 8; ++i) {
    bad.push_back(sealed);
    bad.back()[i / 8] = static_cast<char>(bad.back()[i / 8] ^ (1 << (i % 8)));
  }
  for (std::size_t i = 0; i < bad.size(); ++i) {
    plain = "stale";
    ASSERT_EQ(savecrypt::decrypt(bad[i], &plain), 2) << "case " << i;
    ASSERT_TRUE(plain.empty()) << "case " << i;
  }
  plain = "stale";
  EXPECT_EQ(savecrypt::decrypt("", &plain), 1);
  EXPECT_TRUE(plain.empty());
}

}  // namespace
