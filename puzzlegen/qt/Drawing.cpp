#include "puzzlegen/qt/Drawing.h"

#include "pages/PageStyles.h"
#include "pages/qt/QtPageCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace puzzlegen {

namespace {
const char* kFace = "Liberation Sans";

QFont Font(int pixels, bool bold, bool italic = false) {
    QFont f(kFace);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

CQtMeasure::CQtMeasure() : m_fonts(std::make_unique<CPageFonts>()) {}
CQtMeasure::~CQtMeasure() = default;

int CQtMeasure::Width(const std::string& text, int style) const {
    const ::PageStyle& s = StyleOf(style);
    const PageFont font = s.keepFont ? fontB : s.font;
    return m_fonts->Metrics(font).horizontalAdvance(PageText(text));
}

int CQtMeasure::TabWidth() const {
    return m_fonts->Heights().tabWidth;
}

std::vector<IndexedImage> Quantize(const std::vector<QImage>& images) {
    // Count colours in 15-bit bins, keeping the average colour of each bin.
    struct Bin {
        long count = 0;
        long r = 0, g = 0, b = 0;
    };
    // One bin per 15-bit colour, looked up directly: a picture is counted
    // pixel by pixel.
    std::vector<Bin> bins(1 << 15);
    std::vector<QImage> rgb;
    for (const QImage& in : images) {
        QImage img = in.convertToFormat(QImage::Format_RGB32);
        const int width = img.width(), height = img.height();
        for (int y = 0; y < height; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < width; ++x) {
                const QRgb c = line[x];
                const int key = ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
                Bin& bin = bins[key];
                ++bin.count;
                bin.r += qRed(c);
                bin.g += qGreen(c);
                bin.b += qBlue(c);
            }
        }
        rgb.push_back(img);
    }
    std::vector<std::pair<long, int>> order;
    for (int key = 0; key < static_cast<int>(bins.size()); ++key)
        if (bins[key].count > 0)
            order.emplace_back(-bins[key].count, key);
    std::sort(order.begin(), order.end());
    std::vector<uint32_t> palette;
    // Popular colours first; skip one too close to a colour already taken
    // while there are many more candidates than room.
    auto close = [&](uint32_t c) {
        for (uint32_t p : palette) {
            const int dr = int((p >> 16) & 255) - int((c >> 16) & 255);
            const int dg = int((p >> 8) & 255) - int((c >> 8) & 255);
            const int db = int(p & 255) - int(c & 255);
            if (dr * dr + dg * dg + db * db < 60)
                return true;
        }
        return false;
    };
    const bool crowded = order.size() > 256;
    for (const auto& [negCount, key] : order) {
        if (palette.size() >= 256)
            break;
        const Bin& bin = bins[key];
        const uint32_t c = (uint32_t(bin.r / bin.count) << 16) |
                           (uint32_t(bin.g / bin.count) << 8) | uint32_t(bin.b / bin.count);
        if (crowded && close(c))
            continue;
        palette.push_back(c);
    }
    std::vector<int> nearest(1 << 15, -1);
    auto indexOf = [&](QRgb c) {
        const int key = ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
        if (nearest[key] >= 0)
            return static_cast<uint8_t>(nearest[key]);
        int best = 0;
        long bestD = 1L << 40;
        for (size_t i = 0; i < palette.size(); ++i) {
            const long dr = long((palette[i] >> 16) & 255) - qRed(c);
            const long dg = long((palette[i] >> 8) & 255) - qGreen(c);
            const long db = long(palette[i] & 255) - qBlue(c);
            const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (d < bestD) {
                bestD = d;
                best = static_cast<int>(i);
            }
        }
        nearest[key] = best;
        return static_cast<uint8_t>(best);
    };
    std::vector<IndexedImage> out;
    for (const QImage& img : rgb) {
        IndexedImage ii;
        ii.width = img.width();
        ii.height = img.height();
        ii.palette = palette;
        ii.pixels.resize(static_cast<size_t>(ii.width) * ii.height);
        for (int y = 0; y < ii.height; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            uint8_t* to = ii.pixels.data() + static_cast<size_t>(y) * ii.width;
            for (int x = 0; x < ii.width; ++x)
                to[x] = indexOf(line[x]);
        }
        out.push_back(std::move(ii));
    }
    return out;
}

PuzzlePicture DrawPuzzle(const CStory& story, const Shape& shape, int scale) {
    const int cs = BoardCellSize(shape);
    const int n = shape.items;
    const QFont catFont = Font(13, true);
    const QFont itemFont = Font(12, false);
    const QFontMetrics cm(catFont), im(itemFont);
    int itemW = 0;
    for (int c = 0; c < shape.cats; ++c)
        for (int i = 0; i < n; ++i)
            itemW = std::max(itemW, im.horizontalAdvance(Q(story.Label({c, i}))));
    const int catH = cm.height();
    const int T = std::max(74, 6 + catH + 4 + itemW + 6);
    const int L = std::max(66, 6 + catH + 4 + itemW + 6);
    CBoardLayout layout(shape, cs, L, T);
    const int block = n * cs;
    const int W = L + layout.GridSize() + 8;
    const int H = T + layout.GridSize() + 8;
    QImage img(W * scale, H * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::white);
    QPainter p(&img);
    // A straight line of whole picture pixels: at scale 1 the pen's own line,
    // above it the same pixels filled, so a line keeps its place in the cell.
    auto line = [&](int x1, int y1, int x2, int y2, const QColor& color) {
        if (scale == 1) {
            p.setPen(color);
            p.drawLine(x1, y1, x2, y2);
        } else {
            p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                             QPoint(std::max(x1, x2), std::max(y1, y2))),
                       color);
        }
    };
    const QColor tintA(226, 236, 250), tintB(250, 243, 222), ink(0, 0, 110);
    // Label areas, one tint per category.
    auto tintOf = [&](int cat) { return cat % 2 ? tintA : tintB; };
    for (int j = 0; j < layout.Blocks(); ++j)
        p.fillRect(L + j * block, 2, block, T - 2, tintOf(layout.ColumnCat(j)));
    for (int r = 0; r < layout.Blocks(); ++r)
        p.fillRect(2, T + r * block, L - 2, block, tintOf(layout.RowCat(r) + 1));
    p.setRenderHint(QPainter::TextAntialiasing, true);
    // Column headings: category name across the block, items upright.
    for (int j = 0; j < layout.Blocks(); ++j) {
        const int cat = layout.ColumnCat(j);
        QFont f = catFont;
        while (QFontMetrics(f).horizontalAdvance(Q(story.CategoryName(cat))) > block - 4 &&
               f.pixelSize() > 9)
            f.setPixelSize(f.pixelSize() - 1);
        p.setFont(f);
        p.setPen(ink);
        p.drawText(QRect(L + j * block, 5, block, catH), Qt::AlignCenter,
                   Q(story.CategoryName(cat)));
        p.setFont(itemFont);
        p.setPen(Qt::black);
        for (int i = 0; i < n; ++i) {
            const int cx = L + j * block + i * cs + cs / 2;
            p.save();
            p.translate(cx + (im.ascent() - im.descent()) / 2, T - 5);
            p.rotate(-90);
            p.drawText(0, 0, Q(story.Label({cat, i})));
            p.restore();
        }
    }
    // Row headings: category name upright, items to the left of the rows.
    for (int r = 0; r < layout.Blocks(); ++r) {
        const int cat = layout.RowCat(r);
        QFont f = catFont;
        while (QFontMetrics(f).horizontalAdvance(Q(story.CategoryName(cat))) > block - 4 &&
               f.pixelSize() > 9)
            f.setPixelSize(f.pixelSize() - 1);
        p.save();
        p.setFont(f);
        p.setPen(ink);
        p.translate(5, T + r * block + block);
        p.rotate(-90);
        p.drawText(QRect(0, 0, block, catH), Qt::AlignCenter, Q(story.CategoryName(cat)));
        p.restore();
        p.setFont(itemFont);
        p.setPen(Qt::black);
        for (int i = 0; i < n; ++i)
            p.drawText(QRect(0, T + r * block + i * cs, L - 5, cs),
                       Qt::AlignRight | Qt::AlignVCenter, Q(story.Label({cat, i})));
    }
    // The grid: light lines inside a block, dark borders round it.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int r = 0; r < layout.Blocks(); ++r)
        for (int j = 0; j < layout.BlocksInRow(r); ++j) {
            const int x0 = L + j * block, y0 = T + r * block;
            p.fillRect(x0, y0, block, block, Qt::white);
            const QColor light(150, 150, 150);
            for (int i = 1; i < n; ++i) {
                line(x0 + i * cs, y0, x0 + i * cs, y0 + block, light);
                line(x0, y0 + i * cs, x0 + block, y0 + i * cs, light);
            }
            for (int d = 0; d < 2; ++d) {
                line(x0 - d, y0 - d, x0 + block + d, y0 - d, Qt::black);
                line(x0 - d, y0 + block + d, x0 + block + d, y0 + block + d, Qt::black);
                line(x0 - d, y0 - d, x0 - d, y0 + block + d, Qt::black);
                line(x0 + block + d, y0 - d, x0 + block + d, y0 + block + d, Qt::black);
            }
        }
    p.end();
    return {img, layout};
}

