// Sprite assembler export: one labelled block of dc.b rows per bit plane.
#include <Regles_Export.h>

using namespace Commun;

PLUG_EXPORT std::uint8_t Plug_Fonction()
{
    return Plug::Genre_Image;
}
PLUG_EXPORT const char *Plug_Nom()
{
    return "Sprite (language ASM)";
}
PLUG_EXPORT const char *Plug_Version()
{
    return "2.0";
}
PLUG_EXPORT const char *Plug_Auteur()
{
    return Auteur;
}
PLUG_EXPORT const char *Plug_Mail()
{
    return Mail;
}
PLUG_EXPORT const char *Plug_Site()
{
    return Site;
}
PLUG_EXPORT const char *Plug_Description()
{
    return "Enregistrement de l'image en sprite au format ASM.";
}
PLUG_EXPORT const char *Plug_Enregistrement_Extention()
{
    return "asm";
}

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(const char *chemin, const char *nom,
                                                std::uint8_t couleurs, const std::uint8_t *niveaux,
                                                std::uint8_t hauteur, std::uint8_t largeur)
{
    return Enregistrer(chemin, nom, niveaux, hauteur, largeur,
                       [&](Fichier_Dos &fichier)
                       {
                           std::vector<std::uint8_t> resolus;
                           if (couleurs == 8)
                           {
                               resolus = Resoudre_Demi_Niveaux(niveaux, hauteur, largeur);
                               niveaux = resolus.data();
                           }
                           const int plans = couleurs == 2 ? 1 : 2;
                           for (int p = 0; p < plans; ++p)
                           {
                               Ecrire_Texte(fichier, "\n");
                               Ecrire_Texte(fichier, nom);
                               Ecrire_Texte(fichier, "_C" + std::to_string(p) + "\n");
                               Ecrire_Lignes_Dcb(
                                   fichier, hauteur, largeur,
                                   [=](int x, int y)
                                   { return Bit_Plan(x, y, p, niveaux, largeur, couleurs); });
                           }
                           return true;
                       });
}
