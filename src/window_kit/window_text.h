// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts between a check and the window's controls.

#include <QString>
#include <string_view>

namespace ferrovolt {

inline QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A label's text as a screen reader names its control: no mnemonic, no colon.
inline QString plain(const QString& label) {
    QString text = label;
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text;
}

}  // namespace ferrovolt
