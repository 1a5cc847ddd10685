// The language of the running system, as a component.
#pragma once

#include <cstdint>

#include "classlib/Component.h"

// The properties are read-only in effect: values from a form resource or a
// language change are ignored.
class Tquonoslang : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    explicit Tquonoslang(TComponent* AOwner);

    uint16_t GetLangID() const { return FLangID; }
    void SetLangID(uint16_t) {}
    const AnsiString& GetLanguage() const { return FLanguage; }
    void SetLanguage(const AnsiString&) {}
    // "$" and four upper-case hexadecimal digits.
    const AnsiString& GetLangIDHex() const { return FLangIDHex; }
    void SetLangIDHex(const AnsiString&) {}

private:
    uint16_t FLangID;
    AnsiString FLanguage;
    AnsiString FLangIDHex;
};
