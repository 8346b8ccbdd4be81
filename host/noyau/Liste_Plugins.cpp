#include "Liste_Plugins.h"

#include "Cp1252.h"
#include "Emplacements.h"

namespace Corvanel
{
namespace
{
QString Texte_Genre(const Entree_Plug &Entree)
{
    switch (Entree.Echec)
    {
    case Echec_Examen::Aucun:
        break;
    case Echec_Examen::Plantage:
        return QStringLiteral("planté");
    case Echec_Examen::Arret:
        return QStringLiteral("arrêté");
    case Echec_Examen::Delai:
        return QStringLiteral("sans réponse");
    case Echec_Examen::Sans_Hote:
        return QStringLiteral("non examiné");
    }
    return Nom_Genre(Entree.Fonction);
}
} // namespace

QString Lister_Plugins(const Resultat_Scan &Scan, const QString &Dossier)
{
    QString Texte = Texte_Dossier_Plugins(Dossier) + QLatin1Char('\n');
    for (std::size_t i = 0; i < Scan.ListePlug.size(); ++i)
    {
        const Entree_Plug &Entree = Scan.Table_Plug[i];
        const Plug_Info *Slot = nullptr;
        for (std::uint8_t k = 0; k < Scan.Nombre_Plug_Image && !Slot; ++k)
            if (Scan.Liste_Plug_Image[k].Fichier == Entree.Fichier)
                Slot = &Scan.Liste_Plug_Image[k];
        for (std::uint8_t k = 0; k < Scan.Nombre_Plug_Mask && !Slot; ++k)
            if (Scan.Liste_Plug_Mask[k].Fichier == Entree.Fichier)
                Slot = &Scan.Liste_Plug_Mask[k];
        // A library that failed its examination says why where the name would be.
        Texte += QStringLiteral("%1\t%2\t%3\t%4\n")
                     .arg(Scan.ListePlug[i], Texte_Genre(Entree),
                          Slot ? Depuis_Cp1252(Slot->Extention) : QStringLiteral("-"),
                          Slot ? Depuis_Cp1252(Slot->Nom) : QString::fromStdString(Entree.Detail));
    }
    if (Scan.ListePlug.empty())
        Texte += QStringLiteral("Aucun plug-in.\n");
    return Texte;
}
} // namespace Corvanel
