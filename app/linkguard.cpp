#include "app/linkguard.h"

#include "classlib/FileSearch.h"
#include "classlib/SysUtils.h"

namespace {

using TGetFinalPathName = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);

// Looked up at run time: older systems have no such function, and no file links either.
TGetFinalPathName FinalPathFunction()
{
    static const auto function = reinterpret_cast<TGetFinalPathName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleW")));
    return function;
}

WideString WithoutLongPathPrefix(const WideString& path)
{
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0)
        return L"\\\\" + path.substr(8);
    if (path.rfind(L"\\\\?\\", 0) == 0)
        return path.substr(4);
    return path;
}

WideString WithTrailingDelimiter(const WideString& path)
{
    return !path.empty() && path.back() == L'\\' ? path : path + L"\\";
}

}  // namespace

WideString ResolvedPath(const AnsiString& path)
{
    const TGetFinalPathName finalPath = FinalPathFunction();
    if (!finalPath)
        return AnsiToWide(ExpandFileName(path));
    // No access rights are asked for: the handle only names the file, so a file
    // held open elsewhere or marked read-only resolves as well.
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return WideString();
    WideString buffer(MAX_PATH, L'\0');
    DWORD length = finalPath(file, buffer.data(), static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED);
    if (length >= buffer.size()) {
        buffer.resize(length);
        length = finalPath(file, buffer.data(), static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED);
    }
    CloseHandle(file);
    if (length == 0 || length >= buffer.size())
        return WideString();
    buffer.resize(length);
    return WithoutLongPathPrefix(buffer);
}

bool LeadsOutside(const AnsiString& folder, const WideString& resolvedFolder, const WIN32_FIND_DATAA& entry)
{
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return true;
    const WideString resolved = ResolvedPath(IncludeTrailingPathDelimiter(folder) + entry.cFileName);
    const WideString own = WithTrailingDelimiter(resolvedFolder) + AnsiToWide(entry.cFileName);
    return resolved.empty() || resolvedFolder.empty() || lstrcmpiW(resolved.c_str(), own.c_str()) != 0;
}

bool ChosenPathLeadsOutside(const AnsiString& path)
{
    const AnsiString own = ExcludeTrailingPathDelimiter(path);
    const AnsiString parent = ExtractFilePath(own);
    if (parent.empty() || ExtractFileName(own).empty())
        return false;
    // A pattern names no one item: the search below would judge whatever it matched first.
    if (own.find_first_of("*?") != AnsiString::npos)
        return true;
    TFileSearch search(own);
    if (!search.Found())
        return false;
    return LeadsOutside(parent, ResolvedPath(parent), search.Data());
}
