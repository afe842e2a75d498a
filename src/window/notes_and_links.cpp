// SPDX-License-Identifier: GPL-3.0-or-later
// The three small extras of each tab: the information note, the about window behind the
// logo and the link to the maker's web site.

#include "services/system_services.h"
#include "splash/splash_host.h"
#include "splash/web_site.h"
#include "window/frm_options.h"
#include "window/notes.h"

namespace ferrovolt {

void frmOptions::imgInfo_Click(int index) {
    if (const auto note = noteForSign(index))
        m_services.showNote(this, QString::fromLatin1(kNoteTitle), *note);
}

void frmOptions::Image1_Click(int /*index*/) {
    // No owner: the about window may go behind this one. A click during the wait reuses the
    // window and keeps it up until six seconds after the latest click.
    ShowSplashFor(m_splash, m_services, nullptr, 6.0F);
}

void frmOptions::URL_Label1_Click(int /*index*/) {
    OpenWebSite(m_services);
}

}  // namespace ferrovolt
