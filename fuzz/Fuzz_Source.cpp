// The sprite source reader on any text: it refuses with a message, or gives a picture of a
// valid size whose codes and mask stay inside it and hold only what a plane of that many
// levels can.
#include "Lecture_Source.h"

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

// Input: the default width and height (one byte each), then the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Donnees, std::size_t Taille)
{
    if (Taille < 2)
        return 0;
    const int Largeur_Defaut = 1 + Donnees[0] % Colonnes_Plan;
    const int Hauteur_Defaut = 1 + Donnees[1] % Lignes_Plan;
    const QByteArray Texte(reinterpret_cast<const char *>(Donnees + 2),
                           static_cast<qsizetype>(Taille - 2));
    const Resultat_Source Lu = Lire_Source_Sprite(Texte, Largeur_Defaut, Hauteur_Defaut);
    if (Lu.Etat != Etat_Source::Ok)
    {
        Verifier(!Lu.Message.isEmpty());
        return 0;
    }
    Verifier(Taille_Valide(Lu.Largeur, Lu.Hauteur));
    Verifier(Lu.Nombre_Couleur == 0 || Lu.Nombre_Couleur == 2 || Lu.Nombre_Couleur == 4);
    const int Code_Max = Lu.Nombre_Couleur == 4 ? 3 : Lu.Nombre_Couleur == 2 ? 1 : 0;
    for (int x = 0; x < Colonnes_Plan; ++x)
        for (int y = 0; y < Lignes_Plan; ++y)
        {
            const bool Dedans = x < Lu.Largeur && y < Lu.Hauteur;
            Verifier(Lu.Plan_Image[Indice(x, y)] <= (Dedans ? Code_Max : 0));
            Verifier(Lu.Plan_Mask[Indice(x, y)] <= (Dedans && Lu.Mask_Trouve ? 1 : 0));
        }
    return 0;
}
