#include "classlib/SysUtils.h"

Exception::Exception(const WideString& message)
{
    SetMessage(message);
}

Exception::Exception(const AnsiString& message) : Exception(AnsiToWide(message)) {}

void Exception::SetMessage(const WideString& message)
{
    FMessage = message;
    FWhat = WideToAnsi(message, CP_UTF8);
}

WideString SysErrorMessage(DWORD errorCode)
{
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, errorCode, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    WideString out(text ? text : L"", n);
    if (text)
        LocalFree(text);
    while (!out.empty() && (out.back() == L'\n' || out.back() == L'\r' || out.back() == L' ' || out.back() == L'.'))
        out.pop_back();
    return out;
}

EOSError::EOSError(DWORD errorCode)
    : Exception(L"System Error.  Code: " + std::to_wstring(errorCode) + L".\r\n" + SysErrorMessage(errorCode)),
      FErrorCode(errorCode)
{
}

void RaiseLastOSError()
{
    throw EOSError(GetLastError());
}

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

AnsiString ExtractFileName(const AnsiString& fileName)
{
    size_t i = LastDelimiter(fileName);
    return i == AnsiString::npos ? fileName : fileName.substr(i + 1);
}

AnsiString IncludeTrailingPathDelimiter(const AnsiString& path)
{
    return (!path.empty() && path.back() == '\\') ? path : path + '\\';
}
