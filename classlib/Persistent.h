// Objects that can be copied into each other and streamed.
#pragma once

#include "classlib/TypInfo.h"

class TFiler;

class TPersistent : public TObject {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    // Copies `source` into this object: source->AssignTo(this) unless a
    // descendant knows the source's class. EConvertError when neither side does.
    virtual void Assign(TPersistent* source);
    // Copies this object into `dest`; the base raises EConvertError "Cannot assign a %s to a %s".
    virtual void AssignTo(TPersistent* dest);
    // Declares the streamed values that are not published properties.
    virtual void DefineProperties(TFiler* filer);
    // The object this one belongs to, for path names; null by default.
    virtual TPersistent* GetOwner() const { return nullptr; }
    virtual AnsiString GetNamePath() const;
};
