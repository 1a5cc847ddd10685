#include "classlib/StdCtrls.h"

bool IsAccel(unsigned key, const AnsiString& caption)
{
    for (size_t i = caption.find('&'); i != AnsiString::npos && i + 1 < caption.size(); i = caption.find('&', i + 2)) {
        if (caption[i + 1] == '&')
            continue;
        char accel[2] = {caption[i + 1], 0};
        char typed[2] = {static_cast<char>(key & 0xFF), 0};
        CharUpperBuffA(accel, 1);
        CharUpperBuffA(typed, 1);
        return accel[0] == typed[0];
    }
    return false;
}

VARIRUVU_CLASS_INFO(TCustomLabel, TGraphicControl) {}

VARIRUVU_CLASS_INFO(TLabel, TCustomLabel)
{
    info.Property("Alignment", &TLabel::GetAlignment, &TLabel::SetAlignment).Default(taLeftJustify);
    info.Property("AutoSize", &TLabel::GetAutoSize, &TLabel::SetAutoSize).Default(true);
    info.Property("FocusControl", &TLabel::GetFocusControl, &TLabel::SetFocusControl);
    info.Property("Layout", &TLabel::GetLayout, &TLabel::SetLayout).Default(tlTop);
    info.Property("ShowAccelChar", &TLabel::GetShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
    info.Property("Transparent", &TLabel::GetTransparent, &TLabel::SetTransparent).Default(false);
    info.Property("WordWrap", &TLabel::GetWordWrap, &TLabel::SetWordWrap).Default(false);
}

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csOpaque).Include(csReplicatable);
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    if (FAlignment != value) {
        FAlignment = value;
        Invalidate();
    }
}

void TCustomLabel::SetAutoSize(bool value)
{
    if (FAutoSize != value) {
        FAutoSize = value;
        AdjustBounds();
    }
}

void TCustomLabel::SetFocusControl(TWinControl* value)
{
    if (FFocusControl)
        FFocusControl->RemoveFreeNotification(this);
    FFocusControl = value;
    if (value)
        value->FreeNotification(this);
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    if (FShowAccelChar != value) {
        FShowAccelChar = value;
        AdjustBounds();
        Invalidate();
    }
}

void TCustomLabel::SetTransparent(bool value)
{
    if (FTransparent != value) {
        FTransparent = value;
        if (value)
            FControlStyle.Exclude(csOpaque);
        else
            FControlStyle.Include(csOpaque);
        Invalidate();
    }
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    if (FLayout != value) {
        FLayout = value;
        Invalidate();
    }
}

void TCustomLabel::SetWordWrap(bool value)
{
    if (FWordWrap != value) {
        FWordWrap = value;
        AdjustBounds();
        Invalidate();
    }
}

void TCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

UINT TCustomLabel::TextFlags() const
{
    static constexpr UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    UINT flags = DT_EXPANDTABS | alignments[FAlignment];
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    return flags;
}

void TCustomLabel::DoDrawText(TRect& rect, UINT flags)
{
    AnsiString text = GetCaption();
    PadForMeasure(text, flags);
    DrawTextWith(rect, flags, [&text](HDC dc, RECT& r, UINT format) {
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    });
}

void TCustomLabel::DrawTextWith(TRect& rect, UINT flags, const std::function<void(HDC dc, RECT& r, UINT flags)>& draw)
{
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    TCanvas* canvas = GetCanvas();
    canvas->GetFont()->Assign(GetFont());
    canvas->RequiredState({csHandleValid, csFontValid});
    HDC dc = canvas->GetHandle();
    RECT r = rect;
    if (!GetEnabled() && !(flags & DT_CALCRECT)) {
        SetBkMode(dc, TRANSPARENT);
        OffsetRect(&r, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        draw(dc, r, flags);
        OffsetRect(&r, -1, -1);
        SetTextColor(dc, ColorToRGB(clBtnShadow));
    } else {
        SetTextColor(dc, ColorToRGB(GetFont()->GetColor()));
    }
    draw(dc, r, flags);
    rect = TRect(r.left, r.top, r.right, r.bottom);
}

void TCustomLabel::Paint()
{
    TCanvas* canvas = GetCanvas();
    TRect client = GetClientRect();
    if (!FTransparent) {
        canvas->GetBrush()->SetColor(GetColor());
        canvas->GetBrush()->SetStyle(bsSolid);
        canvas->FillRect(client);
    }
    canvas->GetBrush()->SetStyle(bsClear);
    TRect rect = client;
    if (FLayout != tlTop) {
        TRect measured = client;
        DoDrawText(measured, TextFlags() | DT_CALCRECT);
        int offset = client.Height() - measured.Height();
        rect.top += FLayout == tlBottom ? offset : offset / 2;
    }
    SetBkMode(canvas->GetHandle(), TRANSPARENT);
    DoDrawText(rect, TextFlags());
}

void TCustomLabel::AdjustBounds()
{
    if (!FAutoSize || (GetComponentState() & csLoading) || !GetParent())
        return;
    TRect rect(0, 0, FWordWrap ? GetWidth() : 0, 0);
    // A memory device context measures as the screen does, without asking the window system for the screen's.
    HDC dc = CreateCompatibleDC(nullptr);
    GetCanvas()->SetHandle(dc);
    DoDrawText(rect, TextFlags() | DT_CALCRECT);
    GetCanvas()->SetHandle(nullptr);
    DeleteDC(dc);
    int left = GetLeft();
    if (FAlignment == taRightJustify)
        left += GetWidth() - rect.Width();
    SetBounds(left, GetTop(), rect.Width(), rect.Height());
}

void TCustomLabel::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TGraphicControl::WndProc(message);
        AdjustBounds();
        Invalidate();
        return;
    case CM_DIALOGCHAR:
        if (FFocusControl && GetEnabled() && FShowAccelChar && IsAccel(static_cast<unsigned>(message.WParam), GetCaption()) &&
            FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            message.Result = 1;
        }
        return;
    default:
        TGraphicControl::WndProc(message);
    }
}
