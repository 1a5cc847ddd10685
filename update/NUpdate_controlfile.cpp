// The update control file: fetching it, its sections, the test of section
// `update`, the actions, the file list, the texts, folder prefixes and dates.
#include <shlobj.h>
#include <urlmon.h>

#include "classlib/Forms.h"
#include "classlib/Registry.h"
#include "classlib/SysUtils.h"
#include "update/NUpdate.h"
#include "update/NuUrls.h"

namespace {

// "\n" in a message of the control file stands for a line break.
AnsiString WithLineBreaks(const AnsiString& text)
{
    AnsiString out;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool lineBreak = text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n';
        out += lineBreak ? '\r' : text[i];
        i += lineBreak ? 1 : 0;
    }
    return out;
}

bool Flag(TCustomIniFile& ini, const AnsiString& section, const AnsiString& key, int32_t defaultValue = 0)
{
    return ini.ReadInteger(section, key, defaultValue) == 1;
}

AnsiString ShellFolder(int csidl)
{
    char folder[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder)) ? AnsiString(folder)
                                                                                             : AnsiString();
}

AnsiString ProgramFolder()
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return ExtractFilePath(exe);
}

TDateTime FileWriteTime(const AnsiString& fileName)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    FILETIME local{};
    SYSTEMTIME time{};
    if (!GetFileAttributesExA(fileName.c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time))
        return EncodeDate(1980, 1, 1);
    return SystemTimeToDateTime(time);
}

// Starts a program without waiting for it.
void StartProgram(const AnsiString& program, const AnsiString& params)
{
    if (GetProcAddress(GetModuleHandleA("kernel32"), "GetLocaleInfoEx")) {
        ShellExecuteA(nullptr, "open", program.c_str(), params.c_str(), nullptr, SW_SHOWNORMAL);
    } else {
        const AnsiString line = params.empty() ? program : program + " " + params;
        WinExec(line.c_str(), SW_SHOWNORMAL);
    }
}

void ShowHtmlDialog(const AnsiString& address)
{
    using TShowHTMLDialog = HRESULT(WINAPI*)(HWND, IMoniker*, VARIANT*, WCHAR*, VARIANT*);
    HMODULE mshtml = LoadLibraryA("MSHTML.DLL");
    auto show = mshtml ? reinterpret_cast<TShowHTMLDialog>(
                             reinterpret_cast<void*>(GetProcAddress(mshtml, "ShowHTMLDialog")))
                       : nullptr;
    HRESULT result = E_FAIL;
    IMoniker* moniker = nullptr;
    if (show && SUCCEEDED(result = CreateURLMoniker(nullptr, AnsiToWide(address).c_str(), &moniker))) {
        VARIANT argument;
        VariantInit(&argument);
        argument.vt = VT_BSTR;
        argument.bstrVal = SysAllocString(L"");
        result = show(nullptr, moniker, &argument, nullptr, nullptr);
        VariantClear(&argument);
        moniker->Release();
    }
    if (mshtml)
        FreeLibrary(mshtml);
    if (FAILED(result))
        throw EOleError("HTML dialog failed: " + IntToHex(static_cast<uint32_t>(result), 8));
}

}  // namespace

std::unique_ptr<TMemIniFile> TNetUpdate::OpenControlFile() const
{
    return std::make_unique<TMemIniFile>(ControlFileName);
}

void TNetUpdate::GetControlFileURL(AnsiString& URL)
{
    AnsiString address;
    if (FLastURLEntry->CanWrite()) {
        TRegIniFile registry(FLastURLEntry->GetKey());
        registry.SetRootKey(FLastURLEntry->RootKey());
        if (registry.OpenKey(FLastURLEntry->GetKey(), true))
            address = registry.ReadString(FLastURLEntry->GetSection(), "LastURL", "");
    }
    if (address.empty())
        address = FURL;
    ExpandPrefixes(address, URL);
}

