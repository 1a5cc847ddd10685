// Status reports and the update log.
#include <shlobj.h>

#include "classlib/SysUtils.h"
#include "update/NUpdate.h"

namespace {

// One log name for the whole program: the one set last on any instance.
AnsiString& ProgramLogName()
{
    static AnsiString name = "nupdate.log";
    return name;
}

AnsiString LocaleSeparator(LCTYPE type, char fallback)
{
    char buffer[8] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof(buffer)) > 1 ? AnsiString(buffer)
                                                                                   : AnsiString(1, fallback);
}

AnsiString LogTimeStamp()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const AnsiString d = LocaleSeparator(LOCALE_SDATE, '/'), t = LocaleSeparator(LOCALE_STIME, ':');
    return Format("%.2d", now.wDay) + d + Format("%.2d", now.wMonth) + d + Format("%.4d", now.wYear) + " " +
           Format("%.2d", now.wHour) + t + Format("%.2d", now.wMinute) + t + Format("%.2d", now.wSecond);
}

}  // namespace

void TNetUpdate::SetLogFileName(const AnsiString& value)
{
    FLogFileName = value;
    ProgramLogName() = value;
}

AnsiString TNetUpdate::UpdateLogPath()
{
    const AnsiString& name = ProgramLogName();
    if (name.find_first_of("\\/:") != AnsiString::npos)
        return name;
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return AnsiString(folder) + "\\" + name;
}

void TNetUpdate::AppendLogLine(const AnsiString& Line)
{
    const AnsiString path = UpdateLogPath();
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw EInOutError(GetLastError(), AnsiToWide("Unable to write to " + path));
    const AnsiString text = Line + "\r\n";
    DWORD written = 0;
    const bool wrote = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                       written == text.size();
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!wrote)
        throw EInOutError(error, AnsiToWide("Unable to write to " + path));
}

void TNetUpdate::ReportStatus(int32_t MsgId, const AnsiString& Text, int32_t StatusCode, int32_t ErrCode)
{
    const AnsiString message = Format(LoadStr(static_cast<UINT>(MsgId)), Text);
    if (FLogging)
        AppendLogLine(LogTimeStamp() + " : [" + IntToStr(MsgId) + "] " + message + " (Status:" +
                      IntToStr(StatusCode) + ") (Error:" + IntToStr(ErrCode) + ")");
    FOnStatus(this, message, StatusCode, ErrCode);
}
