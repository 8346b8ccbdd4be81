#include "Plugins_Ligne.h"

#include "Bibliotheque.h"
#include "Chargeur.h"
#include "Cp1252.h"
#include "Emplacements.h"
#include "Liste_Plugins.h"
#include "Reponses_Ligne.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <tuple>

namespace Corvanel
{
namespace
{
QString Nom_Fichier(const Plug_Info &Slot)
{
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(Slot.Fichier))).fileName();
}

QString Nom_Bibliotheque(const Plug_Info &Slot)
{
    QString Nom = Nom_Fichier(Slot);
    if (Nom.endsWith(QLatin1String(Suffixe_Plugin)))
        Nom.chop(static_cast<int>(qstrlen(Suffixe_Plugin)));
    return Nom;
}

// By library name, with or without its suffix, or by the name shown in the save dialog;
// the exact spelling first, so that a case-only difference cannot pick another plug-in.
template <std::size_t Capacite>
const Plug_Info *Trouver_Plugin(const std::array<Plug_Info, Capacite> &Liste, std::uint8_t Nombre,
                                const QString &Nom)
{
    for (const Qt::CaseSensitivity Casse : {Qt::CaseSensitive, Qt::CaseInsensitive})
    {
        for (std::uint8_t i = 0; i < Nombre; ++i)
        {
            const Plug_Info &Slot = Liste[i];
            if (Nom.compare(Nom_Bibliotheque(Slot), Casse) == 0 ||
                Nom.compare(Nom_Fichier(Slot), Casse) == 0 ||
                Nom.compare(Depuis_Cp1252(Slot.Nom), Casse) == 0)
                return &Slot;
        }
    }
    return nullptr;
}

template <std::size_t Capacite>
QString Noms_Offerts(const std::array<Plug_Info, Capacite> &Liste, std::uint8_t Nombre)
{
    QStringList Noms;
    for (std::uint8_t i = 0; i < Nombre; ++i)
        Noms << QStringLiteral("%1 (%2)").arg(Nom_Bibliotheque(Liste[i]),
                                              Depuis_Cp1252(Liste[i].Nom));
    return Noms.join(QStringLiteral(", "));
}

template <std::size_t Capacite>
Analyse Introuvable(const char *Genre, const QString &Nom, const QString &Dossier,
                    const std::array<Plug_Info, Capacite> &Liste, std::uint8_t Nombre)
{
    return Erreur_Usage(
        QStringLiteral("plug-in %1 introuvable « %2 » dans « %3 »%4")
            .arg(QString::fromUtf8(Genre), Nom, Dossier,
                 Nombre == 0 ? QString()
                             : QStringLiteral(" ; offerts : ") + Noms_Offerts(Liste, Nombre)));
}

// The library file an option names: a path to a file, or a file of the plug-in folder with or
// without its suffix; empty when it names none, as a name shown in the save dialogs does.
QString Fichier_Nomme(const QString &Valeur, const QString &Dossier)
{
    if (Valeur.contains(QLatin1Char('/')) && QFileInfo(Valeur).isFile())
        return Valeur;
    for (const QString &Nom : {Valeur, Valeur + QLatin1String(Suffixe_Plugin)})
    {
        const QString Chemin = Joindre(Dossier, Nom);
        if (!Valeur.isEmpty() && !Valeur.contains(QLatin1Char('/')) && QFileInfo(Chemin).isFile())
            return Chemin;
    }
    return {};
}

} // namespace

std::optional<Analyse> Choisir_Dossier_Plugins(const QCommandLineParser &Parseur,
                                               const QString &Dossier_Programme, QString &Dossier)
{
    const auto Option = [&Parseur](const char *Nom) { return Parseur.isSet(QLatin1String(Nom)); };
    const auto Valeur = [&Parseur](const char *Nom) { return Parseur.value(QLatin1String(Nom)); };
    if (Option("dossier-plugins"))
    {
        Dossier = Valeur("dossier-plugins");
        if (!QFileInfo(Dossier).isDir())
            return Erreur_Usage(
                QStringLiteral("dossier de plug-ins introuvable : « %1 »").arg(Dossier));
    }
    else if (QFileInfo(QLatin1String(Dossier_Plugin)).isDir())
        Dossier = QLatin1String(Dossier_Plugin);
    else if (QFileInfo(Joindre(Dossier_Programme, QLatin1String(Dossier_Plugin))).isDir())
        Dossier = Joindre(Dossier_Programme, QLatin1String(Dossier_Plugin));
    else
        Dossier = Dossier_Plugins_Installe(Dossier_Programme);
    return std::nullopt;
}

