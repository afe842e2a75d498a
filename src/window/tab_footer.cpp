#include "window/tab_footer.h"

#include "pictures.h"
#include "window/click_label.h"
#include "window/controls.h"

namespace ferrovolt {

TabFooter addFooter(QWidget* page, FooterIndexes indexes, const QString& address) {
    TabFooter footer{};
    footer.link = addLink(page, indexes.link, address, {1320, 4550, 2535, 255});
    // The logo's tool tip comes at start-up, with its pointer.
    footer.logo = addPicture(page, arrayName("Image1", indexes.logo), logoPicture(),
                             {600, 4920, 270, 270}, true, QString(), QStringLiteral("About"));
    footer.info = addPicture(page, arrayName("imgInfo", indexes.info), infoIcon().pixmap(16, 16),
                             {4200, 4920, 270, 270}, false, QStringLiteral("Click Me."),
                             QStringLiteral("Information"));
    return footer;
}

QPushButton* addCalculate(QWidget* page, const QString& name) {
    return addButton(page, name, QStringLiteral("Calculate"), kCalculatePlace);
}

}  // namespace ferrovolt
