#include "window/input/input_handling.h"

#include <QWidget>

#include "services/system_services.h"
#include "tables/tables.h"

namespace ferrovolt {

struct InputHandling::Wiring {
    QWidget& window;
    const Tables& tables;
    SystemServices& services;
};

InputHandling::InputHandling(QWidget& window, const Tables& tables, SystemServices& services)
    : m_wiring(std::make_unique<Wiring>(Wiring{window, tables, services})) {}

InputHandling::~InputHandling() = default;

}  // namespace ferrovolt
