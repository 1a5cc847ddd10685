// Lumisplash.dll as an outside host sees it: loaded by path, its four
// exports bound by name.
#pragma once

#include "classlib/Win.h"

#include <cstdint>
#include <string>

class LumisplashLibrary {
public:
    using SplashScreenProc = uint32_t(__stdcall*)(uint32_t, const char*, uint32_t);
    using ConsoleProc = bool(__stdcall*)();
    using WriteLnProc = void(__stdcall*)(const char*);

    explicit LumisplashLibrary(const std::string& dllPath);
    ~LumisplashLibrary();
    LumisplashLibrary(const LumisplashLibrary&) = delete;
    LumisplashLibrary& operator=(const LumisplashLibrary&) = delete;

    // True when the DLL loaded and all four names were found.
    bool IsBound() const;
    // What went wrong, for a failure message.
    const std::string& GetError() const { return FError; }

    SplashScreenProc SplashScreen = nullptr;
    ConsoleProc OpenConsole = nullptr;
    ConsoleProc CloseConsole = nullptr;
    WriteLnProc WriteLn = nullptr;

private:
    template <typename Proc>
    void Bind(Proc& proc, const char* name);

    HMODULE FModule = nullptr;
    std::string FError;
};
