// Mask assembler export: one labelled block of dc.b rows.
#include <Regles_Export.h>

using namespace Commun;

PLUG_EXPORT std::uint8_t Plug_Fonction()
{
    return Plug::Genre_Mask;
}
PLUG_EXPORT const char *Plug_Nom()
{
    return "Mask (language ASM)";
}
PLUG_EXPORT const char *Plug_Version()
{
    return "1.0";
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
    return "Enregistrement du mask de l'image au format ASM.";
}
PLUG_EXPORT const char *Plug_Enregistrement_Extention()
{
    return "asm";
}

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(const char *chemin, const char *nom,
                                                const std::uint8_t *mask, std::uint8_t hauteur,
                                                std::uint8_t largeur)
{
    return Enregistrer(chemin, nom, mask, hauteur, largeur,
                       [&](Fichier_Dos &fichier)
                       {
                           Ecrire_Texte(fichier, "\nMask_");
                           Ecrire_Texte(fichier, nom);
                           Ecrire_Texte(fichier, "\n");
                           Ecrire_Lignes_Dcb(fichier, hauteur, largeur,
                                             [=](int x, int y)
                                             { return Bit_Masque(x, y, mask, largeur); });
                           return true;
                       });
}