int32_t TNetUpdate::ReadControlFile()
{
    Cancelled = false;
    AnsiString address;
    GetControlFileURL(address);
    const AnsiString folder = TempFolder();
    if (address.empty() || !DownloadFile(ConnectHandle, address, folder)) {
        ReportStatus(925, "", 2, 0);
        return ucrNotFound;
    }
    ReportStatus(926, "", 3, 0);
    AnsiString name;
    FileNameFromURL(address, name);
    ControlFileName = folder + name;

    const auto ini = OpenControlFile();
    int32_t answer = ucrRead;
    if (FSignatureCheck && ini->ReadString("update", "signature", "") != FSignature) {
        ReportStatus(927, "", 11, 4);
        answer = ucrBadSignature;
    }
    AppUpdate = Flag(*ini, "application", "appupdate");
    AppName = WithPrefixes(ini->ReadString("application", "appname", ""));
    AppParams = ini->ReadString("application", "appparam", "");
    if (AppName.empty())
        AppUpdate = false;
    FOnSetAppParams(this, AppParams);
    if (AppParams.empty())
        AppParams.assign(1, ' ');
    AppComps = WithPrefixes(ini->ReadString("application", "appcomps", ""));
    SilentRestart = Flag(*ini, "application", "silentrestart");
    return answer;
}

TDateTextFormat TNetUpdate::ControlFileDateFormat() const
{
    return {FDateFormat, FDateSeparator, FTimeFormat, FTimeSeparator};
}

TDateTime TNetUpdate::ParseDateTime(const AnsiString& DateText, const AnsiString& TimeText) const
{
    return ::ParseDateTime(DateText, TimeText, ControlFileDateFormat());
}

TDateTime TNetUpdate::ReadLocalDateTime()
{
    TDateTime result = EncodeDate(1980, 1, 1);
    if (FLastURLEntry->CanRead()) {
        TRegIniFile registry(FLastURLEntry->GetKey());
        registry.SetRootKey(FLastURLEntry->RootKey());
        if (registry.OpenKey(FLastURLEntry->GetKey(), true)) {
            const TDateTextFormat system = SystemDateTextFormat();
            TDateTime date = 0, time = 0;
            if (TryReadDate(registry.ReadString(FLastURLEntry->GetSection(), "LastDate", ""), system, date)) {
                result = date;
                if (TryReadTime(registry.ReadString(FLastURLEntry->GetSection(), "LastTime", ""), system, time))
                    result += time;
            }
        }
        LastDateRead = true;
    } else if (!LocalFileName.empty() && FileExists(LocalFileName)) {
        result = FileWriteTime(LocalFileName);
    }
    return result;
}

int32_t TNetUpdate::CheckUpdate()
{
    const auto ini = OpenControlFile();
    int32_t r = ucrNothingNew;
    ini->ReadString("update", "descr", "");
    const AnsiString date = ini->ReadString("update", "date", "");
    if (!date.empty()) {
        ReportStatus(928, "", 3, 0);
        NewDateTime = ParseDateTime(date, ini->ReadString("update", "time", ""));
        LocalFileName = WithPrefixes(ini->ReadString("update", "localversion", ""));
        LocalDateTime = ReadLocalDateTime();
        if (LocalDateTime >= NewDateTime) {
            ReportStatus(930, "", 4, 0);
            r = ucrNothingNew;
        } else {
            ReportStatus(929, DateToStr(NewDateTime), 5, 0);
            r = ucrNewerByDate;
        }
    }
    if (!ini->ReadString("update", "unconditional", "").empty() && r == ucrNothingNew)
        r = ucrUnconditional;
    if (r == ucrNothingNew) {
        AnsiString v = ini->ReadString("update", "newversion", "");
        const int32_t s = ini->ReadInteger("update", "newsize", 0);
        AnsiString f = WithPrefixes(ini->ReadString("update", "localversion", ""));
        const int32_t c = ini->ReadInteger("update", "newchecksum", -1);
        if ((!v.empty() || s > 0 || c != -1) && !f.empty()) {
            if (c != -1) {
                r = ucrByChecksum;
                ReportStatus(931, "", 3, 0);
            } else if (s > 0) {
                r = ucrBySize;
                ReportStatus(932, "", 3, 0);
            } else {
                r = ucrByVersion;
                ReportStatus(933, "", 3, 0);
            }
            if (IsNewer(v, f, s, c)) {
                ReportStatus(929, v, 5, 0);
            } else {
                ReportStatus(930, "", 4, 0);
                r = ucrNothingNew;
            }
        }
        AvailableVersion = v;
    }
    if (FOnCustomValidate) {
        bool allow = r != ucrNothingNew;
        FOnCustomValidate(this, ini->ReadString("custom", "validatemsg", ""),
                          ini->ReadString("custom", "validateparam", ""), allow);
        r = allow ? ucrCustomAllowed : ucrNothingNew;
    }
    return r;
}

