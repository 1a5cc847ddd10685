#include "tools/langdata/formtextpatch.h"

#include <vector>

#include "classlib/FormText.h"
#include "classlib/StringLists.h"
#include "classlib/SysUtils.h"

namespace {

// Lines end at CR, LF or CR LF.
std::vector<AnsiString> SplitLines(const AnsiString& text)
{
    TStringList list;
    list.SetTextStr(text);
    std::vector<AnsiString> lines;
    for (int i = 0; i < list.GetCount(); ++i)
        lines.push_back(list.Get(i));
    return lines;
}

size_t Indent(const AnsiString& line)
{
    const size_t first = line.find_first_not_of(' ');
    return first == AnsiString::npos ? line.size() : first;
}

bool StartsWith(const AnsiString& line, size_t at, const AnsiString& prefix)
{
    return line.compare(at, prefix.size(), prefix) == 0;
}

std::vector<AnsiString> BinaryLines(const AnsiString& indent, const AnsiString& name, const AnsiString& data)
{
    static constexpr size_t BytesPerRow = 32;
    std::vector<AnsiString> lines{indent + name + " = {"};
    for (size_t row = 0; row < data.size(); row += BytesPerRow) {
        AnsiString line = indent + "  ";
        for (size_t i = row; i < data.size() && i < row + BytesPerRow; ++i)
            line += Format("%.2X", static_cast<unsigned char>(data[i]));
        lines.push_back(line);
    }
    lines.back() += "}";
    return lines;
}

}  // namespace

AnsiString SetBinaryProperty(const AnsiString& text, const AnsiString& objectName, const AnsiString& name,
                             const AnsiString& data)
{
    std::vector<AnsiString> lines = SplitLines(text);
    size_t objectLine = 0;
    while (objectLine < lines.size()) {
        const AnsiString& line = lines[objectLine];
        const size_t at = Indent(line);
        if (StartsWith(line, at, "object " + objectName + ":") || StartsWith(line, at, "object " + objectName + " :"))
            break;
        ++objectLine;
    }
    if (objectLine == lines.size())
        throw EParserError(Format("Object %s not found", objectName));

    const size_t objectIndent = Indent(lines[objectLine]);
    const AnsiString bodyIndent(objectIndent + 2, ' ');
    size_t insertAt = objectLine + 1;
    for (size_t i = objectLine + 1; i < lines.size(); ++i) {
        const size_t at = Indent(lines[i]);
        if (at <= objectIndent || (at == bodyIndent.size() && StartsWith(lines[i], at, "object "))) {
            insertAt = i;
            break;
        }
        if (at == bodyIndent.size() && StartsWith(lines[i], at, name + " = {")) {
            size_t last = i;
            while (last < lines.size() && lines[last].find('}') == AnsiString::npos)
                ++last;
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i),
                        lines.begin() + static_cast<std::ptrdiff_t>(std::min(last + 1, lines.size())));
            insertAt = i;
            break;
        }
        insertAt = i + 1;
    }
    const std::vector<AnsiString> property = BinaryLines(bodyIndent, name, data);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), property.begin(), property.end());

    AnsiString result;
    for (const AnsiString& line : lines)
        result += line + "\n";
    return result;
}
