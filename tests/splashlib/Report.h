#pragma once

#include <map>
#include <string>

// The "name=value" lines that the host program writes.
using Report = std::map<std::string, std::string>;

Report ParseReport(const std::string& text);
