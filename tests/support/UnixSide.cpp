#include "tests/support/UnixSide.h"

#include "tests/support/OutsideTools.h"

#include <vector>

#include "classlib/SysUtils.h"
#include "classlib/Win.h"

namespace {

AnsiString Quoted(const AnsiString& text)
{
    return "\"" + text + "\"";
}

// Wine starts a Linux program named by a Windows path as a Linux process; its end
// cannot be waited for through the handle, so the caller watches for its effect.
bool RunUnixProgram(const AnsiString& commandLine, bool (*done)(const AnsiString&), const AnsiString& subject)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    AnsiString line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    for (int i = 0; i < 200 && !done(subject); ++i)
        Sleep(25);
    return done(subject);
}

bool Exists(const AnsiString& unixPath)
{
    // The Linux name of the link itself, as Wine sees it; a link is there when Wine lists it.
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(WindowsPathOfUnix(unixPath).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    FindClose(find);
    return true;
}

bool Gone(const AnsiString& unixPath)
{
    return GetFileAttributesA(WindowsPathOfUnix(unixPath).c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace

AnsiString WindowsPathOfUnix(const AnsiString& unixPath)
{
    AnsiString path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

bool MakeSymbolicLink(const AnsiString& target, const AnsiString& link)
{
    const AnsiString unixTarget = UnixPath(target);
    const AnsiString unixLink = UnixPath(link);
    if (unixTarget.empty() || unixLink.empty())
        return false;
    return RunUnixProgram("Z:\\bin\\ln -s " + Quoted(unixTarget) + " " + Quoted(unixLink), Exists, unixLink);
}

bool RemoveTreeWithLinks(const AnsiString& scratchFolder)
{
    const AnsiString unixFolder = UnixPath(ExcludeTrailingPathDelimiter(scratchFolder));
    if (scratchFolder.find("\\variruvu-") == AnsiString::npos || unixFolder.size() < 8)
        return false;
    return RunUnixProgram("Z:\\bin\\rm -rf " + Quoted(unixFolder), Gone, unixFolder);
}
