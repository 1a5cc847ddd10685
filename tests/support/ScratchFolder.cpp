#include "tests/support/ScratchFolder.h"

#include <string>

WideString MakeScratchFolder(const WideString& tag)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    for (unsigned n = GetTickCount();; ++n) {
        WideString path = WideString(temp) + L"variruvu-" + tag + L"-" + std::to_wstring(GetCurrentProcessId()) +
                          L"-" + std::to_wstring(n);
        if (CreateDirectoryW(path.c_str(), nullptr))
            return path;
    }
}

void RemoveFolderTree(const WideString& path)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const WideString name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const WideString full = path + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolderTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

AnsiString ReadFileBytes(const AnsiString& fileName)
{
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return AnsiString();
    AnsiString text(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    CloseHandle(file);
    return text.substr(0, read);
}

bool WriteFileBytes(const AnsiString& fileName, const AnsiString& bytes)
{
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                      written == bytes.size();
    CloseHandle(file);
    return done;
}
