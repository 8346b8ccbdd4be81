// GenLib C export: one array, the two planes interleaved element by element.
#include <Metadonnees.h>
#include <Regles_Export.h>

using namespace Commun;

CORVANEL_PLUG_METADONNEES(Plug::Genre_Image, "GenLib (language C)", "1.0",
                          "Enregistrement de l'image au GenCLib.", "c")

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(const char *chemin, const char *nom,
                                                std::uint8_t couleurs, const std::uint8_t *niveaux,
                                                std::uint8_t hauteur, std::uint8_t largeur)
{
    return Enregistrer(
        chemin, nom, niveaux, hauteur, largeur,
        [&](Fichier_Dos &fichier)
        {
            // GenLib has no one-plane sprite: the user finds the reason in the file itself.
            if (couleurs == 2)
            {
                Ecrire_Texte(fichier, "Le Noir & Blanc n'est pas support\xE9"
                                      ", pr\xE9"
                                      "f\xE9"
                                      "rez le plug-in Sprite C pour ce type d'enregistrement.");
                return false;
            }
            std::vector<std::uint8_t> resolus;
            niveaux = Niveaux_A_Exporter(niveaux, couleurs, hauteur, largeur, resolus);
            const Type_Element type = Choisir_Type_Element(largeur);
            Ecrire_Texte(fichier, type.Texte);
            Ecrire_Texte(fichier, nom);
            Ecrire_Texte(fichier, "[] = {");
            std::string ligne;
            for (int y = 0; y < hauteur; ++y)
            {
                ligne.clear();
                for (int x0 = 0; x0 < largeur; x0 += type.Bits)
                    for (int p = 0; p < 2; ++p)
                        Ajouter_Hexa(ligne, x0, type.Bits,
                                     [=](int x)
                                     { return Bit_Plan(x, y, p, niveaux, largeur, couleurs); });
                Ecrire_Texte(fichier, ligne);
            }
            Reculer_Un_Octet(fichier);
            Ecrire_Texte(fichier, "};\n\n");
            return true;
        });
}
