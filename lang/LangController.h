// What the language manager needs of a form's language controller.
#pragma once

#include "classlib/System.h"

class TLang_CompTranslation;

class ILanguageController {
public:
    // The form's section in language files: its own section name, else the owner's Name.
    virtual WideString GetLangSection() const = 0;
    // Raise OnLanguageChanging and OnLanguageChanged, when assigned.
    virtual void LanguageChanging() = 0;
    virtual void LanguageChanged() = 0;
    // Sets the listed properties from the section, or to their default texts for null.
    virtual void Apply(const TLang_CompTranslation* section, UINT codePage) = 0;

protected:
    ~ILanguageController() = default;
};
