#include <gtest/gtest.h>

#include "classlib_fixture.h"

TEST(SysUtils, FormatCoversTheSpecifiersInUse)
{
    EXPECT_EQ(Format("%s-%s", "ansi", L"wide \u00E9"), "ansi-wide \xE9");
    EXPECT_EQ(WideFormat(L"%s|%s", "ansi", L"\u010D"), L"ansi|\u010D");
    EXPECT_EQ(Format("%d %d %d", 0, -17, INT64_MIN), "0 -17 -9223372036854775808");
    EXPECT_EQ(Format("%.8d,%.3d,%.2d", 12, -5, 123), "00000012,-005,123");
    EXPECT_EQ(Format("%x %X %.4X %x", 255, 255, 10, -1), "ff FF 000A ffffffff");
    EXPECT_EQ(Format("%5d|%-5d|%5s|%.2s", 42, 42, "ab", "abcdef"), "   42|42   |   ab|ab");
    EXPECT_EQ(Format("100%% %u", 4000000000u), "100% 4000000000");
    EXPECT_EQ(Format("no arguments"), "no arguments");
    EXPECT_THROW(Format("%d", "text"), EConvertError);
    EXPECT_THROW(Format("%s", 5), EConvertError);
    EXPECT_THROW(Format("%s %s", "one"), EConvertError);
    EXPECT_THROW(Format("%q", 1), EConvertError);
}

TEST(SysUtils, TextComparisonFoldsAsciiOnly)
{
    EXPECT_EQ(CompareText("abc", "ABC"), 0);
    EXPECT_LT(CompareText("ab", "abc"), 0);
    EXPECT_GT(CompareText("b", "ABC"), 0);
    EXPECT_GT(CompareText("_", "z"), 0);  // '_' sorts after the folded letters
    EXPECT_NE(CompareText("\xE4", "\xC4"), 0);
    EXPECT_TRUE(SameText("sShred_Info", "SSHRED_INFO"));
    EXPECT_FALSE(SameText("a", "a "));
    EXPECT_EQ(UpperCase("abc\xE4"), "ABC\xE4");
    EXPECT_EQ(Trim(AnsiString("\t \x01x y\r\n ")), "x y");
    EXPECT_EQ(Trim(WideString(L"  \u00A0x\u00A0 ")), L"\u00A0x\u00A0");
    EXPECT_EQ(TrimLeft(AnsiString("  a ")), "a ");
    EXPECT_EQ(TrimRight(AnsiString("  a ")), "  a");
    EXPECT_EQ(Trim(AnsiString("   ")), "");
}

TEST(SysUtils, IntegersConvertBothWays)
{
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToHex(1038, 4), "040E");
    struct {
        const char* Text;
        bool Ok;
        int32_t Value;
    } cases[] = {{"42", true, 42},       {" -7 ", true, -7},           {"007", true, 7},
                 {"$FF", true, 255},     {"0x10", true, 16},           {"2147483647", true, INT32_MAX},
                 {"-2147483648", true, INT32_MIN}, {"2147483648", false, 0}, {"", false, 0},
                 {"12a", false, 0},      {"-", false, 0},              {"1 2", false, 0}};
    for (auto& c : cases) {
        int32_t v = 0;
        EXPECT_EQ(TryStrToInt(c.Text, v), c.Ok) << c.Text;
        if (c.Ok) {
            EXPECT_EQ(v, c.Value) << c.Text;
        }
        EXPECT_EQ(StrToIntDef(c.Text, -99), c.Ok ? c.Value : -99) << c.Text;
    }
    try {
        StrToInt("abc");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(StrToInt64("9000000000"), 9000000000LL);
}

TEST(SysUtils, DatesEncodeDecodeAndUseTheUserFormats)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1980, 1, 1), 29221.0);
    EXPECT_THROW(EncodeDate(2001, 2, 29), EConvertError);
    TDateTime t = EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 250);
    int y, m, d, h, mi, s, ms;
    DecodeDate(t, y, m, d);
    DecodeTime(t, h, mi, s, ms);
    EXPECT_EQ((std::vector<int>{y, m, d, h, mi, s, ms}), (std::vector<int>{2024, 2, 29, 13, 5, 9, 250}));
    SYSTEMTIME st = DateTimeToSystemTime(t);
    EXPECT_EQ(st.wDayOfWeek, 4);  // a Thursday
    char date[64], time[64];
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, sizeof time);
    EXPECT_EQ(DateTimeToStr(t), AnsiString(date) + " " + time);
    EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 2, 29)), date);
    TDateTime now = Now();
    SYSTEMTIME local;
    GetLocalTime(&local);
    EXPECT_NEAR(now, SystemTimeToDateTime(local), 2.0 / 86400);
}

TEST(SysUtils, PathsFilesAndResourceStrings)
{
    EXPECT_EQ(ExtractFilePath("C:\\a\\b.txt"), "C:\\a\\");
    EXPECT_EQ(ExtractFileDir("C:\\a\\b.txt"), "C:\\a");
    EXPECT_EQ(ExtractFileDir("C:\\b.txt"), "C:\\");
    EXPECT_EQ(ExtractFileName("C:\\a\\b.txt"), "b.txt");
    EXPECT_EQ(ExtractFileExt("C:\\a.d\\b.tar.gz"), ".gz");
    EXPECT_EQ(ExtractFileExt("C:\\a.d\\b"), "");
    EXPECT_EQ(ChangeFileExt("x\\y.ini", ".log"), "x\\y.log");
    EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\a"), "C:\\a\\");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\a\\"), "C:\\a");

    TScratchFolder dir;
    AnsiString deep = dir.File("one\\two\\three");
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_FALSE(FileExists(deep));
    WriteFileBytes(deep + "\\f.txt", "x");
    EXPECT_TRUE(FileExists(deep + "\\f.txt"));
    EXPECT_TRUE(RenameFile(deep + "\\f.txt", deep + "\\g.txt"));
    EXPECT_TRUE(DeleteFile(deep + "\\g.txt"));
    EXPECT_FALSE(DeleteFile(deep + "\\g.txt"));
    EXPECT_TRUE(RemoveDir(deep));

    EXPECT_EQ(LoadStr(4711), "Resource text");
    EXPECT_EQ(LoadWideStr(4711), L"Resource text");
    EXPECT_EQ(LoadStr(4712), "");
    EXPECT_NE(EOSError(ERROR_ACCESS_DENIED).GetMessage().find(SysErrorMessage(ERROR_ACCESS_DENIED)), WideString::npos);
}
