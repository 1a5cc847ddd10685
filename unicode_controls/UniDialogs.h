// The open-file dialog with wide (UTF-16) file names, filter, folder, title
// and default extension.
//
// On the NT family the class library's 8-bit run is made to prepare its
// record without showing anything (the dialog function it is given only
// copies the record), and the Unicode dialog runs on that record with the
// wide texts. Elsewhere the 8-bit dialog runs unchanged and the wide
// properties follow their 8-bit twins.
#pragma once

#include "classlib/Dialogs.h"
#include "unicode/UniWideStrings.h"

using TIncludeItemEventW = TEvent<const OFNOTIFYEXW&, bool&>;

// The system's form of a "description|pattern|..." filter: every '|' a NUL,
// two NULs at the end; '' for an empty filter.
WideString MakeWideDialogFilter(const WideString& filter);

class TUniOpenDialog : public TOpenDialog {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TUniOpenDialog(TComponent* AOwner);
    ~TUniOpenDialog() override;

    WideString GetDefaultExt() const;
    void SetDefaultExt(const WideString& value);
    // While the dialog is shown: the path it holds right now.
    WideString GetFileName() const;
    void SetFileName(const WideString& value);
    WideString GetFilter() const;
    void SetFilter(const WideString& value);
    WideString GetInitialDir() const;
    // One trailing backslash goes, except from a drive's root or a lone backslash.
    void SetInitialDir(const WideString& value);
    WideString GetTitle() const;
    void SetTitle(const WideString& value);
    // The chosen files, full paths; the 8-bit list the class library keeps is
    // their narrowed copy.
    TUniStrings* GetFiles() const;

    // Called with the wide notification on the NT family only.
    TIncludeItemEventW OnIncludeItem;

    void DefineProperties(TFiler* filer) override;

protected:
    bool RunDialog() override;
    void WndProc(TMessage& message) override;
    void IncludeItem(const OFNOTIFYEXA& notify, bool& include) override;

private:
    bool RunWideDialog();
    // Lets the class library's run fill its record, without a dialog.
    void CaptureRecord();
    static BOOL WINAPI CopyRecord(OPENFILENAMEA* ofn);
    // FileName and both Files lists from the buffer the Unicode dialog filled.
    void ReadWideFileNames(const wchar_t* buffer);
    void AnswerFileOk(TMessage& message);

    mutable WideString FDefaultExt;
    mutable WideString FFileName;
    mutable WideString FFilter;
    mutable WideString FInitialDir;
    mutable WideString FTitle;
    std::unique_ptr<TUniStringList> FFiles;
    OPENFILENAMEA FCapturedRecord{};

    // The dialog whose record is being captured; one run at a time, as the
    // dialog is modal.
    static inline TUniOpenDialog* CapturingDialog = nullptr;
};
