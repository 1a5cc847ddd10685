// What the wide controls share: the streaming hook, the wide/8-bit sync,
// component helpers and the COM server test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <objbase.h>

#include "classlib/Registry.h"
#include "unicode/UniClasses.h"
#include "unicode/UniSystem.h"

namespace {

class TWideHolder : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    explicit TWideHolder(TComponent* owner) : TComponent(owner) {}
    const WideString& GetCaption() const { return FCaption; }
    void SetCaption(const WideString& value) { FCaption = value; }
    wchar_t GetInitial() const { return L'\u017E'; }

    wchar_t Letter = L'-';
    wchar_t Spare = L'\u0165';

protected:
    void DefineProperties(TFiler* filer) override
    {
        TComponent::DefineProperties(filer);
        WidePropertyFilerHook(filer, this);
    }

private:
    WideString FCaption;
};

VARIRUVU_CLASS_INFO(TWideHolder, TComponent)
{
    info.Property("Caption", &TWideHolder::GetCaption, &TWideHolder::SetCaption);
    info.Property("Letter", &TWideHolder::Letter).Default(L'-');
    info.Property("Initial", &TWideHolder::GetInitial);
    info.Property("Spare", &TWideHolder::Spare).Stored(false);
}

using TPropertyWriter = std::function<void(TWriter&)>;

// Reads a stream of one TWideHolder with the given properties into `holder`.
void ReadHolder(TWideHolder& holder, const TPropertyWriter& writeProperties)
{
    TMemoryStream stream;
    {
        TWriter writer(&stream);
        writer.WriteSignature();
        writer.WriteStr("TWideHolder");
        writer.WriteStr("Holder");
        writeProperties(writer);
        writer.WriteValue(vaNull);
        writer.WriteValue(vaNull);
    }
    stream.SetPosition(0);
    TReader reader(&stream);
    reader.ReadRootComponent(&holder);
}

TPropertyWriter Prop(const AnsiString& name, const TPropertyWriter& writeValue)
{
    return [=](TWriter& w) {
        w.WritePropName(name);
        writeValue(w);
    };
}

TPropertyWriter String(const AnsiString& s)
{
    return [=](TWriter& w) { w.WriteString(s); };
}

TPropertyWriter Wide(const WideString& s)
{
    return [=](TWriter& w) { w.WriteWideString(s); };
}

TPropertyWriter Props(std::vector<TPropertyWriter> writers)
{
    return [=](TWriter& w) {
        for (const TPropertyWriter& write : writers)
            write(w);
    };
}

AnsiString HolderStream(TWideHolder& holder)
{
    TMemoryStream stream;
    {
        TWriter writer(&stream);
        writer.WriteRootComponent(&holder);
    }
    return AnsiString(static_cast<const char*>(stream.GetMemory()), size_t(stream.GetSize()));
}

}  // namespace

TEST(WidePropertyFilers, WideStringPseudoPropertiesAreReadAndDropped)
{
    const WideString czech = L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD";
    struct Case {
        const char* what;
        TPropertyWriter properties;
        WideString caption;
    };
    const Case cases[] = {
        {"around the caption",
         Props({Prop("CaptionW", String(EncodeUtf8(L"other \u017E"))), Prop("Caption", Wide(czech)),
                Prop("Caption_UTF7", String(EncodeUtf7(L"other \u0165")))}),
         czech},
        {"without the caption",
         Props({Prop("Caption_UTF7", String("+")),  // not UTF-7 at all
                Prop("CaptionW", Wide(L"wide \u017E"))}),
         L"before"},
    };
    for (const Case& c : cases) {
        TWideHolder holder(nullptr);
        holder.SetCaption(L"before");
        ReadHolder(holder, c.properties);
        EXPECT_EQ(holder.GetCaption(), c.caption) << c.what;
    }

    TWideHolder holder(nullptr);
    try {
        ReadHolder(holder, Prop("TagW", String("1")));
        ADD_FAILURE() << "pseudo-property of an integer read";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Property TagW does not exist");
    }
}

TEST(WidePropertyFilers, OnlyAStoredWideCharIsWrittenAsOneWideCharacter)
{
    TWideHolder holder(nullptr);
    holder.SetCaption(L"\u017Elu\u0165");
    AnsiString bytes = HolderStream(holder);
    for (const char* absent : {"LetterW", "CaptionW", "Caption_UTF7", "Letter_UTF7", "InitialW", "SpareW"})
        EXPECT_EQ(bytes.find(absent), AnsiString::npos) << absent;

    holder.Letter = L'\u0416';
    bytes = HolderStream(holder);
    EXPECT_NE(bytes.find(AnsiString("\x07LetterW\x12\x01\x00\x00\x00\x16\x04", 15)), AnsiString::npos);
    EXPECT_EQ(bytes.find("Letter_UTF7"), AnsiString::npos);

    TWideHolder back(nullptr);
    TMemoryStream stream;
    stream.Write(bytes.data(), int32_t(bytes.size()));
    stream.SetPosition(0);
    TReader reader(&stream);
    reader.ReadRootComponent(&back);
    EXPECT_EQ(back.Letter, L'\u0416');
}

