#include <algorithm>
#include <cstring>

#include "unicode/UniSysUtils.h"
#include "unicode/UniSystem.h"
#include "unicode/UniWideStrUtils.h"
#include "unicode_controls/UniDialogs.h"

namespace {

const wchar_t* NullWhenEmpty(const WideString& text)
{
    return text.empty() ? nullptr : text.c_str();
}

// A name the dialog gives with its own folder: a rooted path or a full one.
bool IsCompletePath(const WideString& name)
{
    return (!name.empty() && name[0] == L'\\') || (name.size() > 3 && name[1] == L':' && name[2] == L'\\');
}

}  // namespace

WideString MakeWideDialogFilter(const WideString& filter)
{
    if (filter.empty())
        return {};
    WideString result = filter + WideString(2, L'\0');
    std::replace(result.begin(), result.end(), L'|', L'\0');
    return result;
}

bool TUniOpenDialog::RunDialog()
{
    return IsUnicodePlatform() ? RunWideDialog() : TOpenDialog::RunDialog();
}

BOOL WINAPI TUniOpenDialog::CopyRecord(OPENFILENAMEA* ofn)
{
    CapturingDialog->FCapturedRecord = *ofn;
    return FALSE;
}

void TUniOpenDialog::CaptureRecord()
{
    CapturingDialog = this;
    try {
        DoExecute(&TUniOpenDialog::CopyRecord);
    } catch (...) {
        CapturingDialog = nullptr;
        throw;
    }
    CapturingDialog = nullptr;
}

bool TUniOpenDialog::RunWideDialog()
{
    FFiles->Clear();
    CaptureRecord();
    static_assert(sizeof(OPENFILENAMEW) == sizeof(OPENFILENAMEA));
    OPENFILENAMEW ofn;
    std::memcpy(static_cast<void*>(&ofn), &FCapturedRecord, sizeof(ofn));
    if (!IsWindow(ofn.hwndOwner))
        ofn.hwndOwner = Application->GetHandle();

    // The captured texts are 8-bit ones of a run that has ended: each is set anew.
    const WideString filter = MakeWideDialogFilter(GetFilter());
    ofn.lpstrFilter = NullWhenEmpty(filter);
    const WideString fileName = GetFileName();
    std::vector<wchar_t> buffer(static_cast<size_t>(ofn.nMaxFile) + 2, L'\0');
    fileName.copy(buffer.data(), std::min<size_t>(fileName.size(), ofn.nMaxFile));
    ofn.lpstrFile = buffer.data();
    const WideString initialDir = GetInitialDir().empty() && ForceCurrentDirectory ? WideString(L".") : GetInitialDir();
    ofn.lpstrInitialDir = NullWhenEmpty(initialDir);
    const WideString title = GetTitle();
    ofn.lpstrTitle = NullWhenEmpty(title);
    WideString defaultExt = GetDefaultExt();
    if (defaultExt.empty() && !(ofn.Flags & OFN_EXPLORER)) {
        defaultExt = ExtractFileExtW(fileName);
        if (!defaultExt.empty())
            defaultExt.erase(0, 1);
    }
    ofn.lpstrDefExt = NullWhenEmpty(defaultExt);
    const char* templateName = GetTemplate();
    const WideString wideTemplate = templateName && !IS_INTRESOURCE(templateName) ? AnsiToWide(templateName) : L"";
    ofn.lpTemplateName =
        wideTemplate.empty() ? reinterpret_cast<const wchar_t*>(templateName) : wideTemplate.c_str();

    // The owner is the one the class library's run chose for the same runner.
    if (!TaskModalDialog([&](HWND) { return GetOpenFileNameW(&ofn) != FALSE; }))
        return false;
    ReadWideFileNames(buffer.data());
    TOpenOptions options = GetOptions();
    if (ofn.Flags & OFN_EXTENSIONDIFFERENT)
        options.Include(ofExtensionDifferent);
    else
        options.Exclude(ofExtensionDifferent);
    if (ofn.Flags & OFN_READONLY)
        options.Include(ofReadOnly);
    else
        options.Exclude(ofReadOnly);
    SetOptions(options);
    SetFilterIndex(static_cast<int>(ofn.nFilterIndex));
    return true;
}

void TUniOpenDialog::ReadWideFileNames(const wchar_t* buffer)
{
    const TOpenOptions options = GetOptions();
    FFiles->Clear();
    if (!options.Contains(ofAllowMultiSelect)) {
        // Taken from the buffer, not from the dialog's box: the system may
        // have added the default extension to what was typed.
        SetFileName(buffer);
        FFiles->Add(buffer);
    } else {
        // The old-style dialog separates the names by spaces, the explorer-style one ends each with NUL.
        const wchar_t separator = options.Contains(ofOldStyleDialog) ? L' ' : L'\0';
        const std::vector<WideString> tokens = SplitWideBuffer(buffer, separator);
        if (tokens.size() <= 1) {
            FFiles->Add(tokens.empty() ? WideString() : tokens[0]);
        } else {
            const WideString folder = IncludeTrailingBackslashW(tokens[0]);
            for (size_t i = 1; i < tokens.size(); ++i)
                FFiles->Add(IsCompletePath(tokens[i]) ? tokens[i] : folder + tokens[i]);
        }
        SetFileName(FFiles->Get(0));
    }
    TStrings* ansiFiles = TOpenDialog::GetFiles();
    ansiFiles->Clear();
    for (int i = 0; i < FFiles->GetCount(); ++i)
        ansiFiles->Add(WideToAnsi(FFiles->Get(i)));
}
