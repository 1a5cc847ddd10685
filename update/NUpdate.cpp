#include "update/NUpdate.h"

#include <shlobj.h>

#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "update/NuFileChecks.h"
#include "update/NuProgress.h"
#include "update/nucrc32.h"

// ---- the persistent parts ----

VARIRUVU_CLASS_INFO(TFileDescription, TCollectionItem)
{
    info.Property("URL", &TFileDescription::GetURL, &TFileDescription::SetURL);
    info.Property("NewVersion", &TFileDescription::GetNewVersion, &TFileDescription::SetNewVersion);
    info.Property("NewSize", &TFileDescription::GetNewSize, &TFileDescription::SetNewSize);
    info.Property("NewCheckSum", &TFileDescription::GetNewCheckSum, &TFileDescription::SetNewCheckSum);
    info.Property("NewCustomVer", &TFileDescription::GetNewCustomVer, &TFileDescription::SetNewCustomVer);
    info.Property("NewDate", &TFileDescription::GetNewDate, &TFileDescription::SetNewDate);
    info.Property("NewTime", &TFileDescription::GetNewTime, &TFileDescription::SetNewTime);
    info.Property("LocalVersion", &TFileDescription::GetLocalVersion, &TFileDescription::SetLocalVersion);
    info.Property("Description", &TFileDescription::GetDescription, &TFileDescription::SetDescription);
    info.Property("TargetDir", &TFileDescription::GetTargetDir, &TFileDescription::SetTargetDir);
    info.Property("Compressed", &TFileDescription::GetCompressed, &TFileDescription::SetCompressed);
    info.Property("FileSize", &TFileDescription::GetFileSize, &TFileDescription::SetFileSize);
    info.Property("Mandatory", &TFileDescription::GetMandatory, &TFileDescription::SetMandatory);
    info.Property("Preselect", &TFileDescription::GetPreselect, &TFileDescription::SetPreselect);
    info.Property("Hidden", &TFileDescription::GetHidden, &TFileDescription::SetHidden);
    info.Property("Selected", &TFileDescription::GetSelected, &TFileDescription::SetSelected);
}

VARIRUVU_CLASS_INFO(TFileList, TCollection) {}

VARIRUVU_CLASS_INFO(TPostUpdateInfo, TPersistent)
{
    info.Property("Server", &TPostUpdateInfo::GetServer, &TPostUpdateInfo::SetServer);
    info.Property("Action", &TPostUpdateInfo::GetAction, &TPostUpdateInfo::SetAction);
    info.Property("Data", &TPostUpdateInfo::GetData, &TPostUpdateInfo::SetData);
    info.Property("Enabled", &TPostUpdateInfo::GetEnabled, &TPostUpdateInfo::SetEnabled).Default(false);
}

void TPostUpdateInfo::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TPostUpdateInfo*>(source);
    if (!other)
        return TPersistent::Assign(source);
    FServer = other->FServer;
    FAction = other->FAction;
    FData = other->FData;
    FEnabled = other->FEnabled;
}

VARIRUVU_CLASS_INFO(TLastURLEntry, TPersistent)
{
    info.Property("Save", &TLastURLEntry::GetSave, &TLastURLEntry::SetSave).Default(false);
    info.Property("Key", &TLastURLEntry::GetKey, &TLastURLEntry::SetKey);
    info.Property("Section", &TLastURLEntry::GetSection, &TLastURLEntry::SetSection);
    info.Property("RegRoot", &TLastURLEntry::GetRegRoot, &TLastURLEntry::SetRegRoot).Default(lurLOCALUSER);
}

void TLastURLEntry::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TLastURLEntry*>(source);
    if (!other)
        return TPersistent::Assign(source);
    FSave = other->FSave;
    FKey = other->FKey;
    FSection = other->FSection;
    FRegRoot = other->FRegRoot;
}

VARIRUVU_CLASS_INFO(TNetUpdateUtility, TComponent)
{
    info.Property("ShowWindow", &TNetUpdateUtility::GetShowWindow, &TNetUpdateUtility::SetShowWindow).Default(false);
    info.Property("ShowAnimation", &TNetUpdateUtility::GetShowAnimation, &TNetUpdateUtility::SetShowAnimation)
        .Default(false);
    info.Property("StatusMessage", &TNetUpdateUtility::GetStatusMessage, &TNetUpdateUtility::SetStatusMessage);
    info.Property("StatusCaption", &TNetUpdateUtility::GetStatusCaption, &TNetUpdateUtility::SetStatusCaption);
}

