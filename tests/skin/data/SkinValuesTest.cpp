#include "skin/data/SkinValues.h"

#include <gtest/gtest.h>

namespace {

std::string ConvertErrorOf(std::string_view text) {
  try {
    ParseRectValue(text);
  } catch (const TbsConvertError& e) {
    return e.what();
  }
  return "no error";
}

TEST(SkinValues, PointAndRectNumbersSkipEverythingButDigitsAndCommas) {
  EXPECT_EQ(ParsePointValue("12, 7"), (gfx::Point{12, 7}));
  EXPECT_EQ(ParsePointValue("1a2,3"), (gfx::Point{12, 3}));
  EXPECT_EQ(ParseRectValue("-5,-6,7,8"), (gfx::Rect{5, 6, 7, 8}));
  EXPECT_EQ(ParseRectValue(" 0 , 1 , 2 , 3 "), (gfx::Rect{0, 1, 2, 3}));
  // Numbers beyond the needed four are read past, even empty ones.
  EXPECT_EQ(ParseRectValue("1,2,3,4,5,,"), (gfx::Rect{1, 2, 3, 4}));
}

TEST(SkinValues, EmptyOrOversizedNumbersAreConversionErrors) {
  EXPECT_EQ(ConvertErrorOf("1,2,3"), "'' is not a valid integer value");
  EXPECT_EQ(ConvertErrorOf(""), "'' is not a valid integer value");
  EXPECT_EQ(ConvertErrorOf("1,,3,4"), "'' is not a valid integer value");
  EXPECT_EQ(ConvertErrorOf("1,x,3,4"), "'' is not a valid integer value");
  EXPECT_EQ(ConvertErrorOf("1,2,3,99999999999"), "'99999999999' is not a valid integer value");
  // The largest integer still reads; one more is refused wherever it
  // stands, and the error names only its digits.
  EXPECT_EQ(ParseRectValue("2147483647,0,0,1"), (gfx::Rect{2147483647, 0, 0, 1}));
  EXPECT_EQ(ConvertErrorOf("2147483648,1,2,3"), "'2147483648' is not a valid integer value");
  EXPECT_EQ(ConvertErrorOf("1,-21 474 836 480,3,4"), "'21474836480' is not a valid integer value");
  EXPECT_THROW(ParsePointValue("5"), TbsConvertError);
}

TEST(SkinValues, AbsentCompositeKeysReadAsZeroButEmptyOnesFail) {
  TbsSkinIni ini("[s]\nempty=\n");
  EXPECT_EQ(ReadRectValue(ini, "s", "missing"), gfx::Rect{});
  EXPECT_EQ(ReadPointValue(ini, "s", "missing"), gfx::Point{});
  EXPECT_THROW(ReadRectValue(ini, "s", "empty"), TbsConvertError);
  EXPECT_THROW(ReadPointValue(ini, "s", "empty"), TbsConvertError);
}

TEST(SkinValues, FlagIsTrueOnlyForExactlyOne) {
  TbsSkinIni ini("[s]\none=1\ntwo=2\nhex=$1\nword=yes\n");
  EXPECT_TRUE(ReadFlagValue(ini, "s", "one"));
  EXPECT_TRUE(ReadFlagValue(ini, "s", "hex"));
  EXPECT_FALSE(ReadFlagValue(ini, "s", "two"));
  EXPECT_FALSE(ReadFlagValue(ini, "s", "word"));
  EXPECT_FALSE(ReadFlagValue(ini, "s", "missing"));
}

TEST(SkinValues, FontStyleWordsAreFoundAnywhereButOnlyInLowerCase) {
  EXPECT_EQ(ParseFontStyleValue("fsbold,fsitalic"), (TbsFontStyles{true, true, false, false}));
  EXPECT_EQ(ParseFontStyleValue("fsitalicfsbold"), (TbsFontStyles{true, true, false, false}));
  EXPECT_EQ(ParseFontStyleValue("FSBOLD,FSITALIC"), TbsFontStyles{});
  EXPECT_EQ(ParseFontStyleValue("[fsstrikeout fsunderline]"),
            (TbsFontStyles{false, false, true, true}));
}

TEST(SkinValues, WordKindsFallBackToTheirTablesLastRow) {
  TbsSkinIni ini(
      "[s]\na=taleftjustify\nb=tarightjustify\nc=centre\nd=iedarkness\ne=IEINVERT\n"
      "f=mkpush\ng=mkPush\nh=cmrollup\ni=cmquit\n");
  EXPECT_EQ(ReadAlignmentValue(ini, "s", "missing"), TbsAlignment::taCenter);
  EXPECT_EQ(ReadAlignmentValue(ini, "s", "a"), TbsAlignment::taLeftJustify);
  EXPECT_EQ(ReadAlignmentValue(ini, "s", "b"), TbsAlignment::taRightJustify);
  EXPECT_EQ(ReadAlignmentValue(ini, "s", "c"), TbsAlignment::taRightJustify);
  EXPECT_EQ(ReadInactiveEffectValue(ini, "s", "missing"), TbsInactiveEffect::ieBrightness);
  EXPECT_EQ(ReadInactiveEffectValue(ini, "s", "d"), TbsInactiveEffect::ieDarkness);
  EXPECT_EQ(ReadInactiveEffectValue(ini, "s", "e"), TbsInactiveEffect::ieGrayScale);
  EXPECT_EQ(ReadMorphKindValue(ini, "s", "f"), TbsMorphKind::mkPush);
  EXPECT_EQ(ReadMorphKindValue(ini, "s", "g"), TbsMorphKind::mkDefault);
  EXPECT_EQ(ReadCommandValue(ini, "s", "missing"), TbsStdCommand::cmDefault);
  EXPECT_EQ(ReadCommandValue(ini, "s", "h"), TbsStdCommand::cmRollUp);
  EXPECT_EQ(ReadCommandValue(ini, "s", "i"), TbsStdCommand::cmMinimizeToTray);
  EXPECT_STREQ(CommandToString(TbsStdCommand::cmMinimizeToTray), "cmminimizetotray");
}

TEST(SkinValues, WritersProduceWhatTheReadersRead) {
  TbsSkinIni ini;
  WriteRectValue(ini, "s", "r", {1, 2, 30, 40});
  WritePointValue(ini, "s", "p", {5, 6});
  WriteFlagValue(ini, "s", "f", true);
  WriteFontStyleValue(ini, "s", "fs", {true, false, true, true});
  WriteAlignmentValue(ini, "s", "al", TbsAlignment::taRightJustify);
  WriteMorphKindValue(ini, "s", "mk", TbsMorphKind::mkRightSlide);
  WriteInactiveEffectValue(ini, "s", "ie", TbsInactiveEffect::ieNoise);
  WriteCommandValue(ini, "s", "cm", TbsStdCommand::cmSysMenu);
  EXPECT_EQ(ini.GetStrings(),
            (std::vector<std::string>{"[s]", "r=1,2,30,40", "p=5,6", "f=1",
                                      "fs=fsbold,fsunderline,fsstrikeout", "al=tarightjustify",
                                      "mk=mkrightslide", "ie=ienoise", "cm=cmsysmenu"}));
  EXPECT_EQ(ReadRectValue(ini, "s", "r"), (gfx::Rect{1, 2, 30, 40}));
  EXPECT_EQ(ReadFontStyleValue(ini, "s", "fs"), (TbsFontStyles{true, false, true, true}));
  EXPECT_EQ(ReadAlignmentValue(ini, "s", "al"), TbsAlignment::taRightJustify);
}

TEST(SkinValues, NameListReadsCountThenNumberedKeys) {
  TbsSkinIni ini("[PICTURES]\nactivepicturescount=3\n0=a.bmp\n2=c.bmp\n");
  std::vector<std::string> names{"kept"};
  ReadNameList(ini, "PICTURES", "activepictures", names);
  EXPECT_EQ(names, (std::vector<std::string>{"kept", "a.bmp", "", "c.bmp"}));

  TbsSkinIni written;
  WriteNameList(written, "PICTURES", "activepictures", {"x.bmp", "y.bmp"});
  std::vector<std::string> reread;
  ReadNameList(written, "PICTURES", "activepictures", reread);
  EXPECT_EQ(reread, (std::vector<std::string>{"x.bmp", "y.bmp"}));
}

TEST(SkinValues, NameListCountIsBounded) {
  TbsSkinIni ini("[PICTURES]\nactivepicturescount=2000000000\n");
  std::vector<std::string> names;
  ReadNameList(ini, "PICTURES", "activepictures", names);
  EXPECT_EQ(names.size(), static_cast<size_t>(kMaxNameListCount));
}

}  // namespace
