#include "Lecture_Carte.h"

#include "Carte_Tuiles.h"
#include "Cp1252.h"

namespace Corvanel
{
namespace
{
Resultat_Source Refus(const QString &Raison)
{
    Resultat_Source R;
    R.Etat = Etat_Source::Refuse;
    R.Message = QStringLiteral("Source de sprite refusée : %1.").arg(Raison);
    return R;
}

const Constante *Trouver(const Lecture &L, const std::string &Nom)
{
    for (const Constante &C : L.Constantes)
        if (C.Nom == Nom)
            return &C;
    return nullptr;
}

// A constant's value as either language writes it, in parentheses or not; nothing when it
// is missing or no number.
std::optional<std::uint64_t> Valeur(const Constante *C)
{
    if (!C)
        return std::nullopt;
    std::string_view Texte = C->Valeur;
    while (Texte.size() >= 2 && Texte.front() == '(' && Texte.back() == ')')
        Texte = Rogner(Texte.substr(1, Texte.size() - 2));
    std::optional<std::uint64_t> Lu = Lire_Nombre(Texte, false);
    return Lu ? Lu : Lire_Nombre(Texte, true);
}

// Where "<nom>_Tuiles" stands in an array's name as a whole part of it, or npos.
std::size_t Position_Tuiles(std::string_view Nom, std::string_view Marque)
{
    for (std::size_t p = Nom.find(Marque); p != std::string_view::npos; p = Nom.find(Marque, p + 1))
    {
        const std::size_t Apres = p + Marque.size();
        if ((p == 0 || Nom[p - 1] == '_') && (Apres == Nom.size() || Nom[Apres] == '_'))
            return p;
    }
    return std::string_view::npos;
}
} // namespace

std::optional<Resultat_Source> Lire_Carte(const Lecture &L)
{
    const Tableau *Carte = nullptr;
    std::string Nom;
    for (const Tableau &T : L.Tableaux)
    {
        constexpr std::string_view Suffixe = "_Carte";
        if (!std::string_view(T.Nom).ends_with(Suffixe))
            continue;
        const std::string Prefixe = T.Nom.substr(0, T.Nom.size() - Suffixe.size());
        if (Trouver(L, Prefixe + "_TUILE_LARGEUR"))
        {
            Carte = &T;
            Nom = Prefixe;
            break;
        }
    }
    if (!Carte)
        return std::nullopt;

    // The five sizes, each within what a number of tiles can be.
    const char *const Suffixes[] = {"_TUILE_LARGEUR", "_TUILE_HAUTEUR", "_NOMBRE", "_CARTE_LARGEUR",
                                    "_CARTE_HAUTEUR"};
    const std::uint64_t Limites[] = {Colonnes_Plan, Lignes_Plan, Tuiles_Maximum, Tuiles_Maximum,
                                     Tuiles_Maximum};
    int Tailles[5] = {};
    for (int k = 0; k < 5; ++k)
    {
        const std::string Nom_Constante = Nom + Suffixes[k];
        const Constante *C = Trouver(L, Nom_Constante);
        const std::optional<std::uint64_t> Lu = Valeur(C);
        if (!Lu || *Lu < 1 || *Lu > Limites[k])
            return Refus(C ? QStringLiteral("%1 vaut %2, hors de 1 à %3")
                                 .arg(Depuis_Cp1252(Nom_Constante), Cite(C->Valeur))
                                 .arg(Limites[k])
                           : QStringLiteral("carte sans %1").arg(Depuis_Cp1252(Nom_Constante)));
        Tailles[k] = static_cast<int>(*Lu);
    }
    const auto [Tuile_L, Tuile_H, Nombre, Carte_L, Carte_H] = Tailles;
    if (Carte_L * Tuile_L > Colonnes_Plan || Carte_H * Tuile_H > Lignes_Plan)
        return Refus(QStringLiteral("carte de %1 x %2 tuiles de %3 x %4, soit %5 x %6 pixels : "
                                    "une image en tient %7 x %8 au plus")
                         .arg(Carte_L)
                         .arg(Carte_H)
                         .arg(Tuile_L)
                         .arg(Tuile_H)
                         .arg(Carte_L * Tuile_L)
                         .arg(Carte_H * Tuile_H)
                         .arg(Colonnes_Plan)
                         .arg(Lignes_Plan));
    const QString Nom_Carte = Cite(Carte->Nom);
    if (!Carte->Erreur.isEmpty())
        return Refus(QStringLiteral("%1 : %2").arg(Nom_Carte, Carte->Erreur));
    const std::size_t Places = static_cast<std::size_t>(Carte_L) * Carte_H;
    if (Carte->Valeurs.size() != Places)
        return Refus(QStringLiteral("%1 a %2 nombre(s), il en faut %3 pour %4 x %5 tuiles")
                         .arg(Nom_Carte)
                         .arg(Carte->Valeurs.size())
                         .arg(Places)
                         .arg(Carte_L)
                         .arg(Carte_H));
    for (const std::uint32_t Numero : Carte->Valeurs)
        if (Numero >= static_cast<std::uint32_t>(Nombre))
            return Refus(QStringLiteral("%1 place la tuile %2, il n'y en a que %3")
                             .arg(Nom_Carte)
                             .arg(Numero)
                             .arg(Nombre));

    // The tiles' arrays, each cut into Nombre equal parts.
    const std::string Marque = Nom + "_Tuiles";
    std::vector<const Tableau *> Tuiles;
    for (const Tableau &T : L.Tableaux)
    {
        if (Position_Tuiles(T.Nom, Marque) == std::string::npos)
            continue;
        if (!T.Erreur.isEmpty())
            return Refus(QStringLiteral("%1 : %2").arg(Cite(T.Nom), T.Erreur));
        if (T.Valeurs.size() % static_cast<std::size_t>(Nombre) != 0)
            return Refus(QStringLiteral("%1 a %2 nombre(s), pas autant pour chacune des %3 tuiles")
                             .arg(Cite(T.Nom))
                             .arg(T.Valeurs.size())
                             .arg(Nombre));
        Tuiles.push_back(&T);
    }
    if (Tuiles.empty())
        return Refus(QStringLiteral("carte sans tableau de tuiles (%1_C0, %1_Entrelace…)")
                         .arg(Depuis_Cp1252(Marque)));

    // Each tile the map uses, read once as the sprite its part of the arrays makes, and kept
    // as its codes and its mask.
    Resultat_Source R;
    R.Etat = Etat_Source::Ok;
    R.Nom = Depuis_Cp1252(Nom);
    R.Largeur = static_cast<std::uint8_t>(Carte_L * Tuile_L);
    R.Hauteur = static_cast<std::uint8_t>(Carte_H * Tuile_H);
    const std::size_t Points = static_cast<std::size_t>(Tuile_L) * Tuile_H;
    std::vector<int> Rang(static_cast<std::size_t>(Nombre), -1);
    std::vector<std::uint8_t> Lues;
    int Nombre_Lues = 0;
    for (std::size_t Place = 0; Place < Places; ++Place)
    {
        const std::uint32_t Numero = Carte->Valeurs[Place];
        if (Rang[Numero] < 0)
        {
            Lecture Une;
            for (const Tableau *T : Tuiles)
            {
                const std::size_t Part = T->Valeurs.size() / static_cast<std::size_t>(Nombre);
                std::string Nom_Tuile = T->Nom;
                Nom_Tuile.replace(Position_Tuiles(T->Nom, Marque), Marque.size(), Nom);
                const auto Debut = T->Valeurs.begin() + static_cast<std::ptrdiff_t>(Part * Numero);
                Une.Tableaux.push_back(
                    {Nom_Tuile,
                     T->Bits,
                     std::vector<std::uint32_t>(Debut, Debut + static_cast<std::ptrdiff_t>(Part)),
                     {}});
            }
            const Resultat_Source Lue = Lire_Lecture(Une, Tuile_L, Tuile_H);
            if (Lue.Etat != Etat_Source::Ok)
                return Lue;
            // Tiles that differ in planes or mask are no map of one picture.
            if (Nombre_Lues > 0 &&
                (Lue.Nombre_Couleur != R.Nombre_Couleur || Lue.Mask_Trouve != R.Mask_Trouve))
                return Refus(QStringLiteral("les tuiles de %1 ne sont pas toutes de la même "
                                            "sorte")
                                 .arg(Depuis_Cp1252(Marque)));
            R.Nombre_Couleur = Lue.Nombre_Couleur;
            R.Mask_Trouve = Lue.Mask_Trouve;
            Rang[Numero] = Nombre_Lues++;
            for (const Plan *P : {&Lue.Plan_Image, &Lue.Plan_Mask})
                for (int Y = 0; Y < Tuile_H; ++Y)
                    for (int X = 0; X < Tuile_L; ++X)
                        Lues.push_back((*P)[Indice(X, Y)]);
        }
        const std::uint8_t *Tuile =
            Lues.data() + 2 * Points * static_cast<std::size_t>(Rang[Numero]);
        const int X0 = static_cast<int>(Place % static_cast<std::size_t>(Carte_L)) * Tuile_L;
        const int Y0 = static_cast<int>(Place / static_cast<std::size_t>(Carte_L)) * Tuile_H;
        for (int Y = 0; Y < Tuile_H; ++Y)
            for (int X = 0; X < Tuile_L; ++X)
            {
                const std::size_t Point = static_cast<std::size_t>(Y) * Tuile_L + X;
                R.Plan_Image[Indice(X0 + X, Y0 + Y)] = Tuile[Point];
                R.Plan_Mask[Indice(X0 + X, Y0 + Y)] = Tuile[Points + Point];
            }
    }
    return R;
}
} // namespace Corvanel