namespace {

void DrawMiniGrid(QPainter& p, int x, int y, int cell) {
    // A small logic grid with a few marks: the game's emblem.
    static const char* marks[] = {"TFF", "FFT", "FTF"};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const QRect box(x + c * cell, y + r * cell, cell, cell);
            p.fillRect(box, Qt::white);
            p.setPen(QColor(60, 60, 60));
            p.drawRect(box);
            const QRect in = box.adjusted(4, 4, -3, -3);
            if (marks[r][c] == 'T')
                p.fillRect(in, QColor(40, 170, 60));
            else
                p.fillRect(in, QColor(220, 60, 50));
        }
}

} // namespace

QImage DrawHead(int scale) {
    // The game selection shows its header in a 77 x 67 unit control: 116 x
    // 100 pixels at the dialog font's base units 6 x 12.
    QImage img(116 * scale, 100 * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 100);
    g.setColorAt(0, QColor(34, 62, 120));
    g.setColorAt(1, QColor(80, 130, 200));
    p.fillRect(QRect(0, 0, 116, 100), g);
    p.setRenderHint(QPainter::Antialiasing, false);
    DrawMiniGrid(p, 37, 8, 14);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(Qt::white);
    p.setFont(Font(21, true));
    p.drawText(QRect(0, 51, 116, 26), Qt::AlignCenter, "Deduxa");
    p.setFont(Font(10, false));
    p.setPen(QColor(230, 236, 250));
    p.drawText(QRect(0, 77, 116, 17), Qt::AlignCenter, "Pick a puzzle below");
    p.end();
    return img;
}

