#include "components/KitFrameController.h"

#include "components/KitOldPropReader.h"
#include "components/KitPropSetters.h"

VARIRUVU_CLASS_INFO(TKitFrameController, TComponent)
{
    using C = TKitFrameController;
    info.Property("Color", &C::GetColor, &C::SetColor).OfType(ColorTypeInfo()).Default(clWindow).Stored(&C::IsColorStored);
    info.Property("ParentColor", &C::GetParentColor, &C::SetParentColor).Default(false);
    info.Property("FlatButtonColor", &C::GetFlatButtonColor, &C::SetFlatButtonColor)
        .OfType(ColorTypeInfo())
        .Default(clBtnFace);
    info.Property("FlatButtons", &C::GetFlatButtons, &C::SetFlatButtons).Default(true);
    info.Property("DisabledColor", &C::GetDisabledColor, &C::SetDisabledColor).OfType(ColorTypeInfo()).Default(clBtnFace);
    info.Property("ReadOnlyColor", &C::GetReadOnlyColor, &C::SetReadOnlyColor).OfType(ColorTypeInfo()).Default(clInfoBk);
    info.Property("ReadOnlyColorOnFocus", &C::GetReadOnlyColorOnFocus, &C::SetReadOnlyColorOnFocus).Default(false);
    info.Property("FocusColor", &C::GetFocusColor, &C::SetFocusColor).OfType(ColorTypeInfo()).Default(clWindow);
    info.Property("FrameColor", &C::GetFrameColor, &C::SetFrameColor).OfType(ColorTypeInfo()).Default(clBtnShadow);
    info.Property("FrameHotColor", &C::GetFrameHotColor, &C::SetFrameHotColor)
        .OfType(ColorTypeInfo())
        .Default(clBtnShadow);
    info.Property("FrameHotTrack", &C::GetFrameHotTrack, &C::SetFrameHotTrack).Default(false);
    info.Property("FrameHotStyle", &C::GetFrameHotStyle, &C::SetFrameHotStyle).Default(fsFlatBold);
    info.Property("FrameSides", &C::GetFrameSides, &C::SetFrameSides).Default(AllSides);
    info.Property("FrameStyle", &C::GetFrameStyle, &C::SetFrameStyle).Default(fsFlat);
    info.Property("FrameVisible", &C::GetFrameVisible, &C::SetFrameVisible).Default(false);
    info.Property("FramingPreference", &C::GetFramingPreference, &C::SetFramingPreference).Default(fpXPThemes);
    info.Property("RegIniFile", &C::GetRegIniFile, &C::SetRegIniFile);
}

namespace {

// The published property of the controller (and of a control) each value names.
constexpr const char* PropertyNames[fcpAll] = {
    "Color",         "FocusColor",    "DisabledColor", "ReadOnlyColor", "ReadOnlyColorOnFocus", "ParentColor",
    "FlatButtonColor", "FlatButtons", "FrameColor",    "FrameHotColor", "FrameHotTrack",        "FrameHotStyle",
    "FrameSides",    "FrameStyle",    "FrameVisible",  "FramingPreference",
};

// The order in which fcpAll pushes: ParentColor before Color, which a control
// would otherwise take from its parent again.
constexpr TKitFrameControllerProperty PushOrder[fcpAll] = {
    fcpParentColor,    fcpColor,         fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpFocusColor,
    fcpFlatButtonColor, fcpFlatButtons,  fcpFrameColor,    fcpFrameHotColor, fcpFrameHotTrack,        fcpFrameHotStyle,
    fcpFrameSides,     fcpFrameStyle,    fcpFrameVisible,  fcpFramingPreference,
};

TKitFrameControllerNotifications GetNotifications(const TComponent* control)
{
    const TPropInfo* prop = GetPropInfo(control, "FrameControllerNotifications", TTypeKinds{tkSet});
    if (!prop)
        return AllFrameControllerNotifications;
    return TKitFrameControllerNotifications::FromBits(static_cast<uint32_t>(GetOrdProp(control, *prop)));
}

}  // namespace

void TKitFrameController::SetColor(TColor value)
{
    if (value == FColor)
        return;
    if (FFocusColor == FColor)
        FFocusColor = value;
    FColor = value;
    FParentColor = false;
    UpdateFrames(fcpColor);
}

void TKitFrameController::SetParentColor(bool value)
{
    if (value == FParentColor)
        return;
    FParentColor = value;
    UpdateFrames(fcpParentColor);
    if (!value)
        UpdateFrames(fcpColor);
}

void TKitFrameController::SetFrameHotTrack(bool value)
{
    if (value == FFrameHotTrack)
        return;
    FFrameHotTrack = value;
    if (value) {
        SetFrameVisible(true);
        if (!(GetComponentState() & csLoading))
            SetFrameSides(AllSides);
    }
    UpdateFrames(fcpFrameHotTrack);
}

