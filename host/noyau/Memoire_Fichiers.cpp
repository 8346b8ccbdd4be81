#include "Memoire_Fichiers.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace Corvanel
{
namespace
{
const QString Cle_Recents = QStringLiteral("Fichiers_Recents");
const QString Cles_Dossiers[] = {QStringLiteral("Dossiers/Ouverture"),
                                 QStringLiteral("Dossiers/Enregistrement_Image"),
                                 QStringLiteral("Dossiers/Enregistrement_Mask")};
} // namespace

QString Chemin_Absolu(const QString &Chemin)
{
    if (Chemin.isEmpty())
        return {};
    return QDir::toNativeSeparators(QFileInfo(Chemin).absoluteFilePath());
}

void Memoire_Fichiers::Utiliser(QSettings *Reglages)
{
    Reglages_ = Reglages;
    Recents_.clear();
    for (QString &Dossier : Dossiers_)
        Dossier.clear();
    if (!Reglages_)
        return;
    // The file may have been edited by hand: the list is rebuilt as the program keeps it.
    const QStringList Lus = Reglages_->value(Cle_Recents).toStringList();
    for (auto Chemin = Lus.crbegin(); Chemin != Lus.crend(); ++Chemin)
        if (!Chemin->isEmpty())
        {
            const QString Absolu = Chemin_Absolu(*Chemin);
            Recents_.removeAll(Absolu);
            Recents_.prepend(Absolu);
        }
    while (Recents_.size() > Recents_Maximum)
        Recents_.removeLast();
    for (int i = 0; i < 3; ++i)
        Dossiers_[i] = Reglages_->value(Cles_Dossiers[i]).toString();
}

void Memoire_Fichiers::Ajouter_Recent(const QString &Chemin)
{
    const QString Absolu = Chemin_Absolu(Chemin);
    if (Absolu.isEmpty())
        return;
    Recents_.removeAll(Absolu);
    Recents_.prepend(Absolu);
    while (Recents_.size() > Recents_Maximum)
        Recents_.removeLast();
    Ecrire();
}

void Memoire_Fichiers::Retirer_Recent(const QString &Chemin)
{
    if (Recents_.removeAll(Chemin_Absolu(Chemin)) > 0)
        Ecrire();
}

QString Memoire_Fichiers::Dossier(Dialogue_Fichier Dialogue) const
{
    return Dossiers_[static_cast<int>(Dialogue)];
}

void Memoire_Fichiers::Retenir_Dossier(Dialogue_Fichier Dialogue, const QString &Chemin_Fichier)
{
    const QString Dossier = QDir::toNativeSeparators(QFileInfo(Chemin_Fichier).absolutePath());
    QString &Retenu = Dossiers_[static_cast<int>(Dialogue)];
    if (Chemin_Fichier.isEmpty() || Retenu == Dossier)
        return;
    Retenu = Dossier;
    Ecrire();
}

void Memoire_Fichiers::Ecrire()
{
    if (!Reglages_)
        return;
    Reglages_->setValue(Cle_Recents, Recents_);
    for (int i = 0; i < 3; ++i)
        if (Dossiers_[i].isEmpty())
            Reglages_->remove(Cles_Dossiers[i]);
        else
            Reglages_->setValue(Cles_Dossiers[i], Dossiers_[i]);
    // Kept at once: a run that ends badly still leaves the list as it was used.
    Reglages_->sync();
}
} // namespace Corvanel
