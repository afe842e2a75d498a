// SPDX-License-Identifier: GPL-3.0-or-later
// The Conduit Fill window's PDF sheet: it states a failure as a failure, never the largest
// size as if it held the conductors, and it is black on white on a dark desktop too.

#include <QApplication>
#include <QtTest>

#include "dark_palette.h"
#include "fill_window/fill_report.h"

namespace ferrovolt {

namespace {

FillAnswer fillOf(const char* raceway, const char* wires, const char* tradeSize = nullptr) {
    FillInputs inputs;
    inputs.raceway = *fillRacewayOf(raceway);
    if (tradeSize != nullptr) inputs.tradeSize = fillTradeSizeOf(tradeSize);
    inputs.rows.push_back(std::get<FillRow>(fillWireText(wires)));
    return std::get<FillAnswer>(checkFill(inputs));
}

}  // namespace

class TestFillSheet : public QObject {
    Q_OBJECT
private slots:
    void statesTheAnswerOrTheFailure_data() {
        QTest::addColumn<FillAnswer>("answer");
        QTest::addColumn<QStringList>("has");
        QTest::addColumn<QStringList>("hasNot");
        const QString headline = QStringLiteral("<td><b>Trade size</b></td>");
        QTest::newRow("a size holds them: its size is the headline")
            << fillOf("emt", "3x12:THHN")
            << QStringList{QStringLiteral("<h3>Result</h3>"), headline,
                           QStringLiteral("<td><b>Answer</b></td><td><b>EMT 1/2 (16) holds them")}
            << QStringList{QStringLiteral("does not hold"), QStringLiteral("too small")};
        QTest::newRow("no size holds them: the failure, the largest size not as the answer")
            << fillOf("emt", "400x500:THHN")
            << QStringList{QStringLiteral("<h3>Result: no trade size holds them</h3>"),
                           QStringLiteral("<td><b>Answer</b></td><td><b>No trade size of EMT "
                                          "holds them; the largest, 4 (103), takes"),
                           QStringLiteral("<td>Largest trade size, too small</td><td>EMT 4 (103)")}
            << QStringList{headline};
        QTest::newRow("the size given does not hold them")
            << fillOf("emt", "20x12:THHN", "1/2")
            << QStringList{QStringLiteral("<h3>Result: the size given does not hold them</h3>"),
                           QStringLiteral("<td>Trade size given</td><td>EMT 1/2 (16)</td>"),
                           QStringLiteral("<td><b>Answer</b></td><td><b>EMT 1/2 (16) does not "
                                          "hold them")}
            << QStringList{headline};
    }

    void statesTheAnswerOrTheFailure() {
        QFETCH(FillAnswer, answer);
        QFETCH(QStringList, has);
        QFETCH(QStringList, hasNot);
        const QString html = fillReportHtml(answer);
        for (const QString& text : has) QVERIFY2(html.contains(text), qPrintable(html));
        for (const QString& text : hasNot) QVERIFY2(!html.contains(text), qPrintable(text));
    }

    // The pages on a dark desktop are those printed on a light one, with the text in ink.
    void inkOnADarkDesktop() {
        const Sheet sheet =
            fillReport(fillOf("emt", "3x12:THHN"), QDate(2026, 3, 9), Paper::Letter);
        const QPalette light = QApplication::palette();
        const SheetPages onLight(sheet);
        QApplication::setPalette(ferrovolt::test::darkPalette());
        const SheetPages onDark(sheet);
        QCOMPARE(onDark.count(), 1);
        const QImage page = onDark.image(0, 60);
        qsizetype ink = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) ink += qGray(page.pixel(x, y)) < 128;
        // A Letter page at 60 dpi is 510 × 660 pixels; its text and drawing ink thousands.
        QVERIFY2(ink > 5000, qPrintable(QString::number(ink)));
        QCOMPARE(page, onLight.image(0, 60));
        QApplication::setPalette(light);
    }
};

}  // namespace ferrovolt

// With --report FILE, writes the sheet of a fill no trade size holds for a person to look at.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--report") == 0) {
        const std::optional<QString> reason =
            ferrovolt::writeFillReport(ferrovolt::fillOf("emt", "400x500:THHN"),
                                       QDate::currentDate(), QString::fromLocal8Bit(argv[2]));
        if (reason) qWarning("%s", qPrintable(*reason));
        return reason ? 1 : 0;
    }
    ferrovolt::TestFillSheet test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_fill_sheet.moc"
