// Page controls on a form of their own, their pages made in code, and their
// pictures printed into a DIB section.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "classlib/Forms.h"
#include "components/KitTabs.h"
#include "kit_fixture.h"

class KitTabsTest : public testing::Test {
protected:
    static constexpr TColor FormColor = 0x00406080;

    void SetUp() override;
    void TearDown() override;
    // A page control on the form at (10, 10), its window made, with one page per caption.
    TKitPageControl* AddPageControl(int width, int height, const std::vector<AnsiString>& captions = {});
    TKitTabSheet* AddPage(TKitPageControl* pages, const AnsiString& caption);
    // The control as it paints itself, pages included.
    static std::unique_ptr<TPixelSurface> Print(TWinControl* control);
    // Mouse messages as the window would get them, in client coordinates.
    static void Click(TWinControl* control, TPoint p);
    static void MoveMouse(TWinControl* control, TPoint p, bool leftHeld = false);
    static TPoint Centre(const TRect& r) { return TPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
    // A key with Ctrl (and Shift) held, through the window's dialog-key path.
    static LRESULT DialogKey(TWinControl* control, WORD key, bool ctrl, bool shift);

    // Frees a component before its owner does.
    static void Free(TComponent* component) { std::unique_ptr<TComponent> release(component); }

    std::unique_ptr<TForm> form;
};
