#include "lang/LanguageController.h"

#include <algorithm>

#include "classlib/Filers.h"
#include "classlib/StringLists.h"
#include "lang/LangCompTree.h"
#include "lang/LangEscapes.h"
#include "lang/LangManager.h"
#include "lang/LangMaskList.h"
#include "lang/LangPropertyWalk.h"
#include "lang/LangTranslations.h"
#include "unicode/UniWideStrings.h"

VARIRUVU_CLASS_INFO(TLanguageController, TComponent)
{
    info.Property("IgnoreList", &TLanguageController::GetIgnoreList, &TLanguageController::SetIgnoreList);
    info.Property("StoreList", &TLanguageController::GetStoreList, &TLanguageController::SetStoreList);
    info.Property("Options", &TLanguageController::GetOptions, &TLanguageController::SetOptions)
        .Default(TLanguageControllerOptions{lcoAutoSaveLangSource, lcoIgnoreEmptyProps, lcoIgnoreNonAlphaProps,
                                            lcoIgnoreFontProps});
    info.Property("SectionName", &TLanguageController::GetSectionName, &TLanguageController::SetSectionName);
    info.Property("OnLanguageChanging", &TLanguageController::OnLanguageChanging);
    info.Property("OnLanguageChanged", &TLanguageController::OnLanguageChanged);
}

namespace {

std::unique_ptr<TStringList> NewMaskLines()
{
    auto lines = std::make_unique<TStringList>();
    lines->SetSorted(true);
    lines->SetDuplicates(dupIgnore);
    return lines;
}

bool HasLetter(const WideString& text)
{
    return std::any_of(text.begin(), text.end(), [](wchar_t c) {
        return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c >= 161;
    });
}

}  // namespace

// One bind or refresh walk over the tree, with the masks as they are now.
class TLanguageController::TWalk {
public:
    TWalk(const TLanguageController& controller, bool refresh)
        : FIgnoreList(*controller.FIgnoreList),
          FStoreList(*controller.FStoreList),
          FOptions(controller.FOptions),
          FRefresh(refresh)
    {
    }

    void Run(TLang_CompEntry& root)
    {
        if (FRefresh) {
            root.ForEach([](TLang_CompEntry& node) {
                if (TLang_PropEntries* entries = node.GetPropEntries())
                    for (int i = 0; i < entries->GetCount(); ++i)
                        entries->GetItem(i)->Used = false;
            });
            FNextID = root.MaxID() + 1;
        }
        WalkNode(root);
    }

private:
    void WalkNode(TLang_CompEntry& node)
    {
        TComponent* component = node.GetComponent();
        if (!component)
            return;
        const TLangWalkRules rules{FIgnoreList, FStoreList, FOptions.Contains(lcoIgnoreFontProps),
                                   node.GetComponentPath()};
        WalkTextProperties(component, AnsiString(), &rules,
                           [&](const AnsiString& path, const TLangTextProperty& text) {
                               Record(node, path, text.GetText());
                           });
        if (FRefresh)
            node.DropUnusedPropEntries();
        for (int i = 0; i < component->GetComponentCount(); ++i) {
            TComponent* owned = component->GetComponents(i);
            if (owned->GetName().empty() || dynamic_cast<TLanguageController*>(owned))
                continue;
            TLang_CompEntry* child = node.FindChild(owned);
            if (!child && FRefresh)
                child = node.AddChild(owned);
            if (child)
                WalkNode(*child);
        }
    }

    bool IsTranslatable(const WideString& value) const
    {
        if (FOptions.Contains(lcoIgnoreNonAlphaProps))
            return HasLetter(value);
        return !FOptions.Contains(lcoIgnoreEmptyProps) || !value.empty();
    }

    void Record(TLang_CompEntry& node, const AnsiString& path, const WideString& value)
    {
        if (!IsTranslatable(value))
            return;
        TLang_PropEntries* entries = FRefresh ? node.NeedPropEntries() : node.GetPropEntries();
        if (!entries)
            return;
        int index = 0;
        TLang_PropEntry* entry = nullptr;
        if (entries->Find(path, index))
            entry = entries->GetItem(index);
        else if (FRefresh)
            entry = entries->Add(FNextID++, path);
        if (!entry)
            return;
        entry->DefText = value;
        entry->Used = true;
    }

