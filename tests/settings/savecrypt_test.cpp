#include "settings/savecrypt.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Savecrypt, RoundTripKeepsEveryByteAndEachSealIsFresh) {
  std::string text = "params=1,1,1\n";
  for (int b = 0; b < 256; ++b) text += static_cast<char>(b);
  for (const std::string& t : {std::string(), text}) {
    const std::string sealed = savecrypt::encrypt(t);
    ASSERT_EQ(sealed.size(), 45 + t.size());
    EXPECT_EQ(sealed.substr(0, 5), std::string("VLMS\x01"));
    std::string plain = "stale";
    ASSERT_EQ(savecrypt::decrypt(sealed, &plain), 0);
    EXPECT_EQ(plain, t);
    // Opening without an output only verifies.
    EXPECT_EQ(savecrypt::decrypt(sealed, nullptr), 0);
  }
  const std::string a = savecrypt::encrypt(text);
  const std::string b = savecrypt::encrypt(text);
  EXPECT_EQ(a.find("params="), std::string::npos);
  EXPECT_NE(a.substr(5, 24), b.substr(5, 24)) << "nonce reused";
  EXPECT_NE(a, b);
}

TEST(Savecrypt, EverySingleBitFlipFailsWithTwoAndLeavesOutputEmpty) {
  const std::string sealed = savecrypt::encrypt("vu_mode=2\nlanguage=de\n");
  for (std::size_t i = 0; i < sealed.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit) {
      std::string bad = sealed;
      bad[i] = static_cast<char>(bad[i] ^ (1 << bit));
      std::string plain = "stale";
      ASSERT_EQ(savecrypt::decrypt(bad, &plain), 2) << "byte " << i << " bit " << bit;
      ASSERT_TRUE(plain.empty());
    }
  }
}

TEST(Savecrypt, TruncatedExtendedForeignAndEmptyInputs) {
  const std::string sealed = savecrypt::encrypt("win_w=800\n");
  std::string plain;
  EXPECT_EQ(savecrypt::decrypt(sealed.substr(0, sealed.size() - 1), &plain), 2);
  EXPECT_EQ(savecrypt::decrypt(sealed + "x", &plain), 2);
  EXPECT_EQ(savecrypt::decrypt(sealed.substr(0, 44), &plain), 2);
  EXPECT_EQ(savecrypt::decrypt("params=1,1,1,0.35,0.5\n", &plain), 2);
  EXPECT_EQ(savecrypt::decrypt("VLMS", &plain), 2);
  EXPECT_EQ(savecrypt::decrypt("", &plain), 1);
  EXPECT_TRUE(plain.empty());
  // An empty seal with a wrong version byte is refused before any key work.
  std::string v2 = savecrypt::encrypt("");
  v2[4] = 2;
  EXPECT_EQ(savecrypt::decrypt(v2, &plain), 2);
}

}  // namespace
