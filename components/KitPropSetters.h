// Setting a published property of another component by name, when it has one.
#pragma once

#include "classlib/Classes.h"

// Sets the ordinal property `name` (a Boolean, an enumeration, a colour...) of
// `component`; nothing when the component is null or publishes no writable
// ordinal property of that name.
void SetOrdPropIfPublished(TComponent* component, const AnsiString& name, int64_t value);
// Copies the set property "FrameSides" from `source` to `dest` by its element
// names, so that the two may declare the set with types of their own.
void CopyFrameSidesProp(TComponent* source, TComponent* dest);
