// The component a form carries to be translated: the tree of its translatable
// properties with their IDs (the streamed LangData), bound to the form's
// components once the form is loaded and rewritten by the language manager.
#pragma once

#include <cstdint>
#include <memory>

#include "classlib/Component.h"
#include "classlib/Events.h"
#include "classlib/Sets.h"
#include "lang/LangController.h"

class TStream;
class TStrings;
class TStringList;
class TWideStrings;
class TLang_CompEntry;

enum TLanguageControllerOption {
    // Kept for form data; the program never writes language sources by itself.
    lcoAutoSaveLangSource,
    lcoIgnoreEmptyProps,
    // Only a text with a letter (A-Z, a-z or a code above 160) is translatable.
    lcoIgnoreNonAlphaProps,
    lcoIgnoreFontProps,
};
using TLanguageControllerOptions = TSet<TLanguageControllerOption>;
VARIRUVU_ENUM_INFO(TLanguageControllerOption, lcoAutoSaveLangSource, lcoIgnoreEmptyProps, lcoIgnoreNonAlphaProps,
                   lcoIgnoreFontProps);

class TLanguageController : public TComponent, public ILanguageController {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    explicit TLanguageController(TComponent* AOwner);
    ~TLanguageController() override;

    // Masks of full property names (".Hint", "*.Hint", "lv.Columns[?].Caption"):
    // never translatable, and translatable even when not stored. Assigning copies the lines.
    TStrings* GetIgnoreList() const;
    void SetIgnoreList(TStrings* value);
    TStrings* GetStoreList() const;
    void SetStoreList(TStrings* value);
    TLanguageControllerOptions GetOptions() const { return FOptions; }
    void SetOptions(TLanguageControllerOptions value) { FOptions = value; }
    // Empty: the owner's Name names the form's section in language files.
    const WideString& GetSectionName() const { return FSectionName; }
    void SetSectionName(const WideString& value) { FSectionName = value; }
    WideString GetLangSection() const override;

    TNotifyEvent OnLanguageChanging;
    TNotifyEvent OnLanguageChanged;

    void LanguageChanging() override;
    void LanguageChanged() override;
    void Apply(const TLang_CompTranslation* section, UINT codePage) override;

    // Brings the tree in line with the form: properties still found keep their
    // IDs, new ones are numbered above the largest, vanished ones are dropped.
    void RefreshLangData();
    // The language source of the form's texts: "lblName.Caption=00000012,Name".
    void WriteLangSource(TWideStrings* lines) const;
    TLang_CompEntry* GetRootEntry() const { return FRoot.get(); }

    void DefineProperties(TFiler* filer) override;
    void Loaded() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    class TWalk;

    void ReadLangData(TStream* stream);
    void WriteLangData(TStream* stream);
    bool HasLangData() const;

    std::unique_ptr<TStringList> FIgnoreList;
    std::unique_ptr<TStringList> FStoreList;
    TLanguageControllerOptions FOptions;
    WideString FSectionName;
    std::unique_ptr<TLang_CompEntry> FRoot;
};
