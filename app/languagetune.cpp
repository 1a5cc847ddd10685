#include "app/languagetune.h"

#include "classlib/Streams.h"
#include "classlib/SysUtils.h"
#include "classlib/Win.h"
#include <mmsystem.h>

AnsiString TuneName(int languageIndex)
{
    static constexpr const char* tunes[] = {"us", "cz", "de", "", "uk"};
    return languageIndex >= 0 && languageIndex < 5 ? AnsiString(tunes[languageIndex]) : AnsiString();
}

AnsiString TuneFileName(int languageIndex)
{
    static constexpr const char* files[] = {"us.mid", "cz.mid", "de.mid", "hu.mid", "uk.mid"};
    return languageIndex >= 0 && languageIndex < 5 ? AnsiString(files[languageIndex]) : AnsiString();
}

bool SaveTuneResource(const char* resourceType, const AnsiString& resourceName, const AnsiString& fileName)
{
    TResourceStream resource(GetModuleHandleA(nullptr), resourceName, resourceType);
    try {
        TFileStream file(fileName, fmCreate);
        file.WriteBuffer(resource.GetMemory(), static_cast<int32_t>(resource.GetSize()));
        return true;
    } catch (const EStreamError&) {
        return false;
    }
}

namespace {

// The file's path as one word of a command: its deepest folder that exists
// (the scratch folder may be gone by the time "stop" is sent) in its short
// form, the rest as it is. Where the volume keeps no short names and a blank
// remains, the path goes in double quotes.
AnsiString CommandName(const AnsiString& fileName)
{
    AnsiString folder = ExtractFilePath(fileName);
    AnsiString rest = ExtractFileName(fileName);
    while (!folder.empty() && !DirectoryExists(folder)) {
        const AnsiString inner = ExcludeTrailingPathDelimiter(folder);
        const AnsiString parent = ExtractFilePath(inner);
        if (parent == folder)
            break;
        rest = ExtractFileName(inner) + "\\" + rest;
        folder = parent;
    }
    char shortName[MAX_PATH + 1] = {};
    const DWORD length = GetShortPathNameA(folder.c_str(), shortName, MAX_PATH);
    const AnsiString name = (length > 0 && length <= MAX_PATH ? AnsiString(shortName, length) : folder) + rest;
    return name.find(' ') == AnsiString::npos ? name : "\"" + name + "\"";
}

}  // namespace

void SendTuneCommand(const char* verb, const AnsiString& fileName)
{
    const AnsiString command = AnsiString(verb) + " " + CommandName(fileName);
    mciSendStringA(command.c_str(), nullptr, 0, nullptr);
}
