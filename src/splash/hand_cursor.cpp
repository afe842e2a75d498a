// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/hand_cursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>

namespace ferrovolt {

namespace {
// The tip of the pointing finger in the 32 x 32 picture of hand32.ico; an icon file carries no
// hot spot of its own.
constexpr int kHotSpotX = 11;
constexpr int kHotSpotY = 1;
}  // namespace

QString handCursorPath() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QString::fromLatin1(kHandCursorFileName));
}

std::optional<QCursor> loadHandCursor(const QString& path) {
    QPixmap picture(path);
    if (picture.isNull()) {
        return std::nullopt;
    }
    return QCursor(picture, kHotSpotX, kHotSpotY);
}

QCursor linkCursor(const QString& path) {
    return loadHandCursor(path).value_or(QCursor(Qt::PointingHandCursor));
}

}  // namespace ferrovolt
