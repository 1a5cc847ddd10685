#include <gtest/gtest.h>

#include <memory>

#include "classlib/FormText.h"
#include "classlib_fixture.h"
#include "test_classes.h"

namespace {

AnsiString TextToBinary(const AnsiString& text)
{
    TMemoryStream in, out;
    in.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(&in, &out);
    return StreamBytes(out);
}

AnsiString BinaryToText(const AnsiString& binary)
{
    TMemoryStream in, out;
    in.WriteBuffer(binary.data(), static_cast<int32_t>(binary.size()));
    in.SetPosition(0);
    ObjectBinaryToText(&in, &out);
    return StreamBytes(out);
}

std::unique_ptr<TTestForm> ReadForm(const AnsiString& binary)
{
    auto form = std::make_unique<TTestForm>(nullptr);
    TMemoryStream in;
    in.WriteBuffer(binary.data(), static_cast<int32_t>(binary.size()));
    in.SetPosition(0);
    TReader(&in).ReadRootComponent(form.get());
    return form;
}

TTestWidget* Widget(TComponent* root, const char* name)
{
    return dynamic_cast<TTestWidget*>(root->FindComponent(name));
}

}  // namespace

TEST(FormStreaming, TextConvertsToTheBuiltResourceAndBackToTheSameText)
{
    AnsiString text = ResourceBytes("CLASSLIB_TEST_FORM_TEXT");
    AnsiString binary = TextToBinary(text);
    EXPECT_EQ(binary, ResourceBytes("TTESTFORM"));  // what the build tool embedded
    EXPECT_EQ(binary.substr(0, 4), "VRF0");
    EXPECT_EQ(WithoutCR(BinaryToText(binary)), WithoutCR(text));
}

TEST(FormStreaming, LoadingFromTheResourceBuildsTheTreeAndSetsEveryProperty)
{
    TestLog().clear();
    TTestForm form(nullptr);
    ASSERT_TRUE(LoadRootComponent(&form));
    EXPECT_EQ(form.GetName(), "TestForm");
    EXPECT_EQ(form.GetTag(), 7);
    ASSERT_EQ(form.GetComponentCount(), 3);
    TTestWidget* panel = Widget(&form, "panel");  // found without regard to case
    TTestWidget* button = Widget(&form, "Button");
    TTestWidget* spare = Widget(&form, "Spare");
    ASSERT_TRUE(panel && button && spare);
    EXPECT_EQ(button->GetParentWidget(), panel);
    EXPECT_EQ(spare->GetParentWidget(), nullptr);

    EXPECT_EQ(panel->GetCaption(), L"Soubory \u0159\u00E1dku");
    EXPECT_EQ(button->GetCaption(), L"Po\u010Det");
    EXPECT_EQ(panel->GetHint(), "It's a panel");
    EXPECT_EQ(panel->GetCount(), -300000);
    EXPECT_EQ(panel->GetBig(), 9000000000LL);
    EXPECT_DOUBLE_EQ(panel->GetRatio(), 2.5);
    EXPECT_FALSE(panel->GetEnabled());
    EXPECT_TRUE(button->GetEnabled());
    EXPECT_EQ(panel->GetAccel(), 'Z');
    EXPECT_EQ(panel->GetColor(), tcBlue);
    EXPECT_EQ(panel->GetOptions(), (TTestOptions{toBold, toUnderline}));
    EXPECT_EQ(panel->GetFont()->GetName(), "Courier New");
    EXPECT_EQ(panel->GetFont()->GetSize(), 12);
    EXPECT_EQ(panel->GetLines()->GetText(), "first\r\nsecond\r\n");
    ASSERT_EQ(panel->GetItems()->GetCount(), 2);
    auto* item0 = dynamic_cast<TTestItem*>(panel->GetItems()->GetItem(0));
    auto* item1 = dynamic_cast<TTestItem*>(panel->GetItems()->GetItem(1));
    EXPECT_EQ(item0->GetCaption(), L"\u0424\u0430\u0439\u043B\u0438 \u0457");
    EXPECT_EQ(item0->GetWidth(), 120);
    EXPECT_EQ(item1->GetCaption(), L"Name");
    EXPECT_EQ(item1->GetWidth(), 50);
    EXPECT_EQ(panel->GetBlob(), AnsiString("\x00\xFF\x7F\x80", 4));

    // The reference to a component read later, and back.
    EXPECT_EQ(panel->GetBuddy(), button);
    EXPECT_EQ(button->GetBuddy(), panel);

    // Events are bound to the root's published method.
    panel->GetOnClick()(panel);
    button->GetOnClick()(button);
    EXPECT_EQ(form.Clicks, (std::vector<TObject*>{panel, button}));
    EXPECT_FALSE(spare->GetOnClick());

    // Loaded runs once per component, after the whole stream: the panel's
    // buddy, read after it, is already there.
    EXPECT_EQ(TestLog(), (std::vector<std::string>{"Loaded TestForm", "Loaded Panel buddy=Button",
                                                   "Loaded Button buddy=Panel", "Loaded Spare"}));
    for (int i = 0; i < form.GetComponentCount(); ++i)
        EXPECT_EQ(form.GetComponents(i)->GetComponentState() & (csLoading | csReading), 0u);
}

TEST(FormStreaming, TheWriterWritesTheLoadedTreeBackAsTheSameStream)
{
    AnsiString binary = ResourceBytes("TTESTFORM");
    auto form = ReadForm(binary);
    TMemoryStream out;
    TWriter(&out).WriteRootComponent(form.get());
    EXPECT_EQ(WithoutCR(BinaryToText(StreamBytes(out))), WithoutCR(ResourceBytes("CLASSLIB_TEST_FORM_TEXT")));
}

