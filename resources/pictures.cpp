// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QString>
#include <array>

namespace ferrovolt {

namespace {
constexpr std::array kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

QString iconPath(int size) {
    return QStringLiteral(":/icons/ferrovolt_%1.png").arg(size);
}
}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : kIconSizes) {
        icon.addFile(iconPath(size), QSize(size, size));
    }
    return icon;
}

QPixmap logoPicture() {
    return QPixmap(iconPath(64));
}

QIcon infoIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/info_16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/pictures/info_32.png"), QSize(32, 32));
    return icon;
}

}  // namespace ferrovolt
