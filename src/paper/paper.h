// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The paper every PDF of the program is printed on, with no widgets so that the command line
// prints it off screen: A4 or Letter by the locale, portrait, black on white; the bundled
// face; each page headed by the project (or the document's title) and its reference, and
// footed by the date, the code and the program, and "Page N of M". The project report and
// the windows' sheets take their bands from here alike.

#include <QDate>
#include <QFont>
#include <QLocale>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <array>

class QPainter;
class QPaintDevice;

namespace ferrovolt {

enum class Paper { A4, Letter };

// The paper of a territory: Letter in the US and Canada, A4 everywhere else.
Paper paperOf(QLocale::Territory territory);

// The page of a paper, portrait, with the same margin all round or, for a bound document,
// a wider one at the left.
QPageLayout pageLayoutOf(Paper paper, double bindingMarginMm = 0);

// The bundled face (Liberation Sans) at a size in points, added to the application's fonts
// on the first call; call once a QGuiApplication exists.
QFont paperFont(double point, bool bold = false);

// The header and footer of one page.
struct PageBands {
    QString title;      // the head's left, in bold: the project
    QString reference;  // the head's right: "Reference PR-300"
    QString footer;     // the foot's left; "Page N of M" at its right
};

// The bands of every page of a document: `title` and `reference` at the head, and at the
// foot the date, the code and its edition, and the program with its version.
PageBands pageBands(const QString& title, const QString& reference, const QString& code,
                    QDate date);

// "Page N of M" for page `index` (from 0) of `count`.
QString pageNumberText(int index, int count);

// The type sizes of the bands, in points.
inline constexpr double kBandPoint = 8.5;
inline constexpr double kBandTitlePoint = 10.5;

// The part of `page` (the paper inside its margins, in the device's dots) that the bands
// leave to the body.
QRectF bodyBetweenBands(const QRectF& page, const QPaintDevice* device);

// Where the bands are drawn inside `page`: the header's and the footer's text, and the rule
// under the one and over the other.
struct BandRects {
    QRectF head, headRule, foot, footRule;
};
BandRects bandRects(const QRectF& page, const QPaintDevice* device);

// One text of the bands, placed: inside `rect`, at its left or right, vertically centred, in
// the bold title type or the band's.
struct BandText {
    QRectF rect;
    QString text;
    bool title = false;
    bool right = false;
};

// The texts of page `index` (from 0) of `count`, placed inside `page`: whatever draws them
// (a QPainter, or the report's own PDF) draws the same words in the same places.
std::array<BandText, 4> bandTexts(const QRectF& page, const QPaintDevice* device,
                                  const PageBands& bands, int index, int count);

// Draws the header and footer of page `index` (from 0) of `count` inside `page`.
void paintBands(QPainter& painter, const QRectF& page, const PageBands& bands, int index,
                int count);

}  // namespace ferrovolt