TEST(FormStreaming, UnknownNamesReachDefinePropertiesAndOtherwiseFail)
{
    auto form = ReadForm(TextToBinary("object F: TTestForm\n"
                                      "  object W: TTestWidget\n"
                                      "    Legacy = 'old'\n"
                                      "  end\n"
                                      "end\n"));
    EXPECT_EQ(Widget(form.get(), "W")->GetLegacy(), "old");

    int live = TTestWidget::LiveCount;
    try {
        ReadForm(TextToBinary("object F: TTestForm\n  object W: TTestWidget\n    Nothing = 1\n  end\nend\n"));
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Property Nothing does not exist");
    }
    EXPECT_EQ(TTestWidget::LiveCount, live);

    // A name's length byte can exceed every value type: it is still a name.
    try {
        ReadForm(TextToBinary("object F: TTestForm\n  object W: TTestWidget\n"
                              "    Items.WideStrings_UTF7 = 1\n  end\nend\n"));
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Property Items.WideStrings_UTF7 does not exist");
    }
}

TEST(FormStreaming, BadValuesAndReferencesFailAsReadErrors)
{
    const char* const bodies[] = {
        "Color = tcPurple",         // no such enumeration value
        "Options = [toBold, toX]",  // no such set element
        "Count = 'text'",           // wrong kind
        "Count = 9000000000",       // out of range
        "Buddy = Nobody",           // unresolved reference
        "OnClick = NoSuchHandler",  // no such method
        "Font.Colour = 1",          // nested property missing
    };
    for (const char* body : bodies) {
        int live = TTestWidget::LiveCount;
        AnsiString text = AnsiString("object F: TTestForm\n object W: TTestWidget\n ") + body + "\n end\nend\n";
        EXPECT_THROW(ReadForm(TextToBinary(text)), EReadError) << body;
        EXPECT_EQ(TTestWidget::LiveCount, live) << body;
    }
}

TEST(FormStreaming, ADamagedStreamRaisesTheReadErrorAndLeaksNothing)
{
    AnsiString binary = ResourceBytes("TTESTFORM");
    int live = TTestWidget::LiveCount;
    for (size_t n = 0; n < binary.size(); ++n) {
        auto form = std::make_unique<TTestForm>(nullptr);
        TMemoryStream in;
        in.WriteBuffer(binary.data(), static_cast<int32_t>(n));
        in.SetPosition(0);
        EXPECT_THROW(TReader(&in).ReadRootComponent(form.get()), EReadError) << n;
        EXPECT_EQ(form->GetComponentCount(), 0) << n;
        EXPECT_EQ(TTestWidget::LiveCount, live) << n;
    }
    // A count that claims more than the stream holds is refused, not allocated.
    AnsiString huge = binary;
    size_t blob = huge.find("Blob");
    ASSERT_NE(blob, AnsiString::npos);
    huge[blob + 5] = '\x7F';
    huge[blob + 8] = '\x7F';
    EXPECT_THROW(ReadForm(huge), EReadError);
    EXPECT_EQ(TTestWidget::LiveCount, live);
}

TEST(FormStreaming, AnUnknownClassNamesItself)
{
    try {
        ReadForm(TextToBinary("object F: TTestForm\n object W: TNoSuchThing\n end\nend\n"));
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_STREQ(e.what(), "Class TNoSuchThing not found");
    }
}

TEST(FormText, ValueNotationsRoundTrip)
{
    // Every value kind of the notation, in the form the converter writes it.
    AnsiString text =
        "object TTestForm\n"
        "  A = -128\n"
        "  B = 32767\n"
        "  C = -2147483648\n"
        "  D = 9223372036854775807\n"
        "  E = 1.5\n"
        "  F = 2.0\n"
        "  G = 0.25s\n"
        "  H = 12.5c\n"
        "  I = 45000.5d\n"
        "  J = ''\n"
        "  K = #13#10'x'#9\n"
        "  L = True\n"
        "  M = nil\n"
        "  N = Other.Thing\n"
        "  O = []\n"
        "  P = ()\n"
        "  Q = {}\n"
        "  R = <>\n"
        "  S = (\n"
        "    1\n"
        "    (\n"
        "      'x'))\n"
        "end\n";
    EXPECT_EQ(WithoutCR(BinaryToText(TextToBinary(text))), text);
}

TEST(FormText, LongStringsAndInputVariants)
{
    AnsiString longText(300, 'x');
    AnsiString binary = TextToBinary("object T\n  S = '" + longText + "'\nend\n");
    EXPECT_NE(binary.find(AnsiString(1, vaLString)), AnsiString::npos);
    // Concatenation with '+', UTF-8 text, hex integers and lower-case keywords.
    AnsiString variants = TextToBinary("\xEF\xBB\xBFOBJECT X: T\n  S = 'a' +\n    'b'#99\n  U = '\xC4\x8D'\n"
                                       "  H = $FF\nEND\n");
    EXPECT_EQ(WithoutCR(BinaryToText(variants)), "object X: T\n  S = 'abc'\n  U = #269\n  H = 255\nend\n");
}

TEST(FormText, MalformedTextNamesTheLine)
{
    const char* const texts[] = {
        "object X: T\n  A = \nend\n",
        "object X: T\n  A = 'open\nend\n",
        "object X: T\n  A = {0F1}\nend\n",
        "object X: T\n  A = [a b]\nend\n",
        "object X: T\n  A = 1\n",
        "thing X: T\nend\n",
        "object X: T\nend\nextra",
    };
    for (const char* text : texts)
        EXPECT_THROW(TextToBinary(text), EParserError) << text;
    try {
        TextToBinary("object X: T\n  A = 1\n  B = %\nend\n");
        FAIL();
    } catch (const EParserError& e) {
        EXPECT_STREQ(e.what(), "Invalid property value on line 3");
    }
}
