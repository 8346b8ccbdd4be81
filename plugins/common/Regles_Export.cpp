#include "Regles_Export.h"

#include <array>

namespace Commun
{
Fichier_Dos::~Fichier_Dos()
{
    if (Flux)
        std::fclose(Flux);
}

bool Fichier_Dos::Ouvrir(const char *chemin)
{
    Contenu.reserve(64 * 1024); // a full picture in any of the formats
    Flux = std::fopen(chemin, "wb");
    return Flux != nullptr;
}

bool Fichier_Dos::Fermer()
{
    std::FILE *flux = Flux;
    Flux = nullptr;
    const bool ecrit = std::fwrite(Contenu.data(), 1, Contenu.size(), flux) == Contenu.size();
    // A full disk often shows only when the buffer is flushed by the close.
    const bool ferme = std::fclose(flux) == 0;
    return ecrit && ferme;
}

void Ecrire_Texte(Fichier_Dos &fichier, std::string_view texte)
{
    std::string &contenu = fichier.Contenu;
    // Nearly every text lands at the end and has no line feed: append it as it is.
    bool saut = false;
    for (const char octet : texte)
        saut |= octet == '\n';
    if (!saut && fichier.Position == contenu.size())
    {
        contenu.append(texte);
        fichier.Position = contenu.size();
        return;
    }
    auto poser = [&](char octet)
    {
        if (fichier.Position < contenu.size())
            contenu[fichier.Position] = octet;
        else
            contenu.push_back(octet);
        ++fichier.Position;
    };
    for (const char octet : texte)
    {
        if (octet == '\n')
            poser('\r');
        poser(octet);
    }
}

void Reculer_Un_Octet(Fichier_Dos &fichier)
{
    if (fichier.Position > 0)
        --fichier.Position;
}

std::size_t Etendue_Plan(std::uint8_t hauteur, std::uint8_t largeur)
{
    return largeur == 0 ? 0 : std::size_t(largeur - 1) * Plug::Lignes + hauteur;
}

const std::uint8_t *Niveaux_A_Exporter(const std::uint8_t *niveaux, std::uint8_t couleurs,
                                       std::uint8_t hauteur, std::uint8_t largeur,
                                       std::vector<std::uint8_t> &copie)
{
    if (couleurs != 8)
        return niveaux;
    copie = Resoudre_Demi_Niveaux(niveaux, hauteur, largeur);
    return copie.data();
}

std::vector<std::uint8_t> Resoudre_Demi_Niveaux(const std::uint8_t *niveaux, std::uint8_t hauteur,
                                                std::uint8_t largeur)
{
    // For each checkerboard value, what every code becomes; only the half steps change.
    static const auto Remplacement = []
    {
        std::array<std::array<std::uint8_t, 256>, 2> table;
        for (int damier = 0; damier < 2; ++damier)
        {
            for (int niveau = 0; niveau < 256; ++niveau)
                table[damier][niveau] = std::uint8_t(niveau);
            table[damier][101] = damier ? 1 : 0;
            table[damier][112] = damier ? 2 : 1;
            table[damier][123] = damier ? 3 : 2;
        }
        return table;
    }();
    std::vector<std::uint8_t> copie(niveaux, niveaux + Etendue_Plan(hauteur, largeur));
    for (int x = 0; x < largeur; ++x)
    {
        std::uint8_t *colonne = copie.data() + std::size_t(x) * Plug::Lignes;
        for (int y = 0; y < hauteur; ++y)
            colonne[y] = Remplacement[(x + y + 1) & 1][colonne[y]];
    }
    return copie;
}

Type_Element Choisir_Type_Element(std::uint8_t largeur)
{
    if (largeur <= 8)
        return {8, "\n\nunsigned char "};
    if (largeur <= 16)
        return {16, "\n\nunsigned int "};
    return {32, "\n\nunsigned long "};
}
} // namespace Commun
