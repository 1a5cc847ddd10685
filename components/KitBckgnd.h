// Background pieces of the component set: the gradient separator line.
#pragma once

#include "components/KitCommon.h"

enum TKitHighlightLocation { hlCenter, hlUpperLeft, hlLowerRight };
VARIRUVU_ENUM_INFO(TKitHighlightLocation, hlCenter, hlUpperLeft, hlLowerRight);

// A thin line drawn as a gradient between Color and HighlightColor, fading out
// toward both ends or toward one end.
class TKitSeparator : public TGraphicControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitSeparator(TComponent* AOwner);

    TColor GetHighlightColor() const { return FHighlightColor; }
    virtual void SetHighlightColor(TColor value);
    TKitHighlightLocation GetHighlightLocation() const { return FHighlightLocation; }
    virtual void SetHighlightLocation(TKitHighlightLocation value);
    bool GetShowGradient() const { return FShowGradient; }
    virtual void SetShowGradient(bool value);
    TOrientation GetOrientation() const { return FOrientation; }
    virtual void SetOrientation(TOrientation value);
    TKitAboutInfo GetAbout() const { return FAbout; }
    void SetAbout(TKitAboutInfo value) { FAbout = value; }

    // What the settings above make of the line.
    TGradientDirection GetGradientDirection() const { return FGradientDirection; }
    TColor GetStartColor() const { return FStartColor; }
    TColor GetStopColor() const { return FStopColor; }

    void WndProc(TMessage& message) override;

protected:
    void Loaded() override;
    void Paint() override;
    void PlaceBounds(int left, int top, int width, int height) override;

private:
    void UpdateGradientSettings();

    TColor FHighlightColor = clHighlight;
    TKitHighlightLocation FHighlightLocation = hlCenter;
    TOrientation FOrientation = orHorizontal;
    bool FShowGradient = true;
    TKitAboutInfo FAbout = kaiAbout;
    TGradientDirection FGradientDirection = gdVerticalCenter;
    TColor FStartColor = clNone;
    TColor FStopColor = clNone;
    // Created in the form designer: the first resize sets the designed size.
    bool FDesignCreated = false;
};
