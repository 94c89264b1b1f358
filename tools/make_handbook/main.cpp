// Draws the handbook's pictures of the table from positions laid out card by
// card, with the game's own table and card pictures. Text on the table depends
// on the fonts of the machine, so --check forgives a few pixels.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/HeadlessView.h"
#include "engine/Move.h"
#include "input/Mouse.h"
#include "render/OffscreenTable.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

struct Mark {
    int x, y; // centre
};

struct Picture {
    const char* name;
    QRect area; // of the 640 x 480 table
    std::function<void(Game&)> lay;
    std::function<void(Game&)> move; // a play made on the drawn table, if any
    std::vector<Mark> marks;         // numbered 1, 2, ... for the handbook's text
};

const QRect StatusPanelArea(380, 125, 200, 45), ScoreBoardArea(380, 180, 200, 115);

QRect MarkArea(const Mark& m)
{
    return QRect(m.x - 12, m.y - 12, 25, 25);
}

void DrawMark(QImage& image, int x, int y, int n)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(255, 236, 120));
    p.drawEllipse(QPointF(x, y), 10, 10);
    QFont f = p.font();
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(x - 10, y - 10, 20, 20), Qt::AlignCenter, QString::number(n));
}

void MidGame(Game& g)
{
    Lay(g, "Kh Qs Jd | [Tc] 9c 8h | [2h 6s] 6d | [5s 2c Td] 4h ; 3s 2d - - ; 7c 3h Js (2) ; 5h Kd 9s (3)");
    SetStock(g, 1, {Card("Qd"), Card("4c"), Card("Kc"), Card("8d"), Card("5c"), Card("Jh"), Card("3c"), Card("9d"),
                    Card("Ks"), Card("7d"), Card("Qh"), Card("4d")});
    ParkRest(g, 2);
    g.Wins = 3;
    g.Losses = 2;
}

void LoadExample(Game& g)
{
    Lay(g, "Kh Qs | [Tc] 9h | [2h 6s] Jd | [5s 2c Td] 4h ; 3s 2d - - ; 7c 3h 8h (1) ; 5h Kd 7s (3)");
    SetStock(g, 1, {Card("Qd"), Card("4c"), Card("Kc"), Card("8d"), Card("5c"), Card("Jh"), Card("3c"), Card("9d")});
    ParkRest(g, 2);
}

std::vector<Picture> Pictures()
{
    const QRect hands(360, 15, 280, 390);
    return {
        // Foundations, tableau, the computer's hand, status panel, score board, your hand.
        {"table.png", QRect(0, 0, 640, 480), MidGame, {}, {{90, 57}, {90, 200}, {366, 72}, {366, 147}, {366, 237}, {366, 347}}},
        {"load-before.png", hands, LoadExample, {}, {}},
        {"load-after.png", hands, LoadExample,
         [](Game& g) {
             // What a right-click on the eight does: nowhere else takes it.
             const auto move = WasteAutoMove(g);
             if (!move || move->kind != MoveKind::Load || !Apply(g, *move).done)
                 std::fprintf(stderr, "the example load went elsewhere\n");
         },
         {}},
    };
}

QImage Draw(const Picture& pic)
{
    HeadlessView headless;
    headless.record = false;
    Game g(headless);
    OffscreenTable table(g, LoadBuiltinArt());
    g.view = &table;
    table.LoadBackImage(TANDREL_BACK_PICTURE);
    g.cfg.Animate = 0;
    table.Resize(640, 480);
    pic.lay(g);
    if (const auto sound = Sound(g); !sound) std::fprintf(stderr, "%s: %s\n", pic.name, sound.message());
    table.RedrawTable();
    if (pic.move) {
        pic.move(g);
        table.RedrawTable();
    }
    QImage image = table.WindowImage().convertToFormat(QImage::Format_RGB32);
    for (size_t i = 0; i < pic.marks.size(); ++i) DrawMark(image, pic.marks[i].x, pic.marks[i].y, int(i) + 1);
    g.view = &headless;
    return image.copy(pic.area);
}

// Pixels that differ clearly, out of all, leaving text out.
double Differing(const Picture& pic, const QImage& a, const QImage& b)
{
    std::vector<QRect> text{StatusPanelArea, ScoreBoardArea};
    for (const Mark& m : pic.marks) text.push_back(MarkArea(m));
    long n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QPoint at = pic.area.topLeft() + QPoint(x, y);
            if (std::any_of(text.begin(), text.end(), [&](const QRect& r) { return r.contains(at); })) continue;
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 24) ++n;
        }
    return double(n) / (a.width() * a.height());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: %s [--check] DIR\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[argc - 1]);
    int bad = 0;
    for (const Picture& pic : Pictures()) {
        const QImage drawn = Draw(pic);
        const QString path = dir + "/" + pic.name;
        if (!check) {
            if (!drawn.save(path, "PNG")) std::fprintf(stderr, "cannot write %s\n", qPrintable(path)), ++bad;
            continue;
        }
        const QImage stored = QImage(path).convertToFormat(QImage::Format_RGB32);
        if (stored.isNull() || stored.size() != drawn.size()) {
            std::fprintf(stderr, "%s: missing, unreadable or of another size\n", qPrintable(path));
            ++bad;
        } else if (const double d = Differing(pic, stored, drawn); d > 0.0001) {
            std::fprintf(stderr, "%s: %.2f%% of the pixels are not what the table draws\n", qPrintable(path), 100 * d);
            ++bad;
        }
    }
    return bad == 0 ? 0 : 1;
}
