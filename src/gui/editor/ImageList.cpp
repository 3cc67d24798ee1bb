#include "gui/editor/ImageList.h"

#include "core/model/NodeImages.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

namespace pellor {

namespace {

// All drawing happens in a 16 x 16 space; cell (x, y) is the pixel square [x, x + 1) x [y, y + 1).

enum class Body { Plain, Array, Alias };
enum class Access { ReadWrite, ReadOnly, WriteOnly };

// What each item image shows. Some images stand for several states of the item table (5 and 43
// are write-only items with or without link, 8, 28 and 38 every disabled unlinked item, 9 and
// 40 disabled linked items of several attributes); they show only what all those states share.
struct ItemLook {
    int index;
    Body body;
    bool enabled;
    bool linked;
    Access access;
};

constexpr std::array<ItemLook, 23> kItemLooks = {{
    {2, Body::Plain, true, false, Access::ReadWrite},
    {3, Body::Plain, true, false, Access::ReadOnly},
    {4, Body::Plain, true, true, Access::ReadOnly},
    {5, Body::Plain, true, false, Access::WriteOnly},
    {6, Body::Plain, true, true, Access::ReadWrite},
    {8, Body::Plain, false, false, Access::ReadWrite},
    {9, Body::Plain, false, true, Access::ReadWrite},
    {27, Body::Array, true, false, Access::ReadWrite},
    {28, Body::Array, false, false, Access::ReadWrite},
    {29, Body::Array, true, true, Access::ReadOnly},
    {30, Body::Array, true, true, Access::WriteOnly},
    {31, Body::Array, false, true, Access::ReadOnly},
    {32, Body::Array, false, true, Access::WriteOnly},
    {33, Body::Array, true, true, Access::ReadWrite},
    {34, Body::Array, false, true, Access::ReadWrite},
    {35, Body::Array, true, false, Access::ReadOnly},
    {37, Body::Alias, true, false, Access::ReadWrite},
    {38, Body::Alias, false, false, Access::ReadWrite},
    {39, Body::Alias, true, true, Access::ReadWrite},
    {40, Body::Alias, false, true, Access::ReadWrite},
    {41, Body::Alias, true, true, Access::ReadOnly},
    {42, Body::Alias, true, false, Access::ReadOnly},
    {43, Body::Alias, true, false, Access::WriteOnly},
}};

struct ControllerLook {
    int index;
    bool enabled;
    bool alias;
};

constexpr std::array<ControllerLook, 4> kControllerLooks = {{
    {1, true, false},
    {7, false, false},
    {44, true, true},
    {45, false, true},
}};

// Base colour, light (top) colour and edge colour of a shape.
struct Shade {
    QRgb fill;
    QRgb light;
    QRgb edge;
};

constexpr Shade kPlainShade{0x3d7fd9, 0x9cc4f5, 0x1c4a8c};
constexpr Shade kArrayShade{0x23a06c, 0x8fdfba, 0x0f5e3c};
constexpr Shade kAliasShade{0x9558d0, 0xd2b2f3, 0x52268a};
constexpr Shade kDeviceShade{0x56718f, 0xaabdd2, 0x22374f};
constexpr Shade kFolderShade{0xf2b935, 0xffe28e, 0x946300};
constexpr Shade kPageShade{0xf4f6f9, 0xffffff, 0x5d6875};
constexpr Shade kNeutralShade{0x8c939b, 0xd4d8dc, 0x4d545c};

// The rectangle whose 1-pixel outline covers exactly cells x0..x1, y0..y1.
QRectF cells(int x0, int y0, int x1, int y1) {
    return QRectF(x0 + 0.5, y0 + 0.5, x1 - x0, y1 - y0);
}

QBrush verticalGradient(const QRectF& r, const Shade& shade) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(shade.light));
    g.setColorAt(0.45, QColor(shade.fill));
    g.setColorAt(1.0, QColor(shade.fill).darker(115));
    return QBrush(g);
}

// A rounded box over cells x0..x1, y0..y1 with an outline and a light-to-dark fill.
void box(QPainter& p, int x0, int y0, int x1, int y1, const Shade& shade, qreal radius = 1.5) {
    const QRectF r = cells(x0, y0, x1, y1);
    p.setPen(QPen(QColor(shade.edge), 1.0));
    p.setBrush(verticalGradient(r, shade));
    p.drawRoundedRect(r, radius, radius);
}

