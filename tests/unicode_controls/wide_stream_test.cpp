#include <gtest/gtest.h>

#include <memory>

#include "classlib/FormText.h"
#include "unicode_controls/UniExtCtrls.h"
#include "unicode_controls/UniStdCtrls.h"
#include "unicontrols_fixture.h"

namespace {

AnsiString Convert(void (*convert)(TStream*, TStream*), const AnsiString& bytes)
{
    TMemoryStream in, out;
    in.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    in.SetPosition(0);
    convert(&in, &out);
    return AnsiString(static_cast<const char*>(out.GetMemory()), static_cast<size_t>(out.GetSize()));
}

void ReadInto(TComponent* root, const AnsiString& binary)
{
    TMemoryStream in;
    in.WriteBuffer(binary.data(), static_cast<int32_t>(binary.size()));
    in.SetPosition(0);
    TReader(&in).ReadRootComponent(root);
}

AnsiString Write(TComponent* root)
{
    TMemoryStream out;
    TWriter(&out).WriteRootComponent(root);
    return AnsiString(static_cast<const char*>(out.GetMemory()), static_cast<size_t>(out.GetSize()));
}

// Older form data may carry the wide values again as pseudo-properties
// (HintW); they are read and dropped.
const char FormText[] =
    "object F: TForm\n"
    "  object lbl: TUniLabel\n"
    "    Caption = '&P'#345#237'li'#353' '#382'lu'#357'ou'#269'k'#253' k'#367#328\n"
    "    Hint = #20013#25991#23383'|long'\n"
    "    HintW = 'dropped'\n"
    "    FocusControl = chk\n"
    "  end\n"
    "  object chk: TUniCheckBox\n"
    "    Caption = #1055#1088#1080#1074#1110#1090', '#1089#1074#1110#1090#1077\n"
    "    State = cbChecked\n"
    "  end\n"
    "  object pan: TUniPanel\n"
    "    Caption = #20013#25991#23383\n"
    "    BevelOuter = bvLowered\n"
    "    object img: TUniImage\n"
    "      Hint = #1046#1086#1074#1090#1080#1081\n"
    "    end\n"
    "  end\n"
    "end\n";

using WideStreamTest = UniFormTest;

TEST_F(WideStreamTest, AFormOfTheWideControlsReadsAndWritesItsWideTextsBack)
{
    RegisterClasses({&TUniLabel::ClassInfo(), &TUniCheckBox::ClassInfo(), &TUniPanel::ClassInfo(),
                     &TUniImage::ClassInfo()});
    auto check = [](TComponent* root) {
        auto* label = dynamic_cast<TUniLabel*>(root->FindComponent("lbl"));
        auto* box = dynamic_cast<TUniCheckBox*>(root->FindComponent("chk"));
        auto* panel = dynamic_cast<TUniPanel*>(root->FindComponent("pan"));
        auto* image = dynamic_cast<TUniImage*>(root->FindComponent("img"));
        ASSERT_TRUE(label && box && panel && image);
        EXPECT_EQ(label->GetCaption(), L"&P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148");
        EXPECT_EQ(label->GetHint(), L"\u4E2D\u6587\u5B57|long");
        EXPECT_EQ(label->GetFocusControl(), box);
        EXPECT_EQ(box->GetCaption(), L"\u041F\u0440\u0438\u0432\u0456\u0442, \u0441\u0432\u0456\u0442\u0435");
        EXPECT_TRUE(box->GetChecked());
        EXPECT_EQ(panel->GetCaption(), L"\u4E2D\u6587\u5B57");
        EXPECT_EQ(panel->GetBevelOuter(), bvLowered);
        EXPECT_EQ(image->GetParent(), panel);
        EXPECT_EQ(image->GetHint(), L"\u0416\u043E\u0432\u0442\u0438\u0439");
    };
    ReadInto(form.get(), Convert(ObjectTextToBinary, FormText));
    check(form.get());
    // The windows have the wide texts too.
    auto* box = static_cast<TUniCheckBox*>(form->FindComponent("chk"));
    box->HandleNeeded();
    EXPECT_EQ(WindowTextW(box->GetHandle()), box->GetCaption());

    AnsiString written = Write(form.get());
    AnsiString text = Convert(ObjectBinaryToText, written);
    EXPECT_EQ(text.find("HintW"), AnsiString::npos);
    EXPECT_NE(text.find("Caption = #20013#25991#23383"), AnsiString::npos) << text;
    TForm copy(nullptr);
    ReadInto(&copy, written);
    check(&copy);
}

}  // namespace
