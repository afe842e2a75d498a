// SPDX-License-Identifier: GPL-3.0-or-later
// The parts every window shares: the contrast of a colour against its background and the
// tones derived to reach it on any background, where a window opens beside its parent, and
// the pages a calculation sheet is printed on, headed by the project and circuit named.

#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QtTest>

#include "window_kit/placement.h"
#include "window_kit/sheet_pages.h"
#include "window_kit/text_tone.h"

using ferrovolt::contrastRatio;
using ferrovolt::TextTone;

class TestWindowKit : public QObject {
    Q_OBJECT
private slots:
    void contrastOfPublishedPairs_data();
    void contrastOfPublishedPairs();
    void tonesReadableOnEveryBackground_data();
    void tonesReadableOnEveryBackground();
    void placesBesideOrOverItsParent_data();
    void placesBesideOrOverItsParent();
    void paperByTerritoryAndChoice_data();
    void paperByTerritoryAndChoice();
    void longSheetFlowsWithoutCutting();
    void saveDialogChoosesThePaper_data();
    void saveDialogChoosesThePaper();
    void sheetCarriesTheIds_data();
    void sheetCarriesTheIds();
    void idsAskedFromTheKeyboard_data();
    void idsAskedFromTheKeyboard();
};

void TestWindowKit::contrastOfPublishedPairs_data() {
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<double>("ratio");
    // WCAG 2's own bounds, and the grey its examples give as the lightest at 4.5:1 on white.
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("white on white") << QColor(Qt::white) << QColor(Qt::white) << 1.0;
    QTest::newRow("#767676 on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
    QTest::newRow("#777777 on white") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
}

void TestWindowKit::contrastOfPublishedPairs() {
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QFETCH(double, ratio);
    QVERIFY2(std::abs(contrastRatio(text, background) - ratio) < 0.005,
             qPrintable(QString::number(contrastRatio(text, background))));
    QCOMPARE(contrastRatio(background, text), contrastRatio(text, background));
}

void TestWindowKit::tonesReadableOnEveryBackground_data() {
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("usualColours");  // the tones keep the colours they were made in
    QTest::newRow("Fusion light") << QColor(0xef, 0xef, 0xef) << true;
    QTest::newRow("white") << QColor(Qt::white) << true;
    QTest::newRow("Fusion dark") << QColor(0x35, 0x35, 0x35) << false;
    QTest::newRow("near black") << QColor(0x1e, 0x1e, 0x1e) << false;
    QTest::newRow("mid grey") << QColor(0x80, 0x80, 0x80) << false;
}

void TestWindowKit::tonesReadableOnEveryBackground() {
    QFETCH(QColor, background);
    QFETCH(bool, usualColours);
    const QColor usual[] = {{0xc0, 0x00, 0x00}, {0xb0, 0x00, 0x00}, {0x7a, 0x4f, 0x00}};
    for (const TextTone tone : {TextTone::Warning, TextTone::Error, TextTone::Note}) {
        const QColor colour = ferrovolt::toneColour(tone, background);
        QVERIFY2(contrastRatio(colour, background) >= ferrovolt::kTextContrast,
                 qPrintable(colour.name()));
        QCOMPARE(colour == usual[static_cast<int>(tone)], usualColours);
        // Still a red or a brown: the hue moves by rounding only.
        QVERIFY2(std::abs(colour.hslHueF() - usual[static_cast<int>(tone)].hslHueF()) < 0.02,
                 qPrintable(colour.name()));
    }
}

void TestWindowKit::placesBesideOrOverItsParent_data() {
    QTest::addColumn<QRect>("parent");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("expected");
    // A work area of 1280 x 672 below a 48-pixel panel; the gap between windows is 8.
    QTest::newRow("right of it") << QRect(0, 48, 500, 400) << QSize(600, 500)
                                 << QRect(508, 48, 600, 500);
    QTest::newRow("left of it") << QRect(700, 100, 500, 400) << QSize(600, 500)
                                << QRect(92, 100, 600, 500);
    QTest::newRow("over a maximised parent")
        << QRect(0, 48, 1280, 672) << QSize(600, 500) << QRect(340, 134, 600, 500);
    QTest::newRow("kept below the panel")
        << QRect(0, 0, 500, 300) << QSize(600, 500) << QRect(508, 48, 600, 500);
    QTest::newRow("shrunk to the work area")
        << QRect(200, 48, 800, 672) << QSize(1400, 900) << QRect(0, 48, 1280, 672);
    QTest::newRow("parent half off screen")
        << QRect(-400, 500, 800, 600) << QSize(700, 500) << QRect(408, 220, 700, 500);
}

void TestWindowKit::placesBesideOrOverItsParent() {
    QFETCH(QRect, parent);
    QFETCH(QSize, size);
    QFETCH(QRect, expected);
    QCOMPARE(ferrovolt::placementBeside(parent, size, QRect(0, 48, 1280, 672)), expected);
}

void TestWindowKit::paperByTerritoryAndChoice_data() {
    QTest::addColumn<QLocale::Territory>("territory");
    QTest::addColumn<ferrovolt::Paper>("paper");
    QTest::newRow("United States: Letter") << QLocale::UnitedStates << ferrovolt::Paper::Letter;
    QTest::newRow("Canada: Letter") << QLocale::Canada << ferrovolt::Paper::Letter;
    QTest::newRow("Mexico, beside them: A4") << QLocale::Mexico << ferrovolt::Paper::A4;
    QTest::newRow("Germany: A4") << QLocale::Germany << ferrovolt::Paper::A4;
    QTest::newRow("United Kingdom: A4") << QLocale::UnitedKingdom << ferrovolt::Paper::A4;
}

// A territory's paper, and the user's choice kept over it whichever way it goes.
void TestWindowKit::paperByTerritoryAndChoice() {
    QFETCH(QLocale::Territory, territory);
    QFETCH(ferrovolt::Paper, paper);
    QCOMPARE(ferrovolt::paperOf(territory), paper);
    const ferrovolt::Paper other =
        paper == ferrovolt::Paper::A4 ? ferrovolt::Paper::Letter : ferrovolt::Paper::A4;
    for (const ferrovolt::Paper chosen : {other, paper}) {
        ferrovolt::rememberPaper(chosen);
        QCOMPARE(ferrovolt::rememberedPaper(), chosen);
    }
}

// A sheet longer than a page is neither shrunk below 9 pt nor cut: every line is printed
// once, each page numbered out of the whole, on the paper asked for.
void TestWindowKit::longSheetFlowsWithoutCutting() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    constexpr int kLines = 240;
    QString body;
    for (int line = 1; line <= kLines; ++line)
        body += QStringLiteral("<p>Line %1 of the calculation</p>").arg(line);
    for (const ferrovolt::Paper paper : {ferrovolt::Paper::A4, ferrovolt::Paper::Letter}) {
        const ferrovolt::Sheet sheet{QStringLiteral("A sheet"),
                                     QStringLiteral("A code"),
                                     body,
                                     {},
                                     QDate(2026, 3, 9),
                                     paper};
        const ferrovolt::SheetPages pages(sheet);
        QVERIFY2(pages.count() >= 3, qPrintable(QString::number(pages.count())));
        QCOMPARE(pages.bodyPoint(), 9.5);  // the larger type: flowing, it need not shrink

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        QCOMPARE(pages.write(path), std::nullopt);
        QProcess text;
        text.start(pdftotext, {path, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        for (int line = 1; line <= kLines; ++line) {
            const QString words = QStringLiteral("Line %1 of").arg(line);
            QVERIFY2(printed.count(words) == 1, qPrintable(words));
        }
        for (int page = 1; page <= pages.count(); ++page) {
            const QString number = QStringLiteral("Page %1 of %2").arg(page).arg(pages.count());
            QVERIFY2(printed.count(number) == 1, qPrintable(number));
        }
        QCOMPARE(printed.count(QStringLiteral("A sheet")), pages.count());  // the header
        QCOMPARE(printed.count(QStringLiteral("2026-03-09")), pages.count());

        QProcess info;
        info.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {path});
        QVERIFY(info.waitForFinished());
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(paper == ferrovolt::Paper::A4 ? QStringLiteral("(A4)")
                                                            : QStringLiteral("(letter)")));
    }
}

