#include "platform/qt/DataIcon.h"

#include "platform/DataPath.h"

#include <QFile>
#include <QString>

namespace platform {

QIcon DataIcon(const std::string& prefix, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes) {
        const QString file = QString::fromStdString(
            RealPathIn(CurrentFolder(), prefix + std::to_string(size) + ".png"));
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

} // namespace platform
