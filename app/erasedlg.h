// The main window: side menu, pages, start-up and shut-down.
#pragma once

#include <cstdint>

#include "classlib/Forms.h"
#include "engine/variruvu.h"
#include "lang/quonoslanguage.h"

class TfrmMain : public TForm {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TfrmMain(TComponent* AOwner);

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // Starts the program anew through the shell and closes this window.
    void RestartProgram();

    TSafetyDelete* SafetyDelete = nullptr;
    Tquonoslang* oslang = nullptr;

    AnsiString StartPath;
    bool StartAsFolder = false;
    int32_t FileCount = 0;
    int64_t TotalSize = 0;

private:
    template <class T>
    T* Part(const char* name);
    void DeleteUpdateLeftovers();
};
