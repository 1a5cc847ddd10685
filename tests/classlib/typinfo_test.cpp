#include <gtest/gtest.h>

#include "test_classes.h"

namespace {

std::vector<std::string> Names(const std::vector<const TPropInfo*>& props)
{
    std::vector<std::string> names;
    for (const TPropInfo* p : props)
        names.push_back(p->Name);
    return names;
}

}  // namespace

TEST(ClassInformation, PropertiesComeInheritedFirstInDeclarationOrder)
{
    TTestWidget w(nullptr);
    EXPECT_STREQ(w.ClassName(), "TTestWidget");
    EXPECT_EQ(&w.ClassType(), &TTestWidget::ClassInfo());
    EXPECT_EQ(w.ClassType().GetParent(), &TComponent::ClassInfo());
    EXPECT_TRUE(w.InheritsFrom(TPersistent::ClassInfo()));
    EXPECT_FALSE(w.InheritsFrom(TCollection::ClassInfo()));
    EXPECT_EQ(Names(GetPropList(&w)),
              (std::vector<std::string>{"Name", "Tag", "Caption", "Hint", "Count", "Big", "Ratio", "Enabled", "Accel",
                                        "Color", "Options", "Font", "Lines", "Items", "Buddy", "OnClick"}));
    EXPECT_EQ(Names(GetPropList(&w, tkStrings)), (std::vector<std::string>{"Name", "Caption", "Hint"}));
    EXPECT_EQ(Names(GetPropList(&w, TTypeKinds{tkClass, tkMethod})),
              (std::vector<std::string>{"Font", "Lines", "Items", "Buddy", "OnClick"}));
}

TEST(ClassInformation, APropertyPublishedAgainReplacesTheInheritedOneInItsPlace)
{
    TTestWideHintWidget w(nullptr);
    const std::vector<const TPropInfo*> props = GetPropList(&w);
    EXPECT_EQ(Names(props), Names(TTestWidget::ClassInfo().GetProperties()));
    EXPECT_EQ(props[3], w.ClassType().FindProperty("hint"));
    EXPECT_EQ(props[3]->Kind(), tkWString);
    // Filtering by the hidden property's kind must not bring it back.
    EXPECT_EQ(Names(GetPropList(&w, TTypeKinds{tkLString})), (std::vector<std::string>{"Name"}));
    EXPECT_EQ(Names(GetPropList(&w, TTypeKinds{tkWString})), (std::vector<std::string>{"Caption", "Hint"}));
}

TEST(ClassInformation, PropertyRecordsDescribeKindDefaultAndStoredTest)
{
    TTestWidget w(nullptr);
    struct {
        const char* Name;
        TTypeKind Kind;
    } kinds[] = {{"caption", tkWString}, {"HINT", tkLString}, {"Count", tkInteger}, {"Big", tkInt64},
                 {"Ratio", tkFloat},     {"Enabled", tkEnumeration}, {"Accel", tkChar}, {"Color", tkEnumeration},
                 {"Options", tkSet},     {"Font", tkClass},  {"OnClick", tkMethod}};
    for (auto& k : kinds) {
        const TPropInfo* p = GetPropInfo(&w, k.Name);
        ASSERT_TRUE(p) << k.Name;
        EXPECT_EQ(p->Kind(), k.Kind) << k.Name;
    }
    EXPECT_EQ(GetPropInfo(&w, "Nothing"), nullptr);
    EXPECT_EQ(GetPropInfo(&w, "Count", tkStrings), nullptr);
    EXPECT_EQ(GetPropInfo(&w, "Color")->Default, std::optional<int64_t>(tcRed));
    EXPECT_EQ(GetPropInfo(&w, "Enabled")->Default, std::optional<int64_t>(1));
    EXPECT_FALSE(GetPropInfo(&w, "Hint")->Default);
    EXPECT_FALSE(IsStoredProp(&w, *GetPropInfo(&w, "Name")));
    EXPECT_FALSE(IsStoredProp(&w, *GetPropInfo(&w, "Ratio")));
    w.SetRatio(3);
    EXPECT_TRUE(IsStoredProp(&w, *GetPropInfo(&w, "Ratio")));
    EXPECT_EQ(&GetPropInfo(&w, "Font")->PropType->ClassType(), &TTestFont::ClassInfo());
    EXPECT_EQ(GetEnumName(*GetPropInfo(&w, "Color")->PropType, 2), "tcBlue");
    EXPECT_EQ(GetEnumValue(*GetPropInfo(&w, "Color")->PropType, "TCGREEN"), 1);
    EXPECT_EQ(GetEnumValue(*GetPropInfo(&w, "Color")->PropType, "tcPink"), -1);
}

