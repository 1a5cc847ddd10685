#include "app/formclasses.h"

#include "classlib/ComCtrls.h"
#include "classlib/Dialogs.h"
#include "classlib/ExtCtrls.h"
#include "classlib/ImgList.h"
#include "classlib/StdCtrls.h"
#include "engine/variruvu.h"
#include "lang/LanguageController.h"
#include "lang/quonoslanguage.h"

void RegisterFormClasses()
{
    RegisterClasses({&TSafetyDelete::ClassInfo(), &Tquonoslang::ClassInfo(), &TLanguageController::ClassInfo(),
                     &TPanel::ClassInfo(), &TBevel::ClassInfo(), &TImage::ClassInfo(), &TLabel::ClassInfo(),
                     &TButton::ClassInfo(), &TCheckBox::ClassInfo(), &TComboBox::ClassInfo(),
                     &TListView::ClassInfo(), &TProgressBar::ClassInfo(), &TPageControl::ClassInfo(),
                     &TTabSheet::ClassInfo(), &TImageList::ClassInfo(), &TOpenDialog::ClassInfo()});
}
