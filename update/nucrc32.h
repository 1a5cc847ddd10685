// The file checksum of the update control files: the reflected CRC-32 table,
// with each step's result added to the running value rather than replacing it.
#pragma once

#include <cstdint>

#include "classlib/System.h"

uint32_t ChecksumStep(uint8_t value, uint32_t crc);
// 0 for an empty file and for one that cannot be opened.
int32_t FileChecksum(const AnsiString& fileName);
