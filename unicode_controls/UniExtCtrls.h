// Wide panels and images: captions and hints in UTF-16, pictures loaded by
// UTF-16 file name.
#pragma once

#include "classlib/ExtCtrls.h"
#include "unicode_controls/UniGraphics.h"
#include "unicode_controls/UniTextControl.h"

// A panel on a Unicode window of its own class that writes its wide caption
// on the NT family.
class TUniCustomPanel : public TUniTextControl<TCustomPanel> {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniTextControl<TCustomPanel>::TUniTextControl;

protected:
    void CreateWindowHandle(const TCreateParams& params) override;
    void PaintCaption(TRect rect) override;
};

class TUniPanel : public TUniCustomPanel {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniCustomPanel::TUniCustomPanel;
};

// An image whose picture is a TUniPicture.
class TUniImage : public TUniTextControl<TImage> {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TUniImage(TComponent* AOwner);

    TUniPicture* GetPicture() const { return static_cast<TUniPicture*>(TImage::GetPicture()); }

    void WndProc(TMessage& message) override;
};
