#include "components/KitPropSetters.h"

namespace {

const TPropInfo* WritableProp(TComponent* component, const AnsiString& name, TTypeKinds kinds)
{
    if (!component)
        return nullptr;
    const TPropInfo* prop = GetPropInfo(component, name, kinds);
    return prop && prop->HasSetter() ? prop : nullptr;
}

}  // namespace

void SetOrdPropIfPublished(TComponent* component, const AnsiString& name, int64_t value)
{
    if (const TPropInfo* prop = WritableProp(component, name, tkOrdinal))
        SetOrdProp(component, *prop, value);
}

void CopyFrameSidesProp(TComponent* source, TComponent* dest)
{
    const TPropInfo* from = source ? GetPropInfo(source, "FrameSides", TTypeKinds{tkSet}) : nullptr;
    const TPropInfo* to = WritableProp(dest, "FrameSides", TTypeKinds{tkSet});
    if (from && to)
        SetSetProp(dest, *to, GetSetProp(source, *from));
}
