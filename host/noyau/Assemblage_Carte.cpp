#include "Assemblage_Carte.h"

#include "Cp1252.h"

#include <optional>

namespace Corvanel
{
QString Nom_Tuiles(const QString &Nom)
{
    return Nom + QStringLiteral("_Tuiles");
}

namespace
{
// One array of one tile's output: its data exactly as the plug-in wrote them.
struct Extrait
{
    QByteArray Nom;
    QByteArray Tete;
    QByteArray Donnees; // C: the elements joined by commas; assembler: the dc lines
    int Elements = 0;
};

bool Lettre_Nom(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (c >= '0' && c <= '9');
}

bool Blanc(char c)
{
    return c == ' ' || c == '\t';
}

// "name [ ... ] = { elements }" of each array the C text defines.
std::optional<std::vector<Extrait>> Extraire_C(const QByteArray &Texte)
{
    std::vector<Extrait> Extraits;
    for (const QString &Etiquette : Etiquettes(Texte, Langage_Source::C))
    {
        const QByteArray Nom = Etiquette.toLatin1();
        qsizetype Position = -1;
        for (qsizetype p = Texte.indexOf(Nom); p >= 0 && Position < 0;
             p = Texte.indexOf(Nom, p + 1))
        {
            qsizetype Suite = p + Nom.size();
            while (Suite < Texte.size() && (Blanc(Texte[Suite]) || Texte[Suite] == '\n'))
                ++Suite;
            if ((p == 0 || !Lettre_Nom(Texte[p - 1])) && Suite < Texte.size() &&
                Texte[Suite] == '[')
                Position = p;
        }
        const qsizetype Ouvre = Position < 0 ? -1 : Texte.indexOf('{', Position);
        const qsizetype Ferme = Ouvre < 0 ? -1 : Texte.indexOf('}', Ouvre);
        if (Ferme < 0)
            return std::nullopt;
        qsizetype Debut = Position;
        while (Debut > 0 && Texte[Debut - 1] != '\n' && Texte[Debut - 1] != ';' &&
               Texte[Debut - 1] != '}')
            --Debut;
        QList<QByteArray> Elements = Texte.mid(Ouvre + 1, Ferme - Ouvre - 1).split(',');
        for (QByteArray &Element : Elements)
            Element = Element.trimmed();
        // The plug-ins leave no comma after the last element, a hand may.
        if (Elements.size() > 1 && Elements.back().isEmpty())
            Elements.removeLast();
        if (Elements.contains(QByteArray()))
            return std::nullopt;
        Extraits.push_back({Nom, Texte.mid(Debut, Position - Debut).trimmed(), Elements.join(','),
                            static_cast<int>(Elements.size())});
    }
    return Extraits;
}

// The directive of a data line ("dc.b", "dc.w", ...) and the number of its operands; 0 when
// the line holds no data.
int Operandes(const QByteArray &Ligne)
{
    const QByteArray Sans_Blanc = Ligne.trimmed();
    if (!Sans_Blanc.toLower().startsWith("dc"))
        return 0;
    qsizetype Fin = 0;
    while (Fin < Sans_Blanc.size() && !Blanc(Sans_Blanc[Fin]))
        ++Fin;
    const QByteArray Liste = Sans_Blanc.mid(Fin).trimmed();
    return Liste.isEmpty() ? 0 : static_cast<int>(Liste.count(',') + 1);
}

// Each label of the assembler text with the dc lines that follow it, blank and comment lines
// left out.
std::optional<std::vector<Extrait>> Extraire_Asm(const QByteArray &Texte)
{
    QList<QByteArray> Noms;
    for (const QString &Etiquette : Etiquettes(Texte, Langage_Source::Assembleur))
        Noms << Etiquette.toLatin1();
    const QList<QByteArray> Lignes = Texte.split('\n');
    std::vector<Extrait> Extraits;
    for (qsizetype i = 0; i < Lignes.size(); ++i)
    {
        const QByteArray &Ligne = Lignes[i];
        qsizetype Fin = 0;
        while (Fin < Ligne.size() && Lettre_Nom(Ligne[Fin]))
            ++Fin;
        const QByteArray Nom = Ligne.left(Fin);
        if (Nom.isEmpty() || !Noms.contains(Nom))
            continue;
        Noms.removeOne(Nom);
        Extrait E{Nom, {}, {}, 0};
        QByteArray Reste = Ligne.mid(Fin);
        if (Reste.startsWith(':'))
            Reste.remove(0, 1);
        if (const int n = Operandes(Reste))
        {
            E.Donnees += '\t' + Reste.trimmed() + '\n';
            E.Elements += n;
        }
        for (qsizetype j = i + 1; j < Lignes.size(); ++j)
        {
            const QByteArray Suivante = Lignes[j].trimmed();
            if (Suivante.isEmpty() || Suivante.startsWith(';') || Suivante.startsWith('*'))
                continue;
            const int n = Blanc(Lignes[j][0]) ? Operandes(Suivante) : 0;
            if (n == 0)
                break;
            QByteArray Donnee = Lignes[j];
            while (!Donnee.isEmpty() && (Blanc(Donnee.back())))
                Donnee.chop(1);
            E.Donnees += Donnee + '\n';
            E.Elements += n;
            i = j;
        }
        if (E.Elements == 0)
            return std::nullopt;
        Extraits.push_back(std::move(E));
    }
    return Extraits;
}

QByteArray Nombre(long long Valeur)
{
    return QByteArray::number(Valeur);
}
} // namespace

void Assemblage_Carte::Changer_Plugin()
{
    Premier = Tableaux.size();
    Tuile = 0;
}

bool Assemblage_Carte::Ajouter(const QByteArray &Sortie)
{
    // The plug-ins write CR LF, and Roskel a lone CR more at the end of a block.
    QByteArray Texte = Sortie;
    Texte.replace("\r", "");
    const std::optional<std::vector<Extrait>> Extraits =
        Langage_ == Langage_Source::C ? Extraire_C(Texte) : Extraire_Asm(Texte);
    if (!Extraits || Extraits->empty())
    {
        Erreur_ = QStringLiteral("le plug-in n'a écrit aucun tableau lisible pour la tuile %1")
                      .arg(Tuile);
        return false;
    }
    if (Tuile == 0)
        for (const Extrait &E : *Extraits)
            Tableaux.push_back({E.Nom, E.Tete, {}, E.Elements});
    if (Extraits->size() != Tableaux.size() - Premier)
    {
        Erreur_ = QStringLiteral("la tuile %1 n'a pas les tableaux de la tuile 0").arg(Tuile);
        return false;
    }
    for (std::size_t k = 0; k < Extraits->size(); ++k)
    {
        const Extrait &E = (*Extraits)[k];
        Tableau_Tuiles &T = Tableaux[Premier + k];
        if (E.Nom != T.Nom || E.Elements != T.Elements)
        {
            Erreur_ = QStringLiteral("la tuile %1 n'a pas les tableaux de la tuile 0 (%2)")
                          .arg(Tuile)
                          .arg(Depuis_Cp1252(E.Nom.toStdString()));
            return false;
        }
        if (Langage_ == Langage_Source::C)
            T.Corps += (Tuile == 0 ? QByteArray("\t") : QByteArray(",\n\t")) + E.Donnees;
        else
            T.Corps += E.Donnees;
    }
    ++Tuile;
    return true;
}

QByteArray Assemblage_Carte::Texte(const Carte_De_Tuiles &Carte, const QString &Nom) const
{
    const bool C = Langage_ == Langage_Source::C;
    const QByteArray N = QByteArray::fromStdString(Vers_Cp1252(Nom));
    QByteArray Texte;
    for (const Tableau_Tuiles &T : Tableaux)
        Texte += C ? "\n" + T.Tete + ' ' + T.Nom + "[] = {\n" + T.Corps + "\n};\n"
                   : "\n\teven\n" + T.Nom + '\n' + T.Corps;

    // A tile engine reads the map in bytes as long as every number fits in one.
    const bool Mots = Carte.Nombre() > 256;
    const QByteArray Nom_Carte = N + "_Carte";
    Texte +=
        C ? QByteArray(Mots ? "\nunsigned short " : "\nunsigned char ") + Nom_Carte + "[] = {\n"
          : "\n\teven\n" + Nom_Carte + '\n';
    QByteArray Rangee;
    for (int Y = 0; Y < Carte.Hauteur; ++Y)
    {
        Rangee.clear();
        for (int X = 0; X < Carte.Largeur; ++X)
        {
            if (X > 0)
                Rangee += ',';
            Rangee += Nombre(Carte.Carte[static_cast<std::size_t>(Y) * Carte.Largeur + X]);
        }
        if (C)
            Texte += (Y == 0 ? QByteArray("\t") : QByteArray(",\n\t")) + Rangee;
        else
            Texte += QByteArray(Mots ? "\tdc.w " : "\tdc.b ") + Rangee + '\n';
    }
    if (C)
        Texte += "\n};\n";

    const std::pair<const char *, int> Constantes[] = {
        {"_TUILE_LARGEUR", Carte.Tuile.Largeur},
        {"_TUILE_HAUTEUR", Carte.Tuile.Hauteur},
        {"_NOMBRE", Carte.Nombre()},
        {"_CARTE_LARGEUR", Carte.Largeur},
        {"_CARTE_HAUTEUR", Carte.Hauteur},
    };
    Texte += '\n';
    for (const auto &[Suffixe, Valeur] : Constantes)
        Texte += C ? "#define " + N + Suffixe + ' ' + Nombre(Valeur) + '\n'
                   : N + Suffixe + "\tequ\t" + Nombre(Valeur) + '\n';
    Texte.replace("\n", "\r\n");
    return Texte;
}
} // namespace Corvanel