// Makes an area transparent again, to keep a gap between a shape and an overlay.
void clearPath(QPainter& p, const QPainterPath& path) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(path, Qt::black);
    p.restore();
}

void clearRoundedRect(QPainter& p, const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    clearPath(p, path);
}

// Paints a small pixel pattern: each character of a row is one cell, '.' or ' ' left as is,
// the others painted in the colour given for them.
void pixels(QPainter& p, int x, int y, std::initializer_list<const char*> rows,
            std::initializer_list<std::pair<char, QRgb>> colours) {
    int row = 0;
    for (const char* line : rows) {
        for (int column = 0; line[column] != '\0'; ++column) {
            for (const auto& [key, colour] : colours) {
                if (line[column] == key)
                    p.fillRect(QRectF(x + column, y + row, 1, 1), QColor(colour));
            }
        }
        ++row;
    }
}

// --- overlays shared by items and controllers ---

// The alias mark: a curved arrow from the lower left bending to the upper right of a box.
void aliasArrow(QPainter& p, const QRectF& b, QRgb colour, qreal width) {
    QPainterPath shaft;
    shaft.moveTo(b.left() + width / 2, b.bottom());
    shaft.quadTo(b.left() + width / 2, b.top() + b.height() * 0.4, b.right() - b.width() * 0.45,
                 b.top() + b.height() * 0.4);
    p.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    const qreal headX = b.right() - b.width() * 0.5;
    const qreal midY = b.top() + b.height() * 0.4;
    const qreal half = b.height() * 0.4;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(colour));
    p.drawPolygon(QPolygonF{{headX, midY - half}, {b.right(), midY}, {headX, midY + half}});
}

// The access mark in the upper right corner: "R" on amber for read only, "W" on red for
// write only; nothing for read and write.
void accessBadge(QPainter& p, Access access) {
    if (access == Access::ReadWrite)
        return;
    clearRoundedRect(p, QRectF(8, -1, 9, 9), 2.5);
    const bool read = access == Access::ReadOnly;
    const Shade shade =
        read ? Shade{0xe08a00, 0xffc04d, 0x8a4d00} : Shade{0xd02b2b, 0xff7a6e, 0x7a1010};
    box(p, 9, 0, 15, 6, shade, 1.5);
    constexpr QRgb white = 0xffffff;
    if (read)
        pixels(p, 11, 1, {"##.", "#.#", "##.", "#.#", "#.#"}, {{'#', white}});
    else
        pixels(p, 10, 1, {"#...#", "#...#", "#.#.#", "#.#.#", ".#.#."}, {{'#', white}});
}

// The link mark in the lower right corner: two linked rings on a light ground, drawn pixel by
// pixel so that they stay crisp at 16 x 16.
void chain(QPainter& p) {
    pixels(p, 7, 7,
           {"....ooooo", "...oo###o", "...o#ooo#", ".ooo#ooo#", "oo###ooo#", "o#ooo###o",
            "o#ooo#ooo", "o#ooo#o..", "oo###oo.."},
           {{'o', 0xf4f6f8}, {'#', 0x2a2e33}});
}

// --- item bodies ---

void plainTile(QPainter& p, int x0, int y0, int x1, int y1, const Shade& shade) {
    box(p, x0, y0, x1, y1, shade, 2.0);
    p.setPen(QPen(QColor(shade.light), 1.0));
    p.drawLine(QPointF(x0 + 2, y0 + 1.5), QPointF(x1 - 1, y0 + 1.5));
}

// A round bead over cells x0..x1, y0..y1, lit from the upper left.
void ball(QPainter& p, int x0, int y0, int x1, int y1, const Shade& shade) {
    const QRectF r = cells(x0, y0, x1, y1);
    QRadialGradient g(r.center() - QPointF(r.width() / 4, r.height() / 4), r.width() * 0.8);
    g.setColorAt(0.0, QColor(0xffffff));
    g.setColorAt(0.25, QColor(shade.light));
    g.setColorAt(0.7, QColor(shade.fill));
    g.setColorAt(1.0, QColor(shade.fill).darker(120));
    p.setPen(QPen(QColor(shade.edge), 1.0));
    p.setBrush(g);
    p.drawEllipse(r);
}

