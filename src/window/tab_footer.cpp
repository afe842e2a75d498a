// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tab_footer.h"

#include <QGuiApplication>

#include "pictures.h"
#include "window/click_label.h"
#include "window/controls.h"

namespace ferrovolt {

namespace {

// The 16 by 16 sign at the screen's density: drawn from the 32 by 32 picture where pixels are
// denser, sharp at 150 % and 200 %.
QPixmap infoPixmap() {
    return infoIcon().pixmap(QSize(16, 16), qGuiApp->devicePixelRatio());
}

}  // namespace

TabFooter addFooter(QWidget* page, FooterIndexes indexes, const QString& address) {
    TabFooter footer{};
    footer.link = addLink(page, indexes.link, address, {1320, 4550, 2535, 255});
    // The logo's tool tip comes at start-up, with its pointer.
    footer.logo = addPicture(page, arrayName("Image1", indexes.logo), logoPicture(),
                             {600, 4920, 270, 270}, true, QString(), QStringLiteral("About"));
    footer.info =
        addPicture(page, arrayName("imgInfo", indexes.info), infoPixmap(), {4200, 4920, 270, 270},
                   false, QStringLiteral("Click Me."), QStringLiteral("Information"));
    return footer;
}

QPushButton* addCalculate(QWidget* page, const QString& name) {
    return addButton(page, name, QStringLiteral("Calculate"), kCalculatePlace);
}

}  // namespace ferrovolt
