// The connection and the transfers: HTTP and FTP over WinINet, local copies, the login and the form post.
#include <functional>
#include <memory>

#include "classlib/Forms.h"
#include "classlib/Streams.h"
#include "classlib/SysUtils.h"
#include "update/NUpdate.h"
#include "update/NuBase64.h"
#include "update/NuLogin.h"
#include "update/NuUrls.h"

namespace {

// A WinINet handle closed with the object.
class TInternetHandle {
public:
    explicit TInternetHandle(HINTERNET handle = nullptr) : FHandle(handle) {}
    ~TInternetHandle() { Close(); }
    TInternetHandle(const TInternetHandle&) = delete;
    TInternetHandle& operator=(const TInternetHandle&) = delete;

    HINTERNET Get() const { return FHandle; }
    void Reset(HINTERNET handle)
    {
        Close();
        FHandle = handle;
    }
    void Close()
    {
        if (FHandle)
            InternetCloseHandle(FHandle);
        FHandle = nullptr;
    }

private:
    HINTERNET FHandle;
};

// Calls a WinINet function looked up by name at every use; -1 when it cannot be found.
template <class F, class... A>
int CallByName(const char* name, A... args)
{
    HMODULE wininet = LoadLibraryA("wininet.dll");
    auto function = wininet ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(wininet, name))) : nullptr;
    const int answer = function ? static_cast<int>(function(args...)) : -1;
    if (wininet)
        FreeLibrary(wininet);
    return answer;
}

using TAutodial = BOOL(WINAPI*)(DWORD, HWND);
using TAutodialHangup = BOOL(WINAPI*)(DWORD);
using TGetConnectedState = BOOL(WINAPI*)(DWORD*, DWORD);

// A header of the answer as a number; false when the answer does not carry it.
bool QueryNumber(HINTERNET request, DWORD query, int32_t& value)
{
    DWORD number = 0, length = sizeof(number), index = 0;
    if (!HttpQueryInfoA(request, query | HTTP_QUERY_FLAG_NUMBER, &number, &length, &index))
        return false;
    value = static_cast<int32_t>(number);
    return true;
}

// A new, empty file of the platform's naming in the folder; empty when none could be made.
AnsiString NewTemporaryFile(const AnsiString& folder)
{
    char name[MAX_PATH] = {};
    return GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "NUPD", 0, name) ? AnsiString(name)
                                                                                     : AnsiString();
}

}  // namespace

// ---- the connection ----

bool TNetUpdate::IsConnected()
{
    if (FURL.find("127.0.0.1") != AnsiString::npos)
        return true;
    DWORD flags = 0;
    return CallByName<TGetConnectedState>("InternetGetConnectedState", &flags, DWORD(0)) != 0;
}

void TNetUpdate::SetConnectTimeOut(int32_t Milliseconds)
{
    DWORD value = static_cast<DWORD>(Milliseconds);
    InternetSetOptionA(SessionHandle, INTERNET_OPTION_CONNECT_TIMEOUT, &value, sizeof(value));
}

void TNetUpdate::SetReceiveTimeOut(int32_t Milliseconds)
{
    FReceiveTimeOut = Milliseconds;
    DWORD value = static_cast<DWORD>(Milliseconds);
    if (SessionHandle && Milliseconds > 0)
        InternetSetOptionA(SessionHandle, INTERNET_OPTION_RECEIVE_TIMEOUT, &value, sizeof(value));
}

int32_t TNetUpdate::StartConnection()
{
    SessionHandle = nullptr;
    ConnectHandle = nullptr;
    if (FUpdateType == fileUpdate)
        return 0;
    ReportStatus(918, "", 3, 0);
    if (FUpdateConnect == nucNone)
        return 0;
    const bool prompt = FUpdateConnect == nucConnectPrompt || FUpdateConnect == nucConnectPromptHangup;
    const bool silent = FUpdateConnect == nucConnectSilent || FUpdateConnect == nucConnectSilentHangup;
    if (!IsConnected() && FUpdateConnect == nucNoConnect)
        return 1;
    if (!IsConnected() && prompt) {
        ReportStatus(919, "", 3, 0);
        if (CallByName<TAutodial>("InternetAutodial", DWORD(INTERNET_AUTODIAL_FORCE_ONLINE), HWND(nullptr)) == 0) {
            ReportStatus(953, "", 3, 0);
            return 3;
        }
        Dialled = true;
    }
    if (!IsConnected() && silent) {
        ReportStatus(920, "", 3, 0);
        if (CallByName<TAutodial>("InternetAutodial", DWORD(INTERNET_AUTODIAL_FORCE_UNATTENDED), HWND(nullptr)) ==
            0) {
            ReportStatus(953, "", 3, 0);
            return 3;
        }
        Dialled = true;
    }
    ReportStatus(921, "", 3, 0);
    SessionHandle = FProxy.empty()
                        ? InternetOpenA(FAgent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)
                        : InternetOpenA(FAgent.c_str(), INTERNET_OPEN_TYPE_PROXY, FProxy.c_str(), nullptr, 0);
    if (!SessionHandle) {
        ReportStatus(922, "", 1, 0);
        return 2;
    }
    if (FTimeOut > 0)
        SetConnectTimeOut(FTimeOut);
    if (FReceiveTimeOut > 0)
        SetReceiveTimeOut(FReceiveTimeOut);
    if (FCertCheck == ccDisable) {
        DWORD flags = SECURITY_FLAG_IGNORE_UNKNOWN_CA | SECURITY_FLAG_IGNORE_CERT_DATE_INVALID |
                      SECURITY_FLAG_IGNORE_CERT_CN_INVALID;
        InternetSetOptionA(SessionHandle, INTERNET_OPTION_SECURITY_FLAGS, &flags, sizeof(flags));
    }
    if (FUpdateType == httpUpdate)
        ConnectHandle = SessionHandle;
    return 0;
}

