#include "HostRun.h"

#include "BuiltFiles.h"
#include "ScratchFolder.h"

HostOutcome RunHost(const std::vector<std::string>& scenario)
{
    ScratchFolder scratch;
    const std::string reportFile = scratch.File("report.txt");
    std::vector<std::string> arguments{HostProgramPath(), StagedDllPath(), reportFile};
    arguments.insert(arguments.end(), scenario.begin(), scenario.end());
    std::string line;
    for (const std::string& argument : arguments)
        line.append(line.empty() ? "" : " ").append(QuoteArgument(argument));
    HostOutcome outcome;
    outcome.Process = RunChild(HostProgramPath(), line, 60000);
    outcome.Seen = ParseReport(ReadTextFile(reportFile));
    return outcome;
}
