// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/splash_text.h"

namespace ferrovolt {

QString splashDisclaimerText(int year) {
    const QString cr = QStringLiteral("\r");
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    text += cr;
    text += QStringLiteral("All information and formulae contained in this program is presented ");
    text += QStringLiteral("in good faith.");
    text += cr;
    text += QStringLiteral("'Quorel' will not be held responsible for damage occurring through ");
    text += QStringLiteral("the use of this program. Any critical calculations should be ");
    text += QStringLiteral("checked against relevant local standards.");
    text += cr + cr;
    // A year is a calendar date, not a computed result, so plain decimal from Qt serves.
    text += QStringLiteral("Copyright \u00A9 %1 Ferrovolt. Free to use and to pass on.")
                .arg(QString::number(year));
    // The freeware note: its three lines are empty in this release, their breaks remain.
    text += crlf + crlf;
    text += cr + cr + cr;
    return text;
}

}  // namespace ferrovolt
