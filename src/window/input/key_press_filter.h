// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs a key handler for every character typed into a watched field, before the field
// takes it; a handler that sets the code to 0 swallows the key.

#include <QObject>
#include <functional>
#include <map>

class QWidget;

namespace ferrovolt {

class KeyPressFilter : public QObject {
    Q_OBJECT
public:
    using KeyHandler = std::function<void(int& keyAscii)>;

    KeyPressFilter() = default;

    // Keys that type no character never reach the handler.
    void watch(QWidget& field, KeyHandler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<const QObject*, KeyHandler> m_handlers;
};

}  // namespace ferrovolt
