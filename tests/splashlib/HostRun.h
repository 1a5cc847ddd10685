#pragma once

#include "ChildProcess.h"
#include "Report.h"

#include <string>
#include <vector>

struct HostOutcome {
    ChildResult Process;
    Report Seen;
};

// Runs the separate host program on the staged DLL with one scenario.
HostOutcome RunHost(const std::vector<std::string>& scenario);
