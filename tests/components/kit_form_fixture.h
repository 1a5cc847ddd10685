// Labels and buttons of the component set on a test form, and their pictures
// painted into a DIB section.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "classlib/Forms.h"
#include "kit_fixture.h"

class KitFormTest : public testing::Test {
protected:
    static constexpr TColor FormColor = 0x00406080;

    void SetUp() override;
    void TearDown() override;
    // A control of the class on the form, at the bounds given.
    template <class T>
    T* Add(int left, int top, int width, int height)
    {
        auto* control = new T(form.get());
        control->SetParent(form.get());
        control->SetBounds(left, top, width, height);
        return control;
    }
    // A window-less control as it paints itself.
    static std::unique_ptr<TPixelSurface> PrintGraphic(TControl* control, COLORREF background = RGB(1, 2, 3));
    // A windowed control as it paints itself, background included.
    static std::unique_ptr<TPixelSurface> PrintWindowed(TWinControl* control);
    // Shows the form, so its controls may take the focus.
    void ShowForm();

    std::unique_ptr<TForm> form;
    bool savedThemes = false;
};

// Pixels whose colour is within `tolerance` of `color` in every channel (text may be smoothed).
bool Near(COLORREF a, COLORREF b, int tolerance = 40);
// The box around every pixel near `color`; empty when there is none.
TRect BoxOf(const TPixelSurface& surface, COLORREF color, int tolerance = 40);
inline bool IsEmpty(const TRect& r)
{
    return r.Width() <= 0 || r.Height() <= 0;
}
