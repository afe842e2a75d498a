// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Unsaved work kept beside the user's data (the XDG data folder's recovery/), so that a crash
// or a killed session loses none of it: each window writes its project to a file of its own,
// named by its process, with the file it came from in a note beside it, and removes both once
// its changes are saved or let go. What a process no longer running left behind is offered
// back at the next start.

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "project/project.h"

namespace ferrovolt {

class RecoveryFile {
public:
    RecoveryFile();
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // The folder the recovery files are kept in.
    static QString folder();

    // Writes the project (atomically) and the path it came from ("" for a new one); the
    // reason when it could not.
    std::optional<QString> write(const project::Project& p, const QString& origin);
    // Removes what it wrote.
    void remove();
    const QString& path() const { return m_path; }

    struct Found {
        QString path;    // the recovery file
        QString origin;  // the file it was open from; "" for a new project
        QDateTime saved;
    };
    // The recovery files of processes no longer running, the newest first.
    static std::vector<Found> leftBehind();
    static void discard(const Found& found);

private:
    QString m_path;
    bool m_written = false;
};

}  // namespace ferrovolt