int32_t TNetUpdate::ConnectFtp()
{
    FtpFolderSet = false;
    ReportStatus(923, FHost, 3, 0);
    const bool login = !FUserID.empty() && !FPassword.empty();
    ConnectHandle = InternetConnectA(SessionHandle, FHost.c_str(), static_cast<INTERNET_PORT>(FPort),
                                     login ? FUserID.c_str() : nullptr, login ? FPassword.c_str() : nullptr,
                                     INTERNET_SERVICE_FTP, FFTPPassive ? INTERNET_FLAG_PASSIVE : 0, 0);
    return ConnectHandle ? 0 : -1;
}

void TNetUpdate::StopConnection()
{
    if (FUpdateType != fileUpdate) {
        if (FUpdateType == ftpUpdate && ConnectHandle) {
            InternetCloseHandle(ConnectHandle);
            ReportStatus(954, "", 3, 0);
            ConnectHandle = nullptr;
        }
        if (SessionHandle) {
            InternetCloseHandle(SessionHandle);
            ReportStatus(949, "", 3, 0);
            SessionHandle = nullptr;
            ConnectHandle = nullptr;
        }
        if (Dialled && (FUpdateConnect == nucConnectPromptHangup || FUpdateConnect == nucConnectSilentHangup)) {
            CallByName<TAutodialHangup>("InternetAutodialHangup", DWORD(0));
            ReportStatus(955, "", 3, 0);
        }
        ReportStatus(949, "", 3, 0);
    }
    if (!ControlFileName.empty()) {
        DeleteFile(ControlFileName);
        ControlFileName.clear();
    }
}

void TNetUpdate::ReportInternetError()
{
    const DWORD code = GetLastError();
    if (code == 0)
        return;
    AnsiString text;
    if (code == ERROR_INTERNET_EXTENDED_ERROR) {
        DWORD error = 0, length = 0;
        InternetGetLastResponseInfoA(&error, nullptr, &length);
        if (length == 0)
            return;
        AnsiString response(length + 1, '\0');
        ++length;
        InternetGetLastResponseInfoA(&error, response.data(), &length);
        text = response.c_str();
        if (text.empty())
            return;
    } else {
        char buffer[1025] = {};
        FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS, GetModuleHandleA("wininet.dll"),
                       code, 0, buffer, sizeof(buffer), nullptr);
        text = buffer;
    }
    ReportStatus(976, text, 1, static_cast<int32_t>(code));
    if (!FOnStatus && FUpdateUpdate != nuuSilent)
        Application->MessageBox(text, Application->GetTitle(), MB_OK | MB_ICONERROR);
}

// ---- names from addresses ----

void TNetUpdate::FileNameFromURL(const AnsiString& Address, AnsiString& Name)
{
    Name = NameFromURL(Address);
    FOnFileNameFromURL(this, Address, Name);
}

// ---- downloads ----

bool TNetUpdate::AskLogin(AnsiString& user, AnsiString& password, const AnsiString& address)
{
    AnsiString newUser, newPassword;
    if (!ShowLoginDialog("Connect to " + HostFromURL(address), newUser, newPassword)) {
        ReportStatus(956, "Authentication cancelled", 0, 0);
        return false;
    }
    user = newUser;
    password = newPassword;
    return true;
}

