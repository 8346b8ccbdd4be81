#include "Lecture_Calculatrice.h"

#include "Document_Image.h"
#include "Fichier_Borne.h"

#include <optional>
#include <vector>

namespace Corvanel
{
namespace
{
// The header: signature (8), 2 bytes, default folder (8), comment (40), variable count (2).
constexpr std::uint64_t Taille_Entete = 0x3C;
constexpr std::uint64_t Position_Dossier = 10;
constexpr std::uint64_t Position_Nombre = 0x3A;
// Each entry: offset (4), name (8), type, attribute, 2 bytes.
constexpr std::uint64_t Taille_Entree = 16;
constexpr std::uint8_t Type_Dossier = 0x1F;
constexpr std::uint8_t Type_Pic = 0x10;
// At a variable's offset: 4 bytes, its byte count (big-endian) and that many bytes, then the
// sum of the count's bytes and of those (16 bits, little-endian).
constexpr std::uint64_t Avant_Donnees = 4;

struct Signature
{
    const char *Octets;
    const char *Modele;
};
constexpr Signature Signatures[] = {
    {"**TI89**", "TI-89"},
    {"**TI92P*", "TI-92 Plus"},
    {"**TI92**", "TI-92"},
    {"**V200**", "Voyage 200"},
};

struct Pic
{
    QByteArray Dossier;
    QByteArray Nom;
    int Largeur = 0;
    int Hauteur = 0;
    const unsigned char *Lignes = nullptr;
};

// The file's bytes, read at positions its checks have already bounded.
struct Lecture
{
    explicit Lecture(const QByteArray &Octets)
        : Donnees(reinterpret_cast<const unsigned char *>(Octets.constData())),
          Taille(static_cast<std::uint64_t>(Octets.size()))
    {
    }

    const unsigned char *Donnees;
    std::uint64_t Taille;