    TLang_MaskList FIgnoreList;
    TLang_MaskList FStoreList;
    TLanguageControllerOptions FOptions;
    bool FRefresh;
    int32_t FNextID = 1;
};

TLanguageController::TLanguageController(TComponent* AOwner)
    : TComponent(AOwner),
      FIgnoreList(NewMaskLines()),
      FStoreList(NewMaskLines()),
      FOptions{lcoAutoSaveLangSource, lcoIgnoreEmptyProps, lcoIgnoreNonAlphaProps, lcoIgnoreFontProps},
      FRoot(std::make_unique<TLang_CompEntry>())
{
    // A controller read from a form is bound once the whole form is in.
    if (!AOwner || !(AOwner->GetComponentState() & csLoading))
        FRoot->Bind(AOwner);
    LangManager()->AttachController(this);
}

TLanguageController::~TLanguageController()
{
    LangManager()->DetachController(this);
}

TStrings* TLanguageController::GetIgnoreList() const
{
    return FIgnoreList.get();
}

void TLanguageController::SetIgnoreList(TStrings* value)
{
    FIgnoreList->Assign(value);
}

TStrings* TLanguageController::GetStoreList() const
{
    return FStoreList.get();
}

void TLanguageController::SetStoreList(TStrings* value)
{
    FStoreList->Assign(value);
}

WideString TLanguageController::GetLangSection() const
{
    if (!FSectionName.empty() || !GetOwner())
        return FSectionName;
    return AnsiToWide(GetOwner()->GetName());
}

void TLanguageController::LanguageChanging()
{
    if (OnLanguageChanging)
        OnLanguageChanging(this);
}

void TLanguageController::LanguageChanged()
{
    if (OnLanguageChanged)
        OnLanguageChanged(this);
}

void TLanguageController::Apply(const TLang_CompTranslation* section, UINT codePage)
{
    FRoot->ForEach([&](TLang_CompEntry& node) {
        const TLang_PropEntries* entries = node.GetPropEntries();
        if (!entries || !node.GetComponent())
            return;
        WalkTextProperties(node.GetComponent(), AnsiString(), nullptr,
                           [&](const AnsiString& path, const TLangTextProperty& text) {
                               int index = 0;
                               if (!entries->Find(path, index))
                                   return;
                               const TLang_PropEntry* entry = entries->GetItem(index);
                               int found = 0;
                               if (section && section->FindID(entry->ID, found))
                                   text.SetText(section->GetItem(found)->Value, codePage);
                               else
                                   text.SetText(entry->DefText, codePage);
                           });
    });
}

void TLanguageController::RefreshLangData()
{
    TWalk(*this, true).Run(*FRoot);
}

void TLanguageController::WriteLangSource(TWideStrings* lines) const
{
    FRoot->ForEach([lines](TLang_CompEntry& node) {
        const TLang_PropEntries* entries = node.GetPropEntries();
        if (!entries)
            return;
        const AnsiString componentPath = node.GetComponentPath();
        const AnsiString prefix = componentPath.empty() ? componentPath : componentPath + ".";
        for (int i = 0; i < entries->GetCount(); ++i) {
            const TLang_PropEntry* entry = entries->GetItem(i);
            lines->Add(AnsiToWide(Format("%s%s=%.8d,", prefix, entry->Path, entry->ID)) +
                       EscapeLangValue(entry->DefText));
        }
    });
}

void TLanguageController::DefineProperties(TFiler* filer)
{
    TComponent::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "LangData", [this](TStream* stream) { ReadLangData(stream); },
        [this](TStream* stream) { WriteLangData(stream); }, HasLangData());
}

void TLanguageController::Loaded()
{
    TComponent::Loaded();
    if (!GetOwner())
        return;
    FRoot->Bind(GetOwner());
    TWalk(*this, false).Run(*FRoot);
    LangManager()->ApplyToNewController(this);
}

void TLanguageController::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component != this)
        FRoot->RemoveComponent(component);
}

void TLanguageController::ReadLangData(TStream* stream)
{
    FRoot = TLang_CompEntry::ReadFrom(stream);
}

void TLanguageController::WriteLangData(TStream* stream)
{
    RefreshLangData();
    FRoot->WriteTo(stream);
}

bool TLanguageController::HasLangData() const
{
    return FRoot->GetComponent() && !FRoot->GetComponent()->GetName().empty();
}
