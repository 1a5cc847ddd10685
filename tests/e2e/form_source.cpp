#include "form_source.h"

#include <vector>

#include "classlib/SysUtils.h"
#include "lang/LangEscapes.h"
#include "tests/support/ScratchFolder.h"

namespace {

std::vector<AnsiString> SplitLines(const AnsiString& text)
{
    std::vector<AnsiString> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == AnsiString::npos)
            end = text.size();
        AnsiString line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

size_t Indent(const AnsiString& line)
{
    return line.find_first_not_of(' ');
}

}  // namespace

TFormSource::TFormSource(const AnsiString& folder, const AnsiString& name)
    : FForm(ReadFileBytes(folder + "\\" + name + ".form"))
{
    // Each line: property=<8-digit ID>,<English text>
    for (const AnsiString& line : SplitLines(ReadFileBytes(folder + "\\" + name + ".lngsrc"))) {
        const size_t equals = line.find('=');
        const size_t comma = line.find(',', equals);
        if (equals == AnsiString::npos || comma == AnsiString::npos)
            continue;
        const int32_t id = StrToIntDef(line.substr(equals + 1, comma - equals - 1), -1);
        FIDs[line.substr(0, equals)] = id;
        FEnglish[id] = UnescapeLangValue(AnsiToWide(line.substr(comma + 1), CP_UTF8));
    }
}

int32_t TFormSource::ID(const AnsiString& property) const
{
    const auto found = FIDs.find(property);
    return found == FIDs.end() ? -1 : found->second;
}

TFormPlace TFormSource::Place(const AnsiString& component) const
{
    // "object <name>: <class>", then its own properties one step further in;
    // deeper lines belong to the components it holds.
    const AnsiString head = "object " + component + ": ";
    TFormPlace place{};
    const std::vector<AnsiString> lines = SplitLines(FForm);
    for (size_t i = 0; i < lines.size(); ++i) {
        const size_t indent = Indent(lines[i]);
        if (indent == AnsiString::npos || lines[i].compare(indent, head.size(), head) != 0)
            continue;
        place.ClassName = Trim(lines[i].substr(indent + head.size()));
        for (size_t j = i + 1; j < lines.size() && Indent(lines[j]) > indent; ++j) {
            if (Indent(lines[j]) != indent + 2)
                continue;
            const AnsiString property = Trim(lines[j]);
            if (property.rfind("Left = ", 0) == 0)
                place.InParent.x = StrToIntDef(property.substr(7), 0);
            else if (property.rfind("Top = ", 0) == 0)
                place.InParent.y = StrToIntDef(property.substr(6), 0);
        }
        break;
    }
    return place;
}
