// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_system_services.h"
#include "splash/wait_seconds.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <ctime>
#include <limits>

using namespace ferrovolt;
using ferrovolt::testing::FakeSystemServices;

namespace {
// Six seconds of the program last 300 ms here.
constexpr double kWaitFactor = 0.05;

qint64 msOf(float seconds) {
    return std::llround(seconds * kWaitFactor * 1000.0);
}
}  // namespace

class TestWaitSeconds : public QObject {
    Q_OBJECT

private slots:
    void nothingToWaitReturnsWithoutProcessingEvents_data() {
        QTest::addColumn<float>("seconds");
        QTest::newRow("zero") << 0.0F;
        QTest::newRow("negative") << -6.0F;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN();
    }
    void nothingToWaitReturnsWithoutProcessingEvents() {
        QFETCH(float, seconds);
        FakeSystemServices services(kWaitFactor);
        bool ran = false;
        QTimer::singleShot(0, this, [&ran] { ran = true; });
        WaitSeconds(services, seconds);
        QVERIFY(!ran);
        QTRY_VERIFY(ran);  // the event was only left waiting, not lost
    }

    void waitsItsTimeWhileProcessingEvents_data() {
        QTest::addColumn<float>("seconds");
        QTest::newRow("the splash's six seconds") << 6.0F;
        QTest::newRow("a fraction") << 0.5F;
    }
    void waitsItsTimeWhileProcessingEvents() {
        QFETCH(float, seconds);
        FakeSystemServices services(kWaitFactor);
        bool posted = false;
        bool timed = false;
        QTimer::singleShot(0, this, [&posted] { posted = true; });
        QTimer::singleShot(msOf(seconds) / 2, this, [&timed] { timed = true; });

        QElapsedTimer clock;
        clock.start();
        WaitSeconds(services, seconds);
        const qint64 elapsed = clock.elapsed();

        QVERIFY(posted);
        QVERIFY(timed);
        QVERIFY2(elapsed >= msOf(seconds), qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < msOf(seconds) + 150, qPrintable(QString::number(elapsed)));
    }

    // The wait sleeps in the event loop: the process's processor time stays far below the wall
    // time.
    void waitingBurnsNoProcessor() {
        FakeSystemServices services(kWaitFactor);
        const std::clock_t cpuBefore = std::clock();
        QElapsedTimer wall;
        wall.start();
        WaitSeconds(services, 8.0F);
        const double cpuMs = 1000.0 * double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        const qint64 wallMs = wall.elapsed();
        QVERIFY2(cpuMs < 0.25 * double(wallMs),
                 qPrintable(QStringLiteral("cpu %1 ms of %2 ms").arg(cpuMs).arg(wallMs)));
    }

    // A wait started by a handler inside another wait: the outer wait goes on only after the
    // inner one has ended, even when its own time ran out meanwhile.
    void nestedWaitEndsBeforeTheOuterWait() {
        FakeSystemServices services(kWaitFactor);
        QElapsedTimer clock;
        clock.start();
        qint64 innerEnded = -1;
        QTimer::singleShot(msOf(1.0F), this, [&] {
            WaitSeconds(services, 6.0F);
            innerEnded = clock.elapsed();
        });
        WaitSeconds(services, 2.0F);
        const qint64 outerEnded = clock.elapsed();

        QVERIFY(innerEnded >= msOf(1.0F) + msOf(6.0F));
        QVERIFY(outerEnded >= innerEnded);
        QVERIFY2(outerEnded < innerEnded + 50,
                 qPrintable(QStringLiteral("%1 after %2").arg(outerEnded).arg(innerEnded)));
    }

    // A nested wait shorter than the outer one leaves the outer wait its full time.
    void shortNestedWaitKeepsTheOuterTime() {
        FakeSystemServices services(kWaitFactor);
        QElapsedTimer clock;
        clock.start();
        bool innerDone = false;
        QTimer::singleShot(msOf(1.0F), this, [&] {
            WaitSeconds(services, 1.0F);
            innerDone = true;
        });
        WaitSeconds(services, 6.0F);
        QVERIFY(innerDone);
        QVERIFY(clock.elapsed() >= msOf(6.0F));
        QVERIFY(clock.elapsed() < msOf(6.0F) + 150);
    }

    // Once the application is quitting no event loop runs any more; the wait gives up instead
    // of spinning until its end. Kept last: the quitting state lasts for the rest of the run.
    void quittingApplicationEndsTheWait() {
        FakeSystemServices services(1.0);
        QCoreApplication::exit(0);
        QElapsedTimer clock;
        clock.start();
        WaitSeconds(services, 6.0F);
        QVERIFY(clock.elapsed() < 1000);
    }
};

QTEST_MAIN(TestWaitSeconds)
#include "test_wait_seconds.moc"
