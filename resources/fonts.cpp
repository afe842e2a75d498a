// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <QString>
#include <QStringList>
#include <array>

namespace ferrovolt {

namespace {
constexpr std::array kFontFiles = {":/fonts/LiberationSans-Regular.ttf",
                                   ":/fonts/LiberationSans-Bold.ttf"};
constexpr int kFontPixels = 11;
// Liberation Sans runs up to eight in a hundred wider than the classic 8-point dialog face the
// boxes were sized for; drawn that much narrower, every caption keeps its box.
constexpr int kStretch = 92;
}  // namespace

QString interfaceFamily() {
    static const QString family = [] {
        QString name;
        for (const char* file : kFontFiles) {
            // Stored uncompressed: the font database reads the face where the program holds
            // it rather than from a copy on the heap.
            const QResource resource(QString::fromLatin1(file));
            const int id = resource.compressionAlgorithm() == QResource::NoCompression
                               ? QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                                     reinterpret_cast<const char*>(resource.data()),
                                     static_cast<qsizetype>(resource.size())))
                               : QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (name.isEmpty() && !families.isEmpty()) name = families.front();
        }
        // Both files are linked in; an empty name would mean a broken build.
        return name.isEmpty() ? QStringLiteral("Liberation Sans") : name;
    }();
    return family;
}

QFont interfaceFont(bool bold) {
    QFont font(interfaceFamily());
    font.setPixelSize(kFontPixels);
    font.setBold(bold);
    font.setStretch(kStretch);
    // Hinting off keeps the widths what they are at any scale, so a text that fits at 100 %
    // fits at 150 % and 200 % too.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace ferrovolt
