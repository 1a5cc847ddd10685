#include "ChildProcess.h"

#include "classlib/Win.h"

ChildResult RunChild(const std::string& program, const std::string& commandLine,
                     unsigned long timeoutMs)
{
    ChildResult result;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    result.Started = CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE,
                                    DETACHED_PROCESS, nullptr, nullptr, &startup, &process) != FALSE;
    if (!result.Started)
        return result;

    result.Finished = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (!result.Finished) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    GetExitCodeProcess(process.hProcess, &result.ExitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

std::string QuoteArgument(const std::string& argument)
{
    std::string quoted(1, '"');
    return quoted.append(argument).append(1, '"');
}
