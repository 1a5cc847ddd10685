// The cluster size of the volume that holds a file, remembered per volume
// for the length of one erase run: asking the system costs more than
// erasing a small file, and a volume keeps its clusters while files on it
// are being erased.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>

#include "classlib/System.h"

// Bytes per cluster of the volume that holds `path`, asked anew; 0 when it cannot be told.
int32_t VolumeClusterSize(const AnsiString& path);

class TClusterSizes {
public:
    // Bytes per cluster of the volume that holds `path`; 0 when it cannot be told.
    int32_t For(const AnsiString& path);
    // Forgets every volume: a new run asks again.
    void Clear();

private:
    std::mutex FLock;
    std::map<AnsiString, int32_t> FSizes;  // by volume root
};
