// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The document information of a PDF that its writer cannot set (the author and subject
// besides the title and creator), added after the document as an update of the kind PDF
// keeps for a file changed in place: a new information object, a cross-reference section for
// it alone, and a trailer pointing back to the one before.

#include <QByteArray>
#include <QString>

namespace ferrovolt::package {

struct PdfInfo {
    QString title, author, subject, creator;
};

// The bytes to append to a PDF of `size` bytes ending in `tail` (its last kilobytes, which
// hold its trailer); empty where the tail holds no trailer this can follow.
QByteArray pdfInfoUpdate(const QByteArray& tail, qint64 size, const PdfInfo& info);

}  // namespace ferrovolt::package
