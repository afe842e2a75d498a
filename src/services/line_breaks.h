// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ferrovolt {

// The program's texts break lines with a lone CR or with CR LF; Qt's labels and message
// boxes break only on LF, so both forms become one LF for display.
inline QString withDisplayLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace ferrovolt
