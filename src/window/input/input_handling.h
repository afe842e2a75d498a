#pragma once

// The input handling of the main window: the key filter of the numeric fields, the checks
// that run before the focus may leave a field, and the recalculation when a list is left
// or an option button is clicked. The window builds it once every control exists; it finds
// the controls by objectName and wires everything itself.

#include <memory>

class QWidget;

namespace ferrovolt {

struct Tables;
class SystemServices;

class InputHandling {
public:
    // The tables are read at event time: the window fills them after building this.
    // Must not outlive the window.
    InputHandling(QWidget& window, const Tables& tables, SystemServices& services);
    ~InputHandling();

    InputHandling(const InputHandling&) = delete;
    InputHandling& operator=(const InputHandling&) = delete;

private:
    struct Wiring;
    std::unique_ptr<Wiring> m_wiring;
};

}  // namespace ferrovolt