TEST(ClassInformation, TypedAccessReadsAndWritesThroughTheAccessors)
{
    TTestWidget w(nullptr);
    SetOrdProp(&w, *GetPropInfo(&w, "Count"), 42);
    EXPECT_EQ(w.GetCount(), 42);
    SetEnumProp(&w, *GetPropInfo(&w, "Color"), "tcGreen");
    EXPECT_EQ(w.GetColor(), tcGreen);
    EXPECT_EQ(GetEnumProp(&w, *GetPropInfo(&w, "Color")), "tcGreen");
    SetSetProp(&w, *GetPropInfo(&w, "Options"), "[toItalic, toUnderline]");
    EXPECT_EQ(w.GetOptions(), (TTestOptions{toItalic, toUnderline}));
    EXPECT_EQ(GetSetProp(&w, *GetPropInfo(&w, "Options"), true), "[toItalic,toUnderline]");
    SetStrProp(&w, *GetPropInfo(&w, "Caption"), "wide from 8 bits");
    EXPECT_EQ(w.GetCaption(), L"wide from 8 bits");
    SetWideStrProp(&w, *GetPropInfo(&w, "Hint"), L"narrow");
    EXPECT_EQ(w.GetHint(), "narrow");
    SetFloatProp(&w, *GetPropInfo(&w, "Ratio"), 0.5);
    EXPECT_EQ(w.GetRatio(), 0.5);
    SetInt64Prop(&w, *GetPropInfo(&w, "Big"), -5000000000LL);
    EXPECT_EQ(GetInt64Prop(&w, *GetPropInfo(&w, "Big")), -5000000000LL);
    EXPECT_EQ(GetObjectProp(&w, *GetPropInfo(&w, "Font")), w.GetFont());

    TTestWidget other(nullptr);
    SetObjectProp(&w, *GetPropInfo(&w, "Buddy"), &other);
    EXPECT_EQ(w.GetBuddy(), &other);
    TTestFont font;
    EXPECT_THROW(SetObjectProp(&w, *GetPropInfo(&w, "Buddy"), &font), EPropertyConvertError);
    EXPECT_THROW(SetOrdProp(&w, *GetPropInfo(&w, "Color"), 3), EPropertyConvertError);
    EXPECT_THROW(GetStrProp(&w, *GetPropInfo(&w, "Count")), EPropertyConvertError);
    EXPECT_THROW(SetEnumProp(&w, *GetPropInfo(&w, "Color"), "tcPink"), EPropertyConvertError);
}

TEST(ClassInformation, MethodsAreFoundByNameAndBoundAsEvents)
{
    TTestForm form(nullptr);
    TTestWidget w(nullptr);
    const TMethodInfo* m = form.ClassType().FindMethod("widgetclick");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Name, "WidgetClick");
    EXPECT_EQ(form.ClassType().FindMethodByCode(m->Code), m);
    EXPECT_EQ(form.ClassType().FindMethod("Other"), nullptr);
    SetMethodProp(&w, *GetPropInfo(&w, "OnClick"), TMethod{&form, m->Code});
    w.GetOnClick()(&w);
    EXPECT_EQ(form.Clicks, std::vector<TObject*>{&w});
    EXPECT_EQ(GetMethodProp(&w, *GetPropInfo(&w, "OnClick")), (TMethod{&form, m->Code}));
    EXPECT_EQ(w.GetOnClick(), TNotifyEvent(&form, &TTestForm::WidgetClick));
}

TEST(ClassInformation, TheRegistryFindsClassesByName)
{
    RegisterClass(TTestWidget::ClassInfo());
    EXPECT_EQ(&FindClass("ttestwidget"), &TTestWidget::ClassInfo());
    EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
    EXPECT_THROW(FindClass("TNoSuchClass"), EClassNotFound);
    EXPECT_TRUE(TTestWidget::ClassInfo().CanCreateComponent());
    EXPECT_FALSE(TStrings::ClassInfo().CanCreateComponent());
    TComponent owner(nullptr);
    TComponent* made = FindClass("TTestWidget").CreateComponent(&owner);
    EXPECT_EQ(made->GetOwner(), &owner);
    EXPECT_STREQ(made->ClassName(), "TTestWidget");
    EXPECT_THROW(TStrings::ClassInfo().CreateComponent(&owner), EComponentError);
}

TEST(Events, DelegatesCompareByIdentityAndWrapFunctions)
{
    TTestForm a(nullptr), b(nullptr);
    TNotifyEvent none;
    EXPECT_FALSE(none);
    none(nullptr);  // an empty event does nothing
    TNotifyEvent ea(&a, &TTestForm::WidgetClick);
    EXPECT_TRUE(ea);
    EXPECT_TRUE(ea == TNotifyEvent(&a, &TTestForm::WidgetClick));
    EXPECT_FALSE(ea == TNotifyEvent(&b, &TTestForm::WidgetClick));
    EXPECT_TRUE(TNotifyEvent::FromMethod(ea.ToMethod()) == ea);
    int calls = 0;
    TNotifyEvent lambda = TNotifyEvent::FromFunction([&](TObject*) { ++calls; });
    TNotifyEvent copy = lambda;
    copy(nullptr);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(copy == lambda);
    EXPECT_FALSE(lambda == TNotifyEvent::FromFunction([&](TObject*) { ++calls; }));
    EXPECT_EQ(lambda.ToMethod(), TMethod{});
}
