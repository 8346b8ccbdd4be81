// The rules shared by the five export libraries: half steps, plane and mask bits, the number
// texts, and the DOS text file they write.
#ifndef CORVANEL_REGLES_EXPORT_H
#define CORVANEL_REGLES_EXPORT_H

#include "Auteur.h"

#include <Plug_Contrat.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace Commun
{
// The output file. Everything goes into Contenu first and reaches the disk in one write at
// Fermer, so stepping back is a move in memory and no number costs a system call.
class Fichier_Dos
{
public:
    Fichier_Dos() = default;
    Fichier_Dos(const Fichier_Dos &) = delete;
    Fichier_Dos &operator=(const Fichier_Dos &) = delete;
    ~Fichier_Dos();

    // Creates or empties the file; false when it cannot be opened.
    bool Ouvrir(const char *chemin);
    // Writes the content and closes; false when any of it did not reach the file.
    bool Fermer();

    std::string Contenu;
    std::size_t Position = 0;

private:
    std::FILE *Flux = nullptr;
};

// Writes the text at the write position, every LF as CR LF.
void Ecrire_Texte(Fichier_Dos &fichier, std::string_view texte);
// The next write overwrites the last byte written (after CR LF, only the LF).
void Reculer_Un_Octet(Fichier_Dos &fichier);

// Only this many bytes of a plane belong to a picture of that size; nothing beyond is read.
std::size_t Etendue_Plan(std::uint8_t hauteur, std::uint8_t largeur);
// A working copy of the used part of the levels with the half steps 101, 112 and 123 turned
// into a checkerboard of their two neighbouring levels.
std::vector<std::uint8_t> Resoudre_Demi_Niveaux(const std::uint8_t *niveaux, std::uint8_t hauteur,
                                                std::uint8_t largeur);
// The levels a picture save exports: with 8 colours a resolved copy kept in `copie`, otherwise
// the caller's own levels.
const std::uint8_t *Niveaux_A_Exporter(const std::uint8_t *niveaux, std::uint8_t couleurs,
                                       std::uint8_t hauteur, std::uint8_t largeur,
                                       std::vector<std::uint8_t> &copie);
// Which codes set a bit: with 2 colours, in plane 0 and in plane 1 of 4 levels. A table
// rather than tests, since the codes of a picture are too mixed for branches to guess.
inline constexpr auto Bits_Des_Niveaux = []
{
    std::array<std::array<std::uint8_t, 256>, 3> table{};
    table[0][1] = 1;
    table[1][1] = table[1][3] = 1;
    table[2][2] = table[2][3] = 1;
    return table;
}();

// The pixel's bit in one plane; columns beyond the width pad the last number with zeros.
inline int Bit_Plan(int colonne, int ligne, std::uint8_t plan, const std::uint8_t *niveaux,
                    std::uint8_t largeur, std::uint8_t couleurs)
{
    if (colonne >= largeur)
        return 0;
    const int regle = couleurs == 2 ? 0 : plan == 0 ? 1 : 2;
    return Bits_Des_Niveaux[regle][niveaux[std::size_t(colonne) * Plug::Lignes + ligne]];
}

inline int Bit_Masque(int colonne, int ligne, const std::uint8_t *mask, std::uint8_t largeur)
{
    return colonne < largeur && mask[std::size_t(colonne) * Plug::Lignes + ligne] == 1;
}

// The same cell for routines that draw the mask with AND: 1 where the background shows, so
// also in the padding beyond the width. Without a mask every cell is covered.
inline int Bit_Masque_ET(int colonne, int ligne, const std::uint8_t *mask, std::uint8_t largeur)
{
    return colonne >= largeur || (mask && mask[std::size_t(colonne) * Plug::Lignes + ligne] != 1);
}

// Four binary digits, leftmost the most significant, as one uppercase hexadecimal digit.
inline char Quartet_Hexa(const int (&chiffres)[4])
{
    return "0123456789ABCDEF"[chiffres[0] * 8 + chiffres[1] * 4 + chiffres[2] * 2 + chiffres[3]];
}

// Eight binary digits, leftmost worth 128.
inline int Octet_Decimal(const int (&chiffres)[8])
{
    int valeur = 0;
    for (const int chiffre : chiffres)
        valeur = valeur * 2 + chiffre;
    return valeur;
}

// The C element chosen by the picture width: 8, 16 or 32 bits.
struct Type_Element
{
    int Bits;
    std::string_view Texte; // "\n\nunsigned char " and the like
};
Type_Element Choisir_Type_Element(std::uint8_t largeur);

// Appends the prefix ("0x" in C), bits / 4 hexadecimal digits of the columns x0 onwards, then
// a comma, to the text of a row; a row goes to the file in one piece.
template <typename Bit>
void Ajouter_Hexa(std::string &ligne, int x0, int bits, Bit &&bit, std::string_view prefixe = "0x")
{
    ligne += prefixe;
    for (int q = 0; q < bits; q += 4)
    {
        const int chiffres[4] = {bit(x0 + q), bit(x0 + q + 1), bit(x0 + q + 2), bit(x0 + q + 3)};
        ligne += Quartet_Hexa(chiffres);
    }
    ligne += ',';
}

// The rows of one dc.b block, each byte in decimal; bit(x, y) gives a pixel's bit. Each row
// and the block end by stepping back over what precedes, which leaves CR CR LF at the end.
template <typename Bit>
void Ecrire_Lignes_Dcb(Fichier_Dos &fichier, std::uint8_t hauteur, std::uint8_t largeur, Bit &&bit)
{
    std::string ligne;
    for (int y = 0; y < hauteur; ++y)
    {
        ligne = "\tdc.b ";
        for (int x0 = 0; x0 < largeur; x0 += 8)
        {
            const int chiffres[8] = {bit(x0, y),     bit(x0 + 1, y), bit(x0 + 2, y),
                                     bit(x0 + 3, y), bit(x0 + 4, y), bit(x0 + 5, y),
                                     bit(x0 + 6, y), bit(x0 + 7, y)};
            char nombre[3];
            const auto fin = std::to_chars(nombre, nombre + 3, Octet_Decimal(chiffres)).ptr;
            ligne.append(nombre, fin - nombre);
            ligne += ',';
        }
        Ecrire_Texte(fichier, ligne);
        Reculer_Un_Octet(fichier);
        Ecrire_Texte(fichier, "\n");
    }
    Reculer_Un_Octet(fichier);
    Ecrire_Texte(fichier, "\n");
}

// One save from the checks to the close. No exception leaves it: the host cannot catch one.
// ecrire(fichier) fills the content and returns the result it wants once the file is closed.
template <typename Ecrire>
std::uint8_t Enregistrer(const char *chemin, const char *nom, const std::uint8_t *plan,
                         std::uint8_t hauteur, std::uint8_t largeur, Ecrire &&ecrire) noexcept
{
    // Larger sizes would read past the host's plane.
    if (!chemin || !nom || !plan || largeur > Plug::Colonnes || hauteur > Plug::Lignes)
        return 0;
    try
    {
        Fichier_Dos fichier;
        if (!fichier.Ouvrir(chemin))
            return 0;
        const bool resultat = ecrire(fichier);
        return fichier.Fermer() && resultat ? 1 : 0;
    }
    catch (...)
    {
        return 0;
    }
}
} // namespace Commun

#endif
