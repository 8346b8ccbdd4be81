// The plug-in explorer: lists every library found at start-up, shows a library's details and
// starts application plug-ins. Its creation runs the scan that fills the save plug-in tables.
#ifndef CORVANEL_FICHE_PLUGIN_H
#define CORVANEL_FICHE_PLUGIN_H

#include "Document_Image.h"
#include "Registre.h"

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace Corvanel
{
class Dialogues;
}

namespace Corvanel
{
class TFPlugin : public QDialog
{
    Q_OBJECT
public:
    // Plugins receives the scan's tables; the main window owns them.
    TFPlugin(QWidget *principal, Dialogues &Dialogues_Fenetre, Resultat_Scan &Plugins,
             Document_Image &Document);

    QPushButton *Button1;
    QPushButton *Button2;
    QListWidget *ListePlug;
    QPlainTextEdit *Description;
    std::array<Entree_Plug, Capacite_Liste_Plug> Table_Plug{};
    QString Dossier_Scanne; // the folder whose libraries are listed

    void ListePlugClick();
    void Demarrer();

signals:
    // An application plug-in ran on the picture and may have changed it.
    void Image_Modifiee();

private:
    Dialogues &Dialogues_;
    Document_Image &Document_;
};
} // namespace Corvanel

#endif
