// The plug-in explorer: lists every library found at start-up, shows a library's details and
// starts application plug-ins. Its creation runs the scan that fills the main window's tables.
#ifndef CORVANEL_FICHE_PLUGIN_H
#define CORVANEL_FICHE_PLUGIN_H

#include "Registre.h"

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace Corvanel
{
class TFMain;

class TFPlugin : public QDialog
{
    Q_OBJECT
public:
    explicit TFPlugin(TFMain *principal);

    QPushButton *Button1;
    QPushButton *Button2;
    QListWidget *ListePlug;
    QPlainTextEdit *Description;
    std::array<Entree_Plug, Capacite_Liste_Plug> Table_Plug{};
    QString Dossier_Scanne; // the folder whose libraries are listed

    void ListePlugClick();
    void Demarrer();
};
} // namespace Corvanel

#endif
