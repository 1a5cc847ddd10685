#include "panel_fixture.h"

void KitPanelTest::SetUp()
{
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 420, 320);
    form->SetColor(FormColor);
    form->HandleNeeded();
}

TKitPanel* KitPanelTest::AddPanel(int width, int height)
{
    auto* panel = new TKitPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, width, height);
    panel->HandleNeeded();
    return panel;
}

std::unique_ptr<TPixelSurface> KitPanelTest::Print(TKitPanel* panel)
{
    auto surface = std::make_unique<TPixelSurface>(panel->GetWidth(), panel->GetHeight());
    panel->PaintTo(surface->DC(), 0, 0);
    return surface;
}
