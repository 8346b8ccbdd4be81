#include "Choix_Ligne.h"

#include "Bandes.h"
#include "Choix_Image.h"
#include "Plan.h"
#include "Reponses_Ligne.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <thread>
#include <type_traits>

namespace Corvanel
{
namespace
{
// A TI 92 picture at 16 is 3840 pixels wide, about what the edit window allows.
constexpr int Zoom_Apercu_Maximum = 16;

// A size or a background as the command line spells it: lower case, no blanks, "x" for the
// multiplication sign.
QString Forme_Option(const QString &Nom)
{
    QString Forme = Nom.trimmed().toLower();
    Forme.remove(QRegularExpression(QStringLiteral("\\s")));
    Forme.replace(QChar(0x00D7), QLatin1Char('x'));
    return Forme;
}

const Taille_Predefinie *Trouver_Taille(const QString &Nom)
{
    for (const Taille_Predefinie &T : Tailles_Image)
        if (!T.Libre && Forme_Option(QString::fromUtf8(T.Nom)) == Forme_Option(Nom))
            return &T;
    return nullptr;
}

// By the option's name, the list's own name with dashes for blanks, or the level's digit (the
// transparency is no level).
const Fond_Mask *Trouver_Fond(const QString &Nom)
{
    const QString Cherche = Nom.trimmed().toLower();
    for (const Fond_Mask &F : Fonds_Mask)
        if (Cherche == QLatin1String(F.Option) ||
            Cherche ==
                QString::fromUtf8(F.Nom).toLower().replace(QLatin1Char(' '), QLatin1Char('-')) ||
            (Cherche == QString::number(F.Niveau) && F.Niveau != Fond_Transparence))
            return &F;
    return nullptr;
}

// "#RRGGBB=N,...": each colour with its level code, a code of the level count.
bool Lire_Palette(const QString &Texte, std::uint8_t Nombre, std::vector<Couleur_Fixee> &Palette,
                  QString &Raison)
{
    static const QRegularExpression Forme(
        QStringLiteral("^\\s*#?([0-9A-Fa-f]{6})\\s*=\\s*(\\d+)\\s*$"));
    const std::vector<std::uint8_t> Codes = Codes_En_Usage(Nombre);
    QStringList Permis;
    for (std::uint8_t C : Codes)
        Permis << QString::number(C);
    for (const QString &Entree : Texte.split(QLatin1Char(',')))
    {
        const auto Trouve = Forme.match(Entree);
        int Code = -1;
        if (!Trouve.hasMatch() || !Lire_Entier(Trouve.captured(2), Code))
        {
            Raison = QStringLiteral("« %1 » n'est pas de la forme #RRVVBB=N").arg(Entree.trimmed());
            return false;
        }
        if (std::find(Codes.begin(), Codes.end(), Code) == Codes.end())
        {
            Raison = QStringLiteral("niveau %1 inconnu à %2 niveaux (%3)")
                         .arg(Code)
                         .arg(Nombre)
                         .arg(Permis.join(QStringLiteral(", ")));
            return false;
        }
        // #RRGGBB, red first; a colour value has red in its low byte.
        const std::uint32_t Rgb = Trouve.captured(1).toUInt(nullptr, 16);
        const std::uint32_t Valeur = ((Rgb >> 16) & 0xFF) | (Rgb & 0xFF00) | ((Rgb & 0xFF) << 16);
        for (const Couleur_Fixee &Deja : Palette)
            if (Deja.Valeur == Valeur)
            {
                Raison = QStringLiteral("la couleur #%1 est donnée deux fois")
                             .arg(Trouve.captured(1).toUpper());
                return false;
            }
        Palette.push_back({Valeur, static_cast<std::uint8_t>(Code)});
    }
    return true;
}

// A conversion mode by its command-line spelling; -1 when the list has none of that name.
template <std::size_t Nombre>
int Trouver_Mode(const Mode_Nomme (&Modes)[Nombre], const QString &Nom)
{
    const QString Cherche = Nom.trimmed().toLower();
    for (std::size_t i = 0; i < Nombre; ++i)
        if (Cherche == QLatin1String(Modes[i].Option))
            return static_cast<int>(i);
    return -1;
}

// "a, b ou c", as the usage errors list what is accepted.
template <std::size_t Nombre> QString Modes_Offerts(const Mode_Nomme (&Modes)[Nombre])
{
    QString Texte;
    for (std::size_t i = 0; i < Nombre; ++i)
        Texte += (i == 0            ? QString()
                  : i + 1 == Nombre ? QStringLiteral(" ou ")
                                    : QStringLiteral(", ")) +
                 QLatin1String(Modes[i].Option);
    return Texte;
}
} // namespace

std::optional<Analyse> Lire_Choix(const QCommandLineParser &Parseur, Lot &Lot_)
{
    const auto Option = [&Parseur](const char *Nom) { return Parseur.isSet(QLatin1String(Nom)); };
    const auto Valeur = [&Parseur](const char *Nom) { return Parseur.value(QLatin1String(Nom)); };
    Choix_Conversion &Choix = Lot_.Choix;

    if (Option("taille") && (Option("largeur") || Option("hauteur")))
        return Erreur_Usage(QStringLiteral("--taille et --largeur/--hauteur s'excluent"));
    if (Option("largeur") != Option("hauteur"))
        return Erreur_Usage(QStringLiteral("--largeur et --hauteur vont ensemble"));
    if (Option("taille"))
    {
        const Taille_Predefinie *Trouvee = Trouver_Taille(Valeur("taille"));
        if (!Trouvee)
            return Erreur_Usage(QStringLiteral("taille inconnue « %1 » (TI 89, TI 92, 32x32, "
                                               "16x16 ou 8x8)")
                                    .arg(Valeur("taille")));
        Choix.Largeur = Trouvee->Largeur;
        Choix.Hauteur = Trouvee->Hauteur;
    }
    if (Option("largeur"))
    {
        int Largeur = 0;
        int Hauteur = 0;
        if (!Lire_Entier(Valeur("largeur"), Largeur) || !Lire_Entier(Valeur("hauteur"), Hauteur) ||
            !Taille_Valide(Largeur, Hauteur))
            return Erreur_Usage(QStringLiteral("taille refusée « %1 x %2 » : la largeur va de 1 "
                                               "à 240 pixels et la hauteur de 1 à 128")
                                    .arg(Valeur("largeur"), Valeur("hauteur")));
        Choix.Largeur = Largeur;
        Choix.Hauteur = Hauteur;
    }
    Choix.Adapter = !Option("couper");
    Choix.Proportions = Option("proportions");
    if (Choix.Proportions && Option("couper"))
        return Erreur_Usage(QStringLiteral("--proportions ne sert qu'en adaptant l'image à la "
                                           "taille, pas avec --couper"));
    Lot_.Images = Option("images");
    if (Lot_.Images && Option("grille"))
        return Erreur_Usage(QStringLiteral("--images et --grille s'excluent"));
    if (Option("ignorer-vides") && !Option("grille"))
        return Erreur_Usage(QStringLiteral("--ignorer-vides ne sert qu'avec --grille"));
    // "LxH" within the picture's limits.
    const auto Lire_Cote = [&](const char *Nom, int &Largeur, int &Hauteur)
    {
        static const QRegularExpression Forme(
            QStringLiteral("^\\s*(\\d+)\\s*[xX\u00D7]\\s*(\\d+)\\s*$"));
        const auto Trouve = Forme.match(Valeur(Nom));
        return Trouve.hasMatch() && Lire_Entier(Trouve.captured(1), Largeur) &&
               Lire_Entier(Trouve.captured(2), Hauteur) && Grille_Valide(Largeur, Hauteur);
    };
    if (Option("grille"))
    {
        int Largeur = 0;
        int Hauteur = 0;
        if (!Lire_Cote("grille", Largeur, Hauteur))
            return Erreur_Usage(QStringLiteral("grille refusée « %1 » : LxH, la largeur de 1 à "
                                               "240 pixels et la hauteur de 1 à 128")
                                    .arg(Valeur("grille")));
        if (Option("couper") && (Option("taille") || Option("largeur") || Option("hauteur")))
            return Erreur_Usage(QStringLiteral("avec --grille et --couper, la source est découpée "
                                               "telle quelle : --taille, --largeur et --hauteur "
                                               "n'y ont pas de sens"));
        Lot_.Grille = Grille_Sprites{Largeur, Hauteur, Option("ignorer-vides")};
        Lot_.Decouper_Source = Option("couper");
    }
    Lot_.Compresser = Option("compresser");
    if (Option("carte"))
    {
        int Largeur = 0;
        int Hauteur = 0;
        if (!Lire_Cote("carte", Largeur, Hauteur))
            return Erreur_Usage(QStringLiteral("tuiles refusées « %1 » : LxH, la largeur de 1 à "
                                               "240 pixels et la hauteur de 1 à 128")
                                    .arg(Valeur("carte")));
        if (Option("grille"))
            return Erreur_Usage(QStringLiteral("--carte et --grille s'excluent"));
        if (Lot_.Images)
            return Erreur_Usage(QStringLiteral("--images et --carte s'excluent"));
        if (Choix.Proportions)
            return Erreur_Usage(QStringLiteral("avec --carte, la source est découpée telle "
                                               "quelle : --proportions n'y a pas de sens"));
        if (Option("taille") || Option("largeur") || Option("hauteur"))
            return Erreur_Usage(QStringLiteral("avec --carte, la source est découpée telle "
                                               "quelle : --taille, --largeur et --hauteur n'y "
                                               "ont pas de sens"));
        if (Option("apercu"))
            return Erreur_Usage(QStringLiteral("avec --carte, les tuiles sont prises dans la "
                                               "source elle-même : --apercu n'a pas d'image à "
                                               "montrer"));
        Lot_.Carte = Taille_Tuile{Largeur, Hauteur};
        // Nothing but the map is written: the picture read needs no fitting.
        Choix.Adapter = false;
    }
    if (Option("niveaux"))
    {
        int Niveaux = 0;
        if (!Lire_Entier(Valeur("niveaux"), Niveaux) ||
            (Niveaux != 2 && Niveaux != 4 && Niveaux != 8))
            return Erreur_Usage(QStringLiteral("nombre de niveaux refusé « %1 » (2, 4 ou 8)")
                                    .arg(Valeur("niveaux")));
        Choix.Nombre_Couleur = static_cast<std::uint8_t>(Niveaux);
    }
    Choix.Equilibrer = Option("equilibrer");
    for (const auto &[Nom, Appuis] :
         {std::pair{"lumiere", &Choix.Lumiere}, std::pair{"contraste", &Choix.Contraste}})
        if (Option(Nom) && !Lire_Entier(Valeur(Nom), *Appuis))
            return Erreur_Usage(QStringLiteral("nombre d'appuis refusé pour --%1 : « %2 »")
                                    .arg(QLatin1String(Nom), Valeur(Nom)));
    const auto Lire_Mode = [&](const char *Nom, const auto &Modes, auto &Mode)
    {
        if (!Option(Nom))
            return true;
        const int Trouve = Trouver_Mode(Modes, Valeur(Nom));
        if (Trouve >= 0)
            Mode = static_cast<std::remove_reference_t<decltype(Mode)>>(Trouve);
        return Trouve >= 0;
    };
    if (!Lire_Mode("echantillonnage", Modes_Echantillonnage, Choix.Echantillonnage))
        return Erreur_Usage(
            QStringLiteral("échantillonnage inconnu « %1 » (%2)")
                .arg(Valeur("echantillonnage"), Modes_Offerts(Modes_Echantillonnage)));
    if (!Lire_Mode("teinte", Modes_Teinte, Choix.Teinte))
        return Erreur_Usage(QStringLiteral("teinte inconnue « %1 » (%2)")
                                .arg(Valeur("teinte"), Modes_Offerts(Modes_Teinte)));
    if (!Lire_Mode("tramage", Modes_Tramage, Choix.Tramage))
        return Erreur_Usage(QStringLiteral("tramage inconnu « %1 » (%2)")
                                .arg(Valeur("tramage"), Modes_Offerts(Modes_Tramage)));
    if (Option("palette"))
    {
        if (Choix.Teinte != Mode_Teinte::Couleurs_Exactes)
            return Erreur_Usage(QStringLiteral("--palette ne sert qu'avec --teinte exacte"));
        QString Raison;
        if (!Lire_Palette(Valeur("palette"), Choix.Nombre_Couleur, Choix.Palette, Raison))
            return Erreur_Usage(
                QStringLiteral("palette refusée « %1 » : %2").arg(Valeur("palette"), Raison));
    }
    if (Option("zoom"))
    {
        if (!Lire_Entier(Valeur("zoom"), Lot_.Zoom_Apercu) || Lot_.Zoom_Apercu < 1 ||
            Lot_.Zoom_Apercu > Zoom_Apercu_Maximum)
            return Erreur_Usage(QStringLiteral("zoom refusé « %1 » (1 à %2)")
                                    .arg(Valeur("zoom"))
                                    .arg(Zoom_Apercu_Maximum));
        if (!Option("apercu"))
            return Erreur_Usage(QStringLiteral("--zoom ne sert qu'avec --apercu"));
    }
    if (Option("apercu") && Lot_.Decouper_Source)
        return Erreur_Usage(QStringLiteral("avec --grille et --couper, les cases sont prises "
                                           "dans la source elle-même : --apercu n'a pas "
                                           "d'image à montrer"));
    if (Option("fond"))
    {
        const Fond_Mask *Trouve = Trouver_Fond(Valeur("fond"));
        if (Trouve)
            Lot_.Fond = Trouve->Niveau;
        else
            return Erreur_Usage(QStringLiteral("fond inconnu « %1 » (blanc, gris-clair, "
                                               "gris-fonce, noir, 0 à 3, ou transparence)")
                                    .arg(Valeur("fond")));
    }
    Lot_.Taches = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (Option("taches") && (!Lire_Entier(Valeur("taches"), Lot_.Taches) || Lot_.Taches < 1))
        return Erreur_Usage(QStringLiteral("nombre de tâches refusé « %1 »").arg(Valeur("taches")));

    return std::nullopt;
}
} // namespace Corvanel
