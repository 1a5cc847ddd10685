#include "Lumisplash.h"

#include <string>

bool __stdcall OpenConsole()
{
    return AllocConsole() != FALSE;
}

// Some systems report success for freeing a console that is not there, so
// without a console the answer is 0 before FreeConsole is asked.
bool __stdcall CloseConsole()
{
    if (GetConsoleCP() == 0)
        return false;
    return FreeConsole() != FALSE;
}

// A null text counts as empty. The line feed goes out in the same write,
// so a line never reaches the console in two pieces.
void __stdcall WriteLn(const char* text)
{
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == INVALID_HANDLE_VALUE)
        return;
    std::string line = text ? text : "";
    line += '\n';
    DWORD written = 0;
    WriteConsoleA(output, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}