QImage DrawAbout(int scale) {
    // The About box shows its picture in a 64 x 64 unit control: 96 pixels
    // at the dialog font's base units 6 x 12.
    QImage img(96 * scale, 96 * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    QPainter p(&img);
    QLinearGradient g(0, 0, 96, 96);
    g.setColorAt(0, QColor(250, 246, 230));
    g.setColorAt(1, QColor(220, 232, 250));
    p.fillRect(QRect(0, 0, 96, 96), g);
    p.setRenderHint(QPainter::Antialiasing, false);
    DrawMiniGrid(p, 27, 6, 14);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(QColor(20, 40, 110));
    p.setFont(Font(20, true));
    p.drawText(QRect(0, 48, 96, 24), Qt::AlignCenter, "Deduxa");
    p.setFont(Font(9, false));
    p.setPen(QColor(40, 40, 40));
    p.drawText(QRect(0, 72, 96, 19), Qt::AlignCenter, "Logic-grid puzzles");
    p.end();
    return img;
}

QImage DrawIcon(int size) {
    // The emblem's grid on a rounded blue tile. Whole-pixel cells and gaps,
    // so the small sizes stay sharp; from 48 pixels up each cell is white
    // with its mark inside, below that the mark fills the cell.
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, size);
    g.setColorAt(0, QColor(34, 62, 120));
    g.setColorAt(1, QColor(80, 130, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    const double radius = size * 0.18;
    p.drawRoundedRect(QRectF(0, 0, size, size), radius, radius);
    p.setRenderHint(QPainter::Antialiasing, false);

    static const char* marks[] = {"TFF", "FFT", "FTF"};
    const int gap = std::max(1, size / 32);
    const int cell = (size - 2 * (size / 8)) / 3;
    const int origin = (size - 3 * cell + gap) / 2;
    const bool framed = size >= 48;
    const int inset = framed ? std::max(2, cell / 7) : 0;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const QRect box(origin + c * cell, origin + r * cell, cell - gap, cell - gap);
            if (framed)
                p.fillRect(box, Qt::white);
            p.fillRect(box.adjusted(inset, inset, -inset, -inset),
                       marks[r][c] == 'T' ? QColor(40, 170, 60) : QColor(220, 60, 50));
        }
    p.end();
    return img;
}

QImage DrawPageIcon(int size) {
    // A hint page: a white sheet with a folded corner, lines of text and the
    // hidden answer's blue box with a question mark.
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    const int margin = std::max(1, size / 8);
    const int fold = std::max(3, size / 4);
    const int left = margin, right = size - margin - 1, top = 0, bottom = size - 1;
    const QPolygon sheet({QPoint(left, top), QPoint(right - fold, top), QPoint(right, top + fold),
                          QPoint(right, bottom), QPoint(left, bottom)});
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.setBrush(QColor(210, 210, 210));
    p.drawPolygon(QPolygon(
        {QPoint(right - fold, top), QPoint(right - fold, top + fold), QPoint(right, top + fold)}));

    const int inner = left + std::max(2, size / 8);
    const int step = std::max(2, size / 8);
    const int thick = std::max(1, size / 24);
    for (int y = top + fold + step / 2, row = 0; row < 2; ++row, y += step)
        p.fillRect(inner, y, right - inner - step / 2 - (row ? size / 5 : 0), thick,
                   QColor(40, 70, 140));
    const QRect box(inner, top + fold + 5 * step / 2, right - inner - step / 2, size / 3);
    p.fillRect(box, QColor(34, 62, 120));
    if (size >= 32) {
        p.setFont(Font(box.height() * 9 / 10, true));
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, "?");
    }
    p.end();
    return img;
}

