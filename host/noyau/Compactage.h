// The packer of the compressed format that the calculator's UnpackBuffer routine unpacks: LZ77
// copies, runs of one byte and literals behind an escape prefix, Elias-gamma lengths, after a
// 16-byte header and a table of run bytes.
#ifndef CORVANEL_COMPACTAGE_H
#define CORVANEL_COMPACTAGE_H

#include <cstdint>
#include <span>
#include <vector>

namespace Corvanel
{
// The header holds the unpacked size in 16 bits.
inline constexpr std::size_t Taille_Max_Compactage = 65535;

struct Reglages_Compactage
{
    int Echappement = 1; // bits of the escape prefix, 0 to 8
    int Decalage = 0;    // extra bits of a copy's distance, 0 to 4
    // Run bytes named by their place (1 first), the commonest first; at most 31.
    std::vector<std::uint8_t> Table;

    bool operator==(const Reglages_Compactage &) const = default;
};

enum class Genre_Jeton : std::uint8_t
{
    Litteral, // one byte
    Copie,    // Longueur (2 to 256) bytes from Distance back (1 to 256 for two bytes)
    Serie,    // the byte at hand Longueur times (2 to 65280)
};

struct Jeton
{
    Genre_Jeton Genre = Genre_Jeton::Litteral;
    std::uint16_t Longueur = 1;
    std::uint32_t Distance = 0;
};

// The buffer for these tokens, which must spell the data exactly; the escapes are chosen here,
// so that as few literals as can be must change them.
std::vector<std::uint8_t> Ecrire_Compacte(std::span<const std::uint8_t> Donnees,
                                          const Reglages_Compactage &Reglages,
                                          std::span<const Jeton> Jetons);

// The smallest buffer the packer finds: settings chosen for the data, and for each of them the
// tokens of least cost in bits (not the longest copy at each step). Nothing for more than
// Taille_Max_Compactage bytes, which the header cannot announce.
std::vector<std::uint8_t> Compacter(std::span<const std::uint8_t> Donnees);
} // namespace Corvanel

#endif
