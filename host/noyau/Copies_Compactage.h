// The earlier copies of the data at each position, for the packer: for every length, the
// nearest place where that many bytes already stood.
#ifndef CORVANEL_COPIES_COMPACTAGE_H
#define CORVANEL_COPIES_COMPACTAGE_H

#include <cstdint>
#include <span>
#include <vector>

namespace Corvanel
{
struct Copie_Possible
{
    std::uint16_t Longueur; // 2 to 256
    std::uint16_t Distance; // 1 to 65535
};

class Copies_Compactage
{
public:
    static constexpr int Longueur_Max = 256;

    // Donnees must outlive the object and hold at most 65535 bytes.
    explicit Copies_Compactage(std::span<const std::uint8_t> Donnees);

    // The copies at a position, by growing length and growing distance: each is the
    // nearest of its length, so a length between two of them is found at the farther one's
    // distance. The first is the nearest copy of two bytes or more.
    std::span<const Copie_Possible> A(std::size_t Position) const
    {
        return std::span(Copies).subspan(Debuts[Position], Debuts[Position + 1] - Debuts[Position]);
    }

private:
    std::vector<std::uint32_t> Debuts;
    std::vector<Copie_Possible> Copies;
};
} // namespace Corvanel

#endif