TEST(WidePropertyFilers, WideCharReadersStoreOneCharacter)
{
    struct Case {
        TPropertyWriter property;
        wchar_t letter;
    };
    const Case cases[] = {
        {Prop("LetterW", String("z")), L'z'},
        {Prop("LetterW", String("\xE9")), AnsiToWide("\xE9")[0]},
        {Prop("LetterW", String("")), L'\0'},
        {Prop("LetterW", Wide(L"\u0416")), L'\u0416'},
        {Prop("LetterW", Wide(L"")), L'\0'},
        {Prop("Letter_UTF7", String("+BBY-")), L'\u0416'},
        {Prop("Letter_UTF7", String("ab")), L'a'},
        {Prop("Letter_UTF7", String("")), L'\0'},
    };
    for (const Case& c : cases) {
        TWideHolder holder(nullptr);
        ReadHolder(holder, c.property);
        EXPECT_EQ(int(holder.Letter), int(c.letter));
    }
}

TEST(WidePropertyFilers, BadWideCharValuesAreInvalidPropertyValues)
{
    const TPropertyWriter values[] = {
        String("ab"),
        Wide(L"\u0416\u0417"),
        [](TWriter& w) { w.WriteInteger(65); },
        [](TWriter& w) { w.WriteBoolean(true); },
        // A long 8-bit string, though of one character.
        [](TWriter& w) {
            w.WriteValue(vaLString);
            int32_t count = 1;
            w.Write(&count, 4);
            w.Write("a", 1);
        },
    };
    for (const TPropertyWriter& value : values) {
        TWideHolder holder(nullptr);
        try {
            ReadHolder(holder, Prop("LetterW", value));
            ADD_FAILURE() << "bad value read";
        } catch (const EReadError& e) {
            EXPECT_STREQ(e.what(), "Invalid property value");
        }
        EXPECT_EQ(holder.Letter, L'-');
    }
}

namespace {

// Two texts the ANSI code page gives the same 8-bit form (Georgian letters
// are in none).
const WideString Outside1 = L"Caption \u10D0";
const WideString Outside2 = L"Caption \u10D1";

}  // namespace

TEST(SyncWide, TheTwinSeesEveryChangeOnce)
{
    ASSERT_EQ(WideToAnsi(Outside1), WideToAnsi(Outside2));
    ASSERT_NE(AnsiToWide(WideToAnsi(Outside2)), Outside2);
    struct Case {
        WideString before;
        WideString after;
        std::vector<AnsiString> setterCalls;
    };
    const Case cases[] = {
        {L"same", L"same", {}},
        {Outside1, Outside1, {}},
        {L"plain", L"changed", {"changed"}},
        {L"plain", Outside1, {WideToAnsi(Outside1)}},
        {Outside1, L"plain", {"plain"}},
        {Outside1, Outside2, {"", WideToAnsi(Outside2)}},
    };
    for (const Case& c : cases) {
        WideString wide = c.before;
        AnsiString twin = WideToAnsi(c.before);
        std::vector<AnsiString> calls;
        SyncWideToAnsi(c.after, wide, twin, [&](const AnsiString& s) {
            calls.push_back(s);
            twin = s;
        });
        EXPECT_EQ(calls, c.setterCalls) << WideToAnsi(c.after, CP_UTF8);
        EXPECT_EQ(wide, c.after);
        EXPECT_EQ(twin, WideToAnsi(c.after));
    }
}

TEST(SyncWide, AChangedTwinReplacesTheWideValue)
{
    WideString wide = Outside1;
    EXPECT_EQ(SyncWideFromAnsi(wide, WideToAnsi(Outside1)), Outside1);
    EXPECT_EQ(wide, Outside1);

    EXPECT_EQ(SyncWideFromAnsi(wide, "set directly"), L"set directly");
    EXPECT_EQ(wide, L"set directly");
}

