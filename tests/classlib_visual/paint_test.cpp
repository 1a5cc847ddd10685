#include <gtest/gtest.h>

#include <memory>

#include "classlib/ExtCtrls.h"
#include "classlib/Filers.h"
#include "classlib/FormText.h"
#include "classlib/Themes.h"
#include "visual_classes.h"

namespace {

constexpr uint32_t Red = 0xFF0000, Lime = 0x00FF00, Blue = 0x0000FF, Yellow = 0xFFFF00, Purple = 0x800080,
                   White = 0xFFFFFF;

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TVisualForm>(nullptr);
        form->Show();
        Application->ProcessMessages();
    }
    void TearDown() override
    {
        form.reset();
        Application->ProcessMessages();
    }
    std::unique_ptr<TVisualForm> form;
};

TEST_F(PaintTest, CustomControlPaintsItselfAndItsGraphicChildAtItsOffset)
{
    TPrintedControl printed(form->TopPanel, PRF_CLIENT);
    EXPECT_EQ(printed.Pixel(0, 0), Red);
    EXPECT_EQ(printed.Pixel(9, 5), Red);
    EXPECT_EQ(printed.Pixel(10, 5), Lime);
    EXPECT_EQ(printed.Pixel(29, 24), Lime);
    EXPECT_EQ(printed.Pixel(30, 24), Red);
    EXPECT_EQ(printed.Pixel(29, 25), Red);
}

TEST_F(PaintTest, ContainersPrintTheirWindowedChildrenWhenAsked)
{
    TPrintedControl alone(form->ClientPanel, PRF_CLIENT);
    EXPECT_EQ(alone.Pixel(245, 15), Blue);
    TPrintedControl withChildren(form->ClientPanel, PRF_CLIENT | PRF_CHILDREN);
    EXPECT_EQ(withChildren.Pixel(240, 10), Yellow);
    EXPECT_EQ(withChildren.Pixel(289, 39), Yellow);
    EXPECT_EQ(withChildren.Pixel(290, 39), Blue);
}

TEST_F(PaintTest, FormPrintsTheGraphicControlAlignedToItsBottom)
{
    TPrintedControl printed(form.get(), PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(printed.Pixel(150, 190), Purple);
    EXPECT_EQ(printed.Pixel(150, 179), White);  // the windowed panel above is not printed
}

TEST_F(PaintTest, ScreenShowsTheFormAsPainted)
{
    form->Update();
    for (TWinControl* c : {static_cast<TWinControl*>(form->TopPanel), static_cast<TWinControl*>(form->ClientPanel)})
        c->Update();
    Application->ProcessMessages();
    HDC screen = GetDC(nullptr);
    TPoint shape = form->Shape->ClientToScreen(TPoint(5, 5));
    TPoint inner = form->Inner->ClientToScreen(TPoint(5, 5));
    EXPECT_EQ(GetPixel(screen, shape.x, shape.y), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(screen, inner.x, inner.y), RGB(255, 255, 0));
    // A screenshot for a person to look at, when asked for one.
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("VARIRUVU_SCREENSHOT", path, MAX_PATH)) {
        TBitmap shot;
        shot.SetSize(Screen->GetWidth(), Screen->GetHeight());
        BitBlt(shot.GetCanvas()->GetHandle(), 0, 0, shot.GetWidth(), shot.GetHeight(), screen, 0, 0, SRCCOPY);
        shot.SaveToFile(path);
    }
    ReleaseDC(nullptr, screen);
}