void itemBody(QPainter& p, Body body) {
    switch (body) {
    case Body::Plain:
        ball(p, 1, 4, 10, 13, kPlainShade);
        break;
    case Body::Array:
        // three cards, each a little lower and further left than the one behind it
        plainTile(p, 3, 2, 11, 9, kArrayShade);
        plainTile(p, 2, 4, 10, 11, kArrayShade);
        plainTile(p, 1, 6, 9, 13, kArrayShade);
        break;
    case Body::Alias:
        plainTile(p, 1, 4, 10, 13, kAliasShade);
        aliasArrow(p, QRectF(3.2, 6.0, 5.8, 5.8), 0xffffff, 1.6);
        break;
    }
}

void drawItem(QPainter& p, const ItemLook& look) {
    itemBody(p, look.body);
    accessBadge(p, look.access);
    if (look.linked)
        chain(p);
}

// --- controllers, groups, roots ---

void drawController(QPainter& p, const ControllerLook& look) {
    const Shade shade = look.alias ? kAliasShade : kDeviceShade;
    // terminals on top
    for (int x = 3; x <= 12; x += 3)
        pixels(p, x, 1, {"#", "#"}, {{'#', 0x6b6b6b}});
    box(p, 1, 3, 14, 12, shade, 1.5);
    // feet
    pixels(p, 2, 13, {"##........##"}, {{'#', shade.edge}});
    // front panel with vents and LEDs
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(shade.edge));
    for (int y = 6; y <= 10; y += 2)
        p.drawRect(QRectF(8, y, 5, 1));
    pixels(p, 3, 9, {"##.##", "##.##"}, {{'#', 0x000000}});
    pixels(p, 3, 9, {"#..#."}, {{'#', 0xffffff}});
    pixels(p, 3, 9, {".#...", "##..."}, {{'#', 0x2fd24a}});
    pixels(p, 6, 9, {".#", "##"}, {{'#', 0xffb000}});
    if (look.alias) {
        clearRoundedRect(p, QRectF(-1, 7, 10, 10), 2.0);
        box(p, 0, 8, 7, 15, kPageShade, 1.0);
        aliasArrow(p, QRectF(1.8, 9.8, 4.6, 4.6), kAliasShade.edge, 1.4);
    }
}

void folder(QPainter& p, const Shade& shade) {
    box(p, 1, 2, 7, 5, Shade{shade.edge, shade.fill, shade.edge}, 1.0);
    box(p, 1, 4, 14, 13, shade, 1.0);
}

