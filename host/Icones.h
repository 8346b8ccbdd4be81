// The tool buttons' 25 x 25 pictures, drawn by the program itself.
#ifndef CORVANEL_ICONES_H
#define CORVANEL_ICONES_H

#include <QIcon>

namespace Corvanel
{
enum class Icone
{
    Crayon,
    Ligne,
    Rectangle,
    Ellipse,
    Triangle,
    Polygone,
    Texte,
    Arobase,
    Annuler,
    Retablir,
    Loupe_Moins,
    Loupe_Plus,
    Miroir_Horizontal,
    Miroir_Vertical,
    Rotation,
    Fleche_Gauche,
    Fleche_Haut,
    Fleche_Bas,
    Fleche_Droite,
    Rectangle_Plein,
    Ellipse_Pleine,
    Inverser
};

QIcon Creer_Icone(Icone icone);
} // namespace Corvanel

#endif
