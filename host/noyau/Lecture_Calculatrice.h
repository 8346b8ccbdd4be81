// Pictures read back from the calculator's own files: the PIC variables of a TI-89 or TI-92
// Plus variable file (a group, or a single variable).
#ifndef CORVANEL_LECTURE_CALCULATRICE_H
#define CORVANEL_LECTURE_CALCULATRICE_H

#include "Lecteurs.h"
#include "Plan.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace Corvanel
{
// More than a calculator's whole memory.
inline constexpr qint64 Taille_Max_Calculatrice = 4 * 1024 * 1024;

enum class Etat_Calculatrice
{
    Ok,
    Non_Ouvert, // missing or unreadable file; Message says so
    Refuse,     // read and refused; Message says what was found
};

struct Resultat_Calculatrice
{
    Etat_Calculatrice Etat = Etat_Calculatrice::Refuse;
    QString Message;
    QString Nom; // <x> for the pair <x>l / <x>d, else the variable's own name
    std::uint8_t Largeur = 0;
    std::uint8_t Hauteur = 0;
    std::uint8_t Nombre_Couleur = 0; // 2 from one PIC, 4 from a light and a dark one
    Plan Plan_Image{};               // codes inside the size, 0 beyond
};

// The model comes from the file's signature, never from its name. A pair of PIC variables
// <x>l (light: levels 1 and 3) and <x>d (dark: levels 2 and 3) of one folder and one size is a
// 4-level picture named <x>; otherwise the first PIC is a black and white picture. Other
// variables and folders are passed over, but every PIC must be sound: inside the file, its
// checksum right, its size within 240 x 128 and all its rows there.
Resultat_Calculatrice Lire_Image_Calculatrice(const QByteArray &Octets);
// The same from a file, which must be a plain file of at most Taille_Max_Calculatrice bytes.
Resultat_Calculatrice Lire_Fichier_Calculatrice(const QString &Chemin);
// The open: the picture with its size, level count and name; nothing to convert again.
Resultat_Ouverture Ouvrir_Image_Calculatrice(Document_Image &Document, const QString &Chemin);
} // namespace Corvanel

#endif
