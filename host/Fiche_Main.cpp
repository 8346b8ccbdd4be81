// The main window: its eight tabs, the pages of options and about, and its own events.
#include "Fiche_Main.h"

#include "Choix_Image.h"
#include "Dialogues.h"
#include "Document_Image.h"
#include "Emplacements.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main_Controles.h"
#include "Fiche_Mask.h"
#include "Fiche_Plugin.h"
#include "Palettes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

namespace Corvanel
{
namespace
{
const QString Titre_Principal = QStringLiteral("Corvanel " CORVANEL_VERSION);
const QString Adresse_Mail = QStringLiteral("corvanel@example.org");
const QString Adresse_Site = QStringLiteral("https://corvanel.example.org");
} // namespace

TFMain::TFMain(Dialogues &dialogues, Document_Image &document)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Dialogues_(dialogues), Document(document)
{
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(Titre_Principal);
    setFixedSize(526, 139);
    Onglets = Nommer(new QTabWidget(this), "Onglets");
    Onglets->setGeometry(0, 0, 526, 139);
    // Eight tabs share 526 pixels: tighter tabs keep them all in view without scroll arrows.
    Onglets->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 3px; font-size: 7.5pt; }"));
    Onglets->setUsesScrollButtons(false);
    const char *legendes[] = {nullptr,
                              "Ouvrir une image",
                              "Enregistrer",
                              "Lumière",
                              "Retoucher l'image",
                              "Transformation",
                              "Mask",
                              "Option",
                              "A Propos"};
    for (int i = 1; i <= 8; ++i)
    {
        TabSheet[i] = new QWidget;
        TabSheet[i]->setObjectName(QStringLiteral("TabSheet%1").arg(i));
        Onglets->addTab(TabSheet[i], QString::fromUtf8(legendes[i]));
    }
    Creer_Page_Ouvrir();
    Creer_Page_Enregistrer();
    Creer_Page_Lumiere();
    Creer_Page_Retouche();
    Creer_Page_Transformation();
    Creer_Page_Mask();
    Creer_Page_Option();
    Creer_Page_A_Propos();
    Creer_Recents();
    Poser_Bulles();
    // Files dropped anywhere on the window open; the text fields leave them to it.
    setAcceptDrops(true);
    for (QLineEdit *champ : findChildren<QLineEdit *>())
        champ->setAcceptDrops(false);
    Onglets->setCurrentIndex(0);
    for (int i = 2; i <= 6; ++i)
        Onglets->setTabVisible(i - 1, false);
}

void TFMain::Creer_Page_Option()
{
    QWidget *page = TabSheet[7];
    auto *couleurs = new QGroupBox(QStringLiteral("Couleur de l'image"), page);
    couleurs->setGeometry(4, 2, 136, 74);
    Choix_Couleur_TI =
        Nommer(new QRadioButton(QStringLiteral("Gris de la TI"), couleurs), "Choix_Couleur_TI");
    Choix_Couleur_TI->setGeometry(8, 20, 124, 22);
    Choix_Couleur_TI->setChecked(true);
    Choix_Couleur_WIN =
        Nommer(new QRadioButton(QStringLiteral("Gris de Windows"), couleurs), "Choix_Couleur_WIN");
    Choix_Couleur_WIN->setGeometry(8, 44, 124, 22);
    connect(Choix_Couleur_TI, &QRadioButton::clicked, this, &TFMain::Recolorer);
    connect(Choix_Couleur_WIN, &QRadioButton::clicked, this, &TFMain::Recolorer);

    auto *nombre = new QGroupBox(QStringLiteral(" Nombre de couleurs "), page);
    nombre->setGeometry(142, 2, 138, 84);
    Choix_Nombre_Couleur_2 =
        Nommer(new QRadioButton(QStringLiteral("Noir && Blanc"), nombre), "Choix_Nombre_Couleur_2");
    Choix_Nombre_Couleur_4 = Nommer(new QRadioButton(QStringLiteral("4 niveaux de gris"), nombre),
                                    "Choix_Nombre_Couleur_4");
    Choix_Nombre_Couleur_8 = Nommer(new QRadioButton(QStringLiteral("8 niveaux de gris"), nombre),
                                    "Choix_Nombre_Couleur_8");
    Choix_Nombre_Couleur_2->setGeometry(8, 18, 128, 21);
    Choix_Nombre_Couleur_4->setGeometry(8, 39, 128, 21);
    Choix_Nombre_Couleur_8->setGeometry(8, 60, 128, 21);
    Choix_Nombre_Couleur_4->setChecked(true);
    Groupe_Nombre = new QButtonGroup(this);
    Groupe_Nombre->addButton(Choix_Nombre_Couleur_2, 2);
    Groupe_Nombre->addButton(Choix_Nombre_Couleur_4, 4);
    Groupe_Nombre->addButton(Choix_Nombre_Couleur_8, 8);
    // Only a radio that becomes selected acts; one already selected does nothing.
    connect(Groupe_Nombre, &QButtonGroup::idToggled, this,
            [this](int id, bool coche)
            {
                if (coche)
                    Changer_Nombre(static_cast<std::uint8_t>(id));
            });

    // Three lists in the room of the page's right-hand column, in a slightly smaller type.
    QFont petite = font();
    petite.setPointSizeF(petite.pointSizeF() - 1);
    auto *conversion = new QGroupBox(QStringLiteral("Conversion"), page);
    conversion->setGeometry(284, 2, 238, 84);
    const auto liste = [&](const char *nom_objet, const char *legende, const auto &modes, int y)
    {
        auto *etiquette = new QLabel(QString::fromUtf8(legende), conversion);
        etiquette->setFont(petite);
        etiquette->setGeometry(5, y, 90, 20);
        auto *choix = Nommer(new QComboBox(conversion), nom_objet);
        choix->setFont(petite);
        choix->setGeometry(95, y, 138, 20);
        for (const Mode_Nomme &mode : modes)
            choix->addItem(QString::fromUtf8(mode.Nom));
        etiquette->setBuddy(choix);
        connect(choix, &QComboBox::currentIndexChanged, this, &TFMain::Changer_Conversion);
        return choix;
    };
    Choix_Echantillonnage =
        liste("Choix_Echantillonnage", "Échantillonnage", Modes_Echantillonnage, 17);
    Choix_Teinte = liste("Choix_Teinte", "Teinte", Modes_Teinte, 39);
    Choix_Tramage = liste("Choix_Tramage", "Tramage", Modes_Tramage, 61);

    Button10 =
        Bouton(page, "Button10", QStringLiteral("Explorateur de Plug-in"), QRect(4, 80, 136, 26));
    Button10->setFont(petite);
    connect(Button10, &QPushButton::clicked, this, [this] { Explorateur->exec(); });
    Active_Trace = Nommer(new QCheckBox(QStringLiteral("Activer la trace dans la retouche"), page),
                          "Active_Trace");
    Active_Trace->setGeometry(146, 88, 300, 20);
    Active_Trace->setFont(petite);
    connect(Active_Trace, &QCheckBox::toggled, this,
            [this](bool active)
            {
                if (Ecran)
                    Ecran->Trace_Active = active;
            });
}

