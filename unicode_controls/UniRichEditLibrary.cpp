#include <dimm.h>

#include "unicode/UniClasses.h"
#include "unicode/UniWindows.h"
#include "unicode_controls/UniComCtrls.h"

namespace {

// What the rich edits share for the life of the program; let go at its end.
struct TRichEditShared {
    HMODULE Library = nullptr;
    TLibraryLoader Loader = &WideLoadLibrary;
    IActiveIMMApp* ActiveImm = nullptr;

    ~TRichEditShared()
    {
        if (ActiveImm)
            ActiveImm->Deactivate();
        if (Library)
            FreeLibrary(Library);
        if (ActiveImm)
            ActiveImm->Release();
    }
};

TRichEditShared& Shared()
{
    static TRichEditShared shared;
    return shared;
}

}  // namespace

bool RichEditLibraryLoaded()
{
    TRichEditShared& shared = Shared();
    if (!shared.Library)
        shared.Library = shared.Loader(L"RICHED20.DLL");
    return shared.Library != nullptr;
}

TLibraryLoader SetRichEditLoaderForTesting(TLibraryLoader loader)
{
    TRichEditShared& shared = Shared();
    if (shared.Library)
        FreeLibrary(shared.Library);
    shared.Library = nullptr;
    TLibraryLoader previous = shared.Loader;
    shared.Loader = loader;
    return previous;
}

bool ActiveImmAvailable()
{
    TRichEditShared& shared = Shared();
    if (shared.ActiveImm)
        return true;
    if (!IsComServerRegistered(__uuidof(CActiveIMM)))
        return false;
    IActiveIMMApp* imm = nullptr;
    HRESULT made = CoCreateInstance(__uuidof(CActiveIMM), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IActiveIMMApp),
                                    reinterpret_cast<void**>(&imm));
    if (FAILED(made) || !imm)
        return false;
    if (FAILED(imm->Activate(TRUE))) {
        imm->Release();
        return false;
    }
    shared.ActiveImm = imm;
    return true;
}
