#include "Source_Compressee.h"

#include "Compactage.h"
#include "Cp1252.h"
#include "Decompactage.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace Corvanel
{
namespace
{
// As many arrays as a plain source may hold.
constexpr std::size_t Decalages_Max = 4096;
constexpr int Octets_Par_Ligne = 16;

std::string_view Mot(std::string_view &Reste)
{
    Reste = Rogner(Reste);
    std::size_t i = 0;
    while (i < Reste.size() && Reste[i] != ' ' && Reste[i] != '\t' && Reste[i] != '\r')
        ++i;
    const std::string_view Trouve = Reste.substr(0, i);
    Reste.remove_prefix(i);
    return Trouve;
}

bool Meme_Mot(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return (x | 0x20) == (y | 0x20); });
}

// The lines that define constants, as they stand: #define (and any other directive) in C,
// "name equ value" in assembler.
std::string Constantes(const QByteArray &Texte, Langage_Source Langage)
{
    std::string Gardees;
    for (const QByteArray &Octets : Texte.split('\n'))
    {
        const std::string_view Ligne =
            Rogner(std::string_view(Octets.constData(), static_cast<std::size_t>(Octets.size())));
        bool Garder = false;
        if (Langage == Langage_Source::C)
            Garder = Ligne.starts_with('#');
        else if (!Octets.isEmpty() && Octets[0] != ' ' && Octets[0] != '\t')
        {
            std::string_view Reste = Ligne;
            Mot(Reste);
            const std::string_view Directive = Mot(Reste);
            Garder = Meme_Mot(Directive, "equ") || Meme_Mot(Directive, "set") || Directive == "=";
        }
        if (Garder)
            Gardees.append(Ligne).append("\n");
    }
    return Gardees;
}

struct Place_Tableau
{
    std::string Nom;
    std::size_t Decalage;
    std::size_t Nombre;
    int Bits;
};

void Ajouter_Hexa(std::string &Texte, std::uint8_t Octet, bool C)
{
    Texte += C ? "0x" : "$";
    Texte += "0123456789ABCDEF"[Octet >> 4];
    Texte += "0123456789ABCDEF"[Octet & 15];
}

// A _TAILLE or _DECALAGE constant of a packed source, with the shape its comment gives.
struct Constante_Lue
{
    std::string Nom;
    std::optional<std::uint64_t> Valeur;
    std::uint64_t Nombre = 0;
    int Bits = 0; // 0 when the comment gives no shape
};

// "N x B bits"
void Lire_Forme(std::string_view Commentaire, Constante_Lue &C)
{
    const std::optional<std::uint64_t> Nombre = Lire_Nombre(Mot(Commentaire), false);
    const std::string_view Fois = Mot(Commentaire);
    const std::optional<std::uint64_t> Bits = Lire_Nombre(Mot(Commentaire), false);
    if (Nombre && Fois == "x" && Bits && (*Bits == 8 || *Bits == 16 || *Bits == 32) &&
        Mot(Commentaire) == "bits")
    {
        C.Nombre = *Nombre;
        C.Bits = static_cast<int>(*Bits);
    }
}

std::vector<Constante_Lue> Constantes_Compression(std::string_view Texte)
{
    std::vector<Constante_Lue> Lues;
    while (!Texte.empty())
    {
        const std::size_t Fin = std::min(Texte.find('\n'), Texte.size());
        const std::string_view Ligne = Texte.substr(0, Fin);
        Texte.remove_prefix(std::min(Fin + 1, Texte.size()));
        std::string_view Reste = Ligne;
        Constante_Lue C;
        std::string_view Valeur;
        std::string_view Commentaire;
        const bool Assembleur =
            !Ligne.empty() && Ligne[0] != '#' && Ligne[0] != ' ' && Ligne[0] != '\t';
        if (Rogner(Ligne).starts_with('#'))
        {
            Reste = Rogner(Reste).substr(1);
            if (Mot(Reste) != "define")
                continue;
            C.Nom = Mot(Reste);
            Valeur = Mot(Reste);
            const std::size_t Debut = Reste.find("/*");
            if (Debut != std::string_view::npos)
                Commentaire = Reste.substr(Debut + 2, Reste.find("*/", Debut) - Debut - 2);
        }
        else if (Assembleur)
        {
            std::string_view Nom = Mot(Reste);
            if (Nom.ends_with(':'))
                Nom.remove_suffix(1);
            if (!Meme_Mot(Mot(Reste), "equ"))
                continue;
            C.Nom = Nom;
            Valeur = Mot(Reste);
            if (const std::size_t Debut = Reste.find(';'); Debut != std::string_view::npos)
                Commentaire = Reste.substr(Debut + 1);
        }
        else
            continue;
        if (!std::string_view(C.Nom).ends_with(Suffixe_Taille) &&
            !std::string_view(C.Nom).ends_with(Suffixe_Decalage))
            continue;
        C.Valeur = Lire_Nombre(Valeur, Assembleur);
        Lire_Forme(Commentaire, C);
        Lues.push_back(std::move(C));
    }
    return Lues;
}

