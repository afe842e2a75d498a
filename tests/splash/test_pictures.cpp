// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures are resources of a static library, which a linker may drop; these
// checks load them through the library as the window does.

#include "pictures.h"

#include <QtTest>

using namespace ferrovolt;

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void programIconAtEveryRenderedSize_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QTest::addRow("%dx%d", size, size) << size;
        }
    }
    void programIconAtEveryRenderedSize() {
        QFETCH(int, size);
        const QIcon icon = programIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        QCOMPARE(icon.pixmap(size, size).size(), QSize(size, size));
    }

    void logoIs64Pixels() {
        const QPixmap logo = logoPicture();
        QVERIFY(!logo.isNull());
        QCOMPARE(logo.size(), QSize(64, 64));
    }

    void informationSignAt1xAnd2x() {
        const QIcon sign = infoIcon();
        QCOMPARE(sign.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
        QVERIFY(!sign.pixmap(16, 16).isNull());
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
