// The mask for routines that draw it with AND, in assembler: 1 where the background shows.
#include <Ecriture_Entrelacee.h>
#include <Metadonnees.h>

CORVANEL_PLUG_METADONNEES(Plug::Genre_Mask, "Mask ET (language ASM)", "1.0",
                          "Enregistrement du mask ET de l'image au format ASM.", "asm")

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(const char *chemin, const char *nom,
                                                const std::uint8_t *mask, std::uint8_t hauteur,
                                                std::uint8_t largeur)
{
    return Commun::Enregistrer_Entrelace(Commun::Mask_ET_Asm, chemin, nom, 0, nullptr, mask,
                                         hauteur, largeur);
}
