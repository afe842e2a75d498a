// SPDX-License-Identifier: GPL-3.0-or-later
// The Circuit Check window's PDF sheet as an inspector gets it: black on white on a dark
// desktop, whole however long (numbered pages, never below 9 pt), and its inputs in the
// window's words.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "check/check_sheet.h"
#include "circuit_window/circuit_report.h"
#include "circuit_window/circuit_window.h"
#include "codes/code_registry.h"
#include "dark_palette.h"

using ferrovolt::CircuitWindow;

namespace {

void set(CircuitWindow& w, const char* key, const char* text) {
    const QString name = QString::fromLatin1(key);
    if (auto* edit = w.findChild<QLineEdit*>(name)) {
        edit->setText(QString::fromUtf8(text));
        return;
    }
    auto* list = w.findChild<QComboBox*>(name);
    QVERIFY2(list != nullptr, key);
    list->setCurrentIndex(list->findData(QString::fromUtf8(text)));
    QVERIFY2(list->currentIndex() >= 0, text);
}

// The README's example under IEC 60364: a 32 A final circuit at 230 V, 60 m from a private
// supply, on a B-curve MCB in TN-S with Ze = 0.8 Ω, raised to 6 mm² by its earth-fault loop.
void readmeIecExample(CircuitWindow& w) {
    const std::pair<const char*, const char*> inputs[] = {
        {"current", "32"},    {"length", "60"}, {"volts", "230"}, {"supply", "private"},
        {"earthing", "TN-S"}, {"ze", "0.8"},    {"curve", "B"}};
    for (const auto& [key, text] : inputs) set(w, key, text);
    QVERIFY(w.answer() != nullptr);
}

// The pixels printed dark enough to read on white.
qsizetype inkOf(const QImage& page) {
    qsizetype ink = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) ink += qGray(page.pixel(x, y)) < 128;
    return ink;
}

QString pdfText(const QString& path) {
    QProcess text;
    text.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
               {path, QStringLiteral("-")});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput());
}

}  // namespace

class TestCircuitSheet : public QObject {
    Q_OBJECT
private slots:
    void inkOnADarkDesktop();
    void longSheetIsWhole();
    void inputsInWords_data();
    void inputsInWords();
};

// On a dark desktop the pages are the ones printed on a light one, and they carry ink: the
// text is not drawn in the palette's white.
void TestCircuitSheet::inkOnADarkDesktop() {
    CircuitWindow w(*ferrovolt::circuitCode("iec60364"));
    readmeIecExample(w);
    const ferrovolt::Sheet sheet = ferrovolt::circuitReport(
        *w.answer(), w.givenInputs(), QDate(2026, 3, 9), ferrovolt::Paper::A4);
    const QPalette light = QApplication::palette();
    const ferrovolt::SheetPages onLight(sheet);
    QApplication::setPalette(ferrovolt::test::darkPalette());
    const ferrovolt::SheetPages onDark(sheet);
    for (int page = 0; page < onDark.count(); ++page) {
        const QImage image = onDark.image(page, 60);
        // An A4 page at 60 dpi is 496 × 702 pixels; a page of 9 pt text inks some thousands
        // of them, a page of header and footer rules alone under a thousand.
        QVERIFY2(inkOf(image) > 5000, qPrintable(QString::number(inkOf(image))));
        QCOMPARE(image, onLight.image(page, 60));
    }
    QApplication::setPalette(light);
}

