// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/method_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

#include "window_kit/text_tone.h"

namespace ferrovolt {

namespace {

// The least contrast of a drawing's lines against their background (WCAG 2, non-text).
constexpr double kLineContrast = 3.0;

enum class Wall { None, Plain, Insulated };
enum class Ground { None, Duct, Direct };
enum class Cores { Multicore, SingleInConduit, Trefoil, Spaced };

struct Method {
    std::string_view key;
    Wall wall;
    bool conduit;
    Ground ground;
    bool tray;
    Cores cores;
};

// clang-format off
constexpr std::array<Method, 10> kMethods{{
    {"A1", Wall::Insulated, true,  Ground::None,   false, Cores::SingleInConduit},
    {"A2", Wall::Insulated, true,  Ground::None,   false, Cores::Multicore},
    {"B1", Wall::Plain,     true,  Ground::None,   false, Cores::SingleInConduit},
    {"B2", Wall::Plain,     true,  Ground::None,   false, Cores::Multicore},
    {"C",  Wall::Plain,     false, Ground::None,   false, Cores::Multicore},
    {"D1", Wall::None,      false, Ground::Duct,   false, Cores::Multicore},
    {"D2", Wall::None,      false, Ground::Direct, false, Cores::Multicore},
    {"E",  Wall::None,      false, Ground::None,   true,  Cores::Multicore},
    {"F",  Wall::None,      false, Ground::None,   true,  Cores::Trefoil},
    {"G",  Wall::None,      false, Ground::None,   true,  Cores::Spaced},
}};
// clang-format on

class Drawing {
public:
    Drawing(QPainter& painter, const QColor& ink, const QColor& shade)
        : m_p(painter), m_ink(ink), m_shade(shade) {}