TEST(CanvasTest, DrawsOnABitmap)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(20, 10);
    TCanvas* canvas = bitmap.GetCanvas();
    EXPECT_EQ(canvas->GetPixels(3, 3), static_cast<TColor>(0xFFFFFF));
    canvas->GetBrush()->SetColor(clRed);
    canvas->FillRect(TRect(0, 0, 10, 10));
    canvas->GetPen()->SetColor(clBlue);
    canvas->MoveTo(0, 9);
    canvas->LineTo(20, 9);
    canvas->SetPixels(15, 2, clLime);
    EXPECT_EQ(canvas->GetPixels(5, 5), clRed);
    EXPECT_EQ(canvas->GetPixels(12, 5), clWhite);
    EXPECT_EQ(canvas->GetPixels(15, 9), clBlue);
    EXPECT_EQ(canvas->GetPixels(15, 2), clLime);
    EXPECT_EQ(canvas->GetPenPos(), TPoint(20, 9));
    // a system colour is resolved
    canvas->GetBrush()->SetColor(clBtnFace);
    canvas->FillRect(TRect(0, 0, 1, 1));
    EXPECT_EQ(static_cast<COLORREF>(canvas->GetPixels(0, 0)), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
    // text leaves ink and measures more than nothing
    canvas->GetBrush()->SetColor(clWhite);
    canvas->FillRect(TRect(0, 0, 20, 10));
    canvas->GetFont()->SetColor(clBlack);
    TSize extent = canvas->TextExtent("W");
    EXPECT_GT(extent.cx, 0);
    EXPECT_GT(extent.cy, 0);
    canvas->TextOut(0, 0, "W");
    bool ink = false;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ink = ink || canvas->GetPixels(x, y) == clBlack;
    EXPECT_TRUE(ink);
}

// Shapes, pictures drawn stretched and with a copy mode, the focus rectangle
// and clipped text, each where it belongs on a white bitmap.
TEST(CanvasTest, ShapesPicturesCopyModesAndClippedText)
{
    TBitmap bitmap;
    bitmap.SetSize(40, 20);
    TCanvas* canvas = bitmap.GetCanvas();
    // a rectangle: outlined by the pen, filled by the brush
    canvas->GetPen()->SetColor(clBlue);
    canvas->GetBrush()->SetColor(clYellow);
    canvas->Rectangle(0, 0, 10, 10);
    EXPECT_EQ(canvas->GetPixels(0, 0), clBlue);
    EXPECT_EQ(canvas->GetPixels(9, 9), clBlue);
    EXPECT_EQ(canvas->GetPixels(5, 5), clYellow);
    EXPECT_EQ(canvas->GetPixels(10, 5), clWhite);
    // a frame: one pixel of the brush's colour, the inside untouched
    canvas->GetBrush()->SetColor(clRed);
    canvas->FrameRect(TRect(12, 0, 20, 8));
    EXPECT_EQ(canvas->GetPixels(12, 0), clRed);
    EXPECT_EQ(canvas->GetPixels(19, 7), clRed);
    EXPECT_EQ(canvas->GetPixels(15, 4), clWhite);
    // a filled triangle
    canvas->GetPen()->SetColor(clLime);
    canvas->GetBrush()->SetColor(clLime);
    canvas->Polygon({TPoint(22, 0), TPoint(38, 0), TPoint(22, 16)});
    EXPECT_EQ(canvas->GetPixels(24, 2), clLime);
    EXPECT_EQ(canvas->GetPixels(37, 15), clWhite);

    // a picture of two pixels stretched over 8 x 4, and drawn inverted
    TBitmap pair;
    pair.SetSize(2, 1);
    pair.GetCanvas()->SetPixels(0, 0, clRed);
    pair.GetCanvas()->SetPixels(1, 0, clBlue);
    canvas->StretchDraw(TRect(0, 12, 8, 16), &pair);
    EXPECT_EQ(canvas->GetPixels(1, 13), clRed);
    EXPECT_EQ(canvas->GetPixels(6, 15), clBlue);
    EXPECT_EQ(canvas->GetPixels(8, 14), clWhite);
    canvas->SetCopyMode(NOTSRCCOPY);
    canvas->Draw(10, 12, &pair);
    canvas->SetCopyMode(SRCCOPY);
    EXPECT_EQ(canvas->GetPixels(10, 12), clAqua);
    EXPECT_EQ(canvas->GetPixels(11, 12), clYellow);

    // the focus rectangle inverts, so drawing it twice leaves nothing
    auto changedOnItsEdge = [&] {
        int changed = 0;
        for (int x = 14; x < 30; ++x)
            changed += canvas->GetPixels(x, 17) != clWhite;
        return changed;
    };
    canvas->DrawFocusRect(TRect(14, 17, 30, 20));
    EXPECT_GT(changedOnItsEdge(), 0);
    canvas->DrawFocusRect(TRect(14, 17, 30, 20));
    EXPECT_EQ(changedOnItsEdge(), 0);

    // text in a rectangle: the rectangle takes the brush, nothing reaches past it
    TBitmap text;
    text.SetSize(60, 20);
    TCanvas* textCanvas = text.GetCanvas();
    textCanvas->GetFont()->SetColor(clBlack);
    textCanvas->GetBrush()->SetColor(clYellow);
    textCanvas->TextRect(TRect(0, 0, 10, 20), 0, 0, "WWWWWW");
    int inkInside = 0, outside = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const TColor pixel = textCanvas->GetPixels(x, y);
            if (x < 10)
                inkInside += pixel != clYellow;
            else
                outside += pixel != clWhite;
        }
    EXPECT_GT(inkInside, 0);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(textCanvas->GetPixels(9, 19), clYellow);
}