// The README's IEC sheet, longer than a page, keeps its last steps, the Answer and the
// closing statement, numbering its pages out of the whole, in a legible type.
void TestCircuitSheet::longSheetIsWhole() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    CircuitWindow w(*ferrovolt::circuitCode("iec60364"));
    readmeIecExample(w);
    QApplication::setPalette(ferrovolt::test::darkPalette());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("iec.pdf"));
    QCOMPARE(w.saveReport(path), std::nullopt);
    const QString text = pdfText(path);
    const ferrovolt::SheetPages pages(ferrovolt::circuitReport(
        *w.answer(), w.givenInputs(), QDate::currentDate(), ferrovolt::rememberedPaper()));
    QCOMPARE(pages.count(), 2);
    QVERIFY(pages.bodyPoint() >= ferrovolt::kSmallestSheetPoint);
    const QString expected[] = {
        QStringLiteral("Circuit check: calculation sheet"),
        QStringLiteral("IEC 60364-5-52:2009"),
        QStringLiteral("Longest run"),
        QStringLiteral("Answer"),
        QStringLiteral("6 mm², governed by"),
        QString::fromUtf8(ferrovolt::kCircuitDisclaimer.data(),
                          static_cast<qsizetype>(ferrovolt::kCircuitDisclaimer.size()))
            .section(QLatin1Char(' '), 0, 5),
        QStringLiteral("Page 1 of 2"),
        QStringLiteral("Page 2 of 2"),
        QStringLiteral("Project: ___"),
    };
    for (const QString& words : expected) QVERIFY2(text.contains(words), qPrintable(words));
    QApplication::setPalette(QPalette());
}

void TestCircuitSheet::inputsInWords_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("row");  // the inputs table's row, as rich text
    const QString iec = QStringLiteral("iec60364");
    QTest::newRow("IEC Ze with its unit")
        << iec << QStringLiteral("<td>External loop impedance Ze</td><td>0.8 Ω</td>");
    QTest::newRow("IEC curve in words")
        << iec << QStringLiteral("<td>MCB curve</td><td>B: 3 to 5 I_n</td>");
    QTest::newRow("IEC earthing system in words")
        << iec
        << QStringLiteral(
               "<td>Earthing system</td><td>TN-S: separate neutral and protective "
               "conductors</td>");
    QTest::newRow("IEC device in words")
        << iec << QStringLiteral("<td>Protective device</td><td>Circuit-breaker, IEC 60898-1</td>");
    QTest::newRow("IEC length with the unit beside it")
        << iec << QStringLiteral("<td>One-way length</td><td>60 m</td>");
    QTest::newRow("IEC rating chosen by the code, among the results")
        << iec << QStringLiteral("<td>Device rating I_n</td><td>32 A</td>");
    QTest::newRow("NEC length with the unit beside it")
        << QStringLiteral("nec2023") << QStringLiteral("<td>One-way length</td><td>60 m</td>");
}

// Every input the answer used is listed in the window's words, never by its key; an input
// left empty is not listed.
void TestCircuitSheet::inputsInWords() {
    QFETCH(QString, code);
    QFETCH(QString, row);
    CircuitWindow w(*ferrovolt::circuitCode(code.toStdString()));
    if (code == QStringLiteral("iec60364")) {
        readmeIecExample(w);
    } else {
        set(w, "current", "32");
        set(w, "length", "60");
    }
    const QString html = ferrovolt::circuitReportHtml(*w.answer(), w.givenInputs());
    QVERIFY2(html.contains(row), qPrintable(html));
    for (const char* key : {">mcb<", ">fault_loop<", ">ampacity<", ">true<", ">false<"})
        QVERIFY2(!html.contains(QLatin1String(key)), key);
    // The rating was left to the code: it is a result, not an input.
    QVERIFY(!html.contains(QStringLiteral("<td>Rating</td>")));
    // Rows said elsewhere (the criteria mark the one that governs, the trail the rule that
    // set the ampacity minimum) are left out of the results.
    for (const char* caption : {"<td>Governed by</td>", "<td>Ampacity minimum set by</td>"})
        QVERIFY2(!html.contains(QLatin1String(caption)), caption);
}

// With --report FILE, writes the README's IEC 60364 sheet for a person to look at.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--report") == 0) {
        CircuitWindow w(*ferrovolt::circuitCode("iec60364"));
        readmeIecExample(w);
        const std::optional<QString> reason = w.saveReport(QString::fromLocal8Bit(argv[2]));
        if (reason) qWarning("%s", qPrintable(*reason));
        return reason ? 1 : 0;
    }
    TestCircuitSheet test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_circuit_sheet.moc"
