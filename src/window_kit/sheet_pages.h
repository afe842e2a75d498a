// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A calculation sheet as pages of paper, written once for every window's sheet: black on
// white whatever the screen's palette, the body never smaller than 9 pt, flowing onto as many
// pages as it takes, each page headed and footed as the project report's are (paper/paper.h):
// the sheet's title at the head, the date, the code, the program and "Page N of M" at the
// foot. The project and the circuit the user names when saving head every page and the first
// page's body; one not named leaves room there to write it by hand. The paper is A4, or
// Letter where the user's locale is in the US or Canada, until the user chooses in the save
// dialog; the choice is remembered.

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

// The project and the circuit a sheet is of, as the user names them; either may be empty.
struct SheetIds {
    QString project;
    QString circuit;
};

// The ids named last in this session, empty before any; not kept once the program ends, as a
// sheet of another day is most often of another job.
SheetIds rememberedSheetIds();
void rememberSheetIds(const SheetIds& ids);

// Asks for the project and the circuit of a sheet about to be saved, offering the ones named
// last, and remembers those given (trimmed); none when the user cancels.
std::optional<SheetIds> askSheetIds(QWidget* parent);

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

// A sheet laid out on its paper, of the project and circuit `ids`.
class SheetPages {
public:
    explicit SheetPages(const Sheet& sheet, const SheetIds& ids = {});
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

// Lays the sheet of `ids` out and writes it to a PDF file; the reason when it cannot be
// written.
std::optional<QString> writeSheet(const Sheet& sheet, const QString& path,
                                  const SheetIds& ids = {});

}  // namespace ferrovolt