// ---- the component ----

VARIRUVU_CLASS_INFO(TNetUpdate, TComponent)
{
    using C = TNetUpdate;
    info.Property("Agent", &C::GetAgent, &C::SetAgent);
    info.Property("ApplyPatch", &C::GetApplyPatch, &C::SetApplyPatch).Default(false);
    info.Property("Authenticate", &C::GetAuthenticate, &C::SetAuthenticate).Default(waNever);
    info.Property("CertCheck", &C::GetCertCheck, &C::SetCertCheck).Default(ccEnable);
    info.Property("DateFormat", &C::GetDateFormat, &C::SetDateFormat);
    info.Property("DateSeparator", &C::GetDateSeparator, &C::SetDateSeparator);
    info.Property("ExistingConnection", &C::GetExistingConnection, &C::SetExistingConnection).Default(false);
    info.Property("ExtractCAB", &C::GetExtractCAB, &C::SetExtractCAB).Default(false);
    info.Property("ForceUpdate", &C::GetForceUpdate, &C::SetForceUpdate).Default(false);
    info.Property("FTPDirectory", &C::GetFTPDirectory, &C::SetFTPDirectory);
    info.Property("FTPPassive", &C::GetFTPPassive, &C::SetFTPPassive).Default(false);
    info.Property("Host", &C::GetHost, &C::SetHost);
    info.Property("HTTPKeepAliveAuthentication", &C::GetHTTPKeepAliveAuthentication,
                  &C::SetHTTPKeepAliveAuthentication)
        .Default(false);
    info.Property("KeepIntermediateFiles", &C::GetKeepIntermediateFiles, &C::SetKeepIntermediateFiles).Default(false);
    info.Property("LanguageID", &C::GetLanguageID, &C::SetLanguageID);
    info.Property("LastURLEntry", &C::GetLastURLEntry, &C::SetLastURLEntry);
    info.Property("Logging", &C::GetLogging, &C::SetLogging).Default(false);
    info.Property("LogFileName", &C::GetLogFileName, &C::SetLogFileName);
    info.Property("Password", &C::GetPassword, &C::SetPassword);
    info.Property("Port", &C::GetPort, &C::SetPort).Default(21);
    info.Property("PostUpdateInfo", &C::GetPostUpdateInfo, &C::SetPostUpdateInfo);
    info.Property("Proxy", &C::GetProxy, &C::SetProxy);
    info.Property("ProxyUserID", &C::GetProxyUserID, &C::SetProxyUserID);
    info.Property("ProxyPassword", &C::GetProxyPassword, &C::SetProxyPassword);
    info.Property("ReceiveTimeOut", &C::GetReceiveTimeOut, &C::SetReceiveTimeOut).Default(0);
    info.Property("ShowDownloadProgress", &C::GetShowDownloadProgress, &C::SetShowDownloadProgress).Default(false);
    info.Property("Signature", &C::GetSignature, &C::SetSignature);
    info.Property("SignatureCheck", &C::GetSignatureCheck, &C::SetSignatureCheck).Default(false);
    info.Property("TempDirectory", &C::GetTempDirectory, &C::SetTempDirectory);
    info.Property("TimeFormat", &C::GetTimeFormat, &C::SetTimeFormat);
    info.Property("TimeOut", &C::GetTimeOut, &C::SetTimeOut).Default(0);
    info.Property("TimeSeparator", &C::GetTimeSeparator, &C::SetTimeSeparator);
    info.Property("UpdateConnect", &C::GetUpdateConnect, &C::SetUpdateConnect).Default(nucNoConnect);
    info.Property("UpdateType", &C::GetUpdateType, &C::SetUpdateType).Default(httpUpdate);
    info.Property("UpdateUpdate", &C::GetUpdateUpdate, &C::SetUpdateUpdate).Default(nuuPromptOnce);
    info.Property("URL", &C::GetURL, &C::SetURL);
    info.Property("UseCRC32", &C::GetUseCRC32, &C::SetUseCRC32).Default(false);
    info.Property("UserID", &C::GetUserID, &C::SetUserID);
    info.Property("UseWinTempDir", &C::GetUseWinTempDir, &C::SetUseWinTempDir).Default(true);
    info.Property("Utility", &C::GetUtility, &C::SetUtility);
    info.Property("Version", &C::GetVersion, &C::SetVersion);
    info.Property("VersionCheck", &C::GetVersionCheck, &C::SetVersionCheck).Default(vcUpdateOnly);

    info.Property("OnStatus", &C::GetOnStatus, &C::SetOnStatus);
    info.Property("OnFileProgress", &C::GetOnFileProgress, &C::SetOnFileProgress);
    info.Property("OnProgressCancel", &C::GetOnProgressCancel, &C::SetOnProgressCancel);
    info.Property("OnFileDownloaded", &C::GetOnFileDownloaded, &C::SetOnFileDownloaded);
    info.Property("OnBeforeFileDownload", &C::GetOnBeforeFileDownload, &C::SetOnBeforeFileDownload);
    info.Property("OnFileVersionCheck", &C::GetOnFileVersionCheck, &C::SetOnFileVersionCheck);
    info.Property("OnGetFileList", &C::GetOnGetFileList, &C::SetOnGetFileList);
    info.Property("OnCustomValidate", &C::GetOnCustomValidate, &C::SetOnCustomValidate);
    info.Property("OnCustomProcess", &C::GetOnCustomProcess, &C::SetOnCustomProcess);
    info.Property("OnSetAppParams", &C::GetOnSetAppParams, &C::SetOnSetAppParams);
    info.Property("OnSetAppParamBefore", &C::GetOnSetAppParamBefore, &C::SetOnSetAppParamBefore);
    info.Property("OnSetAppParamAfter", &C::GetOnSetAppParamAfter, &C::SetOnSetAppParamAfter);
    info.Property("OnConvertPrefix", &C::GetOnConvertPrefix, &C::SetOnConvertPrefix);
    info.Property("OnFileNameFromURL", &C::GetOnFileNameFromURL, &C::SetOnFileNameFromURL);
    info.Property("OnDownloadedWhatsNew", &C::GetOnDownloadedWhatsNew, &C::SetOnDownloadedWhatsNew);
    info.Property("OnDownloadedEULA", &C::GetOnDownloadedEULA, &C::SetOnDownloadedEULA);
    info.Property("OnBeforePost", &C::GetOnBeforePost, &C::SetOnBeforePost);
    info.Property("OnProcessPostResult", &C::GetOnProcessPostResult, &C::SetOnProcessPostResult);
    info.Property("OnAppRestart", &C::GetOnAppRestart, &C::SetOnAppRestart);
    info.Property("OnAppDoClose", &C::GetOnAppDoClose, &C::SetOnAppDoClose);
    info.Property("OnSuccess", &C::GetOnSuccess, &C::SetOnSuccess);
    info.Property("OnProgress", &C::GetOnProgress, &C::SetOnProgress);
    info.Property("OnThreadUpdateDone", &C::GetOnThreadUpdateDone, &C::SetOnThreadUpdateDone);
}

