#include "Icones.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace Corvanel
{
namespace
{
void Fleche(QPainter &p, QPointF de, QPointF a)
{
    p.drawLine(de, a);
    const QLineF ligne(a, de);
    QLineF aile1 = ligne;
    aile1.setLength(6);
    aile1.setAngle(ligne.angle() + 35);
    QLineF aile2 = ligne;
    aile2.setLength(6);
    aile2.setAngle(ligne.angle() - 35);
    p.drawLine(aile1);
    p.drawLine(aile2);
}

void Loupe(QPainter &p, bool plus)
{
    p.drawEllipse(QPointF(10, 10), 7, 7);
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.5, 15.5), QPointF(22, 22));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
    if (plus)
        p.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
}
} // namespace

QIcon Creer_Icone(Icone icone)
{
    QPixmap image(25, 25);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.6));
    switch (icone)
    {
    case Icone::Crayon:
    {
        QPolygonF corps({{5, 20}, {7, 14}, {18, 3}, {22, 7}, {11, 18}});
        p.setBrush(QColor(230, 190, 60));
        p.drawPolygon(corps);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygonF({{5, 20}, {6, 17}, {8, 19}}));
        break;
    }
    case Icone::Ligne:
        p.drawLine(QPointF(4, 21), QPointF(21, 4));
        break;
    case Icone::Rectangle:
        p.drawRect(QRectF(4, 6, 17, 13));
        break;
    case Icone::Rectangle_Plein:
        p.setBrush(Qt::black);
        p.drawRect(QRectF(4, 6, 17, 13));
        break;
    case Icone::Ellipse:
        p.drawEllipse(QRectF(3, 6, 19, 13));
        break;
    case Icone::Ellipse_Pleine:
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(3, 6, 19, 13));
        break;
    case Icone::Triangle:
        p.drawPolygon(QPolygonF({{12.5, 4}, {22, 21}, {3, 21}}));
        break;
    case Icone::Polygone:
        p.drawPolygon(QPolygonF({{4, 8}, {12, 3}, {21, 9}, {17, 21}, {9, 15}, {4, 20}}));
        break;
    case Icone::Texte:
    {
        QFont police = p.font();
        police.setPixelSize(14);
        police.setBold(true);
        p.setFont(police);
        p.drawText(QRectF(0, 0, 25, 25), Qt::AlignCenter, QStringLiteral("Ab"));
        break;
    }
    case Icone::Arobase:
    case Icone::Inverser:
    {
        QFont police = p.font();
        police.setPixelSize(icone == Icone::Arobase ? 18 : 11);
        police.setBold(true);
        p.setFont(police);
        p.drawText(QRectF(0, 0, 25, 25), Qt::AlignCenter,
                   icone == Icone::Arobase ? QStringLiteral("@") : QStringLiteral("Inv"));
        break;
    }
    case Icone::Annuler:
    {
        QPainterPath arc;
        arc.moveTo(20, 19);
        arc.cubicTo(22, 9, 12, 4, 6, 10);
        p.drawPath(arc);
        Fleche(p, QPointF(8, 8), QPointF(5, 11));
        break;
    }
    case Icone::Retablir:
    {
        QPainterPath arc;
        arc.moveTo(5, 19);
        arc.cubicTo(3, 9, 13, 4, 19, 10);
        p.drawPath(arc);
        Fleche(p, QPointF(17, 8), QPointF(20, 11));
        break;
    }
    case Icone::Loupe_Moins:
    case Icone::Loupe_Plus:
        Loupe(p, icone == Icone::Loupe_Plus);
        break;
    case Icone::Miroir_Horizontal:
        p.drawLine(QPointF(12.5, 3), QPointF(12.5, 22));
        Fleche(p, QPointF(12.5, 12.5), QPointF(3, 12.5));
        Fleche(p, QPointF(12.5, 12.5), QPointF(22, 12.5));
        break;
    case Icone::Miroir_Vertical:
        p.drawLine(QPointF(3, 12.5), QPointF(22, 12.5));
        Fleche(p, QPointF(12.5, 12.5), QPointF(12.5, 3));
        Fleche(p, QPointF(12.5, 12.5), QPointF(12.5, 22));
        break;
    case Icone::Rotation:
        p.drawArc(QRectF(4, 4, 17, 17), 90 * 16, 270 * 16);
        Fleche(p, QPointF(9, 4.5), QPointF(13, 4.5));
        break;
    case Icone::Fleche_Gauche:
        Fleche(p, QPointF(21, 12.5), QPointF(4, 12.5));
        break;
    case Icone::Fleche_Haut:
        Fleche(p, QPointF(12.5, 21), QPointF(12.5, 4));
        break;
    case Icone::Fleche_Bas:
        Fleche(p, QPointF(12.5, 4), QPointF(12.5, 21));
        break;
    case Icone::Fleche_Droite:
        Fleche(p, QPointF(4, 12.5), QPointF(21, 12.5));
        break;
    }
    p.end();
    return QIcon(image);
}
} // namespace Corvanel
