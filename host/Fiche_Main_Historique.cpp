// The picture's history in the windows: undo and redo from the buttons and the keys of every
// window, the controls brought back in line with the document after either, and the question
// asked before unsaved work is dropped.
#include "Fiche_Main.h"

#include "Dialogues.h"
#include "Document_Image.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main_Controles.h"
#include "Fiche_Mask.h"
#include "Historique_Image.h"
#include "Palettes.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

namespace Corvanel
{
void TFMain::Relier_Historique()
{
    Historique_Image *historique = Document.Historique();
    if (!historique)
        return;
    connect(&historique->Pile, &QUndoStack::indexChanged, this, &TFMain::Actualiser_Historique);
    connect(historique, &Historique_Image::Restaure, this, &TFMain::Montrer_Document);
    auto *annuler = new QAction(QStringLiteral("Annuler"), this);
    annuler->setShortcuts(Touches(QKeySequence::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)}));
    // As every key, it presses its button: nothing while there is nothing to undo.
    connect(annuler, &QAction::triggered, this, [this] { Presser(Outil[9]); });
    auto *retablir = new QAction(QStringLiteral("Rétablir"), this);
    retablir->setShortcuts(
        Touches(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    connect(retablir, &QAction::triggered, this, [this] { Presser(Outil_Retablir); });
    for (QWidget *fenetre : {static_cast<QWidget *>(this), static_cast<QWidget *>(Ecran),
                             static_cast<QWidget *>(Masque)})
        fenetre->addActions({annuler, retablir});
    Actualiser_Historique();
}

void TFMain::Actualiser_Historique()
{
    const Historique_Image *historique = Document.Historique();
    Outil[9]->setEnabled(historique && historique->Pile.canUndo());
    Outil_Retablir->setEnabled(historique && historique->Pile.canRedo());
}

void TFMain::Annuler()
{
    if (Historique_Image *historique = Document.Historique())
        historique->Pile.undo();
}

void TFMain::Retablir()
{
    if (Historique_Image *historique = Document.Historique())
        historique->Pile.redo();
}

void TFMain::Montrer_Document()
{
    {
        // The controls take the restored settings without acting on them again.
        const QSignalBlocker nombre(Groupe_Nombre);
        const QSignalBlocker echantillonnage(Choix_Echantillonnage);
        const QSignalBlocker teinte(Choix_Teinte);
        const QSignalBlocker tramage(Choix_Tramage);
        const QSignalBlocker adaptation(Adaptation_Image);
        const QSignalBlocker proportions(Conserver_Proportions);
        Selectionner_Nombre(Document.Nombre_Choisi);
        Choix_Echantillonnage->setCurrentIndex(
            static_cast<int>(Document.Conversion.Echantillonnage));
        Choix_Teinte->setCurrentIndex(static_cast<int>(Document.Conversion.Teinte));
        Choix_Tramage->setCurrentIndex(static_cast<int>(Document.Conversion.Tramage));
        Adaptation_Image->setChecked(Document.Conversion.Adapter);
        Conserver_Proportions->setChecked(Document.Conversion.Proportions);
        Conserver_Proportions->setEnabled(Document.Conversion.Adapter);
    }
    // Once a picture is open, the light page is there for a picture that can be converted;
    // the tabs are laid out again only when that changes.
    if (Onglets->isTabVisible(1) && Onglets->isTabVisible(2) != Document.Source_Valide)
        Onglets->setTabVisible(2, Document.Source_Valide);
    // The frame spin box and the caption.
    Montrer_Images();
    Ecran->Peindre_Image();
    if (Masque->isVisible())
        Masque->Afficher_Mask();
    Palette_Lum->update();
    Palette_Retouche_->update();
}

bool TFMain::Abandonner_Modifications()
{
    const Historique_Image *historique = Document.Historique();
    if (!historique || !historique->Modifie())
        return true;
    return Dialogues_.Question(this, QStringLiteral("Corvanel"),
                               QStringLiteral("L'image a été modifiée depuis son dernier "
                                              "enregistrement. Abandonner les modifications ?"));
}
} // namespace Corvanel
