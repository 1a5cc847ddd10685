// Image lists: equal-sized images in one system image list.
#pragma once

#include "classlib/Controls.h"

class TCustomImageList : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomImageList(TComponent* AOwner);
    ~TCustomImageList() override;

    // The system image list, made on first need.
    HIMAGELIST GetHandle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    int GetWidth() const { return FWidth; }
    // Changing the size empties the list.
    void SetWidth(int value);
    int GetHeight() const { return FHeight; }
    void SetHeight(int value);
    bool GetMasked() const { return FMasked; }
    void SetMasked(bool value);
    TColor GetBkColor() const { return FBkColor; }
    void SetBkColor(TColor value);
    int GetCount() const;

    // The image (one or several side by side); its index, or -1 when the list refuses it.
    int Add(TBitmap* image, TBitmap* mask);
    // The pixels of `maskColor` become transparent.
    int AddMasked(TBitmap* image, TColor maskColor);
    int AddIcon(TIcon* icon);
    void Delete(int index);
    void Clear();
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
    // Image `index` drawn into the bitmap (sized to the list's images).
    void GetBitmap(int index, TBitmap* image);

    void Assign(TPersistent* source) override;

    TNotifyEvent OnChange;

protected:
    void DefineProperties(TFiler* filer) override;
    virtual void Change();

private:
    void Recreate();
    void ReadImages(TStream* stream);
    void WriteImages(TStream* stream);

    HIMAGELIST FHandle = nullptr;
    int FWidth = 16;
    int FHeight = 16;
    bool FMasked = true;
    TColor FBkColor = clNone;
};

class TImageList : public TCustomImageList {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomImageList::TCustomImageList;
};
