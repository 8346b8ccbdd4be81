#include "Ligne_Commande.h"

#include "Aide_Ligne.h"
#include "Assemblage_Planche.h"
#include "Choix_Ligne.h"
#include "Cp1252.h"
#include "Plugins_Ligne.h"
#include "Reponses_Ligne.h"
#include "Sorties_Ligne.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace Corvanel
{
namespace
{
// The parser's own messages are in English; the program speaks French.
QString Traduire(const QCommandLineParser &Parseur)
{
    const QStringList Inconnues = Parseur.unknownOptionNames();
    if (!Inconnues.isEmpty())
    {
        const QString Nom = Inconnues.front();
        return QStringLiteral("option inconnue « %1%2 »")
            .arg(Nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), Nom);
    }
    const QString Texte = Parseur.errorText();
    const QRegularExpression Manque(QStringLiteral("^Missing value after '(.*)'\\.$"));
    const QRegularExpression Inattendue(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const auto Trouve = Manque.match(Texte); Trouve.hasMatch())
        return QStringLiteral("valeur manquante après « %1 »").arg(Trouve.captured(1));
    if (const auto Trouve = Inattendue.match(Texte); Trouve.hasMatch())
        return QStringLiteral("l'option « %1 » ne prend pas de valeur").arg(Trouve.captured(1));
    return Texte;
}

} // namespace

Analyse Analyser_Ligne(const QStringList &Arguments, const QString &Dossier_Programme)
{
    QCommandLineParser Parseur;
    Parseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    for (const Definition_Option &D : Definitions_Options())
    {
        QStringList Noms;
        if (*D.Court)
            Noms << QLatin1String(D.Court);
        Noms << QLatin1String(D.Long);
        Parseur.addOption(
            QCommandLineOption(Noms, QString::fromUtf8(D.Description), QLatin1String(D.Valeur)));
    }
    Parseur.addPositionalArgument(QStringLiteral("fichier"), QString());
    if (!Parseur.parse(Arguments))
        return Erreur_Usage(Traduire(Parseur));
    const auto Option = [&Parseur](const char *Nom) { return Parseur.isSet(QLatin1String(Nom)); };
    const auto Valeur = [&Parseur](const char *Nom) { return Parseur.value(QLatin1String(Nom)); };

    if (Option("help"))
        return Reponse(Texte_Aide());
    if (Option("version"))
        return Reponse(Programme_Convert + QStringLiteral(" " CORVANEL_VERSION "\n"));

    Analyse Resultat;
    Lot &Lot_ = Resultat.Lot_;
    if (auto Fin = Lire_Choix(Parseur, Lot_))
        return *Fin;

    QString Dossier;
    if (auto Fin = Choisir_Dossier_Plugins(Parseur, Dossier_Programme, Dossier))
        return *Fin;
    if (Option("delai-plugin"))
    {
        bool Ok = false;
        const double Secondes = Valeur("delai-plugin")
                                    .trimmed()
                                    .replace(QLatin1Char(','), QLatin1Char('.'))
                                    .toDouble(&Ok);
        if (!Ok || !(Secondes > 0) || Secondes > 86400)
            return Erreur_Usage(QStringLiteral("délai refusé « %1 » : un nombre de secondes "
                                               "positif")
                                    .arg(Valeur("delai-plugin")));
        Lot_.Delai_Plugin =
            std::max(std::chrono::milliseconds(1),
                     std::chrono::milliseconds(static_cast<long long>(Secondes * 1000 + 0.5)));
    }

    const QStringList Entrees = Parseur.positionalArguments();
    if (auto Fin = Choisir_Plugins(Parseur, Dossier, Entrees, Lot_))
        return *Fin;
    // Known only now: whether the picture plug-in takes the mask too.
    if (Option("fond") && !Lot_.Plug_Mask && !Prend_Mask(Lot_.Plug_Image))
        return Erreur_Usage(QStringLiteral("--fond ne sert qu'avec --mask-plugin ou un plug-in "
                                           "d'image et de mask"));

    if (Lot_.Compresser)
        for (const Plug_Info *Slot :
             {&Lot_.Plug_Image, Lot_.Plug_Mask ? &*Lot_.Plug_Mask : nullptr})
            if (Slot && Langage_Extention(Slot->Extention) == Langage_Source::Aucun)
                return Erreur_Usage(QStringLiteral("--compresser ne sert qu'avec un plug-in qui "
                                                   "écrit du code source, pas « %1 »")
                                        .arg(Depuis_Cp1252(Slot->Nom)));
    // A map is source text, its mask's arrays in the same file.
    if (Lot_.Carte)
    {
        const Langage_Source Langage = Langage_Extention(Lot_.Plug_Image.Extention);
        if (Langage == Langage_Source::Aucun)
            return Erreur_Usage(QStringLiteral("--carte : « %1 » n'écrit pas de code source")
                                    .arg(Valeur("plugin")));
        if (Lot_.Plug_Mask && Langage_Extention(Lot_.Plug_Mask->Extention) != Langage)
            return Erreur_Usage(QStringLiteral("--carte : « %1 » n'écrit pas dans le langage de "
                                               "« %2 », et la carte tient dans un seul fichier")
                                    .arg(Valeur("mask-plugin"), Valeur("plugin")));
    }

    if (auto Fin = Preparer_Travaux(Parseur, Entrees, Lot_))
        return *Fin;
    return Resultat;
}
} // namespace Corvanel
