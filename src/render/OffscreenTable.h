#pragma once
// A table drawn into memory only, for tests and benchmarks: time passes at
// once, sounds and messages are only recorded, and the changed area of the
// window is collected. SampleArt makes plain card pictures of the right sizes
// for runs where the built-in artwork is not wanted.
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "render/QtTable.h"

namespace tandrel {

class OffscreenTable : public QtTable {
public:
    using QtTable::QtTable;

    std::vector<std::string> messages;
    std::vector<int> sounds;
    QRect changed; // union of the window areas changed since it was last cleared
    int changes = 0;

    void Pause(int) override {}
    void DoEvents() override {}
    void FrameDelay() override {}
    void PlayWave(int index) override { sounds.push_back(index); }
    MsgAnswer ShowMessage(const std::string& text, MsgIcon, MsgButtons buttons, const std::string&) override
    {
        messages.push_back(text);
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
    }
    void SetBusyCursor(bool) override {}

protected:
    void Changed(const QRect& r) override
    {
        changed |= r;
        ++changes;
    }
};

// Every cell a different colour that also changes across the cell, so a card
// drawn from the wrong cell or at the wrong place shows; the corners are the
// yellow key. No pixel but the corners is pure yellow.
inline CardArt SampleArt()
{
    CardArt art;
    for (int s = 0; s < 4; ++s) {
        QImage sheet(284, 380, QImage::Format_RGB32);
        for (int y = 0; y < sheet.height(); ++y) {
            for (int x = 0; x < sheet.width(); ++x) {
                const int col = x / 71, row = y / 95, cx = x % 71, cy = y % 95;
                const bool corner = std::min(cx, 70 - cx) + std::min(cy, 94 - cy) < 3;
                sheet.setPixel(x, y, corner ? TransparentKey
                                            : qRgb(45 * s + 12 * col + cx, 40 * row + cy, 40 + 50 * col + cx / 2));
            }
        }
        art.sheets[s] = sheet;
    }
    art.shadow = QImage(73, 97, QImage::Format_RGB32);
    art.shadow.fill(TransparentKey);
    for (int y = 0; y < 97; ++y)
        for (int x = 0; x < 73; ++x)
            if ((x >= 71 || y >= 95) && !(x == 72 && y == 96)) art.shadow.setPixel(x, y, qRgb(60 + x % 3, 60 + y % 5, 30));
    art.tile = QImage(239, 177, QImage::Format_RGB32);
    for (int y = 0; y < 177; ++y)
        for (int x = 0; x < 239; ++x) art.tile.setPixel(x, y, qRgb(x, y, (x * y) % 200 + 20));
    return art;
}

} // namespace tandrel
