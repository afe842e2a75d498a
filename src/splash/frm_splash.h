// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace ferrovolt {

class SystemServices;

// The splash and about window: the program's name, version, web link and disclaimer. It has
// no buttons; whoever shows it waits and then unloads it (see SplashHost).
class frmSplash : public QWidget {
    Q_OBJECT

public:
    // Loads the window: Form_Load runs here. An owner keeps the window in front of it.
    explicit frmSplash(SystemServices& services, QWidget* owner = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void URL_Label_Click();
    void centreOnScreen();

    SystemServices& m_services;
    QLabel* m_box2;
    QLabel* m_label64;
    QLabel* m_urlLabel;
    QLabel* m_text3;
    QLabel* m_version;
    QLabel* m_box3;
    QLabel* m_text2;
};

}  // namespace ferrovolt
