#include <gtest/gtest.h>

#include <map>

#include "classlib/Collections.h"
#include "classlib/Filers.h"
#include "classlib/FormText.h"
#include "classlib/Graphics.h"
#include "classlib/StringLists.h"
#include "lang/LangCompTree.h"
#include "lang/LangManager.h"
#include "lang/LanguageController.h"
#include "tests/lang/lang_fixture.h"
#include "unicode/UniWideStrings.h"

// A small form to translate: a root with a caption and hint, and parts with
// every kind of text a walk reaches.
class TTextItem : public TCollectionItem {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TTextItem(TCollection* collection) : TCollectionItem(collection) {}
    const AnsiString& GetCaption() const { return FCaption; }
    void SetCaption(const AnsiString& value) { FCaption = value; }

private:
    AnsiString FCaption;
};

class TTextPart : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TTextPart(TComponent* AOwner)
        : TComponent(AOwner), FItems(this, TTextItem::ClassInfo())
    {
    }
    const AnsiString& GetCaption() const { return FCaption; }
    void SetCaption(const AnsiString& value) { FCaption = value; }
    const AnsiString& GetHint() const { return FHint; }
    void SetHint(const AnsiString& value) { FHint = value; }
    const WideString& GetTitle() const { return FTitle; }
    void SetTitle(const WideString& value) { FTitle = value; }
    TStrings* GetLines() const { return const_cast<TStringList*>(&FLines); }
    void SetLines(TStrings* value) { FLines.Assign(value); }
    TFont* GetFont() const { return const_cast<TFont*>(&FFont); }
    void SetFont(TFont* value) { FFont.Assign(value); }
    TCollection* GetItems() const { return const_cast<TOwnedCollection*>(&FItems); }
    void SetItems(TCollection* value) { FItems.Assign(value); }
    const AnsiString& GetUnstored() const { return FUnstored; }
    void SetUnstored(const AnsiString& value) { FUnstored = value; }

private:
    AnsiString FCaption;
    AnsiString FHint;
    WideString FTitle;
    TStringList FLines;
    TFont FFont;
    TOwnedCollection FItems;
    AnsiString FUnstored;
};

class TTextForm : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TTextForm(TComponent* AOwner) : TComponent(AOwner) {}
    const AnsiString& GetCaption() const { return FCaption; }
    void SetCaption(const AnsiString& value) { FCaption = value; }
    const AnsiString& GetHint() const { return FHint; }
    void SetHint(const AnsiString& value) { FHint = value; }

private:
    AnsiString FCaption;
    AnsiString FHint;
};

VARIRUVU_CLASS_INFO(TTextItem, TCollectionItem)
{
    info.Property("Caption", &TTextItem::GetCaption, &TTextItem::SetCaption);
}

VARIRUVU_CLASS_INFO(TTextPart, TComponent)
{
    info.Property("Caption", &TTextPart::GetCaption, &TTextPart::SetCaption);
    info.Property("Hint", &TTextPart::GetHint, &TTextPart::SetHint);
    info.Property("Title", &TTextPart::GetTitle, &TTextPart::SetTitle);
    info.Property("Lines", &TTextPart::GetLines, &TTextPart::SetLines);
    info.Property("Font", &TTextPart::GetFont, &TTextPart::SetFont);
    info.Property("Items", &TTextPart::GetItems, &TTextPart::SetItems);
    info.Property("Unstored", &TTextPart::GetUnstored, &TTextPart::SetUnstored).Stored(false);
}

VARIRUVU_CLASS_INFO(TTextForm, TComponent)
{
    info.Property("Caption", &TTextForm::GetCaption, &TTextForm::SetCaption);
    info.Property("Hint", &TTextForm::GetHint, &TTextForm::SetHint);
}

