#include "platform/qt/DataIcon.h"

#include "platform/DataPath.h"

#include <QImageReader>
#include <QPixmap>
#include <QString>

namespace platform {

QIcon DataIcon(const std::string& prefix, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes) {
        const QString file = QString::fromStdString(
            RealPathIn(CurrentFolder(), prefix + std::to_string(size) + ".png"));
        // Read as PNG, said outright: the toolkit then asks none of its image
        // plugins what the file is, and loads none of them at start-up.
        QImageReader reader(file, "png");
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace platform