// The arrays of one packed array, in Arrays; an error text when they cannot be.
QString Deplier(const Tableau &Compresse, const std::vector<Constante_Lue> &Constantes,
                std::vector<Tableau> &Tableaux)
{
    if (!Compresse.Erreur.isEmpty())
        return Compresse.Erreur;
    if (Compresse.Bits != 8)
        return QStringLiteral("éléments de %1 bits au lieu d'octets").arg(Compresse.Bits);
    const std::vector<std::uint8_t> Octets(Compresse.Valeurs.begin(), Compresse.Valeurs.end());
    const Resultat_Decompactage Lu = Decompacter(Octets);
    if (!Lu.Reussi())
        return Lu.Erreur;
    const std::string_view Prefixe =
        std::string_view(Compresse.Nom).substr(0, Compresse.Nom.size() - Suffixe_Compresse.size());
    const std::string Nom_Taille = std::string(Prefixe) + std::string(Suffixe_Taille);
    const auto Taille = std::find_if(Constantes.begin(), Constantes.end(),
                                     [&](const Constante_Lue &C) { return C.Nom == Nom_Taille; });
    if (Taille == Constantes.end())
        return QStringLiteral("%1 manquant").arg(Cite(Nom_Taille));
    if (Taille->Valeur != Lu.Donnees.size())
        return QStringLiteral("%1 octets décompressés, %2 en annonce %3")
            .arg(Lu.Donnees.size())
            .arg(Cite(Nom_Taille))
            .arg(Taille->Valeur ? QString::number(*Taille->Valeur)
                                : QStringLiteral("un illisible"));
    // The offsets that follow the size, up to the next packed array's size.
    for (auto C = Taille + 1;
         C != Constantes.end() && !std::string_view(C->Nom).ends_with(Suffixe_Taille); ++C)
    {
        const std::uint64_t Octets_Element = static_cast<std::uint64_t>(C->Bits / 8);
        if (!C->Valeur || C->Bits == 0 || *C->Valeur > Lu.Donnees.size() ||
            C->Nombre * Octets_Element > Lu.Donnees.size() - *C->Valeur)
            return QStringLiteral("%1 hors des %2 octets décompressés")
                .arg(Cite(C->Nom))
                .arg(Lu.Donnees.size());
        if (Tableaux.size() == Decalages_Max)
            return QStringLiteral("plus de %1 tableaux").arg(Decalages_Max);
        Tableau T{C->Nom.substr(0, C->Nom.size() - Suffixe_Decalage.size()), C->Bits, {}, {}};
        T.Valeurs.reserve(C->Nombre);
        auto Octet = Lu.Donnees.begin() + static_cast<std::ptrdiff_t>(*C->Valeur);
        for (std::uint64_t k = 0; k < C->Nombre; ++k)
        {
            std::uint32_t Valeur = 0;
            for (std::uint64_t b = 0; b < Octets_Element; ++b)
                Valeur = Valeur << 8 | *Octet++;
            T.Valeurs.push_back(Valeur);
        }
        Tableaux.push_back(std::move(T));
    }
    return {};
}
} // namespace

QString Texte_Tailles(const Tailles_Compression &Tailles)
{
    return QStringLiteral("%1 octets compressés, %2 décompressés")
        .arg(Tailles.Compresse)
        .arg(Tailles.Decompresse);
}

