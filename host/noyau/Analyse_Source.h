// Source code as the export plug-ins write it, read into its arrays and constants: C
// declarations with their #define lines, or assembler labels followed by dc lines.
#ifndef CORVANEL_ANALYSE_SOURCE_H
#define CORVANEL_ANALYSE_SOURCE_H

#include "Plan.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Corvanel
{
struct Tableau
{
    std::string Nom;
    int Bits = 0; // 8, 16 or 32; 0 for a type that holds no sprite
    std::vector<std::uint32_t> Valeurs;
    QString Erreur;        // what is wrong with its numbers; it is refused only if it is used
    bool Adresses = false; // names stand among its numbers: a table of other arrays' addresses
};

struct Constante
{
    std::string Nom;
    std::string Valeur;
};

struct Lecture
{
    std::vector<Tableau> Tableaux;
    std::vector<Constante> Constantes;
    QString Erreur; // the whole source is refused
};

// No sprite needs more: three elements of a byte for every 8 columns of every row, or for a
// tile map, three of a byte for every point of a whole picture (tiles one column wide each take
// a byte a row). A longer array is refused at that length, so an endless one costs no more
// memory than a picture.
inline constexpr std::size_t Nombres_Max = 3 * Lignes_Plan * Colonnes_Plan;

// A file is one or the other, and neither reading finds anything in the other language.
// An array of more numbers than Nombres_Par_Tableau is refused at that length.
Lecture Analyser_Source(std::string_view Texte, std::size_t Nombres_Par_Tableau = Nombres_Max);

// A number as C or assembler writes it: C's 0x, 0b, octal and suffixes, the assembler's $ % @.
std::optional<std::uint64_t> Lire_Nombre(std::string_view t, bool Assembleur);
// The text without its blanks at either end.
std::string_view Rogner(std::string_view t);
// A name or a value from the file, quoted for a message.
QString Cite(std::string_view t);
} // namespace Corvanel

#endif
