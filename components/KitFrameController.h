// One set of frame and colour settings pushed to every control connected to it.
#pragma once

#include <memory>

#include "classlib/Filers.h"
#include "classlib/Lists.h"
#include "components/KitCommon.h"
#include "components/KitRegIniFile.h"

enum TFramingPreference { fpCustomFraming, fpXPThemes };
VARIRUVU_ENUM_INFO(TFramingPreference, fpCustomFraming, fpXPThemes);

// Each value but fcpAll names the controller's property of the same name.
enum TKitFrameControllerProperty {
    fcpColor,
    fcpFocusColor,
    fcpDisabledColor,
    fcpReadOnlyColor,
    fcpReadOnlyColorOnFocus,
    fcpParentColor,
    fcpFlatButtonColor,
    fcpFlatButtons,
    fcpFrameColor,
    fcpFrameHotColor,
    fcpFrameHotTrack,
    fcpFrameHotStyle,
    fcpFrameSides,
    fcpFrameStyle,
    fcpFrameVisible,
    fcpFramingPreference,
    fcpAll
};
VARIRUVU_ENUM_INFO(TKitFrameControllerProperty, fcpColor, fcpFocusColor, fcpDisabledColor, fcpReadOnlyColor,
                   fcpReadOnlyColorOnFocus, fcpParentColor, fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor,
                   fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle, fcpFrameSides, fcpFrameStyle,
                   fcpFrameVisible, fcpFramingPreference, fcpAll);
// Published by a connected control as FrameControllerNotifications: the
// properties it lets through.
using TKitFrameControllerNotifications = TSet<TKitFrameControllerProperty>;
constexpr TKitFrameControllerNotifications AllFrameControllerNotifications =
    TKitFrameControllerNotifications::FromBits((1u << fcpAll) - 1);

// A control that reads the controller's settings itself.
class IFramingClient {
public:
    virtual void ApplyFrameController() = 0;

protected:
    ~IFramingClient() = default;
};

class TKitFrameController : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitFrameController(TComponent* AOwner) : TComponent(AOwner) {}

    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    bool GetParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TColor GetFlatButtonColor() const { return FFlatButtonColor; }
    void SetFlatButtonColor(TColor value) { Change(FFlatButtonColor, value, fcpFlatButtonColor); }
    bool GetFlatButtons() const { return FFlatButtons; }
    void SetFlatButtons(bool value) { Change(FFlatButtons, value, fcpFlatButtons); }
    TColor GetDisabledColor() const { return FDisabledColor; }
    void SetDisabledColor(TColor value) { Change(FDisabledColor, value, fcpDisabledColor); }
    TColor GetReadOnlyColor() const { return FReadOnlyColor; }
    void SetReadOnlyColor(TColor value) { Change(FReadOnlyColor, value, fcpReadOnlyColor); }
    bool GetReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
    void SetReadOnlyColorOnFocus(bool value) { Change(FReadOnlyColorOnFocus, value, fcpReadOnlyColorOnFocus); }
    TColor GetFocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value) { Change(FFocusColor, value, fcpFocusColor); }
    TColor GetFrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value) { Change(FFrameColor, value, fcpFrameColor); }
    TColor GetFrameHotColor() const { return FFrameHotColor; }
    void SetFrameHotColor(TColor value) { Change(FFrameHotColor, value, fcpFrameHotColor); }
    bool GetFrameHotTrack() const { return FFrameHotTrack; }
    void SetFrameHotTrack(bool value);
    TFrameStyle GetFrameHotStyle() const { return FFrameHotStyle; }
    void SetFrameHotStyle(TFrameStyle value) { Change(FFrameHotStyle, value, fcpFrameHotStyle); }
    TSides GetFrameSides() const { return FFrameSides; }
    void SetFrameSides(TSides value) { Change(FFrameSides, value, fcpFrameSides); }
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value) { Change(FFrameStyle, value, fcpFrameStyle); }
    bool GetFrameVisible() const { return FFrameVisible; }
    void SetFrameVisible(bool value) { Change(FFrameVisible, value, fcpFrameVisible); }
    TFramingPreference GetFramingPreference() const { return FFramingPreference; }
    void SetFramingPreference(TFramingPreference value) { Change(FFramingPreference, value, fcpFramingPreference); }
    // Kept for the settings store; the controller itself never reads it.
    TKitRegIniFile* GetRegIniFile() const { return FRegIniFile; }
    void SetRegIniFile(TKitRegIniFile* value);
    bool IsColorStored() const { return !FParentColor; }

    // Connects the control (once) and pushes every setting to it.
    void AddControl(TComponent* control);
    void RemoveControl(TComponent* control);
    int GetControlCount() const { return FControls ? FControls->GetCount() : 0; }
    // Nothing is pushed between BeginUpdate and the matching EndUpdate, which pushes everything.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    void UpdateFrames(TKitFrameControllerProperty property);
    // A control that implements IFramingClient reads the controller itself; any
    // other gets the property (or, for fcpAll, each one) set by name, as its
    // FrameControllerNotifications let it through.
    void UpdateControlFrame(TComponent* control, TKitFrameControllerProperty property);

    void Assign(TPersistent* source) override;
    void DefineProperties(TFiler* filer) override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    template <class T>
    void Change(T& field, const T& value, TKitFrameControllerProperty property)
    {
        if (field == value)
            return;
        field = value;
        UpdateFrames(property);
    }
    void PushProperty(TControl* control, TKitFrameControllerProperty property);
    void ReadFrameFlat(TReader* reader);
    void ReadFrameFocusStyle(TReader* reader);

    TColor FColor = clWindow;
    bool FParentColor = false;
    TColor FFlatButtonColor = clBtnFace;
    bool FFlatButtons = true;
    TColor FDisabledColor = clBtnFace;
    TColor FReadOnlyColor = clInfoBk;
    bool FReadOnlyColorOnFocus = false;
    TColor FFocusColor = clWindow;
    TColor FFrameColor = clBtnShadow;
    TColor FFrameHotColor = clBtnShadow;
    bool FFrameHotTrack = false;
    TFrameStyle FFrameHotStyle = fsFlatBold;
    TSides FFrameSides = AllSides;
    TFrameStyle FFrameStyle = fsFlat;
    bool FFrameVisible = false;
    TFramingPreference FFramingPreference = fpXPThemes;
    TKitRegIniFile* FRegIniFile = nullptr;
    int FUpdateCount = 0;
    std::unique_ptr<TList> FControls;
};
