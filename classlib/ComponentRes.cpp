#include "classlib/Filers.h"

TComponent* ReadComponentRes(const AnsiString& resName, TComponent* instance, HINSTANCE module)
{
    TResourceStream stream(module ? module : GetModuleHandleA(nullptr), resName, RT_RCDATA);
    TReader reader(&stream);
    return reader.ReadRootComponent(instance);
}

bool LoadRootComponent(TComponent* instance, HINSTANCE module)
{
    if (!module)
        module = GetModuleHandleA(nullptr);
    AnsiString resName = UpperCase(instance->ClassName());
    if (!FindResourceA(module, resName.c_str(), RT_RCDATA))
        return false;
    ReadComponentRes(resName, instance, module);
    return true;
}
