#include "Fiche_Main.h"

#include "Choix_Image.h"
#include "Dialogues.h"
#include "Document_Image.h"
#include "Emplacements.h"
#include "Fiche_Ecran.h"
#include "Fiche_Mask.h"
#include "Fiche_Plugin.h"
#include "Icones.h"
#include "Palettes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
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

template <typename T> T *Nommer(T *objet, const char *nom)
{
    objet->setObjectName(QLatin1String(nom));
    return objet;
}

QPushButton *Bouton(QWidget *parent, const char *nom, const QString &texte, QRect zone)
{
    auto *bouton = Nommer(new QPushButton(texte, parent), nom);
    bouton->setGeometry(zone);
    return bouton;
}

QToolButton *Bouton_Icone(QWidget *parent, const QString &nom, Icone icone, int x, int y,
                          bool bascule = false)
{
    auto *bouton = new QToolButton(parent);
    bouton->setObjectName(nom);
    bouton->setIcon(Creer_Icone(icone));
    bouton->setIconSize(QSize(25, 25));
    bouton->setGeometry(x, y, 35, 35);
    bouton->setCheckable(bascule);
    bouton->setAutoRaise(bascule);
    return bouton;
}

QLabel *Etiquette(QWidget *parent, const QString &texte, int x, int y, const char *nom = nullptr)
{
    auto *etiquette = new QLabel(texte, parent);
    if (nom)
        etiquette->setObjectName(QLatin1String(nom));
    etiquette->move(x, y);
    etiquette->adjustSize();
    return etiquette;
}
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
    Onglets->setCurrentIndex(0);
    for (int i = 2; i <= 6; ++i)
        Onglets->setTabVisible(i - 1, false);
}

void TFMain::Creer_Page_Ouvrir()
{
    QWidget *page = TabSheet[1];
    auto *groupe = new QGroupBox(QStringLiteral("Taille de l'image"), page);
    groupe->setGeometry(4, 2, 190, 104);
    Taille_Image = Nommer(new QComboBox(groupe), "Taille_Image");
    for (const Taille_Predefinie &taille : Tailles_Image)
        Taille_Image->addItem(QString::fromUtf8(taille.Nom));
    Taille_Image->setGeometry(8, 20, 174, 24);
    TXT_Largeur = Etiquette(groupe, QStringLiteral("Largeur"), 8, 52, "TXT_Largeur");
    Largeur = Nommer(new QLineEdit(QStringLiteral("160"), groupe), "Largeur");
    Largeur->setGeometry(8, 70, 80, 24);
    TXT_Hauteur = Etiquette(groupe, QStringLiteral("Hauteur"), 100, 52, "TXT_Hauteur");
    Hauteur = Nommer(new QLineEdit(QStringLiteral("100"), groupe), "Hauteur");
    Hauteur->setGeometry(100, 70, 80, 24);
    for (QWidget *champ : {static_cast<QWidget *>(TXT_Largeur), static_cast<QWidget *>(Largeur),
                           static_cast<QWidget *>(TXT_Hauteur), static_cast<QWidget *>(Hauteur)})
        champ->setEnabled(false);
    connect(Taille_Image, qOverload<int>(&QComboBox::activated), this, &TFMain::Choisir_Taille);

    auto *style = new QGroupBox(QStringLiteral(" Style de la nouvelle image"), page);
    style->setGeometry(200, 2, 220, 104);
    Ouvrir_Fichier = Nommer(new QRadioButton(QStringLiteral("Image à partir d'un fichier"), style),
                            "Ouvrir_Fichier");
    Ouvrir_Fichier->setGeometry(8, 16, 206, 22);
    Ouvrir_Fichier->setChecked(true);
    RadioButton1 = Nommer(new QRadioButton(QStringLiteral("Image vide"), style), "RadioButton1");
    RadioButton1->setGeometry(8, 36, 206, 22);
    Adaptation_Image = Nommer(new QCheckBox(QStringLiteral("Adapter l'image à la taille"), style),
                              "Adaptation_Image");
    Adaptation_Image->setGeometry(8, 57, 206, 22);
    Adaptation_Image->setChecked(true);
    connect(Adaptation_Image, &QCheckBox::toggled, this,
            [this](bool adapter) { Document.Conversion.Adapter = adapter; });
    connect(Ouvrir_Fichier, &QRadioButton::clicked, this,
            [this] { Adaptation_Image->setEnabled(true); });
    connect(RadioButton1, &QRadioButton::clicked, this,
            [this] { Adaptation_Image->setEnabled(false); });
    Button1 = Bouton(page, "Button1", QStringLiteral("Ouvrir"), QRect(428, 40, 86, 30));
    connect(Button1, &QPushButton::clicked, this, &TFMain::Ouvrir);
    Creer_Controles_Ouvrir(page, style);
}