TNetUpdate::TNetUpdate(TComponent* AOwner)
    : TComponent(AOwner),
      FileList(std::make_unique<TFileList>()),
      FLastURLEntry(std::make_unique<TLastURLEntry>()),
      FPostUpdateInfo(std::make_unique<TPostUpdateInfo>())
{
    SetLogFileName(FLogFileName);
}

TNetUpdate::~TNetUpdate() = default;

void TNetUpdate::SetUtility(TNetUpdateUtility* value)
{
    if (FUtility)
        FUtility->RemoveFreeNotification(this);
    FUtility = value;
    if (FUtility)
        FUtility->FreeNotification(this);
}

void TNetUpdate::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FUtility)
        FUtility = nullptr;
}

void TNetUpdate::GetTempFolder(AnsiString& Folder) const
{
    if (FUseWinTempDir) {
        char buffer[MAX_PATH] = {};
        const DWORD length = GetTempPathA(MAX_PATH, buffer);
        Folder = AnsiString(buffer, length < MAX_PATH ? length : 0);
    } else {
        Folder = FTempDirectory;
    }
    if (!Folder.empty() && Folder.back() != '\\')
        Folder += '\\';
}

AnsiString TNetUpdate::TempFolder() const
{
    AnsiString folder;
    GetTempFolder(folder);
    return folder;
}

