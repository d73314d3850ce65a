#include "pages/qt/QtPageCanvas.h"

#include "pages/Texts.h"

#include <climits>

QString PageText(const std::string& bytes) {
    // 0x80-0x9F of Windows-1252; the rest is Latin-1.
    static const char16_t kHigh[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char c : bytes) {
        if (c >= 0x80 && c < 0xA0)
            text += QChar(kHigh[c - 0x80]);
        else
            text += QChar(c);
    }
    return text;
}

CPageFonts::CPageFonts() {
    for (int i = 0; i < kPageFontCount; ++i) {
        const PageFontSpec& spec = FontSpec(static_cast<PageFont>(i));
        QFont font(pages_text::kPageFace);
        font.setPixelSize(spec.pixelHeight);
        font.setWeight(spec.weight >= 700 ? QFont::Bold : QFont::Normal);
        font.setItalic(spec.italic);
        font.setStyleStrategy(QFont::PreferOutline);
        font.setKerning(false);
        m_fonts[i] = font;
        m_metrics[i].emplace(font);
    }
    auto lineHeight = [this](PageFont f) { return Metrics(f).height() + Metrics(f).leading(); };
    m_heights.hA = lineHeight(fontA);
    m_heights.hB = lineHeight(fontB);
    m_heights.hC = lineHeight(fontC);
    m_heights.hE = lineHeight(fontE);
    m_heights.hF = lineHeight(fontF);
    m_heights.tabWidth = 2 * Metrics(fontB).averageCharWidth();
    if (m_heights.tabWidth <= 0)
        m_heights.tabWidth = 16;
}

CQtPageCanvas::CQtPageCanvas(QPainter& painter, const CPageFonts& fonts, int bandTop,
                             int bandBottom)
    : m_painter(painter), m_fonts(fonts), m_bandTop(bandTop), m_bandBottom(bandBottom) {
    m_painter.setFont(m_fonts.Font(m_font));
    m_painter.setPen(Qt::black);
}

void CQtPageCanvas::SelectFont(PageFont font) {
    if (font < 0 || font >= kPageFontCount)
        font = fontB;
    m_font = font;
    m_painter.setFont(m_fonts.Font(font));
}

void CQtPageCanvas::SetTextColor(PageColor color) {
    m_painter.setPen(QColor(color.r, color.g, color.b));
}

int CQtPageCanvas::RunWidth(const std::string& run) {
    return m_fonts.Metrics(m_font).horizontalAdvance(PageText(run));
}

int CQtPageCanvas::FontHeight() {
    return m_fonts.Metrics(m_font).height();
}

void CQtPageCanvas::DrawRun(int x, int y, const std::string& run) {
    const QFontMetrics& fm = m_fonts.Metrics(m_font);
    if (y >= m_bandBottom || y + fm.height() <= m_bandTop)
        return;
    m_painter.drawText(QPoint(x, y + fm.ascent()), PageText(run));
}

void CQtPageCanvas::FillRect(const PageRect& rect, PageColor color) {
    m_painter.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()),
                       QColor(color.r, color.g, color.b));
}

void CQtPageCanvas::SelectDefaultFont() {
    m_font = fontB;
    m_painter.setFont(QFont());
}