namespace {

// Full property name -> (ID, default text).
using TListing = std::map<AnsiString, std::pair<int32_t, WideString>>;

TListing Listing(const TLanguageController& controller)
{
    TListing listing;
    controller.GetRootEntry()->ForEach([&](TLang_CompEntry& node) {
        if (const TLang_PropEntries* entries = node.GetPropEntries())
            for (int i = 0; i < entries->GetCount(); ++i)
                listing[node.GetComponentPath() + "." + entries->GetItem(i)->Path] = {entries->GetItem(i)->ID,
                                                                                     entries->GetItem(i)->DefText};
    });
    return listing;
}

// The LangData notation, written out field by field.
struct TNodeBytes {
    AnsiString Name;
    std::vector<std::pair<int32_t, AnsiString>> Props;
    std::vector<TNodeBytes> Children;
    bool HasProps = true;
    bool HasChildren = true;
};

template <class T>
void Put(AnsiString& out, T value)
{
    out.append(reinterpret_cast<const char*>(&value), sizeof(value));
}

AnsiString Bytes(const TNodeBytes& node)
{
    AnsiString out;
    Put<uint16_t>(out, static_cast<uint16_t>(node.Name.size()));
    out += node.Name;
    const bool props = node.HasProps && !node.Props.empty();
    Put<uint8_t>(out, props);
    if (props) {
        Put<int32_t>(out, static_cast<int32_t>(node.Props.size()));
        for (const auto& [id, path] : node.Props) {
            Put<int32_t>(out, id);
            Put<uint16_t>(out, static_cast<uint16_t>(path.size()));
            out += path;
        }
    }
    const bool children = node.HasChildren && !node.Children.empty();
    Put<uint8_t>(out, children);
    if (children) {
        Put<int32_t>(out, static_cast<int32_t>(node.Children.size()));
        for (const TNodeBytes& child : node.Children)
            out += Bytes(child);
    }
    return out;
}

AnsiString Hex(const AnsiString& bytes)
{
    AnsiString hex;
    for (unsigned char c : bytes)
        hex += Format("%.2X", c);
    return hex;
}

class LanguageController : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterClasses({&TTextForm::ClassInfo(), &TTextPart::ClassInfo(), &TLanguageController::ClassInfo()});
    }

    // Reads the form frmTest with the given lines and a controller icMain
    // (carrying `langData` when given), as the program reads its forms.
    std::unique_ptr<TTextForm> LoadForm(const AnsiString& lines, const AnsiString& langData = AnsiString())
    {
        AnsiString text = "object frmTest: TTextForm\n" + lines + "  object icMain: TLanguageController\n";
        if (!langData.empty())
            text += "    LangData = {" + Hex(langData) + "}\n";
        text += "  end\nend\n";
        auto textStream = StreamOf(text);
        TMemoryStream binary;
        ObjectTextToBinary(textStream.get(), &binary);
        binary.SetPosition(0);
        auto form = std::make_unique<TTextForm>(nullptr);
        TReader(&binary).ReadRootComponent(form.get());
        return form;
    }

    // A form made in code, with one part and a controller bound to it.
    struct TBuilt {
        std::unique_ptr<TTextForm> Form = std::make_unique<TTextForm>(nullptr);
        TTextPart* Part = nullptr;
        TLanguageController* Controller = nullptr;
    };
    TBuilt Build(const AnsiString& caption)
    {
        TBuilt built;
        built.Form->SetName("frmTest");
        built.Part = new TTextPart(built.Form.get());
        built.Part->SetName("part");
        built.Part->SetCaption(caption);
        built.Controller = new TLanguageController(built.Form.get());
        built.Controller->SetName("icMain");
        return built;
    }

    static TLanguageController* ControllerOf(TComponent* form)
    {
        return dynamic_cast<TLanguageController*>(form->FindComponent("icMain"));
    }
};

TEST_F(LanguageController, TheOptionsDecideWhichTextsAreTranslatable)
{
    const TLanguageControllerOptions defaults{lcoAutoSaveLangSource, lcoIgnoreEmptyProps, lcoIgnoreNonAlphaProps,
                                              lcoIgnoreFontProps};
    const struct {
        TLanguageControllerOptions Options;
        const char* Caption;
        bool Listed;
    } cases[] = {
        {defaults, "-", false},
        {defaults, "...", false},
        {defaults, "\xDC" "ber", true},  // Ü, above code 160
        {defaults, "OK", true},
        {defaults, "", false},
        {defaults, "12 %", false},
        {{lcoIgnoreEmptyProps}, "...", true},
        {{lcoIgnoreEmptyProps}, "", false},
        {{}, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "caption '" << c.Caption << "' options " << c.Options.Bits());
        TBuilt built = Build(c.Caption);
        built.Controller->SetOptions(c.Options);
        built.Controller->RefreshLangData();
        EXPECT_EQ(Listing(*built.Controller).count("part.Caption"), c.Listed ? 1u : 0u);
    }
}

