// Kit panels on a form of their own, and their pictures printed into a DIB section.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "classlib/Forms.h"
#include "components/KitPanel.h"
#include "kit_fixture.h"

class KitPanelTest : public testing::Test {
protected:
    static constexpr TColor FormColor = 0x00406080;

    void SetUp() override;
    // A panel on the form at (10, 10), its window made.
    TKitPanel* AddPanel(int width, int height);
    // The panel as it paints itself (background and children included).
    static std::unique_ptr<TPixelSurface> Print(TKitPanel* panel);

    std::unique_ptr<TForm> form;
};
