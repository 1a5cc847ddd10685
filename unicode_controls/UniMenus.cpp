#include "unicode_controls/UniMenus.h"

#include <memory>

#include "unicode/UniSystem.h"
#include "unicode/UniWindows.h"
#include "unicode_controls/UniForms.h"
#include "unicode_controls/UniGraphics.h"

VARIRUVU_CLASS_INFO(TUniMenuItem, TMenuItem)
{
    info.Property("Caption", &TUniMenuItem::GetWideCaption, &TUniMenuItem::SetWideCaption)
        .Stored(&TUniMenuItem::IsCaptionStored);
    info.Property("Hint", &TUniMenuItem::GetWideHint, &TUniMenuItem::SetWideHint).Stored(&TUniMenuItem::IsHintStored);
}

// ---- texts ----

WideString TUniMenuItem::GetWideCaption() const
{
    // The class library may have moved the hot-key mark (its automatic hot keys).
    SyncHotKeyPosition(AnsiToWide(GetCaption()), FWideCaption);
    return SyncWideFromAnsi(FWideCaption, GetCaption());
}

void TUniMenuItem::SetWideCaption(const WideString& value)
{
    SyncWideToAnsi(value, FWideCaption, GetCaption(), [this](const AnsiString& v) { SetCaption(v); });
}

WideString TUniMenuItem::GetWideHint() const
{
    return SyncWideFromAnsi(FWideHint, GetHint());
}

void TUniMenuItem::SetWideHint(const WideString& value)
{
    SyncWideToAnsi(value, FWideHint, GetHint(), [this](const AnsiString& v) { SetHint(v); });
}

void TUniMenuItem::DefineProperties(TFiler* filer)
{
    TMenuItem::DefineProperties(filer);
    WidePropertyFilerHook(filer, this);
}

// ---- the system menu ----

namespace {
bool Skipped(const TComponent* item)
{
    return (item->GetComponentState() & (csReading | csDestroying)) != 0;
}

bool OnMenuBar(const TMenuItem* item)
{
    return item->IsTopLevel() && item->GetParentMenu() && item->GetParentMenu()->IsBar();
}

// Each subtree before its own item, sub-items from the last to the first.
void WriteSubtree(TMenuItem* item)
{
    if (Skipped(item))
        return;
    for (int i = item->GetCount(); i-- > 0;)
        WriteSubtree(item->GetItems(i));
    if (auto* wide = dynamic_cast<TUniMenuItem*>(item))
        wide->WriteSystemText();
}

WideString MenuString(HMENU menu, UINT command)
{
    int length = GetMenuStringW(menu, command, nullptr, 0, MF_BYCOMMAND);
    if (length <= 0)
        return WideString();
    WideString text(static_cast<size_t>(length) + 1, L'\0');
    length = GetMenuStringW(menu, command, text.data(), length + 1, MF_BYCOMMAND);
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}
}  // namespace

void TUniMenuItem::WriteSystemText()
{
    FKeyboardLayout = GetKeyboardLayout(0);
    TMenuItem* parent = GetParent();
    if (!IsUnicodePlatform() || !parent || !GetParentMenu() || Skipped(this) || !GetVisible())
        return;
    HMENU menu = parent->GetHandle();
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_TYPE;
    if (!GetMenuItemInfoW(menu, GetCommand(), FALSE, &info) ||
        (info.fType & (MFT_BITMAP | MFT_SEPARATOR | MFT_OWNERDRAW)))
        return;
    WideString text = GetWideCaption();
    if (GetCount() == 0 && GetShortCut() != scNone && !OnMenuBar(this)) {
        text += L'\t';
        text += ShortCutToWideText(GetShortCut());
    }
    if (MenuString(menu, GetCommand()) == text)
        return;
    info.fMask = MIIM_TYPE;
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!SetMenuItemInfoW(menu, GetCommand(), FALSE, &info))
        RaiseLastOSError();
    if (auto* bar = dynamic_cast<TMainMenu*>(GetParentMenu()); bar && IsTopLevel())
        bar->DrawMenuBar();
}

void WriteFirstTopLevelText(TMenu* menu)
{
    TMenuItem* items = menu->GetItems();
    for (int i = 0; i < items->GetCount(); ++i)
        if (items->GetItems(i)->GetVisible()) {
            if (auto* wide = dynamic_cast<TUniMenuItem*>(items->GetItems(i)))
                wide->WriteSystemText();
            return;
        }
}

void TUniMenuItem::Loaded()
{
    TMenuItem::Loaded();
    WriteSystemText();
}

void TUniMenuItem::MenuChanged()
{
    if (FSuppressMenuChanged)
        return;
    TMenuItem::MenuChanged();
    WriteSubtree(this);
    if (GetSystemMetrics(SM_MIDEASTENABLED) && GetParentMenu())
        WriteFirstTopLevelText(GetParentMenu());
}

void TUniMenuItem::InitiateAction()
{
    if (FKeyboardLayout != GetKeyboardLayout(0))
        MenuChanged();
    TMenuItem::InitiateAction();
}

// ---- drawing ----

