#include "update/NuProgress.h"

VARIRUVU_CLASS_INFO(TProgressForm, TForm) {}

TProgressForm::TProgressForm(TComponent* AOwner) : TForm(AOwner)
{
    SetBounds(0, 0, 400, 100);
    SetCaption("Downloading...");
    SetBorderStyle(bsDialog);
    SetBorderIcons(TBorderIcons{});
    SetPosition(poScreenCenter);
    FileLabel = new TLabel(this);
    FileLabel->SetParent(this);
    Bar = new TProgressBar(this);
    Bar->SetParent(this);
}

void TProgressForm::CreateWnd()
{
    TForm::CreateWnd();
    FileLabel->SetBounds(10, 10, GetWidth() - 20, 13);
    Bar->SetBounds(10, 40, GetWidth() - 2 * GetSystemMetrics(SM_CXBORDER) - 20, 16);
}

void TProgressForm::ShowProgress(const AnsiString& fileName, int32_t pos, int32_t size)
{
    Bar->SetMin(0);
    Bar->SetMax(size);
    Bar->SetPosition(pos);
    const AnsiString text = "Downloading: " + fileName;
    if (FileLabel->GetCaption() != text)
        FileLabel->SetCaption(text);
}
