#include "classlib/SysUtils.h"

Exception::Exception(const WideString& message)
{
    SetMessage(message);
}

Exception::Exception(const AnsiString& message) : Exception(AnsiToWide(message)) {}

void Exception::SetMessage(const WideString& message)
{
    FMessage = message;
    FWhat = WideToAnsi(message, CP_UTF8);
}

WideString SysErrorMessage(DWORD errorCode)
{
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, errorCode, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    WideString out(text ? text : L"", n);
    if (text)
        LocalFree(text);
    while (!out.empty() && (out.back() == L'\n' || out.back() == L'\r' || out.back() == L' ' || out.back() == L'.'))
        out.pop_back();
    return out;
}

EOSError::EOSError(DWORD errorCode)
    : Exception(L"System Error.  Code: " + std::to_wstring(errorCode) + L".\r\n" + SysErrorMessage(errorCode)),
      FErrorCode(errorCode)
{
}

void RaiseLastOSError()
{
    throw EOSError(GetLastError());
}

AnsiString LoadStr(UINT id, HINSTANCE instance)
{
    return WideToAnsi(LoadWideStr(id, instance));
}

WideString LoadWideStr(UINT id, HINSTANCE instance)
{
    const wchar_t* text = nullptr;
    int n = LoadStringW(instance ? instance : GetModuleHandleA(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return n > 0 && text ? WideString(text, static_cast<size_t>(n)) : WideString();
}
