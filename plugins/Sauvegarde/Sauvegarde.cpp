// The program's own save file: the size, the level count and every grey code as they are,
// each a 16-bit little-endian value, rows from the top.
#include <Ecriture_Sauvegarde.h>
#include <Metadonnees.h>

CORVANEL_PLUG_METADONNEES(Plug::Genre_Image, "Sauvegarde d'image Corvanel 3.0", "1.0",
                          "Sauvegarde de l'image pour une utilisation ult\xE9"
                          "rieur. (Compatible avec la version 2.0 de Corvanel)",
                          "cvl")
PLUG_EXPORT std::uint8_t Plug_Enregistrement_Mode()
{
    return 0;
}

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(const char *chemin, const char *nom,
                                                std::uint8_t couleurs, const std::uint8_t *niveaux,
                                                std::uint8_t hauteur, std::uint8_t largeur)
{
    // The name is not stored, but a null one means a broken call all the same.
    if (!chemin || !nom || !niveaux)
        return 0;
    return Commun::Ecrire_Sauvegarde(chemin, couleurs, niveaux, nullptr, hauteur, largeur);
}
