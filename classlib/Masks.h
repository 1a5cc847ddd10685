// File-name masks: '*' any run, '?' any one character, [abc], [a-z] and
// [!...] one character of (or not of) a set; letters compare without regard to case.
#pragma once

#include <vector>

#include "classlib/Object.h"
#include "classlib/SysUtils.h"

VARIRUVU_EXCEPTION(EMaskException, Exception);

class TMask : public TObject {
public:
    // EMaskException "'%s' is an invalid mask at (%d)" for a set without its ']'.
    explicit TMask(const AnsiString& mask);
    bool Matches(const AnsiString& name) const;

private:
    enum TKind { mkChar, mkAny, mkRun, mkSet };
    struct TElement {
        TKind Kind;
        char Char = 0;
        bool Negated = false;
        std::vector<std::pair<char, char>> Ranges;
    };

    bool ElementMatches(const TElement& e, char c) const;

    std::vector<TElement> FElements;
};

bool MatchesMask(const AnsiString& name, const AnsiString& mask);
