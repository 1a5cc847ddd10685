// The directives of the message constants that are format texts, so that a
// translation cannot hand Format a text its callers' arguments do not fit.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "classlib/System.h"

struct TFormatDirective {
    bool LeftAligned = false;
    size_t Width = 0;
    bool HasPrecision = false;
    size_t Precision = 0;
    // Lower case: the letter's case does not change which argument fits.
    wchar_t Kind = 0;

    bool operator==(const TFormatDirective&) const = default;
};

// The directives in order, as Format reads them, %% left out; none when Format
// refuses the text whatever its arguments (an unknown kind, a directive cut off).
std::optional<std::vector<TFormatDirective>> FormatDirectives(const WideString& text);
// True when the translation may stand for the built-in text: Format reads
// both, and their directives agree in count, order, kind, flag, width and precision.
bool SameFormatDirectives(const WideString& builtIn, const WideString& translation);
