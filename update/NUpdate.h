// The web update component: checks an update control file on a web, FTP or
// file server for a newer version, synchronously on the caller's thread, and
// reports every step through its status event and its log.
#pragma once

#include <cstdint>
#include <memory>

#include "classlib/Classes.h"
#include "classlib/IniFiles.h"
#include "classlib/StringLists.h"
#include "classlib/TypInfo.h"
#include "classlib/Win.h"
#include "update/NuDates.h"

#include <wininet.h>

class TProgressForm;

enum TNetUpdateType : uint8_t { ftpUpdate, httpUpdate, fileUpdate };
VARIRUVU_ENUM_INFO(TNetUpdateType, ftpUpdate, httpUpdate, fileUpdate);
enum TNetUpdateConnect : uint8_t {
    nucNoConnect,
    nucConnectPrompt,
    nucConnectSilent,
    nucConnectPromptHangup,
    nucConnectSilentHangup,
    nucNone
};
VARIRUVU_ENUM_INFO(TNetUpdateConnect, nucNoConnect, nucConnectPrompt, nucConnectSilent, nucConnectPromptHangup,
                   nucConnectSilentHangup, nucNone);
enum TNetUpdateUpdate : uint8_t { nuuPromptOnce, nuuPromptAll, nuuSilent };
VARIRUVU_ENUM_INFO(TNetUpdateUpdate, nuuPromptOnce, nuuPromptAll, nuuSilent);
enum TNetUpdateAuthentication : uint8_t { waAlways, waAuto, waNever };
VARIRUVU_ENUM_INFO(TNetUpdateAuthentication, waAlways, waAuto, waNever);
enum TNetUpdateVersionCheck : uint8_t { vcUpdateOnly, vcAlways };
VARIRUVU_ENUM_INFO(TNetUpdateVersionCheck, vcUpdateOnly, vcAlways);
enum TNetUpdateCertCheck : uint8_t { ccEnable, ccDisable };
VARIRUVU_ENUM_INFO(TNetUpdateCertCheck, ccEnable, ccDisable);
enum TLastURLReg : uint8_t { lurLOCALUSER, lurLOCALMACHINE };
VARIRUVU_ENUM_INFO(TLastURLReg, lurLOCALUSER, lurLOCALMACHINE);

using TNetUpdateEvent = TEvent<TObject*>;
using TNetUpdateStatus = TEvent<TObject*, const AnsiString& /*StatusStr*/, int32_t /*StatusCode*/, int32_t /*ErrCode*/>;
using TNetUpdateFileProgress = TEvent<TObject*, const AnsiString& /*FileName*/, int32_t /*Pos*/, int32_t /*Size*/>;
using TNetUpdateProgressCancel = TEvent<TObject*, bool& /*Cancel*/>;
using TNetUpdateFileDownloaded = TEvent<TObject*, const AnsiString& /*FileName*/>;
using TNetUpdateBeforeDownload =
    TEvent<TObject*, int32_t /*FileIdx*/, const AnsiString& /*FileDescription*/, AnsiString& /*URL*/>;
using TNetUpdateFileVersionCheck =
    TEvent<TObject*, const AnsiString& /*NewVersion*/, const AnsiString& /*LocalVersion*/, bool& /*IsNew*/>;
using TNetUpdateFileList = TEvent<TObject*, TStringList* /*List*/>;
using TNetUpdateCustomValidate =
    TEvent<TObject*, const AnsiString& /*Msg*/, const AnsiString& /*Param*/, bool& /*Allow*/>;
