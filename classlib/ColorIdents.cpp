#include "classlib/Graphics.h"

#define VARIRUVU_COLOR(name) TIdentMapEntry{name, #name}

const TTypeInfo& ColorTypeInfo()
{
    static const TTypeInfo& info = RegisterIntegerIdents(
        MakeOrdinalTypeInfo(tkInteger, "TColor", INT32_MIN, INT32_MAX),
        {VARIRUVU_COLOR(clBlack), VARIRUVU_COLOR(clMaroon), VARIRUVU_COLOR(clGreen), VARIRUVU_COLOR(clOlive),
         VARIRUVU_COLOR(clNavy), VARIRUVU_COLOR(clPurple), VARIRUVU_COLOR(clTeal), VARIRUVU_COLOR(clGray),
         VARIRUVU_COLOR(clSilver), VARIRUVU_COLOR(clRed), VARIRUVU_COLOR(clLime), VARIRUVU_COLOR(clYellow),
         VARIRUVU_COLOR(clBlue), VARIRUVU_COLOR(clFuchsia), VARIRUVU_COLOR(clAqua), VARIRUVU_COLOR(clWhite),
         VARIRUVU_COLOR(clScrollBar), VARIRUVU_COLOR(clBackground), VARIRUVU_COLOR(clActiveCaption),
         VARIRUVU_COLOR(clInactiveCaption), VARIRUVU_COLOR(clMenu), VARIRUVU_COLOR(clWindow),
         VARIRUVU_COLOR(clWindowFrame), VARIRUVU_COLOR(clMenuText), VARIRUVU_COLOR(clWindowText),
         VARIRUVU_COLOR(clCaptionText), VARIRUVU_COLOR(clActiveBorder), VARIRUVU_COLOR(clInactiveBorder),
         VARIRUVU_COLOR(clAppWorkSpace), VARIRUVU_COLOR(clHighlight), VARIRUVU_COLOR(clHighlightText),
         VARIRUVU_COLOR(clBtnFace), VARIRUVU_COLOR(clBtnShadow), VARIRUVU_COLOR(clGrayText),
         VARIRUVU_COLOR(clBtnText), VARIRUVU_COLOR(clInactiveCaptionText), VARIRUVU_COLOR(clBtnHighlight),
         VARIRUVU_COLOR(cl3DDkShadow), VARIRUVU_COLOR(cl3DLight), VARIRUVU_COLOR(clInfoText),
         VARIRUVU_COLOR(clInfoBk), VARIRUVU_COLOR(clHotLight), VARIRUVU_COLOR(clNone), VARIRUVU_COLOR(clDefault)});
    return info;
}
