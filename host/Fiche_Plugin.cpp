#include "Fiche_Plugin.h"

#include "Bibliotheque.h"
#include "Demarrage.h"
#include "Dialogues.h"
#include "Explorateur.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"

#include <QFile>
#include <QFrame>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>

namespace Corvanel
{
TFPlugin::TFPlugin(TFMain *principal)
    : QDialog(principal, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FPlugin"));
    setWindowTitle(QStringLiteral("Explorateur de Plug-in"));
    setModal(true);
    setFixedSize(213, 360);
    Button1 = new QPushButton(QStringLiteral("Retour"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(4, 4, 100, 28);
    Button2 = new QPushButton(QStringLiteral("Démarrer"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(109, 4, 100, 28);
    ListePlug = new QListWidget(this);
    ListePlug->setObjectName(QStringLiteral("ListePlug"));
    ListePlug->setGeometry(4, 36, 205, 140);
    auto *separateur = new QFrame(this);
    separateur->setObjectName(QStringLiteral("Bevel1"));
    separateur->setFrameShape(QFrame::HLine);
    separateur->setFrameShadow(QFrame::Sunken);
    separateur->setGeometry(4, 180, 205, 4);
    Description = new QPlainTextEdit(this);
    Description->setObjectName(QStringLiteral("Description"));
    Description->setReadOnly(true);
    Description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Description->setGeometry(4, 188, 205, 168);
    QPalette bulle = Description->palette();
    bulle.setColor(QPalette::Base, QToolTip::palette().color(QPalette::ToolTipBase));
    bulle.setColor(QPalette::Text, QToolTip::palette().color(QPalette::ToolTipText));
    Description->setPalette(bulle);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &TFPlugin::Demarrer);
    connect(ListePlug, &QListWidget::itemClicked, this, &TFPlugin::ListePlugClick);

    // The scan runs once, here: the main window already exists and receives the tables.
    principal->Plugins = Scanner_Plugins();
    ListePlug->addItems(
        QStringList(principal->Plugins.ListePlug.begin(), principal->Plugins.ListePlug.end()));
    Table_Plug = principal->Plugins.Table_Plug;
}

void TFPlugin::ListePlugClick()
{
    const int ligne = ListePlug->currentRow();
    Description->clear();
    if (ligne < 0 || ligne >= static_cast<int>(Table_Plug.size()))
        return;
    const std::string chemin = Chemin_Plugin(ListePlug->item(ligne)->text());
    Description->setPlainText(Details_Plugin(Table_Plug[ligne], chemin).join(QLatin1Char('\n')));
    Button2->setEnabled(Demarrer_Possible(Table_Plug[ligne].Fonction));
}

void TFPlugin::Demarrer()
{
    const int ligne = ListePlug->currentRow();
    if (ligne < 0 || ligne >= static_cast<int>(Table_Plug.size()))
        return;
    TFEcran &ecran = *FEcran;
    const Resultat_Demarrage resultat =
        Demarrer_Plugin(Table_Plug[ligne], ecran.Nombre_Couleur, ecran.Plan_Image,
                        ecran.Hauteur_Image, ecran.Largeur_Image,
                        Options_Fenetre(FMain->Dialogues_Fenetres(), this,
                                        QStringLiteral("Le plug-in travaille…")));
    if (!resultat.Message.isEmpty())
        setWindowTitle(resultat.Message);
    if (resultat.Lance)
    {
        // An application plug-in may have changed the picture.
        ecran.Peindre_Image();
        if (FMask->isVisible())
            FMask->Afficher_Mask();
    }
}
} // namespace Corvanel
