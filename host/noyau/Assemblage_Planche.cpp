#include "Assemblage_Planche.h"

namespace Corvanel
{
QString Nom_Case(const QString &Nom, int Indice)
{
    return QStringLiteral("%1_%2").arg(Nom).arg(Indice);
}

Langage_Source Langage_Extention(const std::string &Extention)
{
    const QString Ext = QString::fromStdString(Extention).toLower();
    if (Ext == QLatin1String("c") || Ext == QLatin1String("h"))
        return Langage_Source::C;
    if (Ext == QLatin1String("asm") || Ext == QLatin1String("s"))
        return Langage_Source::Assembleur;
    return Langage_Source::Aucun;
}

namespace
{
bool Lettre_Nom(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (c >= '0' && c <= '9');
}

bool Debut_Nom(char c)
{
    return Lettre_Nom(c) && !(c >= '0' && c <= '9');
}

bool Blanc(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Every "name [ ... ] =" of C source: the arrays it defines.
void Tableaux_C(const QByteArray &Texte, QStringList &Noms)
{
    const char *Octets = Texte.constData();
    const qsizetype Taille = Texte.size();
    for (qsizetype Crochet = Texte.indexOf('['); Crochet >= 0;
         Crochet = Texte.indexOf('[', Crochet + 1))
    {
        qsizetype Fin = Crochet;
        while (Fin > 0 && Blanc(Octets[Fin - 1]))
            --Fin;
        qsizetype Debut = Fin;
        while (Debut > 0 && Lettre_Nom(Octets[Debut - 1]))
            --Debut;
        if (Debut == Fin || !Debut_Nom(Octets[Debut]))
            continue;
        const qsizetype Ferme = Texte.indexOf(']', Crochet);
        if (Ferme < 0)
            break;
        qsizetype Suite = Ferme + 1;
        while (Suite < Taille && Blanc(Octets[Suite]))
            ++Suite;
        if (Suite < Taille && Octets[Suite] == '=')
            Noms << QString::fromLatin1(Octets + Debut, Fin - Debut);
    }
}

// Every assembler label alone on its line or before its data, never a constant given by equ.
void Etiquettes_Asm(const QByteArray &Texte, QStringList &Noms)
{
    const char *Octets = Texte.constData();
    const qsizetype Taille = Texte.size();
    for (qsizetype Ligne = 0; Ligne < Taille;)
    {
        qsizetype Fin_Ligne = Texte.indexOf('\n', Ligne);
        if (Fin_Ligne < 0)
            Fin_Ligne = Taille;
        qsizetype Fin = Ligne;
        if (Fin < Fin_Ligne && Debut_Nom(Octets[Fin]))
        {
            while (Fin < Fin_Ligne && Lettre_Nom(Octets[Fin]))
                ++Fin;
            qsizetype Suite = Fin;
            if (Suite < Fin_Ligne && Octets[Suite] == ':')
                ++Suite;
            qsizetype Donnees = Suite;
            while (Donnees < Fin_Ligne && (Octets[Donnees] == ' ' || Octets[Donnees] == '\t'))
                ++Donnees;
            const bool Seule =
                Donnees == Fin_Ligne || (Donnees + 1 == Fin_Ligne && Octets[Donnees] == '\r');
            const bool Avant_Donnees =
                Donnees > Suite && Fin_Ligne - Donnees >= 3 &&
                QByteArrayView(Octets + Donnees, 3).compare("dc.", Qt::CaseInsensitive) == 0;
            if (Seule || Avant_Donnees)
                Noms << QString::fromLatin1(Octets + Ligne, Fin - Ligne);
        }
        Ligne = Fin_Ligne + 1;
    }
}

// Where "<nom>_<i>" stands in a name as the cell's name, not as the start of "<nom>_<i>0";
// -1 when it does not.
qsizetype Position_Case(const QString &Etiquette, const QString &Marque)
{
    for (qsizetype Position = Etiquette.indexOf(Marque); Position >= 0;
         Position = Etiquette.indexOf(Marque, Position + 1))
    {
        const qsizetype Apres = Position + Marque.size();
        if (Apres >= Etiquette.size() || !Etiquette[Apres].isDigit())
            return Position;
    }
    return -1;
}

} // namespace

// The arrays (C) or the data labels (assembler) that a cell's output defines, in order.
QStringList Etiquettes(const QByteArray &Sortie, Langage_Source Langage)
{
    QStringList Trouves;
    if (Langage == Langage_Source::C)
        Tableaux_C(Sortie, Trouves);
    else
        Etiquettes_Asm(Sortie, Trouves);
    QStringList Noms;
    for (const QString &Nom : Trouves)
        if (!Noms.contains(Nom))
            Noms << Nom;
    return Noms;
}

QByteArray Vers_Dos(const QString &Texte)
{
    QByteArray Octets = Texte.toLatin1();
    Octets.replace("\n", "\r\n");
    return Octets;
}

QByteArray Assembler_Planche(const std::vector<std::optional<QByteArray>> &Sorties,
                             const QString &Nom, Langage_Source Langage)
{
    QByteArray Planche;
    // Each table is named after the cells' array with the cell's number replaced by "Table";
    // the first cell that defines it fixes the order.
    QStringList Modeles;
    std::vector<QStringList> Definis(Sorties.size());
    for (std::size_t i = 0; i < Sorties.size(); ++i)
    {
        if (!Sorties[i])
            continue;
        Planche += *Sorties[i];
        if (Langage == Langage_Source::Aucun)
            continue;
        const QString Marque = Nom_Case(Nom, static_cast<int>(i));
        for (const QString &Etiquette : Etiquettes(*Sorties[i], Langage))
        {
            const qsizetype Position = Position_Case(Etiquette, Marque);
            if (Position < 0)
                continue;
            QString Modele = Etiquette;
            Modele.replace(Position, Marque.size(), Nom + QStringLiteral("_Table"));
            Definis[i] << Modele;
            if (!Modeles.contains(Modele))
                Modeles << Modele;
        }
    }
    const QString Table = Nom + QStringLiteral("_Table");
    for (const QString &Modele : Modeles)
    {
        QStringList Entrees;
        for (std::size_t i = 0; i < Sorties.size(); ++i)
        {
            QString Entree = Modele;
            Entree.replace(Table, Nom_Case(Nom, static_cast<int>(i)));
            Entrees << (Definis[i].contains(Modele) ? Entree : QStringLiteral("0"));
        }
        QString Texte;
        if (Langage == Langage_Source::C)
        {
            Texte = QStringLiteral("\nvoid *%1[] = {").arg(Modele);
            for (qsizetype k = 0; k < Entrees.size(); ++k)
                Texte += (k == 0 ? QString()
                                 : (k % 8 == 0 ? QStringLiteral(",\n\t") : QStringLiteral(","))) +
                         Entrees[k];
            Texte += QStringLiteral("};\n\n");
        }
        else
        {
            Texte = QStringLiteral("\n\teven\n%1\n").arg(Modele);
            for (qsizetype k = 0; k < Entrees.size(); k += 8)
                Texte += QStringLiteral("\tdc.l ") + Entrees.mid(k, 8).join(QLatin1Char(',')) +
                         QLatin1Char('\n');
        }
        Planche += Vers_Dos(Texte);
    }
    // The count of the tables' entries, so that a program can walk them.
    const QString Nombre = Nom + QStringLiteral("_NOMBRE");
    if (Langage == Langage_Source::C)
        Planche += Vers_Dos(QStringLiteral("#define %1 %2\n").arg(Nombre).arg(Sorties.size()));
    else if (Langage == Langage_Source::Assembleur)
        Planche += Vers_Dos(QStringLiteral("\n%1\tequ\t%2\n").arg(Nombre).arg(Sorties.size()));
    return Planche;
}
} // namespace Corvanel