bool TNetUpdate::DownloadHttp(const AnsiString& address, HINTERNET& request)
{
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
    if (FHTTPKeepAliveAuthentication)
        flags |= INTERNET_FLAG_KEEP_CONNECTION;
    if (FExistingConnection)
        flags |= INTERNET_FLAG_EXISTING_CONNECT;
    if (FCertCheck == ccDisable)
        flags |= INTERNET_FLAG_IGNORE_CERT_DATE_INVALID | INTERNET_FLAG_IGNORE_CERT_CN_INVALID;
    if (FAuthenticate == waAlways && (FUserID.empty() || FPassword.empty()) && !AskLogin(FUserID, FPassword, address))
        return false;
    for (;;) {
        const AnsiString headers = FUserID.empty() && FPassword.empty()
                                       ? AnsiString()
                                       : "Authorization: Basic " + Base64Encode(FUserID + ":" + FPassword) + "\r\n\r\n";
        request = InternetOpenUrlA(ConnectHandle, address.c_str(), headers.empty() ? nullptr : headers.c_str(),
                                   static_cast<DWORD>(headers.size()), flags, 0);
        if (!request)
            return true;  // no transfer handle: reported by the caller
        int32_t status = 0;
        QueryNumber(request, HTTP_QUERY_STATUS_CODE, status);
        if (status < 300)
            return true;
        InternetCloseHandle(request);
        request = nullptr;
        if (status == 401 && FAuthenticate == waAuto) {
            if (!AskLogin(FUserID, FPassword, address))
                return false;
            continue;
        }
        ReportStatus(916, IntToStr(status), 6, status);
        return false;
    }
}

bool TNetUpdate::DownloadFtp(HINTERNET connection, const AnsiString& name, HINTERNET& request, int32_t& size)
{
    if (!FFTPDirectory.empty() && !FtpFolderSet) {
        const AnsiString folder = WithPrefixes(FFTPDirectory);
        ReportStatus(974, folder, 3, 0);
        if (!FtpSetCurrentDirectoryA(connection, folder.c_str()))
            ReportStatus(975, folder, 3, 8);
        FtpFolderSet = true;
    }
    WIN32_FIND_DATAA found{};
    size = 0;
    if (HINTERNET find = FtpFindFirstFileA(connection, name.c_str(), &found,
                                           INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0)) {
        size = static_cast<int32_t>(found.nFileSizeLow);
        InternetCloseHandle(find);
    }
    request = FtpOpenFileA(connection, name.c_str(), GENERIC_READ, FTP_TRANSFER_TYPE_BINARY, 0);
    return true;
}

bool TNetUpdate::DownloadFile(HINTERNET Connection, const AnsiString& Address, const AnsiString& Folder)
{
    ReportStatus(915, Address, 3, 0);
    AnsiString name;
    FileNameFromURL(Address, name);
    if (FUpdateType == fileUpdate) {
        const bool folderNamesFile = !Folder.empty() && Folder.back() != '\\' && Folder.back() != '/';
        const AnsiString target = folderNamesFile ? Folder : Folder + name;
        if (!folderNamesFile && name.empty()) {
            ReportStatus(917, Address, 2, 1);
            return false;
        }
        if (!CopyLocalFile(Address, target))
            return false;
        DoFileDownloaded(target);
        return true;
    }
    // An address without a file name would be stored under no name at all.
    if (name.empty()) {
        ReportStatus(917, Address, 2, 1);
        return false;
    }
    const AnsiString address = AddProxyLogin(Address, FProxyUserID, FProxyPassword);
    TInternetHandle request;
    int32_t size = 0;
    bool sizeKnown = false;
    if (FUpdateType == httpUpdate) {
        HINTERNET handle = nullptr;
        const bool goOn = DownloadHttp(address, handle);
        request.Reset(handle);
        if (!goOn)
            return false;
        if (handle)
            sizeKnown = QueryNumber(handle, HTTP_QUERY_CONTENT_LENGTH, size);
    } else {
        HINTERNET handle = nullptr;
        DownloadFtp(Connection, name, handle, size);
        request.Reset(handle);
    }
    if (!request.Get()) {
        ReportInternetError();
        ReportStatus(917, Address, 2, 1);
        return false;
    }

    const AnsiString target = Folder + name;
    const AnsiString temporary = NewTemporaryFile(FUseWinTempDir ? TempFolder() : FTempDirectory);
    if (temporary.empty())
        return false;
    bool answer = false, cancel = Cancelled, readError = false;
    int32_t total = 0;
    {
        TFileStream file(temporary, fmOpenWrite | fmShareDenyWrite);
        uint8_t buffer[4096];
        DWORD bytes = 1;
        while (bytes > 0 && !cancel) {
            ProcessMessages();
            if (!InternetReadFile(request.Get(), buffer, sizeof(buffer), &bytes)) {
                readError = true;
                break;
            }
            if (bytes >= 1 && bytes <= sizeof(buffer))
                file.WriteBuffer(buffer, static_cast<int32_t>(bytes));
            total += static_cast<int32_t>(bytes);
            DoFileProgress(target, total, size);
            cancel = Cancelled;
            DoProgressCancel(cancel);
            if (bytes > 0)
                answer = true;
        }
        request.Close();
    }
    Cancelled = cancel;
    // An answer that ends before the length it announced is a cut file, never a whole one.
    const bool cut = !readError && !cancel && sizeKnown && total < size;
    if (cut)
        ReportStatus(946, Address, 1, 0);
    if (cancel || readError || cut) {
        if (!DeleteFile(temporary))
            AppendLogLine("Unable to delete file " + temporary);
        return false;
    }
    if (!ReplaceTarget(temporary, target))
        return false;
    DoFileDownloaded(target);
    return answer;
}

