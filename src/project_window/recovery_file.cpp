// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_window/recovery_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#include "project/project_file.h"

namespace ferrovolt {

namespace {

constexpr char kSuffix[] = ".fvproj";
constexpr char kOriginSuffix[] = ".origin";

// Each window of a process writes its own file: "p1234-2.fvproj".
int nextNumber() {
    static int number = 0;
    return ++number;
}

QString originOf(const QString& path) {
    return path.chopped(static_cast<qsizetype>(sizeof kSuffix - 1)) + QLatin1String(kOriginSuffix);
}

// Whether the process that wrote `name` still runs (its /proc entry, on the desktops that
// keep one).
bool writerRuns(const QString& name) {
    const qsizetype dash = name.indexOf(u'-');
    if (!name.startsWith(u'p') || dash < 2) return false;
    bool number = false;
    const qint64 pid = name.mid(1, dash - 1).toLongLong(&number);
    if (!number) return false;
    if (pid == QCoreApplication::applicationPid()) return true;
    return QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

}  // namespace

RecoveryFile::RecoveryFile()
    : m_path(QDir(folder()).filePath(QStringLiteral("p%1-%2%3")
                                         .arg(QCoreApplication::applicationPid())
                                         .arg(nextNumber())
                                         .arg(QLatin1String(kSuffix)))) {}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::folder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("ferrovolt/recovery"));
}

std::optional<QString> RecoveryFile::write(const project::Project& p, const QString& origin) {
    if (!QDir().mkpath(folder())) return QStringLiteral("cannot make the folder ") + folder();
    if (auto refusal = project::saveProject(p, m_path.toStdString()))
        return QString::fromStdString(*refusal);
    QSaveFile note(originOf(m_path));
    if (!note.open(QIODevice::WriteOnly) || note.write(origin.toUtf8()) < 0 || !note.commit())
        return note.errorString();
    m_written = true;
    return std::nullopt;
}

void RecoveryFile::remove() {
    if (!m_written) return;
    QFile::remove(m_path);
    QFile::remove(originOf(m_path));
    m_written = false;
}

std::vector<RecoveryFile::Found> RecoveryFile::leftBehind() {
    std::vector<Found> found;
    const QDir dir(folder());
    const QStringList names =
        dir.entryList({QStringLiteral("*") + QLatin1String(kSuffix)}, QDir::Files);
    for (const QString& name : names) {
        if (writerRuns(name)) continue;
        Found f;
        f.path = dir.filePath(name);
        f.saved = QFileInfo(f.path).lastModified();
        QFile note(originOf(f.path));
        if (note.open(QIODevice::ReadOnly)) f.origin = QString::fromUtf8(note.readAll());
        found.push_back(f);
    }
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return a.saved > b.saved; });
    return found;
}

void RecoveryFile::discard(const Found& found) {
    QFile::remove(found.path);
    QFile::remove(originOf(found.path));
}

}  // namespace ferrovolt
