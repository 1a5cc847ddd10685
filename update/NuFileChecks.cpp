#include "update/NuFileChecks.h"

#include <vector>

#include "classlib/SysUtils.h"
#include "classlib/Win.h"
#include "update/NuFileRead.h"

int32_t ByteSum(const AnsiString& fileName)
{
    uint32_t sum = 0xFFFFFFFFu;
    ReadFileBlocks(fileName, [&](const uint8_t* data, DWORD count) {
        for (DWORD i = 0; i < count; ++i)
            sum += data[i];
    });
    return static_cast<int32_t>(sum);
}

int32_t LocalFileSize(const AnsiString& fileName)
{
    TSequentialFile file(fileName);
    return file.IsOpen() ? static_cast<int32_t>(GetFileSize(file.Handle(), nullptr)) : 0;
}

void GetFileVersion(const AnsiString& fileName, int32_t& MS, int32_t& LS)
{
    MS = -1;
    LS = -1;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &ignored);
    if (size == 0)
        return;
    std::vector<uint8_t> buffer(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoA(fileName.c_str(), 0, size, buffer.data()) ||
        !VerQueryValueA(buffer.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info ||
        info->dwSignature != 0xFEEF04BD)
        return;
    MS = static_cast<int32_t>(info->dwFileVersionMS);
    LS = static_cast<int32_t>(info->dwFileVersionLS);
}

namespace {

// What a decimal reader makes of the text: the value of the digits it got through,
// and whether the whole text was a number.
struct TNumberRead {
    uint32_t Value = 0;
    bool Whole = false;
};

TNumberRead ReadNumber(const AnsiString& text)
{
    TNumberRead read;
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++i;
    const size_t firstDigit = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        read.Value = read.Value * 10 + static_cast<uint32_t>(text[i] - '0');
    if (negative)
        read.Value = 0u - read.Value;
    read.Whole = i == text.size() && i > firstDigit;
    return read;
}

uint32_t Low16(uint32_t value)
{
    return value & 0xFFFF;
}

}  // namespace

void ParseVersion(const AnsiString& text, int32_t& MS, int32_t& LS)
{
    MS = -1;
    LS = -1;
    const char separator = text.find(',') != AnsiString::npos ? ',' : text.find('.') != AnsiString::npos ? '.' : 0;
    if (!separator) {
        const TNumberRead a = ReadNumber(text);
        if (a.Whole) {
            MS = static_cast<int32_t>(Low16(a.Value) << 16);
            LS = 0;
        }
        return;
    }
    // Takes the part up to the next separator off the front of `rest`; false when none follows.
    AnsiString rest = text;
    auto nextPart = [&](AnsiString& part) {
        const size_t at = rest.find(separator);
        part = rest.substr(0, at);
        rest = at == AnsiString::npos ? AnsiString() : rest.substr(at + 1);
        return rest.find(separator) != AnsiString::npos;
    };
    AnsiString part;
    const bool moreAfterA = nextPart(part);
    const TNumberRead a = ReadNumber(part);
    if (!moreAfterA || !a.Whole) {
        MS = static_cast<int32_t>(Low16(a.Value) << 16 | Low16(ReadNumber(rest).Value));
        LS = 0;
        return;
    }
    const bool moreAfterB = nextPart(part);
    const TNumberRead b = ReadNumber(part);
    MS = static_cast<int32_t>(Low16(a.Value) << 16 | Low16(b.Value));
    if (!moreAfterB || !b.Whole) {
        LS = static_cast<int32_t>(Low16(ReadNumber(rest).Value) << 16);
        return;
    }
    nextPart(part);
    const TNumberRead c = ReadNumber(part);
    const TNumberRead d = ReadNumber(rest);
    if (d.Whole)
        LS = static_cast<int32_t>(Low16(c.Value) << 16 | Low16(d.Value));
}

AnsiString FormatVersion(int32_t MS, int32_t LS)
{
    const uint32_t ms = static_cast<uint32_t>(MS), ls = static_cast<uint32_t>(LS);
    return IntToStr(ms >> 16) + "." + IntToStr(ms & 0xFFFF) + "." + IntToStr(ls >> 16) + "." + IntToStr(ls & 0xFFFF);
}
