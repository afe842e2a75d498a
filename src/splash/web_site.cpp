// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/web_site.h"

#include "services/system_services.h"

#include <QString>

namespace ferrovolt {

namespace {
// Short enough to fit the link labels of both windows at their fixed widths.
constexpr char kMakerAddress[] = "www.ferrovolt.example";
}  // namespace

QString makerAddress() {
    return QString::fromLatin1(kMakerAddress);
}

void OpenWebSite(SystemServices& services) {
    services.openUrl(makerAddress());
}

}  // namespace ferrovolt
