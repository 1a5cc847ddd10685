#include "tests/support/UnixSide.h"

#include "classlib/FileSearch.h"
#include "classlib/SysUtils.h"
#include "classlib/Win.h"
#include "tests/support/OutsideTools.h"

namespace {

AnsiString Quoted(const AnsiString& text)
{
    return "\"" + text + "\"";
}


bool Exists(const AnsiString& unixPath)
{
    // The Linux name of the link itself, as Wine sees it; a link is there when Wine lists it.
    return TFileSearch(WindowsPathOfUnix(unixPath)).Found();
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
    return RunHostProgram(L"Z:\\bin\\ln", AnsiToWide("ln -s " + Quoted(unixTarget) + " " + Quoted(unixLink)), {},
                          [&] { return Exists(unixLink); }, 5000);
}

bool RemoveTreeWithLinks(const AnsiString& scratchFolder)
{
    const AnsiString unixFolder = UnixPath(ExcludeTrailingPathDelimiter(scratchFolder));
    if (scratchFolder.find("\\variruvu-") == AnsiString::npos || unixFolder.size() < 8)
        return false;
    return RunHostProgram(L"Z:\\bin\\rm", AnsiToWide("rm -rf " + Quoted(unixFolder)), {},
                          [&] { return Gone(unixFolder); }, 5000);
}

bool RunUnixCommands(const AnsiString& commands, const AnsiString& folder)
{
    const AnsiString done = IncludeTrailingPathDelimiter(folder) + "unix-commands-done";
    const bool ended = RunHostScript("set -e\n" + commands + "\ntouch \"$DONE\"\n", {"DONE=" + UnixPath(done)}, done);
    DeleteFile(done);
    return ended;
}
