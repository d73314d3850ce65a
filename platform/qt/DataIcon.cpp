#include "platform/qt/DataIcon.h"

#include "platform/DataPath.h"
#include "platform/qt/ImageBytes.h"

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
        const QImage image = ReadImageBytes(bytes.data(), bytes.size(), "png");
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QIcon DataIcon(const std::string& prefix, std::initializer_list<int> sizes) {
    return IconOf(DataIconFiles(prefix, std::vector<int>(sizes)));
}

} // namespace platform