using TNetUpdateCustomProcess = TEvent<TObject*, const AnsiString& /*Msg*/, const AnsiString& /*Param*/>;
using TNetUpdateSetParams = TEvent<TObject*, AnsiString& /*AppParams*/>;
using TNetUpdateConvertPrefix = TEvent<TObject*, AnsiString& /*Path*/>;
using TNetUpdateFileNameFromURL = TEvent<TObject*, const AnsiString& /*URL*/, AnsiString& /*FName*/>;
using TNetUpdateTextDownloaded = TEvent<TObject*, TStrings* /*Text*/, int32_t& /*Res*/>;
using TNetUpdateBeforePost = TEvent<TObject*, bool& /*AllowPost*/>;
using TNetUpdateProcessPostResult = TEvent<TObject*, bool& /*AllowPostResult*/>;
using TNetUpdateRestart = TEvent<TObject*, bool& /*Allow*/>;
using TNetUpdateProgress = TEvent<TObject*, const AnsiString& /*Action*/>;
using TNetUpdateThreadDone = TEvent<TObject*>;

// A published property with its accessors and the field behind it.
#define NETUPDATE_PROPERTY(Type, Name, Default)                 \
public:                                                         \
    const Type& Get##Name() const { return F##Name; }           \
    void Set##Name(const Type& value) { F##Name = value; }      \
                                                                \
private:                                                        \
    Type F##Name = Default;

// One file that the control file lists.
class TFileDescription : public TCollectionItem {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCollectionItem::TCollectionItem;

    NETUPDATE_PROPERTY(AnsiString, URL, {})
    NETUPDATE_PROPERTY(AnsiString, NewVersion, {})
    NETUPDATE_PROPERTY(int32_t, NewSize, 0)
    NETUPDATE_PROPERTY(int32_t, NewCheckSum, -1)
    NETUPDATE_PROPERTY(AnsiString, NewCustomVer, {})
    NETUPDATE_PROPERTY(AnsiString, NewDate, {})
    NETUPDATE_PROPERTY(AnsiString, NewTime, {})
    NETUPDATE_PROPERTY(AnsiString, LocalVersion, {})
    NETUPDATE_PROPERTY(AnsiString, Description, {})
    NETUPDATE_PROPERTY(AnsiString, TargetDir, {})
    NETUPDATE_PROPERTY(bool, Compressed, false)
    NETUPDATE_PROPERTY(int32_t, FileSize, 0)
    NETUPDATE_PROPERTY(bool, Mandatory, false)
    NETUPDATE_PROPERTY(bool, Preselect, true)
    NETUPDATE_PROPERTY(bool, Hidden, false)
    NETUPDATE_PROPERTY(bool, Selected, false)
};

class TFileList : public TCollection {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    TFileList() : TCollection(TFileDescription::ClassInfo()) {}

    TFileDescription* GetItems(int index) const { return static_cast<TFileDescription*>(GetItem(index)); }
    TFileDescription* AddFile() { return static_cast<TFileDescription*>(Add()); }
    int ActiveItem = -1;
};

// The form post sent after an update.
class TPostUpdateInfo : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    NETUPDATE_PROPERTY(AnsiString, Server, {})
    NETUPDATE_PROPERTY(AnsiString, Action, {})
    NETUPDATE_PROPERTY(AnsiString, Data, {})
    NETUPDATE_PROPERTY(bool, Enabled, false)

public:
    void Assign(TPersistent* source) override;
    AnsiString PostResult;
};

// Where in the registry the last update URL, date and time are kept.
class TLastURLEntry : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    NETUPDATE_PROPERTY(bool, Save, false)
    NETUPDATE_PROPERTY(AnsiString, Key, {})
    NETUPDATE_PROPERTY(AnsiString, Section, {})
    NETUPDATE_PROPERTY(TLastURLReg, RegRoot, lurLOCALUSER)

public:
    void Assign(TPersistent* source) override;
    bool CanRead() const { return !FKey.empty() && !FSection.empty(); }
    bool CanWrite() const { return CanRead() && FSave; }
    HKEY RootKey() const { return FRegRoot == lurLOCALMACHINE ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
};

// The look of the window shown while the patch utility runs.
class TNetUpdateUtility : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TComponent::TComponent;

    NETUPDATE_PROPERTY(bool, ShowWindow, false)
    NETUPDATE_PROPERTY(bool, ShowAnimation, false)
    NETUPDATE_PROPERTY(AnsiString, StatusMessage, {})
    NETUPDATE_PROPERTY(AnsiString, StatusCaption, {})
};

