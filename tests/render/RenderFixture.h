#pragma once
// A table of 640 x 480 drawn with the sample card pictures, for a game filled
// in by hand, and a way to compare areas of two pictures pixel by pixel.
#include <QImage>
#include <gtest/gtest.h>
#include <memory>

#include "engine/HeadlessView.h"
#include "render/OffscreenTable.h"

namespace tandrel::testing {

class RenderTest : public ::testing::Test {
protected:
    RenderTest() : game(headless) { MakeTable(); }

    void MakeTable(const CardArt& art = SampleArt())
    {
        table = std::make_unique<OffscreenTable>(game, art);
        table->Resize(640, 480);
    }

    QImage window() const { return table->WindowImage(); }

    // The bare table with the given cards drawn on it in order.
    struct Placed {
        int x, y, card;
    };
    QImage Expected(std::initializer_list<Placed> cards) const
    {
        QImage image = table->BareTable();
        for (const Placed& c : cards) table->DrawCardOn(image, c.x, c.y, c.card);
        return image;
    }

    HeadlessView headless;
    Game game;
    std::unique_ptr<OffscreenTable> table;
};

// Empty when the area is the same in both pictures; otherwise where it differs first.
inline std::string AreaDiff(const QImage& a, const QImage& b, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "differs at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "";
}

} // namespace tandrel::testing
