#include "form_source.h"

#include <vector>

#include "classlib/StringLists.h"
#include "classlib/SysUtils.h"
#include "lang/LangEscapes.h"
#include "tests/support/ScratchFolder.h"

namespace {

size_t Indent(const AnsiString& line)
{
    return line.find_first_not_of(' ');
}

}  // namespace

TFormSource::TFormSource(const AnsiString& folder, const AnsiString& name)
    : FForm(ReadFileBytes(folder + "\\" + name + ".form"))
{
    // Each line: property=<8-digit ID>,<English text>
    TStringList source;
    source.SetTextStr(ReadFileBytes(folder + "\\" + name + ".lngsrc"));
    for (int k = 0; k < source.GetCount(); ++k) {
        const AnsiString line = source.Get(k);
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
    TStringList lines;
    lines.SetTextStr(FForm);
    for (int i = 0; i < lines.GetCount(); ++i) {
        const AnsiString line = lines.Get(i);
        const size_t indent = Indent(line);
        if (indent == AnsiString::npos || line.compare(indent, head.size(), head) != 0)
            continue;
        place.ClassName = Trim(line.substr(indent + head.size()));
        for (int j = i + 1; j < lines.GetCount() && Indent(lines.Get(j)) > indent; ++j) {
            if (Indent(lines.Get(j)) != indent + 2)
                continue;
            const AnsiString property = Trim(lines.Get(j));
            if (property.rfind("Left = ", 0) == 0)
                place.InParent.x = StrToIntDef(property.substr(7), 0);
            else if (property.rfind("Top = ", 0) == 0)
                place.InParent.y = StrToIntDef(property.substr(6), 0);
        }
        break;
    }
    return place;
}
