// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/line_breaks.h"
#include "services/qt_system_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

using namespace ferrovolt;

class TestQtSystemServices : public QObject {
    Q_OBJECT

private slots:
    void displayLineBreaks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringLiteral("a\nb");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringLiteral("a\nb");
        QTest::newRow("two CR LF make an empty line")
            << QStringLiteral("a\r\n\r\nb") << QStringLiteral("a\n\nb");
        QTest::newRow("CR CR") << QStringLiteral("a\r\rb") << QStringLiteral("a\n\nb");
        QTest::newRow("leading CR") << QStringLiteral("\rb") << QStringLiteral("\nb");
        QTest::newRow("LF CR is two breaks")
            << QStringLiteral("a\n\rb") << QStringLiteral("a\n\nb");
    }
    void displayLineBreaks() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(withDisplayLineBreaks(text), shown);
    }

    void waitDurationIsTheSecondsAsTheyAre() {
        QtSystemServices services;
        QCOMPARE(services.waitDuration(6.0), std::chrono::nanoseconds(6'000'000'000));
        QCOMPARE(services.waitDuration(0.25), std::chrono::nanoseconds(250'000'000));
    }

    // The note must be modal, titled, with the text's breaks shown, one OK button and no icon.
    void noteHasTitleTextOkOnlyAndNoIcon() {
        QtSystemServices services;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::Critical;
        QStringList buttons;
        bool modal = false;
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            modal = box->isModal();
            for (QAbstractButton* button : box->buttons()) {
                buttons << (box->standardButton(button) == QMessageBox::Ok ? QStringLiteral("Ok")
                                                                           : button->text());
            }
            box->accept();
        });
        services.showNote(nullptr, QStringLiteral("Ferrovolt Information."),
                          QStringLiteral("one\rtwo\r\nthree"));
        QCOMPARE(title, QStringLiteral("Ferrovolt Information."));
        QCOMPARE(text, QStringLiteral("one\ntwo\nthree"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QVERIFY(modal);
        QCOMPARE(buttons, QStringList{QStringLiteral("Ok")});
    }
};

QTEST_MAIN(TestQtSystemServices)
#include "test_qt_system_services.moc"
