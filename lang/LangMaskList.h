// File-name masks of full property names (".Caption", "lblName.Font.Name").
#pragma once

#include "classlib/Lists.h"

class TStrings;

class TLang_MaskList : public TObjectList {
public:
    // One mask per line; EMaskException for a line that is no mask.
    explicit TLang_MaskList(const TStrings& lines);
    // True when any mask matches; letters compare without regard to case.
    bool Matches(const AnsiString& name) const;
};
