#include "classlib/Masks.h"

namespace {

char Up(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

TMask::TMask(const AnsiString& mask)
{
    for (size_t i = 0; i < mask.size(); ++i) {
        TElement e{};
        char c = mask[i];
        if (c == '*') {
            e.Kind = mkRun;
        } else if (c == '?') {
            e.Kind = mkAny;
        } else if (c == '[') {
            size_t start = i;
            e.Kind = mkSet;
            ++i;
            if (i < mask.size() && mask[i] == '!') {
                e.Negated = true;
                ++i;
            }
            while (i < mask.size() && mask[i] != ']') {
                char low = Up(mask[i]);
                char high = low;
                if (i + 2 < mask.size() && mask[i + 1] == '-' && mask[i + 2] != ']') {
                    high = Up(mask[i + 2]);
                    i += 2;
                }
                e.Ranges.emplace_back(low, high);
                ++i;
            }
            if (i >= mask.size())
                throw EMaskException(Format("'%s' is an invalid mask at (%d)", mask, static_cast<int>(start + 1)));
        } else {
            e.Kind = mkChar;
            e.Char = Up(c);
        }
        FElements.push_back(std::move(e));
    }
}

bool TMask::ElementMatches(const TElement& e, char c) const
{
    c = Up(c);
    switch (e.Kind) {
    case mkChar:
        return c == e.Char;
    case mkAny:
        return true;
    case mkSet: {
        bool in = false;
        for (auto [low, high] : e.Ranges)
            in = in || (static_cast<unsigned char>(c) >= static_cast<unsigned char>(low) &&
                        static_cast<unsigned char>(c) <= static_cast<unsigned char>(high));
        return in != e.Negated;
    }
    default:
        return false;
    }
}

bool TMask::Matches(const AnsiString& name) const
{
    // Greedy with one backtrack point: the last '*' seen.
    size_t p = 0, n = 0;
    size_t starP = SIZE_MAX, starN = 0;
    while (n < name.size()) {
        if (p < FElements.size() && FElements[p].Kind == mkRun) {
            starP = p++;
            starN = n;
        } else if (p < FElements.size() && ElementMatches(FElements[p], name[n])) {
            ++p;
            ++n;
        } else if (starP != SIZE_MAX) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < FElements.size() && FElements[p].Kind == mkRun)
        ++p;
    return p == FElements.size();
}

bool MatchesMask(const AnsiString& name, const AnsiString& mask)
{
    return TMask(mask).Matches(name);
}
