// The component classes the program's form descriptions name.
#pragma once

// Registers them so that form streams can make their components.
void RegisterFormClasses();
