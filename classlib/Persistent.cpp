#include "classlib/Persistent.h"

VARIRUVU_CLASS_INFO(TPersistent, TObject) {}

void TPersistent::Assign(TPersistent* source)
{
    if (!source)
        throw EConvertError(Format("Cannot assign a %s to a %s", "nil", AnsiString(ClassName())));
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest)
{
    throw EConvertError(Format("Cannot assign a %s to a %s", AnsiString(ClassName()),
                               dest ? AnsiString(dest->ClassName()) : AnsiString("nil")));
}

void TPersistent::DefineProperties(TFiler*) {}

AnsiString TPersistent::GetNamePath() const
{
    return ClassName();
}