int32_t TNetUpdate::RunActions()
{
    const auto ini = OpenControlFile();
    int32_t answer = 0;
    const AnsiString message = WithLineBreaks(ini->ReadString("action", "msg", ""));
    if (!message.empty()) {
        ReportStatus(934, "", 3, 0);
        Application->MessageBox(message, Application->GetTitle(), MB_OK | MB_ICONINFORMATION);
    }
    const AnsiString html = WithPrefixes(ini->ReadString("action", "htmldlg", ""));
    if (!html.empty()) {
        ReportStatus(935, "", 7, 0);
        ShowHtmlDialog(html);
    }
    const AnsiString before = WithPrefixes(ini->ReadString("action", "runbefore", ""));
    AnsiString beforeParams = ini->ReadString("action", "runbeforeparam", "");
    DoSetAppParamBefore(beforeParams);
    if (!before.empty())
        StartProgram(before, beforeParams);
    if (FOnCustomProcess)
        FOnCustomProcess(this, ini->ReadString("custom", "processmsg", ""),
                         ini->ReadString("custom", "processparam", ""));
    const AnsiString page = WithPrefixes(ini->ReadString("action", "showURL", ""));
    if (!page.empty()) {
        ReportStatus(942, "", 3, 0);
        const AnsiString address = AddProxyLogin(page, FProxyUserID, FProxyPassword);
        const auto shown = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", "iexplore.exe",
                                                                   ("-new " + address).c_str(), nullptr,
                                                                   SW_SHOWDEFAULT));
        if (shown <= 32)
            ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
    }
    const AnsiString query = WithLineBreaks(ini->ReadString("action", "query", ""));
    if (!query.empty()) {
        ReportStatus(936, "", 3, 0);
        if (Application->MessageBox(query, Application->GetTitle(), MB_YESNO | MB_ICONINFORMATION) != IDYES) {
            AppUpdate = false;
            answer = -1;
        }
    }
    return Cancelled ? -1 : answer;
}

int32_t TNetUpdate::ReadFileList()
{
    FileList->Clear();
    const auto ini = OpenControlFile();
    const int32_t count = ini->ReadInteger("files", "count", 0);
    if (count > 0)
        ReportStatus(943, "", 3, 0);
    for (int32_t n = 1; n <= count; ++n) {
        const AnsiString section = "file" + IntToStr(n);
        TFileDescription* file = FileList->AddFile();
        file->SetURL(WithPrefixes(ini->ReadString(section, "url", "")));
        file->SetLocalVersion(WithPrefixes(ini->ReadString(section, "localversion", "")));
        file->SetNewVersion(ini->ReadString(section, "newversion", ""));
        file->SetNewSize(ini->ReadInteger(section, "newsize", 0));
        file->SetNewCheckSum(ini->ReadInteger(section, "newchecksum", -1));
        file->SetNewCustomVer(ini->ReadString(section, "customversion", ""));
        file->SetNewDate(ini->ReadString(section, "date", ""));
        file->SetNewTime(ini->ReadString(section, "time", ""));
        file->SetDescription(ini->ReadString(section, "descr", ""));
        AnsiString target = WithPrefixes(ini->ReadString(section, "targetdir", ""));
        if (!target.empty() && target.back() != '\\')
            target += '\\';
        file->SetTargetDir(target);
        file->SetCompressed(Flag(*ini, section, "compressed"));
        file->SetFileSize(ini->ReadInteger(section, "filesize", 0));
        file->SetMandatory(Flag(*ini, section, "mandatory"));
        file->SetPreselect(Flag(*ini, section, "preselect", 1));
        file->SetHidden(Flag(*ini, section, "hidden"));
    }
    return count;
}

