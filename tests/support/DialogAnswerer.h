// Answers the dialogs a test shows on its own thread, step by step, as a user would.
#pragma once

#include <functional>
#include <vector>

#include "classlib/Win.h"

// Answers the first dialog window of this process titled `title` (any title
// when null), from a timer that the dialog's own message loop runs: one step
// at each tick, so that the dialog handles what a step did before the next.
class TDialogAnswerer {
public:
    using TStep = std::function<void(HWND)>;
    TDialogAnswerer(const char* title, std::vector<TStep> steps);
    TDialogAnswerer(const char* title, TStep step) : TDialogAnswerer(title, std::vector<TStep>{std::move(step)}) {}
    ~TDialogAnswerer();
    TDialogAnswerer(const TDialogAnswerer&) = delete;
    TDialogAnswerer& operator=(const TDialogAnswerer&) = delete;

    bool Answered() const { return FDone == FSteps.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    static inline TDialogAnswerer* Current = nullptr;
    const char* FTitle;
    std::vector<TStep> FSteps;
    size_t FDone = 0;
    UINT_PTR FTimer = 0;
};
