#include "app/formclasses.h"

#include "app/quonlabel.h"
#include "classlib/ComCtrls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/ImgList.h"
#include "components/KitBckgnd.h"
#include "components/KitPanel.h"
#include "components/KitTabs.h"
#include "engine/variruvu.h"
#include "lang/LanguageController.h"
#include "lang/quonoslanguage.h"
#include "unicode_controls/UniButtons.h"
#include "unicode_controls/UniComCtrls.h"
#include "unicode_controls/UniDialogs.h"
#include "unicode_controls/UniExtCtrls.h"
#include "unicode_controls/UniStdCtrls.h"
#include "update/NUpdate.h"

void RegisterFormClasses()
{
    RegisterClasses({&TSafetyDelete::ClassInfo(), &Tquonoslang::ClassInfo(), &TLanguageController::ClassInfo(),
                     &TUniPanel::ClassInfo(), &TKitSeparator::ClassInfo(), &TUniImage::ClassInfo(), &TUniLabel::ClassInfo(),
                     &TUniButton::ClassInfo(), &TUniBitBtn::ClassInfo(), &TUniCheckBox::ClassInfo(),
                     &TUniComboBox::ClassInfo(), &TUniListView::ClassInfo(), &TUniProgressBar::ClassInfo(),
                     &TKitPageControl::ClassInfo(), &TKitTabSheet::ClassInfo(), &TImageList::ClassInfo(),
                     &TUniOpenDialog::ClassInfo(), &TKitPanel::ClassInfo(), &Tquonlabel::ClassInfo(),
                     &TUniRichEdit::ClassInfo(), &TUniSpeedButton::ClassInfo(), &TBevel::ClassInfo(),
                     &TNetUpdate::ClassInfo()});
}
