// The maker's logo.
#include "pictures.h"

#include "artfonts.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tessaro::art {
namespace {
constexpr QSize kLogoSize(136, 98);
constexpr QPointF kEmblemCentre(68, 34);

void PaintEmblem(QPainter& painter)
{
    QRadialGradient disc(kEmblemCentre - QPointF(8, 8), 34);
    disc.setColorAt(0, QColor(kTeal).lighter(135));
    disc.setColorAt(1, QColor(kTealDark));
    painter.setPen(QPen(QColor(kGold), 2));
    painter.setBrush(disc);
    painter.drawEllipse(kEmblemCentre, 26, 26);

    // The orbit passes behind the letter, then in front of it.
    painter.save();
    painter.translate(kEmblemCentre);
    painter.rotate(-24);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kGold), 2.2));
    painter.drawArc(QRectF(-34, -11, 68, 22), 0, 180 * 16);
    painter.restore();

    QPainterPath letter;
    letter.addEllipse(kEmblemCentre, 14, 16);
    letter.addEllipse(kEmblemCentre, 8.5, 10.5);
    letter.setFillRule(Qt::OddEvenFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kIvory));
    painter.drawPath(letter);

    painter.save();
    painter.translate(kEmblemCentre);
    painter.rotate(-24);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kGold), 2.2));
    painter.drawArc(QRectF(-34, -11, 68, 22), 180 * 16, 180 * 16);
    painter.setPen(QPen(QColor(kTealDark), 1));
    painter.setBrush(QColor(kGold).lighter(120));
    painter.drawEllipse(QPointF(31, 4.5), 4, 4);
    painter.restore();
}

void PaintName(QPainter& painter, const ArtFonts& fonts)
{
    QPainterPath name;
    name.addText(0, 0, fonts.serif(22, true), "Orvane");
    name.translate(kEmblemCentre.x() - name.boundingRect().center().x(), 82);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kTealDark));
    painter.drawPath(name);
    painter.setFont(fonts.sans(8, true));
    painter.setPen(QColor(kGoldDark));
    painter.drawText(QRectF(0, 84, kLogoSize.width(), 12), Qt::AlignCenter, "P U Z Z L E S");
}

}  // namespace

QImage PaintLogo(const ArtFonts& fonts, qreal scale)
{
    QImage image(kLogoSize * scale, QImage::Format_RGB32);
    image.fill(QColor(kParchment));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    PaintEmblem(painter);
    PaintName(painter, fonts);
    return image;
}

}  // namespace tessaro::art
