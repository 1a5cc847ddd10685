#include <algorithm>

#include "classlib/ExtCtrls.h"

VARIRUVU_CLASS_INFO(TImage, TGraphicControl)
{
    info.Property("AutoSize", &TImage::GetAutoSize, &TImage::SetAutoSize).Default(false);
    info.Property("Center", &TImage::GetCenter, &TImage::SetCenter).Default(false);
    info.Property("Picture", &TImage::GetPicture, &TImage::SetPicture);
    info.Property("Proportional", &TImage::GetProportional, &TImage::SetProportional).Default(false);
    info.Property("Stretch", &TImage::GetStretch, &TImage::SetStretch).Default(false);
    info.Property("Transparent", &TImage::GetTransparent, &TImage::SetTransparent).Default(false);
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csReplicatable);
    SetPictureObject(std::make_unique<TPicture>());
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::SetPictureObject(std::unique_ptr<TPicture> picture)
{
    if (FPicture)
        picture->OnChange = FPicture->OnChange;
    else
        picture->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
    FPicture = std::move(picture);
}

TCanvas* TImage::GetImageCanvas()
{
    return FPicture->GetBitmap()->GetCanvas();
}

void TImage::SetStretch(bool value)
{
    FStretch = value;
    Invalidate();
}

void TImage::SetCenter(bool value)
{
    FCenter = value;
    Invalidate();
}

void TImage::SetProportional(bool value)
{
    FProportional = value;
    Invalidate();
}

void TImage::SetTransparent(bool value)
{
    FTransparent = value;
    if (FPicture->GetGraphic())
        FPicture->GetGraphic()->SetTransparent(value);
    Invalidate();
}

void TImage::SetAutoSize(bool value)
{
    FAutoSize = value;
    PictureChanged(this);
}

void TImage::PictureChanged(TObject*)
{
    if (FAutoSize && FPicture->GetWidth() > 0 && FPicture->GetHeight() > 0)
        SetBounds(GetLeft(), GetTop(), FPicture->GetWidth(), FPicture->GetHeight());
    if (TGraphic* graphic = FPicture->GetGraphic(); graphic && FTransparent)
        graphic->SetTransparent(true);
    if (FPicture->GetWidth() < GetWidth() || FPicture->GetHeight() < GetHeight() || FTransparent || FStretch)
        FControlStyle.Exclude(csOpaque);
    else
        FControlStyle.Include(csOpaque);
    Invalidate();
}

TRect TImage::DestRect() const
{
    int w = FPicture->GetWidth(), h = FPicture->GetHeight();
    int cw = GetClientWidth(), ch = GetClientHeight();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            // The larger of the two ratios decides; integer arithmetic keeps the edges exact.
            if (static_cast<int64_t>(cw) * h > static_cast<int64_t>(ch) * w) {
                w = static_cast<int>(static_cast<int64_t>(w) * ch / h);
                h = ch;
            } else {
                h = static_cast<int>(static_cast<int64_t>(h) * cw / w);
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect rect(0, 0, w, h);
    if (FCenter) {
        int dx = (cw - w) / 2, dy = (ch - h) / 2;
        rect = TRect(dx, dy, dx + w, dy + h);
    }
    return rect;
}

void TImage::Paint()
{
    TGraphic* graphic = FPicture->GetGraphic();
    if (!graphic || graphic->GetEmpty())
        return;
    GetCanvas()->StretchDraw(DestRect(), graphic);
}
