// The main window's links: pictures and buttons that hand a web page or a
// mail address to the shell, and the bank details of the Donate page.
#include "app/erasedlg.h"
#include "app/linktargets.h"
#include "app/messageboxes.h"
#include "app/productinfo.h"

void TfrmMain::fspantopimgClick(TObject*) { OpenLink(MakerHomePage(cbLanguage->GetItemIndex())); }
void TfrmMain::contactimgClick(TObject*) { OpenLink(ContactMailLink(cbLanguage->GetItemIndex())); }
void TfrmMain::likeimgClick(TObject*) { OpenLink(MakerFacebookPage); }
void TfrmMain::BackgLinkedInClick(TObject*) { OpenLink(LinkedInHomePage); }
void TfrmMain::BackgFacebookClick(TObject*) { OpenLink(FacebookHomePage); }
void TfrmMain::BackgMySpaceClick(TObject*) { OpenLink(MySpaceHomePage); }
void TfrmMain::BackgTwitterClick(TObject*) { OpenLink(TwitterHomePage); }
void TfrmMain::pbimgClick(TObject*) { OpenLink(BackupProgramPage(cbLanguage->GetItemIndex())); }
void TfrmMain::pspadimgClick(TObject*) { OpenLink(EditorPage(cbLanguage->GetItemIndex())); }
void TfrmMain::btnpaypalClick(TObject*) { OpenLink(MakerPayPalButton); }
void TfrmMain::mailimgClick(TObject*) { OpenLink(DonationMailLink()); }

void TfrmMain::btnbankClick(TObject*)
{
    MessageDlg(MessageText("sDonate"), mtInformation, TMsgDlgButtons{mbOK});
}
