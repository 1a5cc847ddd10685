// The UTF-8 and UTF-7 codecs against Python's codecs and the platform's own.
#include <gtest/gtest.h>

#include <random>

#include "unicode/UniSystem.h"
#include "unicode_vectors.h"

namespace {

std::string Hex(const AnsiString& bytes)
{
    std::string out;
    char digits[4];
    for (unsigned char b : bytes) {
        snprintf(digits, sizeof(digits), "%02X ", b);
        out += digits;
    }
    return out;
}

std::string Units(const WideString& s)
{
    std::string out;
    char digits[6];
    for (wchar_t c : s) {
        snprintf(digits, sizeof(digits), "%04X ", unsigned(c));
        out += digits;
    }
    return out;
}

WideString PlatformDecode(UINT codePage, const AnsiString& bytes)
{
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    WideString out(size_t(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), out.data(), n);
    return out;
}

AnsiString PlatformEncode(UINT codePage, const WideString& s)
{
    int n = WideCharToMultiByte(codePage, 0, s.data(), int(s.size()), nullptr, 0, nullptr, nullptr);
    AnsiString out(size_t(n), '\0');
    WideCharToMultiByte(codePage, 0, s.data(), int(s.size()), out.data(), n, nullptr, nullptr);
    return out;
}

bool HasSurrogates(const WideString& s)
{
    for (wchar_t c : s)
        if (c >= 0xD800 && c <= 0xDFFF)
            return true;
    return false;
}

// Any 16-bit units, lone surrogates and control characters included.
WideString RandomUnits(std::mt19937& rng, size_t maxLength)
{
    std::uniform_int_distribution<size_t> length(0, maxLength);
    std::uniform_int_distribution<int> unit(0, 0xFFFF);
    std::uniform_int_distribution<int> ascii(0, 0x7F);
    std::bernoulli_distribution pickAscii(0.5);
    WideString s(length(rng), L'\0');
    for (wchar_t& c : s)
        c = wchar_t(pickAscii(rng) ? ascii(rng) : unit(rng));
    return s;
}

}  // namespace

TEST(Utf8, EncodesEveryUnitAsPythonsSurrogatePassForm)
{
    for (const auto& v : Utf8Encoded)
        EXPECT_EQ(Hex(EncodeUtf8(v.Text)), Hex(v.Bytes)) << Units(v.Text);
}

TEST(Utf8, EncodesTextWithoutSurrogatesAsThePlatformDoes)
{
    for (const auto& v : Utf8Encoded)
        if (!HasSurrogates(v.Text)) {
            EXPECT_EQ(Hex(EncodeUtf8(v.Text)), Hex(PlatformEncode(CP_UTF8, v.Text))) << Units(v.Text);
        }
}

TEST(Utf8, DecodesPythonsStandardFormIncludingFourByteSequences)
{
    for (const auto& v : Utf8Standard) {
        EXPECT_EQ(Units(DecodeUtf8(v.Bytes)), Units(v.Text)) << Hex(v.Bytes);
        EXPECT_EQ(Units(DecodeUtf8(v.Bytes)), Units(PlatformDecode(CP_UTF8, v.Bytes))) << Hex(v.Bytes);
    }
}

TEST(Utf8, ReadsBackWhatItWrote)
{
    for (const auto& v : Utf8Encoded)
        EXPECT_EQ(Units(DecodeUtf8(v.Bytes)), Units(v.Text)) << Hex(v.Bytes);
}

TEST(Utf8, InvalidInputGivesNothing)
{
    for (const AnsiString& bytes : Utf8Invalid)
        EXPECT_EQ(Units(DecodeUtf8(bytes)), "") << Hex(bytes);
}

TEST(Utf8, StatedCases)
{
    EXPECT_EQ(DecodeUtf8("\x41\xC3"), L"");
    EXPECT_EQ(DecodeUtf8("\x41\xC3\xA9"), L"A\u00E9");
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), L"");
    EXPECT_EQ(DecodeUtf8(AnsiString("\xC0\x80", 2)), L"");
    EXPECT_EQ(EncodeUtf8(L"\u20AC"), "\xE2\x82\xAC");
    EXPECT_EQ(EncodeUtf8(L"\xD83D\xDE00").size(), 6u);
    EXPECT_EQ(EncodeUtf8(L""), "");
    EXPECT_EQ(DecodeUtf8(""), L"");
    // One character beyond U+FFFF no longer empties the rest of a text.
    EXPECT_EQ(DecodeUtf8("a\xF0\x9F\x98\x80z"), L"a\xD83D\xDE00z");
}

