#include "classlib/Forms.h"
#include "components/KitGrafx.h"

namespace {

// At design time a parent that fails to paint must not take the designer down.
bool PerformGuarded(TWinControl* parent, UINT msg, HDC dc, LPARAM lParam, bool designing)
{
    try {
        parent->Perform(msg, reinterpret_cast<WPARAM>(dc), lParam);
        return true;
    } catch (const std::exception&) {
        if (!designing)
            throw;
        return false;
    }
}

}  // namespace

void PaintParentBackground(TControl* Control, HDC DC, bool InvalidateParent)
{
    TWinControl* parent = Control->GetParent();
    if (!parent)
        return;
    bool designing = (Control->GetComponentState() & csDesigning) != 0;
    int saved = SaveDC(DC);
    POINT origin;
    GetViewportOrgEx(DC, &origin);
    SetViewportOrgEx(DC, origin.x - Control->GetLeft(), origin.y - Control->GetTop(), nullptr);
    IntersectClipRect(DC, 0, 0, parent->GetClientWidth(), parent->GetClientHeight());
    struct TRestore {
        HDC DC;
        int Saved;
        ~TRestore() { RestoreDC(DC, Saved); }
    } restore{DC, saved};
    if (PerformGuarded(parent, WM_ERASEBKGND, DC, 0, designing))
        PerformGuarded(parent, WM_PRINTCLIENT, DC, PRF_CLIENT, designing);
    if (InvalidateParent && !designing && !parent->InheritsFrom(TCustomControl::ClassInfo()) &&
        !parent->InheritsFrom(TCustomForm::ClassInfo()))
        parent->Invalidate();
}

void PaintParentBackground(TControl* Control, TCanvas* Canvas, bool InvalidateParent)
{
    PaintParentBackground(Control, Canvas->GetHandle(), InvalidateParent);
}
