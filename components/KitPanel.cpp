#include "components/KitPanel.h"

#include <algorithm>

#include "components/KitOldPropReader.h"

VARIRUVU_CLASS_INFO(TKitCustomPanel, TCustomPanel) {}

VARIRUVU_CLASS_INFO(TKitPanel, TKitCustomPanel)
{
    using P = TKitPanel;
    info.Property("Alignment", &P::GetAlignment, &P::SetAlignment).Default(taCenter);
    info.Property("BevelWidth", &P::GetBevelWidth, &P::SetBevelWidth).Default(1);
    info.Property("BorderWidth", &P::GetBorderWidth, &P::SetBorderWidth).Default(0);
    info.Property("FullRepaint", &P::GetFullRepaint, &P::SetFullRepaint).Default(true);
    info.Property("AlignmentVertical", &P::GetAlignmentVertical, &P::SetAlignmentVertical).Default(avCenter);
    info.Property("BorderColor", &P::GetBorderColor, &P::SetBorderColor).OfType(ColorTypeInfo()).Default(clBtnFace);
    info.Property("BorderInner", &P::GetBorderInner, &P::SetBorderInner).Default(fsNone);
    info.Property("BorderOuter", &P::GetBorderOuter, &P::SetBorderOuter).Default(fsRaised);
    info.Property("BorderSides", &P::GetBorderSides, &P::SetBorderSides).Default(AllSides);
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
    info.Property("GradientColorStyle", &P::GetGradientColorStyle, &P::SetGradientColorStyle).Default(gcsSystem);
    info.Property("GradientColorStart", &P::GetGradientColorStart, &P::SetGradientColorStart)
        .OfType(ColorTypeInfo())
        .Default(clWhite);
    info.Property("GradientColorStop", &P::GetGradientColorStop, &P::SetGradientColorStop)
        .OfType(ColorTypeInfo())
        .Default(clBtnFace);
    info.Property("GradientDirection", &P::GetGradientDirection, &P::SetGradientDirection).Default(gdHorizontalEnd);
    info.Property("GridColor", &P::GetGridColor, &P::SetGridColor).OfType(ColorTypeInfo()).Default(clBtnShadow);
    info.Property("GridStyle", &P::GetGridStyle, &P::SetGridStyle).Default(gsDots);
    info.Property("GridXSize", &P::GetGridXSize, &P::SetGridXSize).Default(8);
    info.Property("GridYSize", &P::GetGridYSize, &P::SetGridYSize).Default(8);
    info.Property("PaintClientArea", &P::GetPaintClientArea, &P::SetPaintClientArea).Default(true);
    info.Property("ShowGrid", &P::GetShowGrid, &P::SetShowGrid).Default(false);
    info.Property("TextMargin", &P::GetTextMargin, &P::SetTextMargin).Default(0);
    info.Property("TextMarginVertical", &P::GetTextMarginVertical, &P::SetTextMarginVertical).Default(0);
    info.Property("Transparent", &P::GetTransparent, &P::SetTransparent).Default(false);
    info.Property("VisualStyle", &P::GetVisualStyle, &P::SetVisualStyle).Default(vsWinXP);
    info.Property("WordWrap", &P::GetWordWrap, &P::SetWordWrap).Default(true);
    info.Property("About", &P::GetAbout, &P::SetAbout).Stored(false);
    info.Property("OnMouseEnter", &P::OnMouseEnter);
    info.Property("OnMouseLeave", &P::OnMouseLeave);
    info.Property("OnPaint", &P::OnPaint);
}

TKitCustomPanel::TKitCustomPanel(TComponent* AOwner)
    : TCustomPanel(AOwner), FChildStates(std::make_unique<TStringList>())
{
    FControlStyle.Exclude(csSetCaption).Exclude(csParentBackground).Include(csOpaque);
    SetBevelOuter(bvNone);
}

TKitCustomPanel::~TKitCustomPanel()
{
    if (FFrameController)
        FFrameController->RemoveControl(this);
}

// ---- properties ----

void TKitCustomPanel::SetAlignmentVertical(TAlignmentVertical value)
{
    Change(FAlignmentVertical, value);
}

void TKitCustomPanel::SetBorderColor(TColor value)
{
    Change(FBorderColor, value);
}

void TKitCustomPanel::SetBorderInner(TFrameStyleEx value)
{
    Change(FBorderInner, value, true);
}

