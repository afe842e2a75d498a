// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The report's PDF written directly, page by page as it is drawn: text in the bundled
// TrueType faces (each embedded whole, its glyphs by index with their Unicode so that the
// text can be searched and copied), lines, rectangles and filled shapes, and the document's
// information. Qt's own PDF writer sets each glyph with a move of its own and compresses the
// result at its default level, which for the ten thousand sheets of a large project took
// most of the report's time; here a line of text is one string of glyph indexes, compressed
// at the fastest level.

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <map>
#include <vector>

class QIODevice;

namespace ferrovolt::package {

// The document information.
struct PdfInfo {
    QString title, author, subject, creator;
};

class PdfDocument {
public:
    // Pages of `pagePoints` (the paper, in points), drawn in dots of `dpi` from `origin` (the
    // top left corner inside the margins, in dots), down and to the right.
    PdfDocument(QIODevice& out, QSizeF pagePoints, double dpi, QPointF origin);

    // A face to draw in: its glyphs and metrics, and the font file the PDF embeds; the index
    // that names it below.
    int addFace(const QRawFont& raw, const QByteArray& file, const QByteArray& name);

    void beginPage();
    // A run of glyphs of a face at `size` dots, its baseline starting at `at`; each glyph's
    // character for the text the PDF gives back.
    void text(int face, double size, QPointF at, const QList<quint32>& glyphs,
              const QString& characters);
    void line(QPointF from, QPointF to, double width);
    void rectangle(const QRectF& rect, double width);
    void fill(const QRectF& rect, bool white = false);
    void fillTriangle(QPointF a, QPointF b, QPointF c);
    void endPage();

    // The fonts, the page tree and the information; false when a write failed.
    bool finish(const PdfInfo& info);

private:
    struct Face {
        QRawFont raw;
        QByteArray file;
        QByteArray name;
        std::map<quint32, char16_t> used;  // glyph and the character it shows
        int object = 0;                    // the first of its five objects
    };

    QIODevice& m_out;
    QSizeF m_size;   // in points
    double m_scale;  // points a dot
    QPointF m_origin;
    qint64 m_written = 0;
    bool m_failed = false;
    std::vector<qint64> m_offsets{0};  // by object number
    std::vector<int> m_pages;          // the page objects
    std::vector<Face> m_faces;
    QByteArray m_content;  // the page being drawn

    int reserve();
    void write(const QByteArray& bytes);
    void beginObject(int object);
    void stream(int object, const QByteArray& dictionary, const QByteArray& data, bool compress);
    QByteArray number(double value) const;
};

}  // namespace ferrovolt::package
