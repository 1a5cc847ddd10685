// The main window as the repository describes it: the ID and English text of
// each translatable property, and where the form places each component.
#pragma once

#include <cstdint>
#include <map>

#include "classlib/System.h"
#include "classlib/Win.h"

// Texts by their ID.
using TTextsByID = std::map<int32_t, WideString>;

struct TFormPlace {
    AnsiString ClassName;
    // The top left corner in the parent's client area.
    POINT InParent;
};

class TFormSource {
public:
    // From `<folder>\<name>.lngsrc` and `<folder>\<name>.form`.
    TFormSource(const AnsiString& folder, const AnsiString& name);

    // The ID of a property ("btnShred.Caption"); -1 when it is not translatable.
    int32_t ID(const AnsiString& property) const;
    // The form's own texts, escapes read.
    const TTextsByID& English() const { return FEnglish; }
    // A component's class and place; an empty class name when the form has no such component.
    TFormPlace Place(const AnsiString& component) const;

private:
    std::map<AnsiString, int32_t> FIDs;
    TTextsByID FEnglish;
    AnsiString FForm;
};
