// The update helper: started by the update component just before the program
// ends, it waits for that process, moves the program's own downloaded files
// from the download folder into the program's folder, and starts the program
// again with its parameters. With mode L it appends what it does to the
// update log that "nupdate.ini" names.
#include <string>

#include "classlib/Win.h"
#include "tools/nusetup/restartline.h"

namespace {

// How long the program may take to end after asking for the helper.
const DWORD ProgramEndTimeout = 120000;
// A file the ended process held may stay locked for a moment.
const int ReplaceAttempts = 40;
const DWORD ReplaceRetryDelay = 250;

std::string AppDataFolder()
{
    char folder[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)) ? folder : "";
}

// The log the component writes: the name from "nupdate.ini", in the
// application-data folder unless it is a path of its own.
std::string LogFilePath()
{
    const std::string appData = AppDataFolder();
    char name[MAX_PATH] = {};
    GetPrivateProfileStringA("Config", "LogfileName", "NUPDATE.LOG", name, MAX_PATH, (appData + "\\nupdate.ini").c_str());
    const std::string logName = name;
    return logName.find_first_of("\\/:") != std::string::npos ? logName : appData + "\\" + logName;
}

std::string LocaleText(LCTYPE item, const char* fallback)
{
    char text[8] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text) > 1 ? text : fallback;
}

class THelperLog {
public:
    explicit THelperLog(bool enabled) : FPath(enabled ? LogFilePath() : std::string()) {}

    // "dd/mm/yyyy hh:nn:ss : [nusetup] text", with the system's separators, as the component's lines.
    void Add(const std::string& text) const
    {
        if (FPath.empty())
            return;
        SYSTEMTIME now;
        GetLocalTime(&now);
        const std::string date = LocaleText(LOCALE_SDATE, "/"), time = LocaleText(LOCALE_STIME, ":");
        char stamp[64];
        wsprintfA(stamp, "%02u%s%02u%s%04u %02u%s%02u%s%02u", now.wDay, date.c_str(), now.wMonth, date.c_str(),
                  now.wYear, now.wHour, time.c_str(), now.wMinute, time.c_str(), now.wSecond);
        const std::string line = std::string(stamp) + " : [nusetup] " + text + "\r\n";
        HANDLE file = CreateFileA(FPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return;
        DWORD written = 0;
        WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(file);
    }

private:
    std::string FPath;
};

std::string WithBackslash(const std::string& folder)
{
    return folder.empty() || folder.back() == '\\' || folder.back() == '/' ? folder : folder + "\\";
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool WaitForProgramEnd(DWORD processId)
{
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process)
        return true;  // already gone
    const bool ended = WaitForSingleObject(process, ProgramEndTimeout) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

bool MoveIntoPlace(const std::string& source, const std::string& target)
{
    for (int attempt = 0; attempt < ReplaceAttempts; ++attempt) {
        if (MoveFileExA(source.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH))
            return true;
        Sleep(ReplaceRetryDelay);
    }
    return false;
}

// False when a downloaded component could not be put in place.
bool ReplaceComponents(const TRestartLine& line, const std::string& programFolder, const THelperLog& log)
{
    bool allReplaced = true;
    const std::string downloadFolder = WithBackslash(line.DownloadFolder);
    for (const std::string& name : ComponentNames(line.Components)) {
        const std::string source = downloadFolder + name, target = programFolder + name;
        if (GetFileAttributesA(source.c_str()) == INVALID_FILE_ATTRIBUTES) {
            log.Add("Not downloaded: " + source);
        } else if (MoveIntoPlace(source, target)) {
            log.Add("Replaced " + target + " with " + source);
        } else {
            log.Add("Cannot replace " + target + " with " + source + " (error " + std::to_string(GetLastError()) + ")");
            allReplaced = false;
        }
    }
    return allReplaced;
}

bool StartProgram(const TRestartLine& line, const std::string& programFolder, const THelperLog& log)
{
    std::string commandLine = "\"" + line.Program + "\"";
    if (!line.Parameters.empty())
        commandLine += " " + line.Parameters;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(line.Program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        programFolder.empty() ? nullptr : programFolder.c_str(), &startup, &process)) {
        log.Add("Cannot start " + commandLine + " (error " + std::to_string(GetLastError()) + ")");
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    log.Add("Started " + commandLine);
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string parameters = SkipProgramName(GetCommandLineA());
    TRestartLine line;
    if (!ParseRestartLine(parameters, line))
        return 2;
    const THelperLog log(line.Logging);
    log.Add("Update helper started: " + parameters);

    if (!WaitForProgramEnd(line.ProcessId)) {
        log.Add("Process " + std::to_string(line.ProcessId) + " did not end; nothing replaced");
        return 3;
    }
    log.Add("Process " + std::to_string(line.ProcessId) + " has ended");

    const std::string programFolder = FolderOf(line.Program);
    const bool replaced = ReplaceComponents(line, programFolder, log);
    const bool started = StartProgram(line, programFolder, log);
    return replaced && started ? 0 : 1;
}
