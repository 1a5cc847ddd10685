// A link program of the web folder: opens its one page in the user's browser.
#include "classlib/Win.h"
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", WEBLINK_URL, nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32 ? 0 : 1;
}
