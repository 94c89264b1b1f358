#pragma once
// The table's text measured and drawn ahead, on a thread of its own. The
// toolkit loads a font and hints each glyph once per thread, the first time it
// is asked: for the first picture of the table that is two fonts and a few
// dozen glyphs, milliseconds the first paint need not wait for. Each line is
// drawn on the face it will stand on, so wherever the window shows only that
// face under the line, its picture stands in for drawing it.
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>
#include <chrono>
#include <future>
#include <vector>

class QFont;

namespace tandrel {

// One line: in the table font or its bold, made smaller until it fits room
// when room > 0; drawn in ink on face, or only measured when ink is invalid.
struct TextOrder {
    QString text;
    bool bold = false;
    int room = 0;
    QColor ink, face;
};

struct TextPicture {
    QImage image; // what drawing the line changes on the face, at the scale asked for
    QPoint at;    // its top left from the line's top left (table pixels)
    QColor face;
};

struct LineFacts {
    int ascent = 0, height = 0;
};

class PreparedText {
public:
    PreparedText() = default;
    ~PreparedText();
    PreparedText(const PreparedText&) = delete;
    PreparedText& operator=(const PreparedText&) = delete;

    // Starts the work, once: the table font fitted from family and points
    // (as TableFont does), then the orders, at scale device pixels a table
    // pixel. Without a thread to be had nothing is prepared.
    void Start(const QString& family, double points, std::vector<TextOrder> orders, int scale);
    // Takes the work once it is done, waiting at most wait for it: true from
    // then on. Until then every answer below is "not known", and the caller
    // measures and draws for itself rather than wait longer than that costs.
    bool Take(std::chrono::milliseconds wait = {});

    // The fitted table font's size; 0 when not known.
    double TablePoints() { return Take() ? points_ : 0; }
    // What a font (of the table font's family) makes of a line; false when not known.
    bool Fitted(const QFont& font, const QString& text, int room, double& points);
    bool Facts(const QFont& font, LineFacts& facts);
    bool Advance(const QFont& font, const QString& text, int& advance);
    // The line drawn in ink on face; null when not prepared so.
    const TextPicture* Picture(const QFont& font, const QString& text, const QColor& ink, const QColor& face);

private:
    void Work(const QString& family, double points, const std::vector<TextOrder>& orders, int scale);

    std::future<void> work_;
    bool taken_ = false; // done and waited for: what it wrote is this thread's to read
    double points_ = 0;
    QHash<QString, double> fitted_;
    QHash<QString, LineFacts> facts_;
    QHash<QString, int> advances_;
    QHash<QString, TextPicture> pictures_;
};

// A line drawn as the table draws text, on a face of its own; null when it shows nothing.
TextPicture DrawLine(const QFont& font, const QString& text, const QColor& ink, const QColor& face, int scale);

} // namespace tandrel
