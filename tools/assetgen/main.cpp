// Draws Torvane's whole picture set (start screen, inner screens, left panel,
// navigation buttons, section tiles) so that no binary art lives in the tree.
// Every picture comes twice: name.png and name@2x.png, the second drawn at
// twice the pixel density for HiDPI screens.
//
//   torvane-assetgen --out DIR --panel FILE [--icon FILE] [--icon-theme DIR]

#include "base/pictures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

// The pictures' file names, words and sizes are the program's own.
using torvane::base::LocalizedText;
namespace pictures = torvane::base::pictures;
namespace base = torvane::base;

using namespace Qt::StringLiterals;

namespace {

// ---------------------------------------------------------------- palette

namespace pal {
const QColor navy(0x0B, 0x25, 0x45);
const QColor navyDeep(0x06, 0x17, 0x2D);
const QColor teal(0x13, 0xA8, 0x9E);
const QColor tealDark(0x0D, 0x7C, 0x75);
const QColor tealLight(0x9F, 0xE3, 0xDC);
const QColor amber(0xF2, 0xA5, 0x41);
const QColor amberLight(0xFF, 0xD2, 0x8A);
const QColor amberDark(0xD9, 0x82, 0x1E);
const QColor line(0xCF, 0xDB, 0xE7);
} // namespace pal

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// Pixel density of the picture being drawn: 1, or 2 for the @2x set. Drawing
// code works in logical pixels either way.
qreal g_density = 1;

QImage canvas(int w, int h, QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    QImage img(qRound(w * g_density), qRound(h * g_density), format);
    img.setDevicePixelRatio(g_density);
    img.fill(Qt::transparent);
    return img;
}

void smooth(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont uiFont(int px, bool bold = true)
{
    QFont f(u"DejaVu Sans"_s);
    f.setPixelSize(px);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Fakes a blurred drop shadow by stacking faint, growing copies of the shape;
// cheap enough to run at every build.
void softShadow(QPainter &p, const QPainterPath &shape, QPointF offset, int spread, int alpha)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = spread; i >= 1; --i) {
        p.setPen(QPen(QColor(0, 0, 0, alpha / spread), 2.0 * i, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(shape.translated(offset));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, alpha / spread));
    p.drawPath(shape.translated(offset));
    p.restore();
}

QPainterPath rounded(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// Text that looks raised off a dark background: a soft dark halo underneath.
void raisedText(QPainter &p, const QRectF &box, int flags, const QString &text, const QColor &color)
{
    p.save();
    p.setPen(QColor(0, 0, 0, 22));
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = 0; dy <= 4; ++dy)
            p.drawText(box.translated(dx, dy), flags, text);
    p.setPen(color);
    p.drawText(box, flags, text);
    p.restore();
}

// ---------------------------------------------------------------- text fitting

struct TextFit {
    int px = 0;
    bool fits = false;
};

bool fitsAt(const QPaintDevice *dev, const QRectF &box, const QString &text, int px, bool bold,
            int maxLines)
{
    const QFontMetricsF fm(uiFont(px, bold), dev);
    if (maxLines <= 1)
        return fm.horizontalAdvance(text) <= box.width() && fm.height() <= box.height();
    const QRectF r = fm.boundingRect(QRectF(0, 0, box.width(), 10000), Qt::TextWordWrap, text);
    return r.width() <= box.width() && r.height() <= box.height()
           && r.height() <= maxLines * fm.lineSpacing() + 1.0;
}

enum class Wrap { Late, Early };

// Largest size that fits. Wrap::Late keeps one line while it stays within
// ~80 % of the largest size (short buttons look cramped on two lines);
// Wrap::Early goes straight to two lines (tall tiles have room for them).
TextFit fitText(const QPaintDevice *dev, const QRectF &box, const QString &text, int maxPx,
                int minPx, bool bold = true, int maxLines = 2, Wrap wrap = Wrap::Late)
{
    const int oneLineFloor = wrap == Wrap::Early ? maxPx + 1
                                                 : std::max(minPx, int(std::lround(maxPx * 0.8)));
    for (int px = maxPx; px >= oneLineFloor; --px)
        if (fitsAt(dev, box, text, px, bold, 1))
            return {px, true};
    for (int px = maxPx; px >= minPx; --px)
        if (fitsAt(dev, box, text, px, bold, maxLines))
            return {px, true};
    return {minPx, false};
}

// One type size for a whole family of buttons so they look like a set.
int commonSize(const QPaintDevice *dev, const QRectF &box, const QStringList &texts, int maxPx,
               int minPx, Wrap wrap, QStringList &problems)
{
    int px = maxPx;
    for (const QString &t : texts) {
        const TextFit fit = fitText(dev, box, t, maxPx, minPx, true, 2, wrap);
        if (!fit.fits)
            problems << u"text does not fit: "_s + t;
        px = std::min(px, fit.px);
    }
    return px;
}

// Draws a label in the painter's font. A label that wraps is first narrowed
// to the tightest width with the same line count, so its two lines come out
// about even instead of a full line over a lone word.
void drawLabel(QPainter &p, const QRectF &box, int align, const QString &text)
{
    const QFontMetricsF fm(p.font(), p.device());
    const auto extent = [&](qreal w) {
        return fm.boundingRect(QRectF(0, 0, w, 10000), Qt::TextWordWrap, text);
    };
    const qreal height = extent(box.width()).height();
    QRectF r = box;
    if (height > fm.lineSpacing() + 1.0) {
        qreal lo = 0, hi = box.width();
        for (int i = 0; i < 14; ++i) {
            const qreal mid = (lo + hi) / 2;
            const QRectF e = extent(mid);
            if (e.height() <= height + 0.5 && e.width() <= mid)
                hi = mid;
            else
                lo = mid;
        }
        r.setWidth(std::min(box.width(), std::ceil(hi) + 1));
        if (align & Qt::AlignHCenter)
            r.moveCenter(box.center());
    }
    p.drawText(r, align | Qt::TextWordWrap, text);
}

// Glues one- and two-letter words ("et", "и", "в") to the word after them,
// so a wrapped label never leaves them dangling at a line end.
QString bindShortWords(const QString &text)
{
    const QStringList words = text.split(u' ');
    QString out;
    for (qsizetype i = 0; i < words.size(); ++i) {
        out += words[i];
        if (i + 1 < words.size())
            out += words[i].size() <= 2 ? QChar(0x00A0) : QChar(u' ');
    }
    return out;
}

// ---------------------------------------------------------------- pictograms
// Each pictogram is drawn on a 24 x 24 grid with the painter's pen already set.

using Icon = std::function<void(QPainter &, const QColor &fg, const QColor &bg)>;

void drawIcon(QPainter &p, const Icon &icon, const QRectF &box, const QColor &fg,
              const QColor &bg, qreal stroke = 2.0)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 24.0);
    p.setPen(QPen(fg, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    icon(p, fg, bg);
    p.restore();
}

QPainterPath polyline(std::initializer_list<QPointF> pts, bool closed = false)
{
    QPainterPath path;
    for (const QPointF &pt : pts)
        path.elementCount() == 0 ? path.moveTo(pt) : path.lineTo(pt);
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath cubic(QPointF from, QPointF c1, QPointF c2, QPointF to)
{
    QPainterPath path(from);
    path.cubicTo(c1, c2, to);
    return path;
}

QPainterPath quad(QPointF from, QPointF c, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(c, to);
    return path;
}

using Lines = QList<QLineF>;

const Icon iconHouse = [](QPainter &p, const QColor &, const QColor &) {
    p.drawPath(polyline({{2.5, 12}, {12, 3.5}, {21.5, 12}}));
    p.drawPath(polyline({{5.5, 10}, {5.5, 20.5}, {18.5, 20.5}, {18.5, 10}}));
    p.drawRect(QRectF(10, 14, 4, 6.5));
};

const Icon iconHeadset = [](QPainter &p, const QColor &fg, const QColor &) {
    p.drawPath(cubic({4.5, 14}, {4.5, 2.5}, {19.5, 2.5}, {19.5, 14}));
    p.drawPath(quad({19, 19.5}, {18.5, 22}, {14.5, 22}));
    p.setBrush(fg);
    p.drawRoundedRect(QRectF(3, 12.5, 4, 7), 1.5, 1.5);
    p.drawRoundedRect(QRectF(17, 12.5, 4, 7), 1.5, 1.5);
    p.drawEllipse(QPointF(13.2, 22), 1.2, 1.0);
};

const Icon iconQuestion = [](QPainter &p, const QColor &fg, const QColor &) {
    p.drawEllipse(QRectF(2, 2, 20, 20));
    QPainterPath q = cubic({9, 9.5}, {9, 5.5}, {15, 5.5}, {15, 9.2});
    q.cubicTo(15, 11.5, 12, 11.8, 12, 14.2);
    p.drawPath(q);
    p.setPen(QPen(fg, p.pen().widthF() * 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(QPointF(12, 17.6));
};

const Icon iconBook = [](QPainter &p, const QColor &, const QColor &) {
    for (int side : {-1, 1}) {
        QPainterPath page = cubic({12, 7}, {12 + side * 3.0, 5}, {12 + side * 7.0, 5}, {12 + side * 9.5, 6});
        page.lineTo(12 + side * 9.5, 19);
        page.cubicTo(12 + side * 7, 18, 12 + side * 3, 18, 12, 20);
        p.drawPath(page);
    }
    p.drawLine(QPointF(12, 7), QPointF(12, 20));
};

const Icon iconPower = [](QPainter &p, const QColor &, const QColor &) {
    const QRectF ring(4, 5, 16, 16);
    QPainterPath arc;
    arc.arcMoveTo(ring, 125);
    arc.arcTo(ring, 125, 290);
    p.drawPath(arc);
    p.drawLine(QPointF(12, 2.5), QPointF(12, 12));
};

const Icon iconTruck = [](QPainter &p, const QColor &, const QColor &bg) {
    p.drawRect(QRectF(1.5, 6, 12.5, 10.5));
    p.drawPath(polyline({{14, 9.5}, {18.5, 9.5}, {22.5, 13.5}, {22.5, 16.5}, {14, 16.5}}));
    p.drawPath(polyline({{16.5, 9.5}, {16.5, 13.5}, {22.5, 13.5}}));
    p.setBrush(bg);
    p.drawEllipse(QPointF(6, 18), 2.4, 2.4);
    p.drawEllipse(QPointF(18, 18), 2.4, 2.4);
};

const Icon iconCrane = [](QPainter &p, const QColor &fg, const QColor &) {
    p.drawLines(Lines{{6, 21.5, 6, 2.5}, {2, 6, 21.5, 6}, {6, 10, 8.5, 6}, {17.5, 6, 17.5, 9.5},
                      {2.5, 21.5, 9.5, 21.5}});
    p.drawPath(polyline({{2.5, 6}, {6, 2.5}, {15, 6}}));
    p.drawRect(QRectF(12, 16.5, 5, 5));
    p.drawRect(QRectF(17, 16.5, 5, 5));
    p.setBrush(fg);
    p.drawRect(QRectF(15, 9.5, 5, 3.5));
};

const Icon iconBed = [](QPainter &p, const QColor &fg, const QColor &) {
    p.drawLines(Lines{{2.5, 6.5, 2.5, 20}, {2.5, 16.5, 21.5, 16.5}, {21.5, 13, 21.5, 20}});
    QPainterPath mattress = polyline({{9, 16.5}, {9, 11}, {19, 11}});
    mattress.quadTo(21.5, 11, 21.5, 13.5);
    p.drawPath(mattress);
    p.setBrush(fg);
    p.drawRoundedRect(QRectF(4.5, 11.5, 3, 3), 1, 1);
};

const Icon iconCup = [](QPainter &p, const QColor &, const QColor &) {
    QPainterPath cup = polyline({{2.5, 9.5}, {14, 9.5}, {14, 13.5}});
    cup.cubicTo(14, 17.5, 11, 19, 8.25, 19);
    cup.cubicTo(5.5, 19, 2.5, 17.5, 2.5, 13.5);
    cup.closeSubpath();
    p.drawPath(cup);
    p.drawPath(cubic({14, 11}, {17.5, 10.5}, {17.5, 15.5}, {13.5, 15.5}));
    for (qreal x : {6.5, 10.0})
        p.drawPath(cubic({x, 7}, {x - 1.2, 5.7}, {x + 1.2, 4.3}, {x, 3}));
    QPainterPath fork = polyline({{18.5, 2.5}, {18.5, 7}});
    fork.quadTo(18.5, 9, 20.5, 9);
    fork.quadTo(22.5, 9, 22.5, 7);
    fork.lineTo(22.5, 2.5);
    p.drawPath(fork);
    p.drawLines(Lines{{1.5, 21.5, 15, 21.5}, {20.5, 9, 20.5, 21.5}, {20.5, 2.5, 20.5, 7.5}});
};

const Icon iconReceipt = [](QPainter &p, const QColor &, const QColor &bg) {
    QPainterPath slip = polyline({{3, 2.5}, {15, 2.5}, {15, 20}});
    for (int i = 0; i < 8; ++i) // torn edge
        slip.lineTo(15 - 1.5 * (i + 1), (i % 2 == 0) ? 21.5 : 20);
    slip.closeSubpath();
    p.drawPath(slip);
    p.drawLines(Lines{{6, 7, 12, 7}, {6, 10.5, 12, 10.5}, {6, 14, 9.5, 14}});
    p.setBrush(bg);
    for (qreal y : {20.5, 17.8, 15.1})
        p.drawEllipse(QPointF(18.5, y), 4, 1.7);
};

const Icon iconMic = [](QPainter &p, const QColor &fg, const QColor &) {
    p.drawRoundedRect(QRectF(12, 2.5, 6, 11), 3, 3);
    p.drawPath(cubic({9.5, 10}, {9.5, 17}, {20.5, 17}, {20.5, 10}));
    p.drawLines(Lines{{15, 15.3, 15, 20.5}, {11, 20.8, 19, 20.8}});
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? 4.2 : 1.8;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt(5 + r * std::cos(a), 6.5 + r * std::sin(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(fg, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fg);
    p.drawPath(star);
};

const Icon iconMegaphone = [](QPainter &p, const QColor &, const QColor &) {
    p.drawPath(polyline({{2.5, 9.5}, {7, 9.5}, {16, 4}, {16, 20}, {7, 14.5}, {2.5, 14.5}}, true));
    p.drawPath(polyline({{5, 14.5}, {6.5, 19.5}, {9, 19.5}, {8, 15.5}}));
    p.drawPath(quad({19, 9}, {20.5, 12}, {19, 15}));
    p.drawPath(quad({21.5, 7}, {23.8, 12}, {21.5, 17}));
};

const Icon iconBriefcase = [](QPainter &p, const QColor &fg, const QColor &) {
    p.drawRoundedRect(QRectF(2, 7.5, 20, 13), 2, 2);
    QPainterPath handle = polyline({{8.5, 7.5}, {8.5, 5}});
    handle.quadTo(8.5, 4, 9.5, 4);
    handle.lineTo(14.5, 4);
    handle.quadTo(15.5, 4, 15.5, 5);
    handle.lineTo(15.5, 7.5);
    p.drawPath(handle);
    p.drawLine(QPointF(2, 13), QPointF(22, 13));
    p.setBrush(fg);
    p.drawRect(QRectF(10.5, 11.5, 3, 3));
};

const Icon iconGrid = [](QPainter &p, const QColor &fg, const QColor &) {
    p.fillRect(QRectF(3, 3, 18, 5), withAlpha(fg, 110)); // header row
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
    p.drawLines(Lines{{3, 8, 21, 8}, {3, 14.5, 21, 14.5}, {9, 3, 9, 21}, {15, 3, 15, 21}});
};

// The program's emblem: a domed pavilion on an amber plinth inside a teal disc.
void drawEmblem(QPainter &p, const QRectF &box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 24.0);
    QLinearGradient disc(0, 0, 24, 24);
    disc.setColorAt(0, pal::teal.lighter(118));
    disc.setColorAt(1, pal::tealDark);
    p.setPen(QPen(withAlpha(Qt::white, 200), 0.7));
    p.setBrush(disc);
    p.drawEllipse(QRectF(0.5, 0.5, 23, 23));

    QPainterPath dome = cubic({5, 16.5}, {5.3, 8.8}, {18.7, 8.8}, {19, 16.5});
    dome.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(dome);
    p.setPen(QPen(pal::teal, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(12, 10.9), QPointF(12, 16.5));
    p.drawPath(quad({12, 10.9}, {8.5, 12.5}, {8.5, 16.5}));
    p.drawPath(quad({12, 10.9}, {15.5, 12.5}, {15.5, 16.5}));
    p.setPen(QPen(Qt::white, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 10.9), QPointF(12, 5.5));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::amber);
    p.drawPath(polyline({{12, 5.2}, {15.4, 6.3}, {12, 7.5}}, true));
    p.drawRoundedRect(QRectF(4, 17, 16, 2.3), 1, 1);
    p.restore();
}

// ---------------------------------------------------------------- backgrounds

// A thin diamond lattice with dots at the crossings, tiled as a brush.
QBrush latticeBrush(const QColor &lineColor, const QColor &dotColor, int w, int h)
{
    QImage tile = canvas(w, h);
    QPainter p(&tile);
    smooth(p);
    p.setPen(QPen(lineColor, 1.0));
    const qreal cx = w / 2.0, cy = h / 2.0;
    p.drawLine(QPointF(0, cy), QPointF(cx, 0));
    p.drawLine(QPointF(cx, 0), QPointF(w, cy));
    p.drawLine(QPointF(w, cy), QPointF(cx, h));
    p.drawLine(QPointF(cx, h), QPointF(0, cy));
    p.setPen(Qt::NoPen);
    p.setBrush(dotColor);
    for (QPointF c : {QPointF(0, cy), QPointF(w, cy), QPointF(cx, 0), QPointF(cx, h)})
        p.drawEllipse(c, 1.6, 1.6);
    p.end();
    return QBrush(tile);
}

// The application icon: the emblem alone, on a transparent square, drawn
// afresh for each size so small icons keep sharp edges.
void drawApplicationIcon(QPainter &p, int size)
{
    smooth(p);
    const qreal margin = size / 32.0;
    drawEmblem(p, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
}

QImage applicationIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    drawApplicationIcon(p, size);
    return img;
}

bool writeScalableIcon(const QString &path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRectF(0, 0, 256, 256));
    svg.setTitle(u"Torvane"_s);
    svg.setDescription(u"Torvane application icon"_s);
    QPainter p;
    if (!p.begin(&svg))
        return false;
    drawApplicationIcon(p, 256);
    return p.end();
}

// Start screen: deep navy with a soft teal light where the logo sits in
// ordinary window sizes, so any top-left crop still looks finished.
QImage startBackground()
{
    QImage img = canvas(2560, 1440, QImage::Format_RGB32);
    QPainter p(&img);
    smooth(p);
    QLinearGradient base(0, 0, 1400, 1000);
    base.setColorAt(0, QColor(0x0E, 0x2E, 0x55));
    base.setColorAt(1, pal::navyDeep);
    p.fillRect(img.rect(), base);
    QRadialGradient glow(QPointF(620, 380), 820);
    glow.setColorAt(0, withAlpha(pal::teal, 70));
    glow.setColorAt(0.55, withAlpha(pal::teal, 22));
    glow.setColorAt(1, withAlpha(pal::teal, 0));
    p.fillRect(img.rect(), glow);
    p.fillRect(img.rect(), latticeBrush(QColor(255, 255, 255, 13), QColor(255, 255, 255, 26), 56, 32));
    // Two long, faint sweeps give the flat field some depth without competing with the logo.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(pal::amber, 30), 2));
    p.drawArc(QRectF(-900, 520, 3400, 1700), 30 * 16, 120 * 16);
    p.setPen(QPen(withAlpha(pal::tealLight, 24), 1.5));
    p.drawArc(QRectF(-700, 580, 3400, 1700), 28 * 16, 124 * 16);
    return img;
}

// Inner screens: near-white, so white cards and small black text stay crisp.
QImage innerBackground()
{
    QImage img = canvas(2560, 1440, QImage::Format_RGB32);
    QPainter p(&img);
    smooth(p);
    QLinearGradient base(0, 0, 0, 1100);
    base.setColorAt(0, QColor(0xF3, 0xF6, 0xFA));
    base.setColorAt(1, QColor(0xE3, 0xEA, 0xF2));
    p.fillRect(img.rect(), base);
    p.fillRect(img.rect(), latticeBrush(withAlpha(pal::navy, 7), withAlpha(pal::navy, 14), 56, 32));
    QRadialGradient glow(QPointF(1500, -200), 1100);
    glow.setColorAt(0, withAlpha(pal::teal, 26));
    glow.setColorAt(1, withAlpha(pal::teal, 0));
    p.fillRect(img.rect(), glow);
    return img;
}

// ---------------------------------------------------------------- left panel

QImage leftPanel(int height)
{
    constexpr int bodyWidth = 278;
    QImage img = canvas(pictures::kPanelSize.width(), height);
    QPainter p(&img);
    smooth(p);
    // Only the right-hand corners are rounded; the left ones lie off the picture.
    const QPainterPath body = rounded(QRectF(-30, 0, bodyWidth + 30, height), 22);
    softShadow(p, body, QPointF(1, 0), 7, 60);

    QLinearGradient fill(0, 0, 0, height);
    fill.setColorAt(0, QColor(0x12, 0x35, 0x60));
    fill.setColorAt(0.45, pal::navy);
    fill.setColorAt(1, pal::navyDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(body);

    p.save();
    p.setClipPath(body);
    p.fillRect(img.rect(), latticeBrush(QColor(255, 255, 255, 8), QColor(255, 255, 255, 16), 56, 32));
    QLinearGradient sheen(0, 0, bodyWidth, 0);
    sheen.setColorAt(0, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(255, 255, 255, 14));
    p.fillRect(QRectF(0, 0, bodyWidth, height), sheen);
    // Teal edge light, fading out towards the corners.
    QLinearGradient edge(0, 0, 0, height);
    edge.setColorAt(0, withAlpha(pal::teal, 0));
    edge.setColorAt(0.2, withAlpha(pal::teal, 220));
    edge.setColorAt(0.8, withAlpha(pal::teal, 220));
    edge.setColorAt(1, withAlpha(pal::teal, 0));
    p.fillRect(QRectF(bodyWidth - 3, 0, 3, height), edge);
    p.restore();

    // Hairlines framing the navigation block between title and bottom logo.
    for (qreal y : {163.0, height - 152.0}) {
        QLinearGradient hair(40, 0, 252, 0);
        hair.setColorAt(0, QColor(255, 255, 255, 0));
        hair.setColorAt(0.5, QColor(255, 255, 255, 60));
        hair.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(30, y, 220, 1), hair);
    }
    return img;
}

// ---------------------------------------------------------------- wordmarks

QImage startLogo(QStringList &problems)
{
    QImage img = canvas(520, 200);
    QPainter p(&img);
    smooth(p);
    const QString word = u"Torvane"_s;
    const QString sub = u"DAZO-2017 \u00B7 Astana"_s;
    const qreal emblem = 124, gap = 24;
    const TextFit fit = fitText(&img, QRectF(0, 0, 520 - emblem - gap - 16, 110), word, 96, 40, true, 1);
    if (!fit.fits)
        problems << u"logo wordmark does not fit"_s;
    QFont big = uiFont(fit.px);
    big.setLetterSpacing(QFont::PercentageSpacing, 97);
    QFont small = uiFont(22, false);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    const qreal wordW = QFontMetricsF(big, &img).horizontalAdvance(word);
    const qreal subW = QFontMetricsF(small, &img).horizontalAdvance(sub);
    const qreal textW = std::max(wordW, subW);
    const qreal left = (520 - (emblem + gap + textW)) / 2;

    QPainterPath disc;
    disc.addEllipse(QRectF(left, 38, emblem, emblem));
    softShadow(p, disc, QPointF(0, 4), 6, 70);
    drawEmblem(p, QRectF(left, 38, emblem, emblem));

    const qreal tx = left + emblem + gap;
    p.setFont(big);
    raisedText(p, QRectF(tx, 22, textW + 10, 110), Qt::AlignLeft | Qt::AlignVCenter, word, Qt::white);
    p.fillRect(QRectF(tx + 2, 128, 44, 4), pal::amber);
    p.setFont(small);
    raisedText(p, QRectF(tx, 136, textW + 10, 40), Qt::AlignLeft | Qt::AlignVCenter, sub, pal::tealLight);
    return img;
}

QImage panelTitle(QStringList &problems)
{
    QImage img = canvas(212, 90);
    QPainter p(&img);
    smooth(p);
    const QString word = u"Torvane"_s;
    const TextFit fit = fitText(&img, QRectF(0, 0, 200, 56), word, 46, 20, true, 1);
    if (!fit.fits)
        problems << u"title wordmark does not fit"_s;
    p.setFont(uiFont(fit.px));
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 208, 56), Qt::AlignLeft | Qt::AlignVCenter, word);
    p.fillRect(QRectF(4, 68, 30, 3), pal::amber);
    QFont small = uiFont(14);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    if (QFontMetricsF(small, &img).horizontalAdvance(u"DAZO-2017"_s) > 168)
        problems << u"title subline does not fit"_s;
    p.setFont(small);
    p.setPen(pal::tealLight);
    p.drawText(QRectF(42, 58, 168, 24), Qt::AlignLeft | Qt::AlignVCenter, u"DAZO-2017"_s);
    return img;
}

QImage bottomLogotype(QStringList &problems)
{
    QImage img = canvas(212, 80);
    QPainter p(&img);
    smooth(p);
    drawEmblem(p, QRectF(6, 12, 56, 56));
    const QString word = u"DAZO-2017"_s;
    const QRectF box(72, 14, 136, 32);
    const TextFit fit = fitText(&img, box, word, 22, 12, true, 1);
    if (!fit.fits)
        problems << u"logotype text does not fit"_s;
    p.setFont(uiFont(fit.px));
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, word);
    const qreal w = QFontMetricsF(p.font(), &img).horizontalAdvance(word);
    p.fillRect(QRectF(box.left() + 1, 50, w - 2, 2), withAlpha(pal::teal, 200));
    p.fillRect(QRectF(box.left() + 1, 50, 28, 2), pal::amber);
    return img;
}

// ---------------------------------------------------------------- start-screen controls

QImage enterButton()
{
    QImage img = canvas(240, 60);
    QPainter p(&img);
    smooth(p);
    const QRectF body(4, 2, 232, 52);
    const QPainterPath shape = rounded(body, 26);
    softShadow(p, shape, QPointF(0, 2), 3, 90);
    QLinearGradient fill(0, body.top(), 0, body.bottom());
    fill.setColorAt(0, pal::amberLight);
    fill.setColorAt(0.5, pal::amber);
    fill.setColorAt(1, pal::amberDark);
    p.setPen(QPen(withAlpha(Qt::white, 150), 1.2));
    p.setBrush(fill);
    p.drawPath(shape);
    // Glass highlight on the upper half.
    QLinearGradient gloss(0, body.top(), 0, body.center().y());
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawPath(rounded(body.adjusted(6, 2, -6, -body.height() / 2), 20));

    const QPointF c = body.center();
    p.setPen(QPen(pal::navy, 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(c.x() - 26, c.y()), QPointF(c.x() + 22, c.y()));
    p.drawPath(polyline({{c.x() + 7, c.y() - 14}, {c.x() + 23, c.y()}, {c.x() + 7, c.y() + 14}}));
    return img;
}

QImage languageBar()
{
    QImage img = canvas(240, 32);
    QPainter p(&img);
    smooth(p);
    const QRectF body(1, 1, 238, 30);
    QLinearGradient fill(0, 0, 0, 32);
    fill.setColorAt(0, QColor(0x13, 0x3D, 0x5E, 235));
    fill.setColorAt(1, QColor(0x08, 0x1E, 0x38, 235));
    p.setPen(QPen(withAlpha(pal::teal, 170), 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(body, 15, 15);
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.drawLine(QPointF(16, 2.5), QPointF(224, 2.5));
    return img;
}

// ---------------------------------------------------------------- consultant card

QImage consultantCard()
{
    QImage img = canvas(1200, 700);
    QPainter p(&img);
    smooth(p);
    const QPainterPath card = rounded(QRectF(1, 1, 1198, 698), 16);
    QLinearGradient fill(0, 0, 0, 700);
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, QColor(0xF4, 0xF8, 0xFB));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(card);

    p.save();
    p.setClipPath(card);
    QLinearGradient band(0, 0, 1200, 0);
    band.setColorAt(0, pal::teal);
    band.setColorAt(1, pal::navy);
    p.fillRect(QRectF(0, 0, 1200, 10), band);
    p.fillRect(QRectF(0, 10, 1200, 2), withAlpha(pal::amber, 200));
    // Corner facets: straight edges only, so stretching keeps them clean.
    auto facet = [&p](std::initializer_list<QPointF> pts, const QColor &c) {
        p.setBrush(c);
        p.drawPath(polyline(pts, true));
    };
    facet({{1200, 700}, {700, 700}, {1200, 380}}, withAlpha(pal::teal, 16));
    facet({{1200, 700}, {900, 700}, {1200, 500}}, withAlpha(pal::teal, 30));
    facet({{1200, 700}, {1060, 700}, {1200, 610}}, withAlpha(pal::navy, 40));
    p.setPen(QPen(withAlpha(pal::amber, 150), 3));
    p.drawLine(QPointF(820, 700), QPointF(1200, 455));
    p.restore();

    p.setPen(QPen(pal::line, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(card);
    return img;
}

// ---------------------------------------------------------------- buttons and tiles

using pictures::Look;

QImage navButton(const QString &text, const Icon &icon, int px, Look look)
{
    QImage img = canvas(pictures::kNavigationSize.width(), pictures::kNavigationSize.height());
    QPainter p(&img);
    smooth(p);
    const bool hover = look == Look::Highlighted;
    const QRectF body(1.5, 1.5, 197, 41);
    const QPainterPath shape = rounded(body, 9);

    if (hover) {
        // Outer amber glow inside the picture's margin.
        p.setPen(QPen(withAlpha(pal::amber, 70), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    }
    QLinearGradient fill(0, body.top(), 0, body.bottom());
    if (hover) {
        fill.setColorAt(0, QColor(0x1F, 0xBE, 0xB2));
        fill.setColorAt(1, pal::tealDark);
    } else {
        fill.setColorAt(0, QColor(0x22, 0x52, 0x84));
        fill.setColorAt(1, QColor(0x13, 0x36, 0x5C));
    }
    p.setPen(hover ? QPen(pal::amber, 2.2) : QPen(QColor(255, 255, 255, 45), 1));
    p.setBrush(fill);
    p.drawPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, hover ? 70 : 35), 1));
    p.drawLine(QPointF(10, 3.5), QPointF(190, 3.5));

    const QRectF badge(7, 7, 30, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(hover ? pal::amber : withAlpha(pal::teal, 210));
    p.drawEllipse(badge);
    drawIcon(p, icon, badge.adjusted(6, 6, -6, -6), hover ? pal::navy : Qt::white,
             hover ? pal::amber : pal::teal, 2.3);

    p.setFont(uiFont(px));
    p.setPen(Qt::white);
    drawLabel(p, QRectF(44, 2, 148, 40), Qt::AlignLeft | Qt::AlignVCenter, text);
    return img;
}

QImage sectionTile(const QString &text, const Icon &icon, int px, Look look)
{
    QImage img = canvas(pictures::kTileSize.width(), pictures::kTileSize.height());
    QPainter p(&img);
    smooth(p);
    const bool hover = look == Look::Highlighted;
    const QRectF body(3, 2, 294, 82);
    const QPainterPath shape = rounded(body, 12);
    softShadow(p, shape, QPointF(0, 2), 3, hover ? 80 : 50);

    QLinearGradient fill(0, body.top(), 0, body.bottom());
    if (hover) {
        fill.setColorAt(0, QColor(0xFF, 0xF8, 0xEA));
        fill.setColorAt(1, QColor(0xFF, 0xE6, 0xBC));
    } else {
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, QColor(0xEE, 0xF3, 0xF8));
    }
    p.setPen(hover ? QPen(pal::amber, 3) : QPen(pal::line, 1.2));
    p.setBrush(fill);
    p.drawPath(shape);

    // Accent strip down the left edge.
    p.save();
    p.setClipPath(shape);
    p.fillRect(QRectF(body.left(), body.top(), 5, body.height()), hover ? pal::amber : pal::teal);
    p.restore();

    const QRectF badge(18, 14, 58, 58);
    QLinearGradient badgeFill(badge.topLeft(), badge.bottomRight());
    badgeFill.setColorAt(0, hover ? pal::amberLight : pal::teal.lighter(115));
    badgeFill.setColorAt(1, hover ? pal::amberDark : pal::tealDark);
    p.setPen(Qt::NoPen);
    p.setBrush(badgeFill);
    p.drawRoundedRect(badge, 14, 14);
    const QColor iconFg = hover ? pal::navy : Qt::white;
    drawIcon(p, icon, badge.adjusted(11, 11, -11, -11), iconFg, hover ? pal::amber : pal::teal, 1.9);

    p.setFont(uiFont(px));
    p.setPen(pal::navy);
    drawLabel(p, QRectF(88, 8, 198, 70), Qt::AlignLeft | Qt::AlignVCenter, text);
    return img;
}

QImage saveButton(const QString &text, int px)
{
    QImage img = canvas(pictures::kSaveButtonSize.width(), pictures::kSaveButtonSize.height());
    QPainter p(&img);
    smooth(p);
    const QRectF body(0.5, 0.5, 149, 25);
    QLinearGradient fill(0, 0, 0, 26);
    fill.setColorAt(0, QColor(0x1C, 0xBA, 0xAE));
    fill.setColorAt(1, pal::tealDark);
    p.setPen(QPen(pal::tealDark.darker(120), 1));
    p.setBrush(fill);
    p.drawRoundedRect(body, 5, 5);
    drawIcon(p, iconGrid, QRectF(5, 4, 18, 18), Qt::white, pal::teal, 1.8);
    p.setFont(uiFont(px));
    p.setPen(Qt::white);
    drawLabel(p, QRectF(27, 1, 119, 24), Qt::AlignHCenter | Qt::AlignVCenter, text);
    return img;
}

// ---------------------------------------------------------------- texts



struct Entry {
    LocalizedText words;
    Icon icon;
};

std::vector<Entry> navEntries()
{
    const Icon icons[] = {iconHouse, iconHeadset, iconQuestion, iconBook, iconPower};
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < pictures::kNavigation.size(); ++i)
        entries.push_back({pictures::kNavigation[i], icons[i]});
    return entries;
}

std::vector<Entry> sectionEntries()
{
    const Icon icons[] = {iconTruck, iconCrane, iconBed, iconCup, iconReceipt, iconMic, iconMegaphone, iconBriefcase};
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < pictures::kTiles.size(); ++i)
        entries.push_back({pictures::kTiles[i], icons[i]});
    return entries;
}

const LocalizedText kSaveExcel = pictures::kSaveButton;

// ---------------------------------------------------------------- output

class Writer
{
public:
    explicit Writer(const QString &root) : m_root(root) {}

    using Draw = std::function<QImage()>;

    void png(const QString &rel, const Draw &draw) { both(m_root + u'/' + rel, draw, "PNG", -1); }
    void jpg(const QString &rel, const Draw &draw) { both(m_root + u'/' + rel, draw, "JPEG", 88); }

    // name.ext at density 1 and name@2x.ext at density 2.
    void both(const QString &path, const Draw &draw, const char *format, int quality)
    {
        const qsizetype dot = path.lastIndexOf(u'.');
        for (const qreal density : {1.0, 2.0}) {
            g_density = density;
            write(density == 1 ? path : path.left(dot) + u"@2x"_s + path.mid(dot), draw(), format,
                  quality);
        }
        g_density = 1;
    }

    void write(const QString &path, const QImage &img, const char *format, int quality)
    {
        const QFileInfo info(path);
        if (!QDir().mkpath(info.absolutePath())) {
            m_failures << u"cannot create folder "_s + info.absolutePath();
            return;
        }
        if (!img.save(path, format, quality))
            m_failures << u"cannot write "_s + path;
        else
            ++m_written;
    }

    QStringList m_failures;
    int m_written = 0;

private:
    QString m_root;
};

void drawLanguage(Writer &out, base::Language lang, QStringList &problems)
{
    const QString dir = base::languageFolder(lang);
    const QImage probe = canvas(1, 1);

    const auto nav = navEntries();
    QStringList navTexts;
    for (const Entry &e : nav)
        navTexts << bindShortWords(e.words.in(lang));
    const int navPx = commonSize(&probe, QRectF(0, 0, 146, 38), navTexts, 14, 9, Wrap::Late, problems);
    for (size_t i = 0; i < nav.size(); ++i) {
        for (const Look look : {Look::Normal, Look::Highlighted})
            out.png(dir + pictures::navigationFile(int(i) + 1, look),
                    [&] { return navButton(navTexts[i], nav[i].icon, navPx, look); });
    }

    const auto tiles = sectionEntries();
    QStringList tileTexts;
    for (const Entry &e : tiles)
        tileTexts << bindShortWords(e.words.in(lang));
    const int tilePx = commonSize(&probe, QRectF(0, 0, 196, 68), tileTexts, 17, 10, Wrap::Early, problems);
    for (size_t i = 0; i < tiles.size(); ++i) {
        for (const Look look : {Look::Normal, Look::Highlighted})
            out.png(dir + pictures::tileFile(int(i) + 1, look),
                    [&] { return sectionTile(tileTexts[i], tiles[i].icon, tilePx, look); });
    }

    const QString save = bindShortWords(kSaveExcel.in(lang));
    const TextFit saveFit = fitText(&probe, QRectF(0, 0, 117, 24), save, 11, 7);
    if (!saveFit.fits)
        problems << u"text does not fit: "_s + save;
    out.png(dir + pictures::saveButtonFile(), [&] { return saveButton(save, saveFit.px); });
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"torvane-assetgen"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Draws the Torvane picture set."_s);
    parser.addHelpOption();
    const QCommandLineOption outOpt(u"out"_s, u"Folder that receives the img/ tree."_s, u"DIR"_s);
    const QCommandLineOption panelOpt(u"panel"_s, u"Where to write the built-in left panel."_s, u"FILE"_s);
    const QCommandLineOption iconOpt(u"icon"_s, u"Where to write the application icon (optional)."_s, u"FILE"_s);
    const QCommandLineOption themeOpt(u"icon-theme"_s,
                                      u"Folder that receives the icon in hicolor sizes (optional)."_s,
                                      u"DIR"_s);
    parser.addOption(outOpt);
    parser.addOption(panelOpt);
    parser.addOption(iconOpt);
    parser.addOption(themeOpt);
    parser.process(app);
    if (!parser.isSet(outOpt) || !parser.isSet(panelOpt)) {
        std::fprintf(stderr, "usage: torvane-assetgen --out DIR --panel FILE\n");
        return 2;
    }

    QElapsedTimer timer;
    timer.start();
    Writer out(parser.value(outOpt));
    QStringList problems;

    out.jpg(pictures::startBackgroundFile(), startBackground);
    out.jpg(pictures::innerBackgroundFile(), innerBackground);
    out.png(pictures::logoFile(), [&] { return startLogo(problems); });
    out.png(pictures::enterButtonFile(), enterButton);
    out.png(pictures::languageBarFile(), languageBar);
    out.png(pictures::titleFile(), [&] { return panelTitle(problems); });
    out.png(pictures::logotypeFile(), [&] { return bottomLogotype(problems); });
    out.png(pictures::contactCardFile(), consultantCard);
    const auto &heights = pictures::kPanelHeights;
    for (size_t i = 0; i < heights.size(); ++i)
        out.png(pictures::panelFile(int(i) + 1), [&] { return leftPanel(heights[i]); });
    out.both(parser.value(panelOpt), [] { return leftPanel(pictures::kPanelSize.height()); }, "PNG", -1);
    // The window icon: a desktop shows it small (the launcher takes the
    // theme's icons), and 128 pixels decode in a quarter of 256's time.
    if (parser.isSet(iconOpt))
        out.write(parser.value(iconOpt), applicationIcon(128), "PNG", -1);
    if (parser.isSet(themeOpt)) {
        const QString theme = parser.value(themeOpt);
        const QString name = u"com.example.Torvane"_s;
        for (const int size : {48, 128, 256}) {
            const QString dim = QString::number(size);
            out.write(theme + u'/' + dim + u'x' + dim + u"/apps/"_s + name + u".png"_s,
                      applicationIcon(size), "PNG", -1);
        }
        const QString svg = theme + u"/scalable/apps/"_s + name + u".svg"_s;
        if (!QDir().mkpath(QFileInfo(svg).absolutePath()) || !writeScalableIcon(svg))
            out.m_failures << u"cannot write "_s + svg;
        else
            ++out.m_written;
    }

    for (const base::Language lang : base::kLanguages)
        drawLanguage(out, lang, problems);

    // Text that would not fit is drawn anyway at the smallest size; say so
    // loudly, but only unwritable files are fatal.
    problems.removeDuplicates();
    for (const QString &msg : std::as_const(problems))
        std::fprintf(stderr, "torvane-assetgen: warning: %s\n", qPrintable(msg));
    out.m_failures.removeDuplicates();
    for (const QString &msg : std::as_const(out.m_failures))
        std::fprintf(stderr, "torvane-assetgen: %s\n", qPrintable(msg));
    if (!out.m_failures.isEmpty())
        return 1;
    std::printf("torvane-assetgen: %d pictures in %lld ms\n", out.m_written, timer.elapsed());
    return 0;
}
