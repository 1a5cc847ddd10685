// Stands in for the HTML Help control in the help tests: each call of its two
// entries, and its release by FreeLibrary, adds a line to the file named like
// the library with ".calls" appended, so a test reads what the program asked for.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HMODULE Self = nullptr;

void Record(const std::string& line)
{
    char name[MAX_PATH + 8] = {};
    GetModuleFileNameA(Self, name, MAX_PATH);
    std::string fileName = std::string(name) + ".calls";
    HANDLE file = CreateFileA(fileName.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::string Call(const char* entry, HWND caller, const std::string& file, UINT command, DWORD_PTR data)
{
    char numbers[64];
    snprintf(numbers, sizeof(numbers), "|%u|%llu", command, static_cast<unsigned long long>(data));
    const std::string owner = caller == GetDesktopWindow() ? "desktop" : caller ? "other window" : "none";
    return std::string(entry) + "|" + owner + "|" + file + numbers;
}

}  // namespace

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpA(HWND caller, LPCSTR file, UINT command, DWORD_PTR data)
{
    Record(Call("HtmlHelpA", caller, file ? file : "", command, data));
    return nullptr;
}

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpW(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data)
{
    char narrow[4 * MAX_PATH] = {};
    if (file)
        WideCharToMultiByte(CP_UTF8, 0, file, -1, narrow, sizeof(narrow), nullptr, nullptr);
    Record(Call("HtmlHelpW", caller, narrow, command, data));
    return nullptr;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        Self = instance;
    // A null `reserved` tells FreeLibrary from the end of the process.
    if (reason == DLL_PROCESS_DETACH && !reserved)
        Record("freed");
    return TRUE;
}
