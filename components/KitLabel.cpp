#include "components/KitLabel.h"

#include "components/KitBlinkList.h"

VARIRUVU_CLASS_INFO(TKitLabel, TLabel)
{
    using P = TKitLabel;
    info.Property("Angle", &P::GetAngle, &P::SetAngle).Default(0);
    info.Property("Rotation", &P::GetRotation, &P::SetRotation).Default(roNone);
    info.Property("CenterPoint", &P::GetCenterPoint, &P::SetCenterPoint).Default(cpCenter);
    info.Property("TextStyle", &P::GetTextStyle, &P::SetTextStyle).Default(tsNormal);
    info.Property("LightTextStyle", &P::GetLightTextStyle, &P::SetLightTextStyle).Default(false);
    info.Property("HighlightColor", &P::GetHighlightColor, &P::SetHighlightColor)
        .OfType(ColorTypeInfo())
        .Default(clBtnHighlight);
    info.Property("ShadowColor", &P::GetShadowColor, &P::SetShadowColor).OfType(ColorTypeInfo()).Default(clBtnShadow);
    info.Property("ShadowDepth", &P::GetShadowDepth, &P::SetShadowDepth).Default(2);
    info.Property("TextMargin", &P::GetTextMargin, &P::SetTextMargin).Default(0);
    info.Property("CondenseCaption", &P::GetCondenseCaption, &P::SetCondenseCaption).Default(ccNone);
    info.Property("Blinking", &P::GetBlinking, &P::SetBlinking).Default(false);
    info.Property("BlinkColor", &P::GetBlinkColor, &P::SetBlinkColor).OfType(ColorTypeInfo()).Default(clHighlight);
    info.Property("BlinkIntervalOn", &P::GetBlinkIntervalOn, &P::SetBlinkIntervalOn).Default(500);
    info.Property("BlinkIntervalOff", &P::GetBlinkIntervalOff, &P::SetBlinkIntervalOff).Default(500);
    info.Property("FlyByEnabled", &P::GetFlyByEnabled, &P::SetFlyByEnabled).Default(false);
    info.Property("FlyByColor", &P::GetFlyByColor, &P::SetFlyByColor).OfType(ColorTypeInfo()).Default(clHighlight);
    info.Property("BorderOuter", &P::GetBorderOuter, &P::SetBorderOuter).Default(fsNone);
    info.Property("BorderInner", &P::GetBorderInner, &P::SetBorderInner).Default(fsNone);
    info.Property("BorderSides", &P::GetBorderSides, &P::SetBorderSides).Default(AllSides);
    info.Property("BorderWidth", &P::GetBorderWidth, &P::SetBorderWidth).Default(0);
    info.Property("BevelWidth", &P::GetBevelWidth, &P::SetBevelWidth).Default(1);
    info.Property("BorderColor", &P::GetBorderColor, &P::SetBorderColor).OfType(ColorTypeInfo()).Default(clBtnFace);
    info.Property("BorderHighlight", &P::GetBorderHighlight, &P::SetBorderHighlight)
        .OfType(ColorTypeInfo())
        .Default(clBtnHighlight);
    info.Property("BorderShadow", &P::GetBorderShadow, &P::SetBorderShadow).OfType(ColorTypeInfo()).Default(clBtnShadow);
    info.Property("FlatColor", &P::GetFlatColor, &P::SetFlatColor).OfType(ColorTypeInfo()).Default(clBtnShadow);
    info.Property("FlatColorAdjustment", &P::GetFlatColorAdjustment, &P::SetFlatColorAdjustment).Default(30);
    info.Property("FrameController", &P::GetFrameController, &P::SetFrameController);
    info.Property("FrameControllerNotifications", &P::GetFrameControllerNotifications,
                  &P::SetFrameControllerNotifications)
        .Default(AllFrameControllerNotifications);
    info.Property("OnMouseEnter", &P::OnMouseEnter);
    info.Property("OnMouseLeave", &P::OnMouseLeave);
}

int NormalizeAngle(int degrees)
{
    return (degrees % 360 + 360) % 360;
}

TKitLabel::TKitLabel(TComponent* AOwner) : TLabel(AOwner)
{
    FSettingColors = true;
    SetColor(clBtnFace);
    SetParentColor(true);
    FSettingColors = false;
    if (!BlinkList)
        BlinkList = std::make_unique<TKitBlinkingControlsList>();
    BlinkList->Add(this);
    FFontColor = FCurrentColor = FOrigColor = GetFont()->GetColor();
}

TKitLabel::~TKitLabel()
{
    if (FFrameController)
        FFrameController->RemoveControl(this);
    if (BlinkList) {
        BlinkList->Remove(this);
        FreeBlinkListIfEmpty();
    }
}

