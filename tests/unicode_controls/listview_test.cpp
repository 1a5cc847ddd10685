#include <gtest/gtest.h>

#include <algorithm>

#include "unicode/UniSystem.h"
#include "unicode_controls/UniComCtrls.h"
#include "unicontrols_fixture.h"

namespace {

const WideString Czech = L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148";
const WideString Ukrainian = L"\u041F\u0440\u0438\u0432\u0456\u0442, \u0441\u0432\u0456\u0442\u0435";
const WideString Chinese = L"\u4E2D\u6587\u5B57";

WideString ItemTextW(TWinControl* view, int row, int sub, int size = 512)
{
    std::vector<wchar_t> buffer(static_cast<size_t>(size), L'#');
    LVITEMW item{};
    item.iSubItem = sub;
    item.pszText = buffer.data();
    item.cchTextMax = size;
    auto length = SendMessageW(view->GetHandle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return WideString(buffer.data(), static_cast<size_t>(length));
}

WideString ColumnTextW(TWinControl* view, int index)
{
    wchar_t buffer[256] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = buffer;
    column.cchTextMax = 256;
    SendMessageW(view->GetHandle(), LVM_GETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
    return buffer;
}

// Sends a list view notification as the window would, through its parent.
LRESULT Notify(TWinControl* view, NMHDR& header, UINT code)
{
    header.hwndFrom = view->GetHandle();
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(view->GetHandle()));
    header.code = code;
    return SendMessageW(GetParent(view->GetHandle()), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

struct TRow {
    WideString Caption;
    std::vector<WideString> SubItems;
};

const TRow Rows[] = {
    {Czech, {L"file.txt", L"1 kB", L"C:\\" + Czech}},
    {Ukrainian, {Ukrainian + L".doc", L"2 kB", L"D:\\" + Ukrainian}},
    {Chinese, {Chinese + L".png", L"3 kB", L"E:\\" + Chinese}},
};
const WideString ColumnCaptions[] = {L"N\u00E1zev", L"\u0424\u0430\u0439\u043B", L"\u5927\u5C0F", L"Path"};

// The main window's list: report style, check boxes, four columns.
class UniListViewTest : public UniFormTest {
protected:
    TUniListView* MakeView(bool withRows = true)
    {
        auto* view = Add<TUniListView>(10, 10, 380, 200);
        view->SetViewStyle(vsReport);
        view->SetCheckboxes(true);
        for (const WideString& caption : ColumnCaptions)
            view->GetColumns()->Add()->SetCaption(caption);
        if (withRows)
            for (const TRow& row : Rows) {
                TUniListItem* item = view->GetItems()->Add();
                item->SetCaption(row.Caption);
                for (const WideString& sub : row.SubItems)
                    item->GetSubItems()->Add(sub);
            }
        return view;
    }

    static void ExpectWindowShowsRows(TUniListView* view)
    {
        ASSERT_TRUE(IsWindowUnicode(view->GetHandle()));
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(ColumnTextW(view, c), ColumnCaptions[c]) << "column " << c;
        ASSERT_EQ(SendMessageW(view->GetHandle(), LVM_GETITEMCOUNT, 0, 0), 3);
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(ItemTextW(view, r, 0), Rows[r].Caption);
            EXPECT_EQ(view->GetItems()->GetItem(r)->GetCaption(), Rows[r].Caption);
            for (int s = 0; s < 3; ++s) {
                EXPECT_EQ(ItemTextW(view, r, s + 1), Rows[r].SubItems[static_cast<size_t>(s)]) << r << "/" << s;
                EXPECT_EQ(view->GetItems()->GetItem(r)->GetSubItems()->Get(s), Rows[r].SubItems[static_cast<size_t>(s)]);
            }
        }
    }
};

TEST_F(UniListViewTest, WideTextsReadBackExactlyAndSurviveNewWindows)
{
    TUniListView* view = MakeView();
    ExpectWindowShowsRows(view);

    struct TRecreation {
        const char* Name;
        std::function<void(TUniListView*)> Run;
    };
    const TRecreation recreations[] = {
        {"view style", [](TUniListView* v) { v->SetViewStyle(vsList); v->SetViewStyle(vsReport); }},
        {"RecreateWnd", [](TUniListView* v) { v->RecreateWnd(); v->HandleNeeded(); }},
        {"multi-select", [](TUniListView* v) { v->SetMultiSelect(true); v->HandleNeeded(); }},
    };
    for (const TRecreation& recreation : recreations) {
        SCOPED_TRACE(recreation.Name);
        HWND before = view->GetHandle();
        recreation.Run(view);
        EXPECT_NE(view->GetHandle(), before);
        ExpectWindowShowsRows(view);
    }
}

TEST_F(UniListViewTest, AnsiAndWideSubItemsFollowEachOther)
{
    TUniListView* view = MakeView();
    TUniListItem* item = view->GetItems()->GetItem(0);
    TStrings* ansi = static_cast<TListItem*>(item)->GetSubItems();
    TWideSubItems* wide = item->GetSubItems();

    // an 8-bit change: the wide sub-items follow it, and the window shows it
    ansi->Put(1, "2.00 kB");
    EXPECT_EQ(wide->Get(1), L"2.00 kB");
    EXPECT_EQ(ItemTextW(view, 0, 2), L"2.00 kB");
    ansi->Add("extra");
    EXPECT_EQ(wide->GetCount(), 4);
    EXPECT_EQ(wide->Get(3), L"extra");
    // the other wide values stay as they were
    EXPECT_EQ(wide->Get(2), L"C:\\" + Czech);
    EXPECT_EQ(item->GetCaption(), Czech);

    // a wide change: the 8-bit sub-item gets the narrowed text, the wide one is kept
    wide->Put(0, Ukrainian);
    EXPECT_EQ(ansi->Get(0), WideToAnsi(Ukrainian));
    EXPECT_EQ(wide->Get(0), Ukrainian);
    EXPECT_EQ(ItemTextW(view, 0, 1), Ukrainian);
    wide->Insert(0, Chinese);
    wide->Delete(4);
    EXPECT_EQ(ansi->GetCount(), 4);
    EXPECT_EQ(ansi->Get(0), WideToAnsi(Chinese));
    EXPECT_EQ(wide->Get(0), Chinese);
    EXPECT_EQ(wide->Get(1), Ukrainian);
    // objects live with the 8-bit sub-items
    TObject marker;
    wide->PutObject(1, &marker);
    EXPECT_EQ(ansi->GetObject(1), &marker);
    EXPECT_EQ(wide->GetObject(1), &marker);

    // an 8-bit caption leaves the wide sub-items alone
    static_cast<TListItem*>(item)->SetCaption("plain");
    EXPECT_EQ(item->GetCaption(), L"plain");
    EXPECT_EQ(ItemTextW(view, 0, 0), L"plain");
    EXPECT_EQ(wide->Get(0), Chinese);

    wide->Clear();
    EXPECT_EQ(ansi->GetCount(), 0);
    EXPECT_EQ(ItemTextW(view, 0, 1), L"");
}

TEST_F(UniListViewTest, ColumnCaptionsAreWideTwinsOfTheLibrarysOnes)
{
    TUniListView* view = MakeView(false);
    TUniListColumn* column = view->GetColumns()->GetItems(1);
    EXPECT_EQ(static_cast<TListColumn*>(column)->GetCaption(), WideToAnsi(ColumnCaptions[1]));
    // an 8-bit caption set by code wins and shows
    static_cast<TListColumn*>(column)->SetCaption("Size");
    EXPECT_EQ(column->GetCaption(), L"Size");
    EXPECT_EQ(ColumnTextW(view, 1), L"Size");
    column->SetCaption(Chinese);
    EXPECT_EQ(ColumnTextW(view, 1), Chinese);
    // columns copied from another wide view keep their wide captions, from a plain one the widened text
    auto* other = Add<TUniListView>(10, 220, 100, 40);
    other->SetColumns(view->GetColumns());
    EXPECT_EQ(other->GetColumns()->GetItems(1)->GetCaption(), Chinese);
    auto* plain = Add<TListView>(120, 220, 100, 40);
    plain->GetColumns()->Add()->SetCaption("Gr\xF6\xDF" "e");
    other->SetColumns(plain->GetColumns());
    EXPECT_EQ(other->GetColumns()->GetItems(0)->GetCaption(), L"Gr\u00F6\u00DFe");
}

TEST_F(UniListViewTest, CheckBoxesImagesAndOnChangeAreTheLibrarys)
{
    TUniListView* view = MakeView();
    HWND wnd = view->GetHandle();
    // with check boxes the window keeps sub-item images and info tips
    LRESULT style = SendMessageW(wnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ(style & (LVS_EX_CHECKBOXES | LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP),
              LVS_EX_CHECKBOXES | LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP);

    std::vector<std::pair<int, TItemChange>> changes;
    view->OnChange = TLVChangeEvent::FromFunction(
        [&](TObject*, TListItem* item, TItemChange change) { changes.emplace_back(item->GetIndex(), change); });
    view->GetItems()->GetItem(1)->SetChecked(true);
    EXPECT_TRUE(view->GetItems()->GetItem(1)->GetChecked());
    EXPECT_EQ((SendMessageW(wnd, LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12, 2);
    EXPECT_NE(std::find(changes.begin(), changes.end(), std::make_pair(1, ctState)), changes.end());

    view->GetItems()->GetItem(2)->SetImageIndex(3);
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = 2;
    SendMessageW(wnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 3);
    // both survive a new window
    view->RecreateWnd();
    EXPECT_TRUE(view->GetItems()->GetItem(1)->GetChecked());
    item.iImage = -1;
    SendMessageW(view->GetHandle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 3);
}

TEST_F(UniListViewTest, AlphaSortComparesWideCaptionsOrAsksOnCompare)
{
    // Both Ukrainian captions narrow to the same '?'s: only the wide texts can order them.
    const WideString captions[] = {L"\u042F\u0431\u043B\u0443\u043A\u043E", Chinese, L"\u0410\u0431\u0435\u0442\u043A\u0430",
                                   L"Zebra", Czech};
    auto* view = Add<TUniListView>(10, 10, 380, 200);
    view->SetViewStyle(vsReport);
    view->GetColumns()->Add()->SetCaption(L"Name");
    for (const WideString& caption : captions)
        view->GetItems()->Add()->SetCaption(caption);

    auto windowOrder = [&] {
        std::vector<WideString> order;
        for (int i = 0; i < view->GetItems()->GetCount(); ++i) {
            order.push_back(ItemTextW(view, i, 0));
            EXPECT_EQ(view->GetItems()->GetItem(i)->GetCaption(), order.back()) << "item list follows the window";
        }
        return order;
    };

    std::vector<WideString> expected(std::begin(captions), std::end(captions));
    std::sort(expected.begin(), expected.end(),
              [](const WideString& a, const WideString& b) { return lstrcmpW(a.c_str(), b.c_str()) < 0; });
    view->AlphaSort();
    EXPECT_EQ(windowOrder(), expected);

    // OnCompare decides when set: longest first
    view->OnCompare = TLVCompareEvent::FromFunction([](TObject*, TListItem* a, TListItem* b, int, int& compare) {
        compare = static_cast<int>(static_cast<TUniListItem*>(b)->GetCaption().size()) -
                  static_cast<int>(static_cast<TUniListItem*>(a)->GetCaption().size());
    });
    view->AlphaSort();
    std::vector<WideString> order = windowOrder();
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end(),
                               [](const WideString& a, const WideString& b) { return a.size() > b.size(); }));
}

// The window's requests for texts, answered into its own UTF-16 buffer.
TEST_F(UniListViewTest, DisplayRequestsFillTheBufferWithinItsSize)
{
    TUniListView* view = MakeView();
    TUniListItem* first = view->GetItems()->GetItem(0);
    first->GetSubItems()->Delete(2);  // one column with no sub-item left

    struct TCase {
        const char* Name;
        UINT Mask;
        int Row;
        LPARAM Param;
        int Sub;
        int Size;
        WideString Expected;  // what the buffer holds afterwards
    };
    const WideString untouched = L"########";
    const TCase cases[] = {
        {"caption", LVIF_TEXT, 0, 0, 0, 64, Czech},
        {"caption cut", LVIF_TEXT, 0, 0, 0, 5, Czech.substr(0, 4)},
        {"sub-item by lParam", LVIF_TEXT | LVIF_PARAM, -1, reinterpret_cast<LPARAM>(view->GetItems()->GetItem(2)), 1, 64,
         Rows[2].SubItems[0]},
        {"sub-item cut", LVIF_TEXT, 1, 0, 3, 3, Rows[1].SubItems[2].substr(0, 2)},
        {"beyond the sub-items", LVIF_TEXT, 0, 0, 3, 64, L""},
        {"size one", LVIF_TEXT, 2, 0, 0, 1, L""},
        {"no item", LVIF_TEXT, -1, 0, 0, 64, untouched},
        {"lParam not an item", LVIF_TEXT | LVIF_PARAM, 0, reinterpret_cast<LPARAM>(&untouched), 0, 64, untouched},
        {"no text asked", LVIF_IMAGE, 0, 0, 0, 64, untouched},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        wchar_t buffer[72];
        std::fill(std::begin(buffer), std::end(buffer), L'#');
        buffer[8] = L'\0';
        NMLVDISPINFOW info{};
        info.item.mask = c.Mask;
        info.item.iItem = c.Row;
        info.item.lParam = c.Param;
        info.item.iSubItem = c.Sub;
        info.item.pszText = buffer;
        info.item.cchTextMax = c.Size;
        Notify(view, info.hdr, LVN_GETDISPINFOW);
        EXPECT_EQ(WideString(buffer), c.Expected);
        EXPECT_EQ(info.hdr.code, static_cast<UINT>(LVN_GETDISPINFOW));
        EXPECT_EQ(info.item.mask, c.Mask);
        if (c.Size < 8) {
            EXPECT_EQ(buffer[c.Size], L'#') << "nothing written past the buffer";
        }
    }
    // the window's own request for a short buffer
    EXPECT_EQ(ItemTextW(view, 1, 0, 4), Ukrainian.substr(0, 3));
}

TEST_F(UniListViewTest, InfoTipFromOnInfoTipIsWidenedIntoTheBuffer)
{
    TUniListView* view = MakeView();
    const WideString own = L"system tip";
    auto request = [&](int size) {
        wchar_t buffer[64] = {};
        own.copy(buffer, own.size());
        NMLVGETINFOTIPW tip{};
        tip.pszText = buffer;
        tip.cchTextMax = size;
        tip.iItem = 1;
        Notify(view, tip.hdr, LVN_GETINFOTIPW);
        return WideString(buffer);
    };
    EXPECT_EQ(request(64), own);  // no OnInfoTip: the window's own tip stays
    AnsiString given;
    view->OnInfoTip = TLVInfoTipEvent::FromFunction([&](TObject*, TListItem* item, AnsiString& tip) {
        EXPECT_EQ(item->GetIndex(), 1);
        tip = given;
    });
    EXPECT_EQ(request(64), own);  // an empty tip leaves it too
    given = "Gr\xF6\xDF" "e: 2 kB";
    EXPECT_EQ(request(64), L"Gr\u00F6\u00DFe: 2 kB");
    EXPECT_EQ(request(5), L"Gr\u00F6\u00DF");
}

class TMarkedItem : public TUniListItem {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniListItem::TUniListItem;
};
VARIRUVU_CLASS_INFO(TMarkedItem, TUniListItem) {}

TEST_F(UniListViewTest, OnCreateItemClassMustGiveAWideItemClass)
{
    TUniListView* view = MakeView(false);
    TListItemClass chosen = TListItemClass::Of<TMarkedItem>();
    view->OnCreateItemClass = TLVCreateItemClassEvent::FromFunction([&](TObject*, TListItemClass& c) { c = chosen; });
    EXPECT_NE(dynamic_cast<TMarkedItem*>(view->GetItems()->Add()), nullptr);

    chosen = TListItemClass::Of<TListItem>();
    try {
        view->GetItems()->Add();
        FAIL() << "a plain item class was taken";
    } catch (const EUniInternalError& e) {
        EXPECT_EQ(e.GetMessage(), L"Internal Error: OnCreateItemClass.ItemClass must inherit from TUniListItem.");
    }
    EXPECT_EQ(view->GetItems()->GetCount(), 1);
    EXPECT_EQ(SendMessageW(view->GetHandle(), LVM_GETITEMCOUNT, 0, 0), 1);
}

// A wide list control that only records what it is given.
class TWideListStub : public TCustomListControl, public IWideListControl {
public:
    using TCustomListControl::TCustomListControl;
    int GetItemIndex() const override { return -1; }
    void SetItemIndex(int) override {}
    void AddItem(const AnsiString& item, TObject*) override { Ansi.push_back(item); }
    void AddItem(const WideString& item, TObject* object) override { Wide.emplace_back(item, object); }
    void CopySelectedItems(TCustomListControl*) override {}
    void ClearItems() override {}

    std::vector<AnsiString> Ansi;
    std::vector<std::pair<WideString, TObject*>> Wide;
};

TEST_F(UniListViewTest, SelectedItemsGoToAnotherListWide)
{
    TUniListView* view = MakeView();
    view->SetMultiSelect(true);
    TObject data0, data2;
    view->GetItems()->GetItem(0)->SetData(&data0);
    view->GetItems()->GetItem(2)->SetData(&data2);
    view->GetItems()->GetItem(0)->SetSelected(true);
    view->GetItems()->GetItem(2)->SetSelected(true);

    TWideListStub stub(nullptr);
    view->CopySelectedItems(&stub);
    EXPECT_TRUE(stub.Ansi.empty());
    EXPECT_EQ(stub.Wide, (std::vector<std::pair<WideString, TObject*>>{{Czech, &data0}, {Chinese, &data2}}));

    auto* wideView = Add<TUniListView>(10, 220, 200, 60);
    view->CopySelectedItems(wideView);
    ASSERT_EQ(wideView->GetItems()->GetCount(), 2);
    EXPECT_EQ(ItemTextW(wideView, 1, 0), Chinese);
    EXPECT_EQ(wideView->GetItems()->GetItem(1)->GetData(), &data2);

    // a plain list gets the narrowed captions
    auto* plain = Add<TListView>(220, 220, 150, 60);
    view->CopySelectedItems(plain);
    ASSERT_EQ(plain->GetItems()->GetCount(), 2);
    EXPECT_EQ(plain->GetItems()->GetItem(0)->GetCaption(), WideToAnsi(Czech));
}

TEST_F(UniListViewTest, LabelEditingIsWideAndGoesThroughTheWideOnEdited)
{
    TUniListView* view = MakeView();
    WideString seen;
    TUniListItem* seenItem = nullptr;
    view->OnEdited = TUniLVEditedEvent::FromFunction([&](TObject*, TUniListItem* item, WideString& s) {
        seen = s;
        seenItem = item;
        s += L" \u2713";
    });
    std::vector<WORD> keys;
    view->OnKeyDown = TKeyEvent::FromFunction([&](TObject*, WORD& key, TShiftState) { keys.push_back(key); });
    view->SetFocus();
    HWND edit = reinterpret_cast<HWND>(SendMessageW(view->GetHandle(), LVM_EDITLABELW, 1, 0));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(WindowTextW(edit), Ukrainian);
    SetWindowTextW(edit, Chinese.c_str());
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_NE(std::find(keys.begin(), keys.end(), VK_RETURN), keys.end()) << "the edit's keys reach the view";
    EXPECT_EQ(seen, Chinese);
    EXPECT_EQ(seenItem, view->GetItems()->GetItem(1));
    EXPECT_EQ(view->GetItems()->GetItem(1)->GetCaption(), Chinese + L" \u2713");
    EXPECT_EQ(ItemTextW(view, 1, 0), Chinese + L" \u2713");

    // OnEditing may refuse
    view->OnEditing = TLVEditingEvent::FromFunction([](TObject*, TListItem*, bool& allow) { allow = false; });
    EXPECT_EQ(SendMessageW(view->GetHandle(), LVM_EDITLABELW, 0, 0), 0);
}

TEST_F(UniListViewTest, AnsiPlatformKeepsTwinsOnly)
{
    SetUnicodePlatformForTesting(false);
    TUniListView* view = MakeView();
    EXPECT_FALSE(IsWindowUnicode(view->GetHandle()));
    TUniListItem* item = view->GetItems()->GetItem(0);
    EXPECT_EQ(item->GetCaption(), Czech);
    EXPECT_EQ(item->GetSubItems()->Get(2), L"C:\\" + Czech);
    static_cast<TListItem*>(item)->GetSubItems()->Put(0, "x");
    EXPECT_EQ(item->GetSubItems()->Get(0), L"x");
    view->SetViewStyle(vsList);
    EXPECT_EQ(view->GetItems()->GetItem(2)->GetCaption(), Chinese);
}

using UniProgressBarTest = UniFormTest;

TEST_F(UniProgressBarTest, UnicodeWindowPositionAndWideHint)
{
    auto* bar = Add<TUniProgressBar>(10, 10, 200, 20);
    bar->SetHint(Czech);
    HWND wnd = bar->GetHandle();
    EXPECT_TRUE(IsWindowUnicode(wnd));
    EXPECT_EQ(WindowClassName(wnd), L"TUniProgressBar.UnicodeClass");
    bar->SetPosition(42);
    EXPECT_EQ(SendMessageW(wnd, PBM_GETPOS, 0, 0), 42);
    EXPECT_EQ(bar->GetPosition(), 42);
    bar->SetMax(50);
    bar->SetPosition(70);
    EXPECT_EQ(bar->GetPosition(), 50);
    EXPECT_EQ(bar->GetHint(), Czech);
    bar->RecreateWnd();
    EXPECT_EQ(SendMessageW(bar->GetHandle(), PBM_GETPOS, 0, 0), 50);
    EXPECT_EQ(bar->GetHint(), Czech);
}

TEST(UniComCtlHandleTest, AnEmptyClassNameIsAnInternalError)
{
    TForm form(nullptr);
    TUniProgressBar bar(&form);
    TCreateParams params{};
    EXPECT_THROW(CreateUnicodeHandle_ComCtl(&bar, params, L""), EUniInternalError);
}

}  // namespace
