#include "Icone_Programme.h"

#include "Couleurs.h"
#include "Plan.h"

#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace Corvanel
{
namespace
{
constexpr QRgb Boitier = qRgb(59, 65, 72);
constexpr QRgb Cadre = qRgb(31, 36, 40);
constexpr QRgb Touche = qRgb(154, 162, 168);

// The screen is 16 x 12 points of 2 x 2 units at (8, 6).
constexpr int Points_Largeur = 16;
constexpr int Points_Hauteur = 12;
constexpr qreal Cote_Point = 2;
constexpr QPointF Origine_Ecran(8, 6);

// Lit from the upper left: the brightest points keep the screen's white.
std::uint8_t Code_Boule(int x, int y)
{
    const double Rayon = 5.2;
    const double dx = (x + 0.5 - 8.0) / Rayon;
    const double dy = (y + 0.5 - 6.0) / Rayon;
    const double Carre = dx * dx + dy * dy;
    if (Carre > 1.0)
        return Code::Blanc;
    const double dz = std::sqrt(1.0 - Carre);
    const double Norme = std::sqrt(1.0 + 1.0 + 2.25);
    const double Eclairage = (-dx - dy + 1.5 * dz) / Norme;
    if (Eclairage > 0.97)
        return Code::Blanc;
    if (Eclairage > 0.75)
        return Code::Gris_Clair;
    if (Eclairage > 0.4)
        return Code::Gris_Fonce;
    return Code::Noir;
}
} // namespace

std::vector<Forme_Icone> Formes_Icone()
{
    std::vector<Forme_Icone> Formes{
        {QRectF(4, 1, 40, 46), 5, Boitier},
        {QRectF(6, 4, 36, 28), 2, Cadre},
        {QRectF(Origine_Ecran, QSizeF(Points_Largeur * Cote_Point, Points_Hauteur * Cote_Point)), 0,
         Vers_Rgb(Blanc_TI)},
    };
    for (int y = 0; y < Points_Hauteur; ++y)
        for (int x = 0; x < Points_Largeur; ++x)
            if (const std::uint8_t Code_Point = Code_Boule(x, y); Code_Point != Code::Blanc)
                Formes.push_back({QRectF(Origine_Ecran + QPointF(x * Cote_Point, y * Cote_Point),
                                         QSizeF(Cote_Point, Cote_Point)),
                                  0, Vers_Rgb(Couleur_Affichage(Code_Point, 4, Mode_Gris::TI))});
    for (int Rangee = 0; Rangee < 2; ++Rangee)
        for (int Colonne = 0; Colonne < 4; ++Colonne)
            Formes.push_back({QRectF(8.5 + Colonne * 8, 35 + Rangee * 6, 7, 4), 1, Touche});
    return Formes;
}

QImage Dessiner_Icone(int Taille)
{
    QImage Image(Taille, Taille, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::transparent);
    QPainter Peintre(&Image);
    Peintre.scale(qreal(Taille) / Cote_Icone, qreal(Taille) / Cote_Icone);
    Peintre.setPen(Qt::NoPen);
    for (const Forme_Icone &Forme : Formes_Icone())
    {
        Peintre.setBrush(QColor(Forme.Couleur));
        // Square points painted smooth would show seams between them at most sizes.
        Peintre.setRenderHint(QPainter::Antialiasing, Forme.Rayon > 0);
        if (Forme.Rayon > 0)
            Peintre.drawRoundedRect(Forme.Rect, Forme.Rayon, Forme.Rayon);
        else
            Peintre.drawRect(Forme.Rect);
    }
    Peintre.end();
    return Image;
}

QIcon Icone_Programme()
{
    QIcon Icone;
    for (const int Taille : {16, 24, 32, 48, 64, 128, 256})
        Icone.addPixmap(QPixmap::fromImage(Dessiner_Icone(Taille)));
    return Icone;
}
} // namespace Corvanel
