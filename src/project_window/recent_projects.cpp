// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_window/recent_projects.h"

#include <QFileInfo>
#include <QSettings>

namespace ferrovolt::recent_projects {

namespace {

constexpr char kKey[] = "projectWindow/recent";

QSettings settings() {
    return QSettings(QStringLiteral("Ferrovolt"), QStringLiteral("Ferrovolt"));
}

}  // namespace

QStringList list() {
    return settings().value(QLatin1String(kKey)).toStringList();
}

void add(const QString& path) {
    // One entry a file, however it was reached.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = list();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    while (paths.size() > kMost) paths.removeLast();
    settings().setValue(QLatin1String(kKey), paths);
}

void remove(const QString& path) {
    QStringList paths = list();
    paths.removeAll(path);
    settings().setValue(QLatin1String(kKey), paths);
}

}  // namespace ferrovolt::recent_projects
