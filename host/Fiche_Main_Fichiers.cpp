// Files opened without the open dialog: dropped on a window, or chosen among the recent files of
// the page "Ouvrir une image", which are kept from one run to the next.
#include "Fiche_Main.h"

#include "Dialogues.h"
#include "Document_Image.h"
#include "Fiche_Ecran.h"
#include "Gestes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

namespace Corvanel
{
void TFMain::Creer_Recents()
{
    Fichiers_Recents = new QComboBox(TabSheet[1]);
    Fichiers_Recents->setObjectName(QStringLiteral("Fichiers_Recents"));
    Fichiers_Recents->setPlaceholderText(QStringLiteral("Fichiers récents"));
    // In the narrow room above "Ouvrir", in a small type; the frame box sits below it.
    Fichiers_Recents->setGeometry(421, 6, 100, 24);
    QFont petite = Fichiers_Recents->font();
    petite.setPointSizeF(7);
    Fichiers_Recents->setFont(petite);
    // The list unfolds wide enough for the names, beyond the narrow box.
    Fichiers_Recents->view()->setMinimumWidth(300);
    connect(Fichiers_Recents, qOverload<int>(&QComboBox::activated), this,
            [this](int index)
            {
                const QString chemin = Fichiers_Recents->itemData(index).toString();
                Fichiers_Recents->setCurrentIndex(-1);
                Ouvrir_Recent(chemin);
            });
    Montrer_Recents();
}

void TFMain::Montrer_Recents()
{
    const QSignalBlocker bloque(Fichiers_Recents);
    Fichiers_Recents->clear();
    for (const QString &chemin : Memoire.Recents())
    {
        Fichiers_Recents->addItem(QFileInfo(chemin).fileName(), chemin);
        Fichiers_Recents->setItemData(Fichiers_Recents->count() - 1, chemin, Qt::ToolTipRole);
    }
    // No item stays chosen: the box shows its caption.
    Fichiers_Recents->setCurrentIndex(-1);
    Fichiers_Recents->setEnabled(Fichiers_Recents->count() > 0);
}

void TFMain::Utiliser_Reglages(QSettings *reglages)
{
    Memoire.Utiliser(reglages);
    Montrer_Recents();
}

bool TFMain::Ouvrir_Par_Chemin(const QString &chemin)
{
    int largeur = 0;
    int hauteur = 0;
    if (!Lire_Taille(largeur, hauteur) || !Abandonner_Modifications())
        return false;
    if (!Ouvrir_Chemin(chemin, Lecteur_Du_Fichier(chemin).Genre))
        return false;
    // The style of the new picture says what it now is, as after "Ouvrir".
    if (!Ouvrir_Fichier->isChecked())
        Ouvrir_Fichier->click();
    Ecran->show();
    return true;
}

void TFMain::Deposer_Fichiers(const QStringList &chemins)
{
    if (chemins.isEmpty() || !Ouvrir_Par_Chemin(chemins.first()))
        return;
    const qsizetype laisses = chemins.size() - 1;
    if (laisses == 1)
        setWindowTitle(QStringLiteral("Un seul fichier s'ouvre à la fois : 1 fichier déposé "
                                      "laissé de côté."));
    else if (laisses > 1)
        setWindowTitle(QStringLiteral("Un seul fichier s'ouvre à la fois : %1 fichiers déposés "
                                      "laissés de côté.")
                           .arg(laisses));
}

void TFMain::Ouvrir_Recent(const QString &chemin)
{
    if (!QFileInfo(chemin).isFile())
    {
        Memoire.Retirer_Recent(chemin);
        Montrer_Recents();
        Dialogues_.Erreur(this, QString::fromUtf8(Titre_Message),
                          QStringLiteral("Le fichier « %1 » n'existe plus : il est retiré des "
                                         "fichiers récents.")
                              .arg(chemin));
        return;
    }
    Ouvrir_Par_Chemin(chemin);
}

void TFMain::dragEnterEvent(QDragEnterEvent *evenement)
{
    Accepter_Fichiers(evenement);
}

void TFMain::dropEvent(QDropEvent *evenement)
{
    const QStringList chemins = Prendre_Fichiers(evenement);
    // Opening may ask questions: not while the file manager waits for the drop to end.
    if (!chemins.isEmpty())
        QTimer::singleShot(0, this, [this, chemins] { Deposer_Fichiers(chemins); });
}
} // namespace Corvanel