TEST(CanvasTest, FontChangesAreAnnounced)
{
    TFont font;
    int changes = 0;
    font.OnChange = TNotifyEvent::FromFunction([&](TObject*) { ++changes; });
    font.SetSize(12);
    font.SetSize(12);
    font.SetStyle({fsBold});
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(font.GetSize(), 12);
    EXPECT_NE(font.GetHandle(), nullptr);
}

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = AnsiString(temp) + "visual_tests_" + IntToStr(static_cast<int>(GetCurrentProcessId()));
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override
    {
        for (const AnsiString& f : files)
            DeleteFileA(f.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    AnsiString Fixture(const char* resource, const char* name)
    {
        TResourceStream stream(GetModuleHandleA(nullptr), resource, RT_RCDATA);
        AnsiString path = folder + "\\" + name;
        stream.SaveToFile(path);
        files.push_back(path);
        return path;
    }
    AnsiString folder;
    std::vector<AnsiString> files;
};

TEST_F(PictureTest, PngWithAlphaLoadsWithItsPixelValues)
{
    TPicture picture;
    int changes = 0;
    picture.OnChange = TNotifyEvent::FromFunction([&](TObject*) { ++changes; });
    picture.LoadFromFile(Fixture("ALPHA_PNG", "alpha.png"));
    EXPECT_EQ(changes, 1);
    auto* png = dynamic_cast<TPngImage*>(picture.GetGraphic());
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(picture.GetWidth(), 3);
    EXPECT_EQ(picture.GetHeight(), 2);
    struct {
        int X, Y;
        TColor Color;
        int Alpha;
    } cases[] = {{0, 0, RGB(255, 0, 0), 255}, {1, 0, RGB(0, 255, 0), 128},   {2, 0, RGB(0, 0, 255), 0},
                 {0, 1, RGB(10, 20, 30), 40}, {1, 1, RGB(255, 255, 255), 255}, {2, 1, RGB(0, 0, 0), 255}};
    for (const auto& c : cases) {
        EXPECT_EQ(png->GetPixel(c.X, c.Y), c.Color) << c.X << "," << c.Y;
        EXPECT_EQ(png->GetAlpha(c.X, c.Y), c.Alpha) << c.X << "," << c.Y;
    }

    // drawn over white with its alpha
    TBitmap target;
    target.SetPixelFormat(pf24bit);
    target.SetSize(3, 2);
    target.GetCanvas()->Draw(0, 0, png);
    auto channel = [&](int x, int y, int shift) { return (target.GetCanvas()->GetPixels(x, y) >> shift) & 0xFF; };
    EXPECT_EQ(target.GetCanvas()->GetPixels(0, 0), RGB(255, 0, 0));
    EXPECT_NEAR(channel(1, 0, 0), 127, 1);
    EXPECT_EQ(channel(1, 0, 8), 255);
    EXPECT_EQ(target.GetCanvas()->GetPixels(2, 0), RGB(255, 255, 255));

    TPicture copy;
    copy.Assign(&picture);
    ASSERT_NE(dynamic_cast<TPngImage*>(copy.GetGraphic()), nullptr);
    EXPECT_EQ(static_cast<TPngImage*>(copy.GetGraphic())->GetAlpha(1, 0), 128);
}

TEST_F(PictureTest, FormatErrorsRaiseThePictureError)
{
    TPicture picture;
    EXPECT_THROW(picture.LoadFromFile(Fixture("BROKEN_PNG", "broken.png")), EInvalidGraphic);
    EXPECT_EQ(picture.GetGraphic(), nullptr);
    EXPECT_THROW(picture.LoadFromFile(Fixture("ALPHA_PNG", "alpha.xyz")), EInvalidGraphic);
    TMemoryStream garbage;
    garbage.WriteBuffer("nonsense", 8);
    garbage.SetPosition(0);
    EXPECT_THROW(picture.LoadFromStream(&garbage), EInvalidGraphic);
}

TEST_F(PictureTest, BitmapRoundTripsThroughAFileAndTheStreamSignature)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 3);
    bitmap.GetCanvas()->SetPixels(1, 2, clBlue);
    AnsiString path = folder + "\\round.bmp";
    files.push_back(path);
    bitmap.SaveToFile(path);
    TPicture picture;
    picture.LoadFromFile(path);
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.GetGraphic()), nullptr);
    EXPECT_EQ(picture.GetBitmap()->GetCanvas()->GetPixels(1, 2), clBlue);
    EXPECT_EQ(picture.GetBitmap()->GetCanvas()->GetPixels(0, 0), clWhite);
    TFileStream stream(path, fmOpenRead);
    TPicture fromStream;
    fromStream.LoadFromStream(&stream);
    EXPECT_EQ(fromStream.GetWidth(), 4);
}

