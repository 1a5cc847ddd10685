// Shows a form of Unicode controls with a wide hint up, for a look at the
// screen: showcase [seconds].
#include <cstdlib>

#include "classlib/Forms.h"
#include "unicode_controls/UniControls.h"
#include "unicode_controls/UniForms.h"
#include "unicontrols_fixture.h"

int main(int argc, char** argv)
{
    int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    UniApplication()->SetTitle(L"Variruvu \u2013 Unicode");
    TForm form(nullptr);
    form.SetBounds(60, 60, 460, 260);
    form.SetShowHint(true);
    // A face with Latin, Greek, Cyrillic and CJK letters, where the machine has it.
    static constexpr char WideFace[] = "WenQuanYi Micro Hei";
    form.GetFont()->SetName(WideFace);
    Screen->GetHintFont()->SetName(WideFace);
    SetWideText(&form, L"Skartovat soubory \u2013 \u0428\u0440\u0435\u0434\u0435\u0440 \u2013 \u6587\u4EF6\u7C89\u788E");
    struct Item {
        int Top;
        const wchar_t* Caption;
    };
    const Item buttons[] = {{20, L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148"},
                            {60, L"\u0412\u0438\u0434\u0430\u043B\u0438\u0442\u0438 \u0444\u0430\u0439\u043B\u0438"},
                            {100, L"\u5B89\u5168\u5220\u9664\u6587\u4EF6"}};
    TUniButton* first = nullptr;
    for (const Item& item : buttons) {
        auto* button = new TUniButton(&form);
        button->SetParent(&form);
        button->SetBounds(20, item.Top, 200, 30);
        SetWideText(button, item.Caption);
        first = first ? first : button;
    }
    auto* edit = new TUniTestEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(240, 20, 190, 24);
    SetWideText(edit, L"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 \xD834\xDD1E");
    first->SetShowHint(true);
    SetWideHint(first, L"\u0160ipka: \u0436\u043E\u0432\u0442\u0438\u0439 \u6587\u4EF6|long part");
    // The hint stays up for the whole look.
    Application->SetHintHidePause(0);
    form.Show();
    Application->ProcessMessages();
    for (int i = 0; i < seconds * 10; ++i) {
        // Once the form has settled, the mouse comes to rest on the button and the hint comes up.
        if (i == 10) {
            TPoint p = first->ClientToScreen(TPoint(40, 20));
            SetCursorPos(p.x, p.y);
            Application->NoteMouseControl(first);
        }
        Application->ProcessMessages();
        Sleep(100);
    }
    return 0;
}
