// The main window's pages about the picture as a whole: opening it, saving it, its light.
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
} // namespace Corvanel
