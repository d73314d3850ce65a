#include "platform/qt/DataIcon.h"

#include "platform/DataPath.h"

#include <QImageReader>
#include <QPixmap>
#include <QString>

namespace platform {

std::vector<QImage> DataIconImages(const std::string& prefix, const std::vector<int>& sizes) {
    std::vector<QImage> images;
    for (int size : sizes) {
        const QString file = QString::fromStdString(
            RealPathIn(CurrentFolder(), prefix + std::to_string(size) + ".png"));
        // Read as PNG, said outright: the toolkit then asks none of its image
        // plugins what the file is, and loads none of them at start-up.
        QImageReader reader(file, "png");
        QImage image = reader.read();
        if (!image.isNull())
            images.push_back(std::move(image));
    }
    return images;
}

QIcon IconOf(const std::vector<QImage>& images) {
    QIcon icon;
    for (const QImage& image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

QIcon DataIcon(const std::string& prefix, std::initializer_list<int> sizes) {
    return IconOf(DataIconImages(prefix, std::vector<int>(sizes)));
}

} // namespace platform