void TestWindowKit::saveDialogChoosesThePaper_data() {
    QTest::addColumn<ferrovolt::Paper>("before");
    QTest::addColumn<QString>("filter");  // the file type chosen in the dialog
    QTest::addColumn<ferrovolt::Paper>("after");
    QTest::newRow("A4 to Letter") << ferrovolt::Paper::A4
                                  << QStringLiteral("PDF on US Letter paper (*.pdf)")
                                  << ferrovolt::Paper::Letter;
    QTest::newRow("Letter to A4") << ferrovolt::Paper::Letter
                                  << QStringLiteral("PDF on A4 paper (*.pdf)")
                                  << ferrovolt::Paper::A4;
    QTest::newRow("Letter kept") << ferrovolt::Paper::Letter
                                 << QStringLiteral("PDF on US Letter paper (*.pdf)")
                                 << ferrovolt::Paper::Letter;
}

// The save dialog offers the remembered paper first; the one chosen is remembered, and the
// path ends in ".pdf" though the name typed does not.
void TestWindowKit::saveDialogChoosesThePaper() {
    QFETCH(ferrovolt::Paper, before);
    QFETCH(QString, filter);
    QFETCH(ferrovolt::Paper, after);
    ferrovolt::rememberPaper(before);
    QTemporaryDir dir;
    QString offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        offered = dialog->selectedNameFilter();
        dialog->selectNameFilter(filter);
        dialog->selectFile(dir.filePath(QStringLiteral("sheet")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString path = ferrovolt::askSheetPath(nullptr, QStringLiteral("sheet.pdf"));
    QCOMPARE(offered, before == ferrovolt::Paper::A4
                          ? QStringLiteral("PDF on A4 paper (*.pdf)")
                          : QStringLiteral("PDF on US Letter paper (*.pdf)"));
    QCOMPARE(path, dir.filePath(QStringLiteral("sheet.pdf")));
    QCOMPARE(ferrovolt::rememberedPaper(), after);
}

void TestWindowKit::sheetCarriesTheIds_data() {
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("circuit");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QStringList>("absent");
    // Every case prints the report's footer and its one page's number.
    const QStringList foot = {QStringLiteral("2026-03-09 · A code · Ferrovolt "),
                              QStringLiteral("Page 1 of 1")};
    QTest::newRow("none: room to write both by hand")
        << QString() << QString()
        << foot + QStringList{QStringLiteral("A sheet"), QStringLiteral("Project: ____"),
                              QStringLiteral("Circuit: ____")}
        << QStringList{QStringLiteral("· A sheet"), QStringLiteral("Circuit C")};
    QTest::newRow("both: in the header and on the first page")
        << QStringLiteral("P-14") << QStringLiteral("C-3")
        << foot + QStringList{QStringLiteral("P-14 · A sheet"), QStringLiteral("Circuit C-3"),
                              QStringLiteral("Project: P-14"), QStringLiteral("Circuit: C-3")}
        << QStringList{QStringLiteral("____")};
    QTest::newRow("project alone: the circuit's room kept")
        << QStringLiteral("P-14") << QString()
        << foot + QStringList{QStringLiteral("P-14 · A sheet"), QStringLiteral("Project: P-14"),
                              QStringLiteral("Circuit: ____")}
        << QStringList{QStringLiteral("Project: ____"), QStringLiteral("Circuit C")};
    QTest::newRow("markup in an id printed as typed")
        << QStringLiteral("A&B <b>1</b>") << QStringLiteral("<i>")
        << QStringList{QStringLiteral("Project: A&B <b>1</b>"), QStringLiteral("Circuit: <i>")}
        << QStringList{};
}

// A one-page sheet read back from its PDF: the header and footer of the project report's
// pages, the ids where they are named and room to write them where they are not.
void TestWindowKit::sheetCarriesTheIds() {
    QFETCH(QString, project);
    QFETCH(QString, circuit);
    QFETCH(QStringList, printed);
    QFETCH(QStringList, absent);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    const ferrovolt::Sheet sheet{QStringLiteral("A sheet"),
                                 QStringLiteral("A code"),
                                 QStringLiteral("<p>The calculation</p>"),
                                 {},
                                 QDate(2026, 3, 9),
                                 ferrovolt::Paper::A4};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    QCOMPARE(ferrovolt::writeSheet(sheet, path, {project, circuit}), std::nullopt);
    QProcess text;
    text.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString read = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& words : printed) QVERIFY2(read.contains(words), qPrintable(words));
    for (const QString& words : absent) QVERIFY2(!read.contains(words), qPrintable(words));
}

void TestWindowKit::idsAskedFromTheKeyboard_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("typed");    // into the circuit's field, reached by Alt+I
    QTest::addColumn<QString>("circuit");  // remembered afterwards
    QTest::newRow("accepted: trimmed and remembered")
        << true << QStringLiteral("  C-7 ") << QStringLiteral("C-7");
    QTest::newRow("cancelled: the last ones kept")
        << false << QStringLiteral("C-9") << QStringLiteral("C-3");
}

