#include "Decoupage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>

namespace Corvanel
{
std::vector<Case_Sprite> Cases_Grille(int Largeur, int Hauteur, const Grille_Sprites &Grille)
{
    std::vector<Case_Sprite> Cases;
    if (Grille.Largeur < 1 || Grille.Hauteur < 1)
        return Cases;
    int Indice = 0;
    for (int Y = 0; Y + Grille.Hauteur <= Hauteur; Y += Grille.Hauteur)
        for (int X = 0; X + Grille.Largeur <= Largeur; X += Grille.Largeur)
            Cases.push_back({Indice++, X, Y});
    return Cases;
}

Document_Image Extraire_Case(const Document_Image &Document, const Case_Sprite &Case,
                             const Grille_Sprites &Grille)
{
    Document_Image Cellule;
    Cellule.Largeur_Image = static_cast<std::uint8_t>(Grille.Largeur);
    Cellule.Hauteur_Image = static_cast<std::uint8_t>(Grille.Hauteur);
    Cellule.Nombre_Couleur = Document.Nombre_Couleur;
    Cellule.Nombre_Choisi = Document.Nombre_Choisi;
    for (int X = 0; X < Grille.Largeur; ++X)
        for (int Y = 0; Y < Grille.Hauteur; ++Y)
        {
            Cellule.Plan_Image[Indice(X, Y)] = Document.Plan_Image[Indice(Case.X + X, Case.Y + Y)];
            Cellule.Plan_Mask[Indice(X, Y)] = Document.Plan_Mask[Indice(Case.X + X, Case.Y + Y)];
        }
    return Cellule;
}

Document_Image Convertir_Case_Source(const Document_Image &Document, const Case_Sprite &Case,
                                     const Grille_Sprites &Grille)
{
    Document_Image Cellule;
    Cellule.Nombre_Couleur = Document.Nombre_Couleur;
    Cellule.Nombre_Choisi = Document.Nombre_Choisi;
    Cellule.Bandes_Lum = Document.Bandes_Lum;
    Cellule.Conversion = Document.Conversion;
    Cellule.Conversion.Adapter = false;
    Cellule.Largeur_Image = static_cast<std::uint8_t>(Grille.Largeur);
    Cellule.Hauteur_Image = static_cast<std::uint8_t>(Grille.Hauteur);
    Cellule.Prendre_Source(
        Document.Image_Couleur.Image.copy(Case.X, Case.Y, Grille.Largeur, Grille.Hauteur),
        Grille.Largeur, Grille.Hauteur);
    return Cellule;
}

bool Case_Vide(const Document_Image &Cellule)
{
    for (int X = 0; X < Cellule.Largeur_Image; ++X)
        for (int Y = 0; Y < Cellule.Hauteur_Image; ++Y)
            if (Cellule.Plan_Image[Indice(X, Y)] != Code::Blanc ||
                Cellule.Plan_Mask[Indice(X, Y)] == 1)
                return false;
    return true;
}

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
// The arrays (C) or the data labels (assembler) that a cell's output defines, in order.
QStringList Etiquettes(const QByteArray &Sortie, Langage_Source Langage)
{
    static const QRegularExpression Tableau_C(
        QStringLiteral("([A-Za-z_][A-Za-z0-9_]*)\\s*\\[[^\\]]*\\]\\s*="));
    // A label alone on its line, or before its data; never a constant defined with equ.
    static const QRegularExpression Etiquette_Asm(
        QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*):?(?:[ \\t]*$|[ \\t]+dc\\.)"),
        QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
    QString Texte = QString::fromLatin1(Sortie);
    Texte.remove(QLatin1Char('\r'));
    QStringList Noms;
    auto Trouves = (Langage == Langage_Source::C ? Tableau_C : Etiquette_Asm).globalMatch(Texte);
    while (Trouves.hasNext())
    {
        const QString Nom = Trouves.next().captured(1);
        if (!Noms.contains(Nom))
            Noms << Nom;
    }
    return Noms;
}

// "<nom>_<i>" where it stands as the cell's name, not as the start of "<nom>_<i>0".
QRegularExpression Marque_Case(const QString &Nom, int Indice)
{
    return QRegularExpression(QRegularExpression::escape(Nom_Case(Nom, Indice)) +
                              QStringLiteral("(?![0-9])"));
}

QByteArray Vers_Dos(const QString &Texte)
{
    QByteArray Octets = Texte.toLatin1();
    Octets.replace("\n", "\r\n");
    return Octets;
}
} // namespace

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
        const QRegularExpression Marque = Marque_Case(Nom, static_cast<int>(i));
        for (const QString &Etiquette : Etiquettes(*Sorties[i], Langage))
        {
            if (!Etiquette.contains(Marque))
                continue;
            QString Modele = Etiquette;
            Modele.replace(Marque, Nom + QStringLiteral("_Table"));
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
    return Planche;
}

QString Chemin_Case(const QString &Chemin, int Indice)
{
    const QFileInfo Info(Chemin);
    const QString Fichier = Info.fileName();
    const qsizetype Point = Fichier.lastIndexOf(QLatin1Char('.'));
    const QString Dossier = Chemin.left(Chemin.size() - Fichier.size());
    if (Point <= 0)
        return Dossier + QStringLiteral("%1_%2").arg(Fichier).arg(Indice);
    return Dossier +
           QStringLiteral("%1_%2%3").arg(Fichier.left(Point)).arg(Indice).arg(Fichier.mid(Point));
}