    void draw(const Method& m) {
        const double w = kMethodPictureSize.width();
        const double h = kMethodPictureSize.height();
        QPointF centre(m.wall == Wall::None ? w / 2 : 20, h / 2);
        if (m.wall == Wall::Plain) plainWall();
        if (m.wall == Wall::Insulated) {
            centre.setX(12);
            insulatedWall(centre, 7);
        }
        if (m.ground != Ground::None) {
            ground();
            centre.setY(18);
        }
        if (m.tray) tray(h - 4);
        if (m.conduit || m.ground == Ground::Duct) {
            // A conduit on a wall touches it; one in the wall lies within it.
            if (m.wall == Wall::Plain) centre.setX(9 + 7.5);
            ring(centre, 7);
            cores(m.cores == Cores::Multicore ? Cores::Multicore : Cores::SingleInConduit, centre,
                  4.2);
            return;
        }
        if (m.cores == Cores::Trefoil) {
            const double r = 4;
            for (const QPointF& c :
                 {QPointF(w / 2 - r, h - 4 - r - 1), QPointF(w / 2 + r, h - 4 - r - 1),
                  QPointF(w / 2, h - 4 - r - 1 - r * 1.732)})
                singleCore(c, r);
            return;
        }
        if (m.cores == Cores::Spaced) {
            const double r = 3.5;
            const double y = h - 4 - r - 1;
            for (const double x : {w / 2 - 12, w / 2, w / 2 + 12}) singleCore({x, y}, r);
            // The spacing, marked between the cores.
            m_p.setPen(QPen(m_shade, 1));
            for (const double x : {w / 2 - 6, w / 2 + 6})
                m_p.drawLine(QPointF(x - 2, y - r - 3), QPointF(x + 2, y - r - 3));
            return;
        }
        // A multicore cable: on a wall with its clip, in the ground, or on a tray.
        const double r = 6;
        if (m.wall == Wall::Plain) centre.setX(9 + r);
        if (m.tray) centre.setY(h - 4 - r - 1);
        cores(Cores::Multicore, centre, r);
        if (m.wall == Wall::Plain) clip(centre, r);
    }

private:
    QPen ink(double width = 1.3) const {
        return QPen(m_ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }

    // A masonry wall seen in section: its face, hatched behind.
    void plainWall() {
        const double h = kMethodPictureSize.height();
        m_p.setPen(QPen(m_shade, 1));
        for (double y = -4; y < h; y += 5) m_p.drawLine(QPointF(1, y + 6), QPointF(8, y));
        m_p.setPen(ink());
        m_p.drawLine(QPointF(9, 1), QPointF(9, h - 1));
    }

    // A wall whose cavity is filled with thermal insulation, drawn as its zigzag, round the
    // conduit at `conduit`.
    void insulatedWall(QPointF conduit, double r) {
        const double h = kMethodPictureSize.height();
        m_p.setPen(ink());
        m_p.drawLine(QPointF(2, 1), QPointF(2, h - 1));
        m_p.drawLine(QPointF(22, 1), QPointF(22, h - 1));
        QPainterPath zigzag;
        zigzag.moveTo(4, 1);
        bool left = true;
        for (double y = 4; y <= h - 1; y += 3) {
            left = !left;
            zigzag.lineTo(left ? 4 : 20, y);
        }
        QPainterPath outside;
        outside.addRect(QRectF(QPointF(0, 0), QSizeF(kMethodPictureSize)));
        QPainterPath around;
        around.addEllipse(conduit, r + 1.5, r + 1.5);
        m_p.save();
        m_p.setClipPath(outside.subtracted(around));
        m_p.setPen(QPen(m_shade, 1));
        m_p.drawPath(zigzag);
        m_p.restore();
    }

    // The surface of the ground, with soil hatched along it.
    void ground() {
        const double w = kMethodPictureSize.width();
        m_p.setPen(ink());
        m_p.drawLine(QPointF(1, 6), QPointF(w - 1, 6));
        m_p.setPen(QPen(m_shade, 1));
        for (double x = 3; x < w - 2; x += 5) m_p.drawLine(QPointF(x, 10), QPointF(x + 3, 7));
    }

    // A perforated tray, seen from the side.
    void tray(double y) {
        const double w = kMethodPictureSize.width();
        QPen pen = ink();
        pen.setDashPattern({3, 1});
        m_p.setPen(pen);
        m_p.drawLine(QPointF(3, y), QPointF(w - 3, y));
        m_p.setPen(ink());
        m_p.drawLine(QPointF(3, y), QPointF(3, y - 3));
        m_p.drawLine(QPointF(w - 3, y), QPointF(w - 3, y - 3));
    }

    void ring(QPointF centre, double r) {
        m_p.setPen(ink());
        m_p.setBrush(Qt::NoBrush);
        m_p.drawEllipse(centre, r, r);
    }

    // An insulated conductor: its insulation and its copper.
    void singleCore(QPointF centre, double r) {
        ring(centre, r);
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(m_ink);
        m_p.drawEllipse(centre, r * 0.4, r * 0.4);
        m_p.setBrush(Qt::NoBrush);
    }

    // A multicore cable (its sheath round three cores) or three single cores, within `r`.
    void cores(Cores kind, QPointF centre, double r) {
        if (kind == Cores::Multicore) {
            ring(centre, r);
            m_p.setPen(Qt::NoPen);
            m_p.setBrush(m_ink);
            for (const QPointF& at : trefoil(centre, r * 0.45))
                m_p.drawEllipse(at, r * 0.2, r * 0.2);
            m_p.setBrush(Qt::NoBrush);
            return;
        }
        for (const QPointF& at : trefoil(centre, r * 0.5)) singleCore(at, r * 0.45);
    }

    // Three points round `centre`, one above and two below.
    static std::array<QPointF, 3> trefoil(QPointF centre, double d) {
        return {QPointF(centre.x(), centre.y() - d),
                QPointF(centre.x() - d * 0.866, centre.y() + d / 2),
                QPointF(centre.x() + d * 0.866, centre.y() + d / 2)};
    }

    // The clip that holds a cable to the wall: a strap over it, fixed either side.
    void clip(QPointF centre, double r) {
        m_p.setPen(ink(1.1));
        const double s = r + 1.5;
        m_p.drawArc(QRectF(centre.x() - s, centre.y() - s, 2 * s, 2 * s), -90 * 16, 180 * 16);
        m_p.drawLine(QPointF(9, centre.y() - s), QPointF(centre.x(), centre.y() - s));
        m_p.drawLine(QPointF(9, centre.y() + s), QPointF(centre.x(), centre.y() + s));
    }

    QPainter& m_p;
    QColor m_ink;
    QColor m_shade;
};

QPixmap drawn(const Method& method, const QColor& ink, const QColor& shade, double scale) {
    QPixmap picture(kMethodPictureSize * scale);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    Drawing(painter, ink, shade).draw(method);
    return picture;
}

}  // namespace

QIcon methodPicture(std::string_view method, const QPalette& palette) {
    for (const Method& m : kMethods) {
        if (m.key != method) continue;
        const QColor background = palette.color(QPalette::Base);
        const QColor ink = readableColour(palette.color(QPalette::Text), background, kTextContrast);
        // Hatching half-way to the background, kept visible.
        QColor shade = QColor::fromRgbF((ink.redF() + background.redF()) / 2,
                                        (ink.greenF() + background.greenF()) / 2,
                                        (ink.blueF() + background.blueF()) / 2);
        shade = readableColour(shade, background, kLineContrast);
        QIcon icon;
        for (const double scale : {1.0, 2.0}) icon.addPixmap(drawn(m, ink, shade, scale));
        return icon;
    }
    return {};
}

}  // namespace ferrovolt