Source_Compressee Compresser_Source(const QByteArray &Texte, Langage_Source Langage,
                                    const QString &Nom)
{
    Source_Compressee Resultat;
    // The output of a plug-in: its arrays are as long as it made them.
    const Lecture L =
        Analyser_Source(std::string_view(Texte.constData(), static_cast<std::size_t>(Texte.size())),
                        std::numeric_limits<std::size_t>::max());
    if (!L.Erreur.isEmpty())
    {
        Resultat.Erreur = L.Erreur;
        return Resultat;
    }
    std::vector<std::uint8_t> Donnees;
    std::vector<Place_Tableau> Places;
    for (const Tableau &T : L.Tableaux)
    {
        if (T.Adresses)
            continue;
        if (!T.Erreur.isEmpty())
        {
            Resultat.Erreur = QStringLiteral("%1 : %2").arg(Cite(T.Nom), T.Erreur);
            return Resultat;
        }
        const std::size_t Octets = static_cast<std::size_t>(T.Bits / 8);
        // Counted before anything is laid out: a long array must not fill memory first.
        const std::size_t Taille =
            Donnees.size() + (Octets > 1 ? 1 : 0) + Octets * T.Valeurs.size();
        if (Taille > Taille_Max_Compactage)
        {
            std::size_t Total = 0;
            for (const Tableau &U : L.Tableaux)
                if (!U.Adresses)
                    Total += (U.Bits > 8 ? Total % 2 : 0) + U.Bits / 8 * U.Valeurs.size();
            Resultat.Erreur = QStringLiteral("%1 octets à compresser, %2 au plus")
                                  .arg(Total)
                                  .arg(Taille_Max_Compactage);
            return Resultat;
        }
        if (Octets > 1 && Donnees.size() % 2 != 0)
            Donnees.push_back(0);
        Places.push_back({T.Nom, Donnees.size(), T.Valeurs.size(), T.Bits});
        for (const std::uint32_t Valeur : T.Valeurs)
            for (std::size_t k = Octets; k-- > 0;)
                Donnees.push_back(static_cast<std::uint8_t>(Valeur >> (8 * k)));
    }
    const std::vector<std::uint8_t> Compacte = Compacter(Donnees);
    // Data that does not pack may grow past what the header can say of the packed size.
    if (Compacte.size() > Taille_Max_Compactage)
    {
        Resultat.Erreur = QStringLiteral("%1 octets une fois compressés, %2 au plus")
                              .arg(Compacte.size())
                              .arg(Taille_Max_Compactage);
        return Resultat;
    }
    Resultat.Tailles = {Compacte.size(), Donnees.size()};

    // Names travel in the plug-ins' own 8-bit text.
    const bool C = Langage == Langage_Source::C;
    const std::string Nom_Octets = Vers_Cp1252(Nom);
    std::string Sortie = Constantes(Texte, Langage);
    const auto Constante = [&](std::string_view Nom_Constante, std::size_t Valeur)
    {
        Sortie.append(C ? "#define " : "").append(Nom_Constante);
        Sortie.append(C ? " " : "\tequ\t").append(std::to_string(Valeur));
    };
    Constante(Nom_Octets + std::string(Suffixe_Taille), Donnees.size());
    Sortie += '\n';
    for (const Place_Tableau &P : Places)
    {
        Constante(P.Nom + std::string(Suffixe_Decalage), P.Decalage);
        Sortie.append(C ? " /* " : "\t; ").append(std::to_string(P.Nombre));
        Sortie.append(" x ").append(std::to_string(P.Bits)).append(C ? " bits */\n" : " bits\n");
    }
    const std::string Tableau_Nom = Nom_Octets + std::string(Suffixe_Compresse);
    Sortie += C ? "\nunsigned char " + Tableau_Nom + "[] = {\n" : "\teven\n" + Tableau_Nom + "\n";
    for (std::size_t i = 0; i < Compacte.size(); ++i)
    {
        if (i % Octets_Par_Ligne == 0)
            Sortie += C ? "\t" : "\tdc.b\t";
        Ajouter_Hexa(Sortie, Compacte[i], C);
        const bool Fin_Ligne = i + 1 == Compacte.size() || (i + 1) % Octets_Par_Ligne == 0;
        Sortie += !Fin_Ligne ? "," : C && i + 1 < Compacte.size() ? ",\n" : "\n";
    }
    if (C)
        Sortie += "};\n";
    Resultat.Texte = QByteArray::fromStdString(Sortie);
    Resultat.Texte.replace("\n", "\r\n");
    return Resultat;
}

Lecture Deplier_Source(Lecture L, std::string_view Texte)
{
    const auto Compresse = [](const Tableau &T)
    { return std::string_view(T.Nom).ends_with(Suffixe_Compresse); };
    if (!L.Erreur.isEmpty() || std::none_of(L.Tableaux.begin(), L.Tableaux.end(), Compresse))
        return L;
    const std::vector<Constante_Lue> Constantes = Constantes_Compression(Texte);
    std::vector<Tableau> Tableaux;
    for (Tableau &T : L.Tableaux)
    {
        if (!Compresse(T))
            Tableaux.push_back(std::move(T));
        else if (const QString Erreur = Deplier(T, Constantes, Tableaux); !Erreur.isEmpty())
        {
            L.Erreur = QStringLiteral("%1 : %2").arg(Cite(T.Nom), Erreur);
            L.Tableaux.clear();
            return L;
        }
    }
    L.Tableaux = std::move(Tableaux);
    return L;
}
} // namespace Corvanel
