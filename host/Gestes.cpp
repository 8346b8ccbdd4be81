#include "Gestes.h"

#include <QMimeData>
#include <QUrl>
#include <QWheelEvent>

namespace Corvanel
{
QStringList Fichiers_Du_Depot(const QMimeData *donnees)
{
    QStringList chemins;
    if (!donnees || !donnees->hasUrls())
        return chemins;
    for (const QUrl &adresse : donnees->urls())
        if (adresse.isLocalFile() && !adresse.toLocalFile().isEmpty())
            chemins << adresse.toLocalFile();
    return chemins;
}

int Crans_Molette(const QWheelEvent *evenement, int &reste)
{
    // One notch is 120 eighths of a degree.
    constexpr int Cran = 120;
    reste += evenement->angleDelta().y();
    const int crans = reste / Cran;
    reste -= crans * Cran;
    return crans;
}
} // namespace Corvanel
