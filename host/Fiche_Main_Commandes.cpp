// The main window's commands: each runs the document's operation and tells the other windows
// what to show.
#include "Fiche_Main.h"

#include "Choix_Image.h"
#include "Decoupage.h"
#include "Dialogues.h"
#include "Document_Image.h"
#include "Fiche_Ecran.h"
#include "Fiche_Mask.h"
#include "Fiche_Plugin.h"
#include "Historique_Image.h"
#include "Lecture_Decimale.h"
#include "Palettes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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
const QString Texte_Attente = QStringLiteral("Le plug-in enregistre le fichier…");

long Lire_Entier(const QString &texte)
{
    return static_cast<long>(Lire_Decimal(texte).Valeur);
}
} // namespace

void TFMain::Relier(TFEcran *ecran, TFMask *masque, TFPlugin *explorateur)
{
    Ecran = ecran;
    Masque = masque;
    Explorateur = explorateur;
    Ecran->Mode = Masque->Mode = Mode_Affichage;
    Ecran->Trace_Active = Active_Trace->isChecked();
    Ecran->Texte_Outil = Texte->text();
    Pousser_Couleurs();
    connect(Ecran, &TFEcran::Image_Modifiee, this, &TFMain::Rafraichir_Mask);
    connect(Ecran, &TFEcran::Annulation_Disponible, Outil[9], &QToolButton::setEnabled);
    Relier_Historique();
    Creer_Touches();
    // Dropped on the edit or the mask window, a file opens as on this one.
    connect(Ecran, &TFEcran::Fichiers_Deposes, this, &TFMain::Deposer_Fichiers,
            Qt::QueuedConnection);
    connect(Masque, &TFMask::Fichiers_Deposes, this, &TFMain::Deposer_Fichiers,
            Qt::QueuedConnection);
    connect(Explorateur, &TFPlugin::Image_Modifiee, this,
            [this]
            {
                Ecran->Peindre_Image();
                if (Masque->isVisible())
                    Masque->Afficher_Mask();
            });
}

void TFMain::Pousser_Couleurs()
{
    if (!Ecran)
        return;
    Ecran->Couleur_Gauche = Couleur_Gauche->Couleur;
    Ecran->Couleur_Droite = Couleur_Droite->Couleur;
}

void TFMain::Rafraichir_Mask()
{
    Masque->Afficher_Mask();
}

void TFMain::Choisir_Taille(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(Tailles_Image)))
        return;
    const Taille_Predefinie &taille = Tailles_Image[index];
    Largeur->setText(QString::number(taille.Largeur));
    Hauteur->setText(QString::number(taille.Hauteur));
    for (QWidget *champ : {static_cast<QWidget *>(TXT_Largeur), static_cast<QWidget *>(Largeur),
                           static_cast<QWidget *>(TXT_Hauteur), static_cast<QWidget *>(Hauteur)})
        champ->setEnabled(taille.Libre);
}

void TFMain::Changer_Bandes(Action_Bandes action)
{
    Document.Appliquer_Bandes(action);
    Palette_Lum->Dessiner_Palette_Lum();
    Ecran->Peindre_Image();
}

void TFMain::Choisir_Outil(int numero)
{
    Ecran->Outil_Courant = static_cast<std::uint8_t>(numero);
    Outil[numero]->setChecked(true);
    const bool texte = numero == Outil::Texte || numero == Outil::Caractere;
    TXT_Texte->setVisible(texte);
    Texte->setVisible(texte);
    if (!texte)
        return;
    TXT_Texte->setText(numero == Outil::Texte ? QStringLiteral("Taper votre texte :")
                                              : QStringLiteral("Taper le code du caractère :"));
    // A cancelled dialog keeps the previous font.
    if (const auto police = Dialogues_.Choisir_Police(this, Ecran->Police_Texte))
    {
        QFont choisie(police->family());
        choisie.setPointSizeF(police->pointSizeF() > 0 ? police->pointSizeF() : 8);
        choisie.setStyleStrategy(QFont::NoAntialias);
        Ecran->Police_Texte = choisie;
    }
}

void TFMain::Transformer(void (Document_Image::*action)())
{
    (Document.*action)();
    Ecran->Peindre_Image();
}

void TFMain::Decaler(int dx, int dy)
{
    Document.Decaler(dx, dy);
    Ecran->Peindre_Image();
}

void TFMain::Tourner()
{
    if (!Document.Tourner())
    {
        Dialogues_.Information(this, QString::fromUtf8(Titre_Message),
                               QStringLiteral("La rotation donnerait une image de %1 x %2 : la "
                                              "hauteur ne peut dépasser 128.")
                                   .arg(Document.Hauteur_Image)
                                   .arg(Document.Largeur_Image));
        return;
    }
    // A new size for both windows, and the light page goes if the turned picture can no longer
    // be converted again.
    Montrer_Document();
}