TEST_F(LanguageController, TheWalkNamesNestedTextsAndHonoursTheMaskLists)
{
    TBuilt built = Build("Caption");
    built.Form->SetCaption("Main");
    built.Form->SetHint("Form hint");
    built.Part->SetHint("Part hint");
    built.Part->SetTitle(L"Wide \x0416");
    built.Part->GetLines()->SetTextStr("one\r\ntwo\r\n");
    built.Part->GetFont()->SetName("Tahoma");
    static_cast<TTextItem*>(built.Part->GetItems()->Add())->SetCaption("First");
    static_cast<TTextItem*>(built.Part->GetItems()->Add())->SetCaption("Second");
    built.Part->SetUnstored("Computed");
    built.Controller->GetIgnoreList()->Add("*.Hint");

    built.Controller->RefreshLangData();
    TListing listing = Listing(*built.Controller);
    std::vector<AnsiString> names;
    for (const auto& entry : listing)
        names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<AnsiString>{".Caption", "part.Caption", "part.Items[0].Caption",
                                              "part.Items[1].Caption", "part.Lines", "part.Title"}));
    EXPECT_EQ(listing["part.Lines"].second, L"one\r\ntwo\r\n");
    EXPECT_EQ(listing["part.Title"].second, L"Wide \x0416");

    // Without the font option the font's name is a text; the store list admits an unstored property.
    built.Controller->SetOptions({lcoIgnoreNonAlphaProps});
    built.Controller->GetStoreList()->Add("part.Unstored");
    built.Controller->GetIgnoreList()->Clear();
    built.Controller->RefreshLangData();
    listing = Listing(*built.Controller);
    EXPECT_EQ(listing.count("part.Font.Name"), 1u);
    EXPECT_EQ(listing.count("part.Unstored"), 1u);
    EXPECT_EQ(listing.count(".Hint"), 1u);
}

TEST_F(LanguageController, ARefreshKeepsIDsAndNumbersNewTextsAboveTheLargest)
{
    const AnsiString data = Bytes({"frmTest", {}, {{"part", {{5, "Caption"}, {159, "Hint"}}, {}}}});
    std::unique_ptr<TTextForm> form = LoadForm("  object part: TTextPart\n"
                                               "    Caption = 'Kept'\n"
                                               "    Title = 'New'\n"
                                               "  end\n", data);
    TLanguageController* controller = ControllerOf(form.get());
    controller->RefreshLangData();
    TListing listing = Listing(*controller);
    EXPECT_EQ(listing["part.Caption"].first, 5);
    EXPECT_EQ(listing["part.Title"].first, 160);
    EXPECT_EQ(listing.count("part.Hint"), 0u) << "the hint is empty now";

    // 159 is free again, but a larger ID still exists: it is not handed out.
    static_cast<TTextPart*>(form->FindComponent("part"))->GetLines()->Add("Line");
    controller->RefreshLangData();
    EXPECT_EQ(Listing(*controller)["part.Lines"].first, 161);
}

TEST_F(LanguageController, LangDataIsWrittenByteForByteAndReadBackWhole)
{
    TBuilt built = Build("Caption");
    built.Form->SetCaption("Main");
    built.Part->SetTitle(L"Title");
    auto* silent = new TTextPart(built.Form.get());
    silent->SetName("silent");
    built.Controller->RefreshLangData();

    TMemoryStream written;
    built.Controller->GetRootEntry()->WriteTo(&written);
    const AnsiString bytes(static_cast<const char*>(written.GetMemory()), static_cast<size_t>(written.GetSize()));
    // Paths in CompareText order; a node without texts still has its two flag bytes.
    EXPECT_EQ(Hex(bytes), Hex(Bytes({"frmTest",
                                     {{1, "Caption"}},
                                     {{"part", {{2, "Caption"}, {3, "Title"}}, {}}, {"silent", {}, {}}}})));

    auto stream = StreamOf(bytes);
    std::unique_ptr<TLang_CompEntry> read = TLang_CompEntry::ReadFrom(stream.get());
    TMemoryStream again;
    read->WriteTo(&again);
    EXPECT_EQ(AnsiString(static_cast<const char*>(again.GetMemory()), static_cast<size_t>(again.GetSize())), bytes);

    for (size_t length = 0; length < bytes.size(); ++length) {
        auto cut = StreamOf(bytes.substr(0, length));
        EXPECT_THROW(TLang_CompEntry::ReadFrom(cut.get()), EReadError) << "cut at " << length;
    }
}

TEST_F(LanguageController, AFormStreamCarriesTheTreeAndLoadingBindsIt)
{
    TBuilt built = Build("Caption");
    built.Controller->RefreshLangData();
    TMemoryStream binary;
    TWriter(&binary).WriteRootComponent(built.Form.get());
    binary.SetPosition(0);

    auto form = std::make_unique<TTextForm>(nullptr);
    TReader(&binary).ReadRootComponent(form.get());
    TLanguageController* controller = ControllerOf(form.get());
    ASSERT_NE(controller, nullptr);
    EXPECT_EQ(Listing(*controller), Listing(*built.Controller));
    EXPECT_EQ(controller->GetRootEntry()->GetComponent(), form.get());
}

TEST_F(LanguageController, ComponentsTheFormNoLongerHasLeaveTheTree)
{
    const AnsiString data =
        Bytes({"frmTest", {}, {{"part", {{1, "Caption"}}, {}}, {"gone", {{2, "Caption"}}, {}}}});
    std::unique_ptr<TTextForm> form;
    ASSERT_NO_THROW(form = LoadForm("  object part: TTextPart\n"
                                    "    Caption = 'Here'\n"
                                    "  end\n", data));
    TLanguageController* controller = ControllerOf(form.get());
    EXPECT_EQ(Listing(*controller), (TListing{{"part.Caption", {1, L"Here"}}}));

    // Freed while the form lives: its node goes too.
    std::unique_ptr<TComponent>(form->FindComponent("part")).reset();
    EXPECT_TRUE(Listing(*controller).empty());
    EXPECT_EQ(controller->GetRootEntry()->GetChildren(), nullptr);
}

