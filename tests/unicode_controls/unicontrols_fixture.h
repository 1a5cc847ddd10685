// What the tests of the Unicode controls share: small controls made Unicode,
// a form to put them on, and runs on both platform paths.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/Forms.h"
#include "unicode_controls/UniControls.h"
#include "unicode_controls/UniStdCtrls.h"

// A system edit whose window is a Unicode one; the characters its key
// handler sees are kept.
class TUniTestEdit : public TEdit {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TUniTestEdit(TComponent* AOwner);
    std::vector<unsigned char> KeysSeen;

protected:
    void CreateWindowHandle(const TCreateParams& params) override;
};

// A control that paints itself, on a Unicode window of its own class.
class TUniTestPanel : public TCustomControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomControl::TCustomControl;
    int Paints = 0;
    int TextChanges = 0;
    void WndProc(TMessage& message) override;

protected:
    void CreateWindowHandle(const TCreateParams& params) override;
    void Paint() override;
};

// A form on the screen, 1252 as the system code page.
class UniFormTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    template <class T>
    T* Add(int left = 10, int top = 10, int width = 160, int height = 28)
    {
        auto* control = new T(form.get());
        control->SetParent(form.get());
        control->SetBounds(left, top, width, height);
        return control;
    }
    static void Pump() { Application->ProcessMessages(); }

    std::unique_ptr<TForm> form;
};

// The same, once as the NT family (parameter true) and once as the older family.
class UniPlatformTest : public UniFormTest, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override;
    bool Unicode() const { return GetParam(); }
};

std::string PlatformName(const testing::TestParamInfo<bool>& info);

// The window's text as the system holds it.
WideString WindowTextW(HWND wnd);
// The name of the window's class.
WideString WindowClassName(HWND wnd);
