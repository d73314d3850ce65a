#include "board/qt/DibStatic.h"

#include "board/Texts.h"
#include "board/qt/DibImage.h"
#include "board/qt/PaletteStatic.h"
#include "platform/MessageBox.h"

#include <QPainter>

CDibStatic::CDibStatic(QWidget* parent) : QFrame(parent) {
    setObjectName("CDibStatic");
}

CDibStatic::~CDibStatic() = default;

QSize CDibStatic::sizeHint() const {
    return m_frameRect.isEmpty() ? QFrame::sizeHint() : m_frameRect.size();
}

bool CDibStatic::LoadPicture(const CPalette* palette, const std::string& baseName, int width,
                             int height) {
    m_frameRect = QRect(0, 0, width, height);
    m_palette = palette;
    m_paintErrorShown = false;
    bool all = true;
    for (int i = 0; i < kFrameCount; ++i) {
        m_frames[i].reset();
        const std::string path = PicturePath(baseName + std::to_string(i) + ".bmp");
        DibFileRead read = ReadPackedDibFile(path);
        if (read.result != DibFileRead::ok || !read.dib) {
            all = false;
            platform::MessageBox(board_texts::kErrorReadingDib, "", platform::MB_OK);
            continue;
        }
        m_frames[i] = std::move(read.dib);
    }
    updateGeometry();
    update();
    return all;
}

void CDibStatic::Tick() {
    if (m_cycle.Tick())
        update();
}

void CDibStatic::Hit() {
    m_cycle.Hit();
    update();
}

void CDibStatic::ResetDelay() {
    m_cycle.ResetDelay();
}

void CDibStatic::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const HDIB& dib = m_frames[m_cycle.frame()];
    if (!dib || !m_palette)
        return;
    QPainter painter(this);
    if (!DrawPackedDib(painter, m_frameRect, dib, m_frameRect, m_palette) && !m_paintErrorShown) {
        m_paintErrorShown = true;
        ReportPaintError(this);
    }
}
