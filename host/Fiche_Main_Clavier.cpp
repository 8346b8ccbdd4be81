// The keys of the three windows and the tooltips of the main window's controls. A key presses
// its button, so it does exactly what the button does, and nothing where the button could not
// be clicked.
#include "Fiche_Main.h"

#include "Fiche_Ecran.h"
#include "Fiche_Main_Controles.h"
#include "Fiche_Mask.h"

#include <QAction>
#include <QRadioButton>
#include <QTabWidget>

namespace Corvanel
{
namespace
{
// The key each tooltip names; the platform may add its own beside it.
const QKeySequence Touche_Ouvrir(Qt::CTRL | Qt::Key_O);
const QKeySequence Touche_Image_Vide(Qt::CTRL | Qt::Key_N);
const QKeySequence Touche_Enregistrer(Qt::CTRL | Qt::Key_S);
const QKeySequence Touche_Enregistrer_Mask(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
const QKeySequence Touche_Annuler(Qt::CTRL | Qt::Key_Z);
const QKeySequence Touche_Retablir(Qt::CTRL | Qt::Key_Y);
const QKeySequence Touche_Zoom_Plus(Qt::CTRL | Qt::Key_Plus);
const QKeySequence Touche_Zoom_Moins(Qt::CTRL | Qt::Key_Minus);
const QKeySequence Touche_Zoom_Normal(Qt::CTRL | Qt::Key_0);
const QKeySequence Touche_Aide(Qt::Key_F1);
const QKeySequence Touche_Quitter(Qt::CTRL | Qt::Key_Q);

struct Bulle
{
    const char *Nom;
    const char *Texte; // UTF-8
    QKeySequence Touche = {};
};

const Bulle Bulles[] = {
    // "Ouvrir une image"
    {"Taille_Image", "Taille de la nouvelle image"},
    {"Largeur", "Largeur de l'image, de 1 à 240 pixels"},
    {"Hauteur", "Hauteur de l'image, de 1 à 128 pixels"},
    {"Ouvrir_Fichier", "Convertir une image lue dans un fichier", Touche_Ouvrir},
    {"RadioButton1", "Commencer une image blanche", Touche_Image_Vide},
    {"Button1", "Ouvrir une image", Touche_Ouvrir},
    {"Fichiers_Recents", "Rouvrir un des derniers fichiers ouverts"},
    {"Numero_Image", "L'image de l'animation qui est convertie"},
    // "Enregistrer"
    {"Enregistrement_Nom_Image", "Nom de l'image dans le fichier enregistré"},
    {"Button2", "Enregistrer l'image", Touche_Enregistrer},
    {"Largeur_Sprite", "Largeur de chaque sprite"},
    {"Hauteur_Sprite", "Hauteur de chaque sprite"},
    // "Lumière"
    {"Button3", "Moins de lumière"},
    {"Button4", "Plus de lumière"},
    {"Button5", "Moins de contraste"},
    {"Button6", "Plus de contraste"},
    {"Palette_Lum", "La part des couleurs que prend chaque niveau de gris"},
    // "Retoucher l'image"
    {"Outil1", "Crayon"},
    {"Outil2", "Ligne"},
    {"Outil3", "Rectangle plein"},
    {"Outil4", "Ellipse"},
    {"Outil5", "Triangle plein"},
    {"Outil6", "Ligne brisée : un clic par sommet, un clic droit pour finir"},
    {"Outil7", "Texte, dans la police choisie"},
    {"Outil8", "Caractère donné par son code"},
    {"Outil9", "Annuler", Touche_Annuler},
    {"Outil_Retablir", "Rétablir", Touche_Retablir},
    {"SpeedButton16", "Zoom arrière", Touche_Zoom_Moins},
    {"SpeedButton17", "Zoom avant", Touche_Zoom_Plus},
    {"Couleur_Gauche", "Couleur du bouton gauche"},
    {"Couleur_Droite", "Couleur du bouton droit"},
    {"Palette_Retouche", "Un clic gauche ou droit choisit la couleur de ce bouton"},
    {"Texte", "Le texte à poser, ou le code du caractère"},
    // "Transformation"
    {"SpeedButton1", "Miroir horizontal"},
    {"SpeedButton2", "Miroir vertical"},
    {"SpeedButton3", "Rotation d'un quart de tour vers la droite"},
    {"SpeedButton4", "Décaler d'un pixel vers la gauche"},
    {"SpeedButton5", "Décaler d'un pixel vers le haut"},
    {"SpeedButton6", "Décaler d'un pixel vers le bas"},
    {"SpeedButton7", "Décaler d'un pixel vers la droite"},
    // "Mask"
    {"Mask1", "Crayon du mask"},
    {"Mask2", "Rectangle plein du mask"},
    {"Mask3", "Ellipse pleine du mask"},
    {"Mask4", "Inverser le mask"},
    {"MaskZoomM", "Zoom arrière du mask", Touche_Zoom_Moins},
    {"MaskZoomP", "Zoom avant du mask", Touche_Zoom_Plus},
    {"Choix_Fond", "Le niveau de gris du fond, laissé hors du mask"},
    {"Button11", "Enregistrer le mask", Touche_Enregistrer_Mask},
    // "A Propos"
    {"Label13", "Écrire à l'auteur"},
    {"Label14", "Le site de Corvanel"},
    {"Button7", "Ouvrir l'aide", Touche_Aide},
};
} // namespace

void TFMain::Poser_Bulles()
{
    for (const Bulle &bulle : Bulles)
        if (QWidget *controle = findChild<QWidget *>(QLatin1String(bulle.Nom)))
        {
            QString texte = QString::fromUtf8(bulle.Texte);
            if (!bulle.Touche.isEmpty())
                texte +=
                    QStringLiteral(" (%1)").arg(bulle.Touche.toString(QKeySequence::NativeText));
            controle->setToolTip(texte);
        }
}

bool TFMain::Disponible(const QWidget *controle) const
{
    if (!controle || !controle->isEnabled())
        return false;
    for (int i = 1; i <= 8; ++i)
        if (TabSheet[i]->isAncestorOf(controle))
            return Onglets->isTabVisible(i - 1) && controle->isVisibleTo(TabSheet[i]);
    return controle->isVisibleTo(this);
}

void TFMain::Presser(QAbstractButton *bouton)
{
    if (Disponible(bouton))
        bouton->click();
}

void TFMain::Creer_Touches()
{
    const QList<QWidget *> toutes{this, Ecran, Masque};
    const auto touche = [this](const QString &nom, const QList<QKeySequence> &touches,
                               const QList<QWidget *> &fenetres, auto faire)
    {
        auto *action = new QAction(nom, this);
        action->setShortcuts(touches);
        connect(action, &QAction::triggered, this, faire);
        for (QWidget *fenetre : fenetres)
            fenetre->addAction(action);
    };
    // "Ouvrir" and "Image vide" are one button: the key picks the style first, as a user would.
    const auto ouvrir = [this](QRadioButton *style)
    {
        if (!Disponible(style) || !Disponible(Button1))
            return;
        if (!style->isChecked())
            style->click();
        Button1->click();
    };
    touche(QStringLiteral("Ouvrir"), Touches(QKeySequence::Open, {Touche_Ouvrir}), toutes,
           [ouvrir, this] { ouvrir(Ouvrir_Fichier); });
    touche(QStringLiteral("Image vide"), Touches(QKeySequence::New, {Touche_Image_Vide}), toutes,
           [ouvrir, this] { ouvrir(RadioButton1); });
    touche(QStringLiteral("Enregistrer l'image"), Touches(QKeySequence::Save, {Touche_Enregistrer}),
           toutes, [this] { Presser(Button2); });
    touche(QStringLiteral("Enregistrer le mask"),
           Touches(QKeySequence::SaveAs, {Touche_Enregistrer_Mask}), toutes,
           [this] { Presser(Button11); });
    touche(QStringLiteral("Aide"), Touches(QKeySequence::HelpContents, {Touche_Aide}), toutes,
           [this] { Presser(Button7); });
    // Closing asks about unsaved work, whichever window has the key.
    touche(QStringLiteral("Quitter"), Touches(QKeySequence::Quit, {Touche_Quitter}), toutes,
           [this] { close(); });

    // Each zoom window has its own keys: the keys of the window that has them.
    const QList<QKeySequence> plus =
        Touches(QKeySequence::ZoomIn, {Touche_Zoom_Plus, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    const QList<QKeySequence> moins = Touches(QKeySequence::ZoomOut, {Touche_Zoom_Moins});
    touche(QStringLiteral("Zoom avant"), plus, {Ecran}, [this] { Presser(SpeedButton17); });
    touche(QStringLiteral("Zoom arrière"), moins, {Ecran}, [this] { Presser(SpeedButton16); });
    touche(QStringLiteral("Zoom 1"), {Touche_Zoom_Normal}, {Ecran},
           [this]
           {
               if (Disponible(SpeedButton16))
                   Ecran->Zoom_Normal();
           });
    touche(QStringLiteral("Zoom avant du mask"), plus, {Masque}, [this] { Presser(MaskZoomP); });
    touche(QStringLiteral("Zoom arrière du mask"), moins, {Masque}, [this] { Presser(MaskZoomM); });
    touche(QStringLiteral("Zoom 1 du mask"), {Touche_Zoom_Normal}, {Masque},
           [this]
           {
               if (Disponible(MaskZoomM))
                   Masque->Zoom_Normal();
           });
}
} // namespace Corvanel
