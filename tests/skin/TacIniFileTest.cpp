#include "skin/load/TacIniFile.h"

#include <gtest/gtest.h>

#include "skin/load/ESkinLoadError.h"
#include "skin/load/SkinNumbers.h"

TEST(TacIniFile, ReadsSectionsAndKeysWithTheFileRules) {
  const TacIniFile ini(
      "\xEF\xBB\xBF"
      "ignored=before any section\r\n"
      "  [GLOBALINFO]  \r\n"
      "; a comment\r\n"
      "\r\n"
      "  Version =  6.02 \r\n"
      "Author=A = B\r\n"
      "VERSION=7\r\n"
      "no equals sign here\r\n"
      "[Button]\n"
      "COLOR=$FF\n"
      "[globalinfo]\n"
      "EXTRA=1\n");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"GLOBALINFO", "Button"}));
  EXPECT_EQ(ini.ReadSection("GlobalInfo"), (std::vector<std::string>{"Version", "Author", "VERSION", "EXTRA"}));
  EXPECT_EQ(ini.ReadString("globalinfo", "version", "?"), "6.02");  // first of two equal keys
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "AUTHOR", "?"), "A = B");   // text after the first "="
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "IGNORED", "?"), "?");
  EXPECT_EQ(ini.ReadString("NOSECTION", "X", "def"), "def");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "VERSION", 0), 6.02);
  EXPECT_EQ(ini.ReadInteger("BUTTON", "COLOR", -1), 255);
  EXPECT_TRUE(ini.ValueExists("button", "color"));
  EXPECT_FALSE(ini.SectionExists("EDIT"));
}

TEST(TacIniFile, OnlyALineInBothBracketsOpensASection) {
  const TacIniFile ini(
      "[BUTTON]\n"
      "[HALF\n"
      "A=1\n"
      "HALF]\n"
      "B=[2]\n"
      "C=3]\n"
      "D=4\n");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"BUTTON"}));
  EXPECT_EQ(ini.ReadSection("BUTTON"), (std::vector<std::string>{"A", "B", "C", "D"}))
      << "lines with one bracket are keys (or nothing) of the open section";
  EXPECT_EQ(ini.ReadString("BUTTON", "C", "?"), "3]");
  EXPECT_EQ(ini.ReadString("BUTTON", "D", "?"), "4");
}

TEST(TacIniFile, IntegersAreDecimalOrHexAndUnreadableCountsAsAbsent) {
  const TacIniFile ini(
      "[S]\nA=123\nB=-7\nC=$00FF00FF\nD=0x10\nE=0XfF\nF=12abc\nG=\nH=$FFFFFFFF\nI=99999999999\nJ= 42\n");
  EXPECT_EQ(ini.ReadInteger("S", "A", 0), 123);
  EXPECT_EQ(ini.ReadInteger("S", "B", 0), -7);
  EXPECT_EQ(ini.ReadInteger("S", "C", 0), 0xFF00FF);
  EXPECT_EQ(ini.ReadInteger("S", "D", 0), 16);
  EXPECT_EQ(ini.ReadInteger("S", "E", 0), 255);
  EXPECT_EQ(ini.ReadInteger("S", "F", -5), -5);
  EXPECT_EQ(ini.ReadInteger("S", "G", -5), -5);
  EXPECT_EQ(ini.ReadInteger("S", "H", 0), -1);  // colours wrap into the signed range
  EXPECT_EQ(ini.ReadInteger("S", "I", -5), -5);
  EXPECT_EQ(ini.ReadInteger("S", "J", 0), 42);
}

TEST(SkinNumbers, StrictReadingThrowsTheLoaderError) {
  EXPECT_EQ(SkinNumbers::StrToInt("0034", "test"), 34);
  EXPECT_EQ(SkinNumbers::StrToInt("-1", "test"), -1);
  EXPECT_THROW(SkinNumbers::StrToInt("", "test"), ESkinLoadError);
  EXPECT_THROW(SkinNumbers::StrToInt("00x4", "test"), ESkinLoadError);
  EXPECT_THROW(SkinNumbers::StrToInt("2147483648", "test"), ESkinLoadError);
  EXPECT_EQ(SkinNumbers::StrToInt("-2147483648", "test"), INT32_MIN);
  EXPECT_FALSE(SkinNumbers::TryParseFloat("6,02").has_value());
  EXPECT_DOUBLE_EQ(SkinNumbers::TryParseFloat("  6.5 ").value_or(0), 6.5) << "spaces around are dropped";
}
