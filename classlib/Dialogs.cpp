#include <cstring>

#include "classlib/Dialogs.h"

VARIRUVU_CLASS_INFO(TCommonDialog, TComponent)
{
    info.Property("OnClose", &TCommonDialog::OnClose);
    info.Property("OnShow", &TCommonDialog::OnShow);
}

namespace {

BOOL CALLBACK CollectEnabledWindow(HWND wnd, LPARAM param)
{
    if (IsWindowVisible(wnd) && IsWindowEnabled(wnd))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(wnd);
    return TRUE;
}

}  // namespace

bool TCommonDialog::TaskModalDialog(const std::function<bool(HWND owner)>& dialog)
{
    HWND owner = GetActiveWindow();
    if (!owner || !FindControl(owner))
        owner = Application->GetHandle();
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
    for (HWND wnd : disabled)
        if (wnd != owner)
            EnableWindow(wnd, FALSE);
    Application->ModalStarted();
    bool result = false;
    try {
        result = dialog(owner);
    } catch (...) {
        Application->ModalFinished();
        for (HWND wnd : disabled)
            EnableWindow(wnd, TRUE);
        throw;
    }
    Application->ModalFinished();
    for (HWND wnd : disabled)
        EnableWindow(wnd, TRUE);
    return result;
}

VARIRUVU_CLASS_INFO(TOpenDialog, TCommonDialog)
{
    info.Property("DefaultExt", &TOpenDialog::GetDefaultExt, &TOpenDialog::SetDefaultExt);
    info.Property("FileName", &TOpenDialog::GetFileName, &TOpenDialog::SetFileName);
    info.Property("Filter", &TOpenDialog::GetFilter, &TOpenDialog::SetFilter);
    info.Property("FilterIndex", &TOpenDialog::GetFilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    info.Property("InitialDir", &TOpenDialog::GetInitialDir, &TOpenDialog::SetInitialDir);
    info.Property("OnCanClose", &TOpenDialog::OnCanClose);
    info.Property("OnIncludeItem", &TOpenDialog::OnIncludeItem);
    info.Property("Options", &TOpenDialog::GetOptions, &TOpenDialog::SetOptions)
        .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing});
    info.Property("Title", &TOpenDialog::GetTitle, &TOpenDialog::SetTitle);
}

