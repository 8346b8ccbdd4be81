// The main window: eight tab pages holding every command, and the tables of save plug-ins.
// Its commands run the document's operations and push to the other windows what they show.
#ifndef CORVANEL_FICHE_MAIN_H
#define CORVANEL_FICHE_MAIN_H

#include "Couleurs.h"
#include "Memoire_Fichiers.h"
#include "Registre.h"

#include <QWidget>
#include <cstdint>

class QAbstractButton;
class QButtonGroup;
class QCloseEvent;
class QCheckBox;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSettings;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace Corvanel
{
class Dialogues;
class Document_Image;
class Palette_Lumiere;
class Palette_Retouche;
class Panneau_Couleur;
class TFEcran;
class TFMask;
class TFPlugin;
enum class Action_Bandes;
enum class Genre_Fichier;
struct Grille_Sprites;
struct Options_Appel;
struct Resultat_Carte;
struct Resultat_Enregistrement;
struct Resultat_Planche;

// The title of the program's message boxes.
inline constexpr const char *Titre_Message = "Message de Corvanel";

class TFMain : public QWidget
{
    Q_OBJECT
public:
    TFMain(Dialogues &dialogues, Document_Image &document);
    // The other windows, once they exist: what they report is wired to the commands here.
    void Relier(TFEcran *ecran, TFMask *masque, TFPlugin *explorateur);

    // Save plug-ins found by the scan at start-up.
    Resultat_Scan Plugins;
    // The grey mode of the radios "Gris de la TI" and "Gris de Windows".
    Mode_Gris Mode_Affichage = Mode_Gris::TI;

    QTabWidget *Onglets;
    QWidget *TabSheet[9] = {}; // TabSheet[1] to TabSheet[8]

    // "Ouvrir une image"
    QComboBox *Taille_Image;
    QLabel *TXT_Largeur;
    QLabel *TXT_Hauteur;
    QLineEdit *Largeur;
    QLineEdit *Hauteur;
    QRadioButton *Ouvrir_Fichier;
    QRadioButton *RadioButton1;
    QCheckBox *Adaptation_Image;
    QCheckBox *Conserver_Proportions;
    QPushButton *Button1;
    QSpinBox *Numero_Image; // the frame of an animation
    QComboBox *Fichiers_Recents;
    // "Enregistrer"
    QLineEdit *Enregistrement_Nom_Image;
    QPushButton *Button2;
    QCheckBox *Decouper_Sprites;
    QSpinBox *Largeur_Sprite;
    QSpinBox *Hauteur_Sprite;
    QCheckBox *Ignorer_Vides;
    QCheckBox *Toutes_Images;
    // Saves pack their source text into one array the calculator unpacks.
    QCheckBox *Compresser;
    QCheckBox *Carte_Tuiles;
    // "Lumière"
    QPushButton *Button3;
    QPushButton *Button4;
    QPushButton *Button5;
    QPushButton *Button6;
    QPushButton *Button9;
    QPushButton *Bouton_Equilibrer;
    Palette_Lumiere *Palette_Lum;
    // "Retoucher l'image"
    QToolButton *Outil[10] = {}; // Outil[1] to Outil[9]
    QToolButton *Outil_Retablir;
    QButtonGroup *Groupe_Outils;
    QToolButton *SpeedButton16;
    QToolButton *SpeedButton17;
    QLabel *TXT_Texte;
    QLineEdit *Texte;
    Panneau_Couleur *Couleur_Gauche;
    Panneau_Couleur *Couleur_Droite;
    Palette_Retouche *Palette_Retouche_;
    // "Transformation"
    QToolButton *SpeedButton[8] = {}; // SpeedButton[1] to SpeedButton[7]
    // "Mask"
    QToolButton *Mask[5] = {}; // Mask[1] to Mask[4]
    QButtonGroup *Groupe_Mask;
    QToolButton *MaskZoomM;
    QToolButton *MaskZoomP;
    QComboBox *Choix_Fond;
    QPushButton *Button8;
    QPushButton *Button_Editer_Mask;
    QPushButton *Button11;
    // "Option"
    QRadioButton *Choix_Couleur_TI;
    QRadioButton *Choix_Couleur_WIN;
    QRadioButton *Choix_Nombre_Couleur_2;
    QRadioButton *Choix_Nombre_Couleur_4;
    QRadioButton *Choix_Nombre_Couleur_8;
    QButtonGroup *Groupe_Nombre;
    QComboBox *Choix_Echantillonnage;
    QComboBox *Choix_Teinte;
    QComboBox *Choix_Tramage;
    QPushButton *Button10;
    QCheckBox *Active_Trace;
    // "A Propos"
    QLabel *Label13;
    QLabel *Label14;
    QPushButton *Button7;

