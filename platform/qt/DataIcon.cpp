#include "platform/qt/DataIcon.h"

#include "platform/DataPath.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>
#include <QString>
#include <fstream>
#include <iterator>

namespace platform {

std::vector<std::string> DataIconFiles(const std::string& prefix, const std::vector<int>& sizes) {
    std::vector<std::string> files;
    for (int size : sizes) {
        std::ifstream in(RealPathIn(CurrentFolder(), prefix + std::to_string(size) + ".png"),
                         std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in && !bytes.empty())
            files.push_back(std::move(bytes));
    }
    return files;
}

QIcon IconOf(const std::vector<std::string>& pngFiles) {
    QIcon icon;
    for (const std::string& bytes : pngFiles) {
        QByteArray data =
            QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
        QBuffer buffer(&data);
        // Read as PNG, said outright and with no guessing from the contents:
        // the toolkit then asks none of its image plugins what the file is,
        // and loads none of them at start-up.
        QImageReader reader(&buffer, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QIcon DataIcon(const std::string& prefix, std::initializer_list<int> sizes) {
    return IconOf(DataIconFiles(prefix, std::vector<int>(sizes)));
}

} // namespace platform
