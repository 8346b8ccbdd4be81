#include "Lecture_Source.h"

#include "Analyse_Source.h"
#include "Cp1252.h"
#include "Fichier_Borne.h"
#include "Lecture_Carte.h"
#include "Source_Compressee.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Corvanel
{
namespace
{
// ---- Layouts ----

enum class Genre_Tableau
{
    Entrelace_Mask, // AND mask, plane 0, plane 1 (or mask, plane 0)
    Entrelace,      // plane 0, plane 1 (or plane 0)
    Plan_0,
    Plan_1,
    Mask_ET, // 1 = background
    Mask,    // 1 = covered
    Nu,      // a bare name: interleaved planes, as Entrelace
};

struct Classe
{
    Genre_Tableau Genre;
    std::string_view Prefixe; // the picture name
};

Classe Classer(std::string_view Nom)
{
    static constexpr std::pair<std::string_view, Genre_Tableau> Suffixes[] = {
        {"_Entrelace_Mask", Genre_Tableau::Entrelace_Mask},
        {"_Entrelace", Genre_Tableau::Entrelace},
        {"_Mask_ET", Genre_Tableau::Mask_ET},
        {"_Mask", Genre_Tableau::Mask},
        {"_C0", Genre_Tableau::Plan_0},
        {"_C1", Genre_Tableau::Plan_1},
    };
    for (const auto &[Suffixe, Genre] : Suffixes)
        if (Nom.ends_with(Suffixe))
            return {Genre, Nom.substr(0, Nom.size() - Suffixe.size())};
    if (Nom.starts_with("Mask_"))
        return {Genre_Tableau::Mask, Nom.substr(5)};
    return {Genre_Tableau::Nu, Nom};
}

bool Tient_Image(Genre_Tableau G)
{
    return G == Genre_Tableau::Entrelace_Mask || G == Genre_Tableau::Entrelace ||
           G == Genre_Tableau::Plan_0;
}

Resultat_Source Refus(const QString &Raison)
{
    Resultat_Source R;
    R.Etat = Etat_Source::Refuse;
    R.Message = QStringLiteral("Source de sprite refusée : %1.").arg(Raison);
    return R;
}

struct Taille_Lue
{
    int Valeur = 0;
    QString Origine; // for the messages
    QString Erreur;
};

Taille_Lue Lire_Taille(const Lecture &L, std::string_view Prefixe, std::string_view Suffixe,
                       int Defaut, int Limite, const QString &Quoi)
{
    Taille_Lue T{Defaut, QStringLiteral("taille choisie"), {}};
    const std::string Nom = std::string(Prefixe) + std::string(Suffixe);
    for (const Constante &C : L.Constantes)
    {
        if (C.Nom != Nom)
            continue;
        std::string_view Valeur = C.Valeur;
        while (Valeur.size() >= 2 && Valeur.front() == '(' && Valeur.back() == ')')
            Valeur = Rogner(Valeur.substr(1, Valeur.size() - 2));
        std::optional<std::uint64_t> Lu = Lire_Nombre(Valeur, false);
        if (!Lu)
            Lu = Lire_Nombre(Valeur, true);
        T.Origine = Depuis_Cp1252(Nom);
        if (!Lu)
        {
            T.Erreur = QStringLiteral("%1 vaut %2, qui n'est pas un nombre")
                           .arg(T.Origine, Cite(C.Valeur));
            return T;
        }
        T.Valeur = static_cast<int>(std::min<std::uint64_t>(*Lu, 100000));
        break;
    }
    if (T.Valeur < 1 || T.Valeur > Limite)
        T.Erreur = QStringLiteral("%1 %2 hors de 1 à %3 (%4)")
                       .arg(Quoi)
                       .arg(T.Valeur)
                       .arg(Limite)
                       .arg(T.Origine);
    return T;
}

struct Cadre
{
    int Largeur;
    int Hauteur;
    QString Origine;
};

int Par_Ligne(const Cadre &C, int Bits)
{
    return (C.Largeur + Bits - 1) / Bits;
}

// How many elements of the array interleave at each position (one of the choices), or 0
// with the message saying what was found.
int Couches(const Tableau &T, const Cadre &C, std::initializer_list<int> Choix, QString &Erreur)
{
    const std::size_t Base = static_cast<std::size_t>(C.Hauteur) * Par_Ligne(C, T.Bits);
    QStringList Attendus;
    for (const int N : Choix)
    {
        if (T.Valeurs.size() == Base * N)
            return N;
        Attendus << QString::number(Base * N);
    }
    Erreur = QStringLiteral("%1 a %2 %3 de %4 bits, il en faut %5 pour %6 x %7 (%8)")
                 .arg(Cite(T.Nom))
                 .arg(T.Valeurs.size())
                 .arg(T.Valeurs.size() > 1 ? QStringLiteral("nombres") : QStringLiteral("nombre"))
                 .arg(T.Bits)
                 .arg(Attendus.join(QStringLiteral(" ou ")))
                 .arg(C.Largeur)
                 .arg(C.Hauteur)
                 .arg(C.Origine);
    return 0;
}

// Calls Poser(x, y, bit) for every cell of one of the interleaved elements.
template <typename Fonction>
void Decoder(const Tableau &T, const Cadre &C, int Nombre_Couches, int Couche, Fonction &&Poser)
{
    const int Elements = Par_Ligne(C, T.Bits);
    for (int y = 0; y < C.Hauteur; ++y)
        for (int e = 0; e < Elements; ++e)
        {
            const std::uint32_t Valeur =
                T.Valeurs[(static_cast<std::size_t>(y) * Elements + e) * Nombre_Couches + Couche];
            for (int i = 0; i < T.Bits && e * T.Bits + i < C.Largeur; ++i)
                Poser(e * T.Bits + i, y, (Valeur >> (T.Bits - 1 - i)) & 1);
        }
}

Resultat_Source Interpreter(const Lecture &L, int Largeur_Defaut, int Hauteur_Defaut)
{
    if (!L.Erreur.isEmpty())
        return Refus(L.Erreur);
    const Tableau *Image = nullptr;
    Classe Classe_Image{};
    for (const Tableau &T : L.Tableaux)
        if (const Classe K = Classer(T.Nom); Tient_Image(K.Genre))
        {
            Image = &T;
            Classe_Image = K;
            break;
        }
    // A bare name is any other array: only a sound one is taken for the picture.
    if (!Image)
        for (const Tableau &T : L.Tableaux)
            if (const Classe K = Classer(T.Nom); K.Genre == Genre_Tableau::Nu && T.Erreur.isEmpty())
            {
                Image = &T;
                Classe_Image = K;
                break;
            }
    const Tableau *Plan_1 = nullptr;
    const Tableau *Masque = nullptr;
    Classe Classe_Masque{};
    if (Image && Classe_Image.Genre == Genre_Tableau::Plan_0)
        for (const Tableau &T : L.Tableaux)
            if (const Classe K = Classer(T.Nom);
                K.Genre == Genre_Tableau::Plan_1 && K.Prefixe == Classe_Image.Prefixe)
            {
                Plan_1 = &T;
                break;
            }
    if (Image && Classe_Image.Genre == Genre_Tableau::Entrelace_Mask)
    {
        Masque = Image;
        Classe_Masque = Classe_Image;
    }
    else
        for (const Tableau &T : L.Tableaux)
            if (const Classe K = Classer(T.Nom);
                (K.Genre == Genre_Tableau::Mask || K.Genre == Genre_Tableau::Mask_ET) &&
                (!Image || K.Prefixe == Classe_Image.Prefixe))
            {
                Masque = &T;
                Classe_Masque = K;
                break;
            }
    if (!Image && !Masque)
    {
        for (const Tableau &T : L.Tableaux)
            if (!T.Erreur.isEmpty())
                return Refus(QStringLiteral("%1 : %2").arg(Cite(T.Nom), T.Erreur));
        return Refus(QStringLiteral("aucun tableau de sprite (nom_C0, nom_Entrelace, nom_Mask…)"));
    }
    for (const Tableau *T : {Image, Plan_1, Masque})
        if (T && !T->Erreur.isEmpty())
            return Refus(QStringLiteral("%1 : %2").arg(Cite(T->Nom), T->Erreur));

    const std::string_view Prefixe = Image ? Classe_Image.Prefixe : Classe_Masque.Prefixe;
    const Taille_Lue Largeur = Lire_Taille(L, Prefixe, "_LARGEUR", Largeur_Defaut, Colonnes_Plan,
                                           QStringLiteral("largeur"));
    const Taille_Lue Hauteur =
        Lire_Taille(L, Prefixe, "_HAUTEUR", Hauteur_Defaut, Lignes_Plan, QStringLiteral("hauteur"));
    if (!Largeur.Erreur.isEmpty())
        return Refus(Largeur.Erreur);
    if (!Hauteur.Erreur.isEmpty())
        return Refus(Hauteur.Erreur);
    const Cadre C{Largeur.Valeur, Hauteur.Valeur,
                  Largeur.Origine == Hauteur.Origine
                      ? Largeur.Origine
                      : QStringLiteral("%1, %2").arg(Largeur.Origine, Hauteur.Origine)};

    Resultat_Source R;
    R.Etat = Etat_Source::Ok;
    R.Nom = Depuis_Cp1252(Prefixe);
    R.Largeur = static_cast<std::uint8_t>(C.Largeur);
    R.Hauteur = static_cast<std::uint8_t>(C.Hauteur);
    QString Erreur;
    int Couches_Image = 0;
    int Premier_Plan = 0; // the plane 0 element's place among the interleaved ones
    if (Image)
    {
        if (Classe_Image.Genre == Genre_Tableau::Entrelace_Mask)
        {
            Couches_Image = Couches(*Image, C, {3, 2}, Erreur);
            Premier_Plan = 1;
        }
        else if (Classe_Image.Genre == Genre_Tableau::Plan_0)
            Couches_Image = Couches(*Image, C, {1}, Erreur);
        else
            Couches_Image = Couches(*Image, C, {2, 1}, Erreur);
        if (!Couches_Image)
            return Refus(Erreur);
        const int Plans = Plan_1 ? 2 : Couches_Image - Premier_Plan;
        R.Nombre_Couleur = Plans == 1 ? 2 : 4;
        Decoder(*Image, C, Couches_Image, Premier_Plan,
                [&](int x, int y, std::uint32_t Bit)
                { R.Plan_Image[Indice(x, y)] = static_cast<std::uint8_t>(Bit); });
        const auto Plan_Haut = [&](int x, int y, std::uint32_t Bit)
        { R.Plan_Image[Indice(x, y)] |= static_cast<std::uint8_t>(Bit << 1); };
        if (Plan_1)
        {
            if (!Couches(*Plan_1, C, {1}, Erreur))
                return Refus(Erreur);
            Decoder(*Plan_1, C, 1, 0, Plan_Haut);
        }
        else if (Plans == 2)
            Decoder(*Image, C, Couches_Image, Premier_Plan + 1, Plan_Haut);
    }
    if (Masque)
    {
        const int Nombre = Masque == Image ? Couches_Image : Couches(*Masque, C, {1}, Erreur);
        if (!Nombre)
            return Refus(Erreur);
        // The AND convention marks the background.
        const std::uint32_t Couvert = Classe_Masque.Genre == Genre_Tableau::Mask ? 1 : 0;
        R.Mask_Trouve = true;
        Decoder(*Masque, C, Nombre, 0,
                [&](int x, int y, std::uint32_t Bit)
                { R.Plan_Mask[Indice(x, y)] = Bit == Couvert; });
    }
    return R;
}
} // namespace

Resultat_Source Lire_Lecture(const Lecture &L, int Largeur_Defaut, int Hauteur_Defaut)
{
    return Interpreter(L, Largeur_Defaut, Hauteur_Defaut);
}

Resultat_Source Lire_Source_Sprite(const QByteArray &Texte, int Largeur_Defaut, int Hauteur_Defaut)
{
    if (Texte.size() > Taille_Max_Source)
        return Refus(QStringLiteral("plus de %1 octets").arg(Taille_Max_Source));
    const std::string_view Vue(Texte.constData(), static_cast<std::size_t>(Texte.size()));
    // Packed arrays are unpacked in their place first: a packed map reads as a plain one.
    const Lecture L = Deplier_Source(Analyser_Source(Vue), Vue);
    if (L.Erreur.isEmpty())
        if (std::optional<Resultat_Source> Carte = Lire_Carte(L))
            return *Carte;
    return Interpreter(L, Largeur_Defaut, Hauteur_Defaut);
}

Resultat_Source Lire_Fichier_Source(const QString &Chemin, int Largeur_Defaut, int Hauteur_Defaut)
{
    const Fichier_Borne Lu = Lire_Fichier_Borne(Chemin, Taille_Max_Source);
    Resultat_Source R;
    switch (Lu.Etat)
    {
    case Etat_Fichier_Borne::Lu:
        return Lire_Source_Sprite(Lu.Octets, Largeur_Defaut, Hauteur_Defaut);
    case Etat_Fichier_Borne::Pas_Ordinaire:
        R.Message =
            QStringLiteral("« %1 » n'est pas un fichier ordinaire : ce n'est pas une source de "
                           "sprite.")
                .arg(Chemin);
        return R;
    case Etat_Fichier_Borne::Non_Ouvert:
        R.Etat = Etat_Source::Non_Ouvert;
        R.Message = QStringLiteral("Impossible d'ouvrir la source de sprite « %1 » : %2")
                        .arg(Chemin, Lu.Raison);
        return R;
    case Etat_Fichier_Borne::Trop_Grand:
        break;
    }
    R.Message = QStringLiteral("« %1 » fait plus de %2 octets : ce n'est pas une source de sprite.")
                    .arg(Chemin)
                    .arg(Taille_Max_Source);
    return R;
}
} // namespace Corvanel
