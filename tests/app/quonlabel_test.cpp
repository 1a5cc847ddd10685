// The drop-shadow label: where its two drawings of the caption lie, painted
// into a memory bitmap, and when it repaints.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <vector>

#include "app/quonlabel.h"
#include "classlib/Forms.h"

namespace {

// Pure colours, so that every pixel of exactly one of them belongs to that drawing.
constexpr TColor CaptionColor = 0x0000C8;  // red
constexpr TColor ShadowColor = 0xC80000;   // blue
constexpr int LabelWidth = 140, LabelHeight = 36;

// Where the pixels of one colour lie; empty when there is none.
struct TBox {
    int Left = INT_MAX, Top = INT_MAX, Right = INT_MIN, Bottom = INT_MIN;
    bool Empty() const { return Right < Left; }
    TBox Moved(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    bool operator==(const TBox& o) const
    {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

std::ostream& operator<<(std::ostream& out, const TBox& box)
{
    return box.Empty() ? out << "(none)"
                       : out << "(" << box.Left << "," << box.Top << ")-(" << box.Right << "," << box.Bottom << ")";
}

// A label of the test's font and colours, without a parent.
std::unique_ptr<Tquonlabel> MakeLabel(TCaptionAlignment alignment, int offset)
{
    auto label = std::make_unique<Tquonlabel>(nullptr);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, LabelWidth, LabelHeight);
    label->SetCaption("Wipe out");
    label->GetFont()->SetName("Tahoma");
    label->GetFont()->SetHeight(-20);
    label->GetFont()->SetStyle(TFontStyles{fsBold});
    label->SetForegroundColor(CaptionColor);
    label->SetBackgroundColor(ShadowColor);
    label->SetCaptionAlignment(alignment);
    label->SetOffset(offset);
    return label;
}

// The label painted on white: the boxes of its caption colour and its shadow colour.
struct TPainted {
    TBox Caption, Shadow;
};

TPainted Paint(Tquonlabel& label)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), LabelWidth, -LabelHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    auto* pixels = static_cast<uint32_t*>(bits);
    std::fill(pixels, pixels + LabelWidth * LabelHeight, 0xFFFFFFu);
    label.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    GdiFlush();
    TPainted painted;
    for (int y = 0; y < LabelHeight; ++y)
        for (int x = 0; x < LabelWidth; ++x) {
            // The bitmap holds 0x00RRGGBB, a colour value 0x00BBGGRR.
            const uint32_t p = pixels[y * LabelWidth + x] & 0xFFFFFF;
            const TColor color = static_cast<TColor>((p & 0xFF) << 16 | (p & 0xFF00) | p >> 16);
            TBox* box = color == CaptionColor ? &painted.Caption : color == ShadowColor ? &painted.Shadow : nullptr;
            if (box)
                *box = {std::min(box->Left, x), std::min(box->Top, y), std::max(box->Right, x),
                        std::max(box->Bottom, y)};
        }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return painted;
}

const char* const AlignmentNames[] = {"caLeft", "caRight", "caCenter"};

// With Offset 0 the caption covers its shadow exactly; that drawing is where
// the caption lies without any offset, the yardstick of the other cases.
TEST(QuonLabel, OffsetZeroDrawsTheCaptionOverItsShadowAndNoShadowShows)
{
    for (TCaptionAlignment alignment : {caLeft, caRight, caCenter}) {
        SCOPED_TRACE(AlignmentNames[alignment]);
        const TPainted painted = Paint(*MakeLabel(alignment, 0));
        EXPECT_FALSE(painted.Caption.Empty());
        EXPECT_TRUE(painted.Shadow.Empty()) << painted.Shadow;
    }
    const TBox left = Paint(*MakeLabel(caLeft, 0)).Caption;
    const TBox right = Paint(*MakeLabel(caRight, 0)).Caption;
    const TBox centre = Paint(*MakeLabel(caCenter, 0)).Caption;
    EXPECT_LE(left.Left, 2);
    EXPECT_GE(right.Right, LabelWidth - 3);
    EXPECT_EQ(right.Top, left.Top);
    EXPECT_NEAR((centre.Left + centre.Right) / 2, LabelWidth / 2, 2);
}

// Left: the shadow lies Offset right of and below the caption. Right: the
// caption moves Offset in from the right edge, its shadow stays at it. Centre:
// the caption moves half the offset left, the shadow half of it right.
TEST(QuonLabel, TheShadowLiesOffsetPixelsRightAndDownAsTheAlignmentPlacesIt)
{
    for (TCaptionAlignment alignment : {caLeft, caRight, caCenter})
        for (int offset : {1, 3}) {
            SCOPED_TRACE(AnsiString(AlignmentNames[alignment]) + ", Offset " + std::to_string(offset));
            const TBox plain = Paint(*MakeLabel(alignment, 0)).Caption;
            const TPainted painted = Paint(*MakeLabel(alignment, offset));
            ASSERT_FALSE(painted.Shadow.Empty());
            const int captionShift = alignment == caRight ? -offset : alignment == caCenter ? -(offset / 2) : 0;
            EXPECT_EQ(painted.Caption, plain.Moved(captionShift, 0));
            // The caption hides the shadow's top and left; its right and bottom edges show.
            EXPECT_EQ(painted.Shadow.Bottom, plain.Bottom + offset);
            const int shadowShift = painted.Shadow.Right - plain.Right;
            if (alignment == caLeft)
                EXPECT_EQ(shadowShift, offset);
            else if (alignment == caRight)
                EXPECT_EQ(shadowShift, 0);
            else
                EXPECT_TRUE(shadowShift == offset / 2 || shadowShift == (offset + 1) / 2) << shadowShift;
        }
}

// Counts its paintings on a shown form.
class TCountingLabel : public Tquonlabel {
public:
    using Tquonlabel::Tquonlabel;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        Tquonlabel::Paint();
    }
};

class QuonLabelOnAForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<TForm>(nullptr);
        host->SetBounds(40, 40, 300, 120);
        label = new TCountingLabel(host.get());
        label->SetParent(host.get());
        label->SetBounds(10, 10, 200, 30);
        label->SetAutoSize(false);
        label->SetCaption("Version:");
        host->Show();
        Application->ProcessMessages();
        label->Paints = 0;
    }
    void TearDown() override { host.reset(); }

    std::unique_ptr<TForm> host;
    TCountingLabel* label = nullptr;
};

// Each setter repaints at once when the value changes, and not at all when it is the one the label has.
TEST_F(QuonLabelOnAForm, ASetterRepaintsOnlyWhenTheValueChanges)
{
    struct TSetter {
        const char* Name;
        std::function<void(Tquonlabel&, bool)> Set;  // true: the value the label has
    };
    const TSetter setters[] = {
        {"ForegroundColor", [](Tquonlabel& l, bool same) { l.SetForegroundColor(same ? l.GetForegroundColor() : clRed); }},
        {"BackgroundColor", [](Tquonlabel& l, bool same) { l.SetBackgroundColor(same ? l.GetBackgroundColor() : clBlue); }},
        {"Offset", [](Tquonlabel& l, bool same) { l.SetOffset(same ? l.GetOffset() : l.GetOffset() + 2); }},
        {"CaptionAlignment",
         [](Tquonlabel& l, bool same) { l.SetCaptionAlignment(same ? l.GetCaptionAlignment() : caCenter); }},
        {"AutoSize", [](Tquonlabel& l, bool same) { l.SetAutoSize(same ? l.GetAutoSize() : !l.GetAutoSize()); }},
        {"Caption", [](Tquonlabel& l, bool same) { l.SetCaption(same ? l.GetCaption() : l.GetCaption() + "!"); }},
    };
    for (const TSetter& setter : setters) {
        SCOPED_TRACE(setter.Name);
        label->Paints = 0;
        setter.Set(*label, true);
        EXPECT_EQ(label->Paints, 0);
        setter.Set(*label, false);
        EXPECT_GE(label->Paints, 1);
    }
}

// A size notification repaints; the caption's accelerator is taken and nothing else;
// the mouse notifications become the label's events.
TEST_F(QuonLabelOnAForm, ItsMessagesRepaintTakeItsAcceleratorAndRaiseTheMouseEvents)
{
    label->Perform(WM_SIZE, 0, 0);
    EXPECT_GE(label->Paints, 1);

    label->SetCaption("&Version:");
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'v', 0), 1);
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'V', 0), 1);
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'e', 0), 0);

    std::vector<AnsiString> raised;
    label->OnMouseEnter = TNotifyEvent::FromFunction([&](TObject* sender) {
        raised.push_back(sender == label ? "enter" : "enter from elsewhere");
    });
    label->OnMouseLeave = TNotifyEvent::FromFunction([&](TObject* sender) {
        raised.push_back(sender == label ? "leave" : "leave from elsewhere");
    });
    label->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(label));
    label->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(raised, (std::vector<AnsiString>{"enter", "leave"}));
}

// An auto-sized label takes the size of its caption in its own font plus the
// offset, also after its font grows.
TEST_F(QuonLabelOnAForm, AnAutoSizedLabelFitsItsCaptionInItsOwnFont)
{
    auto extent = [&] {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, label->GetFont()->GetHandle());
        SIZE size{};
        const AnsiString caption = label->GetCaption();
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        SelectObject(dc, old);
        DeleteDC(dc);
        return size;
    };
    label->SetOffset(3);
    label->SetAutoSize(true);
    SIZE size = extent();
    EXPECT_EQ(label->GetWidth(), size.cx + 3);
    EXPECT_EQ(label->GetHeight(), size.cy + 3);

    label->GetFont()->SetHeight(-30);
    Application->ProcessMessages();
    size = extent();
    EXPECT_EQ(label->GetWidth(), size.cx + 3);
    EXPECT_EQ(label->GetHeight(), size.cy + 3);
}

}  // namespace
