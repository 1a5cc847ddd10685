#include "tests/support/DialogAnswerer.h"

#include "tests/support/BoxAnswerer.h"

TDialogAnswerer::TDialogAnswerer(const char* title, std::vector<TStep> steps) : FTitle(title), FSteps(std::move(steps))
{
    Current = this;
    FTimer = SetTimer(nullptr, 0, 100, &TDialogAnswerer::Tick);
}

TDialogAnswerer::~TDialogAnswerer()
{
    KillTimer(nullptr, FTimer);
    Current = nullptr;
}

void CALLBACK TDialogAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    TDialogAnswerer* self = Current;
    if (!self || self->Answered())
        return;
    // Only this process's dialogs: other test programs show theirs on the same desktop.
    for (HWND dialog : TopLevelWindows("#32770", GetCurrentProcessId())) {
        char title[256] = {};
        GetWindowTextA(dialog, title, sizeof(title));
        if (!self->FTitle || lstrcmpA(title, self->FTitle) == 0) {
            self->FSteps[self->FDone++](dialog);
            return;
        }
    }
}
