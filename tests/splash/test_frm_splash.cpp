// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_system_services.h"
#include "source_tree.h"
#include "splash/frm_splash.h"
#include "splash/hand_cursor.h"
#include "splash/splash_host.h"
#include "splash/splash_text.h"
#include "splash/web_site.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace ferrovolt;
using ferrovolt::testing::FakeSystemServices;

namespace {
constexpr double kWaitFactor = 0.02;  // six seconds last 120 ms

const QString kDisclaimerShown = QStringLiteral(
    "\n"
    "All information and formulae contained in this program is presented in good faith.\n"
    "'Quorel' will not be held responsible for damage occurring through the use of this program. "
    "Any critical calculations should be checked against relevant local standards.\n"
    "\n");

QLabel* label(QWidget* window, const char* name) {
    return window->findChild<QLabel*>(QString::fromLatin1(name));
}

QString text2(QWidget* window) {
    return label(window, "Text2")->text();
}
}  // namespace

class TestFrmSplash : public QObject {
    Q_OBJECT

private slots:
    void texts() {
        FakeSystemServices services;
        services.setYear(2031);
        frmSplash splash(services);
        QCOMPARE(label(&splash, "Label64")->text(), QStringLiteral("Ferrovolt"));
        QCOMPARE(label(&splash, "Text3")->text(), QStringLiteral("ver"));
        QCOMPARE(label(&splash, "Version")->text(), QStringLiteral(FERROVOLT_PROJECT_VERSION));
        QCOMPARE(label(&splash, "URL_Label")->text(), makerAddress());
        QCOMPARE(label(&splash, "Box2")->text(), QString());
        QCOMPARE(label(&splash, "Box3")->text(), QString());

        const QString shown = text2(&splash);
        QVERIFY2(shown.startsWith(kDisclaimerShown), qPrintable(shown));
        const QString copyright =
            shown.mid(kDisclaimerShown.size()).section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(copyright.contains(QStringLiteral("2031")), qPrintable(copyright));
        // The freeware note's lines are empty: two breaks, then three.
        QVERIFY(shown.endsWith(copyright + QStringLiteral("\n\n\n\n\n")));
    }

    // Lone CR and CR LF as they are built, before the label turns them into line feeds.
    void disclaimerLineBreaks() {
        const QString text = splashDisclaimerText(2026);
        QVERIFY(text.startsWith(QStringLiteral("\rAll information")));
        QVERIFY(text.contains(QStringLiteral("in good faith.\r'Quorel'")));
        QVERIFY(text.contains(QStringLiteral("local standards.\r\rCopyright")));
        QVERIFY(text.endsWith(
            QStringLiteral("2026 Ferrovolt. Free to use and to pass on.\r\n\r\n\r\r\r")));
    }

    // The title's box reaches into the link line; the letters must end above the link's.
    void titleClearOfTheLink() {
        FakeSystemServices services;
        frmSplash splash(services);
        splash.show();
        const auto glyphs = [](QLabel* l) {
            const QFontMetrics metrics(l->font());
            const QRect text = QStyle::alignedRect(
                Qt::LeftToRight, l->alignment(),
                QSize(metrics.horizontalAdvance(l->text()), metrics.height()), l->contentsRect());
            return metrics.tightBoundingRect(l->text())
                .translated(l->mapTo(l->window(), text.topLeft()))
                .translated(0, metrics.ascent());
        };
        const QRect title = glyphs(label(&splash, "Label64"));
        const QRect link = glyphs(label(&splash, "URL_Label"));
        QVERIFY2(title.bottom() < link.top(),
                 qPrintable(QStringLiteral("title ends at %1, link starts at %2")
                                .arg(title.bottom())
                                .arg(link.top())));
    }

    void layoutAndLook() {
        FakeSystemServices services;
        frmSplash splash(services);
        QCOMPARE(splash.size(), QSize(277, 362));  // 4155 x 5430 twips at 15 twips a pixel
        QCOMPARE(splash.minimumSize(), splash.maximumSize());
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(label(&splash, "Box2")->geometry(), QRect(8, 5, 262, 349));
        QCOMPARE(label(&splash, "Text2")->geometry(), QRect(32, 144, 211, 188));
        QVERIFY(label(&splash, "Text2")->wordWrap());
        QCOMPARE(label(&splash, "Text2")->frameShape(), QFrame::NoFrame);
        QCOMPARE(label(&splash, "Box3")->frameShape(), QFrame::Box);

        QLabel* link = label(&splash, "URL_Label");
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(label(&splash, "Text3")->font().bold());
        QVERIFY(link->fontMetrics().horizontalAdvance(link->text()) <= link->width());

        const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY((splash.geometry().center() - screenCentre).manhattanLength() <= 2);
    }

    // The test program has no hand32.ico beside it: the link keeps the toolkit's hand and works.
    void missingHandIconLeavesTheLinkWorking() {
        QVERIFY(!QFile::exists(handCursorPath()));
        FakeSystemServices services;
        frmSplash splash(services);
        splash.show();
        QLabel* link = label(&splash, "URL_Label");
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(services.addresses(), std::vector<QString>{makerAddress()});
        QVERIFY(splash.isVisible());
    }

