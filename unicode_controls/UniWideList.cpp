#include "unicode_controls/UniControls.h"

void WideListAddItem(TCustomListControl* dest, const WideString& caption, TObject* item)
{
    if (auto* wide = dynamic_cast<IWideListControl*>(dest))
        wide->AddItem(caption, item);
    else
        dest->AddItem(WideToAnsi(caption), item);
}