void TKitLabel::Loaded()
{
    TLabel::Loaded();
    if (FRotation == roNone && FAngle != 0)
        FRotation = roFlat;
    if (FRotation != roNone && !IsTrueTypeFont(GetFont()))
        GetFont()->SetName("Verdana");
    FFontColor = FCurrentColor = GetFont()->GetColor();
    if (GetComponentState() & csDesigning)
        Invalidate();
}

// ---- rotation ----

void TKitLabel::EnsureOutlineFont()
{
    if (!IsTrueTypeFont(GetFont()))
        GetFont()->SetName("Verdana");
}

void TKitLabel::SetAngle(int value)
{
    value = NormalizeAngle(value);
    if (value == FAngle)
        return;
    FAngle = value;
    if (!(GetComponentState() & csLoading) && value != 0) {
        EnsureOutlineFont();
        if (FRotation == roNone)
            FRotation = roFlat;
    }
    AdjustBounds();
    Invalidate();
}

// As designed, a new rotation starts over from an upright caption: roNone and
// roFlat reset the angle (and roFlat the centre point).
void TKitLabel::SetRotation(TRotation value)
{
    if (value == FRotation)
        return;
    if (!(GetComponentState() & csLoading) && value != roNone)
        EnsureOutlineFont();
    FRotation = value;
    if (value != roCurve)
        FAngle = 0;
    if (value == roFlat)
        FCenterPoint = cpCenter;
    Invalidate();
}

void TKitLabel::SetCenterPoint(TCenterPoint value)
{
    Change(FCenterPoint, value);
}

// ---- text looks ----

void TKitLabel::SetTextStyle(TTextStyle value)
{
    Change(FTextStyle, value);
}

void TKitLabel::SetLightTextStyle(bool value)
{
    Change(FLightTextStyle, value);
}

void TKitLabel::SetHighlightColor(TColor value)
{
    Change(FHighlightColor, value);
}

void TKitLabel::SetShadowColor(TColor value)
{
    Change(FShadowColor, value);
}

void TKitLabel::SetShadowDepth(int value)
{
    Change(FShadowDepth, value);
}

void TKitLabel::SetTextMargin(int value)
{
    ChangeBounds(FTextMargin, value);
}

void TKitLabel::SetCondenseCaption(TKitCondenseCaption value)
{
    if (!Change(FCondenseCaption, value))
        return;
    if (value != ccNone)
        SetAutoSize(false);
}

// ---- blinking and hover ----

void TKitLabel::SetBlinking(bool value)
{
    if (value == FBlinking)
        return;
    FBlinking = value;
    if (!value) {
        FCurrentColor = FFontColor;
        Invalidate();
    }
}

void TKitLabel::SetBlinkColor(TColor value)
{
    Change(FBlinkColor, value);
}

uint16_t TKitLabel::GetBlinkIntervalOn() const
{
    return BlinkList ? BlinkList->GetIntervalOn() : 500;
}

void TKitLabel::SetBlinkIntervalOn(uint16_t value)
{
    if (BlinkList)
        BlinkList->SetIntervalOn(value);
}

uint16_t TKitLabel::GetBlinkIntervalOff() const
{
    return BlinkList ? BlinkList->GetIntervalOff() : 500;
}

void TKitLabel::SetBlinkIntervalOff(uint16_t value)
{
    if (BlinkList)
        BlinkList->SetIntervalOff(value);
}

void TKitLabel::SetFlyByEnabled(bool value)
{
    if (value == FFlyByEnabled)
        return;
    FFlyByEnabled = value;
    if (!value && GetFont()->GetColor() == FFlyByColor)
        GetFont()->SetColor(FOrigColor);
}

void TKitLabel::SetFlyByColor(TColor value)
{
    FFlyByColor = value;
}

// ---- borders ----

void TKitLabel::SetBorderOuter(TFrameStyleEx value)
{
    ChangeBounds(FBorderOuter, value);
}

void TKitLabel::SetBorderInner(TFrameStyleEx value)
{
    ChangeBounds(FBorderInner, value);
}

void TKitLabel::SetBorderSides(TSides value)
{
    ChangeBounds(FBorderSides, value);
}

void TKitLabel::SetBorderWidth(int value)
{
    ChangeBounds(FBorderWidth, value);
}

void TKitLabel::SetBevelWidth(int value)
{
    ChangeBounds(FBevelWidth, value);
}

void TKitLabel::SetBorderColor(TColor value)
{
    Change(FBorderColor, value);
}

void TKitLabel::SetBorderHighlight(TColor value)
{
    Change(FBorderHighlight, value);
}

void TKitLabel::SetBorderShadow(TColor value)
{
    Change(FBorderShadow, value);
}

void TKitLabel::SetFlatColor(TColor value)
{
    Change(FFlatColor, value);
}

void TKitLabel::SetFlatColorAdjustment(int value)
{
    Change(FFlatColorAdjustment, value);
}