// Answers of the control-file steps.
enum : int32_t {
    ucrRead = 0,
    ucrNotFound = 4,
    ucrBadSignature = 5,
    ucrNewerByDate = 6,
    ucrNothingNew = 7,
    ucrUnconditional = 8,
    ucrBySize = 9,
    ucrByChecksum = 10,
    ucrByVersion = 11,
    ucrCustomAllowed = 12
};

class TNetUpdate : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    explicit TNetUpdate(TComponent* AOwner);
    ~TNetUpdate() override;

    // True when the control file offers something newer; false also without a connection or control file.
    bool CheckForNewVersion(bool SetExeDir);

    NETUPDATE_PROPERTY(AnsiString, Agent, "TNetUpdate")
    NETUPDATE_PROPERTY(bool, ApplyPatch, false)
    NETUPDATE_PROPERTY(TNetUpdateAuthentication, Authenticate, waNever)
    NETUPDATE_PROPERTY(TNetUpdateCertCheck, CertCheck, ccEnable)
    NETUPDATE_PROPERTY(AnsiString, DateFormat, "dd/mm/yyyy")
    NETUPDATE_PROPERTY(char, DateSeparator, '/')
    NETUPDATE_PROPERTY(bool, ExistingConnection, false)
    NETUPDATE_PROPERTY(bool, ExtractCAB, false)
    NETUPDATE_PROPERTY(bool, ForceUpdate, false)
    NETUPDATE_PROPERTY(AnsiString, FTPDirectory, {})
    NETUPDATE_PROPERTY(bool, FTPPassive, false)
    NETUPDATE_PROPERTY(AnsiString, Host, {})
    NETUPDATE_PROPERTY(bool, HTTPKeepAliveAuthentication, false)
    NETUPDATE_PROPERTY(bool, KeepIntermediateFiles, false)
    NETUPDATE_PROPERTY(AnsiString, LanguageID, {})
    NETUPDATE_PROPERTY(bool, Logging, false)
    NETUPDATE_PROPERTY(AnsiString, Password, {})
    NETUPDATE_PROPERTY(int32_t, Port, 21)
    NETUPDATE_PROPERTY(AnsiString, Proxy, {})
    NETUPDATE_PROPERTY(AnsiString, ProxyUserID, {})
    NETUPDATE_PROPERTY(AnsiString, ProxyPassword, {})
    NETUPDATE_PROPERTY(bool, ShowDownloadProgress, false)
    NETUPDATE_PROPERTY(AnsiString, Signature, "NetUpdate")
    NETUPDATE_PROPERTY(bool, SignatureCheck, false)
    NETUPDATE_PROPERTY(AnsiString, TempDirectory, ".")
    NETUPDATE_PROPERTY(AnsiString, TimeFormat, "hh:nn")
    NETUPDATE_PROPERTY(int32_t, TimeOut, 0)
    NETUPDATE_PROPERTY(char, TimeSeparator, ':')
    NETUPDATE_PROPERTY(TNetUpdateConnect, UpdateConnect, nucNoConnect)
    NETUPDATE_PROPERTY(TNetUpdateType, UpdateType, httpUpdate)
    NETUPDATE_PROPERTY(TNetUpdateUpdate, UpdateUpdate, nuuPromptOnce)
    NETUPDATE_PROPERTY(AnsiString, URL, {})
    NETUPDATE_PROPERTY(bool, UseCRC32, false)
    NETUPDATE_PROPERTY(AnsiString, UserID, {})
    NETUPDATE_PROPERTY(bool, UseWinTempDir, true)
    NETUPDATE_PROPERTY(TNetUpdateVersionCheck, VersionCheck, vcUpdateOnly)

    NETUPDATE_PROPERTY(TNetUpdateStatus, OnStatus, {})
    NETUPDATE_PROPERTY(TNetUpdateFileProgress, OnFileProgress, {})
    NETUPDATE_PROPERTY(TNetUpdateProgressCancel, OnProgressCancel, {})
    NETUPDATE_PROPERTY(TNetUpdateFileDownloaded, OnFileDownloaded, {})
    NETUPDATE_PROPERTY(TNetUpdateBeforeDownload, OnBeforeFileDownload, {})
    NETUPDATE_PROPERTY(TNetUpdateFileVersionCheck, OnFileVersionCheck, {})
    NETUPDATE_PROPERTY(TNetUpdateFileList, OnGetFileList, {})
    NETUPDATE_PROPERTY(TNetUpdateCustomValidate, OnCustomValidate, {})
    NETUPDATE_PROPERTY(TNetUpdateCustomProcess, OnCustomProcess, {})
    NETUPDATE_PROPERTY(TNetUpdateSetParams, OnSetAppParams, {})
    NETUPDATE_PROPERTY(TNetUpdateSetParams, OnSetAppParamBefore, {})
    NETUPDATE_PROPERTY(TNetUpdateSetParams, OnSetAppParamAfter, {})
    NETUPDATE_PROPERTY(TNetUpdateConvertPrefix, OnConvertPrefix, {})
    NETUPDATE_PROPERTY(TNetUpdateFileNameFromURL, OnFileNameFromURL, {})
    NETUPDATE_PROPERTY(TNetUpdateTextDownloaded, OnDownloadedWhatsNew, {})
    NETUPDATE_PROPERTY(TNetUpdateTextDownloaded, OnDownloadedEULA, {})
    NETUPDATE_PROPERTY(TNetUpdateBeforePost, OnBeforePost, {})
    NETUPDATE_PROPERTY(TNetUpdateProcessPostResult, OnProcessPostResult, {})
    NETUPDATE_PROPERTY(TNetUpdateRestart, OnAppRestart, {})
    NETUPDATE_PROPERTY(TNetUpdateEvent, OnAppDoClose, {})
    NETUPDATE_PROPERTY(TNotifyEvent, OnSuccess, {})
    NETUPDATE_PROPERTY(TNetUpdateProgress, OnProgress, {})
    NETUPDATE_PROPERTY(TNetUpdateThreadDone, OnThreadUpdateDone, {})

