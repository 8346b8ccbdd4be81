// Mask assembler export: one labelled block of dc.b rows.
#include <Metadonnees.h>
#include <Regles_Export.h>

using namespace Commun;

CORVANEL_PLUG_METADONNEES(Plug::Genre_Mask, "Mask (language ASM)", "1.0",
                          "Enregistrement du mask de l'image au format ASM.", "asm")

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(const char *chemin, const char *nom,
                                                const std::uint8_t *mask, std::uint8_t hauteur,
                                                std::uint8_t largeur)
{
    return Enregistrer(chemin, nom, mask, hauteur, largeur,
                       [&](Fichier_Dos &fichier)
                       {
                           Ecrire_Texte(fichier, "\nMask_");
                           Ecrire_Texte(fichier, nom);
                           Ecrire_Texte(fichier, "\n");
                           Ecrire_Lignes_Dcb(fichier, hauteur, largeur,
                                             [=](int x, int y)
                                             { return Bit_Masque(x, y, mask, largeur); });
                           return true;
                       });
}
