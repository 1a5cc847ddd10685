#include "unicontrols_fixture.h"

#include "unicode/UniSystem.h"

VARIRUVU_CLASS_INFO(TUniTestEdit, TEdit) {}

TUniTestEdit::TUniTestEdit(TComponent* AOwner) : TEdit(AOwner)
{
    OnKeyPress = TKeyPressEvent::FromFunction(
        [this](TObject*, char& key) { KeysSeen.push_back(static_cast<unsigned char>(key)); });
}

void TUniTestEdit::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle(this, params, L"EDIT");
}

VARIRUVU_CLASS_INFO(TUniTestPanel, TCustomControl) {}

void TUniTestPanel::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle(this, params, WideString());
}

void TUniTestPanel::WndProc(TMessage& message)
{
    if (message.Msg == CM_TEXTCHANGED)
        ++TextChanges;
    TCustomControl::WndProc(message);
}

void TUniTestPanel::Paint()
{
    ++Paints;
}

void UniFormTest::SetUp()
{
    ASSERT_EQ(GetACP(), 1252u) << "the tests expect Western European as the system code page";
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(40, 40, 420, 300);
    form->Show();
    Pump();
}

void UniFormTest::TearDown()
{
    SetUnicodePlatformForTesting(true);
    form.reset();
    Pump();
}

void UniPlatformTest::SetUp()
{
    UniFormTest::SetUp();
    SetUnicodePlatformForTesting(Unicode());
}

std::string PlatformName(const testing::TestParamInfo<bool>& info)
{
    return info.param ? "Wide" : "Ansi";
}

WideString WindowTextW(HWND wnd)
{
    wchar_t buffer[512] = {};
    int length = GetWindowTextW(wnd, buffer, 512);
    return WideString(buffer, static_cast<size_t>(length));
}

WideString WindowClassName(HWND wnd)
{
    wchar_t buffer[256] = {};
    int length = GetClassNameW(wnd, buffer, 256);
    return WideString(buffer, static_cast<size_t>(length));
}
