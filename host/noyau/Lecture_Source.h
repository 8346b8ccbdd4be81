// Reading a sprite back from source code: the C arrays and the assembler dc blocks that the
// export plug-ins write, found by their names, with the size from the constants beside them.
#ifndef CORVANEL_LECTURE_SOURCE_H
#define CORVANEL_LECTURE_SOURCE_H

#include "Plan.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace Corvanel
{
struct Lecture;

// Far more than the longest sprite source (about 60 KB), little enough to read at once.
inline constexpr qint64 Taille_Max_Source = 4 * 1024 * 1024;

enum class Etat_Source
{
    Ok,
    Non_Ouvert, // missing or unreadable file; Message says so
    Refuse,     // read and refused; Message says what was found
};

struct Resultat_Source
{
    Etat_Source Etat = Etat_Source::Refuse;
    QString Message;
    QString Nom; // the picture name the arrays carry (Windows-1252 in the file)
    std::uint8_t Largeur = 0;
    std::uint8_t Hauteur = 0;
    // 2 with one plane, 4 with two; 0 when the source holds only a mask.
    std::uint8_t Nombre_Couleur = 0;
    Plan Plan_Image{}; // codes 0 to 3 inside the size, 0 beyond
    bool Mask_Trouve = false;
    Plan Plan_Mask{}; // 1 where covered, whichever convention the file used
};

// The arrays and their names:
//   <nom>_C0, <nom>_C1                 one plane each (1 = set)
//   <nom>                              a C array of plane 0 and plane 1 interleaved, or plane 0
//   <nom>_Entrelace                    plane 0 and plane 1 interleaved, or plane 0
//   <nom>_Entrelace_Mask               AND mask, plane 0, plane 1 interleaved, or mask, plane 0
//   <nom>_Mask, Mask_<nom>             mask, 1 = covered
//   <nom>_Mask_ET                      mask, 1 = background
// each row packed into elements of the array's own type (8, 16 or 32 bits), leftmost column
// in the most significant bit. The size is <nom>_LARGEUR and <nom>_HAUTEUR where the file
// defines them, else the defaults.
// A tile map (Lecture_Carte.h) is read as the picture its map draws.
Resultat_Source Lire_Source_Sprite(const QByteArray &Texte, int Largeur_Defaut, int Hauteur_Defaut);
// The same from a file, which must be a plain file of at most Taille_Max_Source bytes.
Resultat_Source Lire_Fichier_Source(const QString &Chemin, int Largeur_Defaut, int Hauteur_Defaut);
// The arrays and constants already read, laid out as above (without the tile map).
Resultat_Source Lire_Lecture(const Lecture &L, int Largeur_Defaut, int Hauteur_Defaut);
} // namespace Corvanel

#endif
