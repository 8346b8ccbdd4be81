// What the packer's parse and its writer share: the bit costs of the format and the choice
// of the escapes.
#ifndef CORVANEL_CODAGE_COMPACTAGE_H
#define CORVANEL_CODAGE_COMPACTAGE_H

#include "Compactage.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace Corvanel::Codage
{
inline constexpr int Serie_Max = 65280;
inline constexpr int Serie_Courte_Max = 128;

// Bits of the Elias-gamma code of 1 to 255.
inline constexpr std::array<std::uint8_t, 256> Gamma = []
{
    std::array<std::uint8_t, 256> Table{};
    for (int v = 1; v < 256; ++v)
    {
        int n = 0;
        while ((v >> (n + 1)) != 0)
            ++n;
        Table[v] = static_cast<std::uint8_t>(n < 7 ? 2 * n + 1 : 14);
    }
    return Table;
}();

// Without extra bits the high part of a distance stops below 255, which marks the end.
constexpr int Distance_Max(int Decalage)
{
    return Decalage == 0 ? 254 * 256 : 65536;
}

// Where each literal must change the escape: the top bits of a literal equal to the escape
// of the moment make it an escape change, which picks the next escape. Picking the value
// whose next use lies farthest ahead, or never comes, makes the fewest changes.
struct Echappements
{
    std::uint32_t Depart = 0;
    std::vector<std::int16_t> Nouveau; // per token: the escape a literal sets, or -1
};

Echappements Choisir_Echappements(std::span<const std::uint8_t> Donnees, int e,
                                  std::span<const Jeton> Jetons);
} // namespace Corvanel::Codage

#endif
