#include "lang/LangFormatDirectives.h"

#include <algorithm>

namespace {

// Larger numbers stop growing here, so a long run of digits cannot overflow.
constexpr size_t NumberCap = 0x7FFFFFFF;

size_t ReadNumber(const WideString& text, size_t& i)
{
    size_t value = 0;
    while (i < text.size() && text[i] >= L'0' && text[i] <= L'9')
        value = std::min(value * 10 + size_t(text[i++] - L'0'), NumberCap);
    return value;
}

bool IsKnownKind(wchar_t kind)
{
    return kind == L's' || kind == L'd' || kind == L'u' || kind == L'x';
}

}  // namespace

std::optional<std::vector<TFormatDirective>> FormatDirectives(const WideString& text)
{
    std::vector<TFormatDirective> directives;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i++] != L'%')
            continue;
        if (i < text.size() && text[i] == L'%') {
            ++i;
            continue;
        }
        TFormatDirective directive;
        if (i < text.size() && text[i] == L'-') {
            directive.LeftAligned = true;
            ++i;
        }
        directive.Width = ReadNumber(text, i);
        if (i < text.size() && text[i] == L'.') {
            directive.HasPrecision = true;
            directive.Precision = ReadNumber(text, ++i);
        }
        if (i >= text.size())
            return std::nullopt;
        wchar_t kind = text[i++];
        directive.Kind = kind >= L'A' && kind <= L'Z' ? wchar_t(kind - L'A' + L'a') : kind;
        if (!IsKnownKind(directive.Kind))
            return std::nullopt;
        directives.push_back(directive);
    }
    return directives;
}

bool SameFormatDirectives(const WideString& builtIn, const WideString& translation)
{
    auto expected = FormatDirectives(builtIn);
    return expected && FormatDirectives(translation) == expected;
}
