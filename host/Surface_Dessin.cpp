#include "Surface_Dessin.h"

#include "Couleurs.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace Corvanel
{
Surface_Dessin::Surface_Dessin(QWidget *parent)
    : QWidget(parent), Image_Surface(0, 0, QImage::Format_RGB32)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void Surface_Dessin::Redimensionner(int largeur, int hauteur, std::uint32_t fond)
{
    if (Image_Surface.width() != largeur || Image_Surface.height() != hauteur)
        Image_Surface = QImage(largeur, hauteur, QImage::Format_RGB32);
    Image_Surface.fill(Vers_Rgb(fond));
    setFixedSize(largeur, hauteur);
    update();
}

std::uint32_t Surface_Dessin::Lire_Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Image_Surface.width() || y >= Image_Surface.height())
        return 0;
    return Depuis_Rgb(reinterpret_cast<const QRgb *>(Image_Surface.constScanLine(y))[x]);
}

void Surface_Dessin::Remplir_Bloc(int x, int y, int cote, std::uint32_t couleur)
{
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + cote, Image_Surface.width());
    const int y1 = std::min(y + cote, Image_Surface.height());
    const QRgb rgb = Vers_Rgb(couleur);
    for (int j = y0; j < y1; ++j)
    {
        QRgb *ligne = reinterpret_cast<QRgb *>(Image_Surface.scanLine(j));
        std::fill(ligne + x0, ligne + std::max(x0, x1), rgb);
    }
    update(QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)));
}

void Surface_Dessin::paintEvent(QPaintEvent *evenement)
{
    QPainter peintre(this);
    const QRect zone = evenement->rect();
    peintre.drawImage(zone.topLeft(), Image_Surface, zone);
}

void Surface_Dessin::mousePressEvent(QMouseEvent *evenement)
{
    if (Sur_Appui)
        Sur_Appui(evenement);
}

void Surface_Dessin::mouseMoveEvent(QMouseEvent *evenement)
{
    if (Sur_Deplacement)
        Sur_Deplacement(evenement);
}

void Surface_Dessin::mouseReleaseEvent(QMouseEvent *evenement)
{
    if (Sur_Relache)
        Sur_Relache(evenement);
}
} // namespace Corvanel
