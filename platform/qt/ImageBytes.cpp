#include "platform/qt/ImageBytes.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace platform {

QImage ReadImageBytes(const void* bytes, std::size_t size, const char* format) {
    QByteArray data =
        QByteArray::fromRawData(static_cast<const char*>(bytes), static_cast<qsizetype>(size));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    QImage image;
    if (!reader.read(&image))
        return QImage();
    return image;
}

} // namespace platform
