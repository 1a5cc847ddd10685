#include <gtest/gtest.h>

#include <memory>

#include "classlib/FormText.h"
#include "classlib/StdCtrls.h"

namespace {

AnsiString Convert(const AnsiString& text, void (*convert)(TStream*, TStream*))
{
    TMemoryStream in, out;
    in.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
    in.SetPosition(0);
    convert(&in, &out);
    return AnsiString(static_cast<const char*>(out.GetMemory()), static_cast<size_t>(out.GetSize()));
}

void ReadInto(TComponent* root, const AnsiString& text)
{
    AnsiString binary = Convert(text, &ObjectTextToBinary);
    TMemoryStream in;
    in.WriteBuffer(binary.data(), static_cast<int32_t>(binary.size()));
    in.SetPosition(0);
    TReader(&in).ReadRootComponent(root);
}

AnsiString WriteText(TComponent* root)
{
    TMemoryStream out;
    TWriter(&out).WriteRootComponent(root);
    AnsiString binary(static_cast<const char*>(out.GetMemory()), static_cast<size_t>(out.GetSize()));
    return Convert(binary, &ObjectBinaryToText);
}

TEST(IntegerIdentsTest, FormTextsNameColoursAndCursors)
{
    RegisterClass(TLabel::ClassInfo());
    TForm form(nullptr);
    ReadInto(&form, "object F: TForm\n"
                    "  Color = clBtnFace\n"
                    "  Cursor = crHandPoint\n"
                    "  Font.Color = CLHOTLIGHT\n"
                    "  object L: TLabel\n"
                    "    Color = 1193046\n"
                    "    Font.Color = 255\n"
                    "  end\n"
                    "end\n");
    EXPECT_EQ(form.GetColor(), clBtnFace);
    EXPECT_EQ(form.GetCursor(), crHandPoint);
    EXPECT_EQ(form.GetFont()->GetColor(), clHotLight);
    auto* label = dynamic_cast<TLabel*>(form.FindComponent("L"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetColor(), 0x123456);

    AnsiString text = WriteText(&form);
    EXPECT_NE(text.find("Color = clBtnFace"), AnsiString::npos) << text;
    EXPECT_NE(text.find("Cursor = crHandPoint"), AnsiString::npos) << text;
    EXPECT_NE(text.find("Font.Color = clHotLight"), AnsiString::npos) << text;
    // a value without a name stays a number; a named one gets its name
    EXPECT_NE(text.find("Color = 1193046"), AnsiString::npos) << text;
    EXPECT_NE(text.find("Font.Color = clRed"), AnsiString::npos) << text;
}

TEST(IntegerIdentsTest, AnUnknownIdentifierIsAReadError)
{
    for (const char* line : {"Color = clNoSuchColour", "Cursor = clBtnFace", "Left = clWhite"}) {
        TForm form(nullptr);
        EXPECT_THROW(ReadInto(&form, AnsiString("object F: TForm\n  ") + line + "\nend\n"), EReadError) << line;
    }
}

}  // namespace
