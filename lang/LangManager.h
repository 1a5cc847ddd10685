// The process-wide language manager: the current language, the registered
// language files, the message constants and the form controllers to rewrite.
#pragma once

#include <cstdint>
#include <memory>

#include "classlib/Lists.h"
#include "lang/LangConstants.h"
#include "lang/LangController.h"
#include "lang/LangResources.h"
#include "lang/LangTranslations.h"

class TMultiReadExclusiveWriteSynchronizer;

// Every operation may be called from any thread.
class TLanguageManager : public TObject {
public:
    // Reads the built-in constants from the program's LANG_CONSTS resource, when it has one.
    TLanguageManager();
    ~TLanguageManager() override;

    // ELangError "Constant "%s" not found".
    WideString LookupConstant(const AnsiString& name) const;
    uint16_t GetDefaultLangID() const;
    uint16_t GetCurrentLangID() const;
    // The ANSI code page of the current language.
    UINT GetCodePage() const;
    // The registered languages and the default one.
    int CountLanguages() const;
    // Index 0 is the default language; EListError outside 0 .. CountLanguages - 1.
    uint16_t GetLanguageIDByIndex(int index) const;
    // The system's name of the language, or its identifier in decimal.
    WideString GetLanguageNameByIndex(int index) const;
    // 0 for the default language and for one that is not registered.
    int FindLanguageIndex(uint16_t langID) const;

    // True for a file with a LANGID; one for the default language is counted but not listed.
    bool AddLangFile(const WideString& fileName);
    // Registers the matching files in the order the search finds them; with
    // recurse only sub-folders that match the mask are searched. Gives the count accepted.
    int AddLangFilesFromFolder(const WideString& folder, const WideString& mask, bool recurse);
    // An unregistered language selects the default one; the current one does nothing.
    void SelectLanguage(uint16_t langID);

    void AttachController(ILanguageController* controller);
    void DetachController(ILanguageController* controller);
    // Translates a controller whose form has just loaded into the current language.
    void ApplyToNewController(ILanguageController* controller);
    // Null for the default language and for one that is not registered.
    std::unique_ptr<TLang_CompTranslations> LoadTranslationsFor(uint16_t langID) const;
    // Null translations restore the default texts.
    void RetranslateAll(const TLang_CompTranslations* translations);
    void RetranslateController(const TLang_CompTranslations* translations, ILanguageController* controller);

private:
    void SetCurrentLangID(uint16_t langID);

    std::unique_ptr<TMultiReadExclusiveWriteSynchronizer> FLock;
    std::unique_ptr<TLang_Constants> FConstants;
    TList FControllers;
    std::unique_ptr<TLang_LangResources> FLanguages;
    UINT FCodePage = 0;
    const uint16_t FDefaultLangID;
    uint16_t FCurrentLangID;
};

// Created on the first call; lives until the program ends.
TLanguageManager* LangManager();
// The constant's text in the current language.
WideString GetLangConstant(const AnsiString& name);