void TFMain::Activer_Mask()
{
    for (int n = 1; n <= 4; ++n)
        Mask[n]->setEnabled(true);
    MaskZoomM->setEnabled(true);
    MaskZoomP->setEnabled(true);
    Button_Editer_Mask->hide();
    Button11->setEnabled(true);
}

void TFMain::Creer_Mask()
{
    Document.Creer_Mask_Auto(static_cast<std::uint8_t>(Choix_Fond->currentIndex()));
    Activer_Mask();
    if (!Masque->isVisible())
        Masque->show();
    Masque->Afficher_Mask();
}

void TFMain::Editer_Mask()
{
    Activer_Mask();
    Masque->show();
    Masque->raise();
    Masque->Afficher_Mask();
}

void TFMain::Inverser_Mask()
{
    Document.Inverser_Mask();
    Masque->Afficher_Mask();
}

void TFMain::Changer_Nombre(std::uint8_t nombre)
{
    const bool convertir = Ouvrir_Fichier->isChecked() && Document.Source_Valide;
    if (Document.Choisir_Nombre(nombre, convertir) && convertir)
        Ecran->Peindre_Image();
}

void TFMain::Changer_Conversion()
{
    Options_Conversion options = Document.Conversion;
    options.Echantillonnage =
        static_cast<Mode_Echantillonnage>(Choix_Echantillonnage->currentIndex());
    options.Teinte = static_cast<Mode_Teinte>(Choix_Teinte->currentIndex());
    options.Tramage = static_cast<Mode_Tramage>(Choix_Tramage->currentIndex());
    // The same rule as the level count: only a picture from a file opened in this run.
    const bool convertir = Ouvrir_Fichier->isChecked() && Document.Source_Valide;
    Document.Choisir_Conversion(options, convertir);
    if (convertir)
        Ecran->Peindre_Image();
}

std::uint8_t TFMain::Nombre_Radio() const
{
    return Document.Nombre_Choisi;
}

void TFMain::Selectionner_Nombre(std::uint16_t nombre)
{
    if (nombre == 2 || nombre == 4 || nombre == 8)
        Groupe_Nombre->button(nombre)->setChecked(true);
}

void TFMain::Recolorer()
{
    Mode_Affichage = Choix_Couleur_WIN->isChecked() ? Mode_Gris::Windows : Mode_Gris::TI;
    Ecran->Mode = Masque->Mode = Mode_Affichage;
    Couleur_Gauche->Definir(Couleur_Gauche->Tag);
    Couleur_Droite->Definir(Couleur_Droite->Tag);
    if (Ecran->isVisible())
        Ecran->Peindre_Image();
    if (Masque->isVisible())
        Masque->Afficher_Mask();
    Palette_Retouche_->update();
    Palette_Lum->update();
}

void TFMain::Afficher_Onglets()
{
    for (int i = 2; i <= 6; ++i)
        Onglets->setTabVisible(i - 1, true);
}

bool TFMain::Lire_Taille(int &largeur, int &hauteur)
{
    const long l = Lire_Entier(Largeur->text());
    const long h = Lire_Entier(Hauteur->text());
    if (!Taille_Valide(l, h))
    {
        Dialogues_.Erreur(this, QString::fromUtf8(Titre_Message),
                          QStringLiteral("Taille d'image refusée : la largeur doit être comprise "
                                         "entre 1 et 240 pixels et la hauteur entre 1 et 128 "
                                         "pixels."));
        return false;
    }
    largeur = static_cast<int>(l);
    hauteur = static_cast<int>(h);
    return true;
}

void TFMain::Ouvrir()
{
    int largeur = 0;
    int hauteur = 0;
    if (!Lire_Taille(largeur, hauteur) || !Abandonner_Modifications())
        return;
    if (Ouvrir_Fichier->isChecked())
    {
        Dialogues_.Dossier_Depart(Memoire.Dossier(Dialogue_Fichier::Ouverture));
        const auto choix = Dialogues_.Ouvrir_Fichier(
            this, QStringLiteral("Ouvir une image pour Convertir"), Filtre_Ouverture());
        if (choix)
            Memoire.Retenir_Dossier(Dialogue_Fichier::Ouverture, choix->Chemin);
        if (!choix || !Ouvrir_Image(choix->Chemin, choix->Type))
            return; // cancelled, or unreadable: the message is shown and nothing has changed
    }
    else
    {
        Creer_Image_Vide();
        Onglets->setTabVisible(2, false);
    }
    Ecran->show();
}

bool TFMain::Ouvrir_Image(const QString &chemin, int type)
{
    return Ouvrir_Chemin(chemin, Lecteur_Du_Type(type).Genre);
}

