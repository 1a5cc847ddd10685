// A label with a drop shadow: the caption drawn in BackgroundColor, Offset
// pixels right and down, and again in ForegroundColor over it. Nothing
// behind the text is filled.
#pragma once

#include "classlib/Controls.h"

enum TCaptionAlignment { caLeft, caRight, caCenter };
VARIRUVU_ENUM_INFO(TCaptionAlignment, caLeft, caRight, caCenter);

class Tquonlabel : public TGraphicControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit Tquonlabel(TComponent* AOwner);

    // The control takes the size of its caption plus Offset before each paint.
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { Change(FAutoSize, value); }
    TCaptionAlignment GetCaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TCaptionAlignment value) { Change(FCaptionAlignment, value); }
    // The caption's colour.
    TColor GetForegroundColor() const { return FForegroundColor; }
    void SetForegroundColor(TColor value) { Change(FForegroundColor, value); }
    // The shadow's colour.
    TColor GetBackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value) { Change(FBackgroundColor, value); }
    // How far the shadow lies right of and below the text, in pixels.
    int GetOffset() const { return FOffset; }
    void SetOffset(int value) { Change(FOffset, value); }

    void WndProc(TMessage& message) override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void Paint() override;

private:
    template <class T>
    void Change(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Repaint();
    }
    void DrawCaption(const AnsiString& caption, TRect rect, TColor color);

    bool FAutoSize = true;
    TCaptionAlignment FCaptionAlignment = caLeft;
    TColor FForegroundColor = clBlack;
    TColor FBackgroundColor = clWhite;
    int FOffset = 1;
};