// ---- the what's-new and licence texts ----

std::unique_ptr<TMemoryStream> TNetUpdate::DownloadText(const AnsiString& section, int32_t msgId,
                                                        int32_t statusCode, bool askBeforeDownload)
{
    AnsiString address = OpenControlFile()->ReadString(section + FLanguageID, "file", "");
    if (address.empty())
        return nullptr;
    if (askBeforeDownload)
        FOnBeforeFileDownload(this, 0, address, address);
    ReportStatus(msgId, "", statusCode, 0);
    const AnsiString folder = TempFolder();
    if (!DownloadFile(ConnectHandle, address, folder))
        return nullptr;
    AnsiString name;
    FileNameFromURL(address, name);
    auto stream = std::make_unique<TMemoryStream>();
    stream->LoadFromFile(folder + name);
    DeleteFile(folder + name);
    return stream;
}

TMemoryStream* TNetUpdate::GetWhatsNewStream()
{
    return DownloadText("whatsnew", 937, 12, true).release();
}

TMemoryStream* TNetUpdate::GetLicenceStream()
{
    return DownloadText("eula", 939, 13, false).release();
}

namespace {

TStringList* LinesOf(std::unique_ptr<TMemoryStream> stream)
{
    if (!stream)
        return nullptr;
    auto lines = std::make_unique<TStringList>();
    stream->SetPosition(0);
    lines->LoadFromStream(stream.get());
    return lines.release();
}

}  // namespace

TStringList* TNetUpdate::GetWhatsNewText()
{
    return LinesOf(DownloadText("whatsnew", 937, 12, true));
}

TStringList* TNetUpdate::GetLicenceText()
{
    return LinesOf(DownloadText("eula", 939, 13, false));
}

// ---- folder prefixes ----

void TNetUpdate::ConvertPrefix(const AnsiString& Prefix, AnsiString& Folder)
{
    char buffer[MAX_PATH] = {};
    Folder.clear();
    if (Prefix == "WIN") {
        Folder = AnsiString(buffer, GetWindowsDirectoryA(buffer, MAX_PATH));
    } else if (Prefix == "SYS") {
        Folder = AnsiString(buffer, GetSystemDirectoryA(buffer, MAX_PATH));
    } else if (Prefix == "APP") {
        Folder = ProgramFolder();
    } else if (Prefix == "TMP") {
        GetTempFolder(Folder);
    } else if (Prefix == "DOC") {
        Folder = ShellFolder(CSIDL_APPDATA);
    } else if (Prefix == "PF") {
        const DWORD length = GetEnvironmentVariableA("ProgramFiles", buffer, MAX_PATH);
        Folder = AnsiString(buffer, length < MAX_PATH ? length : 0);
    } else if (Prefix == "LAD") {
        Folder = ShellFolder(CSIDL_LOCAL_APPDATA);
        if (Folder.empty())
            throw Exception("Could not find Local Application Data folder location.");
    }
}

void TNetUpdate::ExpandPrefixes(const AnsiString& Path, AnsiString& Result)
{
    Result = Path;
    FOnConvertPrefix(this, Result);
    for (size_t at = 0; (at = Result.find('{', at)) != AnsiString::npos;) {
        const size_t close = Result.find('}', at + 1);
        if (close == AnsiString::npos)
            break;
        AnsiString folder;
        ConvertPrefix(UpperCase(Result.substr(at + 1, close - at - 1)), folder);
        if (!folder.empty() && folder.back() != '\\')
            folder += '\\';
        if (folder.size() > 3 && folder[1] == ':')
            folder.pop_back();
        else
            folder += '.';
        Result.replace(at, close - at + 1, folder);
        // Braces inside the inserted folder are part of its name, not prefixes.
        at += folder.size();
    }
}

AnsiString TNetUpdate::WithPrefixes(const AnsiString& path)
{
    AnsiString result;
    ExpandPrefixes(path, result);
    return result;
}
