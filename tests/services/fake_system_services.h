// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test double of the desktop services: counts beeps, records notes and opened addresses
// instead of showing or opening them, shortens waits and reports a chosen calendar year.

#include "services/system_services.h"

#include <QDate>
#include <QString>
#include <chrono>
#include <vector>

namespace ferrovolt::testing {

struct RecordedNote {
    QString title;
    QString text;
};

class FakeSystemServices final : public SystemServices {
public:
    // A wait of s seconds lasts s * waitFactor seconds of real time.
    explicit FakeSystemServices(double waitFactor = 0.01) : m_waitFactor(waitFactor) {}

    void beep() override { ++m_beeps; }
    void openUrl(const QString& address) override { m_addresses.push_back(address); }
    void showNote(QWidget* /*parent*/, const QString& title, const QString& text) override {
        m_notes.push_back({title, text});
    }
    std::chrono::steady_clock::time_point now() const override {
        return std::chrono::steady_clock::now();
    }
    std::chrono::nanoseconds waitDuration(double seconds) const override {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::duration<double>(seconds * m_waitFactor));
    }
    int currentYear() const override { return m_year; }

    int beeps() const { return m_beeps; }
    const std::vector<RecordedNote>& notes() const { return m_notes; }
    const std::vector<QString>& addresses() const { return m_addresses; }
    double waitFactor() const { return m_waitFactor; }

    void setYear(int year) { m_year = year; }
    void setWaitFactor(double factor) { m_waitFactor = factor; }
    void clear() {
        m_beeps = 0;
        m_notes.clear();
        m_addresses.clear();
    }

private:
    double m_waitFactor;
    int m_beeps = 0;
    std::vector<RecordedNote> m_notes;
    std::vector<QString> m_addresses;
    int m_year = QDate::currentDate().year();
};

}  // namespace ferrovolt::testing
