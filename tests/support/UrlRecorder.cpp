#include "tests/support/UrlRecorder.h"

#include "classlib/Registry.h"
#include "classlib/StringLists.h"
#include "classlib/SysUtils.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixSide.h"

AnsiString UrlRecorderCommand()
{
    AnsiString command(1, '"');
    command += WindowsPathOfUnix(VARIRUVU_URL_RECORDER);
    command += "\" \"%1\"";
    return command;
}

TUrlRecorder::TUrlRecorder()
{
    FFolder = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"links")));
    FLog = FFolder + "links.txt";
    SetEnvironmentVariableA("VARIRUVU_URL_LOG", FLog.c_str());
    TRegistry registry(KEY_WRITE);
    registry.SetRootKey(HKEY_CLASSES_ROOT);
    for (const char* scheme : {"http", "https", "mailto"}) {
        if (registry.OpenKey(AnsiString(scheme) + "\\shell\\open\\command", true)) {
            registry.WriteString("", UrlRecorderCommand());
            registry.CloseKey();
        }
    }
}

TUrlRecorder::~TUrlRecorder()
{
    SetEnvironmentVariableA("VARIRUVU_URL_LOG", nullptr);
    RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(FFolder)));
}

std::vector<AnsiString> TUrlRecorder::Links() const
{
    TStringList lines;
    lines.SetText(ReadFileBytes(FLog));
    std::vector<AnsiString> links;
    for (int i = 0; i < lines.GetCount(); ++i)
        links.push_back(lines.GetStrings(i));
    return links;
}

std::vector<AnsiString> TUrlRecorder::WaitForLinks(size_t count, DWORD milliseconds) const
{
    for (const DWORD start = GetTickCount(); Links().size() < count && GetTickCount() - start < milliseconds;)
        Sleep(50);
    return Links();
}

void TUrlRecorder::Clear() const
{
    DeleteFile(FLog);
}