bool TNetUpdate::CreateFolderPath(const AnsiString& Folder)
{
    AnsiString folder = Folder;
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    if (folder.size() < 3 || DirectoryExists(folder))
        return true;
    const size_t slash = folder.rfind('\\');
    const AnsiString parent = slash == AnsiString::npos ? folder : folder.substr(0, slash);
    if (parent == folder)
        return true;
    return CreateFolderPath(parent) && CreateDir(folder);
}

void TNetUpdate::ProcessMessages()
{
    Application->ProcessMessages();
}

// ---- the check ----

bool TNetUpdate::CheckForNewVersion(bool SetExeDir)
{
    if (SetExeDir) {
        char exe[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        SetCurrentDirectoryA(ExtractFilePath(exe).c_str());
    }
    Cancelled = false;
    if (StartConnection() != 0)
        return false;
    if (FUpdateType == ftpUpdate && ConnectFtp() == -1)
        ReportInternetError();
    bool result = false;
    if ((ConnectHandle || FUpdateType == fileUpdate) && ReadControlFile() == ucrRead) {
        result = CheckUpdate() != ucrNothingNew;
        if (result && FOnDownloadedWhatsNew) {
            if (std::unique_ptr<TStringList> text{GetWhatsNewText()}) {
                int32_t res = 1;
                FOnDownloadedWhatsNew(this, text.get(), res);
            }
        }
    }
    StopConnection();
    return result;
}

// ---- the newer-than test ----

bool TNetUpdate::IsNewer(AnsiString& NewVersion, AnsiString& LocalFile, int32_t NewSize, int32_t NewChecksum)
{
    if (NewVersion.empty() && NewSize == 0 && NewChecksum == -1)
        return true;
    if (LocalFile.empty() && FVersionCheck == vcUpdateOnly)
        return true;
    if (!FileExists(LocalFile) && FVersionCheck == vcAlways)
        return true;
    if (NewChecksum != -1) {
        const int32_t x = FUseCRC32 ? FileChecksum(LocalFile) : ByteSum(LocalFile);
        ReportStatus(944, "Checksum compare of " + LocalFile + ":" + IntToStr(x) + ":" + IntToStr(NewChecksum), 3, 0);
        return x != NewChecksum;
    }
    if (NewSize > 0) {
        const int32_t x = LocalFileSize(LocalFile);
        return x != NewSize && !(x < 1 && FVersionCheck != vcAlways);
    }
    int32_t lm, ll, nm, nl;
    GetFileVersion(LocalFile, lm, ll);
    ParseVersion(NewVersion, nm, nl);
    ReportStatus(944,
                 "Version compare of " + LocalFile + ":" + FormatVersion(lm, ll) + " with " + NewVersion + ":" +
                     FormatVersion(nm, nl),
                 3, 0);
    if (nm == -1 || nl == -1)
        return false;
    if ((lm == -1 || ll == -1) && FVersionCheck == vcUpdateOnly)
        return false;
    LocalFile = FormatVersion(lm, ll);
    NewVersion = FormatVersion(nm, nl);
    return nm > lm || (nm == lm && nl > ll);
}

// ---- events raised through overridable steps ----

void TNetUpdate::DoFileProgress(const AnsiString& FileName, int32_t Pos, int32_t Size)
{
    if (ProgressForm)
        ProgressForm->ShowProgress(ExtractFileName(FileName), Pos, Size);
    FOnFileProgress(this, FileName, Pos, Size);
}

void TNetUpdate::DoProgressCancel(bool& Cancel)
{
    FOnProgressCancel(this, Cancel);
    if (Cancel)
        ReportStatus(964, "", 0, 0);
}

void TNetUpdate::DoSetAppParamBefore(AnsiString& Params)
{
    FOnSetAppParamBefore(this, Params);
}

void TNetUpdate::DoSetAppParamAfter(AnsiString& Params)
{
    FOnSetAppParamAfter(this, Params);
}

void TNetUpdate::DoFileDownloaded(const AnsiString& FileName)
{
    FOnFileDownloaded(this, FileName);
}
