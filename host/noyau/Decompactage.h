// Unpacking a compressed buffer as the calculator's UnpackBuffer routine reads it, with every
// check that routine leaves out: a hostile buffer is refused with the reason, never followed
// outside its own bytes or past the size it announces.
#ifndef CORVANEL_DECOMPACTAGE_H
#define CORVANEL_DECOMPACTAGE_H

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace Corvanel
{
struct Resultat_Decompactage
{
    std::vector<std::uint8_t> Donnees;
    QString Erreur; // empty when the buffer was read to its end marker

    bool Reussi() const { return Erreur.isEmpty(); }
};

// The data must be exactly the size the header announces, and the end marker must lie within
// the buffer; bytes after it are not read.
Resultat_Decompactage Decompacter(std::span<const std::uint8_t> Tampon);
} // namespace Corvanel

#endif
