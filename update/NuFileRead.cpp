#include "update/NuFileRead.h"

TSequentialFile::TSequentialFile(const AnsiString& fileName)
    : FHandle(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN | FILE_ATTRIBUTE_NORMAL, nullptr))
{
}

TSequentialFile::~TSequentialFile()
{
    if (IsOpen())
        CloseHandle(FHandle);
}

bool ReadFileBlocks(const AnsiString& fileName, const std::function<void(const uint8_t*, DWORD)>& block)
{
    TSequentialFile file(fileName);
    if (!file.IsOpen())
        return false;
    uint8_t buffer[4096];
    DWORD count = 0;
    do {
        if (!ReadFile(file.Handle(), buffer, sizeof(buffer), &count, nullptr))
            count = 0;
        block(buffer, count);
    } while (count == sizeof(buffer));
    return true;
}