bool TNetUpdate::ReplaceTarget(const AnsiString& temporary, const AnsiString& target)
{
    if (FileExists(target) && !DeleteFile(target)) {
        SetFileAttributesA(target.c_str(),
                           GetFileAttributesA(target.c_str()) & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
        if (!DeleteFile(target)) {
            ReportStatus(972, target, 19, 6);
            AppendLogLine("Unable to delete file " + target);
            DeleteFile(temporary);
            return false;
        }
    }
    if (!RenameFile(temporary, target)) {
        ReportStatus(973, temporary + " to " + target, 19, 7);
        AppendLogLine("Unable to rename file " + temporary + " to " + target);
        return false;
    }
    return true;
}

bool TNetUpdate::CopyLocalFile(const AnsiString& Source, const AnsiString& Target)
{
    if (Source == Target) {
        ReportStatus(912, Source, 10, 3);
        return false;
    }
    HANDLE source = CreateFileA(Source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (source == INVALID_HANDLE_VALUE) {
        ReportStatus(913, Source, 2, 1);
        return false;
    }
    LARGE_INTEGER end{};
    if (!SetFilePointerEx(source, LARGE_INTEGER{}, &end, FILE_END)) {
        ReportStatus(914, Source, 10, 2);
        CloseHandle(source);
        return false;
    }
    const int32_t size = static_cast<int32_t>(end.QuadPart);
    SetFilePointerEx(source, LARGE_INTEGER{}, nullptr, FILE_BEGIN);
    const AnsiString temporary = NewTemporaryFile(FUseWinTempDir ? TempFolder() : FTempDirectory);
    HANDLE target = temporary.empty() ? INVALID_HANDLE_VALUE
                                      : CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (target == INVALID_HANDLE_VALUE) {
        CloseHandle(source);
        return false;
    }
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[16384]);
    bool cancel = false, failed = false;
    int32_t total = 0;
    DWORD read = 0, written = 0;
    do {
        if (!ReadFile(source, buffer.get(), 16384, &read, nullptr) ||
            !WriteFile(target, buffer.get(), read, &written, nullptr)) {
            failed = true;
            break;
        }
        total += static_cast<int32_t>(written);
        DoFileProgress(Source, total, size);
        DoProgressCancel(cancel);
        ProcessMessages();
    } while (read > 0 && written == read && !cancel);
    CloseHandle(source);
    CloseHandle(target);
    Cancelled = cancel;
    if (cancel || failed || written != read) {
        DeleteFile(temporary);
        return false;
    }
    return ReplaceTarget(temporary, Target);
}

// ---- the form post ----

void TNetUpdate::PostUpdateInfoForm()
{
    TPostUpdateInfo& post = *FPostUpdateInfo;
    if (post.GetServer().empty() || post.GetAction().empty())
        return;
    TInternetHandle session(InternetOpenA(FAgent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    TInternetHandle connection(InternetConnectA(session.Get(), post.GetServer().c_str(), 80, nullptr, nullptr,
                                                INTERNET_SERVICE_HTTP, 0, 1));
    if (!connection.Get()) {
        ReportStatus(951, "", 16, 5);
        return;
    }
    TInternetHandle request(HttpOpenRequestA(connection.Get(), "POST", post.GetAction().c_str(), nullptr, nullptr,
                                             nullptr, 0x7000, 1));
    if (!request.Get()) {
        ReportStatus(952, "", 17, 5);
        return;
    }
    post.PostResult.clear();
    static const char Header[] = "Content-Type: application/x-www-form-urlencoded";
    AnsiString data = post.GetData();
    if (HttpSendRequestA(request.Get(), Header, sizeof(Header) - 1, data.data(), static_cast<DWORD>(data.size()))) {
        char buffer[4096];
        DWORD bytes = 0;
        for (;;) {
            ProcessMessages();
            if (!InternetReadFile(request.Get(), buffer, sizeof(buffer), &bytes) || bytes == 0)
                break;
            post.PostResult.append(buffer, bytes);
        }
    }
}
