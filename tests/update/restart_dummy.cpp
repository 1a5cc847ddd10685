// Stands in for the program the update helper restarts. Each run appends one
// line to the file that VARIRUVU_DUMMY_REPORT names:
//   <old|new> data=<content of data.dll beside it> args=<arguments joined by |>
// A copy whose file ends in the marker below is the new version; the old one
// takes a while to end, reading data.dll only at its very end, so a helper
// that did not wait would show up in the old line.
#include <string>

#include "classlib/Win.h"

namespace {

const char NewVersionMarker[] = "NEW-VERSION";

std::string FileBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "(none)";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes.substr(0, read);
}

}  // namespace

int main(int argc, char** argv)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string path = self, folder = path.substr(0, path.rfind('\\') + 1);
    const std::string image = FileBytes(path);
    const bool isNew = image.size() > sizeof NewVersionMarker &&
                       image.compare(image.size() - (sizeof NewVersionMarker - 1), std::string::npos, NewVersionMarker) == 0;
    if (!isNew)
        Sleep(1500);

    std::string line = std::string(isNew ? "new" : "old") + " data=" + FileBytes(folder + "data.dll") + " args=";
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += '|';
        line += argv[i];
    }
    line += "\n";
    char report[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("VARIRUVU_DUMMY_REPORT", report, MAX_PATH))
        return 1;
    HANDLE file = CreateFileA(report, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
