#include <algorithm>

#include "classlib/Messages.h"
#include "components/KitBckgnd.h"

VARIRUVU_CLASS_INFO(TKitSeparator, TGraphicControl)
{
    info.Property("HighlightColor", &TKitSeparator::GetHighlightColor, &TKitSeparator::SetHighlightColor)
        .OfType(ColorTypeInfo())
        .Default(clHighlight);
    info.Property("HighlightLocation", &TKitSeparator::GetHighlightLocation, &TKitSeparator::SetHighlightLocation)
        .Default(hlCenter);
    info.Property("Orientation", &TKitSeparator::GetOrientation, &TKitSeparator::SetOrientation)
        .Default(orHorizontal);
    info.Property("ShowGradient", &TKitSeparator::GetShowGradient, &TKitSeparator::SetShowGradient).Default(true);
    info.Property("About", &TKitSeparator::GetAbout, &TKitSeparator::SetAbout).Stored(false);
}

TKitSeparator::TKitSeparator(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 200, 2);
    FDesignCreated = AOwner && (AOwner->GetComponentState() & csDesigning) != 0;
    UpdateGradientSettings();
}

void TKitSeparator::Loaded()
{
    TGraphicControl::Loaded();
    FDesignCreated = false;
    UpdateGradientSettings();
}

void TKitSeparator::PlaceBounds(int left, int top, int width, int height)
{
    // A separator dropped on a form in the designer starts at its own size.
    if (FDesignCreated) {
        FDesignCreated = false;
        width = 200;
        height = 2;
    }
    TGraphicControl::PlaceBounds(left, top, width, height);
}

void TKitSeparator::SetHighlightColor(TColor value)
{
    if (value == FHighlightColor)
        return;
    FHighlightColor = value;
    UpdateGradientSettings();
    Invalidate();
}

void TKitSeparator::SetHighlightLocation(TKitHighlightLocation value)
{
    if (value == FHighlightLocation)
        return;
    FHighlightLocation = value;
    UpdateGradientSettings();
    Invalidate();
}

void TKitSeparator::SetShowGradient(bool value)
{
    if (value == FShowGradient)
        return;
    FShowGradient = value;
    Invalidate();
}

void TKitSeparator::SetOrientation(TOrientation value)
{
    if (value == FOrientation)
        return;
    FOrientation = value;
    // A form resource brings its own size along.
    if (GetComponentState() & csLoading)
        return;
    SetBounds(GetLeft(), GetTop(), GetHeight(), GetWidth());
    UpdateGradientSettings();
    Invalidate();
}

void TKitSeparator::WndProc(TMessage& message)
{
    TGraphicControl::WndProc(message);
    if (message.Msg == CM_COLORCHANGED) {
        UpdateGradientSettings();
        Invalidate();
    }
}

void TKitSeparator::UpdateGradientSettings()
{
    bool horizontal = FOrientation == orHorizontal;
    if (FHighlightLocation == hlCenter)
        FGradientDirection = horizontal ? gdVerticalCenter : gdHorizontalCenter;
    else
        FGradientDirection = horizontal ? gdVerticalEnd : gdHorizontalEnd;
    bool highlightFirst = FHighlightLocation == hlUpperLeft;
    FStartColor = highlightFirst ? FHighlightColor : GetColor();
    FStopColor = highlightFirst ? GetColor() : FHighlightColor;
}

void TKitSeparator::Paint()
{
    TCanvas* canvas = GetCanvas();
    if (FShowGradient && FullColorSupported) {
        // A control squeezed to nothing still paints a pixel; its own size stays as it is.
        TBitmap line;
        line.SetSize(std::max(GetWidth(), 1), std::max(GetHeight(), 1));
        TRect r(0, 0, line.GetWidth(), line.GetHeight());
        if (GetComponentState() & csDesigning) {
            TCanvas* lineCanvas = line.GetCanvas();
            lineCanvas->GetPen()->SetStyle(psDash);
            lineCanvas->GetBrush()->SetStyle(bsClear);
            lineCanvas->Rectangle(r);
        }
        DrawGradient(line.GetCanvas(), r, FGradientDirection, FStartColor, FStopColor);
        BitBlt(canvas->GetHandle(), 0, 0, r.right, r.bottom, line.GetCanvas()->GetHandle(), 0, 0, SRCCOPY);
        return;
    }
    // Without a gradient the line is one colour: its own, or on a limited palette the highlight's end.
    canvas->GetBrush()->SetColor(FShowGradient ? FStopColor : GetColor());
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->FillRect(GetClientRect());
}
