// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The core speaks UTF-8 std::string; the controls speak QString.

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace ferrovolt {

inline QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

template <typename Texts>
QStringList toQtList(const Texts& texts) {
    QStringList list;
    for (const auto& text : texts) list.append(toQt(text));
    return list;
}

}  // namespace ferrovolt