void TFMain::Creer_Page_A_Propos()
{
    QWidget *page = TabSheet[8];
    auto *panneau = new QFrame(page);
    panneau->setFrameShape(QFrame::StyledPanel);
    panneau->setGeometry(4, 4, 300, 100);
    auto *nom = Etiquette(panneau, QStringLiteral("Corvanel"), 10, 4);
    QFont grande = nom->font();
    grande.setPointSize(20);
    grande.setBold(true);
    nom->setFont(grande);
    nom->adjustSize();
    Etiquette(panneau, QStringLiteral("version " CORVANEL_VERSION), 180, 18);
    Etiquette(panneau, QStringLiteral("créé par : L'équipe Corvanel"), 10, 48);
    const auto lien = [this, panneau](const char *nom_objet, const QString &texte, int y)
    {
        auto *etiquette = Etiquette(panneau, texte, 10, y, nom_objet);
        QFont police = etiquette->font();
        police.setBold(true);
        police.setUnderline(true);
        etiquette->setFont(police);
        QPalette couleurs = etiquette->palette();
        couleurs.setColor(QPalette::WindowText, QColor(0, 0, 128));
        etiquette->setPalette(couleurs);
        etiquette->setCursor(Qt::CrossCursor);
        etiquette->adjustSize();
        etiquette->installEventFilter(this);
        return etiquette;
    };
    Label13 = lien("Label13", Adresse_Mail, 66);
    Label14 = lien("Label14", Adresse_Site, 82);
    Button7 = Bouton(page, "Button7", QStringLiteral("Ouvrir l'aide"), QRect(320, 40, 130, 30));
    connect(Button7, &QPushButton::clicked, this, &TFMain::Ouvrir_Aide);
}

void TFMain::Ouvrir_Aide()
{
    const QString page = Page_Aide(QCoreApplication::applicationDirPath());
    const QString chemin = QDir::toNativeSeparators(QFileInfo(page).absoluteFilePath());
    // The desktop is asked only for a page that is there: most desktops would say nothing.
    if (!QFileInfo(page).isFile())
        Dialogues_.Erreur(this, QString::fromUtf8(Titre_Message),
                          QStringLiteral("La page d'aide est introuvable : %1").arg(chemin));
    else if (!Dialogues_.Ouvrir_Document(page))
        Dialogues_.Information(this, QString::fromUtf8(Titre_Message),
                               QStringLiteral("Aucun programme n'a pu ouvrir la page d'aide. "
                                              "Ouvrez-la dans un navigateur : %1")
                                   .arg(chemin));
}

bool TFMain::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() == QEvent::MouseButtonRelease)
    {
        if (objet == Label13)
            Dialogues_.Ouvrir_Document(QStringLiteral("mailto:") + Adresse_Mail);
        else if (objet == Label14)
            Dialogues_.Ouvrir_Document(Adresse_Site);
    }
    return QWidget::eventFilter(objet, evenement);
}

void TFMain::closeEvent(QCloseEvent *evenement)
{
    if (!Abandonner_Modifications())
    {
        evenement->ignore();
        return;
    }
    // Closing the main window ends the program, even with the edit windows still shown.
    QWidget::closeEvent(evenement);
    QCoreApplication::quit();
}
} // namespace Corvanel
