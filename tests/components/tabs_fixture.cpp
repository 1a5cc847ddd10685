#include "tabs_fixture.h"

void KitTabsTest::SetUp()
{
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 700, 500);
    form->SetColor(FormColor);
    form->HandleNeeded();
}

void KitTabsTest::TearDown()
{
    form.reset();
    Application->ProcessMessages();
}

TKitPageControl* KitTabsTest::AddPageControl(int width, int height, const std::vector<AnsiString>& captions)
{
    auto* pages = new TKitPageControl(form.get());
    pages->SetParent(form.get());
    pages->SetBounds(10, 10, width, height);
    pages->HandleNeeded();
    for (const AnsiString& caption : captions)
        AddPage(pages, caption);
    return pages;
}

TKitTabSheet* KitTabsTest::AddPage(TKitPageControl* pages, const AnsiString& caption)
{
    auto* page = new TKitTabSheet(form.get());
    page->SetCaption(caption);
    page->SetPageControl(pages);
    return page;
}

std::unique_ptr<TPixelSurface> KitTabsTest::Print(TWinControl* control)
{
    auto surface = std::make_unique<TPixelSurface>(control->GetWidth(), control->GetHeight());
    control->PaintTo(surface->DC(), 0, 0);
    return surface;
}

void KitTabsTest::Click(TWinControl* control, TPoint p)
{
    control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    control->Perform(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

void KitTabsTest::MoveMouse(TWinControl* control, TPoint p, bool leftHeld)
{
    control->Perform(WM_MOUSEMOVE, leftHeld ? MK_LBUTTON : 0, MAKELPARAM(p.x, p.y));
}

LRESULT KitTabsTest::DialogKey(TWinControl* control, WORD key, bool ctrl, bool shift)
{
    BYTE state[256];
    GetKeyboardState(state);
    const BYTE saved[2] = {state[VK_CONTROL], state[VK_SHIFT]};
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    const LRESULT result = control->Perform(CN_KEYDOWN, key, 0);
    state[VK_CONTROL] = saved[0];
    state[VK_SHIFT] = saved[1];
    SetKeyboardState(state);
    return result;
}