void TFMain::Creer_Page_Enregistrer()
{
    QWidget *page = TabSheet[2];
    Etiquette(page, QStringLiteral("Nom de l'image"), 10, 14);
    Enregistrement_Nom_Image =
        Nommer(new QLineEdit(QStringLiteral("Image"), page), "Enregistrement_Nom_Image");
    Enregistrement_Nom_Image->setGeometry(10, 34, 250, 24);
    Button2 = Bouton(page, "Button2", QStringLiteral("Enregistrer"), QRect(280, 30, 110, 30));
    connect(Button2, &QPushButton::clicked, this, &TFMain::Enregistrer_Image);

    // A sheet of sprites: every save cuts the picture (or the mask) into cells of that size.
    Decouper_Sprites =
        Nommer(new QCheckBox(QStringLiteral("Découper en sprites de"), page), "Decouper_Sprites");
    Decouper_Sprites->setGeometry(10, 70, 170, 24);
    const auto champ = [page](const char *nom, int maximum, int x)
    {
        auto *boite = Nommer(new QSpinBox(page), nom);
        boite->setRange(1, maximum);
        boite->setValue(16);
        boite->setGeometry(x, 70, 56, 24);
        return boite;
    };
    Largeur_Sprite = champ("Largeur_Sprite", Colonnes_Plan, 182);
    Etiquette(page, QStringLiteral("x"), 243, 74);
    Hauteur_Sprite = champ("Hauteur_Sprite", Lignes_Plan, 256);
    Ignorer_Vides =
        Nommer(new QCheckBox(QStringLiteral("Ignorer les cases vides"), page), "Ignorer_Vides");
    Ignorer_Vides->setGeometry(324, 70, 190, 24);
    Compresser = Nommer(new QCheckBox(QStringLiteral("Compresser (ttpack)"), page), "Compresser");
    Compresser->setGeometry(282, 6, 236, 22);
    // The picture save then writes its unique tiles, of the size above, and their map.
    Carte_Tuiles =
        Nommer(new QCheckBox(QStringLiteral("Tuiles uniques et carte"), page), "Carte_Tuiles");
    Carte_Tuiles->setGeometry(10, 98, 250, 24);
    Creer_Toutes_Images(page);
}

void TFMain::Creer_Page_Lumiere()
{
    QWidget *page = TabSheet[3];
    Etiquette(page, QStringLiteral("Lumière"), 10, 12);
    Button3 = Bouton(page, "Button3", QStringLiteral("-"), QRect(80, 6, 30, 26));
    Button4 = Bouton(page, "Button4", QStringLiteral("+"), QRect(114, 6, 30, 26));
    Etiquette(page, QStringLiteral("Contraste"), 170, 12);
    Button5 = Bouton(page, "Button5", QStringLiteral("-"), QRect(250, 6, 30, 26));
    Button6 = Bouton(page, "Button6", QStringLiteral("+"), QRect(284, 6, 30, 26));
    Button9 = Bouton(page, "Button9", QStringLiteral("Réinitialisation"), QRect(340, 6, 130, 26));
    Palette_Lum = new Palette_Lumiere(page, Document, Mode_Affichage);
    Palette_Lum->move(10, 50);
    Creer_Bouton_Equilibrer(page);
    const std::pair<QPushButton *, Action_Bandes> actions[] = {
        {Button4, Action_Bandes::Lumiere_Plus},
        {Button3, Action_Bandes::Lumiere_Moins},
        {Button6, Action_Bandes::Contraste_Plus},
        {Button5, Action_Bandes::Contraste_Moins},
        {Button9, Action_Bandes::Reinitialisation}};
    for (const auto &[bouton, action] : actions)
        connect(bouton, &QPushButton::clicked, this, [this, action] { Changer_Bandes(action); });
}