    void handIconFile_data() {
        QTest::addColumn<QString>("contents");  // empty: no file at all
        QTest::addColumn<bool>("loads");
        QFile ours(
            QString::fromStdString((test::sourceTree() / "resources/cursors/hand32.ico").string()));
        QVERIFY(ours.open(QIODevice::ReadOnly));
        QTest::newRow("our hand32.ico") << QString::fromLatin1(ours.readAll().toBase64()) << true;
        QTest::newRow("missing") << QString() << false;
        QTest::newRow("not a picture")
            << QString::fromLatin1(QByteArray("MZ not an icon").toBase64()) << false;
    }
    void handIconFile() {
        QFETCH(QString, contents);
        QFETCH(bool, loads);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hand32.ico"));
        if (!contents.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromBase64(contents.toLatin1()));
        }
        const std::optional<QCursor> cursor = loadHandCursor(path);
        QCOMPARE(cursor.has_value(), loads);
        QCOMPARE(linkCursor(path).shape(), loads ? Qt::BitmapCursor : Qt::PointingHandCursor);
        if (loads) {
            QCOMPARE(cursor->pixmap().size(), QSize(32, 32));
            QCOMPARE(cursor->hotSpot(), QPoint(11, 1));
        }
    }

    void openWebSiteOpensTheMakersAddress() {
        FakeSystemServices services;
        OpenWebSite(services);
        QCOMPARE(services.addresses(), std::vector<QString>{makerAddress()});
    }

    // The caller's wait closes the window; clicking the link meanwhile opens the site and does
    // not change the wait.
    void shownForItsWaitThenUnloaded() {
        FakeSystemServices services(kWaitFactor);
        SplashHost host(services);
        bool visibleDuringWait = false;
        QTimer::singleShot(30, this, [&] {
            visibleDuringWait = host.window() != nullptr && host.window()->isVisible();
            if (host.window() != nullptr) {
                QTest::mouseClick(label(host.window(), "URL_Label"), Qt::LeftButton);
            }
        });
        QElapsedTimer clock;
        clock.start();
        ShowSplashFor(host, services, nullptr, 6.0F);
        QVERIFY(clock.elapsed() >= 120);
        QVERIFY(clock.elapsed() < 120 + 150);
        QVERIFY(visibleDuringWait);
        QCOMPARE(host.window(), nullptr);
        QCOMPARE(services.addresses().size(), std::size_t{1});
    }

    // A second about-box click while it is up reuses the window as it is, keeps it until six
    // seconds after that click, and it closes once; the outer unload finds nothing to do.
    void nestedShowReusesTheWindowAndClosesOnce() {
        FakeSystemServices services(kWaitFactor);
        services.setYear(2026);
        SplashHost host(services);
        int destroyed = 0;
        QString yearShownInside;
        frmSplash* outerWindow = nullptr;
        frmSplash* innerWindow = nullptr;
        QElapsedTimer clock;
        clock.start();
        qint64 innerEnded = -1;
        QTimer::singleShot(60, this, [&] {
            outerWindow = host.window();
            QObject::connect(outerWindow, &QObject::destroyed, this, [&destroyed] { ++destroyed; });
            services.setYear(2027);
            ShowSplashFor(host, services, nullptr, 6.0F);
            innerEnded = clock.elapsed();
        });
        QTimer::singleShot(90, this, [&] {
            innerWindow = host.window();
            yearShownInside = text2(innerWindow);
        });
        ShowSplashFor(host, services, nullptr, 6.0F);
        const qint64 outerEnded = clock.elapsed();

        QVERIFY(outerWindow != nullptr);
        QCOMPARE(innerWindow, outerWindow);
        QVERIFY(yearShownInside.contains(QStringLiteral("2026")));
        QVERIFY(innerEnded >= 60 + 120);
        QVERIFY(outerEnded >= innerEnded);
        QCOMPARE(destroyed, 1);
        QCOMPARE(host.window(), nullptr);
    }

    // Every showing loads the window afresh: a new year shows on the next showing.
    void nextShowingReadsTheYearAgain() {
        FakeSystemServices services;
        SplashHost host(services);
        services.setYear(2026);
        QVERIFY(text2(&host.show()).contains(QStringLiteral("2026")));
        host.unload();
        services.setYear(2027);
        QVERIFY(text2(&host.show()).contains(QStringLiteral("2027")));
        host.unload();
        host.unload();  // unloading a window already gone does nothing
        QCOMPARE(host.window(), nullptr);
    }

    void ownerKeepsTheWindowInFront() {
        FakeSystemServices services;
        QWidget owner;
        SplashHost host(services);
        frmSplash& splash = host.show(&owner);
        QCOMPARE(splash.parentWidget(), &owner);
        QVERIFY(splash.isWindow());
        QVERIFY(splash.isVisible());
    }
};

QTEST_MAIN(TestFrmSplash)
#include "test_frm_splash.moc"
