// Stands in for the program the shell starts to open a file: it writes its
// command line and the window state it was asked for into the file named like
// itself with ".txt" appended, and ends at once.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    const int show = startup.dwFlags & STARTF_USESHOWWINDOW ? startup.wShowWindow : -1;
    const std::string text = std::string(GetCommandLineA()) + "\nshow=" + std::to_string(show) + "\n";

    char name[MAX_PATH + 8] = {};
    GetModuleFileNameA(nullptr, name, MAX_PATH);
    const std::string record = std::string(name) + ".txt";
    HANDLE file = CreateFileA(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
