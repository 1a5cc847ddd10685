// Terminated buffers, delimiters, tokens and line breaks.
#include <gtest/gtest.h>

#include <cstdint>

#include "unicode/UniWideStrUtils.h"

TEST(LineBreaks, EveryKindOfBreakInEachStyle)
{
    const WideString text = L"a\r\nb\rc\nd\u2028e";
    struct {
        TLineBreakStyle Style;
        const wchar_t* Expected;
    } cases[] = {
        {lbsCRLF, L"a\r\nb\r\nc\r\nd\r\ne"},
        {lbsLF, L"a\nb\nc\nd\ne"},
        {lbsCR, L"a\rb\rc\rd\re"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConvertLineBreaksW(text, c.Style), c.Expected);
        EXPECT_EQ(ConvertedLineBreaksLength(text, c.Style), wcslen(c.Expected));
    }
    EXPECT_EQ(ConvertLineBreaksW(L"\n\r", lbsCRLF), L"\r\n\r\n");
    EXPECT_EQ(ConvertLineBreaksW(L"\r\n\u2028", lbsLF), L"\n\n");
    EXPECT_EQ(ConvertLineBreaksW(L"", lbsCRLF), L"");
    EXPECT_EQ(ConvertLineBreaksW(L"\r", lbsCRLF), L"\r\n");
}

TEST(Delimiters, PositionsAreOneBased)
{
    EXPECT_TRUE(IsDelimiterW(L".,", L"a,b", 2));
    EXPECT_FALSE(IsDelimiterW(L".,", L"a,b", 1));
    EXPECT_FALSE(IsDelimiterW(L".,", L"a,b", 0));
    EXPECT_FALSE(IsDelimiterW(L".,", L"a,b", 4));
    EXPECT_TRUE(IsPathDelimiterW(L"C:\\", 3));
    EXPECT_FALSE(IsPathDelimiterW(L"C:\\", 2));
    EXPECT_FALSE(IsPathDelimiterW(L"", 1));
    EXPECT_EQ(LastDelimiterW(L"\\:", L"C:\\dir\\file"), 7u);
    EXPECT_EQ(LastDelimiterW(L"\\:", L"file"), 0u);
    EXPECT_EQ(LastDelimiterW(L"\\", L""), 0u);
}

TEST(Tokens, NextTokenMovesTheCursorBehindTheDelimiter)
{
    const wchar_t* cursor = L"one|two";
    WideString token;
    NextTokenW(cursor, L'|', token);
    EXPECT_EQ(token, L"one");
    EXPECT_EQ(WideString(cursor), L"two");
    NextTokenW(cursor, L'|', token);
    EXPECT_EQ(token, L"two");
    EXPECT_EQ(*cursor, L'\0');
    NextTokenW(cursor, L'|', token);
    EXPECT_EQ(token, L"");
    EXPECT_EQ(*cursor, L'\0');
}

TEST(Tokens, SplitEndsAtTheFirstEmptyToken)
{
    using Tokens = std::vector<WideString>;
    EXPECT_EQ(SplitWideBuffer(L"a|b||c", L'|'), (Tokens{L"a", L"b"}));
    EXPECT_EQ(SplitWideBuffer(L"a|b|", L'|'), (Tokens{L"a", L"b"}));
    EXPECT_EQ(SplitWideBuffer(L"|a", L'|'), Tokens{});
    EXPECT_EQ(SplitWideBuffer(L"", L'|'), Tokens{});
    // A list of terminated names, as the file dialog returns several (the literal adds the last NUL).
    EXPECT_EQ(SplitWideBuffer(L"C:\\Data\0a.txt\0b.txt\0", L'\0'), (Tokens{L"C:\\Data", L"a.txt", L"b.txt"}));
    EXPECT_EQ(SplitWideBuffer(L"C:\\Data\\a.txt\0", L'\0'), Tokens{L"C:\\Data\\a.txt"});
    WideString many;
    for (int i = 0; i < 600; ++i)
        many += std::to_wstring(i) + L";";
    Tokens split = SplitWideBuffer(many.c_str(), L';');
    ASSERT_EQ(split.size(), 600u);
    EXPECT_EQ(split[599], L"599");
    EXPECT_EQ(split.capacity(), 600u);
}

TEST(Buffers, LengthsEndsAndScans)
{
    const wchar_t text[] = L"abcabc";
    EXPECT_EQ(StrLenW(text), 6u);
    EXPECT_EQ(StrLenW(L""), 0u);
    EXPECT_EQ(StrEndW(text), text + 6);
    EXPECT_EQ(StrScanW(text, L'c'), text + 2);
    EXPECT_EQ(StrScanW(text, L'\0'), text + 6);
    EXPECT_EQ(StrScanW(text, L'z'), nullptr);
    EXPECT_EQ(LastCharW(text), text + 5);
    EXPECT_EQ(LastCharW(L""), nullptr);
}

TEST(Buffers, CopiesAreBoundedAndTerminated)
{
    wchar_t dest[8];
    EXPECT_EQ(StrLCopyW(dest, L"abcdef", 3), dest);
    EXPECT_EQ(WideString(dest), L"abc");
    StrLCopyW(dest, L"ab", 5);
    EXPECT_EQ(WideString(dest), L"ab");
    StrPLCopyW(dest, L"xyz");
    EXPECT_EQ(WideString(dest), L"xyz");
    wchar_t overlap[] = L"abcdef";
    StrMoveW(overlap + 1, overlap, 3);
    EXPECT_EQ(WideString(overlap), L"aabcef");
}

TEST(Buffers, NewBufferCarriesItsByteSize)
{
    TWideBuffer copy = StrNewW(L"\u017Elu\u0165");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(WideString(copy.get()), L"\u017Elu\u0165");
    uint32_t bytes;
    memcpy(&bytes, reinterpret_cast<const char*>(copy.get()) - sizeof(bytes), sizeof(bytes));
    EXPECT_EQ(bytes, sizeof(uint32_t) + 5 * sizeof(wchar_t));
    EXPECT_EQ(StrNewW(static_cast<const wchar_t*>(nullptr)), nullptr);
    EXPECT_EQ(WideString(StrNewW(WideString(L"")).get()), L"");
}