    // The level count of the selected radio.
    std::uint8_t Nombre_Radio() const;
    void Afficher_Onglets();
    void Recolorer();
    void Selectionner_Nombre(std::uint16_t nombre);

    // Commands, as the buttons run them.
    void Ouvrir();
    // True when the file was opened; otherwise its message is shown and nothing has changed.
    bool Ouvrir_Image(const QString &chemin, int type);
    bool Ouvrir_Chemin(const QString &chemin, Genre_Fichier genre);
    // A file named without the open dialog (dropped, recent), as "Ouvrir" opens one: the size
    // fields, the question about unsaved work, the reader chosen by the file itself.
    bool Ouvrir_Par_Chemin(const QString &chemin);
    // The first file opens; the title says how many others were left.
    void Deposer_Fichiers(const QStringList &chemins);
    void Ouvrir_Recent(const QString &chemin);
    // The recent files and the dialogs' folders are read from the settings and kept there.
    void Utiliser_Reglages(QSettings *reglages);
    void Creer_Image_Vide();
    void Enregistrer_Image();
    void Enregistrer_Mask();
    void Choisir_Outil(int numero);
    // The picture's history, whichever window made the step.
    void Annuler();
    void Retablir();
    // Asked before the picture is dropped: true when nothing changed since it was last opened,
    // created or saved, or when the user agrees to lose the changes.
    bool Abandonner_Modifications();
    // The picture and its mask a quarter turn clockwise, or the message why not.
    void Tourner();
    // The help page, or a message that gives its path when the desktop cannot show it.
    void Ouvrir_Aide();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void closeEvent(QCloseEvent *evenement) override;
    void dragEnterEvent(QDragEnterEvent *evenement) override;
    void dropEvent(QDropEvent *evenement) override;

private:
    void Creer_Page_Ouvrir();
    void Creer_Page_Enregistrer();
    void Creer_Page_Lumiere();
    void Creer_Page_Retouche();
    void Creer_Page_Transformation();
    void Creer_Page_Mask();
    void Creer_Page_Option();
    void Creer_Page_A_Propos();
    void Creer_Controles_Ouvrir(QWidget *page, QWidget *style);
    void Creer_Toutes_Images(QWidget *page);
    void Creer_Bouton_Equilibrer(QWidget *page);
    // The frame spin box, the caption and the sheet of frames as the picture allows.
    void Montrer_Images();
    void Choisir_Numero_Image(int numero);
    void Choisir_Fond_Ouverture();
    Resultat_Planche Enregistrer_Animation(const Plug_Info &slot, const QString &chemin,
                                           const QString &nom, const Options_Appel &options);
    void Choisir_Taille(int index);
    bool Lire_Taille(int &largeur, int &hauteur);
    void Changer_Bandes(Action_Bandes action);
    void Changer_Nombre(std::uint8_t nombre);
    void Changer_Conversion();
    void Activer_Mask();
    void Creer_Mask();
    void Editer_Mask();
    void Inverser_Mask();
    void Transformer(void (Document_Image::*action)());
    void Decaler(int dx, int dy);
    void Pousser_Couleurs();
    void Rafraichir_Mask();
    Grille_Sprites Grille() const;
    void Relier_Historique();
    void Actualiser_Historique();
    // After an undo or a redo: every control that shows the document shows it again.
    void Montrer_Document();
    // Keys, tooltips and drops: what every window of today answers to.
    void Creer_Recents();
    void Montrer_Recents();
    void Poser_Bulles();
    void Creer_Touches();
    // A key acts only where its control could be clicked: enabled, on a page that is shown.
    bool Disponible(const QWidget *controle) const;
    void Presser(QAbstractButton *bouton);
    // A save's outcome: the title, and the plug-in's own reason for a refusal in a box.
    void Montrer_Enregistrement(const Resultat_Enregistrement &resultat);
    void Montrer_Planche(const Resultat_Planche &resultat);
    void Montrer_Carte(const Resultat_Carte &resultat);
    // The picture's unique tiles and map through the slot.
    void Enregistrer_Carte(const Plug_Info &slot, const QString &chemin, const QString &nom,
                           const Options_Appel &attente);

    Dialogues &Dialogues_;
    Document_Image &Document;
    TFEcran *Ecran = nullptr;
    TFMask *Masque = nullptr;
    TFPlugin *Explorateur = nullptr;
    int Type_Image_Enregistrement = 1;
    int Type_Mask_Enregistrement = 1;
    Memoire_Fichiers Memoire;
};

} // namespace Corvanel

#endif