    unsigned Octet(std::uint64_t Position) const { return Donnees[Position]; }
    unsigned Mot_Gros(std::uint64_t Position) const
    {
        return Octet(Position) << 8 | Octet(Position + 1);
    }
    unsigned Mot_Petit(std::uint64_t Position) const
    {
        return Octet(Position) | Octet(Position + 1) << 8;
    }
    std::uint64_t Long_Petit(std::uint64_t Position) const
    {
        return Mot_Petit(Position) | std::uint64_t(Mot_Petit(Position + 2)) << 16;
    }
    // A name of 8 bytes, up to its first NUL.
    QByteArray Nom(std::uint64_t Position) const
    {
        const char *Debut = reinterpret_cast<const char *>(Donnees + Position);
        return QByteArray(Debut, static_cast<qsizetype>(qstrnlen(Debut, 8)));
    }
};

Resultat_Calculatrice Refus(const QString &Raison)
{
    Resultat_Calculatrice R;
    R.Etat = Etat_Calculatrice::Refuse;
    R.Message = QStringLiteral("Image de calculatrice refusée : %1.").arg(Raison);
    return R;
}

// The calculator's names are letters, digits and a few signs; what does not print is left out.
QString Texte_Nom(const QByteArray &Nom)
{
    QString Texte;
    for (const QChar Caractere : QString::fromLatin1(Nom))
        if (Caractere.isPrint())
            Texte += Caractere;
    return Texte;
}

QString Hexa(unsigned Valeur)
{
    return QStringLiteral("0x") +
           QString::number(Valeur, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

// One PIC variable checked whole; the reason it is refused, or nothing.
std::optional<QString> Lire_Pic(const Lecture &Fichier, std::uint64_t Position, Pic &Lu)
{
    const QString Nom = Texte_Nom(Lu.Nom);
    const std::uint64_t Debut = Position + Avant_Donnees;
    if (Debut + 2 > Fichier.Taille)
        return QStringLiteral("la variable PIC « %1 » commence à l'octet %2, après la fin du "
                              "fichier (%3 octets)")
            .arg(Nom)
            .arg(Position)
            .arg(Fichier.Taille);
    const unsigned Compte = Fichier.Mot_Gros(Debut);
    const std::uint64_t Fin = Debut + 2 + Compte;
    if (Fin + 2 > Fichier.Taille)
        return QStringLiteral("fichier tronqué : la variable PIC « %1 » demande %2 octets, le "
                              "fichier s'arrête %3 octets plus tôt")
            .arg(Nom)
            .arg(Compte)
            .arg(Fin + 2 - Fichier.Taille);
    unsigned Somme = 0;
    for (std::uint64_t i = Debut; i < Fin; ++i)
        Somme += Fichier.Octet(i);
    Somme &= 0xFFFF;
    const unsigned Stockee = Fichier.Mot_Petit(Fin);
    if (Somme != Stockee)
        return QStringLiteral("somme de contrôle fausse pour la variable PIC « %1 » (%2 dans le "
                              "fichier, %3 calculée)")
            .arg(Nom, Hexa(Stockee), Hexa(Somme));
    if (Compte < 4)
        return QStringLiteral("la variable PIC « %1 » n'a que %2 octets, pas même sa taille")
            .arg(Nom)
            .arg(Compte);
    Lu.Hauteur = static_cast<int>(Fichier.Mot_Gros(Debut + 2));
    Lu.Largeur = static_cast<int>(Fichier.Mot_Gros(Debut + 4));
    if (!Taille_Valide(Lu.Largeur, Lu.Hauteur))
        return QStringLiteral("l'image PIC « %1 » fait %2 x %3 points, hors de 1 x 1 à %4 x %5")
            .arg(Nom)
            .arg(Lu.Largeur)
            .arg(Lu.Hauteur)
            .arg(Colonnes_Plan)
            .arg(Lignes_Plan);
    const unsigned Octets_Ligne = static_cast<unsigned>(Lu.Largeur + 7) / 8;
    const unsigned Lignes_Presentes = (Compte - 4) / Octets_Ligne;
    if (Lignes_Presentes < static_cast<unsigned>(Lu.Hauteur))
        return QStringLiteral("l'image PIC « %1 » annonce %2 lignes de %3 points mais n'en "
                              "contient que %4")
            .arg(Nom)
            .arg(Lu.Hauteur)
            .arg(Lu.Largeur)
            .arg(Lignes_Presentes);
    Lu.Lignes = Fichier.Donnees + Debut + 6;
    return std::nullopt;
}

bool Point(const Pic &Image, int x, int y)
{
    const int Octets_Ligne = (Image.Largeur + 7) / 8;
    return (Image.Lignes[y * Octets_Ligne + x / 8] >> (7 - x % 8)) & 1;
}

// The light plane of a pair, and its dark partner, or nothing.
std::optional<std::pair<const Pic *, const Pic *>> Paire(const std::vector<Pic> &Pics)
{
    for (const Pic &Clair : Pics)
    {
        if (Clair.Nom.size() < 2 || !Clair.Nom.endsWith('l'))
            continue;
        const QByteArray Fonce = Clair.Nom.chopped(1) + 'd';
        for (const Pic &Autre : Pics)
            if (Autre.Dossier == Clair.Dossier && Autre.Nom == Fonce &&
                Autre.Largeur == Clair.Largeur && Autre.Hauteur == Clair.Hauteur)
                return std::pair{&Clair, &Autre};
    }
    return std::nullopt;
}
} // namespace

Resultat_Calculatrice Lire_Image_Calculatrice(const QByteArray &Octets)
{
    const Lecture Fichier(Octets);
    if (Fichier.Taille < Taille_Entete)
        return Refus(QStringLiteral("fichier tronqué (%1 octets, l'en-tête en demande %2)")
                         .arg(Fichier.Taille)
                         .arg(Taille_Entete));
    const char *Modele = nullptr;
    for (const Signature &S : Signatures)
        if (Octets.startsWith(S.Octets))
            Modele = S.Modele;
    if (Modele == nullptr)
        return Refus(QStringLiteral("ce n'est pas un fichier de variables de TI-89 ou de TI-92 "
                                    "Plus (il commence par « %1 »)")
                         .arg(Texte_Nom(Octets.left(8))));

    const unsigned Nombre = Fichier.Mot_Petit(Position_Nombre);
    const std::uint64_t Fin_Table = Taille_Entete + Nombre * Taille_Entree;
    if (Fin_Table > Fichier.Taille)
        return Refus(QStringLiteral("fichier tronqué (%1 octets, la table de ses %2 variables en "
                                    "demande %3)")
                         .arg(Fichier.Taille)
                         .arg(Nombre)
                         .arg(Fin_Table));

    // A single variable has its folder in the header; a group, an entry before its variables.
    QByteArray Dossier = Fichier.Nom(Position_Dossier);
    std::vector<Pic> Pics;
    int Autres = 0;
    for (unsigned i = 0; i < Nombre; ++i)
    {
        const std::uint64_t Entree = Taille_Entete + i * Taille_Entree;
        const std::uint8_t Type = static_cast<std::uint8_t>(Fichier.Octet(Entree + 12));
        if (Type == Type_Dossier)
        {
            Dossier = Fichier.Nom(Entree + 4);
            continue;
        }
        if (Type != Type_Pic)
        {
            ++Autres;
            continue;
        }
        Pic Lu{Dossier, Fichier.Nom(Entree + 4)};
        if (const auto Raison = Lire_Pic(Fichier, Fichier.Long_Petit(Entree), Lu))
            return Refus(*Raison);
        Pics.push_back(std::move(Lu));
    }
    if (Pics.empty())
        return Refus(QStringLiteral("ce fichier de %1 ne contient aucune variable PIC (%2 "
                                    "variable(s) d'autres types)")
                         .arg(QLatin1String(Modele))
                         .arg(Autres));

    Resultat_Calculatrice R;
    R.Etat = Etat_Calculatrice::Ok;
    const auto Deux = Paire(Pics);
    const Pic &Premiere = Deux ? *Deux->first : Pics.front();
    R.Largeur = static_cast<std::uint8_t>(Premiere.Largeur);
    R.Hauteur = static_cast<std::uint8_t>(Premiere.Hauteur);
    R.Nombre_Couleur = Deux ? 4 : 2;
    R.Nom = Texte_Nom(Deux ? Premiere.Nom.chopped(1) : Premiere.Nom);
    for (int x = 0; x < Premiere.Largeur; ++x)
        for (int y = 0; y < Premiere.Hauteur; ++y)
            R.Plan_Image[Indice(x, y)] = static_cast<std::uint8_t>(
                Point(Premiere, x, y) | (Deux && Point(*Deux->second, x, y) ? 2 : 0));
    return R;
}

Resultat_Calculatrice Lire_Fichier_Calculatrice(const QString &Chemin)
{
    const Fichier_Borne Lu = Lire_Fichier_Borne(Chemin, Taille_Max_Calculatrice);
    Resultat_Calculatrice R;
    switch (Lu.Etat)
    {
    case Etat_Fichier_Borne::Lu:
        return Lire_Image_Calculatrice(Lu.Octets);
    case Etat_Fichier_Borne::Pas_Ordinaire:
        R.Message = QStringLiteral("« %1 » n'est pas un fichier ordinaire : ce n'est pas une "
                                   "image de calculatrice.")
                        .arg(Chemin);
        return R;
    case Etat_Fichier_Borne::Non_Ouvert:
        R.Etat = Etat_Calculatrice::Non_Ouvert;
        R.Message = QStringLiteral("Impossible d'ouvrir l'image de calculatrice « %1 » : %2")
                        .arg(Chemin, Lu.Raison);
        return R;
    case Etat_Fichier_Borne::Trop_Grand:
        break;
    }
    return Refus(QStringLiteral("plus de %1 octets, ce n'est pas un fichier de calculatrice")
                     .arg(Taille_Max_Calculatrice));
}

Resultat_Ouverture Ouvrir_Image_Calculatrice(Document_Image &Document, const QString &Chemin)
{
    Resultat_Ouverture Resultat;
    // The file holds levels, not colours: there is nothing to convert again.
    Resultat.Page_Lumiere = false;
    Resultat_Calculatrice Lu = Lire_Fichier_Calculatrice(Chemin);
    if (Lu.Etat != Etat_Calculatrice::Ok)
    {
        Resultat.Etat = Lu.Etat == Etat_Calculatrice::Non_Ouvert ? Etat_Ouverture::Non_Ouvert
                                                                 : Etat_Ouverture::Refuse;
        Resultat.Message = Lu.Message;
        return Resultat;
    }
    Document.Largeur_Image = Lu.Largeur;
    Document.Hauteur_Image = Lu.Hauteur;
    Document.Choisir_Nombre(Lu.Nombre_Couleur, false);
    Document.Nombre_Couleur = Lu.Nombre_Couleur;
    Document.Plan_Image = Lu.Plan_Image;
    Resultat.Nom_Image = Lu.Nom;
    return Resultat;
}
} // namespace Corvanel
