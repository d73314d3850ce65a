#include "app/qt/PictureSeam.h"

#include <QLabel>
#include <QPixmap>

namespace shell {

QWidget* MakePictureControl(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void LoadPictureControl(QWidget* control, const std::string& path) {
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setPixmap(QPixmap(QString::fromStdString(path)));
}

} // namespace shell
