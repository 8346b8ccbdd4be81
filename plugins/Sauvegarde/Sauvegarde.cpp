// The program's own save file: the size, the level count and every grey code as they are,
// each a 16-bit little-endian value, rows from the top.
#include <Metadonnees.h>
#include <Plug_Contrat.h>

#include <cstdio>
#include <string>

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
    if (!chemin || !nom || !niveaux || largeur > Plug::Colonnes || hauteur > Plug::Lignes)
        return 0;
    std::FILE *flux = std::fopen(chemin, "wb");
    if (!flux)
        return 0;
    std::string contenu;
    try
    {
        contenu.reserve(6 + 2 * std::size_t(largeur) * hauteur);
        for (const std::uint8_t valeur : {largeur, hauteur, couleurs})
            contenu += {char(valeur), '\0'};
        for (int y = 0; y < hauteur; ++y)
            for (int x = 0; x < largeur; ++x)
                contenu += {char(niveaux[std::size_t(x) * Plug::Lignes + y]), '\0'};
    }
    catch (...)
    {
        std::fclose(flux);
        return 0;
    }
    const bool ecrit = std::fwrite(contenu.data(), 1, contenu.size(), flux) == contenu.size();
    // A full disk often shows only when the close flushes.
    const bool ferme = std::fclose(flux) == 0;
    return ecrit && ferme ? 1 : 0;
}
