#include "kit_form_fixture.h"

#include <algorithm>
#include <cstdlib>

#include "classlib/Themes.h"

void KitFormTest::SetUp()
{
    savedThemes = ThemesEnabled();
    SetThemesEnabled(false);
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 420, 320);
    form->SetColor(FormColor);
    form->HandleNeeded();
}

void KitFormTest::TearDown()
{
    form.reset();
    SetThemesEnabled(savedThemes);
}

void KitFormTest::ShowForm()
{
    form->Show();
    SetForegroundWindow(form->GetHandle());
    Application->ProcessMessages();
}

std::unique_ptr<TPixelSurface> KitFormTest::PrintGraphic(TControl* control, COLORREF background)
{
    auto surface = std::make_unique<TPixelSurface>(control->GetWidth(), control->GetHeight(), background);
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface->DC()), 0);
    return surface;
}

std::unique_ptr<TPixelSurface> KitFormTest::PrintWindowed(TWinControl* control)
{
    auto surface = std::make_unique<TPixelSurface>(control->GetWidth(), control->GetHeight());
    control->PaintTo(surface->DC(), 0, 0);
    return surface;
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

TRect BoxOf(const TPixelSurface& surface, COLORREF color, int tolerance)
{
    TRect box(surface.Width(), surface.Height(), 0, 0);
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (Near(surface.Pixel(x, y), color, tolerance)) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box.left < box.right ? box : TRect();
}