void TKitCustomPanel::SetBorderOuter(TFrameStyleEx value)
{
    Change(FBorderOuter, value, true);
}

void TKitCustomPanel::SetBorderSides(TSides value)
{
    Change(FBorderSides, value, true);
}

void TKitCustomPanel::SetBorderHighlight(TColor value)
{
    Change(FBorderHighlight, value);
}

void TKitCustomPanel::SetBorderShadow(TColor value)
{
    Change(FBorderShadow, value);
}

void TKitCustomPanel::SetFlatColor(TColor value)
{
    Change(FFlatColor, value);
}

void TKitCustomPanel::SetFlatColorAdjustment(int value)
{
    Change(FFlatColorAdjustment, value);
}

void TKitCustomPanel::SetGradientColorStyle(TKitGradientColorStyle value)
{
    Change(FGradientColorStyle, value);
}

// The gradient shows through transparent children, which must follow it.
void TKitCustomPanel::SetGradientColorStart(TColor value)
{
    if (Change(FGradientColorStart, value))
        RefreshTransparentChildren(this);
}

void TKitCustomPanel::SetGradientColorStop(TColor value)
{
    if (Change(FGradientColorStop, value))
        RefreshTransparentChildren(this);
}

void TKitCustomPanel::SetGradientDirection(TGradientDirection value)
{
    if (Change(FGradientDirection, value))
        RefreshTransparentChildren(this);
}

void TKitCustomPanel::SetGridColor(TColor value)
{
    Change(FGridColor, value);
}

void TKitCustomPanel::SetGridStyle(TKitGridStyle value)
{
    Change(FGridStyle, value);
}

void TKitCustomPanel::SetGridXSize(uint16_t value)
{
    Change(FGridXSize, value);
}

void TKitCustomPanel::SetGridYSize(uint16_t value)
{
    Change(FGridYSize, value);
}

void TKitCustomPanel::SetPaintClientArea(bool value)
{
    Change(FPaintClientArea, value);
}

void TKitCustomPanel::SetShowGrid(bool value)
{
    Change(FShowGrid, value);
}

void TKitCustomPanel::SetTextMargin(int value)
{
    Change(FTextMargin, value);
}

void TKitCustomPanel::SetTextMarginVertical(int value)
{
    Change(FTextMarginVertical, value);
}

void TKitCustomPanel::SetWordWrap(bool value)
{
    Change(FWordWrap, value);
}

void TKitCustomPanel::SetVisualStyle(TKitVisualStyle value)
{
    Change(FVisualStyle, value);
}

void TKitCustomPanel::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    if (value)
        FControlStyle.Exclude(csOpaque);
    else
        FControlStyle.Include(csOpaque);
    Invalidate();
    for (int i = 0; i < GetControlCount(); ++i)
        GetControls(i)->Invalidate();
}

void TKitCustomPanel::SetFrameController(TKitFrameController* value)
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

void TKitCustomPanel::Notification(TComponent* component, TOperation operation)
{
    TCustomPanel::Notification(component, operation);
    if (operation == opRemove && component == FFrameController)
        FFrameController = nullptr;
}

void TKitCustomPanel::ApplyFrameController()
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
    if (bits.Contains(fcpColor))
        SetColor(FFrameController->GetColor());
    if (bits.Contains(fcpParentColor))
        SetParentColor(FFrameController->GetParentColor());
    if (bits.Contains(fcpColor)) {
        SetBorderHighlight(LightenColor(GetColor(), 100));
        SetBorderShadow(DarkenColor(GetColor(), 50));
    }
    Invalidate();
}

// ---- geometry ----

TRect TKitCustomPanel::ShrinkByBorders(TRect rect, bool includeBorderWidth) const
{
    auto inset = [&](int by) {
        if (FBorderSides.Contains(sdLeft))
            rect.left += by;
        if (FBorderSides.Contains(sdTop))
            rect.top += by;
        if (FBorderSides.Contains(sdRight))
            rect.right -= by;
        if (FBorderSides.Contains(sdBottom))
            rect.bottom -= by;
    };
    auto frameWidth = [this](TFrameStyleEx style) {
        switch (style) {
        case fsNone:
            return 0;
        case fsFlat:
            return 1;
        case fsStatus:
        case fsPopup:
            return GetBevelWidth();
        default:
            return 2;
        }
    };
    if (includeBorderWidth) {
        int w = GetBorderWidth();
        rect = TRect(rect.left + w, rect.top + w, rect.right - w, rect.bottom - w);
    }
    inset(frameWidth(FBorderOuter));
    inset(frameWidth(FBorderInner));
    return rect;
}

