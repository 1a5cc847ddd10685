// Conversions by code page, locale code pages, key characters and wide resource strings.
#include <gtest/gtest.h>

#include "tests/unicode/unicode_fixture.h"
#include "tests/unicode/unicode_resources.h"
#include "unicode/UniSystem.h"
#include "unicode_vectors.h"

TEST(CodePages, SingleByteCodePagesAgreeWithPythonsTables)
{
    for (const auto& entry : CodePageBytes) {
        AnsiString byte(1, char(entry.Byte));
        WideString wide(1, entry.Char);
        EXPECT_EQ(AnsiToWideCP(byte, entry.CodePage), wide) << entry.CodePage << " byte " << int(entry.Byte);
        EXPECT_EQ(WideToAnsiCP(wide, entry.CodePage), byte) << entry.CodePage << " char " << int(entry.Char);
    }
}

TEST(CodePages, WholeTextsConvertBothWays)
{
    EXPECT_EQ(AnsiToWideCP("\x8A\x9A \xC8", 1250), L"\u0160\u0161 \u010C");
    EXPECT_EQ(WideToAnsiCP(L"\u041F\u0440\u0438\u0432\u0456\u0442", 1251), "\xCF\xF0\xE8\xE2\xB3\xF2");
    EXPECT_EQ(AnsiToWideCP("caf\xE9", 1252), L"caf\u00E9");
}

TEST(CodePages, CharactersTheCodePageLacksBecomeItsDefaultCharacter)
{
    CPINFO info{};
    ASSERT_TRUE(GetCPInfo(1252, &info));
    AnsiString expected = AnsiString("a") + char(info.DefaultChar[0]) + "b";
    EXPECT_EQ(WideToAnsiCP(L"a\u0436b", 1252), expected);
}

TEST(CodePages, Utf7AndUtf8UseTheLayersCodecs)
{
    EXPECT_EQ(AnsiToWideCP("+AOk", CP_UTF7), L"\u00E9");
    EXPECT_EQ(WideToAnsiCP(L"\u00E9", CP_UTF7), "+AOk");
    EXPECT_THROW(AnsiToWideCP("+.", CP_UTF7), EUniGeneralError);
    EXPECT_EQ(AnsiToWideCP("\xC3\xA9", CP_UTF8), L"\u00E9");
    EXPECT_EQ(AnsiToWideCP("\xC0\xAF", CP_UTF8), L"");
    EXPECT_EQ(WideToAnsiCP(L"\xD83D\xDE00", CP_UTF8), "\xED\xA0\xBD\xED\xB8\x80");
}

TEST(CodePages, EmptyTextAndRejectedCodePagesGiveNothing)
{
    EXPECT_EQ(AnsiToWideCP("", 1250), L"");
    EXPECT_EQ(WideToAnsiCP(L"", 1250), "");
    EXPECT_EQ(AnsiToWideCP("abc", 12345), L"");
    EXPECT_EQ(WideToAnsiCP(L"abc", 12345), "");
}

TEST(CodePages, LocaleCodePagesOfTheProgramsLanguages)
{
    struct {
        LCID Locale;
        UINT CodePage;
    } languages[] = {{1029, 1250}, {1031, 1252}, {1033, 1252}, {1038, 1250}, {1058, 1251}};
    for (const auto& l : languages)
        EXPECT_EQ(GetLocaleAnsiCodePage(l.Locale), l.CodePage) << l.Locale;
    EXPECT_EQ(GetLocaleAnsiCodePage(0x7FFF), GetACP());
}

TEST(CodePages, DefaultCodePageIsTheThreadsOnNewerNtSystems)
{
    EXPECT_EQ(DefaultCodePage(), UINT(CP_THREAD_ACP));
}

TEST(CodePages, KeyCharacters)
{
    EXPECT_EQ(KeyCharToUnicode(0x263A), wchar_t(0x263A));
    EXPECT_EQ(KeyCharToUnicode('A'), L'A');
    EXPECT_EQ(KeyCharToUnicode(0xE8), AnsiToWideCP("\xE8", GetKeyboardCodePage())[0]);
}

TEST(CodePages, SwapStopsAtTheFirstZeroUnit)
{
    wchar_t text[] = {0x4100, 0x0042, 0x0000, 0x1234};
    SwapUtf16Bytes(text);
    EXPECT_EQ(text[0], wchar_t(0x0041));
    EXPECT_EQ(text[1], wchar_t(0x4200));
    EXPECT_EQ(text[3], wchar_t(0x1234));
}

using WideResourceStrings = TPlatformTest;

TEST_P(WideResourceStrings, LoadsTheProgramsStrings)
{
    TResStringRec czech{nullptr, IDS_TEST_CZECH};
    EXPECT_EQ(LoadWideResourceString(&czech), L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148");
    TResStringRec first{GetModuleHandleW(nullptr), IDS_TEST_FIRST};
    EXPECT_EQ(LoadWideResourceString(&first), L"first string");
    TResStringRec missing{nullptr, IDS_TEST_MISSING};
    EXPECT_EQ(LoadWideResourceString(&missing), L"");
    EXPECT_EQ(LoadWideResourceString(nullptr), L"");
}

INSTANTIATE_PLATFORMS(WideResourceStrings);