void TFMain::Creer_Page_Retouche()
{
    QWidget *page = TabSheet[4];
    static const Icone icones[] = {Icone::Crayon,  Icone::Ligne,    Icone::Rectangle,
                                   Icone::Ellipse, Icone::Triangle, Icone::Polygone,
                                   Icone::Texte,   Icone::Arobase,  Icone::Annuler};
    Groupe_Outils = new QButtonGroup(this);
    for (int n = 1; n <= 9; ++n)
    {
        const int x = 4 + ((n - 1) % 5) * 37;
        const int y = 4 + ((n - 1) / 5) * 37;
        Outil[n] =
            Bouton_Icone(page, QStringLiteral("Outil%1").arg(n), icones[n - 1], x, y, n <= 8);
        if (n <= 8)
        {
            Groupe_Outils->addButton(Outil[n], n);
            connect(Outil[n], &QToolButton::clicked, this, [this, n] { Choisir_Outil(n); });
        }
    }
    Outil[1]->setChecked(true);
    Outil[9]->setEnabled(false);
    connect(Outil[9], &QToolButton::clicked, this, &TFMain::Annuler);
    Outil_Retablir = Bouton_Icone(page, QStringLiteral("Outil_Retablir"), Icone::Retablir, 152, 41);
    Outil_Retablir->setEnabled(false);
    connect(Outil_Retablir, &QToolButton::clicked, this, &TFMain::Retablir);
    SpeedButton16 =
        Bouton_Icone(page, QStringLiteral("SpeedButton16"), Icone::Loupe_Moins, 189, 41);
    SpeedButton17 = Bouton_Icone(page, QStringLiteral("SpeedButton17"), Icone::Loupe_Plus, 226, 41);
    connect(SpeedButton16, &QToolButton::clicked, this, [this] { Ecran->Zoom_Moins(); });
    connect(SpeedButton17, &QToolButton::clicked, this, [this] { Ecran->Zoom_Plus(); });

    Couleur_Droite = Nommer(new Panneau_Couleur(page, Document, Mode_Affichage), "Couleur_Droite");
    Couleur_Droite->move(250 + 16, 4 + 10);
    Couleur_Gauche = Nommer(new Panneau_Couleur(page, Document, Mode_Affichage), "Couleur_Gauche");
    Couleur_Gauche->move(250, 4);
    Couleur_Gauche->Definir(Code::Noir);
    Couleur_Droite->Definir(Code::Blanc);
    connect(Couleur_Gauche, &Panneau_Couleur::Couleur_Changee, this, &TFMain::Pousser_Couleurs);
    connect(Couleur_Droite, &Panneau_Couleur::Couleur_Changee, this, &TFMain::Pousser_Couleurs);
    Palette_Retouche_ =
        new Palette_Retouche(page, Document, Mode_Affichage, Couleur_Gauche, Couleur_Droite);
    Palette_Retouche_->move(300, 10);

    TXT_Texte = Etiquette(page, QStringLiteral("Taper votre texte :"), 4, 82, "TXT_Texte");
    TXT_Texte->setFixedWidth(190);
    Texte = Nommer(new QLineEdit(page), "Texte");
    Texte->setGeometry(200, 78, 310, 24);
    connect(Texte, &QLineEdit::textChanged, this,
            [this](const QString &texte)
            {
                if (Ecran)
                    Ecran->Texte_Outil = texte;
            });
    TXT_Texte->hide();
    Texte->hide();
}

