// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/frm_splash.h"

#include "ferrovolt_version.h"
#include "fonts.h"
#include "services/line_breaks.h"
#include "services/system_services.h"
#include "splash/hand_cursor.h"
#include "splash/splash_text.h"
#include "splash/web_site.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace ferrovolt {

namespace {

// The window is laid out in twips; at 96 dpi a pixel is 15 twips and Qt scales for denser screens.
constexpr int twips(int value) {
    return (value + 7) / 15;
}

QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

QLabel* addLabel(QWidget* parent, const char* name, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

QFont systemFont(bool bold) {
    return interfaceFont(bold);
}

// A narrow heavy title: the built-in face in bold, drawn condensed, at 26.25 point (35 pixels
// at 96 dpi), the same on every machine.
QFont titleFont() {
    QFont font = interfaceFont(true);
    font.setPixelSize(35);
    font.setStretch(QFont::Condensed);
    return font;
}

}  // namespace

frmSplash::frmSplash(SystemServices& services, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::FramelessWindowHint),
      m_services(services),
      m_box2(addLabel(this, "Box2", twipsRect(120, 75, 3930, 5240))),
      m_label64(addLabel(this, "Label64", twipsRect(360, 240, 3615, 690))),
      m_urlLabel(addLabel(this, "URL_Label", twipsRect(1995, 720, 2010, 255))),
      m_text3(addLabel(this, "Text3", twipsRect(360, 840, 525, 225))),
      m_version(addLabel(this, "Version", twipsRect(720, 840, 1095, 225))),
      m_box3(addLabel(this, "Box3", twipsRect(360, 2040, 3435, 3095))),
      m_text2(addLabel(this, "Text2", twipsRect(480, 2160, 3165, 2825))) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(twips(4155), twips(5430));

    m_box2->setFrameShape(QFrame::Box);
    m_box3->setFrameShape(QFrame::Box);

    m_label64->setText(QStringLiteral("Ferrovolt"));
    m_label64->setFont(titleFont());
    // The title's box reaches down into the link line; standing at the top of its box, the
    // letters end above the link's text.
    m_label64->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_urlLabel->setText(makerAddress());
    QFont linkFont = systemFont(false);
    linkFont.setUnderline(true);
    m_urlLabel->setFont(linkFont);
    QPalette linkPalette = m_urlLabel->palette();
    // The theme's link colour: blue on the usual light palette, legible on a dark one.
    linkPalette.setColor(QPalette::WindowText, linkPalette.color(QPalette::Link));
    m_urlLabel->setPalette(linkPalette);
    m_urlLabel->installEventFilter(this);

    m_text3->setText(QStringLiteral("ver"));
    m_text3->setFont(systemFont(true));
    m_version->setFont(systemFont(false));

    m_text2->setFont(systemFont(false));
    m_text2->setWordWrap(true);
    m_text2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Form_Load();
}

void frmSplash::Form_Load() {
    // A missing or unreadable hand32.ico leaves the toolkit's own hand on the link.
    m_urlLabel->setCursor(linkCursor());
    m_version->setText(QString::fromLatin1(kVersionText));
    m_text2->setText(withDisplayLineBreaks(splashDisclaimerText(m_services.currentYear())));
    centreOnScreen();
}

void frmSplash::URL_Label_Click() {
    OpenWebSite(m_services);
}

void frmSplash::centreOnScreen() {
    // Without a window manager (a bare X server) a window would open at the corner.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame({}, size());
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_urlLabel && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_urlLabel->rect().contains(mouse->position().toPoint())) {
            URL_Label_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ferrovolt
