// The picture reader: any bytes as a bitmap file, through LoadPackedDib, the
// picture document's derived size and palette, and the conversion to an
// image that is drawn 1:1 and stretched.
#include "board/DibDoc.h"
#include "board/qt/DibImage.h"
#include "platform/MessageBox.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool installed = [] {
        platform::SetMessageBoxHandler(
            [](const std::string&, const std::string&, unsigned) { return platform::IDOK; });
        InstallDibDecoder();
        return true;
    }();
    (void)installed;

    HDIB dib = LoadPackedDib(data, size);
    if (!dib)
        return 0;
    CDibDoc doc;
    if (!doc.SetPicture(dib))
        return 0;
    const PictureSize picture = doc.GetPictureSize();
    const QImage* image = PackedDibImage(doc.GetPicture());
    Check(image != nullptr);
    Check(image->width() == picture.width && image->height() == picture.height);
    CPalette palette;
    Check(MakeDibPalette(doc.GetPicture(), palette) == (doc.GetPalette() != nullptr));

    QImage canvas(24, 24, QImage::Format_RGB32);
    QPainter painter(&canvas);
    const QRect whole(0, 0, picture.width, picture.height);
    Check(DrawPackedDib(painter, QRect(0, 0, 24, 24), doc.GetPicture(), whole, doc.GetPalette()));
    Check(DrawPackedDib(painter, QRect(2, 2, 8, 8), doc.GetPicture(), QRect(0, 0, 8, 8)));
    return 0;
}
