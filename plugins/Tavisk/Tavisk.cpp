// Sprite C export: one array per bit plane, each row packed into 8, 16 or 32-bit elements.
#include <Metadonnees.h>
#include <Regles_Export.h>

using namespace Commun;

CORVANEL_PLUG_METADONNEES(Plug::Genre_Image, "Sprite (language C)", "2.0",
                          "Enregistrement de l'image en sprite au format C.", "c")

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(const char *chemin, const char *nom,
                                                std::uint8_t couleurs, const std::uint8_t *niveaux,
                                                std::uint8_t hauteur, std::uint8_t largeur)
{
    return Enregistrer(
        chemin, nom, niveaux, hauteur, largeur,
        [&](Fichier_Dos &fichier)
        {
            std::vector<std::uint8_t> resolus;
            niveaux = Niveaux_A_Exporter(niveaux, couleurs, hauteur, largeur, resolus);
            const int plans = couleurs == 2 ? 1 : 2;
            const Type_Element type = Choisir_Type_Element(largeur);
            std::string ligne;
            for (int p = 0; p < plans; ++p)
            {
                Ecrire_Texte(fichier, type.Texte);
                Ecrire_Texte(fichier, nom);
                Ecrire_Texte(fichier, "_C" + std::to_string(p) + "[] = {");
                for (int y = 0; y < hauteur; ++y)
                {
                    ligne.clear();
                    for (int x0 = 0; x0 < largeur; x0 += type.Bits)
                        Ajouter_Hexa(ligne, x0, type.Bits,
                                     [=](int x)
                                     { return Bit_Plan(x, y, p, niveaux, largeur, couleurs); });
                    Ecrire_Texte(fichier, ligne);
                }
                Reculer_Un_Octet(fichier);
                Ecrire_Texte(fichier, "};\n\n");
            }
            return true;
        });
}
