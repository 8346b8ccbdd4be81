#include "Bandes.h"

#include "Plan.h"

#include <algorithm>
#include <initializer_list>

namespace Corvanel
{
std::vector<std::int32_t *> Bandes_En_Usage(Bandes &b, std::uint8_t nombre_couleur)
{
    switch (nombre_couleur)
    {
    case 2:
        return {&b.Bande_0, &b.Bande_1};
    case 4:
        return {&b.Bande_0, &b.Bande_1, &b.Bande_2, &b.Bande_3};
    case 8:
        return {&b.Bande_0, &b.Bande_101, &b.Bande_1, &b.Bande_112,
                &b.Bande_2, &b.Bande_123, &b.Bande_3};
    default:
        return {};
    }
}

std::vector<std::uint8_t> Codes_En_Usage(std::uint8_t nombre_couleur)
{
    switch (nombre_couleur)
    {
    case 2:
        return {Code::Blanc, Code::Gris_Clair};
    case 4:
        return {Code::Blanc, Code::Gris_Clair, Code::Gris_Fonce, Code::Noir};
    case 8:
        return {Code::Blanc,      Code::Demi_01, Code::Gris_Clair, Code::Demi_12,
                Code::Gris_Fonce, Code::Demi_23, Code::Noir};
    default:
        return {};
    }
}

std::uint8_t Quantifier_Couleur(std::uint32_t valeur, std::uint8_t nombre_couleur, const Bandes &b)
{
    const auto unites = [](std::int32_t bande)
    { return static_cast<std::uint32_t>(bande) * Pas_Unite; };
    switch (nombre_couleur)
    {
    case 2:
        return valeur < unites(b.Bande_1) ? Code::Gris_Clair : Code::Blanc;
    case 4:
    {
        const std::uint32_t c = unites(b.Bande_3);
        const std::uint32_t d = c + unites(b.Bande_2);
        const std::uint32_t e = d + unites(b.Bande_1);
        if (valeur >= e)
            return Code::Blanc;
        if (valeur >= d)
            return Code::Gris_Clair;
        if (valeur >= c)
            return Code::Gris_Fonce;
        return Code::Noir;
    }
    case 8:
    {
        // Stacked from the dark end; a value on a limit goes to the lighter level.
        std::uint32_t limite = 0;
        const std::pair<std::int32_t, std::uint8_t> pile[] = {
            {b.Bande_3, Code::Noir},       {b.Bande_123, Code::Demi_23},
            {b.Bande_2, Code::Gris_Fonce}, {b.Bande_112, Code::Demi_12},
            {b.Bande_1, Code::Gris_Clair}, {b.Bande_101, Code::Demi_01}};
        for (const auto &[bande, code] : pile)
        {
            limite += unites(bande);
            if (valeur < limite)
                return code;
        }
        return Code::Blanc;
    }
    default:
        return Code::Sans_Nombre;
    }
}

Limites_Bandes Calculer_Limites(const Bandes &b, std::uint8_t nombre_couleur)
{
    Limites_Bandes limites;
    const std::vector<std::uint8_t> codes = Codes_En_Usage(nombre_couleur);
    if (codes.empty())
        return limites;
    Bandes copie = b;
    const std::vector<std::int32_t *> bandes = Bandes_En_Usage(copie, nombre_couleur);
    limites.Connu = true;
    limites.Nombre = static_cast<int>(codes.size()) - 1;
    // From the darkest band up; the white band's own width plays no part.
    std::uint32_t limite = 0;
    for (int i = 0; i < limites.Nombre; ++i)
    {
        const std::size_t sombre = codes.size() - 1 - static_cast<std::size_t>(i);
        limite += static_cast<std::uint32_t>(*bandes[sombre]) * Pas_Unite;
        limites.Limite[static_cast<std::size_t>(i)] = limite;
        limites.Code[static_cast<std::size_t>(i)] = codes[sombre];
    }
    limites.Code[static_cast<std::size_t>(limites.Nombre)] = Code::Blanc;
    return limites;
}

void Reinitialiser(Bandes &bandes, std::uint8_t nombre_couleur)
{
    const std::int32_t largeur = nombre_couleur == 2 ? 200 : nombre_couleur == 4 ? 100 : 57;
    for (std::int32_t *bande : Bandes_En_Usage(bandes, nombre_couleur))
        *bande = largeur;
}

void Equilibrer(Bandes &bandes, std::uint8_t nombre_couleur)
{
    const std::vector<std::int32_t *> en_usage = Bandes_En_Usage(bandes, nombre_couleur);
    const auto t = static_cast<std::int64_t>(en_usage.size());
    if (t < 2)
        return;
    // Limit j from the dark end lies midway between the even tones j and j + 1, whose colour
    // values are 16,777,215 j / (t - 1): at 16,777,215 (2j + 1) / (2 (t - 1)), rounded to the
    // nearest unit, halves up.
    std::int64_t sous = 0; // the units of the darker bands
    for (std::int64_t j = 0; j + 1 < t; ++j)
    {
        const std::int64_t n = 16'777'215 * (2 * j + 1);
        const std::int64_t d = 2 * (t - 1) * std::int64_t{Pas_Unite};
        const std::int64_t limite = (2 * n + d) / (2 * d);
        *en_usage[static_cast<std::size_t>(t - 1 - j)] = static_cast<std::int32_t>(limite - sous);
        sous = limite;
    }
    *en_usage.front() = static_cast<std::int32_t>(Echelle_Lum - sous);
}

namespace
{
std::vector<std::int32_t> Pas_Lumiere(std::uint8_t nombre_couleur)
{
    switch (nombre_couleur)
    {
    case 2:
        return {6};
    case 4:
        return {6, 4, 2};
    case 8:
        return {6, 5, 4, 3, 2, 1};
    default:
        return {};
    }
}

// Walks all bands but the last of `ordre`, each growing by its step within the 400 units
// left by the bands already passed; the last band takes what remains.
void Marcher(const std::vector<std::int32_t *> &ordre, const std::vector<std::int32_t> &pas)
{
    if (ordre.empty())
        return;
    std::int32_t passe = 0;
    for (std::size_t i = 0; i + 1 < ordre.size(); ++i)
    {
        std::int32_t &bande = *ordre[i];
        if (passe + bande + pas[i] < Echelle_Lum)
            bande += pas[i];
        else
            bande = Echelle_Lum - passe;
        passe += bande;
    }
    *ordre.back() = std::max(0, Echelle_Lum - passe);
}

void Plus_Plafonne(std::int32_t &bande, std::int32_t k)
{
    bande = bande + k < Echelle_Lum ? bande + k : Echelle_Lum;
}

void Moins_Plancher(std::int32_t &bande, std::int32_t k)
{
    bande = bande <= k ? 0 : bande - k;
}
} // namespace

void Lumiere_Plus(Bandes &bandes, std::uint8_t nombre_couleur)
{
    Marcher(Bandes_En_Usage(bandes, nombre_couleur), Pas_Lumiere(nombre_couleur));
}

void Lumiere_Moins(Bandes &bandes, std::uint8_t nombre_couleur)
{
    auto ordre = Bandes_En_Usage(bandes, nombre_couleur);
    std::reverse(ordre.begin(), ordre.end());
    Marcher(ordre, Pas_Lumiere(nombre_couleur));
}

namespace
{
// One contrast step of a band: a positive k grows it (capped), a negative k shrinks it (floored).
struct Pas_Contraste
{
    std::int32_t Bandes::*Bande;
    std::int32_t K;
};

// The half steps 101 and 123 move by less than their neighbours, so the sum of the widths
// changes by 4 at each press with 8 levels.
constexpr Pas_Contraste Contraste_Plus_4[] = {
    {&Bandes::Bande_0, 4}, {&Bandes::Bande_3, 4}, {&Bandes::Bande_1, -4}, {&Bandes::Bande_2, -4}};
constexpr Pas_Contraste Contraste_Plus_8[] = {{&Bandes::Bande_0, 6},    {&Bandes::Bande_3, 6},
                                              {&Bandes::Bande_101, -1}, {&Bandes::Bande_123, -1},
                                              {&Bandes::Bande_1, -2},   {&Bandes::Bande_2, -2},
                                              {&Bandes::Bande_112, -2}};
constexpr Pas_Contraste Contraste_Moins_4[] = {
    {&Bandes::Bande_1, 4}, {&Bandes::Bande_2, 4}, {&Bandes::Bande_3, -4}, {&Bandes::Bande_0, -4}};
constexpr Pas_Contraste Contraste_Moins_8[] = {{&Bandes::Bande_0, -6},  {&Bandes::Bande_3, -6},
                                               {&Bandes::Bande_101, 3}, {&Bandes::Bande_123, 3},
                                               {&Bandes::Bande_1, 2},   {&Bandes::Bande_2, 2},
                                               {&Bandes::Bande_112, 2}};

template <std::size_t N4, std::size_t N8>
void Contraster(Bandes &b, std::uint8_t nombre_couleur, const Pas_Contraste (&pas_4)[N4],
                const Pas_Contraste (&pas_8)[N8])
{
    const auto appliquer = [&b](const Pas_Contraste &pas)
    {
        if (pas.K > 0)
            Plus_Plafonne(b.*pas.Bande, pas.K);
        else
            Moins_Plancher(b.*pas.Bande, -pas.K);
    };
    if (nombre_couleur == 4)
        std::for_each(std::begin(pas_4), std::end(pas_4), appliquer);
    else if (nombre_couleur == 8)
        std::for_each(std::begin(pas_8), std::end(pas_8), appliquer);
}
} // namespace

void Contraste_Plus(Bandes &b, std::uint8_t nombre_couleur)
{
    Contraster(b, nombre_couleur, Contraste_Plus_4, Contraste_Plus_8);
}

void Contraste_Moins(Bandes &b, std::uint8_t nombre_couleur)
{
    Contraster(b, nombre_couleur, Contraste_Moins_4, Contraste_Moins_8);
}

std::vector<Segment_Barre> Segments_Palette_Lum(const Bandes &bandes, std::uint8_t nombre_couleur)
{
    Bandes copie = bandes;
    const auto largeurs = Bandes_En_Usage(copie, nombre_couleur);
    const auto codes = Codes_En_Usage(nombre_couleur);
    std::vector<Segment_Barre> segments;
    int gauche = 0;
    for (std::size_t i = 0; i < largeurs.size(); ++i)
    {
        const bool dernier = i + 1 == largeurs.size();
        const int droite = dernier ? Echelle_Lum : gauche + *largeurs[i];
        const int debut = std::min(gauche, static_cast<int>(Echelle_Lum));
        const int fin = std::min(droite, static_cast<int>(Echelle_Lum));
        if (fin > debut)
            segments.push_back({debut, fin, codes[i]});
        gauche += *largeurs[i];
    }
    return segments;
}
} // namespace Corvanel
