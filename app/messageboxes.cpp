#include "app/messageboxes.h"

#include "classlib/Forms.h"
#include "lang/LangManager.h"

AnsiString MessageText(const char* name)
{
    return WideToAnsi(GetLangConstant(name));
}

int ShowMessageConstant(const char* name, UINT flags)
{
    return MessageBoxW(Application->GetHandle(), GetLangConstant(name).c_str(),
                       GetLangConstant("sDlgTitle_About").c_str(), flags);
}

bool ConfirmedByUser(const char* messageConstant)
{
    return ShowMessageConstant(messageConstant, MB_YESNO | MB_ICONINFORMATION) == IDYES;
}
