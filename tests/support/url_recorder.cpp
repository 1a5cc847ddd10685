// Stands in for the browser and the mail program of the test prefix: the
// shell hands it each link it is asked to open, and it appends every argument
// as a line (UTF-8) to the file the environment variable VARIRUVU_URL_LOG
// names, or to url_recorder.log beside itself when none is named.
#include "classlib/Win.h"
#include <shellapi.h>

#include <string>

namespace {

std::wstring LogFileName()
{
    wchar_t named[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"VARIRUVU_URL_LOG", named, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return named;
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring log = self;
    return log.substr(0, log.find_last_of(L'\\') + 1) + L"url_recorder.log";
}

std::string Utf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? static_cast<size_t>(size - 1) : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string lines;
    for (int i = 1; i < count; ++i)
        lines += Utf8(args[i]) + "\n";
    LocalFree(args);
    // Appended in one write, so that the line of one link is never split.
    HANDLE log = CreateFileW(LogFileName().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const bool ok = WriteFile(log, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
    CloseHandle(log);
    return ok ? 0 : 1;
}
