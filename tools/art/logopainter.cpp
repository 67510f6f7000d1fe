// The maker's logo.
#include "logopainter.h"

#include "artfonts.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
constexpr QSize logoSize(136, 98);
constexpr QPointF emblemCentre(68, 34);

void paintEmblem(QPainter &painter)
{
    QRadialGradient disc(emblemCentre - QPointF(8, 8), 34);
    disc.setColorAt(0, QColor(Palette::teal).lighter(135));
    disc.setColorAt(1, QColor(Palette::tealDark));
    painter.setPen(QPen(QColor(Palette::gold), 2));
    painter.setBrush(disc);
    painter.drawEllipse(emblemCentre, 26, 26);

    // The orbit passes behind the letter, then in front of it.
    painter.save();
    painter.translate(emblemCentre);
    painter.rotate(-24);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(Palette::gold), 2.2));
    painter.drawArc(QRectF(-34, -11, 68, 22), 0, 180 * 16);
    painter.restore();

    QPainterPath letter;
    letter.addEllipse(emblemCentre, 14, 16);
    letter.addEllipse(emblemCentre, 8.5, 10.5);
    letter.setFillRule(Qt::OddEvenFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Palette::ivory));
    painter.drawPath(letter);

    painter.save();
    painter.translate(emblemCentre);
    painter.rotate(-24);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(Palette::gold), 2.2));
    painter.drawArc(QRectF(-34, -11, 68, 22), 180 * 16, 180 * 16);
    painter.setPen(QPen(QColor(Palette::tealDark), 1));
    painter.setBrush(QColor(Palette::gold).lighter(120));
    painter.drawEllipse(QPointF(31, 4.5), 4, 4);
    painter.restore();
}

void paintName(QPainter &painter, const ArtFonts &fonts)
{
    QPainterPath name;
    name.addText(0, 0, fonts.serif(22, true), "Orvane");
    name.translate(emblemCentre.x() - name.boundingRect().center().x(), 82);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Palette::tealDark));
    painter.drawPath(name);
    painter.setFont(fonts.sans(8, true));
    painter.setPen(QColor(Palette::goldDark));
    painter.drawText(QRectF(0, 84, logoSize.width(), 12), Qt::AlignCenter, "P U Z Z L E S");
}
}

QImage LogoPainter::paint(const ArtFonts &fonts, qreal scale)
{
    QImage image(logoSize * scale, QImage::Format_RGB32);
    image.fill(QColor(Palette::parchment));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    paintEmblem(painter);
    paintName(painter, fonts);
    return image;
}