TEST(WideComponentHelpers, KeptInAddressOrderAndLeaveWithTheirComponent)
{
    std::vector<std::unique_ptr<TComponent>> components;
    for (int i = 0; i < 7; ++i)
        components.push_back(std::make_unique<TComponent>(nullptr));
    auto address = [](const TComponent* c) { return reinterpret_cast<uintptr_t>(c); };
    std::vector<TComponent*> byAddress;
    for (auto& c : components)
        byAddress.push_back(c.get());
    std::sort(byAddress.begin(), byAddress.end(), [&](auto* a, auto* b) { return address(a) < address(b); });
    auto helped = [](const TComponentList& list) {
        std::vector<TComponent*> order;
        for (int i = 0; i < list.GetCount(); ++i)
            order.push_back(static_cast<TWideComponentHelper*>(list.GetItem(i))->GetHelpedComponent());
        return order;
    };

    TComponentList list;
    // Highest address first, then the rest from either end towards the middle.
    for (int i : {6, 0, 5, 1, 4, 2, 3})
        new TWideComponentHelper(byAddress[size_t(i)], &list);
    EXPECT_EQ(helped(list), byAddress);
    for (TComponent* c : byAddress) {
        TWideComponentHelper* helper = LookupWideComponentHelper(&list, c);
        ASSERT_NE(helper, nullptr);
        EXPECT_EQ(helper->GetHelpedComponent(), c);
    }
    TComponent stranger(nullptr);
    EXPECT_EQ(LookupWideComponentHelper(&list, &stranger), nullptr);

    TComponent* freed = byAddress[3];
    byAddress.erase(byAddress.begin() + 3);
    std::erase_if(components, [&](auto& c) { return c.get() == freed; });
    EXPECT_EQ(helped(list), byAddress);
    // The remaining helpers go with the list, before their components.
}

TEST(WideComponentHelpers, AreNeverMadeByClass)
{
    const TClassInfo& cls = TWideComponentHelper::ClassInfo();
    ASSERT_TRUE(cls.CanCreateComponent());
    TComponent owner(nullptr);
    try {
        cls.CreateComponent(&owner);
        ADD_FAILURE() << "helper made by class";
    } catch (const EUniInternalError& e) {
        EXPECT_STREQ(e.what(), "UNI Internal Error: TWideComponentHelper.Create should never be encountered.");
    }
    EXPECT_EQ(owner.GetComponentCount(), 0);
}

namespace {

struct TMachineRegistry : TRegistry {
    TMachineRegistry() : TRegistry(KEY_ALL_ACCESS) { SetRootKey(HKEY_LOCAL_MACHINE); }
};

// A class of a fresh identifier, registered in the test prefix for the life
// of the object.
class TRegisteredClass {
public:
    TRegisteredClass()
    {
        CoCreateGuid(&FId);
        wchar_t text[39];
        StringFromGUID2(FId, text, 39);
        FKey = "\\SOFTWARE\\Classes\\CLSID\\" + WideToAnsi(text);
    }
    ~TRegisteredClass() { TMachineRegistry().DeleteKey(FKey); }
    TRegisteredClass(const TRegisteredClass&) = delete;
    TRegisteredClass& operator=(const TRegisteredClass&) = delete;

    const GUID& Id() const { return FId; }
    // An empty value removes the sub-key.
    void SetDefault(const AnsiString& subKey, const AnsiString& value)
    {
        TMachineRegistry registry;
        if (value.empty()) {
            registry.DeleteKey(FKey + "\\" + subKey);
            return;
        }
        ASSERT_TRUE(registry.OpenKey(FKey + "\\" + subKey, true));
        registry.WriteString("", value);
    }

private:
    GUID FId{};
    AnsiString FKey;
};

}  // namespace

TEST(ComServer, RegisteredWithAnExistingServerFile)
{
    wchar_t self[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    const AnsiString program = WideToAnsi(self);
    const AnsiString missing = program + ".missing";

    GUID random;
    CoCreateGuid(&random);
    EXPECT_FALSE(IsComServerRegistered(random));

    TRegisteredClass cls;
    struct Step {
        AnsiString progId, inProc32, inProc;
        bool registered;
    };
    const Step steps[] = {
        {"", program, "", false},
        {"Variruvu.WideTest.1", program, "", true},
        {"Variruvu.WideTest.1", missing, "", false},
        {"Variruvu.WideTest.1", "", program, true},
        {"Variruvu.WideTest.1", "", missing, false},
        {"Variruvu.WideTest.1", "", "", false},
    };
    for (const Step& s : steps) {
        cls.SetDefault("ProgID", s.progId);
        cls.SetDefault("InProcServer32", s.inProc32);
        cls.SetDefault("InProcServer", s.inProc);
        EXPECT_EQ(IsComServerRegistered(cls.Id()), s.registered)
            << s.progId << " / " << s.inProc32 << " / " << s.inProc;
    }
}
