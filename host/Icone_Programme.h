// The program's own icon: a calculator whose screen shows a shaded ball in the four TI greys.
#ifndef CORVANEL_ICONE_PROGRAMME_H
#define CORVANEL_ICONE_PROGRAMME_H

#include <QIcon>
#include <QImage>
#include <QRectF>
#include <vector>

namespace Corvanel
{
struct Forme_Icone
{
    QRectF Rect;
    qreal Rayon; // of the rounded corners
    QRgb Couleur;
};

inline constexpr int Cote_Icone = 48; // the grid the shapes are placed on

// Back to front. The same list paints the pictures and writes the installed SVG, so that both
// show one drawing.
std::vector<Forme_Icone> Formes_Icone();
QImage Dessiner_Icone(int Taille);
// The window icon, in the sizes desktops ask for.
QIcon Icone_Programme();
} // namespace Corvanel

#endif
