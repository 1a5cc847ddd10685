#include "tools/nusetup/restartline.h"

#include <algorithm>

namespace {

const char* const Blanks = " \t";

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(Blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

bool IsDotsOnly(const std::string& name) { return name.find_first_not_of('.') == std::string::npos; }

bool ReadProcessId(const std::string& text, size_t& pos, DWORD& id)
{
    const size_t start = pos;
    unsigned long long value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 10)
        value = value * 10 + static_cast<unsigned>(text[pos++] - '0');
    if (pos == start || value == 0 || value > 0xFFFFFFFFull)
        return false;
    id = static_cast<DWORD>(value);
    return true;
}

bool ReadProgram(const std::string& text, size_t& pos, std::string& program)
{
    size_t end;
    if (pos < text.size() && text[pos] == '"') {
        end = text.find('"', pos + 1);
        if (end == std::string::npos)
            return false;
        program = text.substr(pos + 1, end - pos - 1);
        ++end;
    } else {
        end = std::min(text.find(' ', pos), text.size());
        program = text.substr(pos, end - pos);
    }
    pos = end;
    return !program.empty();
}

bool SkipBlank(const std::string& text, size_t& pos)
{
    if (pos >= text.size() || text[pos] != ' ')
        return false;
    ++pos;
    return true;
}

}  // namespace

std::string SkipProgramName(const std::string& commandLine)
{
    size_t pos = commandLine.find_first_not_of(Blanks);
    if (pos == std::string::npos)
        return std::string();
    if (commandLine[pos] == '"') {
        pos = commandLine.find('"', pos + 1);
        pos = pos == std::string::npos ? commandLine.size() : pos + 1;
    } else {
        pos = std::min(commandLine.find_first_of(Blanks, pos), commandLine.size());
    }
    const size_t rest = commandLine.find_first_not_of(Blanks, pos);
    return rest == std::string::npos ? std::string() : commandLine.substr(rest);
}

bool ParseRestartLine(const std::string& text, TRestartLine& line)
{
    TRestartLine parsed;
    size_t pos = text.find_first_not_of(Blanks);
    if (pos == std::string::npos || !ReadProcessId(text, pos, parsed.ProcessId) || !SkipBlank(text, pos))
        return false;
    if (pos >= text.size() || (text[pos] != 'L' && text[pos] != 'X'))
        return false;
    parsed.Logging = text[pos++] == 'L';
    if (!SkipBlank(text, pos) || !ReadProgram(text, pos, parsed.Program) || !SkipBlank(text, pos))
        return false;

    const std::string rest = text.substr(pos);
    const size_t close = rest.rfind('"');
    if (close == std::string::npos || close == 0)
        return false;
    const size_t open = rest.rfind('"', close - 1);
    if (open == std::string::npos || (open > 0 && rest[open - 1] != ' '))
        return false;
    if (close + 1 < rest.size() && rest[close + 1] != ' ')
        return false;
    parsed.DownloadFolder = rest.substr(open + 1, close - open - 1);
    parsed.Components = Trimmed(rest.substr(close + 1));

    std::string parameters = open > 0 ? rest.substr(0, open - 1) : std::string();
    if (parameters.size() >= 2 && parameters.front() == '"' && parameters.back() == '"')
        parameters = parameters.substr(1, parameters.size() - 2);
    parsed.Parameters = Trimmed(parameters);
    line = parsed;
    return true;
}

std::vector<std::string> ComponentNames(const std::string& components)
{
    std::vector<std::string> names;
    size_t start = 0;
    while (start < components.size()) {
        const size_t end = std::min(components.find_first_of(",; \t", start), components.size());
        const std::string entry = components.substr(start, end - start);
        const size_t slash = entry.find_last_of("\\/");
        const std::string name = slash == std::string::npos ? entry : entry.substr(slash + 1);
        if (!name.empty() && !IsDotsOnly(name) && name.find(':') == std::string::npos)
            names.push_back(name);
        start = end + 1;
    }
    return names;
}
