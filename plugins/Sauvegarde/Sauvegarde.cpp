// The program's own save file: the size, the level count and every grey code as they are,
// each a 16-bit little-endian value, rows from the top.
#include <Format_Sauvegarde.h>
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
        contenu.resize(Sauvegarde::Taille_Fichier(largeur, hauteur));
        auto *octets = reinterpret_cast<unsigned char *>(contenu.data());
        Sauvegarde::Ecrire_Mot(octets + Sauvegarde::Position_Largeur, largeur);
        Sauvegarde::Ecrire_Mot(octets + Sauvegarde::Position_Hauteur, hauteur);
        Sauvegarde::Ecrire_Mot(octets + Sauvegarde::Position_Nombre_Couleur, couleurs);
        for (int y = 0; y < hauteur; ++y)
            for (int x = 0; x < largeur; ++x)
                Sauvegarde::Ecrire_Mot(octets + Sauvegarde::Position_Pixel(x, y, largeur),
                                       niveaux[std::size_t(x) * Plug::Lignes + y]);
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
