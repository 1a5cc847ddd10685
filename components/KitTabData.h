// The vocabulary of the tab control: its enumerations and events, its error,
// the description of one tab and the list of them, and the two colour sets.
#pragma once

#include <memory>
#include <vector>

#include "classlib/Controls.h"
#include "classlib/Graphics.h"
#include "components/KitCommon.h"

VARIRUVU_EXCEPTION(EKitTabControlError, Exception);

enum TKitTabStyle { tsSingleSlant, tsDoubleSlant, tsCutCorner, tsRoundCorners, tsBackSlant, tsSquareCorners };
VARIRUVU_ENUM_INFO(TKitTabStyle, tsSingleSlant, tsDoubleSlant, tsCutCorner, tsRoundCorners, tsBackSlant,
                   tsSquareCorners);
enum TKitTabSequence { tsStandard, tsReverse };
VARIRUVU_ENUM_INFO(TKitTabSequence, tsStandard, tsReverse);
enum TKitTabOrientation { toTop, toLeft, toBottom, toRight };
VARIRUVU_ENUM_INFO(TKitTabOrientation, toTop, toLeft, toBottom, toRight);
enum TKitImagePosition { ipLeft, ipTop, ipRight, ipBottom, ipBack, ipStretch };
VARIRUVU_ENUM_INFO(TKitImagePosition, ipLeft, ipTop, ipRight, ipBottom, ipBack, ipStretch);
enum TKitHorizontalAlignment { haLeft, haCenter, haRight };
VARIRUVU_ENUM_INFO(TKitHorizontalAlignment, haLeft, haCenter, haRight);
enum TKitVerticalAlignment { vaTop, vaCenter, vaBottom };
VARIRUVU_ENUM_INFO(TKitVerticalAlignment, vaTop, vaCenter, vaBottom);
enum TKitTabHotTrackStyle { htsTab, htsText, htsTabBar };
VARIRUVU_ENUM_INFO(TKitTabHotTrackStyle, htsTab, htsText, htsTabBar);
enum TKitTabHotTrackColorSource { htcsTabColor, htcsHotTrackColorProp };
VARIRUVU_ENUM_INFO(TKitTabHotTrackColorSource, htcsTabColor, htcsHotTrackColorProp);
enum TKitHotTrackColorType { htctComplement, htctActual };
VARIRUVU_ENUM_INFO(TKitHotTrackColorType, htctComplement, htctActual);

using TKitTabChangingEvent = TEvent<TObject*, int, bool&>;
using TKitTabCloseEvent = TEvent<TObject*, bool&>;
// Sender, tab index, style (0 hot, 1 selected, 2 unselected, 3 disabled), colour, handled.
using TKitGetTextColorEvent = TEvent<TObject*, int, int, TColor&, bool&>;
using TKitPaintBackgroundEvent = TEvent<TObject*, TCanvas*, const TRect&, bool&>;
using TKitPaintCardBackgroundEvent = TEvent<TObject*, TCanvas*, int, const TRect&, bool&>;
using TKitPaintTabBackgroundEvent = TEvent<TObject*, TCanvas*, int, const TRect&, bool&>;
using TKitTabOrderChangeEvent = TEvent<TObject*, int, int>;
using TKitTabDraggingEvent = TEvent<TObject*, int, bool&>;

// One tab as the control shows it; Bounds and Row are set by the layout.
class TKitTabData : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    AnsiString Caption;
    TColor Color = clBtnFace;
    int DisabledIndex = -1;
    bool Enabled = true;
    AnsiString Hint;
    int ImageIndex = -1;
    TRect Bounds;
    bool Visible = true;
    int Row = 0;

    // The seven described fields, not the layout's Bounds and Row.
    void Assign(TPersistent* source) override;
};

class TKitTabDataList : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    int GetCount() const { return static_cast<int>(FItems.size()); }
    TKitTabData* GetItem(int index) const { return FItems.at(static_cast<size_t>(index)).get(); }
    TKitTabData* Add();
    void Clear() { FItems.clear(); }
    void Replace(int index, std::unique_ptr<TKitTabData> item);
    // A deep copy of another list.
    void Assign(TPersistent* source) override;

private:
    std::vector<std::unique_ptr<TKitTabData>> FItems;
};

class TKitCustomTabControl;

// A set of colours whose change repaints the tabs of its control.
class TKitColorSet : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitColorSet(TKitCustomTabControl* control) : FControl(control) {}

protected:
    void Change(TColor& field, TColor value);
    // Copies the three colours when the source is of this very class.
    bool AssignColors(TPersistent* source);
    virtual TColor* Colors() = 0;

private:
    TKitCustomTabControl* FControl;
};

class TKitTabColors : public TKitColorSet {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TKitColorSet::TKitColorSet;
    TColor GetHighlightBar() const { return FColors[0]; }
    void SetHighlightBar(TColor value) { Change(FColors[0], value); }
    TColor GetShadow() const { return FColors[1]; }
    void SetShadow(TColor value) { Change(FColors[1], value); }
    TColor GetUnselected() const { return FColors[2]; }
    void SetUnselected(TColor value) { Change(FColors[2], value); }
    void Assign(TPersistent* source) override;

protected:
    TColor* Colors() override { return FColors; }

private:
    TColor FColors[3] = {clHighlight, clBtnFace, clWindow};
};

class TKitTextColors : public TKitColorSet {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TKitColorSet::TKitColorSet;
    TColor GetDisabled() const { return FColors[0]; }
    void SetDisabled(TColor value) { Change(FColors[0], value); }
    TColor GetSelected() const { return FColors[1]; }
    void SetSelected(TColor value) { Change(FColors[1], value); }
    TColor GetUnselected() const { return FColors[2]; }
    void SetUnselected(TColor value) { Change(FColors[2], value); }
    void Assign(TPersistent* source) override;

protected:
    TColor* Colors() override { return FColors; }

private:
    TColor FColors[3] = {clGrayText, clBtnText, clBtnText};
};
