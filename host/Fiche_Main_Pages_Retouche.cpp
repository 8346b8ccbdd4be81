// The main window's pages that change the picture: the drawing tools, the transformations and
// the mask.
#include "Fiche_Main.h"

#include "Choix_Image.h"
#include "Document_Image.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main_Controles.h"
#include "Fiche_Mask.h"
#include "Palettes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace Corvanel
{
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
    connect(SpeedButton[3], &QToolButton::clicked, this, &TFMain::Tourner);
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
} // namespace Corvanel
