// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace ferrovolt {

class SystemServices;

// The maker's web site: the caption of every link label and the address that OpenWebSite opens.
QString makerAddress();

// Hands the maker's web site to the default browser; does not wait, reports nothing.
void OpenWebSite(SystemServices& services);

}  // namespace ferrovolt
