// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Access letters (Alt+letter) for a window whose inputs come from a description: each caption
// gets a letter no other control of the window holds. The window's own commands keep theirs;
// an input keeps the letter its caption marks while that is free, else takes the first free
// letter that starts one of its words, else any free letter of it, else none, so that no
// Alt+letter is ever shared.

#include <QList>
#include <QString>
#include <QStringList>

namespace ferrovolt {

// The letter a caption marks with '&' ("Cop&y" marks y), lower case; none when it marks none.
QChar accessLetter(const QString& caption);

// `captions` with their marks placed anew, in order of priority; `taken` are the letters of
// the window's commands, lower case.
QStringList withAccessLetters(const QStringList& captions, const QList<QChar>& taken);

}  // namespace ferrovolt
