#include "Choix_Ligne.h"

#include "Choix_Image.h"
#include "Plan.h"
#include "Reponses_Ligne.h"

#include <QCommandLineParser>
#include <QRegularExpression>
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

// By the option's name, the list's own name with dashes for blanks, or the level's digit.
const Fond_Mask *Trouver_Fond(const QString &Nom)
{
    const QString Cherche = Nom.trimmed().toLower();
    for (const Fond_Mask &F : Fonds_Mask)
        if (Cherche == QLatin1String(F.Option) ||
            Cherche ==
                QString::fromUtf8(F.Nom).toLower().replace(QLatin1Char(' '), QLatin1Char('-')) ||
            Cherche == QString::number(F.Niveau))
            return &F;
    return nullptr;
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
                                               "gris-fonce, noir, ou 0 à 3)")
                                    .arg(Valeur("fond")));
    }
    Lot_.Taches = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (Option("taches") && (!Lire_Entier(Valeur("taches"), Lot_.Taches) || Lot_.Taches < 1))
        return Erreur_Usage(QStringLiteral("nombre de tâches refusé « %1 »").arg(Valeur("taches")));

    return std::nullopt;
}
} // namespace Corvanel
