// What the program keeps from one run to the next: the last files opened and the folder each file
// dialog was last used in. Nothing else is kept; without settings, it lasts one run.
#ifndef CORVANEL_MEMOIRE_FICHIERS_H
#define CORVANEL_MEMOIRE_FICHIERS_H

#include <QString>
#include <QStringList>

class QSettings;

namespace Corvanel
{
// The file dialogs that remember their folder.
enum class Dialogue_Fichier
{
    Ouverture,
    Enregistrement_Image,
    Enregistrement_Mask,
};

class Memoire_Fichiers
{
public:
    static constexpr int Recents_Maximum = 8;

    // Reads what Reglages holds, and writes every change back to it; null keeps the memory for
    // this run only. Reglages must outlive the object.
    void Utiliser(QSettings *Reglages);

    // The newest first, as absolute paths.
    const QStringList &Recents() const { return Recents_; }
    // The file goes to the head of the list; the oldest beyond eight go.
    void Ajouter_Recent(const QString &Chemin);
    void Retirer_Recent(const QString &Chemin);

    // The folder the dialog was last used in, or nothing.
    QString Dossier(Dialogue_Fichier Dialogue) const;
    // The folder of the file the dialog returned.
    void Retenir_Dossier(Dialogue_Fichier Dialogue, const QString &Chemin_Fichier);

private:
    void Ecrire();

    QSettings *Reglages_ = nullptr;
    QStringList Recents_;
    QString Dossiers_[3];
};

// Paths compare as the files they name.
QString Chemin_Absolu(const QString &Chemin);
} // namespace Corvanel

#endif
