#include "classlib/ImgList.h"

namespace {

// The list selects the bitmap into a device context of its own.
HBITMAP Unselected(TBitmap* bitmap)
{
    return bitmap ? bitmap->GetUnselectedHandle() : nullptr;
}

}  // namespace

VARIRUVU_CLASS_INFO(TCustomImageList, TComponent) {}

VARIRUVU_CLASS_INFO(TImageList, TCustomImageList)
{
    info.Property("BkColor", &TImageList::GetBkColor, &TImageList::SetBkColor).OfType(ColorTypeInfo()).Default(clNone);
    info.Property("Height", &TImageList::GetHeight, &TImageList::SetHeight).Default(16);
    info.Property("Masked", &TImageList::GetMasked, &TImageList::SetMasked).Default(true);
    info.Property("Width", &TImageList::GetWidth, &TImageList::SetWidth).Default(16);
    info.Property("OnChange", &TImageList::OnChange);
}

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList()
{
    if (FHandle)
        ImageList_Destroy(FHandle);
}

HIMAGELIST TCustomImageList::GetHandle()
{
    if (!FHandle) {
        FHandle = ImageList_Create(FWidth, FHeight, ILC_COLOR32 | (FMasked ? ILC_MASK : 0), 4, 4);
        if (!FHandle)
            throw EOutOfResources(L"Unable to create the image list");
        ImageList_SetBkColor(FHandle, FBkColor == clNone ? CLR_NONE : ColorToRGB(FBkColor));
    }
    return FHandle;
}

void TCustomImageList::Recreate()
{
    if (FHandle) {
        ImageList_Destroy(FHandle);
        FHandle = nullptr;
    }
    Change();
}

void TCustomImageList::SetWidth(int value)
{
    if (FWidth != value) {
        FWidth = value;
        Recreate();
    }
}

void TCustomImageList::SetHeight(int value)
{
    if (FHeight != value) {
        FHeight = value;
        Recreate();
    }
}

void TCustomImageList::SetMasked(bool value)
{
    if (FMasked != value) {
        FMasked = value;
        Recreate();
    }
}

void TCustomImageList::SetBkColor(TColor value)
{
    FBkColor = value;
    if (FHandle)
        ImageList_SetBkColor(FHandle, value == clNone ? CLR_NONE : ColorToRGB(value));
    Change();
}

int TCustomImageList::GetCount() const
{
    return FHandle ? ImageList_GetImageCount(FHandle) : 0;
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask)
{
    int index = ImageList_Add(GetHandle(), Unselected(image), Unselected(mask));
    Change();
    return index;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor)
{
    int index = FMasked ? ImageList_AddMasked(GetHandle(), Unselected(image), ColorToRGB(maskColor))
                        : ImageList_Add(GetHandle(), Unselected(image), nullptr);
    Change();
    return index;
}

int TCustomImageList::AddIcon(TIcon* icon)
{
    int index = ImageList_AddIcon(GetHandle(), icon->GetHandle());
    Change();
    return index;
}

void TCustomImageList::Delete(int index)
{
    if (index < 0 || index >= GetCount())
        throw EInvalidOperation(L"Image list index out of bounds");
    ImageList_Remove(FHandle, index);
    Change();
}

void TCustomImageList::Clear()
{
    if (FHandle)
        ImageList_Remove(FHandle, -1);
    Change();
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled)
{
    if (!FHandle || index < 0 || index >= GetCount())
        return;
    canvas->RequiredState({csHandleValid});
    ImageList_DrawEx(FHandle, index, canvas->GetHandle(), x, y, 0, 0, CLR_NONE, CLR_NONE,
                     enabled ? ILD_TRANSPARENT : (ILD_TRANSPARENT | ILD_BLEND50));
}

void TCustomImageList::GetBitmap(int index, TBitmap* image)
{
    image->SetPixelFormat(pf24bit);
    image->SetSize(FWidth, FHeight);
    TCanvas* canvas = image->GetCanvas();
    canvas->GetBrush()->SetColor(FBkColor == clNone ? clWhite : FBkColor);
    canvas->FillRect(TRect(0, 0, FWidth, FHeight));
    Draw(canvas, 0, 0, index);
}

void TCustomImageList::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TCustomImageList*>(source);
    if (!other) {
        TComponent::Assign(source);
        return;
    }
    if (FHandle)
        ImageList_Destroy(FHandle);
    FWidth = other->FWidth;
    FHeight = other->FHeight;
    FMasked = other->FMasked;
    FBkColor = other->FBkColor;
    FHandle = other->FHandle ? ImageList_Duplicate(other->FHandle) : nullptr;
    Change();
}

void TCustomImageList::Change()
{
    if (OnChange)
        OnChange(this);
}

// The images travel in the form as one strip: a 32-bit bitmap of Count images side by side.
void TCustomImageList::DefineProperties(TFiler* filer)
{
    TComponent::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "Bitmap", [this](TStream* stream) { ReadImages(stream); }, [this](TStream* stream) { WriteImages(stream); },
        GetCount() > 0);
}

void TCustomImageList::ReadImages(TStream* stream)
{
    TBitmap strip;
    strip.LoadFromStream(stream);
    Clear();
    if (strip.GetWidth() > 0)
        AddMasked(&strip, clFuchsia);
}

void TCustomImageList::WriteImages(TStream* stream)
{
    TBitmap strip;
    strip.SetPixelFormat(pf32bit);
    strip.SetSize(FWidth * GetCount(), FHeight);
    TCanvas* canvas = strip.GetCanvas();
    canvas->GetBrush()->SetColor(clFuchsia);
    canvas->FillRect(TRect(0, 0, strip.GetWidth(), FHeight));
    for (int i = 0; i < GetCount(); ++i)
        Draw(canvas, i * FWidth, 0, i);
    strip.SaveToStream(stream);
}
