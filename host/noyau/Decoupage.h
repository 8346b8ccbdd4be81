// Sprite sheets: a picture cut into cells of one size, each saved as a picture of its own,
// one after another in one file, followed by tables of the cells' arrays.
#ifndef CORVANEL_DECOUPAGE_H
#define CORVANEL_DECOUPAGE_H

#include "Assemblage_Planche.h"
#include "Document_Image.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Corvanel
{
struct Grille_Sprites
{
    int Largeur = 16; // 1 to 240
    int Hauteur = 16; // 1 to 128
    bool Ignorer_Vides = false;
};

inline constexpr bool Grille_Valide(int largeur, int hauteur)
{
    return Taille_Valide(largeur, hauteur);
}

// A cell of the grid, counted from 0 left to right, then top to bottom.
struct Case_Sprite
{
    int Indice;
    int X;
    int Y;
};

// The whole cells of a picture of that size; a strip narrower or lower than a cell is left out.
std::vector<Case_Sprite> Cases_Grille(int Largeur, int Hauteur, const Grille_Sprites &Grille);

// The cell as a picture of its own: its codes, its mask, the document's level count.
Document_Image Extraire_Case(const Document_Image &Document, const Case_Sprite &Case,
                             const Grille_Sprites &Grille);
// The same into a picture kept from cell to cell: only the cell's points are written.
void Extraire_Case(const Document_Image &Document, const Case_Sprite &Case,
                   const Grille_Sprites &Grille, Document_Image &Cellule);
// The cell of the document's kept source itself, one source pixel per picture point, as a
// picture of the cell's size converted with the document's level count, bands and choices.
Document_Image Convertir_Case_Source(const Document_Image &Document, const Case_Sprite &Case,
                                     const Grille_Sprites &Grille);
// Every code 0 and nothing covered.
bool Case_Vide(const Document_Image &Cellule);

// "<fichier>_<i>.<ext>" for the cells of a format that is not source text.
QString Chemin_Case(const QString &Chemin, int Indice);

struct Resultat_Planche
{
    Resultat_Enregistrement Enregistrement; // the first failure, or a success
    int Ecrits = 0;
    int Ignores = 0;
};
// The window's title after a sheet: how many sprites were written and how many skipped, or
// what went wrong.
QString Titre_Planche(const Resultat_Planche &Resultat);

// Saves Nombre cells, cell i being Case(i), through the slot as one sheet at Chemin (or one
// file per cell for a format that is not source text). Genre says whether the pictures or
// the masks are saved. A failed sheet leaves the file that was there as it was. The picture
// Case returns need only last until the next call. Compresser packs the sheet's text
// (Enregistrement_Compresse.h); a format that is not source text is then refused.
Resultat_Planche Enregistrer_Planche(int Nombre,
                                     const std::function<const Document_Image &(int)> &Case,
                                     const Plug_Info &Slot, Genre_Enregistrement Genre,
                                     const QString &Chemin, const QString &Nom, bool Ignorer_Vides,
                                     const Options_Appel &Options = {}, bool Compresser = false);
// The document's own cells.
Resultat_Planche Enregistrer_Planche(const Document_Image &Document, const Grille_Sprites &Grille,
                                     const Plug_Info &Slot, Genre_Enregistrement Genre,
                                     const QString &Chemin, const QString &Nom,
                                     const Options_Appel &Options = {}, bool Compresser = false);
// The cells of the document's kept source, whatever its size, each converted one pixel per
// picture point as Convertir_Case_Source does; with Fond_Mask, each gets its automatic mask
// of that background.
Resultat_Planche
Enregistrer_Planche_Source(const Document_Image &Document, const Grille_Sprites &Grille,
                           std::optional<std::uint8_t> Fond_Mask, const Plug_Info &Slot,
                           Genre_Enregistrement Genre, const QString &Chemin, const QString &Nom,
                           const Options_Appel &Options = {}, bool Compresser = false);
} // namespace Corvanel

#endif
