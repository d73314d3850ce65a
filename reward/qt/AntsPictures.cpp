#include "reward/qt/AntsPictures.h"

#include "board/Texts.h"
#include "board/qt/DibImage.h"
#include "platform/DataPath.h"
#include "platform/MessageBox.h"

#include <QPainter>

CAntsFieldPicture::CAntsFieldPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CAntsFieldPicture::LoadPicture(const std::string& path) {
    m_picture.reset();
    m_hasPalette = false;
    HDIB dib = LoadPackedDib(path);
    if (!dib) {
        platform::MessageBox(board_texts::kErrorReadingDib);
        update();
        return;
    }
    CPalette palette;
    if (!MakeDibPalette(dib, palette)) {
        platform::MessageBox(board_texts::kErrorCreatingPalette);
        update();
        return;
    }
    m_picture = std::move(dib);
    m_palette = std::move(palette);
    m_hasPalette = true;
    update();
}

void CAntsFieldPicture::paintEvent(QPaintEvent*) {
    if (!m_picture || !m_hasPalette)
        return;
    QPainter painter(this);
    const QRect whole(0, 0, DibPixelWidth(m_picture->Header()),
                      std::abs(DibPixelHeight(m_picture->Header())));
    DrawPackedDib(painter, whole, m_picture, whole, &m_palette);
}

CAntSprite::CAntSprite(QWidget* parent) : QWidget(parent) {}

void CAntSprite::LoadPicture(const CPalette* palette, const std::string& stem, int width,
                             int height) {
    m_frameRect = QRect(0, 0, width, height);
    m_palette = palette;
    for (int i = 0; i < board::CFrameCycle::kFrameCount; ++i) {
        m_frames[i].reset();
        m_frames[i] = LoadPackedDib(platform::RealPath(stem + std::to_string(i) + ".bmp"));
        if (!m_frames[i])
            platform::MessageBox(board_texts::kErrorReadingDib);
    }
    update();
}

void CAntSprite::Tick() {
    if (m_cycle.Tick())
        update();
}

void CAntSprite::Hit() {
    m_cycle.Hit();
    update();
}

void CAntSprite::paintEvent(QPaintEvent*) {
    const HDIB& frame = m_frames[m_cycle.frame()];
    if (!frame || !m_palette)
        return;
    QPainter painter(this);
    DrawPackedDib(painter, m_frameRect, frame, m_frameRect, m_palette);
}
