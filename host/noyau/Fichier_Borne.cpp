#include "Fichier_Borne.h"

#include <QFile>
#include <QFileInfo>

namespace Corvanel
{
Fichier_Borne Lire_Fichier_Borne(const QString &Chemin, qint64 Maximum)
{
    Fichier_Borne R;
    const QFileInfo Info(Chemin);
    if (Info.exists() && !Info.isFile())
    {
        R.Etat = Etat_Fichier_Borne::Pas_Ordinaire;
        return R;
    }
    if (Info.size() > Maximum)
    {
        R.Etat = Etat_Fichier_Borne::Trop_Grand;
        return R;
    }
    QFile Fichier(Chemin);
    if (!Fichier.open(QIODevice::ReadOnly))
    {
        R.Etat = Etat_Fichier_Borne::Non_Ouvert;
        R.Raison = Info.exists() ? QStringLiteral("lecture impossible")
                                 : QStringLiteral("fichier introuvable");
        return R;
    }
    // One byte more than allowed: the file may have grown since it was looked at.
    R.Octets = Fichier.read(Maximum + 1);
    if (R.Octets.size() > Maximum)
    {
        R.Etat = Etat_Fichier_Borne::Trop_Grand;
        R.Octets.clear();
    }
    return R;
}
} // namespace Corvanel
