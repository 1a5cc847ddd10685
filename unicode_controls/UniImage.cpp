#include "unicode_controls/UniControlsState.h"
#include "unicode_controls/UniExtCtrls.h"

VARIRUVU_CLASS_INFO(TUniImage, TImage)
{
    info.Property("Hint", &TUniImage::GetHint, &TUniImage::SetHint).Stored(&TUniImage::IsHintStored);
}

TUniImage::TUniImage(TComponent* AOwner) : TUniTextControl<TImage>(AOwner)
{
    SetPictureObject(std::make_unique<TUniPicture>());
}

void TUniImage::WndProc(TMessage& message)
{
    if (message.Msg == CM_HINTSHOW)
        SwapHintWindow(*reinterpret_cast<THintInfo*>(message.LParam));
    TUniTextControl<TImage>::WndProc(message);
}
