#include "Gestes.h"

#include <QDragEnterEvent>
#include <QDropEvent>
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

int Crans_Zoom(QWheelEvent *evenement, int &reste)
{
    if (!(evenement->modifiers() & Qt::ControlModifier))
    {
        evenement->ignore();
        return 0;
    }
    evenement->accept();
    return Crans_Molette(evenement, reste);
}

void Accepter_Fichiers(QDragEnterEvent *evenement)
{
    if (!Fichiers_Du_Depot(evenement->mimeData()).isEmpty())
        evenement->acceptProposedAction();
}

QStringList Prendre_Fichiers(QDropEvent *evenement)
{
    const QStringList chemins = Fichiers_Du_Depot(evenement->mimeData());
    if (!chemins.isEmpty())
        evenement->acceptProposedAction();
    return chemins;
}
} // namespace Corvanel
