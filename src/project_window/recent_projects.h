// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The projects opened or saved last, newest first, kept in the user's settings so that the
// next start offers them again under File ▸ Open Recent.

#include <QString>
#include <QStringList>

namespace ferrovolt::recent_projects {

inline constexpr int kMost = 8;

QStringList list();
// `path` first, once, the oldest beyond kMost let go.
void add(const QString& path);
void remove(const QString& path);

}  // namespace ferrovolt::recent_projects
