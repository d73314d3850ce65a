// The page fonts and the page canvas over a QPainter.
#pragma once

#include "pages/PageCanvas.h"
#include "pages/PageStyles.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <array>
#include <climits>
#include <optional>

// Page files hold Windows-1252 text.
QString PageText(const std::string& bytes);

// The eight page fonts ("HELV" is Liberation Sans, pixel sizes) and the line
// heights and tab width measured on the screen.
class CPageFonts {
public:
    CPageFonts();
    const QFont& Font(PageFont font) const { return m_fonts[font]; }
    const QFontMetrics& Metrics(PageFont font) const { return *m_metrics[font]; }
    const PageMetrics& Heights() const { return m_heights; }

private:
    std::array<QFont, kPageFontCount> m_fonts;
    std::array<std::optional<QFontMetrics>, kPageFontCount> m_metrics;
    PageMetrics m_heights;
};

// Draws with the screen's font metrics, so a page lays out the same on any
// device the painter draws to (the screen bitmap, a scaled printer page).
// Runs outside the band [bandTop, bandBottom) in page y are measured only.
class CQtPageCanvas : public CPageCanvas {
public:
    CQtPageCanvas(QPainter& painter, const CPageFonts& fonts, int bandTop = INT_MIN / 2,
                  int bandBottom = INT_MAX / 2);

    void SelectFont(PageFont font) override;
    void SetTextColor(PageColor color) override;
    int RunWidth(const std::string& run) override;
    int FontHeight() override;
    void DrawRun(int x, int y, const std::string& run) override;
    void FillRect(const PageRect& rect, PageColor color) override;
    void SelectDefaultFont() override;

private:
    QPainter& m_painter;
    const CPageFonts& m_fonts;
    PageFont m_font = fontB;
    int m_bandTop;
    int m_bandBottom;
};
