#include "test_classes.h"

std::vector<std::string>& TestLog()
{
    static std::vector<std::string> log;
    return log;
}

VARIRUVU_CLASS_INFO(TTestFont, TPersistent)
{
    info.Property("Name", &TTestFont::GetName, &TTestFont::SetName).Stored(&TTestFont::IsNameStored);
    info.Property("Size", &TTestFont::GetSize, &TTestFont::SetSize).Default(8);
}

void TTestFont::Assign(TPersistent* source)
{
    if (auto* font = dynamic_cast<TTestFont*>(source)) {
        FName = font->FName;
        FSize = font->FSize;
        return;
    }
    TPersistent::Assign(source);
}

VARIRUVU_CLASS_INFO(TTestItem, TCollectionItem)
{
    info.Property("Caption", &TTestItem::GetCaption, &TTestItem::SetCaption);
    info.Property("Width", &TTestItem::GetWidth, &TTestItem::SetWidth).Default(50);
}

VARIRUVU_CLASS_INFO(TTestWidget, TComponent)
{
    info.Property("Caption", &TTestWidget::GetCaption, &TTestWidget::SetCaption);
    info.Property("Hint", &TTestWidget::GetHint, &TTestWidget::SetHint);
    info.Property("Count", &TTestWidget::GetCount, &TTestWidget::SetCount).Default(0);
    info.Property("Big", &TTestWidget::GetBig, &TTestWidget::SetBig).Default(int64_t(0));
    info.Property("Ratio", &TTestWidget::GetRatio, &TTestWidget::SetRatio).Stored(&TTestWidget::IsRatioStored);
    info.Property("Enabled", &TTestWidget::GetEnabled, &TTestWidget::SetEnabled).Default(true);
    info.Property("Accel", &TTestWidget::GetAccel, &TTestWidget::SetAccel).Default('A');
    info.Property("Color", &TTestWidget::GetColor, &TTestWidget::SetColor).Default(tcRed);
    info.Property("Options", &TTestWidget::GetOptions, &TTestWidget::SetOptions).Default(TTestOptions{});
    info.Property("Font", &TTestWidget::GetFont, &TTestWidget::SetFont);
    info.Property("Lines", &TTestWidget::GetLines, &TTestWidget::SetLines);
    info.Property("Items", &TTestWidget::GetItems, &TTestWidget::SetItems);
    info.Property("Buddy", &TTestWidget::GetBuddy, &TTestWidget::SetBuddy);
    info.Property("OnClick", &TTestWidget::GetOnClick, &TTestWidget::SetOnClick);
}

VARIRUVU_CLASS_INFO(TTestWideHintWidget, TTestWidget)
{
    info.Property("Hint", &TTestWideHintWidget::GetHint, &TTestWideHintWidget::SetHint);
}

int TTestWidget::LiveCount = 0;

TTestWidget::TTestWidget(TComponent* AOwner)
    : TComponent(AOwner),
      FFont(std::make_unique<TTestFont>()),
      FLines(std::make_unique<TStringList>()),
      FItems(std::make_unique<TOwnedCollection>(this, TTestItem::ClassInfo()))
{
    ++LiveCount;
}

TTestWidget::~TTestWidget()
{
    --LiveCount;
}

void TTestWidget::SetBuddy(TTestWidget* value)
{
    FBuddy = value;
    if (value)
        value->FreeNotification(this);
}

void TTestWidget::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FBuddy)
        FBuddy = nullptr;
    if (operation == opRemove && component == FParentWidget)
        FParentWidget = nullptr;
}

void TTestWidget::DefineProperties(TFiler* filer)
{
    TComponent::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "Blob",
        [this](TStream* s) {
            FBlob.resize(static_cast<size_t>(s->GetSize()));
            s->ReadBuffer(FBlob.data(), static_cast<int32_t>(FBlob.size()));
        },
        [this](TStream* s) { s->WriteBuffer(FBlob.data(), static_cast<int32_t>(FBlob.size())); }, !FBlob.empty());
    // An old name: read, never written.
    filer->DefineProperty(
        "Legacy", [this](TReader* r) { FLegacy = r->ReadString(); }, nullptr, false);
}

void TTestWidget::Loaded()
{
    TComponent::Loaded();
    TestLog().push_back("Loaded " + GetName() + (FBuddy ? " buddy=" + FBuddy->GetName() : AnsiString()));
}

void TTestWidget::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    for (int i = 0; i < root->GetComponentCount(); ++i)
        if (auto* w = dynamic_cast<TTestWidget*>(root->GetComponents(i)); w && w->FParentWidget == this)
            proc(w);
}

void TTestWidget::SetParentComponent(TComponent* parent)
{
    FParentWidget = dynamic_cast<TTestWidget*>(parent);
}

VARIRUVU_CLASS_INFO(TTestForm, TComponent)
{
    info.Method("WidgetClick", &TTestForm::WidgetClick);
}

void TTestForm::WidgetClick(TObject* Sender)
{
    Clicks.push_back(Sender);
}

void TTestForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    for (int i = 0; i < GetComponentCount(); ++i)
        if (auto* w = dynamic_cast<TTestWidget*>(GetComponents(i)); !w || !w->GetParentWidget())
            proc(GetComponents(i));
    (void)root;
}

void TTestForm::Loaded()
{
    TComponent::Loaded();
    TestLog().push_back("Loaded " + GetName());
}

// Streams name these classes; registering makes them findable before any is made.
static const bool TestClassesRegistered =
    (RegisterClasses({&TTestWidget::ClassInfo(), &TTestForm::ClassInfo()}), true);
