// Sprite assembler export: one labelled block of dc.b rows per bit plane.
#include <Metadonnees.h>
#include <Regles_Export.h>

using namespace Commun;

CORVANEL_PLUG_METADONNEES(Plug::Genre_Image, "Sprite (language ASM)", "2.0",
                          "Enregistrement de l'image en sprite au format ASM.", "asm")

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(const char *chemin, const char *nom,
                                                std::uint8_t couleurs, const std::uint8_t *niveaux,
                                                std::uint8_t hauteur, std::uint8_t largeur)
{
    return Enregistrer(
        chemin, nom, niveaux, hauteur, largeur,
        [&](Fichier_Dos &fichier)
        {
            std::vector<std::uint8_t> resolus;
            niveaux = Niveaux_A_Exporter(niveaux, couleurs, hauteur, largeur, resolus);
            const int plans = couleurs == 2 ? 1 : 2;
            for (int p = 0; p < plans; ++p)
            {
                Ecrire_Texte(fichier, "\n");
                Ecrire_Texte(fichier, nom);
                Ecrire_Texte(fichier, "_C" + std::to_string(p) + "\n");
                Ecrire_Lignes_Dcb(fichier, hauteur, largeur,
                                  [=](int x, int y)
                                  { return Bit_Plan(x, y, p, niveaux, largeur, couleurs); });
            }
            return true;
        });
}
