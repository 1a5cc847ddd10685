#include "lang/LangManager.h"

#include "lang/LangLocks.h"
#include "lang/LangText.h"
#include "unicode/UniSysUtils.h"
#include "unicode/UniSystem.h"
#include "unicode/UniWideStrings.h"

namespace {

constexpr DWORD faAnyFile = 63;
constexpr DWORD faDirectory = 0x10;

}  // namespace

TLanguageManager::TLanguageManager()
    : FLock(std::make_unique<TMultiReadExclusiveWriteSynchronizer>()),
      FConstants(std::make_unique<TLang_Constants>([this] { return GetCurrentLangID(); })),
      FLanguages(std::make_unique<TLang_LangResources>()),
      FDefaultLangID(DefaultLangID),
      FCurrentLangID(DefaultLangID)
{
    FCodePage = GetLocaleAnsiCodePage(FCurrentLangID);
    FConstants->ReadConstsResource(GetModuleHandleW(nullptr), L"LANG_CONSTS");
    RetranslateAll(nullptr);
}

TLanguageManager::~TLanguageManager() = default;

WideString TLanguageManager::LookupConstant(const AnsiString& name) const
{
    TReadHold hold(*FLock);
    return FConstants->GetValue(name);
}

uint16_t TLanguageManager::GetDefaultLangID() const
{
    TReadHold hold(*FLock);
    return FDefaultLangID;
}

uint16_t TLanguageManager::GetCurrentLangID() const
{
    TReadHold hold(*FLock);
    return FCurrentLangID;
}

UINT TLanguageManager::GetCodePage() const
{
    TReadHold hold(*FLock);
    return FCodePage;
}

int TLanguageManager::CountLanguages() const
{
    TReadHold hold(*FLock);
    return FLanguages->GetCount() + 1;
}

uint16_t TLanguageManager::GetLanguageIDByIndex(int index) const
{
    TReadHold hold(*FLock);
    if (index < 0 || index > FLanguages->GetCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return index == 0 ? FDefaultLangID : FLanguages->GetItem(index - 1)->LangID;
}

WideString TLanguageManager::GetLanguageNameByIndex(int index) const
{
    uint16_t langID = GetLanguageIDByIndex(index);
    return GetLocaleStrW(langID, LOCALE_SLANGUAGE, AnsiToWide(IntToStr(langID)));
}

int TLanguageManager::FindLanguageIndex(uint16_t langID) const
{
    TReadHold hold(*FLock);
    if (langID == FDefaultLangID)
        return 0;
    return FLanguages->IndexOfLangID(langID) + 1;
}

bool TLanguageManager::AddLangFile(const WideString& fileName)
{
    TWriteHold hold(*FLock);
    if (!FileExistsW(fileName))
        return false;
    TLang_CompTranslations header;
    header.ReadLanguageFile(fileName, true);
    int32_t value = StrToIntDef(WideToAnsi(header.GetParams()->GetValues(L"LANGID")), 0);
    uint16_t langID = uint16_t(value);
    if (langID == 0)
        return false;
    if (langID != FDefaultLangID)
        FLanguages->Register(langID, fileName);
    return true;
}

int TLanguageManager::AddLangFilesFromFolder(const WideString& folder, const WideString& mask, bool recurse)
{
    WideString base = IncludeTrailingBackslashW(folder);
    int count = 0;
    // The record closes the search also when a registration raises.
    TSearchRecW search;
    for (DWORD result = FindFirstW(base + mask, faAnyFile, search); result == 0; result = FindNextW(search)) {
        const WideString& name = search.FileName;
        if (search.Attributes & faDirectory) {
            if (recurse && !name.empty() && name[0] != L'.')
                count += AddLangFilesFromFolder(base + name, mask, true);
        } else if (AddLangFile(base + name)) {
            ++count;
        }
    }
    return count;
}

void TLanguageManager::SelectLanguage(uint16_t langID)
{
    std::unique_ptr<TLang_CompTranslations> translations;
    {
        TWriteHold hold(*FLock);
        translations = LoadTranslationsFor(langID);
        if (!translations)
            langID = FDefaultLangID;
        if (langID == FCurrentLangID)
            return;
        SetCurrentLangID(langID);
    }
    RetranslateAll(translations.get());
}

void TLanguageManager::AttachController(ILanguageController* controller)
{
    TWriteHold hold(*FLock);
    FControllers.Add(controller);
}

void TLanguageManager::DetachController(ILanguageController* controller)
{
    TWriteHold hold(*FLock);
    FControllers.Remove(controller);
}

void TLanguageManager::ApplyToNewController(ILanguageController* controller)
{
    TReadHold hold(*FLock);
    if (FCurrentLangID == FDefaultLangID)
        return;
    if (auto translations = LoadTranslationsFor(FCurrentLangID))
        RetranslateController(translations.get(), controller);
}

std::unique_ptr<TLang_CompTranslations> TLanguageManager::LoadTranslationsFor(uint16_t langID) const
{
    TReadHold hold(*FLock);
    int index = langID == FDefaultLangID ? -1 : FLanguages->IndexOfLangID(langID);
    if (index < 0)
        return nullptr;
    auto translations = std::make_unique<TLang_CompTranslations>();
    translations->ReadLanguageFile(FLanguages->GetItem(index)->FileName, false);
    return translations;
}

void TLanguageManager::RetranslateAll(const TLang_CompTranslations* translations)
{
    // Lookups on other threads read the constants: they change only under the write side.
    {
        TWriteHold hold(*FLock);
        FConstants->TranslateFrom(translations ? translations->GetConstants() : nullptr);
    }
    TReadHold hold(*FLock);
    for (int i = 0; i < FControllers.GetCount(); ++i)
        RetranslateController(translations, static_cast<ILanguageController*>(FControllers.Get(i)));
}

void TLanguageManager::RetranslateController(const TLang_CompTranslations* translations,
                                             ILanguageController* controller)
{
    controller->LanguageChanging();
    const TLang_CompTranslation* section =
        translations ? translations->FindSection(WideToAnsi(controller->GetLangSection())) : nullptr;
    try {
        controller->Apply(section, GetCodePage());
    } catch (...) {
        controller->LanguageChanged();
        throw;
    }
    controller->LanguageChanged();
}

void TLanguageManager::SetCurrentLangID(uint16_t langID)
{
    FCurrentLangID = langID;
    FCodePage = GetLocaleAnsiCodePage(langID);
}

TLanguageManager* LangManager()
{
    // Never destroyed: the controllers of forms owned by the application object
    // detach themselves after the statics made later than it are gone.
    static TLanguageManager* const manager = new TLanguageManager;
    return manager;
}

WideString GetLangConstant(const AnsiString& name)
{
    return LangManager()->LookupConstant(name);
}
