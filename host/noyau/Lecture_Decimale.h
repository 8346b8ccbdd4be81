// The decimal reading of the program's number fields, which never fails.
#ifndef CORVANEL_LECTURE_DECIMALE_H
#define CORVANEL_LECTURE_DECIMALE_H

#include <QString>
#include <cstdint>

namespace Corvanel
{
struct Nombre_Lu
{
    // The value, held at plus or minus a thousand billion for very long digit runs.
    long long Valeur = 0;
    // The exact low 8 bits of the value as written, in two's complement.
    std::uint8_t Octet_Bas = 0;
};

// Leading blanks skipped, an optional sign, digits up to the first other character; a text
// without digits reads as 0.
Nombre_Lu Lire_Decimal(const QString &texte);
} // namespace Corvanel

#endif
