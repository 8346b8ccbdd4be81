#include "Ecriture_Entrelacee.h"

#include "Regles_Export.h"

namespace Commun
{
namespace
{
// The name and its value; a C file gets them as macros, an assembler file as symbols.
std::string Constante(const Disposition &disposition, const char *nom, const char *quoi, int valeur)
{
    if (disposition.Langage_Source == Langage::C)
        return "#define " + std::string(nom) + quoi + " " + std::to_string(valeur) + "\n";
    return std::string(nom) + quoi + "\tequ\t" + std::to_string(valeur) + "\n";
}

std::string_view Directive(int bits)
{
    return bits == 8 ? "\tdc.b\t" : bits == 16 ? "\tdc.w\t" : "\tdc.l\t";
}
} // namespace

std::uint8_t Enregistrer_Entrelace(const Disposition &disposition, const char *chemin,
                                   const char *nom, std::uint8_t couleurs,
                                   const std::uint8_t *niveaux, const std::uint8_t *mask,
                                   std::uint8_t hauteur, std::uint8_t largeur) noexcept
{
    // Whichever plane the layout holds must be there; a missing mask only when it may be.
    const std::uint8_t *plan = disposition.Image ? niveaux : mask;
    if (!disposition.Image && !mask)
        return 0;
    return Enregistrer(
        chemin, nom, plan, hauteur, largeur,
        [&](Fichier_Dos &fichier)
        {
            std::vector<std::uint8_t> resolus;
            if (disposition.Image)
                niveaux = Niveaux_A_Exporter(niveaux, couleurs, hauteur, largeur, resolus);
            const int plans = !disposition.Image ? 0 : couleurs == 2 ? 1 : 2;
            const Type_Element type = Choisir_Type_Element(largeur);
            const bool c = disposition.Langage_Source == Langage::C;

            Ecrire_Texte(fichier, Constante(disposition, nom, "_HAUTEUR", hauteur));
            Ecrire_Texte(fichier, Constante(disposition, nom, "_LARGEUR", largeur));
            if (c)
            {
                // One blank line after the constants, not the two of the type text.
                Ecrire_Texte(fichier, type.Texte.substr(1));
                Ecrire_Texte(fichier, nom);
                Ecrire_Texte(fichier, disposition.Suffixe);
                Ecrire_Texte(fichier, "[] = {\n");
            }
            else
            {
                // dc.w and dc.l data must start on an even address for the 68000.
                Ecrire_Texte(fichier, "\teven\n");
                Ecrire_Texte(fichier, nom);
                Ecrire_Texte(fichier, disposition.Suffixe);
                Ecrire_Texte(fichier, "\n");
            }
            std::string ligne;
            for (int y = 0; y < hauteur; ++y)
            {
                ligne = c ? std::string_view("\t") : Directive(type.Bits);
                for (int x0 = 0; x0 < largeur; x0 += type.Bits)
                {
                    if (disposition.Mask)
                        Ajouter_Hexa(
                            ligne, x0, type.Bits,
                            [=](int x) { return Bit_Masque_ET(x, y, mask, largeur); },
                            c ? "0x" : "$");
                    // Drawn as "background AND mask, then OR the planes": where the mask
                    // lets the background through, a plane bit would darken it.
                    for (int p = 0; p < plans; ++p)
                        Ajouter_Hexa(
                            ligne, x0, type.Bits,
                            [=](int x)
                            {
                                return disposition.Mask && Bit_Masque_ET(x, y, mask, largeur)
                                           ? 0
                                           : Bit_Plan(x, y, p, niveaux, largeur, couleurs);
                            },
                            c ? "0x" : "$");
                }
                // A C array takes a comma between rows, an assembler line none at its end.
                if (ligne.back() == ',' && (!c || y + 1 == hauteur))
                    ligne.pop_back();
                ligne += '\n';
                Ecrire_Texte(fichier, ligne);
            }
            if (c)
                Ecrire_Texte(fichier, "};\n");
            return true;
        });
}
} // namespace Commun
