// Source code whose arrays are packed into one byte array that the calculator unpacks with
// UnpackBuffer: the text a source plug-in writes, its arrays laid end to end as the 68000
// stores them, packed, and the offset of each array in the unpacked bytes; and the way back.
#ifndef CORVANEL_SOURCE_COMPRESSEE_H
#define CORVANEL_SOURCE_COMPRESSEE_H

#include "Analyse_Source.h"
#include "Assemblage_Planche.h"
#include "Enregistrement.h"

#include <QByteArray>
#include <QString>
#include <string_view>

namespace Corvanel
{
// <nom>_Compresse: the packed bytes; <nom>_TAILLE: their size once unpacked;
// <array>_DECALAGE: where each array starts in them.
inline constexpr std::string_view Suffixe_Compresse = "_Compresse";
inline constexpr std::string_view Suffixe_Taille = "_TAILLE";
inline constexpr std::string_view Suffixe_Decalage = "_DECALAGE";

struct Source_Compressee
{
    QByteArray Texte; // DOS text, as the plug-ins write theirs
    Tailles_Compression Tailles;
    QString Erreur; // why nothing could be packed
};

// The constants of the text are kept; each array (tables of addresses aside) is laid in the
// unpacked bytes in the order of the text, its elements big-endian, a 16- or 32-bit one on an
// even offset (a zero byte before it when needed). Nom names the packed array and its size.
Source_Compressee Compresser_Source(const QByteArray &Texte, Langage_Source Langage,
                                    const QString &Nom);

// The arrays of every packed array of a read source unpacked again in its place, with their
// names and element sizes, so that the source reads as its plain form would; L.Erreur says
// why when they cannot be. Texte is the source L was read from.
Lecture Deplier_Source(Lecture L, std::string_view Texte);

// "N octets compressés, M décompressés"
QString Texte_Tailles(const Tailles_Compression &Tailles);
} // namespace Corvanel

#endif
