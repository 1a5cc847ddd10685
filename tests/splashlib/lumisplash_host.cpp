// An outside host of Lumisplash.dll, in the GUI subsystem so that it starts
// without a console of its own. It runs one scenario and writes what it saw
// as "name=value" lines to a report file.
//   lumisplash_host DLL REPORT console
//   lumisplash_host DLL REPORT splash IMAGE MILLISECONDS
#include "LumisplashLibrary.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// What the console shows on one row, without the padding.
std::string ConsoleRow(HANDLE console, SHORT row)
{
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(console, &info);
    std::string text(static_cast<size_t>(info.dwSize.X), ' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterA(console, text.data(), static_cast<DWORD>(text.size()), COORD{0, row},
                                &read);
    text.resize(read);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string Cursor(HANDLE console)
{
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(console, &info))
        return "none";
    return std::to_string(info.dwCursorPosition.X) + "," + std::to_string(info.dwCursorPosition.Y);
}

HANDLE OpenConsoleOutput()
{
    return CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
}

void RunConsole(LumisplashLibrary& dll, std::ofstream& report)
{
    report << "console.before=" << (GetConsoleWindow() != nullptr) << "\n";
    report << "OpenConsole=" << dll.OpenConsole() << "\n";
    report << "OpenConsole.again=" << dll.OpenConsole() << "\n";

    HANDLE console = OpenConsoleOutput();
    dll.WriteLn("Hello, console");
    report << "row0=" << ConsoleRow(console, 0) << "\n";
    report << "cursor.first=" << Cursor(console) << "\n";
    dll.WriteLn("");
    report << "cursor.empty=" << Cursor(console) << "\n";
    dll.WriteLn(nullptr);
    report << "cursor.null=" << Cursor(console) << "\n";
    dll.WriteLn("\xC4\xE8 line three");
    report << "row3=" << ConsoleRow(console, 3) << "\n";
    report << "cursor.last=" << Cursor(console) << "\n";
    CloseHandle(console);

    report << "CloseConsole=" << dll.CloseConsole() << "\n";
    report << "CloseConsole.again=" << dll.CloseConsole() << "\n";
    dll.WriteLn("nobody reads this");
    report << "WriteLn.after=survived\n";
}

LRESULT CALLBACK BackdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextA(dc, "The host's own window, under the splash", -1, &client,
                  DT_CENTER | DT_TOP | DT_SINGLELINE);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A plain window of the host's, so that the splash is seen over something.
HWND ShowBackdrop()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = BackdropProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(RGB(40, 90, 140));
    windowClass.lpszClassName = "LumisplashHostBackdrop";
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Lumisplash host",
                                  WS_OVERLAPPEDWINDOW, 20, 20, 600, 440, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

void RunSplash(LumisplashLibrary& dll, std::ofstream& report, const char* image,
               const char* milliseconds)
{
    HWND backdrop = ShowBackdrop();
    const DWORD start = GetTickCount();
    report << "SplashScreen=" << dll.SplashScreen(0, image, static_cast<uint32_t>(std::atoi(milliseconds)))
           << "\n";
    report << "elapsed=" << GetTickCount() - start << "\n";
    DestroyWindow(backdrop);
}

}

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    std::ofstream report(argv[2]);
    LumisplashLibrary dll(argv[1]);
    report << "bound=" << dll.IsBound() << "\n";
    if (!dll.IsBound()) {
        report << "error=" << dll.GetError() << "\n";
        return 1;
    }
    const std::string scenario = argv[3];
    if (scenario == "console")
        RunConsole(dll, report);
    else if (scenario == "splash" && argc == 6)
        RunSplash(dll, report, argv[4], argv[5]);
    else
        return 2;
    return 0;
}
