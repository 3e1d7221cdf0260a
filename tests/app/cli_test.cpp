#include "app/cli.h"

#include <gtest/gtest.h>

namespace {

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
  // Every switch the program knows is accepted.
  EXPECT_EQ(cli::first_unknown({"--compact", "--devices", "--no-takeover", "--off", "--collapsed",
                                "--apo-install", "--apo-uninstall", "--apo-status", "--headless"}),
            "");
}

}  // namespace
