#include <algorithm>

#include "classlib/Forms.h"
#include "components/KitTabs.h"

VARIRUVU_CLASS_INFO(TKitTabSheet, TCustomControl)
{
    using P = TKitTabSheet;
    info.Property("Color", &P::GetColor, &P::SetColor).OfType(ColorTypeInfo());
    info.Property("DisabledIndex", &P::GetDisabledIndex, &P::SetDisabledIndex).Default(-1);
    info.Property("ImageIndex", &P::GetImageIndex, &P::SetImageIndex).Default(-1);
    info.Property("PageIndex", &P::GetPageIndex, &P::SetPageIndex).Stored(false);
    info.Property("TabEnabled", &P::GetTabEnabled, &P::SetTabEnabled).Default(true);
    info.Property("TabVisible", &P::GetTabVisible, &P::SetTabVisible).Default(true);
    info.Property("Visible", &P::GetVisible, &P::SetVisible).Stored(false);
    info.Property("OnPaintBackground", &P::OnPaintBackground);
    info.Property("OnShow", &P::OnShow);
    info.Property("OnHide", &P::OnHide);
}

TKitTabSheet::TKitTabSheet(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle.Include(csAcceptsControls).Include(csOpaque).Include(csNoDesignVisible);
    TControl::SetVisible(false);
    SetAlign(alClient);
}

TKitTabSheet::~TKitTabSheet()
{
    if (FPageControl)
        FPageControl->RemovePage(this);
}

void TKitTabSheet::SetVisible(bool)
{
    throw EKitTabControlError("You cannot change the Visible property of a page");
}

void TKitTabSheet::SetPageControl(TKitPageControl* value)
{
    SetParent(value);
}

// Attaching follows the parent, so a page read from a stream joins its page control.
void TKitTabSheet::SetParent(TWinControl* value)
{
    auto* pages = dynamic_cast<TKitPageControl*>(value);
    if (FPageControl && pages != FPageControl)
        FPageControl->RemovePage(this);
    TCustomControl::SetParent(value);
    if (pages && pages != FPageControl)
        pages->InsertPage(this);
}

void TKitTabSheet::TabDataChanged()
{
    if (FPageControl)
        FPageControl->TabsChanged();
}

void TKitTabSheet::SetColor(TColor value)
{
    if (value == GetColor() && !GetParentColor())
        return;
    if (FPageControl && !FPageControl->GetUseColoredTabs() && value != FPageControl->GetColor())
        FPageControl->SetUseColoredTabs(true);
    TCustomControl::SetColor(value);
    TabDataChanged();
}

void TKitTabSheet::SetDisabledIndex(int value)
{
    if (value != FDisabledIndex) {
        FDisabledIndex = value;
        TabDataChanged();
    }
}

void TKitTabSheet::SetImageIndex(int value)
{
    if (value != FImageIndex) {
        FImageIndex = value;
        TabDataChanged();
    }
}

void TKitTabSheet::SetTabEnabled(bool value)
{
    if (value != FTabEnabled) {
        FTabEnabled = value;
        TabDataChanged();
    }
}

void TKitTabSheet::SetTabVisible(bool value)
{
    if (value != FTabVisible) {
        FTabVisible = value;
        TabDataChanged();
    }
}

int TKitTabSheet::GetPageIndex() const
{
    if (!FPageControl)
        return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TKitTabSheet::SetPageIndex(int value)
{
    if (!FPageControl)
        return;
    auto& pages = FPageControl->FPages;
    const int last = static_cast<int>(pages.size()) - 1;
    if (value < 0 || value > last)
        throw EKitTabControlError(
            Format("%d is an invalid PageIndex value. PageIndex must be between 0 and %d", value, last));
    const int old = GetPageIndex();
    pages.erase(pages.begin() + old);
    pages.insert(pages.begin() + value, this);
    FPageControl->TabsChanged();
    FPageControl->DoTabOrderChange(old, value);
}

int TKitTabSheet::GetTabIndex() const
{
    if (!FPageControl || !FTabVisible)
        return -1;
    int index = 0;
    for (const TKitTabSheet* page : FPageControl->FPages) {
        if (page == this)
            return index;
        index += page->FTabVisible;
    }
    return -1;
}

void TKitTabSheet::AssignTo(TPersistent* dest)
{
    auto* tab = dynamic_cast<TKitTabData*>(dest);
    if (!tab) {
        TCustomControl::AssignTo(dest);
        return;
    }
    tab->Caption = GetCaption();
    tab->Color = GetColor();
    tab->Enabled = FTabEnabled;
    tab->Visible = FTabVisible;
    tab->Hint = GetHint();
    tab->ImageIndex = FImageIndex;
    tab->DisabledIndex = FDisabledIndex;
}

void TKitTabSheet::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TKitTabSheet::Paint()
{
    const TRect rect(0, 0, GetWidth(), GetHeight());
    bool handled = false;
    if (OnPaintBackground)
        OnPaintBackground(this, GetCanvas(), rect, handled);
    if (handled)
        return;
    TGdiHandle<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(GetColor()))));
    ::FillRect(GetCanvas()->GetHandle(), &rect, brush.get());
}

void TKitTabSheet::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TKitTabSheet::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TKitTabSheet::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
        TCustomControl::WndProc(message);
        TabDataChanged();
        return;
    case CM_VISIBLECHANGED:
        // The class library tells of showing by the visibility change itself.
        TCustomControl::WndProc(message);
        try {
            if (TControl::GetVisible())
                DoShow();
            else
                DoHide();
        } catch (...) {
            Application->HandleException(this);
        }
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}