TEST_F(LanguageController, TheLanguageSourceListsEveryTextWithItsID)
{
    TBuilt built = Build("Two\r\nlines");
    built.Form->SetCaption("Main");
    built.Controller->RefreshLangData();
    TUniStringList lines;
    built.Controller->WriteLangSource(&lines);
    EXPECT_EQ(lines.GetTextStr(), L"Caption=00000001,Main\r\npart.Caption=00000002,Two\\nlines\r\n");
}

// Switches the process's language manager through scratch language files.
class LanguageControllerSwitch : public LanguageController {
protected:
    void SetUp() override
    {
        WriteLangFile(FFolder.File(L"de.lng"), L"LANGID=1031\r\n[frmTest]\r\n1=Haupt\r\n2=Teil\r\n"
                                               L"; an ID the form lacks, and a form that does not exist\r\n"
                                               L"999=Nirgends\r\n[frmNowhere]\r\n1=Nirgends\r\n");
        WriteLangFile(FFolder.File(L"hu.lng"), L"LANGID=1038\r\n[FRMTEST]\r\n1=F\x0151\r\n2=R\x00E9sz\r\n3=S\x00FAg\x00F3\r\n");
        WriteLangFile(FFolder.File(L"cs.lng"), L"LANGID=1029\r\n[frmTest]\r\n1=\r\n");
        ASSERT_EQ(LangManager()->AddLangFilesFromFolder(FFolder.Path(), L"*.lng", false), 3);
    }
    void TearDown() override { LangManager()->SelectLanguage(1033); }

    TScratchFolder FFolder;
};

TEST_F(LanguageControllerSwitch, EverySwitchRewritesTheListedTextsAndMissingIDsFallBackToTheDefault)
{
    std::unique_ptr<TTextForm> form = LoadForm("  Caption = 'Main'\n"
                                               "  object part: TTextPart\n"
                                               "    Caption = 'Part'\n"
                                               "    Hint = 'Help'\n"
                                               "  end\n");
    TLanguageController* controller = ControllerOf(form.get());
    controller->RefreshLangData();  // 1 .Caption, 2 part.Caption, 3 part.Hint
    auto* part = static_cast<TTextPart*>(form->FindComponent("part"));
    int changing = 0;
    int changed = 0;
    controller->OnLanguageChanging = TNotifyEvent::FromFunction([&](TObject* sender) {
        EXPECT_EQ(sender, controller);
        ++changing;
    });
    controller->OnLanguageChanged = TNotifyEvent::FromFunction([&](TObject*) { ++changed; });

    const struct {
        uint16_t Language;
        const wchar_t* Form;
        const wchar_t* Part;
        const wchar_t* Hint;
    } steps[] = {
        {1038, L"F\x0151", L"R\x00E9sz", L"S\x00FAg\x00F3"},
        {1031, L"Haupt", L"Teil", L"Help"},  // the German section lacks the hint
        {1029, L"", L"Part", L"Help"},       // an empty translation is a text like any other
        {1033, L"Main", L"Part", L"Help"},
    };
    int switches = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Language);
        LangManager()->SelectLanguage(step.Language);
        ++switches;
        // 8-bit properties hold the text in the language's own code page.
        const UINT codePage = LangManager()->GetCodePage();
        EXPECT_EQ(AnsiToWide(form->GetCaption(), codePage), step.Form);
        EXPECT_EQ(AnsiToWide(part->GetCaption(), codePage), step.Part);
        EXPECT_EQ(AnsiToWide(part->GetHint(), codePage), step.Hint);
    }
    EXPECT_EQ(changing, switches);
    EXPECT_EQ(changed, switches);
}

TEST_F(LanguageControllerSwitch, AFormLoadedWhileALanguageIsCurrentComesUpInIt)
{
    const AnsiString data = Bytes({"frmTest", {}, {{"part", {{2, "Caption"}}, {}}}});
    LangManager()->SelectLanguage(1031);
    std::unique_ptr<TTextForm> form = LoadForm("  object part: TTextPart\n"
                                               "    Caption = 'Part'\n"
                                               "  end\n", data);
    auto* part = static_cast<TTextPart*>(form->FindComponent("part"));
    EXPECT_EQ(part->GetCaption(), "Teil");
    LangManager()->SelectLanguage(1033);
    EXPECT_EQ(part->GetCaption(), "Part") << "the default text is the one the form was loaded with";
}

}  // namespace