void TKitFrameController::SetRegIniFile(TKitRegIniFile* value)
{
    if (value == FRegIniFile)
        return;
    if (FRegIniFile)
        FRegIniFile->RemoveFreeNotification(this);
    FRegIniFile = value;
    if (value)
        value->FreeNotification(this);
}

void TKitFrameController::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FRegIniFile)
        FRegIniFile = nullptr;
    // A control freed while still connected must not be pushed to again.
    if (FControls && FControls->IndexOf(component) >= 0)
        RemoveControl(component);
}

void TKitFrameController::AddControl(TComponent* control)
{
    if (!FControls)
        FControls = std::make_unique<TList>();
    if (FControls->IndexOf(control) >= 0)
        return;
    FControls->Add(control);
    UpdateControlFrame(control, fcpAll);
}

void TKitFrameController::RemoveControl(TComponent* control)
{
    if (!FControls)
        return;
    FControls->Remove(control);
    if (FControls->GetCount() == 0)
        FControls.reset();
}

void TKitFrameController::EndUpdate()
{
    if (--FUpdateCount <= 0) {
        FUpdateCount = 0;
        UpdateFrames(fcpAll);
    }
}

void TKitFrameController::UpdateFrames(TKitFrameControllerProperty property)
{
    if (FUpdateCount > 0 || !FControls)
        return;
    // By index: a control may leave while it takes the settings.
    for (int i = 0; FControls && i < FControls->GetCount(); ++i)
        UpdateControlFrame(static_cast<TComponent*>(FControls->Get(i)), property);
}

void TKitFrameController::UpdateControlFrame(TComponent* component, TKitFrameControllerProperty property)
{
    auto* control = dynamic_cast<TControl*>(component);
    if (!control)
        return;
    TKitFrameControllerNotifications mask = GetNotifications(control);
    if (auto* client = dynamic_cast<IFramingClient*>(control)) {
        client->ApplyFrameController();
        return;
    }
    if (property != fcpAll) {
        if (mask.Contains(property))
            PushProperty(control, property);
        return;
    }
    for (TKitFrameControllerProperty p : PushOrder)
        if (mask.Contains(p) && (p != fcpColor || !FParentColor))
            PushProperty(control, p);
}

void TKitFrameController::PushProperty(TControl* control, TKitFrameControllerProperty property)
{
    if (property == fcpFrameSides) {
        CopyFrameSidesProp(this, control);
        return;
    }
    const char* name = PropertyNames[property];
    SetOrdPropIfPublished(control, name, GetOrdProp(this, *GetPropInfo(this, name)));
}

void TKitFrameController::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TKitFrameController*>(source);
    if (!other) {
        TComponent::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        // Color first: it moves FocusColor and clears ParentColor. FrameHotTrack
        // before FrameSides and FrameVisible, which it may change.
        SetColor(other->FColor);
        SetFocusColor(other->FFocusColor);
        SetParentColor(other->FParentColor);
        SetDisabledColor(other->FDisabledColor);
        SetReadOnlyColor(other->FReadOnlyColor);
        SetReadOnlyColorOnFocus(other->FReadOnlyColorOnFocus);
        SetFlatButtonColor(other->FFlatButtonColor);
        SetFlatButtons(other->FFlatButtons);
        SetFrameHotTrack(other->FFrameHotTrack);
        SetFrameColor(other->FFrameColor);
        SetFrameHotColor(other->FFrameHotColor);
        SetFrameHotStyle(other->FFrameHotStyle);
        SetFrameSides(other->FFrameSides);
        SetFrameStyle(other->FFrameStyle);
        SetFrameVisible(other->FFrameVisible);
        SetFramingPreference(other->FFramingPreference);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TKitFrameController::Loaded()
{
    TComponent::Loaded();
    UpdateFrames(fcpAll);
}

void TKitFrameController::DefineProperties(TFiler* filer)
{
    TComponent::DefineProperties(filer);
    filer->DefineProperty("FrameFlat", [this](TReader* reader) { ReadFrameFlat(reader); }, nullptr, false);
    filer->DefineProperty("FrameFocusStyle", [this](TReader* reader) { ReadFrameFocusStyle(reader); }, nullptr, false);
    filer->DefineProperty("FrameFlatStyle", &TKitOldPropReader::ReadIdent, nullptr, false);
}

void TKitFrameController::ReadFrameFlat(TReader* reader)
{
    bool flat = reader->ReadBoolean();
    SetFrameHotTrack(flat);
    if (flat) {
        SetFrameStyle(fsStatus);
        SetFrameHotStyle(fsLowered);
    }
}

void TKitFrameController::ReadFrameFocusStyle(TReader* reader)
{
    int style = GetEnumValue(TTypeInfoOf<TFrameStyle>::Get(), reader->ReadIdent());
    if (style < 0)
        throw EReadError(L"Invalid property value");
    SetFrameHotStyle(static_cast<TFrameStyle>(style));
}
