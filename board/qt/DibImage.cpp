#include "board/qt/DibImage.h"

#include "platform/qt/ImageBytes.h"

#include <QPainter>

QImage DecodePackedDib(const PackedDib& dib) {
    if (dib.bytes.empty() || DibIsTooLarge(dib))
        return QImage();
    const std::vector<uint8_t> file = dib.FileBytes();
    QImage image = platform::ReadImageBytes(file.data(), file.size(), "bmp");
    if (image.isNull())
        return QImage();
    const int width = DibPixelWidth(dib.Header());
    const int height = DibPixelHeight(dib.Header());
    if (image.width() != width || image.height() != height)
        return QImage();
    // A damaged picture may use colour numbers beyond its colour table; they
    // show black, as they always have, instead of reading past the table.
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono ||
        image.format() == QImage::Format_MonoLSB) {
        const int needed = image.depth() == 1 ? 2 : 256;
        QList<QRgb> table = image.colorTable();
        while (table.size() < needed)
            table.append(qRgb(0, 0, 0));
        image.setColorTable(table);
    }
    // A picture of 256 colours stays one byte a pixel, drawn through its
    // colour table: a quarter of the memory, and the board redraws only the
    // few squares a click changes. Others are kept as plain 32-bit pixels.
    if (image.format() == QImage::Format_Indexed8)
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

namespace {

bool DecodeOnLoad(const PackedDib& dib) {
    QImage image = DecodePackedDib(dib);
    if (image.isNull())
        return false;
    dib.drawable = std::make_shared<const QImage>(std::move(image));
    return true;
}

} // namespace

const QImage* PackedDibImage(const HDIB& dib) {
    if (!dib)
        return nullptr;
    if (!dib->drawable && !DecodeOnLoad(*dib))
        return nullptr;
    return static_cast<const QImage*>(dib->drawable.get());
}

void InstallDibDecoder() {
    SetDibDecoder(&DecodeOnLoad);
}

namespace {
// Any program that draws pictures decodes them on loading, also when it
// forgets to call InstallDibDecoder.
const bool g_decoderInstalled = (InstallDibDecoder(), true);
} // namespace

bool DrawPackedDib(QPainter& painter, const QRect& destination, const HDIB& dib,
                   const QRect& source, const CPalette* /*palette*/) {
    const QImage* image = PackedDibImage(dib);
    if (!image)
        return false;
    if (destination.size() == source.size())
        painter.drawImage(destination.topLeft(), *image, source);
    else
        painter.drawImage(destination, *image, source);
    return true;
}

QImage LoadSharpTwin(const std::string& path, QSize size) {
    const std::string ext = ".bmp";
    if (path.size() <= ext.size() || size.isEmpty() ||
        QString::fromStdString(path.substr(path.size() - ext.size()))
                .compare(QString::fromStdString(ext), Qt::CaseInsensitive) != 0)
        return {};
    QImage sharp(QString::fromStdString(path.substr(0, path.size() - ext.size())) + "@2x.bmp",
                 "BMP");
    if (sharp.isNull() || sharp.size() != size * 2)
        return {};
    sharp = sharp.convertToFormat(QImage::Format_RGB32);
    sharp.setDevicePixelRatio(2);
    return sharp;
}