QString Titre_Planche(const Resultat_Planche &Resultat)
{
    if (!Resultat.Enregistrement.Reussi())
        return Titre_Enregistrement(Resultat.Enregistrement);
    return QStringLiteral("%1 sprite(s) enregistré(s), %2 ignoré(s)")
        .arg(Resultat.Ecrits)
        .arg(Resultat.Ignores);
}

namespace
{
Resultat_Enregistrement Enregistrer_Cellule(const Document_Image &Cellule, const Plug_Info &Slot,
                                            Genre_Enregistrement Genre, const QString &Chemin,
                                            const QString &Nom, const Options_Appel &Options)
{
    return Genre == Genre_Enregistrement::Mask
               ? Cellule.Enregistrer_Mask(Slot, Chemin, Nom, Options)
               : Cellule.Enregistrer_Image(Slot, Chemin, Nom, Options);
}

Resultat_Enregistrement Echec_Fichier(const Plug_Info &Slot, Genre_Enregistrement Genre,
                                      const QString &Chemin, const QString &Detail)
{
    Resultat_Enregistrement Resultat;
    Resultat.Genre = Genre;
    Resultat.Echec = Echec_Enregistrement::Fichier;
    Resultat.Fichier = Slot.Fichier;
    Resultat.Chemin = Chemin;
    Resultat.Detail = Detail;
    return Resultat;
}
} // namespace

Resultat_Planche Enregistrer_Planche(int Nombre, const std::function<Document_Image(int)> &Case,
                                     const Plug_Info &Slot, Genre_Enregistrement Genre,
                                     const QString &Chemin, const QString &Nom, bool Ignorer_Vides,
                                     const Options_Appel &Options)
{
    Resultat_Planche Resultat;
    Resultat.Enregistrement.Genre = Genre;
    Resultat.Enregistrement.Fichier = Slot.Fichier;
    Resultat.Enregistrement.Chemin = Chemin;
    if (Slot.Fichier.empty())
    {
        Resultat.Enregistrement.Echec = Echec_Enregistrement::Sans_Plugin;
        return Resultat;
    }
    const Langage_Source Langage = Langage_Extention(Slot.Extention);
    // Source text: each cell goes to a scratch file, and the sheet reaches its own file in one
    // piece at the end.
    QTemporaryDir Brouillon;
    if (Langage != Langage_Source::Aucun && !Brouillon.isValid())
    {
        Resultat.Enregistrement = Echec_Fichier(Slot, Genre, Chemin, Brouillon.errorString());
        return Resultat;
    }
    std::vector<std::optional<QByteArray>> Sorties(static_cast<std::size_t>(std::max(Nombre, 0)));
    for (int i = 0; i < Nombre; ++i)
    {
        const Document_Image Cellule = Case(i);
        if (Ignorer_Vides && Case_Vide(Cellule))
        {
            ++Resultat.Ignores;
            continue;
        }
        const QString Nom_Cellule = Nom_Case(Nom, i);
        if (Langage == Langage_Source::Aucun)
        {
            const Resultat_Enregistrement Un = Enregistrer_Cellule(
                Cellule, Slot, Genre, Chemin_Case(Chemin, i), Nom_Cellule, Options);
            if (!Un.Reussi())
            {
                Resultat.Enregistrement = Un;
                return Resultat;
            }
            ++Resultat.Ecrits;
            continue;
        }
        const QString Fichier =
            Brouillon.filePath(QStringLiteral("case.") + QString::fromStdString(Slot.Extention));
        Resultat_Enregistrement Un =
            Enregistrer_Cellule(Cellule, Slot, Genre, Fichier, Nom_Cellule, Options);
        QFile Lu(Fichier);
        if (Un.Reussi() && !Lu.open(QIODevice::ReadOnly))
            Un = Echec_Fichier(Slot, Genre, Chemin, Lu.errorString());
        if (!Un.Reussi())
        {
            Un.Chemin = Chemin;
            Resultat.Enregistrement = Un;
            return Resultat;
        }
        Sorties[static_cast<std::size_t>(i)] = Lu.readAll();
        Lu.close();
        Lu.remove();
        ++Resultat.Ecrits;
    }
    if (Langage == Langage_Source::Aucun)
        return Resultat;
    QSaveFile Planche(Chemin);
    if (!Planche.open(QIODevice::WriteOnly))
    {
        Resultat.Enregistrement = Echec_Fichier(Slot, Genre, Chemin, Planche.errorString());
        return Resultat;
    }
    const QByteArray Texte = Assembler_Planche(Sorties, Nom, Langage);
    if (Planche.write(Texte) != Texte.size() || !Planche.commit())
        Resultat.Enregistrement = Echec_Fichier(Slot, Genre, Chemin, Planche.errorString());
    return Resultat;
}

Resultat_Planche Enregistrer_Planche(const Document_Image &Document, const Grille_Sprites &Grille,
                                     const Plug_Info &Slot, Genre_Enregistrement Genre,
                                     const QString &Chemin, const QString &Nom,
                                     const Options_Appel &Options)
{
    const std::vector<Case_Sprite> Cases =
        Cases_Grille(Document.Largeur_Image, Document.Hauteur_Image, Grille);
    return Enregistrer_Planche(
        static_cast<int>(Cases.size()),
        [&](int i) { return Extraire_Case(Document, Cases[static_cast<std::size_t>(i)], Grille); },
        Slot, Genre, Chemin, Nom, Grille.Ignorer_Vides, Options);
}
} // namespace Corvanel