void TUniMenuItem::AdvancedDrawItem(TCanvas* canvas, TRect rect, TOwnerDrawState state, bool topLevel)
{
    if (!IsUnicodePlatform() || IsLine() || OnAdvancedDrawItem || OnDrawItem) {
        TMenuItem::AdvancedDrawItem(canvas, rect, state, topLevel);
        return;
    }
    // The base paints background, check mark and image; the texts are ours.
    {
        AnsiString caption = GetCaption();
        TShortCut shortCut = GetShortCut();
        FSuppressMenuChanged = true;
        struct Restore {
            TUniMenuItem* item;
            AnsiString caption;
            TShortCut shortCut;
            ~Restore()
            {
                item->SetCaption(caption);
                item->SetShortCut(shortCut);
                item->FSuppressMenuChanged = false;
            }
        } restore{this, caption, shortCut};
        SetCaption("");
        SetShortCut(scNone);
        TMenuItem::AdvancedDrawItem(canvas, rect, state, topLevel);
    }
    auto wideDraw = [](const WideString& text) {
        return [text](HDC dc, RECT& r, UINT flags) { WideDrawText(dc, text.c_str(), -1, &r, flags); };
    };
    TTextPlace place = TextPlace(rect, state, topLevel);
    DrawMenuText(canvas, place.CaptionRect, place.CaptionFlags, place, wideDraw(GetWideCaption()));
    if (GetShortCut() != scNone && !topLevel)
        DrawMenuText(canvas, place.ShortCutRect, DT_RIGHT, place, wideDraw(ShortCutToWideText(GetShortCut())));
}

void TUniMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height)
{
    TMenuMeasureItemEvent handler = OnMeasureItem;
    OnMeasureItem = TMenuMeasureItemEvent();
    try {
        TMenuItem::MeasureItem(canvas, width, height);
    } catch (...) {
        OnMeasureItem = handler;
        throw;
    }
    OnMeasureItem = handler;
    if (IsUnicodePlatform() && !IsLine()) {
        width += WideCanvasTextWidth(canvas, GetWideCaption()) - canvas->TextWidth(GetCaption());
        if (GetShortCut() != scNone && !OnMenuBar(this))
            width += WideCanvasTextWidth(canvas, ShortCutToWideText(GetShortCut())) -
                     canvas->TextWidth(ShortCutToText(GetShortCut()));
    }
    if (OnMeasureItem)
        OnMeasureItem(this, canvas, width, height);
}

// ---- actions ----

TActionLinkClass TUniMenuItem::GetActionLinkClass() const
{
    return TActionLinkClass::Of<TUniMenuActionLink>();
}

void TUniMenuItem::ActionChange(TObject* sender, bool checkDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (action && dynamic_cast<IWideAction*>(action)) {
        if (!checkDefaults || GetWideCaption().empty())
            SetWideCaption(GetActionWideCaption(action));
        if (!checkDefaults || GetWideHint().empty())
            SetWideHint(GetActionWideHint(action));
    }
    TMenuItem::ActionChange(sender, checkDefaults);
}

namespace {
WideString MenuItemCaption(TObject* client)
{
    auto* item = static_cast<TMenuItem*>(client);
    auto* wide = dynamic_cast<TUniMenuItem*>(item);
    return wide ? wide->GetWideCaption() : AnsiToWide(item->GetCaption());
}

WideString MenuItemHint(TObject* client)
{
    auto* item = static_cast<TMenuItem*>(client);
    auto* wide = dynamic_cast<TUniMenuItem*>(item);
    return wide ? wide->GetWideHint() : AnsiToWide(item->GetHint());
}

const TWideLinkClient MenuItemClient = {
    MenuItemCaption,
    [](TObject* client, const WideString& value) {
        if (auto* wide = dynamic_cast<TUniMenuItem*>(static_cast<TMenuItem*>(client)))
            wide->SetWideCaption(value);
        else
            static_cast<TMenuItem*>(client)->SetCaption(WideToAnsi(value));
    },
    MenuItemHint,
    [](TObject* client, const WideString& value) {
        if (auto* wide = dynamic_cast<TUniMenuItem*>(static_cast<TMenuItem*>(client)))
            wide->SetWideHint(value);
        else
            static_cast<TMenuItem*>(client)->SetHint(WideToAnsi(value));
    },
    true,
};
}  // namespace

VARIRUVU_CLASS_INFO(TUniMenuActionLink, TMenuActionLink) {}

const TWideLinkClient& TUniMenuActionLink::Rules() const
{
    return MenuItemClient;
}

// ---- the popup list ----

void TUniPopupList::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_MENUSELECT: {
        UINT flags = HIWORD(message.WParam);
        auto menu = reinterpret_cast<HMENU>(message.LParam);
        TMenuItem* item = nullptr;
        if (flags != 0xFFFF || menu)
            item = (flags & MF_POPUP) ? FindSubMenuItem(GetSubMenu(menu, LOWORD(message.WParam)))
                                      : FindItem(LOWORD(message.WParam));
        if (auto* wide = dynamic_cast<TUniMenuItem*>(item)) {
            UniApplication()->SetHint(WideLongHint(wide->GetWideHint()));
            return;
        }
        UniApplication()->SetHint(WideString());
        break;
    }
    case WM_ENTERMENULOOP:
        PopupList = FSaved;
        for (int i = 0; i < GetCount(); ++i)
            WriteFirstTopLevelText(GetMenus(i));
        break;
    default:
        break;
    }
    TPopupList::WndProc(message);
}

TUniPopupList* UniPopupList()
{
    static TUniPopupList list(PopupList);
    return &list;
}
