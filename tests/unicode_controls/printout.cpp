#include "printout.h"

TPrintout::TPrintout(TControl* control)
{
    FBitmap.SetSize(control->GetWidth(), control->GetHeight());
    HDC dc = Canvas()->GetHandle();
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        windowed->PaintTo(dc, 0, 0);
    else
        control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}
