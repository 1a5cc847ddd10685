// The gallery form: one of every standard control, loaded from its form resource.
#pragma once

#include <string>
#include <vector>

#include "classlib/Buttons.h"
#include "classlib/ComCtrls.h"
#include "classlib/Dialogs.h"
#include "classlib/ExtCtrls.h"

class TGalleryForm : public TForm {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TGalleryForm(TComponent* AOwner);

    void FormCreate(TObject* Sender);
    void ButtonClick(TObject* Sender);
    void CheckBoxClick(TObject* Sender);
    void ComboClick(TObject* Sender);
    void ComboChange(TObject* Sender);
    void ListChange(TObject* Sender, TListItem* Item, TItemChange Change);

    // Adds one row as the main window's file list does.
    TListItem* AddRow(const AnsiString& name, const AnsiString& files, const AnsiString& size,
                      const AnsiString& path, int image);

    // The handlers that ran, in order ("ComboClick", "ListChange 1 ctState", ...).
    std::vector<std::string> Events;

    TPanel* TopPanel = nullptr;
    TLabel* Title = nullptr;
    TImage* Image = nullptr;
    TLabel* HandLabel = nullptr;
    TButton* Button = nullptr;
    TCheckBox* CheckBox = nullptr;
    TRadioButton* Radio1 = nullptr;
    TRadioButton* Radio2 = nullptr;
    TEdit* Edit = nullptr;
    TEdit* Password = nullptr;
    TProgressBar* Progress = nullptr;
    TComboBox* Combo = nullptr;
    TBevel* Bevel = nullptr;
    TListView* List = nullptr;
    TPageControl* Pages = nullptr;
    TTabSheet* Sheet1 = nullptr;
    TTabSheet* Sheet2 = nullptr;
    TTabSheet* Sheet3 = nullptr;
    TMemo* Memo = nullptr;
    TRichEdit* Rich = nullptr;
    TSpeedButton* Speed = nullptr;
    TBitBtn* BitBtn = nullptr;
    TBitBtn* BitBtnTop = nullptr;
    TLabel* WrapLabel = nullptr;
    TLabel* StatusLabel = nullptr;
    TImageList* Images = nullptr;
    TOpenDialog* OpenDialog = nullptr;
};

// The control's window printed through WM_PRINTCLIENT into a 32-bit DIB.
class TPrintedWindow {
public:
    explicit TPrintedWindow(TWinControl* control);
    // 0x00RRGGBB.
    uint32_t Pixel(int x, int y) const;

private:
    TBitmap FBitmap;
};

// The text of a window, through the 8-bit window-text function.
AnsiString WindowText(HWND wnd);
