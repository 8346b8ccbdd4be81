// Mask C export: one byte array, eight mask cells to a byte.
#include <Metadonnees.h>
#include <Regles_Export.h>

using namespace Commun;

CORVANEL_PLUG_METADONNEES(Plug::Genre_Mask, "Mask (language C)", "1.0",
                          "Enregistrement du mask de l'image au format C.", "c")

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(const char *chemin, const char *nom,
                                                const std::uint8_t *mask, std::uint8_t hauteur,
                                                std::uint8_t largeur)
{
    return Enregistrer(chemin, nom, mask, hauteur, largeur,
                       [&](Fichier_Dos &fichier)
                       {
                           Ecrire_Texte(fichier, "unsigned char ");
                           Ecrire_Texte(fichier, nom);
                           Ecrire_Texte(fichier, "_Mask[] = {");
                           std::string ligne;
                           for (int y = 0; y < hauteur; ++y)
                           {
                               ligne.clear();
                               for (int x0 = 0; x0 < largeur; x0 += 8)
                                   Ajouter_Hexa(ligne, x0, 8,
                                                [=](int x)
                                                { return Bit_Masque(x, y, mask, largeur); });
                               Ecrire_Texte(fichier, ligne);
                           }
                           Reculer_Un_Octet(fichier);
                           Ecrire_Texte(fichier, "};\n");
                           return true;
                       });
}