QPainterPath gear(QPointF centre, qreal outer, qreal inner, int teeth, qreal hole) {
    QPolygonF outline;
    const qreal period = 2 * std::numbers::pi / teeth;
    for (int k = 0; k < teeth; ++k) {
        const qreal a = k * period - std::numbers::pi / 2;
        const std::array<std::pair<qreal, qreal>, 4> points = {{{inner, a},
                                                                {outer, a + 0.18 * period},
                                                                {outer, a + 0.48 * period},
                                                                {inner, a + 0.66 * period}}};
        for (const auto& [r, angle] : points)
            outline << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    if (hole > 0)
        path.addEllipse(centre, hole, hole);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void drawGear(QPainter& p, QPointF centre, qreal outer, qreal inner, int teeth, qreal hole,
              const Shade& shade) {
    const QPainterPath path = gear(centre, outer, inner, teeth, hole);
    QRadialGradient g(centre - QPointF(outer / 3, outer / 3), outer * 1.6);
    g.setColorAt(0.0, QColor(shade.light));
    g.setColorAt(0.6, QColor(shade.fill));
    g.setColorAt(1.0, QColor(shade.fill).darker(120));
    p.setPen(QPen(QColor(shade.edge), 1.0));
    p.setBrush(g);
    p.drawPath(path);
}

void drawRoot(QPainter& p, int index) {
    switch (index) {
    case NodeImages::RootPellor:
        // one large blue gear
        drawGear(p, QPointF(8, 8), 7.6, 5.6, 8, 2.2, kPlainShade);
        break;
    case NodeImages::RootVentorTovan:
        // a pair of meshing gears
        drawGear(p, QPointF(6.2, 9.8), 5.9, 4.3, 8, 1.7, kArrayShade);
        drawGear(p, QPointF(12.2, 3.8), 3.8, 2.6, 6, 1.0, Shade{0xe08a00, 0xffc04d, 0x8a4d00});
        break;
    case NodeImages::RootKelvo: {
        // a red gear carrying a lightning bolt
        drawGear(p, QPointF(8, 8), 7.6, 5.6, 8, 0, Shade{0xd43a2f, 0xff9c8a, 0x7a1010});
        p.setPen(QPen(QColor(0x6b4a00), 0.8));
        p.setBrush(QColor(0xffd83a));
        p.drawPolygon(
            QPolygonF{{9.5, 2.8}, {4.8, 8.8}, {7.7, 8.8}, {6.5, 13.2}, {11.2, 7.2}, {8.3, 7.2}});
        break;
    }
    default:
        break;
    }
}

// --- tool bar and status pictures ---

// A sheet of paper over cells x0..x1, y0..y1 with a folded corner and text lines.
void page(QPainter& p, int x0, int y0, int x1, int y1, bool lines) {
    const QRectF r = cells(x0, y0, x1, y1);
    constexpr qreal fold = 3.0;
    p.setPen(QPen(QColor(kPageShade.edge), 1.0));
    p.setBrush(QColor(kPageShade.fill));
    p.drawPolygon(QPolygonF{r.topLeft(),
                            {r.right() - fold, r.top()},
                            {r.right(), r.top() + fold},
                            r.bottomRight(),
                            r.bottomLeft()});
    p.setBrush(QColor(0xd6dce4));
    p.drawPolygon(QPolygonF{{r.right() - fold, r.top()},
                            {r.right() - fold, r.top() + fold},
                            {r.right(), r.top() + fold}});
    if (!lines)
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7d9cc9));
    for (int y = y0 + 4; y <= y1 - 2; y += 2)
        p.drawRect(QRectF(x0 + 2, y, x1 - x0 - 3, 1));
}

void drawSave(QPainter& p) {
    const QRectF r = cells(1, 1, 14, 14);
    p.setPen(QPen(QColor(0x173b75), 1.0));
    p.setBrush(verticalGradient(r, Shade{0x2f62b3, 0x6f9be0, 0x173b75}));
    p.drawPolygon(QPolygonF{r.topLeft(),
                            {r.right() - 2, r.top()},
                            {r.right(), r.top() + 2},
                            r.bottomRight(),
                            r.bottomLeft()});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe3e8ee));
    p.drawRect(QRectF(4, 1, 7, 5));
    p.setBrush(QColor(0x2f62b3));
    p.drawRect(QRectF(8, 2, 2, 3));
    p.setBrush(QColor(0xffffff));
    p.drawRect(QRectF(3, 8, 10, 6));
    p.setBrush(QColor(0x9aa9c0));
    p.drawRect(QRectF(4, 10, 8, 1));
    p.drawRect(QRectF(4, 12, 8, 1));
}

void drawOpen(QPainter& p) {
    const Shade back{0xd9a028, 0xf2c95c, 0x946300};
    box(p, 1, 2, 7, 5, Shade{back.edge, back.fill, back.edge}, 1.0);
    box(p, 1, 4, 13, 13, back, 1.0);
    p.setPen(QPen(QColor(kFolderShade.edge), 1.0));
    p.setBrush(verticalGradient(QRectF(1, 7, 15, 7), kFolderShade));
    p.drawPolygon(QPolygonF{{4.5, 7.5}, {15.5, 7.5}, {13.0, 13.5}, {1.5, 13.5}});
}

void drawDelete(QPainter& p) {
    for (const auto& [colour, width] : {std::pair<QRgb, qreal>{0x7a1010, 4.2}, {0xe33b3b, 2.4}}) {
        p.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
}

void drawPaste(QPainter& p) {
    box(p, 1, 2, 11, 14, Shade{0xc58b43, 0xe5b77a, 0x7a4e17}, 1.5);
    box(p, 4, 1, 8, 3, Shade{0x9aa2ab, 0xdde1e5, 0x4d5560}, 0.8);
    page(p, 6, 6, 14, 15, true);
}

// A round push button with a white symbol: a square (stopped) or a triangle (running).
void drawServiceButton(QPainter& p, bool running) {
    const Shade shade =
        running ? Shade{0x22a045, 0x8be69d, 0x0d5a22} : Shade{0xd02b2b, 0xff8a7e, 0x7a1010};
    QRadialGradient g(QPointF(6, 5), 10);
    g.setColorAt(0.0, QColor(shade.light));
    g.setColorAt(0.5, QColor(shade.fill));
    g.setColorAt(1.0, QColor(shade.fill).darker(125));
    p.setPen(QPen(QColor(shade.edge), 1.0));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 7.0, 7.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xffffff));
    if (running)
        p.drawPolygon(QPolygonF{{6.0, 4.5}, {11.5, 8.0}, {6.0, 11.5}});
    else
        p.drawRect(QRectF(5, 5, 6, 6));
}

