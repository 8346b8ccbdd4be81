// The calculator file reader on any bytes: it refuses with a message, or gives a picture of a
// valid size whose codes stay inside it and hold only what its level count allows.
#include "Lecture_Calculatrice.h"

#include <QByteArray>
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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Donnees, std::size_t Taille)
{
    const QByteArray Octets(reinterpret_cast<const char *>(Donnees),
                            static_cast<qsizetype>(Taille));
    const Resultat_Calculatrice Lu = Lire_Image_Calculatrice(Octets);
    if (Lu.Etat != Etat_Calculatrice::Ok)
    {
        Verifier(!Lu.Message.isEmpty());
        return 0;
    }
    Verifier(Taille_Valide(Lu.Largeur, Lu.Hauteur));
    Verifier(Lu.Nombre_Couleur == 2 || Lu.Nombre_Couleur == 4);
    const int Code_Max = Lu.Nombre_Couleur == 4 ? 3 : 1;
    for (int x = 0; x < Colonnes_Plan; ++x)
        for (int y = 0; y < Lignes_Plan; ++y)
            Verifier(Lu.Plan_Image[Indice(x, y)] <=
                     (x < Lu.Largeur && y < Lu.Hauteur ? Code_Max : 0));
    return 0;
}
