// The edit window: owns the picture plane, its size, level count, zoom, band widths, the kept
// source picture and the editing state of the drawing tools.
#ifndef CORVANEL_FICHE_ECRAN_H
#define CORVANEL_FICHE_ECRAN_H

#include "Bandes.h"
#include "Conversion.h"
#include "Couleurs.h"
#include "Plan.h"

#include <QFont>
#include <QPoint>
#include <QWidget>
#include <array>

class QMouseEvent;

namespace Corvanel
{
class Dialogues;
class Surface_Dessin;

// Above this many display pixels in either direction the zoom stops growing.
inline constexpr int Surface_Maximum = 4096;

class TFEcran : public QWidget
{
    Q_OBJECT
public:
    explicit TFEcran(Dialogues &dialogues);

    Surface_Dessin *Ecran_TI;
    Image_Source Image_Couleur;
    // The picture came from a picture file opened in this run: only then do the light,
    // contrast and level-count controls convert the kept source again.
    bool Source_Valide = false;
    Plan Plan_Image{};
    Plan Image_Annulation{};
    std::uint8_t Largeur_Image = 0;
    std::uint8_t Hauteur_Image = 0;
    std::uint8_t Outil_Courant = 1;
    std::uint8_t Nombre_Couleur = 4;
    std::uint8_t Zoom_Ecran = 1;
    std::uint8_t Etape_Outil = 0;
    std::uint8_t Code_Caractere = 0;
    Bandes Bandes_Lum;
    std::array<QPoint, 60> Points_Outil{};
    std::uint8_t Nombre_Points_Polyligne = 0;
    bool Crayon_Actif = false;
    QFont Police_Texte;

    std::uint32_t Couleur_Affichage(std::uint8_t code) const;
    void Dessiner_Case(int x, int y, std::uint32_t couleur);
    void Peindre_Image();
    bool Zoom_Plus();
    void Zoom_Moins();
    void Relire_Image();
    // Empties the tool state and sets zoom 1, as every open or new picture does.
    void Reinitialiser_Edition();
    void Convertir_Image();

    // Drawing tools.
    void Souris_Appui(QMouseEvent *evenement);
    void Souris_Deplacement(QMouseEvent *evenement);
    void Souris_Relache(QMouseEvent *evenement);
    void Annuler();

private:
    Dialogues &Dialogues_;
};
} // namespace Corvanel

#endif
