// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/qt_system_services.h"

#include "services/line_breaks.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace ferrovolt {

void QtSystemServices::beep() {
    QApplication::beep();
}

void QtSystemServices::openUrl(const QString& address) {
    // Addresses are written as users write them ("www.example.org"); a browser needs a scheme.
    // The browser is started asynchronously; whether it came up is of no concern to the program.
    static_cast<void>(QDesktopServices::openUrl(QUrl::fromUserInput(address)));
}

void QtSystemServices::showNote(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, withDisplayLineBreaks(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

std::chrono::steady_clock::time_point QtSystemServices::now() const {
    return std::chrono::steady_clock::now();
}

std::chrono::nanoseconds QtSystemServices::waitDuration(double seconds) const {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::duration<double>(seconds));
}

int QtSystemServices::currentYear() const {
    return QDate::currentDate().year();
}

}  // namespace ferrovolt
