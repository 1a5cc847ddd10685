// The links whose pictures the window shows only on some systems, and the
// language box without a language, driven through the window's handlers in
// this process; the shell's handlers point at our recorder.
#include <gtest/gtest.h>

#include <memory>

#include "app/erasedlg.h"
#include "tests/support/UrlRecorder.h"

namespace {

TEST(Links, TheRecommendedProgramsOpenTheirPagesForEachLanguageAndNoLanguageOpensNothing)
{
    TUrlRecorder recorder;
    auto form = std::make_unique<TfrmMain>(nullptr);
    // The handlers go by the index alone; this folder has no language files to fill the box.
    while (form->cbLanguage->GetItems()->GetCount() < 5)
        form->cbLanguage->GetItems()->Add(L"another language");
    const struct {
        int Index;
        const char* Backup;
    } cases[] = {{0, "index-e.html"}, {1, "index-e.html"}, {2, "index.html"}, {3, "index-h.html"}, {4, "index-e.html"}};
    std::vector<AnsiString> expected;
    for (const auto& c : cases) {
        form->cbLanguage->SetItemIndex(c.Index);
        form->pbimgClick(nullptr);
        expected.push_back(AnsiString("https://www.personal-backup.example/") + c.Backup);
        EXPECT_EQ(recorder.WaitForLinks(expected.size(), 20000), expected) << c.Index;
        form->pspadimgClick(nullptr);
        expected.push_back("https://www.pspad.example/cz/");
        EXPECT_EQ(recorder.WaitForLinks(expected.size(), 20000), expected) << c.Index;
    }

    recorder.Clear();
    form->cbLanguage->SetItemIndex(-1);
    form->pbimgClick(nullptr);
    form->pspadimgClick(nullptr);
    form->fspantopimgClick(nullptr);
    form->contactimgClick(nullptr);
    // The links that do not depend on the language still open; the others do not.
    form->likeimgClick(nullptr);
    EXPECT_EQ(recorder.WaitForLinks(1, 20000), std::vector<AnsiString>{"https://www.facebook.example/brevant"});
    Sleep(1500);
    EXPECT_EQ(recorder.Links().size(), 1u);
}

}  // namespace