namespace {

void DrawAnt(QPainter& p, QPointF at, double scale) {
    // An ant facing the player, standing at `at` (the middle of its feet).
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor body(70, 25, 15), shine(150, 70, 40);
    QPen leg(body, 1.6);
    p.setPen(leg);
    for (int s = -1; s <= 1; s += 2) {
        p.drawLine(QPointF(0, -12), QPointF(s * 9, -16));
        p.drawLine(QPointF(s * 9, -16), QPointF(s * 12, -9));
        p.drawLine(QPointF(0, -10), QPointF(s * 10, -8));
        p.drawLine(QPointF(s * 10, -8), QPointF(s * 12, -1));
        p.drawLine(QPointF(0, -8), QPointF(s * 7, -3));
        p.drawLine(QPointF(s * 7, -3), QPointF(s * 8, 2));
        // antennae
        p.drawLine(QPointF(s * 2, -27), QPointF(s * 6, -33));
        p.drawLine(QPointF(s * 6, -33), QPointF(s * 9, -32));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(QPointF(0, -4), 6.5, 6.5);  // abdomen
    p.drawEllipse(QPointF(0, -13), 4.0, 4.5); // thorax
    p.drawEllipse(QPointF(0, -23), 6.0, 5.5); // head
    p.setBrush(shine);
    p.drawEllipse(QPointF(-2, -6), 2.0, 2.0);
    p.drawEllipse(QPointF(-2, -25), 1.6, 1.4);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-2.4, -23), 1.8, 2.0);
    p.drawEllipse(QPointF(2.4, -23), 1.8, 2.0);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(-2.1, -22.6), 0.9, 1.0);
    p.drawEllipse(QPointF(2.7, -22.6), 0.9, 1.0);
    p.restore();
}

} // namespace