bool TFMain::Ouvrir_Chemin(const QString &chemin, Genre_Fichier genre)
{
    const Resultat_Ouverture resultat =
        Document.Ouvrir(chemin, genre, Lire_Entier(Largeur->text()), Lire_Entier(Hauteur->text()));
    if (resultat.Etat != Etat_Ouverture::Ok)
    {
        Dialogues_.Erreur(this, QString::fromUtf8(Titre_Message), resultat.Message);
        return false;
    }
    Afficher_Onglets();
    Onglets->setTabVisible(2, resultat.Page_Lumiere);
    Ecran->Reinitialiser_Edition();
    Selectionner_Nombre(Document.Nombre_Choisi);
    Montrer_Images();
    Choisir_Fond_Ouverture();
    if (resultat.Nom_Image)
        Enregistrement_Nom_Image->setText(*resultat.Nom_Image);
    // A mask read from the file can be saved as it is, without "Créer" replacing it.
    Button11->setEnabled(resultat.Mask_Lu);
    Ecran->Peindre_Image();
    // The mask window reads its surface back on the next click: it must not show the
    // previous picture and its cleared mask.
    if (Masque->isVisible())
        Masque->Afficher_Mask();
    Memoire.Ajouter_Recent(chemin);
    Montrer_Recents();
    return true;
}

void TFMain::Creer_Image_Vide()
{
    Document.Creer_Image_Vide(Lire_Entier(Largeur->text()), Lire_Entier(Hauteur->text()));
    Afficher_Onglets();
    Button11->setEnabled(false);
    Montrer_Images();
    Ecran->Reinitialiser_Edition();
    Ecran->Peindre_Image();
    if (Masque->isVisible())
        Masque->Afficher_Mask();
}

void TFMain::Enregistrer_Image()
{
    const QString nom = Enregistrement_Nom_Image->text();
    Dialogues_.Dossier_Depart(Memoire.Dossier(Dialogue_Fichier::Enregistrement_Image));
    const auto choix = Dialogues_.Enregistrer_Fichier(
        this, QStringLiteral("Enregistrer l'image en code code source"), Filtre_Image(Plugins), nom,
        Extention_Defaut_Image(Plugins), Type_Image_Enregistrement);
    if (!choix)
        return;
    Memoire.Retenir_Dossier(Dialogue_Fichier::Enregistrement_Image, choix->Chemin);
    Type_Image_Enregistrement = choix->Type;
    const Plug_Info &slot = Slot_Image(Plugins, choix->Type);
    const QString chemin = Appliquer_Extention(choix->Chemin, slot);
    const Options_Appel attente = Options_Fenetre(Dialogues_, this, Texte_Attente);
    if (Toutes_Images->isEnabled() && Toutes_Images->isChecked())
    {
        Montrer_Planche(Enregistrer_Animation(slot, chemin, nom, attente));
        return;
    }
    if (Carte_Tuiles->isChecked())
    {
        Enregistrer_Carte(slot, chemin, nom, attente);
        return;
    }
    if (Decouper_Sprites->isChecked())
    {
        Montrer_Planche(Enregistrer_Planche(Document, Grille(), slot, Genre_Enregistrement::Image,
                                            chemin, nom, attente, Compresser->isChecked()));
        return;
    }
    const Resultat_Enregistrement resultat =
        Document.Enregistrer_Image(slot, chemin, nom, attente, Compresser->isChecked());
    // The picture saved whole is no longer work to lose.
    if (resultat.Reussi() && Document.Historique())
        Document.Historique()->Marquer_Enregistre();
    Montrer_Enregistrement(resultat);
}

void TFMain::Enregistrer_Mask()
{
    const QString nom = Enregistrement_Nom_Image->text();
    Dialogues_.Dossier_Depart(Memoire.Dossier(Dialogue_Fichier::Enregistrement_Mask));
    const auto choix = Dialogues_.Enregistrer_Fichier(this, QString(), Filtre_Mask(Plugins),
                                                      QString::fromUtf8(Prefixe_Mask) + nom,
                                                      QString(), Type_Mask_Enregistrement);
    if (!choix)
        return;
    Memoire.Retenir_Dossier(Dialogue_Fichier::Enregistrement_Mask, choix->Chemin);
    Type_Mask_Enregistrement = choix->Type;
    const Plug_Info &slot = Slot_Mask(Plugins, choix->Type);
    const QString chemin = Appliquer_Extention(choix->Chemin, slot);
    const Options_Appel attente = Options_Fenetre(Dialogues_, this, Texte_Attente);
    if (Decouper_Sprites->isChecked())
        Montrer_Planche(Enregistrer_Planche(Document, Grille(), slot, Genre_Enregistrement::Mask,
                                            chemin, nom, attente, Compresser->isChecked()));
    else
        Montrer_Enregistrement(
            Document.Enregistrer_Mask(slot, chemin, nom, attente, Compresser->isChecked()));
}

Grille_Sprites TFMain::Grille() const
{
    return {Largeur_Sprite->value(), Hauteur_Sprite->value(), Ignorer_Vides->isChecked()};
}
} // namespace Corvanel
