// Sequential reading of a local file in 4096-byte blocks, as the file checks read it.
#pragma once

#include <cstdint>
#include <functional>

#include "classlib/System.h"
#include "classlib/Win.h"

// A file opened for reading with the sequential-scan hint; closed with the object.
class TSequentialFile {
public:
    explicit TSequentialFile(const AnsiString& fileName);
    ~TSequentialFile();
    TSequentialFile(const TSequentialFile&) = delete;
    TSequentialFile& operator=(const TSequentialFile&) = delete;

    bool IsOpen() const { return FHandle != INVALID_HANDLE_VALUE; }
    HANDLE Handle() const { return FHandle; }

private:
    HANDLE FHandle;
};

// Hands every block to `block` until a read brings fewer than 4096 bytes (a failed
// read counts as none); false when the file cannot be opened.
bool ReadFileBlocks(const AnsiString& fileName, const std::function<void(const uint8_t*, DWORD)>& block);
