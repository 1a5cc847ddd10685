#include "tests/support/OutsideTools.h"

#include "classlib/StringLists.h"
#include "classlib/SysUtils.h"
#include "classlib/Win.h"
#include "tests/support/ScratchFolder.h"

AnsiString UnixPath(const AnsiString& path)
{
    using TUnixName = char*(CDECL*)(LPCWSTR);
    auto toUnix = reinterpret_cast<TUnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (!toUnix)
        return AnsiString();
    char* unix = toUnix(AnsiToWide(path).c_str());
    AnsiString out = unix ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

namespace {

// This process's environment with the assignments added or replacing their names.
WideString EnvironmentWith(const std::vector<AnsiString>& assignments)
{
    WideString block;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
        const WideString line = entry;
        bool replaced = false;
        for (const AnsiString& assignment : assignments)
            replaced |= _wcsnicmp(line.c_str(), AnsiToWide(assignment).c_str(), assignment.find('=') + 1) == 0;
        if (!replaced)
            block += line + L'\0';
    }
    FreeEnvironmentStringsW(strings);
    for (const AnsiString& assignment : assignments)
        block += AnsiToWide(assignment) + L'\0';
    return block + L'\0';
}

}  // namespace

bool RunHostProgram(const WideString& program, WideString commandLine, const std::vector<AnsiString>& environment,
                    const std::function<bool()>& done, DWORD milliseconds)
{
    WideString block = EnvironmentWith(environment);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        block.data(), nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (const DWORD start = GetTickCount(); !done() && GetTickCount() - start < milliseconds;)
        Sleep(25);
    return done();
}

bool RunHostScript(const AnsiString& script, const std::vector<AnsiString>& environment, const AnsiString& answerFile)
{
    DeleteFile(answerFile);
    const AnsiString scriptFile = answerFile + ".sh";
    WriteFileBytes(scriptFile, script);
    const bool answered = RunHostProgram(L"Z:\\bin\\sh", L"/bin/sh \"" + AnsiToWide(UnixPath(scriptFile)) + L"\"",
                                         environment, [&] { return FileExists(answerFile); }, 120000);
    DeleteFile(scriptFile);
    return answered;
}

bool RunSelfFromHost(const AnsiString& filter, const std::vector<AnsiString>& environment,
                     const AnsiString& answerFile)
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::vector<AnsiString> withChild = environment;
    withChild.push_back("CHILD=" + UnixPath(exe));
    // The launcher that started this program names its architecture's loader.
    return RunHostScript("exec \"$VARIRUVU_WINE_LOADER\" \"$CHILD\" --gtest_filter=" + filter + " >/dev/null 2>&1\n",
                         withChild, answerFile);
}

AnsiString ConfigParserView(const AnsiString& iniFile)
{
    const AnsiString folder = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"configparser")));
    const AnsiString answer = folder + "view.txt";
    const AnsiString script =
        "exec /usr/bin/python3 - \"$INI\" \"$OUT\" <<'EOF'\n"
        "import configparser, os, sys\n"
        "cp = configparser.ConfigParser(interpolation=None)\n"
        "cp.optionxform = str\n"
        "try:\n"
        "    cp.read(sys.argv[1], encoding='latin-1')\n"
        "    text = ''.join(s + '/' + k + '=' + v + '\\n' for s in cp.sections() for k, v in cp.items(s))\n"
        "except configparser.Error as e:\n"
        "    text = 'configparser: ' + type(e).__name__ + '\\n'\n"
        "with open(sys.argv[2] + '.tmp', 'w', newline='\\n') as f:\n"
        "    f.write(text)\n"
        "os.replace(sys.argv[2] + '.tmp', sys.argv[2])\n"
        "EOF\n";
    const bool answered = RunHostScript(script, {"INI=" + UnixPath(iniFile), "OUT=" + UnixPath(answer)}, answer);
    const AnsiString view = answered ? ReadFileBytes(answer) : AnsiString("python3 gave no answer");
    RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(folder)));
    return view;
}

AnsiString RegQuery(const AnsiString& arguments)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return "no pipe";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    AnsiString commandLine = "reg.exe query " + arguments;
    const bool started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(writeEnd);
    AnsiString output;
    char buffer[4096];
    DWORD read = 0;
    while (started && ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        output.append(buffer, read);
    CloseHandle(readEnd);
    if (!started)
        return "reg.exe did not start";
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    TStringList lines;
    lines.SetText(output);
    AnsiString kept;
    for (int i = 0; i < lines.GetCount(); ++i)
        if (!Trim(lines.GetStrings(i)).empty())
            kept += TrimRight(lines.GetStrings(i)) + "\n";
    return kept;
}
