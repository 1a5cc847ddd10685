#include "app/programversion.h"

#include <vector>

#include "app/programfolder.h"
#include "classlib/SysUtils.h"
#include "classlib/Win.h"

TVersionWords ReadVersionWords(const AnsiString& fileName)
{
    TVersionWords words;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &handle);
    if (size == 0)
        return words;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(fileName.c_str(), 0, size, block.data()))
        return words;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length) || length < sizeof(*info))
        return words;
    words.Major = HIWORD(info->dwFileVersionMS);
    words.Minor = LOWORD(info->dwFileVersionMS);
    words.Release = HIWORD(info->dwFileVersionLS);
    words.Build = LOWORD(info->dwFileVersionLS);
    return words;
}

AnsiString VersionText(const TVersionWords& words)
{
    return IntToStr(words.Major) + "." + IntToStr(words.Minor) + "." + IntToStr(words.Release) + "." +
           IntToStr(words.Build);
}

AnsiString GetProgramVersion()
{
    return VersionText(ReadVersionWords(ProgramFileName()));
}
