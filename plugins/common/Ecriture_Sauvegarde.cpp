#include "Ecriture_Sauvegarde.h"

#include <Format_Sauvegarde.h>
#include <Plug_Contrat.h>

#include <cstdio>
#include <string>

namespace Commun
{
std::uint8_t Ecrire_Sauvegarde(const char *chemin, std::uint8_t couleurs,
                               const std::uint8_t *niveaux, const std::uint8_t *mask,
                               std::uint8_t hauteur, std::uint8_t largeur)
{
    if (largeur > Plug::Colonnes || hauteur > Plug::Lignes)
        return 0;
    std::FILE *flux = std::fopen(chemin, "wb");
    if (!flux)
        return 0;
    std::string contenu;
    try
    {
        contenu.resize(mask ? Sauvegarde::Taille_Fichier_Mask(largeur, hauteur)
                            : Sauvegarde::Taille_Fichier(largeur, hauteur));
        auto *octets = reinterpret_cast<unsigned char *>(contenu.data());
        Sauvegarde::Ecrire_Mot(octets + Sauvegarde::Position_Largeur, largeur);
        Sauvegarde::Ecrire_Mot(octets + Sauvegarde::Position_Hauteur, hauteur);
        Sauvegarde::Ecrire_Mot(octets + Sauvegarde::Position_Nombre_Couleur, couleurs);
        for (int y = 0; y < hauteur; ++y)
            for (int x = 0; x < largeur; ++x)
            {
                const std::size_t i = std::size_t(x) * Plug::Lignes + y;
                Sauvegarde::Ecrire_Mot(octets + Sauvegarde::Position_Pixel(x, y, largeur),
                                       niveaux[i]);
                // Only 1 means covered, whatever else a plane may hold.
                if (mask)
                    octets[Sauvegarde::Position_Mask(x, y, largeur, hauteur)] = mask[i] == 1;
            }
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
} // namespace Commun
