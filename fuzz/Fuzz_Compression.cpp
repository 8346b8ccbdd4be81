// The unpacker on any buffer: it refuses with a message, or gives exactly the size the header
// announces; what it gives, the packer packs into a buffer that unpacks to the same bytes.
#include "Compactage.h"
#include "Decompactage.h"

#include <cstdint>
#include <cstdlib>

using namespace Corvanel;

namespace
{
void Verifier(bool Condition)
{
    if (!Condition)
        std::abort();
}

// Packing costs far more than unpacking: only small outputs go round again.
constexpr std::size_t Aller_Retour_Max = 1024;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Donnees, std::size_t Taille)
{
    const Resultat_Decompactage Lu = Decompacter({Donnees, Taille});
    if (!Lu.Reussi())
    {
        Verifier(Lu.Donnees.empty());
        return 0;
    }
    Verifier(Taille >= 16 && Lu.Donnees.size() == (Donnees[0] | std::size_t{Donnees[1]} << 8));
    if (Lu.Donnees.size() > Aller_Retour_Max)
        return 0;
    const Resultat_Decompactage Encore = Decompacter(Compacter(Lu.Donnees));
    Verifier(Encore.Reussi() && Encore.Donnees == Lu.Donnees);
    return 0;
}
