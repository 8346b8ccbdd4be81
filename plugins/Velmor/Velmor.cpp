// The picture and its mask in one save file: the picture's save file as it stands, then one
// byte per cell of the mask, rows from the top.
#include <Ecriture_Sauvegarde.h>
#include <Metadonnees.h>

CORVANEL_PLUG_METADONNEES(Plug::Genre_Image_Mask, "Sauvegarde d'image et de mask Corvanel", "1.0",
                          "Sauvegarde de l'image et de son mask pour une utilisation ult\xE9"
                          "rieure.",
                          "cvm")

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go_Mask(const char *chemin, const char *nom,
                                                     std::uint8_t couleurs,
                                                     const std::uint8_t *niveaux,
                                                     const std::uint8_t *mask, std::uint8_t hauteur,
                                                     std::uint8_t largeur)
{
    if (!chemin || !nom || !niveaux || !mask)
        return 0;
    return Commun::Ecrire_Sauvegarde(chemin, couleurs, niveaux, mask, hauteur, largeur);
}
