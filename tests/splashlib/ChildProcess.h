#pragma once

#include <string>

struct ChildResult {
    bool Started = false;
    bool Finished = false;  // within the time allowed
    unsigned long ExitCode = 0;
};

// Runs a program detached from any console of ours and waits for it. A
// program that does not end in time is stopped.
ChildResult RunChild(const std::string& program, const std::string& commandLine,
                     unsigned long timeoutMs);

// Builds a command line that hands each argument over unchanged.
std::string QuoteArgument(const std::string& argument);
