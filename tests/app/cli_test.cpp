#include "app/cli.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

TEST(Cli, ArgValueTakesTheArgumentAfterTheFirstMatch) {
  EXPECT_EQ(cli::arg_value({"--size", "800x600"}, "--size"), "800x600");
  EXPECT_EQ(cli::arg_value({"--size", "1x1", "--size", "2x2"}, "--size"), "1x1");
  EXPECT_EQ(cli::arg_value({"--off", "--size"}, "--size"), "");
  EXPECT_EQ(cli::arg_value({"--size"}, "--size"), "");
  EXPECT_EQ(cli::arg_value({}, "--size"), "");
  EXPECT_EQ(cli::arg_value({"--off", "x"}, "--size"), "");
  // The value may itself look like a switch.
  EXPECT_EQ(cli::arg_value({"--device", "--off"}, "--device"), "--off");
}

TEST(Cli, UnknownSwitchTestSkipsValuesAndSingleDash) {
  EXPECT_EQ(cli::first_unknown({"--compact", "-x", "value", "--bogus", "--other"}), "--bogus");
  EXPECT_EQ(cli::first_unknown({"-x", "--device", "abc", "--apo-status", "--headless"}), "");
  // Comparison is exact and case-sensitive.
  EXPECT_EQ(cli::first_unknown({"--Compact"}), "--Compact");
  EXPECT_EQ(cli::first_unknown({"--compact=1"}), "--compact=1");
  EXPECT_EQ(cli::first_unknown({"--"}), "--");
}

TEST(Cli, KnownSwitchesInTheirOrder) {
  const Args want = {"--compact", "--devices", "--device", "--no-takeover", "--off",
                     "--size", "--theme", "--preset", "--collapsed", "--apo-install",
                     "--apo-uninstall", "--apo-status", "--headless"};
  ASSERT_EQ(cli::kKnown.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) EXPECT_EQ(cli::kKnown[i], want[i]);
}

}  // namespace