// The dialog offers the ids named last, takes the circuit by its access letter and Enter,
// and keeps them for the session only when accepted.
void TestWindowKit::idsAskedFromTheKeyboard() {
    QFETCH(bool, accept);
    QFETCH(QString, typed);
    QFETCH(QString, circuit);
    ferrovolt::rememberSheetIds({QStringLiteral("P-14"), QStringLiteral("C-3")});
    QString offered;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->objectName() != QStringLiteral("sheetIds")) return;
        auto* project = dialog->findChild<QLineEdit*>(QStringLiteral("sheetProject"));
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("sheetCircuit"));
        offered = project->text() + QLatin1Char('/') + field->text();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog)) qWarning("the dialog is not active");
        QTest::keyClick(dialog, Qt::Key_I, Qt::AltModifier);
        if (QApplication::focusWidget() != field) {
            dialog->close();
            return;
        }
        field->selectAll();
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, accept ? Qt::Key_Return : Qt::Key_Escape);
    });
    const std::optional<ferrovolt::SheetIds> ids = ferrovolt::askSheetIds(nullptr);
    QCOMPARE(offered, QStringLiteral("P-14/C-3"));
    QCOMPARE(ids.has_value(), accept);
    QCOMPARE(ferrovolt::rememberedSheetIds().project, QStringLiteral("P-14"));
    QCOMPARE(ferrovolt::rememberedSheetIds().circuit, circuit);
    if (ids) QCOMPARE(ids->circuit, circuit);
}

QTEST_MAIN(TestWindowKit)
#include "test_window_kit.moc"
