#include "app/confirm.h"

#include "classlib/Forms.h"
#include "lang/LangManager.h"

bool ConfirmedByUser(const char* messageConstant)
{
    return MessageBoxW(Application->GetHandle(), GetLangConstant(messageConstant).c_str(),
                       GetLangConstant("sDlgTitle_About").c_str(), MB_YESNO | MB_ICONINFORMATION) == IDYES;
}
