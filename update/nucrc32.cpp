#include "update/nucrc32.h"

#include <array>

#include "update/NuFileRead.h"

namespace {

constexpr std::array<uint32_t, 256> MakeTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> Table = MakeTable();

}  // namespace

uint32_t ChecksumStep(uint8_t value, uint32_t crc)
{
    return Table[(value ^ crc) & 255] ^ (crc >> 8);
}

int32_t FileChecksum(const AnsiString& fileName)
{
    uint32_t crc = 0xFFFFFFFFu;
    ReadFileBlocks(fileName, [&](const uint8_t* data, DWORD count) {
        for (DWORD i = 0; i < count; ++i)
            crc += ChecksumStep(data[i], crc);
    });
    return static_cast<int32_t>(~crc);
}
