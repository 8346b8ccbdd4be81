#include "Fiche_Plugin.h"

#include "Bibliotheque.h"
#include "Dialogues.h"
#include "Emplacements.h"
#include "Explorateur.h"

#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>

namespace Corvanel
{
TFPlugin::TFPlugin(QWidget *principal, Dialogues &Dialogues_Fenetre, Resultat_Scan &Plugins,
                   Document_Image &Document)
    : QDialog(principal, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Dialogues_(Dialogues_Fenetre), Document_(Document)
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
    Dossier_Scanne = Dossier_Plugins(QCoreApplication::applicationDirPath());
    Plugins = Scanner_Dossier_Plugins(Dossier_Scanne);
    Description->setPlainText(Texte_Dossier_Plugins(Dossier_Scanne));
    ListePlug->addItems(QStringList(Plugins.ListePlug.begin(), Plugins.ListePlug.end()));
    Table_Plug = Plugins.Table_Plug;
}

void TFPlugin::ListePlugClick()
{
    const int ligne = ListePlug->currentRow();
    Description->clear();
    if (ligne < 0 || ligne >= static_cast<int>(Table_Plug.size()))
        return;
    const std::string chemin = Chemin_Bibliotheque(ListePlug->item(ligne)->text(), Dossier_Scanne);
    Description->setPlainText(Details_Plugin(Table_Plug[ligne], chemin).join(QLatin1Char('\n')));
    Button2->setEnabled(Demarrer_Possible(Table_Plug[ligne].Fonction));
}

void TFPlugin::Demarrer()
{
    const int ligne = ListePlug->currentRow();
    if (ligne < 0 || ligne >= static_cast<int>(Table_Plug.size()))
        return;
    Document_Image &document = Document_;
    Resultat_Demarrage resultat;
    document.Etape(
        ListePlug->item(ligne)->text(),
        [&]
        {
            resultat = Demarrer_Plugin(
                Table_Plug[ligne], document.Nombre_Couleur, document.Plan_Image,
                document.Hauteur_Image, document.Largeur_Image,
                Options_Fenetre(Dialogues_, this, QStringLiteral("Le plug-in travaille…")));
        });
    if (!resultat.Message.isEmpty())
        setWindowTitle(resultat.Message);
    if (resultat.Lance)
        emit Image_Modifiee();
}
} // namespace Corvanel