AntArt DrawAnts() {
    AntArt art;
    art.field = QImage(640, 480, QImage::Format_RGB32);
    QPainter p(&art.field);
    // A lawn: one green with patches of a few others (a smooth gradient would
    // fall into bands in 256 colours), grass blades and flowers, from a
    // fixed seed.
    p.fillRect(art.field.rect(), QColor(98, 152, 60));
    CRandom random(20261206);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor patches[] = {QColor(106, 160, 64), QColor(90, 144, 56), QColor(112, 166, 70)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(patches[random.Below(3)]);
        p.drawEllipse(QPointF(random.Below(640), random.Below(480)), 20 + random.Below(50),
                      10 + random.Below(25));
    }
    for (int i = 0; i < 1400; ++i) {
        const double x = random.Below(640), y = random.Below(480);
        const int shade = 90 + random.Below(80);
        p.setPen(QPen(QColor(shade / 2, shade, shade / 3), 1.0));
        p.drawLine(QPointF(x, y), QPointF(x + random.Below(5) - 2, y - 4 - random.Below(6)));
    }
    const QColor petals[] = {QColor(250, 240, 90), QColor(250, 250, 250), QColor(230, 120, 170)};
    for (int i = 0; i < 40; ++i) {
        const QPointF c(random.Below(640), random.Below(480));
        p.setPen(Qt::NoPen);
        p.setBrush(petals[random.Below(3)]);
        for (int k = 0; k < 5; ++k)
            p.drawEllipse(c + QPointF(3 * std::cos(k * 1.2566), 3 * std::sin(k * 1.2566)), 2.2,
                          2.2);
        p.setBrush(QColor(240, 170, 30));
        p.drawEllipse(c, 1.6, 1.6);
    }
    // Ten ant hills, spread over the field.
    const int w = 36, h = 40;
    for (int i = 0; i < 10; ++i) {
        const int col = i % 5, row = i / 5;
        const int x = 40 + col * 120 + random.Below(40);
        const int y = 60 + row * 220 + (col % 2) * 90 + random.Below(40);
        art.boxes.emplace_back(x, y, w, h);
    }
    for (const QRect& b : art.boxes) {
        const QPointF mid(b.x() + w / 2.0, b.y() + h - 8);
        QRadialGradient mound(mid, 20);
        mound.setColorAt(0, QColor(150, 105, 60));
        mound.setColorAt(0.8, QColor(125, 90, 50));
        mound.setColorAt(1, QColor(110, 120, 50));
        p.setPen(Qt::NoPen);
        p.setBrush(mound);
        p.drawEllipse(mid, 18, 8);
        p.setBrush(QColor(40, 25, 15));
        p.drawEllipse(mid, 8, 3.5); // the hole
    }
    p.end();
    // Frames: 0 the empty hole; 1 to 3 the ant rising out of it.
    for (const QRect& b : art.boxes) {
        std::vector<QImage> frames;
        const QImage ground = art.field.copy(b);
        for (int f = 0; f < 4; ++f) {
            QImage frame = ground.copy();
            if (f > 0) {
                QPainter q(&frame);
                // Only what is above the hole's middle shows.
                q.setClipRect(QRect(0, 0, w, h - 8));
                const double sink = f == 1 ? 20 : f == 2 ? 10 : 0;
                DrawAnt(q, QPointF(w / 2.0, h - 7 + sink), 0.92);
                q.end();
            }
            frames.push_back(frame);
        }
        art.frames.push_back(frames);
    }
    return art;
}

} // namespace puzzlegen
