// Stands in for the browser and mail program in the test prefix: the shell's
// open command of a URL scheme starts it, and it appends its argument line to
// the file named by VARIRUVU_URL_RECORD, one line per start.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int)
{
    char file[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("VARIRUVU_URL_RECORD", file, sizeof(file));
    if (length == 0 || length >= sizeof(file))
        return 1;
    HANDLE out = CreateFileA(file, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(out, arguments, static_cast<DWORD>(std::strlen(arguments)), &written, nullptr);
    WriteFile(out, "\r\n", 2, &written, nullptr);
    CloseHandle(out);
    return 0;
}
