// The edit window: shows the document's picture enlarged and takes the drawing tools' mouse
// input. The picture's fields are the document's, reached under their usual names; the window
// keeps only the display and the editing state of the tools.
#ifndef CORVANEL_FICHE_ECRAN_H
#define CORVANEL_FICHE_ECRAN_H

#include "Bandes.h"
#include "Couleurs.h"
#include "Document_Image.h"
#include "Plan.h"

#include <QFont>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>

class QMouseEvent;

namespace Corvanel
{
class Surface_Dessin;

// The tools of the page "Retoucher l'image", by their button's number.
namespace Outil
{
inline constexpr std::uint8_t Crayon = 1;
inline constexpr std::uint8_t Ligne = 2;
inline constexpr std::uint8_t Rectangle = 3;
inline constexpr std::uint8_t Ellipse = 4;
inline constexpr std::uint8_t Triangle = 5;
inline constexpr std::uint8_t Polyligne = 6;
inline constexpr std::uint8_t Texte = 7;
inline constexpr std::uint8_t Caractere = 8;
} // namespace Outil

class TFEcran : public QWidget
{
    Q_OBJECT
public:
    explicit TFEcran(Document_Image &document);

    Document_Image &Document;
    Surface_Dessin *Ecran_TI;
    Image_Source &Image_Couleur;
    bool &Source_Valide;
    Plan &Plan_Image;
    Plan &Image_Annulation;
    std::uint8_t &Largeur_Image;
    std::uint8_t &Hauteur_Image;
    std::uint8_t Outil_Courant = Outil::Crayon;
    std::uint8_t &Nombre_Couleur;
    std::uint8_t Zoom_Ecran = 1;
    std::uint8_t Etape_Outil = 0;
    std::uint8_t Code_Caractere = 0;
    Bandes &Bandes_Lum;
    std::array<QPoint, 60> Points_Outil{};
    std::uint8_t Nombre_Points_Polyligne = 0;
    bool Crayon_Actif = false;
    QFont Police_Texte;

    // What the main window's controls say, pushed here whenever they change.
    Mode_Gris Mode = Mode_Gris::TI;
    std::uint32_t Couleur_Gauche = 0;
    std::uint32_t Couleur_Droite = 0;
    bool Trace_Active = false;
    QString Texte_Outil;

    std::uint32_t Couleur_Affichage(std::uint8_t code) const;
    void Dessiner_Case(int x, int y, std::uint32_t couleur);
    void Peindre_Image();
    bool Zoom_Plus();
    void Zoom_Moins();
    void Relire_Image();
    // Empties the tool state and sets zoom 1, as every open or new picture does.
    void Reinitialiser_Edition();
    void Convertir_Image() { Document.Convertir_Image(); }

    // Drawing tools.
    void Souris_Appui(QMouseEvent *evenement);
    void Souris_Deplacement(QMouseEvent *evenement);
    void Souris_Relache(QMouseEvent *evenement);

signals:
    // The tools changed the picture's plane.
    void Image_Modifiee();
    // A pencil stroke has begun: it will be a step to undo.
    void Annulation_Disponible(bool disponible);
};
} // namespace Corvanel

#endif
