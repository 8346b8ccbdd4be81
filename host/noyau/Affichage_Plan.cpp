#include "Affichage_Plan.h"

#include <algorithm>
#include <array>

namespace Corvanel
{
void Peindre_Plan(QImage &Surface, const Plan &Plan_Image, int Largeur, int Hauteur,
                  std::uint8_t Nombre_Couleur, Mode_Gris Mode, int Zoom)
{
    // One colour per code, looked up once rather than for each point.
    std::array<QRgb, 256> Couleurs;
    for (int Code_ = 0; Code_ < 256; ++Code_)
        Couleurs[static_cast<std::size_t>(Code_)] =
            Vers_Rgb(Couleur_Affichage(static_cast<std::uint8_t>(Code_), Nombre_Couleur, Mode));
    // Each display row is built once and copied to the other rows of its points.
    for (int y = 0; y < Hauteur; ++y)
    {
        QRgb *Premiere = reinterpret_cast<QRgb *>(Surface.scanLine(y * Zoom));
        for (int x = 0; x < Largeur; ++x)
            std::fill_n(Premiere + x * Zoom, Zoom, Couleurs[Plan_Image[Indice(x, y)]]);
        for (int j = 1; j < Zoom; ++j)
            std::copy_n(Premiere, Largeur * Zoom,
                        reinterpret_cast<QRgb *>(Surface.scanLine(y * Zoom + j)));
    }
}

QImage Dessiner_Plan(const Plan &Plan_Image, int Largeur, int Hauteur, std::uint8_t Nombre_Couleur,
                     Mode_Gris Mode, int Zoom)
{
    QImage Surface(Largeur * Zoom, Hauteur * Zoom, QImage::Format_RGB32);
    Peindre_Plan(Surface, Plan_Image, Largeur, Hauteur, Nombre_Couleur, Mode, Zoom);
    return Surface;
}
} // namespace Corvanel
