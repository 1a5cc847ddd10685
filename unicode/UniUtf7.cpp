#include "unicode/UniSystem.h"

#include <array>
#include <utility>

namespace {

constexpr char Base64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<int8_t, 256> MakeBase64Values()
{
    std::array<int8_t, 256> values{};
    values.fill(-1);
    for (int i = 0; i < 64; ++i)
        values[uint8_t(Base64Alphabet[i])] = int8_t(i);
    return values;
}

// Characters written as they are: RFC 2152 sets D and O and the four white-space characters.
constexpr std::array<bool, 128> MakeDirectCharacters()
{
    std::array<bool, 128> direct{};
    constexpr char directSet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789'(),-./:?"
        "!\"#$%&*;<=>@[]^_`{|}"
        "\t\r\n ";
    for (const char* p = directSet; *p; ++p)
        direct[uint8_t(*p)] = true;
    return direct;
}

constexpr std::array<int8_t, 256> Base64Values = MakeBase64Values();
constexpr std::array<bool, 128> DirectCharacters = MakeDirectCharacters();

bool NeedsEncoding(wchar_t c)
{
    return c >= 128 || !DirectCharacters[size_t(c)];
}

bool IsBase64Character(wchar_t c)
{
    return c < 128 && Base64Values[size_t(c)] >= 0;
}

// A result buffer sized in advance; running past its end is a fault of the sizing.
template <class S>
class TBoundedOutput {
public:
    explicit TBoundedOutput(size_t capacity) : FText(capacity, typename S::value_type()) {}
    void Put(typename S::value_type c)
    {
        if (FCount == FText.size())
            throw EUniInternalError("Buffer overflow");
        FText[FCount++] = c;
    }
    S Take()
    {
        FText.resize(FCount);
        return std::move(FText);
    }

private:
    S FText;
    size_t FCount = 0;
};

}  // namespace

AnsiString EncodeUtf7(const WideString& s)
{
    TBoundedOutput<AnsiString> out(s.size() * 7);
    bool inRun = false;
    uint32_t bits = 0;
    int bitCount = 0;
    auto flushBits = [&] {
        if (bitCount > 0)
            out.Put(Base64Alphabet[(bits << (6 - bitCount)) & 0x3F]);
        bitCount = 0;
    };
    for (wchar_t c : s) {
        if (!NeedsEncoding(c)) {
            if (inRun) {
                flushBits();
                if (IsBase64Character(c) || c == L'-')
                    out.Put('-');
                inRun = false;
            }
            out.Put(char(c));
            continue;
        }
        if (!inRun) {
            out.Put('+');
            if (c == L'+') {
                out.Put('-');
                continue;
            }
            inRun = true;
        }
        bits = (bits << 16) | uint16_t(c);
        bitCount += 16;
        while (bitCount >= 6) {
            bitCount -= 6;
            out.Put(Base64Alphabet[(bits >> bitCount) & 0x3F]);
        }
    }
    flushBits();
    return out.Take();
}

WideString DecodeUtf7(const AnsiString& s)
{
    TBoundedOutput<WideString> out(s.size());
    bool invalid = false;
    size_t i = 0;
    while (i < s.size()) {
        auto b = uint8_t(s[i++]);
        if (b != '+') {
            invalid |= b >= 128;
            out.Put(wchar_t(b));
            continue;
        }
        uint32_t bits = 0;
        int bitCount = 0;
        size_t runStart = i;
        size_t units = 0;
        for (; i < s.size() && Base64Values[uint8_t(s[i])] >= 0; ++i) {
            bits = (bits << 6) | uint32_t(Base64Values[uint8_t(s[i])]);
            bitCount += 6;
            if (bitCount >= 16) {
                bitCount -= 16;
                out.Put(wchar_t((bits >> bitCount) & 0xFFFF));
                ++units;
            }
        }
        bool dash = i < s.size() && s[i] == '-';
        if (dash)
            ++i;
        if (dash && i - 1 == runStart) {
            out.Put(L'+');
            continue;
        }
        if (units == 0 || (bits & ((1u << bitCount) - 1)) != 0)
            invalid = true;
    }
    if (invalid)
        throw EUniGeneralError("Invalid UTF7");
    return out.Take();
}