// The tester: a round gauge with a scale and a needle.
void drawTester(QPainter& p) {
    p.setPen(QPen(QColor(0x3a4048), 1.0));
    p.setBrush(QColor(0xf7f7f2));
    p.drawEllipse(QPointF(8, 8.5), 7.0, 7.0);
    const QRectF arc(3.0, 3.5, 10.0, 10.0);
    const std::array<std::pair<QRgb, int>, 3> bands = {
        {{0x2fb24a, 180}, {0xf0b400, 120}, {0xd8322b, 60}}};
    for (const auto& [colour, start] : bands) {
        p.setPen(QPen(QColor(colour), 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(arc, start * 16, -60 * 16);
    }
    p.setPen(QPen(QColor(0x202020), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8.5), QPointF(11.2, 4.6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x202020));
    p.drawEllipse(QPointF(8, 8.5), 1.5, 1.5);
    p.setBrush(QColor(0x8c939b));
    p.drawRect(QRectF(5, 12, 6, 1));
}

// The control tool: three faders at different settings.
void drawControlTool(QPainter& p) {
    const std::array<std::pair<int, int>, 3> faders = {{{3, 3}, {8, 9}, {13, 5}}};
    for (const auto& [x, knob] : faders) {
        p.fillRect(QRectF(x - 0.5, 1, 2, 14), QColor(0x4d545c));
        box(p, x - 2, knob, x + 2, knob + 2, kPlainShade, 0.8);
    }
}

// The launcher: a rocket flying to the upper right.
void drawLauncher(QPainter& p) {
    p.save();
    p.translate(8.0, 8.0);
    p.rotate(45.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff9a1f));
    p.drawPolygon(QPolygonF{{-1.8, 4.6}, {0.0, 8.4}, {1.8, 4.6}});
    p.setPen(QPen(QColor(0x7a1010), 0.8));
    p.setBrush(QColor(0xe33b3b));
    p.drawPolygon(QPolygonF{{-2.2, 1.0}, {-4.4, 5.2}, {-1.6, 4.4}});
    p.drawPolygon(QPolygonF{{2.2, 1.0}, {4.4, 5.2}, {1.6, 4.4}});
    QPainterPath body;
    body.moveTo(0.0, -7.6);
    body.cubicTo(3.4, -4.6, 2.6, 1.0, 2.2, 4.8);
    body.lineTo(-2.2, 4.8);
    body.cubicTo(-2.6, 1.0, -3.4, -4.6, 0.0, -7.6);
    p.setPen(QPen(QColor(0x4d545c), 0.9));
    p.setBrush(QColor(0xeef1f5));
    p.drawPath(body);
    p.setPen(QPen(QColor(0x1c4a8c), 0.8));
    p.setBrush(QColor(0x5aa0f0));
    p.drawEllipse(QPointF(0.0, -2.4), 1.35, 1.35);
    p.restore();
}

// The picture of a dragged item: the outline of an item with the mouse pointer on it.
void drawDrag(QPainter& p) {
    p.setPen(QPen(QColor(kPlainShade.fill), 1.0, Qt::DashLine));
    p.setBrush(QColor(0x3d7fd9).lighter(170));
    p.drawRoundedRect(cells(1, 1, 10, 10), 2.0, 2.0);
    pixels(p, 7, 5,
           {"#......", "##.....", "#o#....", "#oo#...", "#ooo#..", "#oooo#.", "#ooooo#", "#oo####",
            "#o#....", "##....."},
           {{'#', 0x000000}, {'o', 0xffffff}});
}

// Pictures without a fixed meaning: plain grey shapes.
void drawNeutral(QPainter& p, int index) {
    p.setPen(QPen(QColor(kNeutralShade.edge), 1.0));
    p.setBrush(verticalGradient(QRectF(3, 3, 10, 10), kNeutralShade));
    switch (index) {
    case 15:
        page(p, 3, 1, 12, 14, false);
        break;
    case 16:
        p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
        break;
    case 17:
        p.drawRect(cells(4, 4, 11, 11));
        break;
    default:
        p.drawPolygon(QPolygonF{{8, 2.5}, {13.5, 8}, {8, 13.5}, {2.5, 8}});
        break;
    }
}

// Draws a picture; returns true when it is to be shown greyed (disabled).
bool draw(QPainter& p, int index) {
    for (const ItemLook& look : kItemLooks) {
        if (look.index == index) {
            drawItem(p, look);
            return !look.enabled;
        }
    }
    for (const ControllerLook& look : kControllerLooks) {
        if (look.index == index) {
            drawController(p, look);
            return !look.enabled;
        }
    }
    switch (index) {
    case NodeImages::Group:
        folder(p, kFolderShade);
        break;
    case NodeImages::RootPellor:
    case NodeImages::RootVentorTovan:
    case NodeImages::RootKelvo:
        drawRoot(p, index);
        break;
    case NodeImages::DragItem:
        drawDrag(p);
        break;
    case 10:
        drawSave(p);
        break;
    case 11:
        drawOpen(p);
        break;
    case 12:
        drawDelete(p);
        break;
    case 13:
        page(p, 1, 1, 9, 11, true);
        page(p, 6, 4, 14, 15, true);
        break;
    case 14:
        drawPaste(p);
        break;
    case 18:
        drawServiceButton(p, false);
        break;
    case 19:
        drawServiceButton(p, true);
        break;
    case 20:
        drawTester(p);
        break;
    case 21:
        drawControlTool(p);
        break;
    case 26:
        drawLauncher(p);
        break;
    default:
        drawNeutral(p, index);
        break;
    }
    return false;
}

// Disabled pictures: grey, lighter and with less contrast, the shapes unchanged.
void greyOut(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 88 + qGray(line[x]) * 150 / 255;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
}

// Moves any pixel of exactly the mask colour off it, so that the picture stays whole wherever
// the mask colour is taken as transparent.
void keepOffMaskColour(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0 && (line[x] & RGB_MASK) == ImageList::MaskColour)
                line[x] = qRgba(0xc1, 0xc1, 0xc1, qAlpha(line[x]));
        }
    }
}

