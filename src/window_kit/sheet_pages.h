// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A calculation sheet as pages of paper, written once for every window's sheet: black on
// white whatever the screen's palette, the body never smaller than 9 pt, flowing onto as many
// pages as it takes, each page headed by the sheet's title and code and footed by the
// program, its version, the date and "Page N of M". The first page leaves room to write the
// project and the circuit by hand. The paper is A4, or Letter where the user's locale is in
// the US or Canada, until the user chooses in the save dialog; the choice is remembered.

#include <QDate>
#include <QImage>
#include <QLocale>
#include <QMap>
#include <QString>
#include <memory>
#include <optional>

#include "paper/paper.h"

class QWidget;

namespace ferrovolt {

// The paper chosen last in the save dialog; the system locale's before any choice.
Paper rememberedPaper();
void rememberPaper(Paper paper);

// Asks where to save a sheet, offering `suggestedName` and the paper as the file type (the
// remembered one first), and remembers the paper chosen. The path ends in ".pdf"; empty when
// the user cancels.
QString askSheetPath(QWidget* parent, const QString& suggestedName);

struct Sheet {
    QString title;  // "Circuit check: calculation sheet"
    QString code;   // the code and its edition: "NEC 2023"
    QString body;   // rich text; images named by "<img src=NAME>" are in `images`
    QMap<QString, QImage> images;
    QDate date;
    Paper paper = Paper::A4;
};

// The smallest body type a sheet is set in, in points.
inline constexpr double kSmallestSheetPoint = 9;

// A sheet laid out on its paper.
class SheetPages {
public:
    explicit SheetPages(const Sheet& sheet);
    ~SheetPages();
    SheetPages(const SheetPages&) = delete;
    SheetPages& operator=(const SheetPages&) = delete;

    int count() const;
    double bodyPoint() const;  // the body's type size
    // The page numbered from 0 as an image at `dpi` dots per inch.
    QImage image(int page, int dpi) const;
    // Writes every page to a PDF file; the reason when it cannot be written.
    std::optional<QString> write(const QString& path) const;

private:
    struct Layout;
    std::unique_ptr<Layout> m_layout;
};

// Lays the sheet out and writes it to a PDF file; the reason when it cannot be written.
std::optional<QString> writeSheet(const Sheet& sheet, const QString& path);

}  // namespace ferrovolt
