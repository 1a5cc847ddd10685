#pragma once

#include <string>

// The files the build made, as Windows paths for this process.
std::string StagedDllPath();
std::string HostProgramPath();
// What objdump -p printed for the staged DLL when it was built.
std::string ObjdumpTextPath();
