// Unicode windows for the class library's windowed controls, and the wide
// text and hint of every control.
//
// A wide control makes its window in CreateWindowHandle through
// CreateUnicodeHandle: on the NT family the window comes from a Unicode
// window class of its own and is trapped: the window calls the trap, the trap
// runs the control's message chain (its WindowProc, which the trap heads), and
// the chain's default handling reaches the system class through the trap
// again, in UTF-16. Text messages sent by code with 8-bit buffers go through
// the system's conversion; typed characters above 255 are parked where the
// class library's 8-bit key handling cannot spoil them.
#pragma once

#include "classlib/Controls.h"
#include "classlib/StdCtrls.h"
#include "unicode/UniClasses.h"

// The window of `control` from `params`: a Unicode window that copies the
// system class `subClass` ('' for none) on the NT family, an 8-bit one elsewhere.
void CreateUnicodeHandle(TWinControl* control, const TCreateParams& params, const WideString& subClass);
// Traps the Unicode window just made for `control` and gives it its wide text.
void SubClassUnicodeControl(TWinControl* control, const AnsiString& caption);
// The message that, sent to a trapped window, takes the trap away.
UINT UniDestroyWindowMessage();

WideString GetWideText(TControl* control);
void SetWideText(TControl* control, const WideString& value);
WideString GetWideHint(TControl* control);
void SetWideHint(TControl* control, const WideString& value);
// Whether a wide control's Caption / Hint is stored in its form: not when an
// action supplies it.
bool IsWideCaptionStored(TControl* control);
bool IsWideHintStored(TControl* control);

// The first non-empty wide hint of the control and its parents; '' when none.
WideString FindWideHint(TControl* control);
// The text before / after the first '|'; the whole hint when it has none.
WideString WideShortHint(const WideString& hint);
WideString WideLongHint(const WideString& hint);

// The wide item adding of a list control that keeps wide items.
class IWideListControl {
public:
    virtual void AddItem(const WideString& item, TObject* object) = 0;

protected:
    ~IWideListControl() = default;
};
// Dest's wide AddItem when it has one, else its 8-bit AddItem.
void WideListAddItem(TCustomListControl* dest, const WideString& caption, TObject* item);

// A WM_CHAR message carrying `ch`, in the parked form the trapped chain uses.
void InitWideCharMessage(TMessage& message, wchar_t ch);
wchar_t GetWideCharFromMessage(const TMessage& message);

// The answer to WM_NOTIFYFORMAT about `wnd`: NFR_UNICODE or NFR_ANSI.
LRESULT NotifyFormatAnswer(HWND wnd);

// The wide text and hint of a control whose window cannot hold them.
class TWideControlHelper : public TWideComponentHelper {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TWideComponentHelper::TWideComponentHelper;

    TControl* GetHelpedControl() const { return static_cast<TControl*>(GetHelpedComponent()); }

    WideString WideCaption;
    WideString WideHint;
};
// The control's helper; null when it has none and `create` is false.
TWideControlHelper* WideControlHelper(TControl* control, bool create);

// A hint window that shows wide hints.
class TUniCustomHintWindow : public THintWindow {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using THintWindow::THintWindow;

    void ShowHintAt(const TRect& rect, const AnsiString& hint) override;
    void ShowHintWithData(const TRect& rect, const AnsiString& hint, void* data) override;
    TRect MeasureHint(int maxWidth, const AnsiString& hint, void* data) override;

protected:
    void CreateWindowHandle(const TCreateParams& params) override;
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    bool FActivating = false;
    bool FBlockPaint = false;
};

// The wide text of the hint a hint record describes.
WideString WideHintOf(const THintInfo& info);
