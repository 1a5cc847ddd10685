#include "gallery.h"

namespace {

// A small picture: a frame in `frame` filled with `fill`, on a fuchsia (transparent) ground.
void PaintSymbol(TBitmap& bitmap, int x, int size, TColor frame, TColor fill)
{
    TCanvas* canvas = bitmap.GetCanvas();
    canvas->GetPen()->SetColor(frame);
    canvas->GetBrush()->SetColor(fill);
    canvas->Rectangle(x + 2, 2, x + size - 2, size - 2);
}

}  // namespace

VARIRUVU_CLASS_INFO(TGalleryForm, TForm)
{
    info.Method("FormCreate", &TGalleryForm::FormCreate);
    info.Method("ButtonClick", &TGalleryForm::ButtonClick);
    info.Method("CheckBoxClick", &TGalleryForm::CheckBoxClick);
    info.Method("ComboClick", &TGalleryForm::ComboClick);
    info.Method("ComboChange", &TGalleryForm::ComboChange);
    info.Method("ListChange", &TGalleryForm::ListChange);
}

TGalleryForm::TGalleryForm(TComponent* AOwner) : TForm(AOwner)
{
    RegisterClasses({&TPanel::ClassInfo(), &TLabel::ClassInfo(), &TImage::ClassInfo(), &TButton::ClassInfo(),
                     &TCheckBox::ClassInfo(), &TRadioButton::ClassInfo(), &TEdit::ClassInfo(),
                     &TProgressBar::ClassInfo(), &TComboBox::ClassInfo(), &TBevel::ClassInfo(),
                     &TListView::ClassInfo(), &TListColumn::ClassInfo(), &TPageControl::ClassInfo(),
                     &TTabSheet::ClassInfo(), &TMemo::ClassInfo(), &TRichEdit::ClassInfo(),
                     &TSpeedButton::ClassInfo(), &TBitBtn::ClassInfo(), &TImageList::ClassInfo(),
                     &TOpenDialog::ClassInfo()});
    LoadForm();
}

template <class T>
static void Bind(TComponent* form, T*& field, const char* name)
{
    field = dynamic_cast<T*>(form->FindComponent(name));
}

void TGalleryForm::FormCreate(TObject*)
{
    Bind(this, TopPanel, "TopPanel");
    Bind(this, Title, "Title");
    Bind(this, Image, "Image");
    Bind(this, HandLabel, "HandLabel");
    Bind(this, Button, "Button");
    Bind(this, CheckBox, "CheckBox");
    Bind(this, Radio1, "Radio1");
    Bind(this, Radio2, "Radio2");
    Bind(this, Edit, "Edit");
    Bind(this, Password, "Password");
    Bind(this, Progress, "Progress");
    Bind(this, Combo, "Combo");
    Bind(this, Bevel, "Bevel");
    Bind(this, List, "List");
    Bind(this, Pages, "Pages");
    Bind(this, Sheet1, "Sheet1");
    Bind(this, Sheet2, "Sheet2");
    Bind(this, Sheet3, "Sheet3");
    Bind(this, Memo, "Memo");
    Bind(this, Rich, "Rich");
    Bind(this, Speed, "Speed");
    Bind(this, BitBtn, "BitBtn");
    Bind(this, BitBtnTop, "BitBtnTop");
    Bind(this, WrapLabel, "WrapLabel");
    Bind(this, StatusLabel, "StatusLabel");
    Bind(this, Images, "Images");
    Bind(this, OpenDialog, "OpenDialog");

    // The list's images: 0 a file, 1 a folder.
    TBitmap strip;
    strip.SetSize(32, 16);
    strip.GetCanvas()->GetBrush()->SetColor(clFuchsia);
    strip.GetCanvas()->FillRect(TRect(0, 0, 32, 16));
    PaintSymbol(strip, 0, 16, clNavy, clWhite);
    PaintSymbol(strip, 16, 16, clOlive, clYellow);
    Images->AddMasked(&strip, clFuchsia);

    TBitmap picture;
    picture.SetSize(40, 40);
    picture.GetCanvas()->GetBrush()->SetColor(clTeal);
    picture.GetCanvas()->FillRect(TRect(0, 0, 40, 40));
    PaintSymbol(picture, 0, 40, clWhite, clAqua);
    Image->GetPicture()->SetGraphic(&picture);

    // Glyphs of two images: up and disabled.
    TBitmap glyph;
    glyph.SetSize(32, 16);
    glyph.GetCanvas()->GetBrush()->SetColor(clFuchsia);
    glyph.GetCanvas()->FillRect(TRect(0, 0, 32, 16));
    PaintSymbol(glyph, 0, 16, clMaroon, clRed);
    PaintSymbol(glyph, 16, 16, clGray, clSilver);
    BitBtn->SetGlyph(&glyph);
    BitBtnTop->SetGlyph(&glyph);
    BitBtnTop->SetNumGlyphs(2);
    Speed->SetGlyph(&glyph);
    Speed->SetNumGlyphs(2);

    AddRow("report.txt", "1", "1.50 kB", "C:\\Data\\", 0);
    AddRow("Photos", "12", "3.25 MB", "C:\\Data\\Photos", 1);
    Pages->SetActivePage(Sheet1);
}

TListItem* TGalleryForm::AddRow(const AnsiString& name, const AnsiString& files, const AnsiString& size,
                                const AnsiString& path, int image)
{
    TListItem* item = List->GetItems()->Add();
    item->SetCaption(name);
    item->GetSubItems()->Add(files);
    item->GetSubItems()->Add(size);
    item->GetSubItems()->Add(path);
    item->SetImageIndex(image);
    item->SetChecked(true);
    return item;
}

void TGalleryForm::ButtonClick(TObject* Sender)
{
    Events.push_back("ButtonClick " + static_cast<TComponent*>(Sender)->GetName());
}

void TGalleryForm::CheckBoxClick(TObject*)
{
    Events.push_back(CheckBox->GetChecked() ? "CheckBoxClick checked" : "CheckBoxClick unchecked");
}

void TGalleryForm::ComboClick(TObject*)
{
    Events.push_back("ComboClick " + std::to_string(Combo->GetItemIndex()));
}

void TGalleryForm::ComboChange(TObject*)
{
    Events.push_back("ComboChange " + std::to_string(Combo->GetItemIndex()));
}

void TGalleryForm::ListChange(TObject*, TListItem* Item, TItemChange Change)
{
    static const char* const kinds[] = {"ctText", "ctImage", "ctState"};
    Events.push_back("ListChange " + std::to_string(Item->GetIndex()) + " " + kinds[Change]);
}

TPrintedWindow::TPrintedWindow(TWinControl* control)
{
    FBitmap.SetPixelFormat(pf32bit);
    FBitmap.SetSize(control->GetWidth(), control->GetHeight());
    HDC dc = FBitmap.GetCanvas()->GetHandle();
    control->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    GdiFlush();
}

uint32_t TPrintedWindow::Pixel(int x, int y) const
{
    return static_cast<const uint32_t*>(FBitmap.GetScanLine(y))[x] & 0xFFFFFF;
}

AnsiString WindowText(HWND wnd)
{
    char buffer[512] = {};
    GetWindowTextA(wnd, buffer, sizeof(buffer));
    return buffer;
}