TEST(Utf8, RandomUnitsRoundTrip)
{
    std::mt19937 rng(8);
    for (int i = 0; i < 2000; ++i) {
        WideString s = RandomUnits(rng, 50);
        ASSERT_EQ(Units(DecodeUtf8(EncodeUtf8(s))), Units(s));
    }
}

TEST(Utf7, EncodesAsPythonDoesButLeavesTheLastRunOpen)
{
    for (const auto& v : Utf7Ours)
        EXPECT_EQ(EncodeUtf7(v.Text), v.Bytes) << Units(v.Text);
}

TEST(Utf7, DecodesPythonsOutputAndItsOwn)
{
    for (const auto& v : Utf7Python)
        EXPECT_EQ(Units(DecodeUtf7(v.Bytes)), Units(v.Text)) << v.Bytes;
    for (const auto& v : Utf7Ours)
        EXPECT_EQ(Units(DecodeUtf7(v.Bytes)), Units(v.Text)) << v.Bytes;
}

TEST(Utf7, ThePlatformReadsWhatItWrites)
{
    for (const auto& v : Utf7Ours)
        EXPECT_EQ(Units(PlatformDecode(CP_UTF7, EncodeUtf7(v.Text))), Units(v.Text)) << v.Bytes;
}

TEST(Utf7, ReadsWhatThePlatformWrites)
{
    for (const auto& v : Utf7Ours)
        EXPECT_EQ(Units(DecodeUtf7(PlatformEncode(CP_UTF7, v.Text))), Units(v.Text));
}

TEST(Utf7, Rfc2152Examples)
{
    struct {
        const wchar_t* Text;
        const char* Ours;
        const char* Rfc;
    } examples[] = {
        {L"A\u2262\u0391.", "A+ImIDkQ.", "A+ImIDkQ."},
        {L"Hi Mom -\u263A-!", "Hi Mom -+Jjo--!", "Hi Mom -+Jjo--!"},
        {L"\u65E5\u672C\u8A9E", "+ZeVnLIqe", "+ZeVnLIqe-"},
        {L"Item 3 is \u00A31.", "Item 3 is +AKM-1.", "Item 3 is +AKM-1."},
    };
    for (const auto& e : examples) {
        EXPECT_EQ(EncodeUtf7(e.Text), e.Ours);
        EXPECT_EQ(DecodeUtf7(e.Rfc), e.Text);
        EXPECT_EQ(DecodeUtf7(e.Ours), e.Text);
    }
}

TEST(Utf7, StatedCases)
{
    EXPECT_EQ(EncodeUtf7(L"A+B"), "A+-B");
    EXPECT_EQ(EncodeUtf7(L"\u00E9"), "+AOk");
    EXPECT_EQ(EncodeUtf7(L""), "");
    EXPECT_EQ(DecodeUtf7("+AOk-"), L"\u00E9");
    EXPECT_EQ(DecodeUtf7("+-"), L"+");
    EXPECT_EQ(DecodeUtf7(""), L"");
}

TEST(Utf7, MalformedInputRaisesAfterReadingItAll)
{
    std::vector<AnsiString> cases = Utf7Invalid;
    cases.push_back("+");  // a run at the end that gave no character
    for (const AnsiString& bytes : cases) {
        try {
            DecodeUtf7(bytes);
            ADD_FAILURE() << "no error for " << Hex(bytes);
        } catch (const EUniGeneralError& e) {
            EXPECT_STREQ(e.what(), "Invalid UTF7");
        }
    }
}

TEST(Utf7, RandomUnitsRoundTrip)
{
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        WideString s = RandomUnits(rng, 50);
        AnsiString encoded = EncodeUtf7(s);
        ASSERT_EQ(Units(DecodeUtf7(encoded)), Units(s)) << encoded;
        ASSERT_EQ(Units(PlatformDecode(CP_UTF7, encoded)), Units(s)) << encoded;
    }
}
