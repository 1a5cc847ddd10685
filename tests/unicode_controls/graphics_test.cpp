#include <gtest/gtest.h>

#include <memory>

#include "../support/ScratchFolder.h"
#include "unicode/UniSysUtils.h"
#include "unicode_controls/UniGraphics.h"

namespace {

const WideString Text = L"\u0160ipka \u0416\u0438\u0432 \u6587\u4EF6";

// A bitmap canvas with a font of its own and a record of its change notifications.
class WideCanvasTest : public testing::Test {
protected:
    void SetUp() override
    {
        bitmap.SetWidth(400);
        bitmap.SetHeight(60);
        canvas = bitmap.GetCanvas();
        canvas->GetFont()->SetName("Tahoma");
        canvas->GetFont()->SetSize(12);
        canvas->OnChanging = TNotifyEvent::FromFunction([this](TObject*) { log += "changing "; });
        canvas->OnChange = TNotifyEvent::FromFunction([this](TObject*) { log += "changed "; });
    }
    SIZE SystemExtent()
    {
        SIZE size{};
        GetTextExtentPoint32W(canvas->GetHandle(), Text.c_str(), static_cast<int>(Text.size()), &size);
        return size;
    }
    TBitmap bitmap;
    TCanvas* canvas = nullptr;
    std::string log;
};

TEST_F(WideCanvasTest, MeasuresWithTheCanvasFont)
{
    TSize extent = WideCanvasTextExtent(canvas, Text);
    SIZE expected = SystemExtent();
    EXPECT_EQ(extent.cx, expected.cx);
    EXPECT_EQ(extent.cy, expected.cy);
    EXPECT_GT(extent.cx, 0);
    EXPECT_EQ(WideCanvasTextWidth(canvas, Text), expected.cx);
    EXPECT_EQ(WideCanvasTextHeight(canvas, Text), expected.cy);
    EXPECT_EQ(WideDCTextExtent(nullptr, Text), TSize());
    EXPECT_EQ(log, "");
}

TEST_F(WideCanvasTest, WritesTheTextAndMovesThePenBehindIt)
{
    canvas->GetBrush()->SetColor(clWhite);
    canvas->FillRect(TRect(0, 0, 400, 60));
    log.clear();
    canvas->GetFont()->SetColor(clBlack);
    WideCanvasTextOut(canvas, 10, 5, Text);
    EXPECT_EQ(log, "changing changed ");
    EXPECT_EQ(canvas->GetPenPos(), TPoint(10 + SystemExtent().cx, 5));
    int dark = 0;
    for (int x = 0; x < 400; ++x)
        for (int y = 0; y < 60; ++y)
            dark += canvas->GetPixels(x, y) != clWhite;
    EXPECT_GT(dark, 50);
}

TEST_F(WideCanvasTest, ARightToLeftCanvasStartsOnePixelRightOfTheTextWidth)
{
    SetLayout(canvas->GetHandle(), LAYOUT_RTL);
    WideCanvasTextOut(canvas, 10, 5, Text);
    int width = SystemExtent().cx;
    EXPECT_EQ(canvas->GetPenPos(), TPoint(10 + width + 1 + width, 5));
    SetLayout(canvas->GetHandle(), 0);
}

// A picture file in a folder whose name the system code page cannot spell.
class UniPictureTest : public testing::Test {
protected:
    void SetUp() override
    {
        root = MakeScratchFolder(L"unipicture");
        folder = root + L"\\\u0416\u0438\u0432 \u6587\u4EF6";
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    }
    void TearDown() override { RemoveFolderTree(root); }
    // A 3 x 2 bitmap saved under the wide name.
    void SaveBitmap(const WideString& name)
    {
        TBitmap source;
        source.SetWidth(3);
        source.SetHeight(2);
        const WideString temp = root + L"\\source.bmp";
        source.SaveToFile(WideToAnsi(temp));
        ASSERT_TRUE(MoveFileW(temp.c_str(), name.c_str()));
    }
    WideString root, folder;
};

TEST_F(UniPictureTest, AFileInAFolderOutsideTheCodePageLoadsThroughItsShortName)
{
    const WideString name = folder + L"\\\u0160ipka.bmp";
    SaveBitmap(name);
    if (ExtractShortPathNameW(name).empty())
        GTEST_SKIP() << "this volume gives no short names";
    TUniPicture picture;
    picture.LoadFromFile(name);
    EXPECT_EQ(picture.GetWidth(), 3);
    EXPECT_EQ(picture.GetHeight(), 2);
    // The 8-bit form of the long name reaches nothing.
    TPicture plain;
    EXPECT_ANY_THROW(plain.LoadFromFile(WideToAnsi(name)));
}

// The short name of "x.jpeg" ends in ".JPE", whose format would be taken for another.
TEST_F(UniPictureTest, AJpegNameIsHandedOnInFull)
{
    const WideString name = root + L"\\photo.jpeg";
    SaveBitmap(name);
    TUniPicture picture;
    try {
        picture.LoadFromFile(name);
        FAIL() << "the class library reads no JPEG";
    } catch (const Exception& e) {
        EXPECT_NE(e.GetMessage().find(L"(.jpeg)"), WideString::npos) << WideToAnsi(e.GetMessage());
    }
}

TEST_F(UniPictureTest, AMissingFileFailsAsTheLibrarysLoadingDoes)
{
    TUniPicture picture;
    EXPECT_ANY_THROW(picture.LoadFromFile(folder + L"\\missing.bmp"));
    EXPECT_EQ(picture.GetGraphic(), nullptr);
}

}  // namespace
