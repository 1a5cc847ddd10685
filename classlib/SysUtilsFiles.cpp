#include "classlib/SysUtils.h"

bool FileExists(const AnsiString& fileName)
{
    DWORD attributes = GetFileAttributesA(fileName.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const AnsiString& name)
{
    DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

AnsiString ExpandFileName(const AnsiString& fileName)
{
    char* filePart = nullptr;
    DWORD n = GetFullPathNameA(fileName.c_str(), 0, nullptr, &filePart);
    if (n == 0)
        return fileName;
    AnsiString full(n, '\0');
    n = GetFullPathNameA(fileName.c_str(), n, full.data(), &filePart);
    full.resize(n);
    return full;
}

static size_t LastDelimiter(const AnsiString& fileName)
{
    return fileName.find_last_of("\\:");
}

AnsiString ExtractFilePath(const AnsiString& fileName)
{
    size_t i = LastDelimiter(fileName);
    return i == AnsiString::npos ? AnsiString() : fileName.substr(0, i + 1);
}

AnsiString ExtractFileDir(const AnsiString& fileName)
{
    AnsiString path = ExtractFilePath(fileName);
    bool root = path.size() <= 1 || (path.size() == 3 && path[1] == ':') || path.back() == ':';
    return root ? path : path.substr(0, path.size() - 1);
}

AnsiString ExtractFileName(const AnsiString& fileName)
{
    size_t i = LastDelimiter(fileName);
    return i == AnsiString::npos ? fileName : fileName.substr(i + 1);
}

AnsiString ExtractFileExt(const AnsiString& fileName)
{
    size_t i = fileName.find_last_of(".\\:");
    return i != AnsiString::npos && fileName[i] == '.' ? fileName.substr(i) : AnsiString();
}

AnsiString ChangeFileExt(const AnsiString& fileName, const AnsiString& extension)
{
    return fileName.substr(0, fileName.size() - ExtractFileExt(fileName).size()) + extension;
}

AnsiString IncludeTrailingPathDelimiter(const AnsiString& path)
{
    return (!path.empty() && path.back() == '\\') ? path : path + '\\';
}

AnsiString ExcludeTrailingPathDelimiter(const AnsiString& path)
{
    return (!path.empty() && path.back() == '\\') ? path.substr(0, path.size() - 1) : path;
}

bool DeleteFile(const AnsiString& fileName)
{
    return DeleteFileA(fileName.c_str()) != 0;
}

bool RenameFile(const AnsiString& oldName, const AnsiString& newName)
{
    return MoveFileA(oldName.c_str(), newName.c_str()) != 0;
}

bool CreateDir(const AnsiString& dir)
{
    return CreateDirectoryA(dir.c_str(), nullptr) != 0;
}

bool RemoveDir(const AnsiString& dir)
{
    return RemoveDirectoryA(dir.c_str()) != 0;
}

bool ForceDirectories(const AnsiString& dir)
{
    AnsiString d = ExcludeTrailingPathDelimiter(ExpandFileName(dir));
    if (d.empty())
        return false;
    if (DirectoryExists(d))
        return true;
    AnsiString parent = ExtractFileDir(d);
    if (parent != d && !ForceDirectories(parent))
        return false;
    return CreateDir(d);
}

AnsiString GetCurrentDir()
{
    char buf[MAX_PATH + 1];
    DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
    return AnsiString(buf, n < sizeof buf ? n : 0);
}