public:
    const AnsiString& GetLogFileName() const { return FLogFileName; }
    // The name set last, on any instance, is the one the whole program logs to.
    void SetLogFileName(const AnsiString& value);
    TLastURLEntry* GetLastURLEntry() const { return FLastURLEntry.get(); }
    void SetLastURLEntry(TLastURLEntry* value) { FLastURLEntry->Assign(value); }
    TPostUpdateInfo* GetPostUpdateInfo() const { return FPostUpdateInfo.get(); }
    void SetPostUpdateInfo(TPostUpdateInfo* value) { FPostUpdateInfo->Assign(value); }
    TNetUpdateUtility* GetUtility() const { return FUtility; }
    void SetUtility(TNetUpdateUtility* value);
    AnsiString GetVersion() const { return "2.2.0.1"; }
    void SetVersion(const AnsiString&) {}

    const AnsiString& GetAvailableVersion() const { return AvailableVersion; }
    TFileList* GetFileList() const { return FileList.get(); }
    bool RestartNeeded() const { return AppUpdate && !Cancelled && AppComponentFound; }

    // The download folder, with a trailing backslash unless empty.
    void GetTempFolder(AnsiString& Folder) const;
    AnsiString TempFolder() const;
    static bool CreateFolderPath(const AnsiString& Folder);

    // ---- the control file ----
    void GetControlFileURL(AnsiString& URL);
    void ConvertPrefix(const AnsiString& Prefix, AnsiString& Folder);
    void ExpandPrefixes(const AnsiString& Path, AnsiString& Result);
    AnsiString WithPrefixes(const AnsiString& path);
    TDateTime ParseDateTime(const AnsiString& DateText, const AnsiString& TimeText) const;
    TDateTime ReadLocalDateTime();

    // ---- transfers ----
    bool DownloadFile(HINTERNET Connection, const AnsiString& Address, const AnsiString& Folder);
    bool CopyLocalFile(const AnsiString& Source, const AnsiString& Target);
    void FileNameFromURL(const AnsiString& Address, AnsiString& Name);
    void ReportInternetError();
    void SetConnectTimeOut(int32_t Milliseconds);
    // The published setter too: an open session gets the time-out at once.
    void SetReceiveTimeOut(int32_t Milliseconds);
    int32_t GetReceiveTimeOut() const { return FReceiveTimeOut; }
    bool IsConnected();
    void PostUpdateInfoForm();

    // ---- status and log ----
    void AppendLogLine(const AnsiString& Line);
    // Where the log lines go: the name as it is when it holds a path, else in the user's application-data folder.
    static AnsiString UpdateLogPath();

    // State of a check or run, read by callers and tests.
    HINTERNET SessionHandle = nullptr;
    HINTERNET ConnectHandle = nullptr;
    bool Dialled = false;
    bool Cancelled = false;
    bool FtpFolderSet = false;
    AnsiString ControlFileName;
    bool AppUpdate = false;
    bool AppComponentFound = false;
    bool SilentRestart = false;
    AnsiString AppName;
    AnsiString AppParams;
    AnsiString AppComps;
    TDateTime NewDateTime = 0;
    TDateTime LocalDateTime = 0;
    bool LastDateRead = false;
    AnsiString LocalFileName;
    AnsiString AvailableVersion;
    std::unique_ptr<TFileList> FileList;
    TProgressForm* ProgressForm = nullptr;

    // Overridable steps, in the order the component adds them.
    virtual int32_t ShowWhatsNew(TStream* Stream);
    virtual int32_t ShowLicence(TStream* Stream);
    virtual void ReportStatus(int32_t MsgId, const AnsiString& Text, int32_t StatusCode, int32_t ErrCode);
    virtual bool IsNewer(AnsiString& NewVersion, AnsiString& LocalFile, int32_t NewSize, int32_t NewChecksum);
    virtual void DoFileProgress(const AnsiString& FileName, int32_t Pos, int32_t Size);
    virtual void DoProgressCancel(bool& Cancel);
    virtual void DoSetAppParamBefore(AnsiString& Params);
    virtual void DoSetAppParamAfter(AnsiString& Params);
    virtual void DoFileDownloaded(const AnsiString& FileName);
    virtual int32_t StartConnection();
    virtual void StopConnection();
    virtual int32_t ConnectFtp();
    virtual int32_t ReadControlFile();
    virtual int32_t CheckUpdate();
    virtual int32_t RunActions();
    virtual TStringList* GetWhatsNewText();
    virtual TMemoryStream* GetWhatsNewStream();
    virtual TStringList* GetLicenceText();
    virtual TMemoryStream* GetLicenceStream();
    virtual int32_t ReadFileList();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The control file's text of a section `whatsnew` or `eula` downloaded into memory; null when there is none.
    std::unique_ptr<TMemoryStream> DownloadText(const AnsiString& section, int32_t msgId, int32_t statusCode,
                                                bool askBeforeDownload);
    std::unique_ptr<TMemIniFile> OpenControlFile() const;
    TDateTextFormat ControlFileDateFormat() const;
    bool DownloadHttp(const AnsiString& address, HINTERNET& request);
    bool DownloadFtp(HINTERNET connection, const AnsiString& name, HINTERNET& request, int32_t& size);
    // Moves the finished temporary file over the target; false after reporting what failed.
    bool ReplaceTarget(const AnsiString& temporary, const AnsiString& target);
    bool AskLogin(AnsiString& user, AnsiString& password, const AnsiString& address);
    void ProcessMessages();

    AnsiString FLogFileName = "nupdate.log";
    int32_t FReceiveTimeOut = 0;
    std::unique_ptr<TLastURLEntry> FLastURLEntry;
    std::unique_ptr<TPostUpdateInfo> FPostUpdateInfo;
    TNetUpdateUtility* FUtility = nullptr;
};

#undef NETUPDATE_PROPERTY
