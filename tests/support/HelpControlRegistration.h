// The HTML Help control's class registration in the test prefix, changed by a
// test and put back as it was when the object goes.
#pragma once

#include "classlib/System.h"
#include "classlib/Win.h"

class THelpControlRegistration {
public:
    THelpControlRegistration();
    ~THelpControlRegistration();
    THelpControlRegistration(const THelpControlRegistration&) = delete;
    THelpControlRegistration& operator=(const THelpControlRegistration&) = delete;

    // The default value of the registration's InprocServer32 key, as these bytes of that type.
    void Set(DWORD type, const AnsiString& bytes);
    // A path as text with its terminating zero.
    void SetPath(const AnsiString& path, DWORD type = REG_SZ);
    void Remove();

private:
    bool FExisted = false;
    bool FHadValue = false;
    DWORD FType = REG_SZ;
    AnsiString FValue;
};