bool ForceCurrentDirectory = false;

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFiles(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

void TOpenDialog::SetInitialDir(const AnsiString& value)
{
    FInitialDir = value;
}

namespace {

struct TOptionFlag {
    TOpenOption Option;
    DWORD Flag;
};

constexpr TOptionFlag OptionFlags[] = {
    {ofReadOnly, OFN_READONLY},
    {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
    {ofHideReadOnly, OFN_HIDEREADONLY},
    {ofNoChangeDir, OFN_NOCHANGEDIR},
    {ofShowHelp, OFN_SHOWHELP},
    {ofNoValidate, OFN_NOVALIDATE},
    {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
    {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
    {ofPathMustExist, OFN_PATHMUSTEXIST},
    {ofFileMustExist, OFN_FILEMUSTEXIST},
    {ofCreatePrompt, OFN_CREATEPROMPT},
    {ofShareAware, OFN_SHAREAWARE},
    {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
    {ofNoTestFileCreate, OFN_NOTESTFILECREATE},
    {ofNoNetworkButton, OFN_NONETWORKBUTTON},
    {ofNoLongNames, OFN_NOLONGNAMES},
    {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS},
    {ofEnableIncludeNotify, OFN_ENABLEINCLUDENOTIFY},
    {ofEnableSizing, OFN_ENABLESIZING},
    {ofDontAddToRecent, OFN_DONTADDTORECENT},
    {ofForceShowHidden, OFN_FORCESHOWHIDDEN},
};

}  // namespace

bool TOpenDialog::DoExecute(TOpenFileFunc func)
{
    FFiles->Clear();
    AnsiString filter;
    if (!FFilter.empty()) {
        filter = FFilter;
        std::replace(filter.begin(), filter.end(), '|', '\0');
        filter.append(2, '\0');
    }
    bool multi = FOptions.Contains(ofAllowMultiSelect);
    DWORD size = multi ? 65519 : MAX_PATH;
    std::vector<char> buffer(size + 2, '\0');
    FFileName.copy(buffer.data(), std::min<size_t>(FFileName.size(), size));

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(FFilterIndex);
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = size;
    if (!FInitialDir.empty())
        ofn.lpstrInitialDir = FInitialDir.c_str();
    else if (ForceCurrentDirectory)
        ofn.lpstrInitialDir = ".";
    ofn.lpstrTitle = FTitle.empty() ? nullptr : FTitle.c_str();
    ofn.lpstrDefExt = FDefaultExt.empty() ? nullptr : FDefaultExt.c_str();
    for (const TOptionFlag& f : OptionFlags)
        if (FOptions.Contains(f.Option))
            ofn.Flags |= f.Flag;
    if (!FOptions.Contains(ofOldStyleDialog))
        ofn.Flags |= OFN_EXPLORER;
    ofn.Flags |= OFN_ENABLEHOOK;
    ofn.lpfnHook = &TOpenDialog::DialogHook;
    ofn.lCustData = reinterpret_cast<LPARAM>(this);
    if (FTemplate) {
        ofn.Flags |= OFN_ENABLETEMPLATE;
        ofn.hInstance = GetModuleHandleA(nullptr);
        ofn.lpTemplateName = FTemplate;
    }

    bool ok = TaskModalDialog([&](HWND owner) {
        ofn.hwndOwner = owner;
        return func(&ofn) != FALSE;
    });
    if (!ok)
        return false;
    ReadFileNames(buffer.data(), ofn.Flags);
    FFilterIndex = static_cast<int>(ofn.nFilterIndex);
    if (ofn.Flags & OFN_READONLY)
        FOptions.Include(ofReadOnly);
    else
        FOptions.Exclude(ofReadOnly);
    if (ofn.Flags & OFN_EXTENSIONDIFFERENT)
        FOptions.Include(ofExtensionDifferent);
    else
        FOptions.Exclude(ofExtensionDifferent);
    return true;
}

void TOpenDialog::ReadFileNames(const char* buffer, DWORD flags)
{
    FFiles->Clear();
    bool multi = flags & OFN_ALLOWMULTISELECT;
    char separator = multi && !(flags & OFN_EXPLORER) ? ' ' : '\0';
    std::vector<AnsiString> tokens;
    if (separator == '\0') {
        // Explorer style: names end in NUL, the list in an empty name.
        for (const char* p = buffer; *p; p += lstrlenA(p) + 1)
            tokens.emplace_back(p);
    } else {
        // Old style: names separated by spaces.
        for (size_t start = 0, end; start < std::strlen(buffer); start = end + 1) {
            end = std::min(std::strlen(buffer), AnsiString(buffer).find(' ', start));
            if (end > start)
                tokens.emplace_back(buffer + start, buffer + end);
        }
    }
    if (!multi || tokens.size() <= 1) {
        FFileName = tokens.empty() ? AnsiString() : tokens[0];
        FFiles->Add(FFileName);
        return;
    }
    AnsiString folder = IncludeTrailingPathDelimiter(tokens[0]);
    for (size_t i = 1; i < tokens.size(); ++i) {
        const AnsiString& name = tokens[i];
        bool absolute = (!name.empty() && name[0] == '\\') || (name.size() > 3 && name[1] == ':' && name[2] == '\\');
        FFiles->Add(absolute ? name : folder + name);
    }
    FFileName = FFiles->Get(0);
}

UINT_PTR CALLBACK TOpenDialog::DialogHook(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // The record of either character width: lCustData lies at the same place in both.
    if (msg == WM_INITDIALOG)
        SetWindowLongPtrA(wnd, DWLP_USER, reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData);
    auto* dialog = reinterpret_cast<TOpenDialog*>(GetWindowLongPtrA(wnd, DWLP_USER));
    if (!dialog)
        return 0;
    TMessage message{msg, wParam, lParam, 0};
    // An exception must not unwind through the system's dialog code.
    try {
        if (msg == WM_INITDIALOG) {
            dialog->FHandle = wnd;
            if (dialog->OnShow)
                dialog->OnShow(dialog);
        }
        dialog->WndProc(message);
        if (msg == WM_DESTROY) {
            dialog->FHandle = nullptr;
            if (dialog->OnClose)
                dialog->OnClose(dialog);
        }
    } catch (...) {
        Application->HandleException(dialog);
    }
    return static_cast<UINT_PTR>(message.Result);
}

void TOpenDialog::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_INITDIALOG:
        // The old-style dialog is this window: let the system set the focus.
        message.Result = FOptions.Contains(ofOldStyleDialog) ? 1 : 0;
        return;
    case WM_NOTIFY:
        break;
    default:
        return;
    }
    const auto* notify = reinterpret_cast<const OFNOTIFYEXA*>(message.LParam);
    if (notify->hdr.code == CDN_FILEOK) {
        const OPENFILENAMEA* ofn = reinterpret_cast<const OFNOTIFYA*>(notify)->lpOFN;
        ReadFileNames(ofn->lpstrFile, ofn->Flags);
        bool accepted = CanClose();
        FFiles->Clear();
        if (!accepted) {
            message.Result = 1;
            SetWindowLongPtrA(FHandle, DWLP_MSGRESULT, 1);
        }
    } else if (notify->hdr.code == CDN_INCLUDEITEM) {
        bool include = true;
        IncludeItem(*notify, include);
        message.Result = include ? 1 : 0;
        SetWindowLongPtrA(FHandle, DWLP_MSGRESULT, message.Result);
    }
}

bool TOpenDialog::CanClose()
{
    bool canClose = true;
    if (OnCanClose)
        OnCanClose(this, canClose);
    return canClose;
}

void TOpenDialog::IncludeItem(const OFNOTIFYEXA& notify, bool& include)
{
    if (OnIncludeItem)
        OnIncludeItem(notify, include);
}

AnsiString MessageDlgTitle(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return "Warning";
    case mtError:
        return "Error";
    case mtInformation:
        return "Information";
    case mtConfirmation:
        return "Confirm";
    case mtCustom:
        break;
    }
    return Application->GetTitle();
}

int MessageDlg(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons, int)
{
    static constexpr UINT icons[] = {MB_ICONWARNING, MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION, 0};
    UINT set = MB_OK;
    if (buttons == mbAbortRetryIgnore)
        set = MB_ABORTRETRYIGNORE;
    else if (buttons.Contains(mbYes) && buttons.Contains(mbNo))
        set = buttons.Contains(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    else if (buttons.Contains(mbRetry) && buttons.Contains(mbCancel))
        set = MB_RETRYCANCEL;
    else if (buttons.Contains(mbOK) && buttons.Contains(mbCancel))
        set = MB_OKCANCEL;
    return Application->MessageBox(msg, MessageDlgTitle(type), set | icons[type]);
}

void ShowMessage(const AnsiString& msg)
{
    Application->MessageBox(msg, Application->GetTitle(), MB_OK);
}
