// The common dialogs and message dialogs.
#pragma once

#include "classlib/Forms.h"

class TCommonDialog : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}
    // Shows the dialog; true when the user confirmed it.
    virtual bool Execute() = 0;

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    // Runs the system dialog with every other window of the program disabled
    // (the owner is the active window, else the application window). OnShow
    // and OnClose are the dialog window's to fire, not this runner's: a run
    // may end without ever showing one.
    bool TaskModalDialog(const std::function<bool(HWND owner)>& dialog);
};

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
    ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
VARIRUVU_ENUM_INFO(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp,
                   ofNoValidate, ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist,
                   ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton,
                   ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing,
                   ofDontAddToRecent, ofForceShowHidden);
using TOpenOptions = TSet<TOpenOption>;

// The platform's open-file function (GetOpenFileNameA or a stand-in).
using TOpenFileFunc = BOOL(WINAPI*)(OPENFILENAMEA*);
// Asked for every item the dialog is about to list (with ofEnableIncludeNotify).
using TIncludeItemEvent = TEvent<const OFNOTIFYEXA&, bool&>;

// When set, an open dialog without InitialDir starts in the current folder
// rather than where the system last left off.
extern bool ForceCurrentDirectory;

class TOpenDialog : public TCommonDialog {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;

    TOpenOptions GetOptions() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }
    // Pairs of description and pattern separated by '|'.
    const AnsiString& GetFilter() const { return FFilter; }
    void SetFilter(const AnsiString& value) { FFilter = value; }
    int GetFilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    const AnsiString& GetInitialDir() const { return FInitialDir; }
    void SetInitialDir(const AnsiString& value);
    const AnsiString& GetFileName() const { return FFileName; }
    void SetFileName(const AnsiString& value) { FFileName = value; }
    const AnsiString& GetTitle() const { return FTitle; }
    void SetTitle(const AnsiString& value) { FTitle = value; }
    const AnsiString& GetDefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const AnsiString& value) { FDefaultExt = value; }
    // The chosen files, full paths, in the dialog's order.
    TStrings* GetFiles() const { return FFiles.get(); }
    // A dialog resource (name or MAKEINTRESOURCEA number) of the program laid
    // into the dialog; the name must outlive the dialog. Null for none.
    const char* GetTemplate() const { return FTemplate; }
    void SetTemplate(const char* value) { FTemplate = value; }
    // The dialog's own window while it is shown (the child that runs the
    // window procedure below), else null.
    HWND GetHandle() const { return FHandle; }

    bool Execute() override { return RunDialog(); }

    // Asked when the user confirms a choice, with Files holding it; setting
    // the flag false keeps the dialog open.
    TCloseQueryEvent OnCanClose;
    TIncludeItemEvent OnIncludeItem;

protected:
    // The dialog-run slot; the base runs the 8-bit dialog.
    virtual bool RunDialog() { return DoExecute(&GetOpenFileNameA); }
    // Fills the record from the properties, calls `func` as a task-modal
    // dialog and reads the names back.
    bool DoExecute(TOpenFileFunc func);
    // Splits the returned buffer into FileName and Files.
    void ReadFileNames(const char* buffer, DWORD flags);
    // The messages of the dialog's window; Result is the message's answer.
    virtual void WndProc(TMessage& message);
    // The close check: OnCanClose's answer, true when it is not assigned.
    virtual bool CanClose();
    virtual void IncludeItem(const OFNOTIFYEXA& notify, bool& include);

private:
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
    AnsiString FFilter;
    int FFilterIndex = 1;
    AnsiString FInitialDir;
    AnsiString FFileName;
    AnsiString FTitle;
    AnsiString FDefaultExt;
    std::unique_ptr<TStringList> FFiles;
    const char* FTemplate = nullptr;
    HWND FHandle = nullptr;

    static UINT_PTR CALLBACK DialogHook(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
VARIRUVU_ENUM_INFO(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom);
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
VARIRUVU_ENUM_INFO(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll,
                   mbYesToAll, mbHelp);
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// The title a message dialog of this type carries ("Warning", "Information", ...;
// the application's title for mtCustom).
AnsiString MessageDlgTitle(TMsgDlgType type);
// A modal message box with the type's icon and title and the nearest system
// set of the buttons; gives the mr... of the button pressed.
int MessageDlg(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
void ShowMessage(const AnsiString& msg);
