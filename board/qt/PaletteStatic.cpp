#include "board/qt/PaletteStatic.h"

#include "board/Texts.h"
#include "board/qt/DibImage.h"
#include "platform/DataPath.h"
#include "platform/FileError.h"
#include "platform/MessageBox.h"

#include <QPainter>
#include <QPointer>
#include <QTimer>

std::string PicturePath(const std::string& path) {
    if (!path.empty() && path.front() == '/')
        return path;
    return platform::RealPath(path);
}

void ReportPaintError(QWidget* control) {
    QPointer<QWidget> guard(control);
    QTimer::singleShot(0, control, [guard] {
        if (guard)
            platform::MessageBox(board_texts::kErrorPaintingDib, "", platform::MB_OK);
    });
}

CPaletteStatic::CPaletteStatic(QWidget* parent) : QFrame(parent) {
    setObjectName("CPaletteStatic");
}

CPaletteStatic::~CPaletteStatic() = default;

QSize CPaletteStatic::PictureSize() const {
    if (!m_picture)
        return QSize(0, 0);
    return QSize(DibPixelWidth(m_picture->Header()), DibPixelHeight(m_picture->Header()));
}

QSize CPaletteStatic::sizeHint() const {
    QSize size = PictureSize();
    return size.isEmpty() ? QFrame::sizeHint() : size;
}

bool CPaletteStatic::LoadPicture(const std::string& path) {
    const std::string real = PicturePath(path);
    DibFileRead read = ReadPackedDibFile(real);
    if (read.result == DibFileRead::openFailed) {
        platform::MessageBox(platform::FileErrorText(read.cause, real), "",
                             platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return false;
    }
    m_picture.reset();
    m_sharp = QImage();
    m_sharpFrom.clear();
    m_paintErrorShown = false;
    if (read.result == DibFileRead::readFailed || !read.dib) {
        m_palette.reset();
        update();
        platform::MessageBox(board_texts::kErrorReadingDib, "", platform::MB_OK);
        return false;
    }
    m_picture = std::move(read.dib);
    m_palette = std::make_unique<CPalette>();
    if (!MakeDibPalette(m_picture, *m_palette)) {
        m_palette.reset();
        update();
        platform::MessageBox(board_texts::kErrorCreatingPalette, "", platform::MB_OK);
        return false;
    }
    m_sharpFrom = real;
    updateGeometry();
    update();
    return true;
}

void CPaletteStatic::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!m_picture || !m_palette)
        return;
    QPainter painter(this);
    const QRect whole(QPoint(0, 0), PictureSize());
    if (devicePixelRatioF() > 1.0 && !m_sharpFrom.empty()) {
        m_sharp = LoadSharpTwin(m_sharpFrom, PictureSize());
        m_sharpFrom.clear();
    }
    if (devicePixelRatioF() > 1.0 && !m_sharp.isNull()) {
        painter.drawImage(whole, m_sharp);
        return;
    }
    if (!DrawPackedDib(painter, whole, m_picture, whole, m_palette.get()) && !m_paintErrorShown) {
        m_paintErrorShown = true;
        ReportPaintError(this);
    }
}
