// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_report/pdf_info.h"

#include <QRegularExpression>

namespace ferrovolt::package {

namespace {

// A text string of the document information: UTF-16, big-endian, after its byte order mark.
QByteArray textString(const QString& text) {
    QByteArray out("<FEFF");
    for (const QChar c : text)
        out += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return out + '>';
}

}  // namespace

QByteArray pdfInfoUpdate(const QByteArray& tail, qint64 size, const PdfInfo& info) {
    const qsizetype trailer = tail.lastIndexOf("trailer");
    if (trailer < 0) return {};
    const QString after = QString::fromLatin1(tail.mid(trailer));
    const QRegularExpressionMatch sizeMatch =
        QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(after);
    const QRegularExpressionMatch root =
        QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+)\\s+R")).match(after);
    const QRegularExpressionMatch start =
        QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(after);
    if (!sizeMatch.hasMatch() || !root.hasMatch() || !start.hasMatch()) return {};
    const qint64 object = sizeMatch.captured(1).toLongLong();

    QByteArray update("\n");
    const qint64 offset = size + update.size();
    update += QByteArray::number(object) + " 0 obj\n<<\n";
    update += "/Title " + textString(info.title) + '\n';
    if (!info.author.isEmpty()) update += "/Author " + textString(info.author) + '\n';
    update += "/Subject " + textString(info.subject) + '\n';
    update += "/Creator " + textString(info.creator) + '\n';
    update += ">>\nendobj\n";
    const qint64 xref = size + update.size();
    update += "xref\n" + QByteArray::number(object) + " 1\n" +
              QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<\n/Size " + QByteArray::number(object + 1) + "\n/Root " +
              root.captured(1).toLatin1() + " R\n/Info " + QByteArray::number(object) +
              " 0 R\n/Prev " + start.captured(1).toLatin1() + "\n>>\nstartxref\n" +
              QByteArray::number(xref) + "\n%%EOF\n";
    return update;
}

}  // namespace ferrovolt::package
