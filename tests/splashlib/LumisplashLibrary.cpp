#include "LumisplashLibrary.h"

LumisplashLibrary::LumisplashLibrary(const std::string& dllPath)
{
    FModule = LoadLibraryA(dllPath.c_str());
    if (!FModule) {
        FError = "cannot load " + dllPath + " (error " + std::to_string(GetLastError()) + ")";
        return;
    }
    Bind(SplashScreen, "SplashScreen");
    Bind(OpenConsole, "OpenConsole");
    Bind(CloseConsole, "CloseConsole");
    Bind(WriteLn, "WriteLn");
}

LumisplashLibrary::~LumisplashLibrary()
{
    if (FModule)
        FreeLibrary(FModule);
}

bool LumisplashLibrary::IsBound() const
{
    return SplashScreen && OpenConsole && CloseConsole && WriteLn;
}

template <typename Proc>
void LumisplashLibrary::Bind(Proc& proc, const char* name)
{
    proc = reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(FModule, name)));
    if (!proc)
        FError += std::string(FError.empty() ? "" : "; ") + "no export named " + name;
}
