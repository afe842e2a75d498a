// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/code_memory.h"
#include "codes/code_registry.h"

#include <QSettings>

namespace ferrovolt {

namespace {

constexpr char kCodeKey[] = "circuitCheck/code";

// The program's settings, named explicitly so that they do not depend on what the
// application object was told.
QSettings settings() {
    return QSettings(QStringLiteral("Ferrovolt"), QStringLiteral("Ferrovolt"));
}

}  // namespace

const CircuitCode& rememberedCircuitCode() {
    const std::string key = settings().value(QLatin1String(kCodeKey)).toString().toStdString();
    if (const CircuitCode* code = circuitCode(key)) return *code;
    return defaultCircuitCode();
}

void rememberCircuitCode(const CircuitCode& code) {
    const std::string_view key = code.key();
    settings().setValue(QLatin1String(kCodeKey),
                        QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

}  // namespace ferrovolt
