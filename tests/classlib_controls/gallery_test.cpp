#include <gtest/gtest.h>

#include <memory>

#include "classlib/FormText.h"
#include "gallery.h"

namespace {

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TGalleryForm>(nullptr);
        form->Show();
        Application->ProcessMessages();
        form->Events.clear();
    }
    void TearDown() override
    {
        form.reset();
        Application->ProcessMessages();
    }

    AnsiString ListText(int row, int column)
    {
        char buffer[256] = {};
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = sizeof(buffer);
        SendMessageA(form->List->GetHandle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    bool ListChecked(int row)
    {
        LRESULT state = SendMessageA(form->List->GetHandle(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
        return (state >> 12) == 2;
    }
    AnsiString ComboText(int index)
    {
        char buffer[256] = {};
        SendMessageA(form->Combo->GetHandle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    int VisibleSheets()
    {
        int count = 0;
        for (TTabSheet* sheet : {form->Sheet1, form->Sheet2, form->Sheet3})
            count += IsWindowVisible(sheet->GetHandle()) != FALSE;
        return count;
    }

    std::unique_ptr<TGalleryForm> form;
};

TEST_F(GalleryTest, TheFormResourceSetsTextsAndStatesThatTheWindowsShow)
{
    EXPECT_EQ(WindowText(form->GetHandle()), "Standard controls");
    EXPECT_EQ(WindowText(form->Button->GetHandle()), "&Press");
    EXPECT_EQ(WindowText(form->CheckBox->GetHandle()), " Shutdown after closing");
    EXPECT_EQ(WindowText(form->Edit->GetHandle()), "Edit text");
    // the password edit keeps the text and shows the mask character
    EXPECT_EQ(WindowText(form->Password->GetHandle()), "secret");
    EXPECT_EQ(SendMessageA(form->Password->GetHandle(), EM_GETPASSWORDCHAR, 0, 0), '*');

    EXPECT_EQ(SendMessageA(form->CheckBox->GetHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(form->Radio1->GetHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(form->Radio2->GetHandle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    EXPECT_EQ(SendMessageA(form->Progress->GetHandle(), PBM_GETPOS, 0, 0), 50);
    EXPECT_EQ(SendMessageA(form->Progress->GetHandle(), PBM_GETRANGE, FALSE, 0), 200);

    EXPECT_EQ(SendMessageA(form->Combo->GetHandle(), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ComboText(2), "Gutmann ( 35 Passes )");
    EXPECT_EQ(SendMessageA(form->Combo->GetHandle(), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(form->Combo->GetText(), "DOD 5220.22-M ECE ( 7 Passes )");

    EXPECT_EQ(form->Memo->GetLines()->GetCount(), 2);
    EXPECT_EQ(WindowText(form->Memo->GetHandle()), "first memo line\r\nsecond memo line");
    EXPECT_EQ(form->Rich->GetLines()->GetCount(), 3);
    EXPECT_EQ(form->Rich->GetLines()->Get(0), "License Agreement");
    EXPECT_TRUE(GetWindowLongA(form->Rich->GetHandle(), GWL_STYLE) & ES_READONLY);

    EXPECT_EQ(form->HandLabel->GetCursor(), crHandPoint);
    EXPECT_EQ(form->HandLabel->GetFont()->GetColor(), clHotLight);
    EXPECT_EQ(form->GetColor(), clWhite);
    EXPECT_EQ(form->Title->GetFocusControl(), form->Edit);
    EXPECT_EQ(form->List->GetSmallImages(), form->Images);
    EXPECT_EQ(form->Images->GetCount(), 2);
    EXPECT_EQ(form->OpenDialog->GetOptions(), (TOpenOptions{ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing}));
}

TEST_F(GalleryTest, ListRowsShowCaptionsSubItemsChecksAndColumns)
{
    HWND list = form->List->GetHandle();
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(ListText(0, 0), "report.txt");
    EXPECT_EQ(ListText(0, 1), "1");
    EXPECT_EQ(ListText(0, 2), "1.50 kB");
    EXPECT_EQ(ListText(0, 3), "C:\\Data\\");
    EXPECT_EQ(ListText(1, 0), "Photos");
    EXPECT_EQ(ListText(1, 3), "C:\\Data\\Photos");
    EXPECT_TRUE(ListChecked(0));
    EXPECT_TRUE(ListChecked(1));

    const char* captions[] = {"Name", "File", "Size", "Path"};
    const int widths[] = {130, 55, 70, 290};
    for (int i = 0; i < 4; ++i) {
        char buffer[64] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = buffer;
        column.cchTextMax = sizeof(buffer);
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(buffer, captions[i]);
        EXPECT_EQ(column.cx, widths[i]);
    }
    LVITEMA item{};
    item.mask = LVIF_IMAGE | LVIF_PARAM;
    item.iItem = 1;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 1);
    EXPECT_EQ(reinterpret_cast<TListItem*>(item.lParam), form->List->GetItems()->GetItem(1));

    // changing a sub-item from code shows at once
    form->List->GetItems()->GetItem(0)->GetSubItems()->Put(1, "2.00 kB");
    EXPECT_EQ(ListText(0, 2), "2.00 kB");
}

TEST_F(GalleryTest, CheckBoxesOfTheListAndRowsAddedByCodeRaiseOnChange)
{
    HWND list = form->List->GetHandle();
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    // the check box sits at the left end of the row
    LPARAM at = MAKELPARAM(r.left + 8, (r.top + r.bottom) / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
    Application->ProcessMessages();
    EXPECT_FALSE(ListChecked(1));
    EXPECT_FALSE(form->List->GetItems()->GetItem(1)->GetChecked());
    EXPECT_NE(std::find(form->Events.begin(), form->Events.end(), "ListChange 1 ctState"), form->Events.end());

    form->Events.clear();
    form->List->GetItems()->GetItem(0)->SetChecked(false);
    EXPECT_NE(std::find(form->Events.begin(), form->Events.end(), "ListChange 0 ctState"), form->Events.end());

    form->Events.clear();
    form->AddRow("new.bin", "1", "0 B", "C:\\", 0);
    EXPECT_NE(std::find(form->Events.begin(), form->Events.end(), "ListChange 2 ctState"), form->Events.end());
    EXPECT_TRUE(ListChecked(2));
}

TEST(GalleryCreationTest, RowsAddedBeforeTheFormIsShownRaiseOnChangeToo)
{
    TGalleryForm form(nullptr);
    EXPECT_NE(std::find(form.Events.begin(), form.Events.end(), "ListChange 1 ctState"), form.Events.end());
    EXPECT_FALSE(IsWindowVisible(form.GetHandle()));
}

TEST_F(GalleryTest, EditingARowCaptionGoesThroughOnEdited)
{
    form->List->OnEdited = TLVEditedEvent::FromFunction([](TObject*, TListItem*, AnsiString& s) { s += ".bak"; });
    HWND edit = reinterpret_cast<HWND>(SendMessageA(form->List->GetHandle(), LVM_EDITLABELA, 0, 0));
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "renamed");
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    Application->ProcessMessages();
    EXPECT_EQ(form->List->GetItems()->GetItem(0)->GetCaption(), "renamed.bak");
    EXPECT_EQ(ListText(0, 0), "renamed.bak");
}

TEST_F(GalleryTest, APickInTheComboBoxRaisesOnClickThenOnChangeButSettingFromCodeRaisesNothing)
{
    form->Combo->SetFocus();
    SendMessageA(form->Combo->GetHandle(), WM_KEYDOWN, VK_DOWN, 0);
    Application->ProcessMessages();
    EXPECT_EQ(form->Events, (std::vector<std::string>{"ComboClick 2", "ComboChange 2"}));
    EXPECT_EQ(form->Combo->GetText(), "Gutmann ( 35 Passes )");

    form->Events.clear();
    form->Combo->SetItemIndex(0);
    EXPECT_TRUE(form->Events.empty());
    EXPECT_EQ(SendMessageA(form->Combo->GetHandle(), CB_GETCURSEL, 0, 0), 0);
}

TEST_F(GalleryTest, CheckedSetFromCodeRaisesOnClickOnlyWhenTheStateChanges)
{
    form->CheckBox->SetChecked(true);
    EXPECT_TRUE(form->Events.empty());
    form->CheckBox->SetChecked(false);
    EXPECT_EQ(form->Events, std::vector<std::string>{"CheckBoxClick unchecked"});
    EXPECT_EQ(SendMessageA(form->CheckBox->GetHandle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // a click by the user toggles it
    SendMessageA(form->CheckBox->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form->CheckBox->GetChecked());
    EXPECT_EQ(form->Events.back(), "CheckBoxClick checked");
    // radio buttons: checking one unchecks its sibling
    SendMessageA(form->Radio2->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form->Radio2->GetChecked());
    EXPECT_FALSE(form->Radio1->GetChecked());
    EXPECT_EQ(SendMessageA(form->Radio1->GetHandle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(GalleryTest, ButtonsRaiseOnClickAndTheBitButtonDrawsItself)
{
    SendMessageA(form->Button->GetHandle(), BM_CLICK, 0, 0);
    SendMessageA(form->BitBtn->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->Events, (std::vector<std::string>{"ButtonClick Button", "ButtonClick BitBtn"}));
    EXPECT_EQ(GetWindowLongA(form->BitBtn->GetHandle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    // a kind brings caption, modal result and the default role, and the button stays owner-drawn
    form->BitBtn->SetKind(bkOK);
    EXPECT_EQ(WindowText(form->BitBtn->GetHandle()), "OK");
    EXPECT_EQ(form->BitBtn->GetModalResult(), mrOk);
    EXPECT_TRUE(form->BitBtn->GetDefault());
    EXPECT_EQ(GetWindowLongA(form->BitBtn->GetHandle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    form->Events.clear();
    SendMessageA(form->BitBtn->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->GetModalResult(), mrOk);
    form->SetModalResult(mrNone);
    // Alt+P: the button's accelerator clicks it
    form->Events.clear();
    EXPECT_EQ(form->Button->Perform(CM_DIALOGCHAR, 'p', 0), 1);
    EXPECT_EQ(form->Events, std::vector<std::string>{"ButtonClick Button"});
    // the label's accelerator focuses its focus control
    EXPECT_EQ(form->Title->Perform(CM_DIALOGCHAR, 'S', 0), 1);
    EXPECT_TRUE(form->Edit->Focused());
}

TEST_F(GalleryTest, APageSwitchShowsExactlyOneSheetAndNoTabs)
{
    EXPECT_EQ(SendMessageA(form->Pages->GetHandle(), TCM_GETITEMCOUNT, 0, 0), 0);
    for (TTabSheet* sheet : {form->Sheet2, form->Sheet3, form->Sheet1}) {
        form->Pages->SetActivePage(sheet);
        EXPECT_EQ(form->Pages->GetActivePage(), sheet);
        EXPECT_EQ(VisibleSheets(), 1);
        EXPECT_TRUE(IsWindowVisible(sheet->GetHandle()));
    }
    EXPECT_EQ(form->Pages->GetPageCount(), 3);
    EXPECT_EQ(form->Sheet3->GetPageIndex(), 2);
    // a visible tab shows up in the window
    form->Sheet2->SetTabVisible(true);
    EXPECT_EQ(SendMessageA(form->Pages->GetHandle(), TCM_GETITEMCOUNT, 0, 0), 1);
}

// The size a sheet's window has at the moment it is shown (recorded from the thread's messages).
HWND WatchedSheet = nullptr;
RECT SheetRectWhenShown{};

LRESULT CALLBACK RecordShowing(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == WatchedSheet && call->message == WM_SHOWWINDOW && call->wParam)
        GetClientRect(call->hwnd, &SheetRectWhenShown);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Otherwise the part a first-shown sheet grows into keeps what the previous page drew there.
TEST_F(GalleryTest, ASheetShownForTheFirstTimeAppearsAtItsFullSize)
{
    // The first sheet was shown with the form and laid out as every sheet should be.
    RECT pages{};
    GetClientRect(form->Sheet1->GetHandle(), &pages);
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordShowing, nullptr, GetCurrentThreadId());
    for (TTabSheet* sheet : {form->Sheet3, form->Sheet2}) {
        WatchedSheet = sheet->GetHandle();
        SheetRectWhenShown = RECT{};
        form->Pages->SetActivePage(sheet);
        EXPECT_EQ(SheetRectWhenShown.right, pages.right) << sheet->GetName();
        EXPECT_EQ(SheetRectWhenShown.bottom, pages.bottom) << sheet->GetName();
    }
    UnhookWindowsHookEx(hook);
}

TEST_F(GalleryTest, ARecreatedControlKeepsItsItemsAndSelection)
{
    form->Combo->SetItemIndex(2);
    form->Combo->RecreateWnd();
    EXPECT_EQ(SendMessageA(form->Combo->GetHandle(), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(form->Combo->GetHandle(), CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(ComboText(0), "Zero ( 1 Passes )");

    form->List->GetItems()->GetItem(1)->SetSelected(true);
    form->List->GetItems()->GetItem(0)->SetChecked(false);
    form->Events.clear();
    form->List->SetViewStyle(vsList);
    form->List->SetViewStyle(vsReport);
    EXPECT_TRUE(form->Events.empty());  // refilling the window is no change of the user's
    EXPECT_EQ(SendMessageA(form->List->GetHandle(), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(ListText(1, 0), "Photos");
    EXPECT_EQ(ListText(1, 2), "3.25 MB");
    EXPECT_FALSE(ListChecked(0));
    EXPECT_TRUE(ListChecked(1));
    EXPECT_EQ(form->List->GetItemIndex(), 1);

    form->Progress->SetPosition(120);
    form->Progress->SetSmooth(true);
    EXPECT_EQ(SendMessageA(form->Progress->GetHandle(), PBM_GETPOS, 0, 0), 120);

    form->CheckBox->RecreateWnd();
    EXPECT_EQ(SendMessageA(form->CheckBox->GetHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    form->Memo->RecreateWnd();
    EXPECT_EQ(form->Memo->GetLines()->Get(1), "second memo line");
}

TEST_F(GalleryTest, MemoLinesEditTheWindowText)
{
    TStrings* lines = form->Memo->GetLines();
    lines->Insert(0, "zero");
    lines->Add("last");
    lines->Delete(1);
    EXPECT_EQ(WindowText(form->Memo->GetHandle()), "zero\r\nsecond memo line\r\nlast");
    EXPECT_THROW(lines->Get(3), EStringListError);
}

TEST_F(GalleryTest, PanelPaintsItsBevelsAndColour)
{
    TPrintedWindow printed(form->TopPanel);
    auto rgb = [](TColor c) {
        COLORREF v = ColorToRGB(c);
        return static_cast<uint32_t>((GetRValue(v) << 16) | (GetGValue(v) << 8) | GetBValue(v));
    };
    EXPECT_EQ(printed.Pixel(0, 0), rgb(clBtnHighlight));                       // raised outer bevel
    EXPECT_EQ(printed.Pixel(form->TopPanel->GetWidth() - 1, 20), rgb(clBtnShadow));
    EXPECT_EQ(printed.Pixel(3, 20), rgb(clBtnShadow));                         // lowered inner bevel after the border
    EXPECT_EQ(printed.Pixel(600, 36), rgb(clBtnFace));
}

TEST(ManifestTest, TheProgramRunsWithCommonControls6)
{
    InitCommonControls6();
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    // version 6 lives in its side-by-side assembly, which only a manifest brings in
    char path[MAX_PATH] = {};
    GetModuleFileNameA(comctl, path, sizeof(path));
    CharLowerA(path);
    EXPECT_NE(AnsiString(path).find("microsoft.windows.common-controls_6595b64144ccf1df_6.0"), AnsiString::npos)
        << path;
}

TEST(LabelTest, AnEmptyCaptionStillMeasuresOneLine)
{
    TForm form(nullptr);
    TLabel& label = *new TLabel(&form);
    label.SetParent(&form);
    label.SetCaption("W");
    int lineHeight = label.GetHeight();
    EXPECT_GT(lineHeight, 5);
    for (const char* caption : {"", "&"}) {
        label.SetCaption(caption);
        EXPECT_EQ(label.GetHeight(), lineHeight) << caption;
    }
    // without accelerators the mark is text of its own and measures wider than nothing
    label.SetShowAccelChar(false);
    label.SetCaption("&&");
    int plain = label.GetWidth();
    label.SetShowAccelChar(true);
    EXPECT_LT(label.GetWidth(), plain);
}

TEST(ImageTest, DestRectFollowsStretchCenterAndProportional)
{
    struct Case {
        bool stretch, center, proportional;
        int pictureWidth, pictureHeight;
        TRect expected;
    } cases[] = {
        {false, false, false, 20, 10, TRect(0, 0, 20, 10)},
        {false, true, false, 20, 10, TRect(40, 20, 60, 30)},
        {true, false, false, 20, 10, TRect(0, 0, 100, 50)},
        {true, false, true, 20, 20, TRect(0, 0, 50, 50)},
        {true, true, true, 20, 20, TRect(25, 0, 75, 50)},
        {false, true, true, 200, 50, TRect(0, 12, 100, 37)},  // too large: shrunk to fit
        {false, false, true, 20, 10, TRect(0, 0, 20, 10)},    // small enough: left as it is
    };
    for (const Case& c : cases) {
        TImage image(nullptr);
        image.SetBounds(0, 0, 100, 50);
        TBitmap bitmap;
        bitmap.SetSize(c.pictureWidth, c.pictureHeight);
        image.GetPicture()->SetGraphic(&bitmap);
        image.SetStretch(c.stretch);
        image.SetCenter(c.center);
        image.SetProportional(c.proportional);
        EXPECT_EQ(image.DestRect(), c.expected) << c.stretch << c.center << c.proportional << " " << c.pictureWidth;
    }
}

TEST(GlyphLayoutTest, MarginAndSpacingSplitTheFreeSpace)
{
    TButtonGlyph glyph;
    TBitmap bitmap;
    bitmap.SetSize(32, 16);
    glyph.SetGlyph(&bitmap);
    glyph.SetNumGlyphs(2);
    TBitmap surface;
    surface.SetSize(10, 10);
    TCanvas* canvas = surface.GetCanvas();
    TPoint glyphPos;
    TRect text;
    // no caption: the glyph is centred
    glyph.Layout(canvas, TRect(0, 0, 100, 30), TPoint(0, 0), "", blGlyphLeft, -1, 4, glyphPos, text, false);
    EXPECT_EQ(glyphPos, TPoint(42, 7));
    // margin and spacing -1: three equal parts of the free space
    glyph.Layout(canvas, TRect(0, 0, 100, 30), TPoint(0, 0), "Go", blGlyphLeft, -1, -1, glyphPos, text, false);
    int free = 100 - 16 - text.Width();
    EXPECT_EQ(glyphPos.x, free / 3);
    EXPECT_EQ(text.left, free / 3 + 16 + free / 3);
    // glyph on top with a margin
    glyph.Layout(canvas, TRect(0, 0, 100, 60), TPoint(0, 0), "Go", blGlyphTop, 5, 2, glyphPos, text, false);
    EXPECT_EQ(glyphPos, TPoint(42, 5));
    EXPECT_EQ(text.top, 5 + 16 + 2);
    // two glyphs: pressing shows the up image
    glyph.BuildImages();
    EXPECT_EQ(glyph.GetImageIndex(bsDown), glyph.GetImageIndex(bsUp));
    EXPECT_EQ(glyph.GetImageIndex(bsDisabled), 1);
}

}  // namespace

namespace {

TEST(ImageListTest, ImagesTravelInTheFormStreamAsOneStrip)
{
    RegisterClass(TImageList::ClassInfo());
    TForm source(nullptr);
    auto* images = new TImageList(&source);
    images->SetName("Images");
    TBitmap strip;
    strip.SetSize(32, 16);
    TCanvas* canvas = strip.GetCanvas();
    canvas->GetBrush()->SetColor(clFuchsia);
    canvas->FillRect(TRect(0, 0, 32, 16));
    canvas->GetBrush()->SetColor(clRed);
    canvas->FillRect(TRect(4, 4, 12, 12));
    canvas->GetBrush()->SetColor(clBlue);
    canvas->FillRect(TRect(20, 4, 28, 12));
    ASSERT_EQ(images->AddMasked(&strip, clFuchsia), 0);
    ASSERT_EQ(images->GetCount(), 2);
    // the strip's bitmap is still held by its canvas: the list copies it all the same
    TBitmap first;
    images->GetBitmap(0, &first);
    EXPECT_EQ(first.GetCanvas()->GetPixels(8, 8), clRed);

    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(&source);
    stream.SetPosition(0);
    TForm copy(nullptr);
    TReader(&stream).ReadRootComponent(&copy);
    auto* read = dynamic_cast<TImageList*>(copy.FindComponent("Images"));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->GetCount(), 2);
    TBitmap second;
    read->GetBitmap(1, &second);
    EXPECT_EQ(second.GetCanvas()->GetPixels(8, 8), clBlue);
    EXPECT_EQ(second.GetCanvas()->GetPixels(0, 0), clWhite);  // the transparent ground
}

// The form text carries a glyph as its bitmap's bytes; read back, both images are there.
TEST(GlyphStreamTest, AGlyphTravelsThroughTheFormText)
{
    RegisterClass(TBitBtn::ClassInfo());
    TForm source(nullptr);
    auto* button = new TBitBtn(&source);
    button->SetName("Button");
    button->SetParent(&source);
    TBitmap glyph;
    glyph.SetSize(32, 16);
    glyph.GetCanvas()->GetBrush()->SetColor(clRed);
    glyph.GetCanvas()->FillRect(TRect(0, 0, 16, 16));
    glyph.GetCanvas()->GetBrush()->SetColor(clBlue);
    glyph.GetCanvas()->FillRect(TRect(16, 0, 32, 16));
    button->SetGlyph(&glyph);
    button->SetNumGlyphs(2);

    TMemoryStream binary;
    TWriter(&binary).WriteRootComponent(&source);
    binary.SetPosition(0);
    TMemoryStream text;
    ObjectBinaryToText(&binary, &text);
    const AnsiString written(static_cast<const char*>(text.GetMemory()), static_cast<size_t>(text.GetSize()));
    EXPECT_NE(written.find("Glyph.Data = {"), AnsiString::npos) << written;

    text.SetPosition(0);
    TMemoryStream again;
    ObjectTextToBinary(&text, &again);
    again.SetPosition(0);
    TForm copy(nullptr);
    TReader(&again).ReadRootComponent(&copy);
    auto* read = dynamic_cast<TBitBtn*>(copy.FindComponent("Button"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetNumGlyphs(), 2);
    ASSERT_EQ(read->GetGlyph()->GetWidth(), 32);
    EXPECT_EQ(read->GetGlyph()->GetCanvas()->GetPixels(4, 8), clRed);
    EXPECT_EQ(read->GetGlyph()->GetCanvas()->GetPixels(20, 8), clBlue);
}

}  // namespace

TEST_F(GalleryTest, ALabelFollowsItsFontInSizeAndPaint)
{
    TLabel* label = form->HandLabel;
    TCanvas measure;
    HDC dc = GetDC(nullptr);
    measure.SetHandle(dc);
    measure.GetFont()->Assign(label->GetFont());
    const int normal = measure.TextWidth(label->GetCaption());
    EXPECT_EQ(label->GetWidth(), normal);
    label->GetFont()->SetStyle(TFontStyles{fsBold});
    measure.GetFont()->Assign(label->GetFont());
    const int bold = measure.TextWidth(label->GetCaption());
    measure.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    EXPECT_GT(bold, normal);
    EXPECT_EQ(label->GetWidth(), bold);
}

// Pixels of a window's client area that differ from a colour, read from the screen.
int PixelsUnlike(HWND wnd, COLORREF colour)
{
    RECT client{};
    GetClientRect(wnd, &client);
    POINT origin{0, 0};
    ClientToScreen(wnd, &origin);
    HDC screen = GetDC(nullptr);
    int unlike = 0;
    for (int y = 0; y < client.bottom; y += 2)
        for (int x = 0; x < client.right; x += 2)
            if (GetPixel(screen, origin.x + x, origin.y + y) != colour)
                ++unlike;
    ReleaseDC(nullptr, screen);
    return unlike;
}

// Lets the windows paint and the screen show it.
void Settle()
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < 500; Sleep(20))
        Application->ProcessMessages();
}

TEST_F(GalleryTest, AShownSheetPaintsOverTheWholeAreaOfThePreviousOne)
{
    form->Pages->SetActivePage(form->Sheet2);
    Settle();
    ASSERT_GT(PixelsUnlike(form->Sheet2->GetHandle(), ColorToRGB(form->Sheet2->GetColor())), 0);
    form->Pages->SetActivePage(form->Sheet3);  // an empty page
    Settle();
    EXPECT_EQ(PixelsUnlike(form->Sheet3->GetHandle(), ColorToRGB(form->Sheet3->GetColor())), 0);
}

namespace {

// Set once for every step of a run, the bar answers each position at once but
// draws only the last one, with its next paint.
TEST_F(GalleryTest, AProgressBarAnswersEveryPositionAndDrawsTheLastWithItsNextPaint)
{
    HWND bar = form->Progress->GetHandle();
    Settle();
    const COLORREF fill = GetSysColor(COLOR_HIGHLIGHT);
    const int unfilledAtQuarter = PixelsUnlike(bar, fill);
    RECT pending{};
    ASSERT_FALSE(GetUpdateRect(bar, &pending, FALSE));
    for (int position = 0; position <= 200; ++position) {
        form->Progress->SetPosition(position);
        EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), position);
    }
    EXPECT_TRUE(GetUpdateRect(bar, &pending, FALSE));
    Settle();
    EXPECT_FALSE(GetUpdateRect(bar, &pending, FALSE));
    EXPECT_LT(PixelsUnlike(bar, fill), unfilledAtQuarter);

    // A position given to the window is the bar's.
    EXPECT_EQ(SendMessageA(bar, PBM_SETPOS, 20, 0), 200);
    EXPECT_EQ(form->Progress->GetPosition(), 20);
    Settle();
    EXPECT_GT(PixelsUnlike(bar, fill), unfilledAtQuarter);
}

}  // namespace
