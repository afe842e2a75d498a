// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/system_services.h"

namespace ferrovolt {

// The services as the desktop really provides them; the program's default.
class QtSystemServices final : public SystemServices {
public:
    void beep() override;
    void openUrl(const QString& address) override;
    void showNote(QWidget* parent, const QString& title, const QString& text) override;
    std::chrono::steady_clock::time_point now() const override;
    std::chrono::nanoseconds waitDuration(double seconds) const override;
    int currentYear() const override;
};

}  // namespace ferrovolt