std::optional<Analyse> Choisir_Plugins(const QCommandLineParser &Parseur, const QString &Dossier,
                                       const QStringList &Entrees, Lot &Lot_)
{
    const auto Option = [&Parseur](const char *Nom) { return Parseur.isSet(QLatin1String(Nom)); };
    const auto Valeur = [&Parseur](const char *Nom) { return Parseur.value(QLatin1String(Nom)); };
    // A library named by its file is examined alone: the others cannot slow or spoil the run.
    const QString Fichier_Image =
        Option("plugin") ? Fichier_Nomme(Valeur("plugin"), Dossier) : QString();
    const QString Fichier_Mask =
        Option("mask-plugin") ? Fichier_Nomme(Valeur("mask-plugin"), Dossier) : QString();
    const bool Tout = Option("lister-plugins") || (Option("plugin") && Fichier_Image.isEmpty()) ||
                      (Option("mask-plugin") && Fichier_Mask.isEmpty());
    const Resultat_Scan Scan = Tout ? Scanner_Dossier_Plugins(Dossier) : Resultat_Scan();

    if (Option("lister-plugins"))
    {
        if (!Entrees.isEmpty())
            return Erreur_Usage(QStringLiteral("--lister-plugins ne prend pas de fichier"));
        return Reponse(Lister_Plugins(Scan, Dossier));
    }
    if (Entrees.isEmpty())
        return Erreur_Usage(QStringLiteral("aucun fichier à convertir"));
    if (!Option("plugin"))
        return Erreur_Usage(QStringLiteral("choisissez le plug-in d'image avec --plugin "
                                           "(--lister-plugins les montre)"));

    // Each option's library is looked up in its own file's examination, or in the folder's.
    const Resultat_Scan Seul_Image =
        Fichier_Image.isEmpty() ? Resultat_Scan() : Scanner_Fichiers_Plugins({Fichier_Image});
    const Resultat_Scan Seul_Mask =
        Fichier_Mask.isEmpty() ? Resultat_Scan() : Scanner_Fichiers_Plugins({Fichier_Mask});
    for (const auto &[Fichier, Seul, Nom] : {std::tuple{&Fichier_Image, &Seul_Image, "plugin"},
                                             std::tuple{&Fichier_Mask, &Seul_Mask, "mask-plugin"}})
    {
        // A library that crashed or hung is no usage error.
        const Entree_Plug &Entree = Seul->Table_Plug[0];
        if (!Fichier->isEmpty() && Entree.Echec != Echec_Examen::Aucun)
            return Echec(QStringLiteral("« %1 » est inutilisable : %2")
                             .arg(Valeur(Nom), QString::fromStdString(Entree.Detail)));
    }
    const Resultat_Scan &Pour_Image = Fichier_Image.isEmpty() ? Scan : Seul_Image;
    const Resultat_Scan &Pour_Mask = Fichier_Mask.isEmpty() ? Scan : Seul_Mask;
    // A library named by its file is whatever that file offers.
    const auto Choisir = [](const auto &Liste, std::uint8_t Nombre, const QString &Nom,
                            bool Par_Fichier) -> const Plug_Info *
    {
        if (Par_Fichier)
            return Nombre > 0 ? &Liste[0] : nullptr;
        return Trouver_Plugin(Liste, Nombre, Nom);
    };

    const Plug_Info *Image = Choisir(Pour_Image.Liste_Plug_Image, Pour_Image.Nombre_Plug_Image,
                                     Valeur("plugin"), !Fichier_Image.isEmpty());
    if (!Image)
    {
        if (Choisir(Pour_Image.Liste_Plug_Mask, Pour_Image.Nombre_Plug_Mask, Valeur("plugin"),
                    !Fichier_Image.isEmpty()))
            return Erreur_Usage(QStringLiteral("« %1 » enregistre des masks : il va avec "
                                               "--mask-plugin")
                                    .arg(Valeur("plugin")));
        return Introuvable("d'image", Valeur("plugin"), Dossier, Pour_Image.Liste_Plug_Image,
                           Pour_Image.Nombre_Plug_Image);
    }
    Lot_.Plug_Image = *Image;
    if (Option("mask-plugin"))
    {
        const Plug_Info *Mask = Choisir(Pour_Mask.Liste_Plug_Mask, Pour_Mask.Nombre_Plug_Mask,
                                        Valeur("mask-plugin"), !Fichier_Mask.isEmpty());
        if (!Mask)
            return Introuvable("de mask", Valeur("mask-plugin"), Dossier, Pour_Mask.Liste_Plug_Mask,
                               Pour_Mask.Nombre_Plug_Mask);
        Lot_.Plug_Mask = *Mask;
    }
    return std::nullopt;
}
} // namespace Corvanel