// A form carries a picture with its format: written out and read back, the PNG keeps its pixels.
TEST_F(PictureTest, AFormCarriesAPictureWithItsFormat)
{
    TImage image(nullptr);
    image.SetName("Logo");
    image.GetPicture()->LoadFromFile(Fixture("ALPHA_PNG", "alpha.png"));
    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(&image);
    stream.SetPosition(0);
    TImage copy(nullptr);
    TReader(&stream).ReadRootComponent(&copy);
    auto* png = dynamic_cast<TPngImage*>(copy.GetPicture()->GetGraphic());
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(png->GetPixel(0, 1), RGB(10, 20, 30));
    EXPECT_EQ(png->GetAlpha(1, 0), 128);

    // The data names its graphic class first; a class the picture does not know is a picture error.
    const AnsiString text = "object Logo: TImage\r\n  Picture.Data = {\r\n    0454446F6F0102}\r\nend\r\n";
    TMemoryStream textStream, binary;
    textStream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
    textStream.SetPosition(0);
    ObjectTextToBinary(&textStream, &binary);
    binary.SetPosition(0);
    TImage broken(nullptr);
    EXPECT_THROW(TReader(&binary).ReadRootComponent(&broken), EInvalidGraphic);
}

TEST(ThemesTest, FlagCanBeSwitched)
{
    bool initial = ThemesEnabled();
    SetThemesEnabled(!initial);
    EXPECT_EQ(ThemesEnabled(), !initial);
    SetThemesEnabled(initial);
}

}  // namespace
