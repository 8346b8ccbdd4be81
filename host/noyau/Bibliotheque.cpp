#include "Bibliotheque.h"

#include <QFile>

namespace Corvanel
{
std::string Chemin_Plugin(const QString &Fichier, const QString &Dossier)
{
    const QByteArray Nom = QFile::encodeName(Fichier);
    if (Nom.isEmpty() || static_cast<std::size_t>(Nom.size()) > Longueur_Max_Fichier)
    {
        return {};
    }
    std::string Chemin;
    if (!Dossier.isEmpty())
    {
        Chemin = QFile::encodeName(Dossier).toStdString();
        if (Chemin.back() != '/' && Chemin.back() != Separateur_Chemin)
        {
            Chemin += Separateur_Chemin;
        }
    }
    Chemin += Dossier_Plugin;
    Chemin += Separateur_Chemin;
    Chemin += Nom.toStdString();
    return Chemin;
}

std::string Chemin_Bibliotheque(const QString &Fichier, const QString &Dossier_Plugins)
{
    const QByteArray Nom = QFile::encodeName(Fichier);
    if (Nom.isEmpty() || static_cast<std::size_t>(Nom.size()) > Longueur_Max_Fichier)
    {
        return {};
    }
    std::string Chemin = QFile::encodeName(Dossier_Plugins).toStdString();
    if (!Chemin.empty() && Chemin.back() != '/' && Chemin.back() != Separateur_Chemin)
    {
        Chemin += Separateur_Chemin;
    }
    Chemin += Nom.toStdString();
    return Chemin;
}
} // namespace Corvanel
