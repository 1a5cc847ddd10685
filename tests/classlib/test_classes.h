// Classes that exercise the class information and form streaming.
#pragma once

#include <string>
#include <vector>

#include "classlib/Classes.h"

enum TTestColor { tcRed, tcGreen, tcBlue };
VARIRUVU_ENUM_INFO(TTestColor, tcRed, tcGreen, tcBlue);

enum TTestOption { toBold, toItalic, toUnderline };
VARIRUVU_ENUM_INFO(TTestOption, toBold, toItalic, toUnderline);
using TTestOptions = TSet<TTestOption>;

// What happened, in order, across all test objects.
std::vector<std::string>& TestLog();

class TTestFont : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    void Assign(TPersistent* source) override;

    const AnsiString& GetName() const { return FName; }
    void SetName(const AnsiString& value) { FName = value; }
    bool IsNameStored() const { return FName != "Tahoma"; }
    int32_t GetSize() const { return FSize; }
    void SetSize(int32_t value) { FSize = value; }

private:
    AnsiString FName = "Tahoma";
    int32_t FSize = 8;
};

class TTestItem : public TCollectionItem {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCollectionItem::TCollectionItem;

    const WideString& GetCaption() const { return FCaption; }
    void SetCaption(const WideString& value) { FCaption = value; }
    int32_t GetWidth() const { return FWidth; }
    void SetWidth(int32_t value) { FWidth = value; }

private:
    WideString FCaption;
    int32_t FWidth = 50;
};

// A component with a property of every kind, a parent of its own (so that
// widgets nest in the stream), a binary property and an old property name
// that only DefineProperties knows.
class TTestWidget : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    explicit TTestWidget(TComponent* AOwner);
    ~TTestWidget() override;
    static int LiveCount;

    const WideString& GetCaption() const { return FCaption; }
    void SetCaption(const WideString& value) { FCaption = value; }
    const AnsiString& GetHint() const { return FHint; }
    void SetHint(const AnsiString& value) { FHint = value; }
    int32_t GetCount() const { return FCount; }
    void SetCount(int32_t value) { FCount = value; }
    int64_t GetBig() const { return FBig; }
    void SetBig(int64_t value) { FBig = value; }
    double GetRatio() const { return FRatio; }
    void SetRatio(double value) { FRatio = value; }
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    char GetAccel() const { return FAccel; }
    void SetAccel(char value) { FAccel = value; }
    TTestColor GetColor() const { return FColor; }
    void SetColor(TTestColor value) { FColor = value; }
    TTestOptions GetOptions() const { return FOptions; }
    void SetOptions(TTestOptions value) { FOptions = value; }
    TTestFont* GetFont() const { return FFont.get(); }
    void SetFont(TTestFont* value) { FFont->Assign(value); }
    TStrings* GetLines() const { return FLines.get(); }
    void SetLines(TStrings* value) { FLines->Assign(value); }
    TCollection* GetItems() const { return FItems.get(); }
    void SetItems(TCollection* value) { FItems->Assign(value); }
    TTestWidget* GetBuddy() const { return FBuddy; }
    void SetBuddy(TTestWidget* value);
    const TNotifyEvent& GetOnClick() const { return FOnClick; }
    void SetOnClick(const TNotifyEvent& value) { FOnClick = value; }
    bool IsRatioStored() const { return FRatio != 1.0; }

    const AnsiString& GetBlob() const { return FBlob; }
    const AnsiString& GetLegacy() const { return FLegacy; }
    TTestWidget* GetParentWidget() const { return FParentWidget; }

    void DefineProperties(TFiler* filer) override;
    void Loaded() override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    TComponent* GetChildParent() override { return this; }
    void SetParentComponent(TComponent* parent) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    WideString FCaption;
    AnsiString FHint;
    int32_t FCount = 0;
    int64_t FBig = 0;
    double FRatio = 1.0;
    bool FEnabled = true;
    char FAccel = 'A';
    TTestColor FColor = tcRed;
    TTestOptions FOptions;
    std::unique_ptr<TTestFont> FFont;
    std::unique_ptr<TStringList> FLines;
    std::unique_ptr<TOwnedCollection> FItems;
    TTestWidget* FBuddy = nullptr;
    TNotifyEvent FOnClick;
    AnsiString FBlob;
    AnsiString FLegacy;
    TTestWidget* FParentWidget = nullptr;
};

// A widget whose Hint is published again as a wide string.
class TTestWideHintWidget : public TTestWidget {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TTestWidget::TTestWidget;

    const WideString& GetHint() const { return FWideHint; }
    void SetHint(const WideString& value) { FWideHint = value; }

private:
    WideString FWideHint;
};

// The root of the test form: its handler is bound by name.
class TTestForm : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TComponent::TComponent;

    void WidgetClick(TObject* Sender);
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void Loaded() override;

    std::vector<TObject*> Clicks;
};
