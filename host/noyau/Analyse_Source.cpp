#include "Analyse_Source.h"

#include "Compactage.h"
#include "Cp1252.h"
#include "Plan.h"
#include "Source_Compressee.h"

#include <QStringList>
#include <algorithm>
#include <optional>

namespace Corvanel
{
namespace
{
// The packed bytes of a compressed output: a little more than the most it can unpack to.
constexpr std::size_t Nombres_Max_Compresse = 2 * Taille_Max_Compactage;
// A source with more arrays or size constants than this is not a sprite's.
constexpr std::size_t Tableaux_Max = 4096;
constexpr std::uint64_t Trop_Grand = 0x100000000; // any value past 32 bits reads as this

bool Blanc(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// The first word of t and what follows it.
std::pair<std::string_view, std::string_view> Mot_Suivant(std::string_view t)
{
    t = Rogner(t);
    std::size_t i = 0;
    while (i < t.size() && !Blanc(t[i]))
        ++i;
    return {t.substr(0, i), t.substr(i)};
}

std::string Minuscules(std::string_view t)
{
    std::string m(t);
    for (char &c : m)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return m;
}

int Chiffre(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

std::uint64_t Maximum(int Bits)
{
    return Bits >= 32 ? 0xFFFFFFFFu : (std::uint64_t{1} << Bits) - 1;
}

// One number of an array, checked against its type; false when the array is refused.
bool Ajouter_Nombre(Tableau &T, std::string_view Texte, bool Assembleur, std::size_t Nombres)
{
    const std::optional<std::uint64_t> Valeur = Lire_Nombre(Texte, Assembleur);
    const std::size_t Limite = std::string_view(T.Nom).ends_with(Suffixe_Compresse)
                                   ? std::max(Nombres, Nombres_Max_Compresse)
                                   : Nombres;
    if (!Valeur)
    {
        T.Erreur = QStringLiteral("nombre illisible %1").arg(Cite(Rogner(Texte)));
        const std::string_view Mot = Rogner(Texte);
        T.Adresses = !Mot.empty() && (Mot[0] == '_' || (Mot[0] >= 'A' && Mot[0] <= 'Z') ||
                                      (Mot[0] >= 'a' && Mot[0] <= 'z'));
    }
    else if (*Valeur > Maximum(T.Bits ? T.Bits : 32))
        T.Erreur = QStringLiteral("nombre %1 plus grand que %2 bits")
                       .arg(Cite(Rogner(Texte)))
                       .arg(T.Bits ? T.Bits : 32);
    else if (T.Valeurs.size() == Limite)
        T.Erreur = QStringLiteral("plus de %1 nombres").arg(Limite);
    else
    {
        T.Valeurs.push_back(static_cast<std::uint32_t>(*Valeur));
        return true;
    }
    return false;
}

void Ajouter_Constante(Lecture &L, std::string_view Nom, std::string_view Valeur)
{
    if (!Nom.ends_with("_LARGEUR") && !Nom.ends_with("_HAUTEUR") && !Nom.ends_with("_NOMBRE"))
        return;
    if (L.Constantes.size() == Tableaux_Max)
    {
        L.Erreur = QStringLiteral("plus de %1 constantes de taille").arg(Tableaux_Max);
        return;
    }
    L.Constantes.push_back({std::string(Nom), std::string(Rogner(Valeur))});
}

Tableau *Nouveau_Tableau(Lecture &L, std::string_view Nom, int Bits)
{
    if (L.Tableaux.size() == Tableaux_Max)
    {
        L.Erreur = QStringLiteral("plus de %1 tableaux").arg(Tableaux_Max);
        return nullptr;
    }
    L.Tableaux.push_back({std::string(Nom), Bits, {}, {}});
    return &L.Tableaux.back();
}

// ---- C ----

// The text with comments and the contents of string and character literals blanked, line
// breaks kept, so that nothing in them looks like an array.
std::string Code_C(std::string_view Texte)
{
    std::string Code(Texte);
    const std::size_t n = Code.size();
    for (std::size_t i = 0; i < n;)
    {
        const char c = Code[i];
        if (c == '/' && i + 1 < n && Code[i + 1] == '/')
        {
            while (i < n && Code[i] != '\n')
                Code[i++] = ' ';
        }
        else if (c == '/' && i + 1 < n && Code[i + 1] == '*')
        {
            Code[i++] = ' ';
            Code[i++] = ' ';
            while (i < n && !(Code[i] == '*' && i + 1 < n && Code[i + 1] == '/'))
            {
                if (Code[i] != '\n')
                    Code[i] = ' ';
                ++i;
            }
            for (int k = 0; k < 2 && i < n; ++k)
                Code[i++] = ' ';
        }
        else if (c == '"' || c == '\'')
        {
            ++i;
            while (i < n && Code[i] != c && Code[i] != '\n')
            {
                if (Code[i] == '\\' && i + 1 < n && Code[i + 1] != '\n')
                    Code[i++] = ' ';
                Code[i++] = ' ';
            }
            if (i < n && Code[i] == c)
                ++i;
        }
        else
            ++i;
    }
    return Code;
}

// #define lines give the constants; they are then blanked, as they belong to no declaration.
void Lire_Defines(std::string &Code, Lecture &L)
{
    std::size_t Debut = 0;
    while (Debut < Code.size() && L.Erreur.isEmpty())
    {
        std::size_t Fin = Code.find('\n', Debut);
        if (Fin == std::string::npos)
            Fin = Code.size();
        const std::string_view Ligne = Rogner(std::string_view(Code).substr(Debut, Fin - Debut));
        if (Ligne.starts_with('#'))
        {
            const auto [Directive, Reste] = Mot_Suivant(Ligne.substr(1));
            if (Directive == "define")
            {
                const auto [Nom, Valeur] = Mot_Suivant(Reste);
                Ajouter_Constante(L, Nom, Valeur);
            }
            std::fill(Code.begin() + static_cast<std::ptrdiff_t>(Debut),
                      Code.begin() + static_cast<std::ptrdiff_t>(Fin), ' ');
        }
        Debut = Fin + 1;
    }
}

// The element width of a declaration's type words, 0 when they hold no sprite, and the name
// that follows them (a name with blanks is kept whole, as the plug-ins write it).
std::pair<int, std::string_view> Lire_Tete(std::string_view Tete)
{
    // The width each word gives; 0 keeps the one given so far, as in "long int".
    static constexpr std::pair<std::string_view, int> Types[] = {
        {"unsigned", 0}, {"signed", 0}, {"int", 0},       {"char", 8},
        {"uint8_t", 8},  {"int8_t", 8}, {"short", 16},    {"uint16_t", 16},
        {"int16_t", 16}, {"long", 32},  {"uint32_t", 32}, {"int32_t", 32},
    };
    static constexpr std::string_view Qualificatifs[] = {"static", "const", "volatile", "extern"};
    int Bits = 0;
    int Longs = 0;
    bool Type = false;
    Tete = Rogner(Tete);
    while (!Tete.empty())
    {
        const auto [Mot, Reste] = Mot_Suivant(Tete);
        const auto Type_Du_Mot =
            std::find_if(std::begin(Types), std::end(Types),
                         [Mot = Mot](const auto &T) { return T.first == Mot; });
        if (Type_Du_Mot != std::end(Types))
        {
            Type = true;
            Bits = Type_Du_Mot->second ? Type_Du_Mot->second : Bits;
            Longs += Mot == "long";
        }
        else if (std::find(std::begin(Qualificatifs), std::end(Qualificatifs), Mot) ==
                 std::end(Qualificatifs))
            break;
        Tete = Rogner(Reste);
    }
    if (!Type || Longs > 1)
        return {0, Tete};
    return {Bits ? Bits : 16, Tete}; // int is 16 bits with -mshort, as the plug-ins mean it
}

// Past the array's closing brace, or at the ';' or '{' that shows it missing.
std::size_t Sauter_Tableau(std::string_view Code, std::size_t i)
{
    while (i < Code.size() && Code[i] != '}' && Code[i] != ';' && Code[i] != '{')
        ++i;
    return i < Code.size() && Code[i] == '}' ? i + 1 : i;
}

// The numbers from just after '{'; returns where the scan goes on.
std::size_t Lire_Elements(std::string_view Code, std::size_t i, Tableau &T, std::size_t Nombres)
{
    const std::size_t n = Code.size();
    for (;;)
    {
        while (i < n && Blanc(Code[i]))
            ++i;
        if (i >= n || Code[i] == ';' || Code[i] == '{')
        {
            T.Erreur = QStringLiteral("accolade fermante manquante");
            return i;
        }
        if (Code[i] == '}')
            return i + 1;
        std::size_t Fin = i;
        while (Fin < n && !Blanc(Code[Fin]) && Code[Fin] != ',' && Code[Fin] != '}' &&
               Code[Fin] != ';' && Code[Fin] != '{')
            ++Fin;
        if (!Ajouter_Nombre(T, Code.substr(i, Fin - i), false, Nombres))
            return Sauter_Tableau(Code, Fin);
        i = Fin;
        while (i < n && Blanc(Code[i]))
            ++i;
        if (i < n && Code[i] == ',')
            ++i;
        else if (i < n && Code[i] != '}' && Code[i] != ';' && Code[i] != '{')
        {
            T.Erreur = QStringLiteral("%1 au lieu d'une virgule").arg(Cite(Code.substr(i, 1)));
            return Sauter_Tableau(Code, i);
        }
    }
}

void Lire_C(std::string_view Texte, Lecture &L, std::size_t Nombres)
{
    std::string Code = Code_C(Texte);
    Lire_Defines(Code, L);
    const std::string_view Vue(Code);
    const std::size_t n = Vue.size();
    std::size_t Debut = 0; // where the current declaration starts
    for (std::size_t i = 0; i < n && L.Erreur.isEmpty(); ++i)
    {
        const char c = Vue[i];
        if (c == ';' || c == '{' || c == '}')
        {
            Debut = i + 1;
            continue;
        }
        if (c != '[')
            continue;
        // name [ size ] = {
        std::size_t j = i + 1;
        while (j < n && (Blanc(Vue[j]) || (Vue[j] >= '0' && Vue[j] <= '9')))
            ++j;
        if (j >= n || Vue[j] != ']')
            continue;
        const auto Suivi_De = [&](char Attendu)
        {
            ++j;
            while (j < n && Blanc(Vue[j]))
                ++j;
            return j < n && Vue[j] == Attendu;
        };
        if (!Suivi_De('=') || !Suivi_De('{'))
            continue;
        const auto [Bits, Nom] = Lire_Tete(Vue.substr(Debut, i - Debut));
        Tableau Ecarte;
        Tableau *T = Bits ? Nouveau_Tableau(L, Nom, Bits) : &Ecarte;
        if (!T)
            return;
        const std::size_t Suite = Lire_Elements(Vue, j + 1, *T, Nombres);
        Debut = Suite;
        i = Suite - 1;
    }
}

// ---- Assembler ----

int Bits_Directive(std::string_view Mot)
{
    const std::string m = Minuscules(Mot);
    return m == "dc.b" ? 8 : m == "dc.w" || m == "dc" ? 16 : m == "dc.l" ? 32 : 0;
}

std::string_view Sans_Deux_Points(std::string_view Nom)
{
    if (Nom.ends_with(':'))
        Nom.remove_suffix(1);
    return Nom;
}

// A label followed by dc lines; blank and comment lines do not end it, anything else does.
void Lire_Assembleur(std::string_view Texte, Lecture &L, std::size_t Nombres)
{
    std::string_view Etiquette;
    bool Etiquette_Active = false;
    std::size_t Courant = SIZE_MAX; // the block being filled, in L.Tableaux

    const auto Donnees = [&](std::string_view Directive, std::string_view Liste)
    {
        const int Bits = Bits_Directive(Directive);
        if (!Etiquette_Active || Bits == 0)
        {
            Etiquette_Active = false;
            Courant = SIZE_MAX;
            return;
        }
        if (Courant == SIZE_MAX)
        {
            if (!Nouveau_Tableau(L, Etiquette, Bits))
                return;
            Courant = L.Tableaux.size() - 1;
        }
        Tableau &T = L.Tableaux[Courant];
        if (!T.Erreur.isEmpty())
            return;
        if (T.Bits != Bits)
        {
            T.Erreur = QStringLiteral("éléments de tailles mêlées");
            return;
        }
        Liste = Rogner(Liste);
        while (!Liste.empty())
        {
            const std::size_t Virgule = Liste.find(',');
            if (!Ajouter_Nombre(T, Liste.substr(0, Virgule), true, Nombres))
                return;
            if (Virgule == std::string_view::npos)
                break;
            Liste.remove_prefix(Virgule + 1);
            if (Rogner(Liste).empty())
            {
                T.Erreur = QStringLiteral("nombre manquant après la dernière virgule");
                return;
            }
        }
    };

    std::size_t Debut = 0;
    while (Debut < Texte.size() && L.Erreur.isEmpty())
    {
        std::size_t Fin = Texte.find('\n', Debut);
        if (Fin == std::string_view::npos)
            Fin = Texte.size();
        std::string_view Ligne = Texte.substr(Debut, Fin - Debut);
        Debut = Fin + 1;
        const std::string_view Sans_Blanc = Rogner(Ligne);
        if (Sans_Blanc.empty() || Sans_Blanc.front() == '*' || Sans_Blanc.front() == ';')
            continue;
        Ligne = Ligne.substr(0, Ligne.find(';'));
        const bool Colonne_0 = !Blanc(Ligne.front());
        auto [Mot, Reste] = Mot_Suivant(Ligne);
        if (!Colonne_0 && Mot.ends_with(':'))
        {
            // An indented label needs its colon; it may carry its first dc line.
            Etiquette = Sans_Deux_Points(Mot);
            Etiquette_Active = true;
            Courant = SIZE_MAX;
            std::tie(Mot, Reste) = Mot_Suivant(Reste);
            if (!Mot.empty())
                Donnees(Mot, Reste);
        }
        else if (!Colonne_0)
            Donnees(Mot, Reste);
        else
        {
            const auto [Mot_2, Reste_2] = Mot_Suivant(Reste);
            const std::string Directive = Minuscules(Mot_2);
            Courant = SIZE_MAX;
            if (Directive == "equ" || Directive == "set" || Directive == "=")
            {
                Ajouter_Constante(L, Sans_Deux_Points(Mot), Reste_2);
                Etiquette_Active = false;
            }
            else if (Bits_Directive(Mot_2))
            {
                Etiquette = Sans_Deux_Points(Mot);
                Etiquette_Active = true;
                Donnees(Mot_2, Reste_2);
            }
            else
            {
                // The whole line: the plug-ins write a name with blanks as it is.
                Etiquette = Sans_Deux_Points(Rogner(Ligne));
                Etiquette_Active = true;
            }
        }
    }
}
} // namespace

// A number as C or assembler writes it: C's 0x, 0b, octal and suffixes, the assembler's $ % @.
std::optional<std::uint64_t> Lire_Nombre(std::string_view t, bool Assembleur)
{
    t = Rogner(t);
    int Base = 10;
    if (Assembleur && !t.empty() && (t[0] == '$' || t[0] == '%' || t[0] == '@'))
    {
        Base = t[0] == '$' ? 16 : t[0] == '%' ? 2 : 8;
        t.remove_prefix(1);
    }
    else if (t.size() > 1 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X'))
    {
        Base = 16;
        t.remove_prefix(2);
    }
    else if (!Assembleur && t.size() > 1 && t[0] == '0' && (t[1] == 'b' || t[1] == 'B'))
    {
        Base = 2;
        t.remove_prefix(2);
    }
    else if (!Assembleur && t.size() > 1 && t[0] == '0')
        Base = 8;
    if (!Assembleur)
        while (!t.empty() &&
               (t.back() == 'u' || t.back() == 'U' || t.back() == 'l' || t.back() == 'L'))
            t.remove_suffix(1);
    if (t.empty())
        return std::nullopt;
    std::uint64_t Valeur = 0;
    for (const char c : t)
    {
        const int d = Chiffre(c);
        if (d >= Base)
            return std::nullopt;
        Valeur = std::min<std::uint64_t>(Valeur * Base + d, Trop_Grand);
    }
    return Valeur;
}

std::string_view Rogner(std::string_view t)
{
    while (!t.empty() && Blanc(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && Blanc(t.back()))
        t.remove_suffix(1);
    return t;
}

QString Cite(std::string_view t)
{
    // A whole line of junk would drown the message.
    constexpr std::size_t Longueur = 24;
    QString Texte = Depuis_Cp1252(t.substr(0, Longueur));
    if (t.size() > Longueur)
        Texte += QStringLiteral("…");
    return QStringLiteral("« %1 »").arg(Texte);
}

Lecture Analyser_Source(std::string_view Texte, std::size_t Nombres_Par_Tableau)
{
    Lecture L;
    Lire_C(Texte, L, Nombres_Par_Tableau);
    if (L.Erreur.isEmpty())
        Lire_Assembleur(Texte, L, Nombres_Par_Tableau);
    return L;
}
} // namespace Corvanel
