// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/input/key_code.h"

#include <QKeyEvent>

#include "window/input/char_codes.h"

namespace ferrovolt {

namespace {

using namespace charcode;
// A composed text of several characters is judged as no acceptable character at all.
constexpr int kNoCharacter = kNone;

// The code that a chord with Ctrl types, as the desktop's edit fields receive it.
std::optional<int> controlChordCode(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;  // Ctrl+C 3, Ctrl+V 22, Ctrl+X 24, Ctrl+Z 26
    }
    switch (key) {
        case Qt::Key_BracketLeft:
            return 27;
        case Qt::Key_Backslash:
            return 28;
        case Qt::Key_BracketRight:
            return 29;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<int> typedCharacterCode(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);

    switch (event.key()) {
        case Qt::Key_Backspace:
            return control ? kDelete : kBackspace;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return kTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return control ? kLineFeed : kEnter;
        case Qt::Key_Escape:
            return kEscape;
        case Qt::Key_Delete:
            return std::nullopt;  // X11 gives it the text "\x7f", but it types nothing
        default:
            break;
    }
    // Ctrl together with Alt is AltGr on some desktops: that types the character of its text.
    if (control && !alt) {
        return controlChordCode(event.key());
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    if (text.size() != 1) {
        return kNoCharacter;
    }
    return static_cast<int>(text.at(0).unicode());
}

}  // namespace ferrovolt
