#include "unicode_controls/UniDialogs.h"

#include "unicode/UniClasses.h"
#include "unicode/UniSystem.h"

VARIRUVU_CLASS_INFO(TUniOpenDialog, TOpenDialog)
{
    info.Property("DefaultExt", &TUniOpenDialog::GetDefaultExt, &TUniOpenDialog::SetDefaultExt);
    info.Property("FileName", &TUniOpenDialog::GetFileName, &TUniOpenDialog::SetFileName);
    info.Property("Filter", &TUniOpenDialog::GetFilter, &TUniOpenDialog::SetFilter);
    info.Property("InitialDir", &TUniOpenDialog::GetInitialDir, &TUniOpenDialog::SetInitialDir);
    info.Property("Title", &TUniOpenDialog::GetTitle, &TUniOpenDialog::SetTitle);
    info.Property("OnIncludeItem", &TUniOpenDialog::OnIncludeItem);
}

TUniOpenDialog::TUniOpenDialog(TComponent* AOwner) : TOpenDialog(AOwner), FFiles(std::make_unique<TUniStringList>())
{
}

TUniOpenDialog::~TUniOpenDialog() = default;

WideString TUniOpenDialog::GetDefaultExt() const
{
    return SyncWideFromAnsi(FDefaultExt, TOpenDialog::GetDefaultExt());
}

void TUniOpenDialog::SetDefaultExt(const WideString& value)
{
    FDefaultExt = value;
    TOpenDialog::SetDefaultExt(WideToAnsi(value));
}

WideString TUniOpenDialog::GetFileName() const
{
    HWND dialog = GetHandle();
    // Only the Unicode explorer-style dialog answers this; an old-style one's
    // parent is the program's own window.
    if (dialog && IsUnicodePlatform() && !GetOptions().Contains(ofOldStyleDialog)) {
        std::vector<wchar_t> path(MAX_PATH + 1, L'\0');
        for (int attempt = 0; attempt < 2; ++attempt) {
            // The size goes in characters: the system writes that many.
            LRESULT length = SendMessageW(GetParent(dialog), CDM_GETFILEPATH, path.size() - 1,
                                          reinterpret_cast<LPARAM>(path.data()));
            if (length <= 0)
                break;
            if (static_cast<size_t>(length) < path.size())
                return WideString(path.data());
            path.assign(static_cast<size_t>(length) + 1, L'\0');
        }
    }
    return SyncWideFromAnsi(FFileName, TOpenDialog::GetFileName());
}

void TUniOpenDialog::SetFileName(const WideString& value)
{
    FFileName = value;
    TOpenDialog::SetFileName(WideToAnsi(value));
}

WideString TUniOpenDialog::GetFilter() const
{
    return SyncWideFromAnsi(FFilter, TOpenDialog::GetFilter());
}

void TUniOpenDialog::SetFilter(const WideString& value)
{
    FFilter = value;
    TOpenDialog::SetFilter(WideToAnsi(value));
}

WideString TUniOpenDialog::GetInitialDir() const
{
    return SyncWideFromAnsi(FInitialDir, TOpenDialog::GetInitialDir());
}

void TUniOpenDialog::SetInitialDir(const WideString& value)
{
    WideString dir = value;
    if (dir.size() > 1 && dir.back() == L'\\' && dir[dir.size() - 2] != L':')
        dir.pop_back();
    FInitialDir = dir;
    TOpenDialog::SetInitialDir(WideToAnsi(dir));
}

WideString TUniOpenDialog::GetTitle() const
{
    return SyncWideFromAnsi(FTitle, TOpenDialog::GetTitle());
}

void TUniOpenDialog::SetTitle(const WideString& value)
{
    FTitle = value;
    TOpenDialog::SetTitle(WideToAnsi(value));
}

TUniStrings* TUniOpenDialog::GetFiles() const
{
    // Elsewhere the 8-bit dialog fills the class library's list only.
    if (!IsUnicodePlatform()) {
        FFiles->Clear();
        FFiles->AddStrings(TOpenDialog::GetFiles());
    }
    return FFiles.get();
}

void TUniOpenDialog::DefineProperties(TFiler* filer)
{
    TOpenDialog::DefineProperties(filer);
    WidePropertyFilerHook(filer, this);
}

void TUniOpenDialog::WndProc(TMessage& message)
{
    message.Result = 0;
    if (message.Msg == WM_INITDIALOG && !GetOptions().Contains(ofOldStyleDialog))
        return;
    // The Unicode dialog's record holds wide names, which the class library cannot read.
    if (message.Msg == WM_NOTIFY && IsUnicodePlatform() &&
        reinterpret_cast<const NMHDR*>(message.LParam)->code == static_cast<UINT>(CDN_FILEOK)) {
        AnswerFileOk(message);
        return;
    }
    TOpenDialog::WndProc(message);
}

void TUniOpenDialog::AnswerFileOk(TMessage& message)
{
    const auto* notify = reinterpret_cast<const OFNOTIFYW*>(message.LParam);
    bool accepted = false;
    try {
        ReadWideFileNames(notify->lpOFN->lpstrFile);
        accepted = CanClose();
    } catch (...) {
        FFiles->Clear();
        TOpenDialog::GetFiles()->Clear();
        throw;
    }
    FFiles->Clear();
    TOpenDialog::GetFiles()->Clear();
    if (!accepted) {
        message.Result = 1;
        SetWindowLongPtrW(GetHandle(), DWLP_MSGRESULT, 1);
    }
}

void TUniOpenDialog::IncludeItem(const OFNOTIFYEXA& notify, bool& include)
{
    // Both records have the same layout; the Unicode dialog sends the wide one.
    if (IsUnicodePlatform() && OnIncludeItem)
        OnIncludeItem(reinterpret_cast<const OFNOTIFYEXW&>(notify), include);
}
