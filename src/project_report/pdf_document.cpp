// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_report/pdf_document.h"

#include <QIODevice>
#include <algorithm>
#include <cmath>

namespace ferrovolt::package {

namespace {

constexpr int kCatalog = 1;
constexpr int kPageTree = 2;
constexpr int kInfo = 3;

// A text string of the document information: UTF-16, big-endian, after its byte order mark.
QByteArray textString(const QString& text) {
    QByteArray out("<FEFF");
    for (const QChar c : text)
        out += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return out + '>';
}

QByteArray hex4(unsigned value) {
    return QByteArray::number(value, 16).rightJustified(4, '0').toUpper();
}

}  // namespace

PdfDocument::PdfDocument(QIODevice& out, QSizeF pagePoints, double dpi, QPointF origin)
    : m_out(out), m_size(pagePoints), m_scale(72 / dpi), m_origin(origin) {
    m_offsets.resize(kInfo + 1, 0);
    write("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
}

int PdfDocument::reserve() {
    m_offsets.push_back(0);
    return static_cast<int>(m_offsets.size()) - 1;
}

void PdfDocument::write(const QByteArray& bytes) {
    const qint64 done = m_out.write(bytes);
    if (done != bytes.size()) m_failed = true;
    if (done > 0) m_written += done;
}

void PdfDocument::beginObject(int object) {
    m_offsets[static_cast<std::size_t>(object)] = m_written;
    write(QByteArray::number(object) + " 0 obj\n");
}

void PdfDocument::stream(int object, const QByteArray& dictionary, const QByteArray& data,
                         bool compress) {
    // qCompress puts the length before zlib's own stream; the PDF takes the stream alone.
    const QByteArray body = compress ? qCompress(data, 1).mid(4) : data;
    beginObject(object);
    write("<<" + dictionary + " /Length " + QByteArray::number(body.size()) +
          (compress ? " /Filter /FlateDecode" : "") + ">>\nstream\n");
    write(body);
    write("\nendstream\nendobj\n");
}

QByteArray PdfDocument::number(double value) const {
    return QByteArray::number(std::round(value * 100) / 100, 'f', 2);
}

int PdfDocument::addFace(const QRawFont& raw, const QByteArray& file, const QByteArray& name) {
    Face face{raw, file, name, {}, 0};
    face.object = reserve();
    for (int i = 0; i < 4; ++i) reserve();
    m_faces.push_back(std::move(face));
    return static_cast<int>(m_faces.size()) - 1;
}

void PdfDocument::beginPage() {
    // Dots from the page's top left: scaled to points and turned upright.
    m_content = "q " + number(m_scale) + " 0 0 " + number(-m_scale) + " 0 " +
                number(m_size.height()) + " cm 1 0 0 1 " + number(m_origin.x()) + ' ' +
                number(m_origin.y()) + " cm\n";
    m_content.reserve(1 << 16);
}

void PdfDocument::text(int faceIndex, double size, QPointF at, const QList<quint32>& glyphs,
                       const QString& characters) {
    Face& face = m_faces[static_cast<std::size_t>(faceIndex)];
    m_content += "BT /F" + QByteArray::number(faceIndex) + ' ' + number(size) + " Tf 1 0 0 -1 " +
                 number(at.x()) + ' ' + number(at.y()) + " Tm (";
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const quint32 glyph = glyphs[i];
        face.used.emplace(glyph, i < characters.size() ? characters[i].unicode() : 0);
        for (const char byte : {static_cast<char>(glyph >> 8), static_cast<char>(glyph & 0xff)}) {
            if (byte == '(' || byte == ')' || byte == '\\')
                m_content += '\\';
            else if (byte == '\r' || byte == '\n') {
                m_content += byte == '\r' ? "\\r" : "\\n";
                continue;
            }
            m_content += byte;
        }
    }
    m_content += ") Tj ET\n";
}

void PdfDocument::line(QPointF from, QPointF to, double width) {
    m_content += number(width) + " w " + number(from.x()) + ' ' + number(from.y()) + " m " +
                 number(to.x()) + ' ' + number(to.y()) + " l S\n";
}

void PdfDocument::rectangle(const QRectF& r, double width) {
    m_content += number(width) + " w " + number(r.x()) + ' ' + number(r.y()) + ' ' +
                 number(r.width()) + ' ' + number(r.height()) + " re S\n";
}

void PdfDocument::fill(const QRectF& r, bool white) {
    m_content += QByteArray(white ? "1 g " : "") + number(r.x()) + ' ' + number(r.y()) + ' ' +
                 number(r.width()) + ' ' + number(r.height()) + " re f" + (white ? " 0 g\n" : "\n");
}

void PdfDocument::fillTriangle(QPointF a, QPointF b, QPointF c) {
    m_content += number(a.x()) + ' ' + number(a.y()) + " m " + number(b.x()) + ' ' + number(b.y()) +
                 " l " + number(c.x()) + ' ' + number(c.y()) + " l h f\n";
}

void PdfDocument::endPage() {
    m_content += "Q\n";
    const int page = reserve();
    const int content = reserve();
    stream(content, {}, m_content, true);
    QByteArray fonts;
    for (std::size_t i = 0; i < m_faces.size(); ++i)
        fonts += " /F" + QByteArray::number(static_cast<int>(i)) + ' ' +
                 QByteArray::number(m_faces[i].object) + " 0 R";
    beginObject(page);
    write("<</Type /Page /Parent " + QByteArray::number(kPageTree) + " 0 R /MediaBox [0 0 " +
          number(m_size.width()) + ' ' + number(m_size.height()) + "] /Resources <</Font <<" +
          fonts + ">> >> /Contents " + QByteArray::number(content) + " 0 R>>\nendobj\n");
    m_pages.push_back(page);
    m_content.clear();
}

bool PdfDocument::finish(const PdfInfo& info) {
    for (Face& face : m_faces) {
        const int type0 = face.object, cid = face.object + 1, descriptor = face.object + 2,
                  file = face.object + 3, unicode = face.object + 4;
        // Metrics in thousandths of the em, as the PDF wants them.
        QRawFont em = face.raw;
        em.setPixelSize(em.unitsPerEm());
        const double thousandth = 1000 / em.unitsPerEm();
        QByteArray widths;
        QList<quint32> glyphs;
        for (const auto& used : face.used) glyphs.push_back(used.first);
        const QList<QPointF> advances = em.advancesForGlyphIndexes(glyphs);
        for (qsizetype i = 0; i < glyphs.size() && i < advances.size(); ++i)
            widths += QByteArray::number(glyphs[i]) + " [" +
                      QByteArray::number(qRound(advances[i].x() * thousandth)) + "] ";
        beginObject(type0);
        write("<</Type /Font /Subtype /Type0 /BaseFont /" + face.name +
              " /Encoding /Identity-H /DescendantFonts [" + QByteArray::number(cid) +
              " 0 R] /ToUnicode " + QByteArray::number(unicode) + " 0 R>>\nendobj\n");
        beginObject(cid);
        write("<</Type /Font /Subtype /CIDFontType2 /BaseFont /" + face.name +
              " /CIDSystemInfo <</Registry (Adobe) /Ordering (Identity) /Supplement 0>>"
              " /FontDescriptor " +
              QByteArray::number(descriptor) + " 0 R /CIDToGIDMap /Identity /W [" + widths +
              "]>>\nendobj\n");
        beginObject(descriptor);
        write("<</Type /FontDescriptor /FontName /" + face.name +
              " /Flags 32 /FontBBox [-1000 -500 2000 1200] /ItalicAngle 0 /Ascent " +
              QByteArray::number(qRound(em.ascent() * thousandth)) + " /Descent " +
              QByteArray::number(-qRound(em.descent() * thousandth)) + " /CapHeight " +
              QByteArray::number(qRound(em.capHeight() * thousandth)) + " /StemV 80 /FontFile2 " +
              QByteArray::number(file) + " 0 R>>\nendobj\n");
        stream(file, " /Length1 " + QByteArray::number(face.file.size()), face.file, true);
        QByteArray cmap =
            "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
            "/CIDSystemInfo <</Registry (Adobe) /Ordering (UCS) /Supplement 0>> def\n"
            "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
            "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
        std::vector<std::pair<quint32, char16_t>> pairs(face.used.begin(), face.used.end());
        for (std::size_t at = 0; at < pairs.size(); at += 100) {
            const std::size_t end = std::min(pairs.size(), at + 100);
            cmap += QByteArray::number(static_cast<int>(end - at)) + " beginbfchar\n";
            for (std::size_t i = at; i < end; ++i)
                cmap += '<' + hex4(pairs[i].first) + "> <" + hex4(pairs[i].second) + ">\n";
            cmap += "endbfchar\n";
        }
        cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
        stream(unicode, {}, cmap, true);
    }
    QByteArray kids;
    for (const int page : m_pages) kids += QByteArray::number(page) + " 0 R ";
    beginObject(kPageTree);
    write("<</Type /Pages /Kids [" + kids + "] /Count " +
          QByteArray::number(static_cast<int>(m_pages.size())) + ">>\nendobj\n");
    beginObject(kCatalog);
    write("<</Type /Catalog /Pages " + QByteArray::number(kPageTree) + " 0 R>>\nendobj\n");
    beginObject(kInfo);
    QByteArray dictionary = "<</Title " + textString(info.title);
    if (!info.author.isEmpty()) dictionary += " /Author " + textString(info.author);
    dictionary += " /Subject " + textString(info.subject) + " /Creator " +
                  textString(info.creator) + " /Producer " + textString(info.creator) + ">>";
    write(dictionary + "\nendobj\n");

    const qint64 xref = m_written;
    QByteArray table = "xref\n0 " + QByteArray::number(static_cast<int>(m_offsets.size())) +
                       "\n0000000000 65535 f \n";
    for (std::size_t i = 1; i < m_offsets.size(); ++i)
        table += QByteArray::number(m_offsets[i]).rightJustified(10, '0') + " 00000 n \n";
    write(table);
    write("trailer\n<</Size " + QByteArray::number(static_cast<int>(m_offsets.size())) + " /Root " +
          QByteArray::number(kCatalog) + " 0 R /Info " + QByteArray::number(kInfo) +
          " 0 R>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n");
    return !m_failed;
}

}  // namespace ferrovolt::package
