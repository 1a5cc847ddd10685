#include <gtest/gtest.h>

#include "lang/LangEscapes.h"

namespace {

struct TEscapeCase {
    WideString From;
    WideString To;
};

TEST(LangEscapes, UnescapeReadsEveryEscapeAndLeavesOtherBackslashes)
{
    const TEscapeCase cases[] = {
        {L"plain", L"plain"},
        {L"a\\\\b", L"a\\b"},
        {L"\\\\n", L"\\n"},
        {L"one\\ntwo", L"one\r\ntwo"},
        {L"col\\tcol", L"col\tcol"},
        {L"\\65", L"A"},
        {L"\\00x", WideString(1, L'\0') + L"x"},  // code 0 is a character like any other
        {L"\\99", L"c"},
        {L"\\6x", L"\\6x"},
        {L"\\6", L"\\6"},
        {L"\\N\\T", L"\\N\\T"},
        {L"end\\", L"end\\"},
        {L"\\x", L"\\x"},
        {L"\\\\\\n", L"\\\r\n"},
        {L"\\123", WideString(1, wchar_t(12)) + L"3"},
    };
    for (const TEscapeCase& c : cases)
        EXPECT_EQ(UnescapeLangValue(c.From), c.To) << WideToAnsi(c.From, CP_UTF8);
}

TEST(LangEscapes, EscapeWritesLineBreaksControlsAndBackslashes)
{
    const TEscapeCase cases[] = {
        {L"plain Ünïcode", L"plain Ünïcode"},
        {L"a\tb", L"a\\tb"},
        {L"a\r\nb", L"a\\nb"},
        {L"a\n\rb", L"a\\nb"},
        {L"a\rb", L"a\\nb"},
        {L"a\nb", L"a\\nb"},
        {L"a\r\rb", L"a\\n\\nb"},
        {L"a\n\nb", L"a\\n\\nb"},
        {L"back\\slash", L"back\\\\slash"},
        {L"\x01\x1F", L"\\01\\31"},
    };
    for (const TEscapeCase& c : cases)
        EXPECT_EQ(EscapeLangValue(c.From), c.To) << WideToAnsi(c.From, CP_UTF8);
}

TEST(LangEscapes, RoundTripTurnsEveryLineBreakIntoCrLf)
{
    WideString text = L"a\rb\nc\r\nd\n\re\\f\tg\x05h";
    EXPECT_EQ(UnescapeLangValue(EscapeLangValue(text)), L"a\r\nb\r\nc\r\nd\r\ne\\f\tg\x05h");
}

}  // namespace