void TFMain::Creer_Page_Transformation()
{
    QWidget *page = TabSheet[5];
    static const Icone icones[] = {
        Icone::Miroir_Horizontal, Icone::Miroir_Vertical, Icone::Rotation,     Icone::Fleche_Gauche,
        Icone::Fleche_Haut,       Icone::Fleche_Bas,      Icone::Fleche_Droite};
    // A row of three, then a cross of four arrows.
    static const QPoint places[] = {{10, 30}, {47, 30},  {84, 30}, {200, 35},
                                    {237, 2}, {237, 68}, {274, 35}};
    for (int n = 1; n <= 7; ++n)
        SpeedButton[n] = Bouton_Icone(page, QStringLiteral("SpeedButton%1").arg(n), icones[n - 1],
                                      places[n - 1].x(), places[n - 1].y());
    connect(SpeedButton[1], &QToolButton::clicked, this,
            [this] { Transformer(&Document_Image::Miroir_Horizontal); });
    connect(SpeedButton[2], &QToolButton::clicked, this,
            [this] { Transformer(&Document_Image::Miroir_Vertical); });
    // The arrows, left, up, down and right, each shift the picture by one pixel.
    const QPoint pas[] = {{-1, 0}, {0, -1}, {0, 1}, {1, 0}};
    for (int n = 4; n <= 7; ++n)
        connect(SpeedButton[n], &QToolButton::clicked, this,
                [this, d = pas[n - 4]] { Decaler(d.x(), d.y()); });
    connect(SpeedButton[3], &QToolButton::clicked, this,
            [this]
            {
                Dialogues_.Information(this, QString::fromUtf8(Titre_Message),
                                       QStringLiteral("Option non disponible pour l'instant."));
            });
}

void TFMain::Creer_Page_Mask()
{
    QWidget *page = TabSheet[6];
    static const Icone icones[] = {Icone::Crayon, Icone::Rectangle_Plein, Icone::Ellipse_Pleine,
                                   Icone::Inverser};
    Groupe_Mask = new QButtonGroup(this);
    for (int n = 1; n <= 4; ++n)
    {
        Mask[n] = Bouton_Icone(page, QStringLiteral("Mask%1").arg(n), icones[n - 1],
                               4 + (n - 1) * 37, 4, n <= 3);
        Mask[n]->setEnabled(false);
        if (n <= 3)
        {
            Groupe_Mask->addButton(Mask[n], n);
            connect(Mask[n], &QToolButton::clicked, this,
                    [this, n] { Masque->Outil_Mask = static_cast<std::uint8_t>(n); });
        }
    }
    Mask[1]->setChecked(true);
    connect(Mask[4], &QToolButton::clicked, this, &TFMain::Inverser_Mask);
    MaskZoomM = Bouton_Icone(page, QStringLiteral("MaskZoomM"), Icone::Loupe_Moins, 4, 41);
    MaskZoomP = Bouton_Icone(page, QStringLiteral("MaskZoomP"), Icone::Loupe_Plus, 41, 41);
    MaskZoomM->setEnabled(false);
    MaskZoomP->setEnabled(false);
    connect(MaskZoomM, &QToolButton::clicked, this, [this] { Masque->Zoom_Moins(); });
    connect(MaskZoomP, &QToolButton::clicked, this, [this] { Masque->Zoom_Plus(); });

    auto *groupe = new QGroupBox(QStringLiteral("Créer un mask automatiquement"), page);
    groupe->setGeometry(160, 2, 220, 100);
    Etiquette(groupe, QStringLiteral("Couleur de Fond"), 8, 24);
    Choix_Fond = Nommer(new QComboBox(groupe), "Choix_Fond");
    for (const Fond_Mask &fond : Fonds_Mask)
        Choix_Fond->addItem(QString::fromUtf8(fond.Nom));
    Choix_Fond->setGeometry(8, 44, 120, 24);
    Choix_Fond->setCurrentIndex(0);
    Button8 = Bouton(groupe, "Button8", QStringLiteral("Créer"), QRect(136, 42, 76, 28));
    connect(Button8, &QPushButton::clicked, this, &TFMain::Creer_Mask);
    Button_Editer_Mask = Bouton(page, "Button_Editer_Mask", QStringLiteral("Editer un mask"),
                                QRect(390, 10, 124, 30));
    connect(Button_Editer_Mask, &QPushButton::clicked, this, &TFMain::Editer_Mask);
    Button11 = Bouton(page, "Button11", QStringLiteral("Enregistrer"), QRect(390, 60, 124, 30));
    Button11->setEnabled(false);
    connect(Button11, &QPushButton::clicked, this, &TFMain::Enregistrer_Mask);
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
    connect(Button7, &QPushButton::clicked, this,
            [this]
            { Dialogues_.Ouvrir_Document(Page_Aide(QCoreApplication::applicationDirPath())); });
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
