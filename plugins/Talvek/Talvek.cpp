// Interleaved sprite in assembler: the GenLib array's elements as dc lines, one row a line;
// a black-and-white picture keeps its one plane.
#include <Ecriture_Entrelacee.h>
#include <Metadonnees.h>

CORVANEL_PLUG_METADONNEES(Plug::Genre_Image, "Sprite entrelac\xE9 (language ASM)", "1.0",
                          "Enregistrement de l'image en sprite entrelac\xE9 au format ASM.", "asm")

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(const char *chemin, const char *nom,
                                                std::uint8_t couleurs, const std::uint8_t *niveaux,
                                                std::uint8_t hauteur, std::uint8_t largeur)
{
    return Commun::Enregistrer_Entrelace(Commun::Sprite_Entrelace_Asm, chemin, nom, couleurs,
                                         niveaux, nullptr, hauteur, largeur);
}
