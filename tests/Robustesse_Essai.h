// What the tests that drive the real windows with hostile input share: the windows started on
// scripted dialogs from a temporary folder of their own, a file opened through the open
// command, and which codes a picture's plane may hold.
#ifndef CORVANEL_ROBUSTESSE_ESSAI_H
#define CORVANEL_ROBUSTESSE_ESSAI_H

#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Fenetres_Essai.h"
#include "Fiche_Main.h"
#include "Plan.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace Essai
{
inline bool Code_Image(std::uint8_t Code)
{
    using namespace Corvanel;
    return Code::Tonal(Code) || Code == Code::Sans_Nombre || Code == Code::Inconnu;
}

// A second base of the test class: Entrer from its init, Quitter from its cleanup, which also
// closes the windows a test started.
class Fenetres_Temporaires
{
protected:
    Dialogues_Factices Faux;
    std::unique_ptr<QTemporaryDir> Temporaire;
    QString Ancien_Dossier;
    bool Fenetres = false;

    QString Chemin(const QString &Nom) const { return Temporaire->filePath(Nom); }

    void Entrer()
    {
        Ancien_Dossier = QDir::currentPath();
        Temporaire = std::make_unique<QTemporaryDir>();
        QVERIFY(Temporaire->isValid());
        QVERIFY(QDir::setCurrent(Temporaire->path()));
    }

    void Quitter()
    {
        if (Fenetres)
            Corvanel::Detruire_Fenetres();
        Fenetres = false;
        QDir::setCurrent(Ancien_Dossier);
        Temporaire.reset();
    }

    void Demarrer()
    {
        Faux = Dialogues_Factices();
        Corvanel::Creer_Fenetres(Faux);
        Fenetres = true;
    }

    void Ouvrir(const QString &Fichier, int Type) { Essai::Ouvrir(Faux, Fichier, Type); }
};
} // namespace Essai

#endif