TRect TKitCustomPanel::ClientArea() const
{
    return ShrinkByBorders(TCustomPanel::ClientArea(), false);
}

void TKitCustomPanel::PlaceBounds(int left, int top, int width, int height)
{
    if (GetAlign() == alBottom && height != GetHeight())
        top = GetTop() + GetHeight() - height;
    else if (GetAlign() == alRight && width != GetWidth())
        left = GetLeft() + GetWidth() - width;
    TCustomPanel::PlaceBounds(left, top, width, height);
}

// ---- children ----

void TKitCustomPanel::SetChildrenEnabled(bool value)
{
    if (!value) {
        FChildStates->Clear();
        for (int i = 0; i < GetControlCount(); ++i)
            FChildStates->AddObject(GetControls(i)->GetEnabled() ? "1" : "0", GetControls(i));
        for (int i = 0; i < GetControlCount(); ++i)
            GetControls(i)->SetEnabled(false);
        return;
    }
    for (int i = 0; i < GetControlCount(); ++i) {
        TControl* child = GetControls(i);
        int index = FChildStates->IndexOfObject(child);
        if (index < 0 || FChildStates->Get(index) == "1")
            child->SetEnabled(true);
    }
}

// ---- messages ----

void TKitCustomPanel::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
        if (!GetFullRepaint())
            InvalidateMovedEdges(*reinterpret_cast<WINDOWPOS*>(message.LParam));
        break;
    case WM_ERASEBKGND:
        if (FTransparent && FPaintClientArea) {
            PaintParentBackground(this, reinterpret_cast<HDC>(message.WParam), false);
            message.Result = 1;
            return;
        }
        break;
    case WM_THEMECHANGED:
        TCustomPanel::WndProc(message);
        XPColorScheme = ReadXPColorScheme();
        return;
    case CM_MOUSEENTER:
        if (GetComponentState() & csDesigning)
            return;
        TCustomPanel::WndProc(message);
        if (OnMouseEnter)
            OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        TCustomPanel::WndProc(message);
        if (OnMouseLeave)
            OnMouseLeave(this);
        return;
    case CM_ENABLEDCHANGED:
        TCustomPanel::WndProc(message);
        EnabledChanged();
        return;
    default:
        break;
    }
    TCustomPanel::WndProc(message);
}

void TKitCustomPanel::EnabledChanged()
{
    Repaint();
    SetChildrenEnabled(GetEnabled());
}

// Without FullRepaint only the frame along an edge that moved is painted again:
// from one pixel inside the inner edge (before or after the move, whichever
// lies further in) to the outer edge. A caption may move anywhere: then all.
void TKitCustomPanel::InvalidateMovedEdges(const WINDOWPOS& pos)
{
    if (!HandleAllocated() || (pos.flags & SWP_NOSIZE))
        return;
    if (!GetCaption().empty()) {
        Invalidate();
        return;
    }
    TRect before = ShrinkByBorders(ControlRect(), true);
    TRect after = ShrinkByBorders(TRect(0, 0, pos.cx, pos.cy), true);
    int width = std::max(GetWidth(), pos.cx), height = std::max(GetHeight(), pos.cy);
    if (pos.cx != GetWidth()) {
        RECT strip{std::min(before.right, after.right) - 1, 0, width, height};
        InvalidateRect(FHandle, &strip, TRUE);
    }
    if (pos.cy != GetHeight()) {
        RECT strip{0, std::min(before.bottom, after.bottom) - 1, width, height};
        InvalidateRect(FHandle, &strip, TRUE);
    }
}

// ---- old streams ----

void TKitCustomPanel::DefineProperties(TFiler* filer)
{
    TCustomPanel::DefineProperties(filer);
    filer->DefineProperty("FrameSides", &TKitOldPropReader::ReadSet, nullptr, false);
    filer->DefineProperty("ThemeAware", &TKitOldPropReader::ReadBoolean, nullptr, false);
    filer->DefineProperty("UseGradients", [this](TReader* reader) { ReadUseGradients(reader); }, nullptr, false);
}

void TKitCustomPanel::ReadUseGradients(TReader* reader)
{
    if (reader->ReadBoolean())
        SetVisualStyle(vsGradient);
}