struct Cache {
    std::array<QPixmap, ImageList::Count + 1> pixmaps;
    std::array<QIcon, ImageList::Count + 1> icons;
    bool cleanupRegistered = false;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

// Pixmaps belong to the application object: drop them when it goes.
void releaseCache() {
    Cache& c = cache();
    c.pixmaps.fill(QPixmap());
    c.icons.fill(QIcon());
    c.cleanupRegistered = false;
}

void registerCleanup(Cache& c) {
    if (c.cleanupRegistered)
        return;
    qAddPostRoutine(releaseCache);
    c.cleanupRegistered = true;
}

} // namespace

QImage ImageList::render(int index, int scale) {
    if (index < 1 || index > Count || scale < 1)
        return {};
    QImage image(Size * scale, Size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    bool greyed = false;
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        greyed = draw(p, index);
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (greyed)
        greyOut(image);
    keepOffMaskColour(image);
    return image;
}

const QPixmap& ImageList::pixmap(int index) {
    static const QPixmap none;
    if (index < 1 || index > Count)
        return none;
    Cache& c = cache();
    QPixmap& slot = c.pixmaps[size_t(index)];
    if (slot.isNull()) {
        registerCleanup(c);
        slot = QPixmap::fromImage(render(index));
    }
    return slot;
}

QIcon ImageList::icon(int index) {
    if (index < 1 || index > Count)
        return {};
    Cache& c = cache();
    QIcon& slot = c.icons[size_t(index)];
    if (slot.isNull()) {
        registerCleanup(c);
        QPixmap sharp = QPixmap::fromImage(render(index, 2));
        sharp.setDevicePixelRatio(2.0);
        slot.addPixmap(pixmap(index));
        slot.addPixmap(sharp);
    }
    return slot;
}

} // namespace pellor
