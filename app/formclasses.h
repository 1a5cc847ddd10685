// The component classes the program's form descriptions name.
#pragma once

#include "classlib/Component.h"
#include "classlib/SysUtils.h"

// Registers them so that form streams can make their components.
void RegisterFormClasses();

// A component the form resource must hold; a missing one is a broken build.
template <class T>
T* RequiredPart(TComponent* form, const char* name)
{
    T* part = dynamic_cast<T*>(form->FindComponent(name));
    if (!part)
        throw Exception(AnsiToWide("The window " + form->GetName() + " lacks its component " + name));
    return part;
}