TRect TKitLabel::ShrinkByBorders(TRect rect) const
{
    auto frameWidth = [this](TFrameStyleEx style) {
        switch (style) {
        case fsNone:
            return 0;
        case fsFlat:
            return 1;
        case fsStatus:
        case fsPopup:
            return FBevelWidth;
        default:
            return 2;
        }
    };
    int by = frameWidth(FBorderOuter) + frameWidth(FBorderInner);
    if (FBorderSides.Contains(sdLeft))
        rect.left += by;
    if (FBorderSides.Contains(sdTop))
        rect.top += by;
    if (FBorderSides.Contains(sdRight))
        rect.right -= by;
    if (FBorderSides.Contains(sdBottom))
        rect.bottom -= by;
    return TRect(rect.left + FBorderWidth, rect.top + FBorderWidth, rect.right - FBorderWidth,
                 rect.bottom - FBorderWidth);
}

// ---- frame controller ----

void TKitLabel::SetFrameController(TKitFrameController* value)
{
    if (value == FFrameController)
        return;
    if (FFrameController) {
        FFrameController->RemoveControl(this);
        FFrameController->RemoveFreeNotification(this);
    }
    FFrameController = value;
    if (value) {
        value->FreeNotification(this);
        value->AddControl(this);
    }
}

void TKitLabel::Notification(TComponent* component, TOperation operation)
{
    TLabel::Notification(component, operation);
    if (operation == opRemove && component == FFrameController)
        FFrameController = nullptr;
}

void TKitLabel::ApplyFrameController()
{
    if (!FFrameController || !FFrameController->GetFrameVisible())
        return;
    TKitFrameControllerNotifications bits = FFrameControllerNotifications;
    if (bits.Contains(fcpFrameStyle))
        SetBorderOuter(FFrameController->GetFrameStyle());
    if (bits.Contains(fcpFrameSides))
        SetBorderSides(FFrameController->GetFrameSides());
    if (bits.Contains(fcpFrameColor)) {
        SetFlatColor(FFrameController->GetFrameColor());
        SetFlatColorAdjustment(0);
    }
    if (bits.Contains(fcpColor)) {
        SetColor(FFrameController->GetColor());
        SetBorderHighlight(LightenColor(GetColor(), 100));
        SetBorderShadow(DarkenColor(GetColor(), 50));
    }
    if (bits.Contains(fcpParentColor))
        SetParentColor(FFrameController->GetParentColor());
    Invalidate();
}

// ---- size ----

void TKitLabel::AdjustBounds()
{
    if (!GetAutoSize() || (GetComponentState() & (csLoading | csReading)) || !GetParent())
        return;
    // An empty caption measures as one blank line.
    AnsiString text = GetCaption().empty() ? AnsiString(1, ' ') : GetCaption();
    UINT flags = (CaptionFlags() & ~UINT(DT_LEFT | DT_RIGHT | DT_CENTER)) | DT_CALCRECT;
    TRect rect(0, 0, GetWordWrap() ? GetWidth() : 0, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetFont()->GetHandle());
    DrawTextA(dc, text.c_str(), -1, &rect, flags);
    SelectObject(dc, old);
    DeleteDC(dc);
    // The frames and the border band, and the margin the text keeps inside them.
    TRect inside = ShrinkByBorders(TRect(0, 0, 0, 0));
    int width = rect.Width() - inside.Width() + 2 * FTextMargin;
    int height = rect.Height() - inside.Height() + 2 * FTextMargin;
    int left = GetLeft();
    if (GetAlignment() == taRightJustify)
        left += GetWidth() - width;
    SetBounds(left, GetTop(), width, height);
}

// ---- messages ----

void TKitLabel::FontChanged()
{
    if ((GetComponentState() & csLoading) || FBlinking)
        return;
    FFontColor = FCurrentColor = GetFont()->GetColor();
    if (FAngle != 0 && !IsTrueTypeFont(GetFont())) {
        FAngle = 0;
        Invalidate();
    }
}

void TKitLabel::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_BLINKQUERY:
        message.Result = FBlinking ? 1 : 0;
        return;
    case CM_BLINKSTATE:
        if (FBlinking) {
            FCurrentColor = message.WParam ? FBlinkColor : FFontColor;
            Repaint();
        }
        return;
    case CM_PARENTCOLORCHANGED:
        if (FSettingColors)
            return;
        break;
    case CM_FONTCHANGED:
        TLabel::WndProc(message);
        FontChanged();
        return;
    case CM_MOUSEENTER:
        if (GetComponentState() & csDesigning)
            return;
        if (FFlyByEnabled) {
            FOrigColor = GetFont()->GetColor();
            GetFont()->SetColor(FFlyByColor);
        }
        TLabel::WndProc(message);
        if (OnMouseEnter)
            OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        if (FFlyByEnabled)
            GetFont()->SetColor(FOrigColor);
        TLabel::WndProc(message);
        if (OnMouseLeave)
            OnMouseLeave(this);
        return;
    default:
        break;
    }
    TLabel::WndProc(message);
}
