// The main window's controls for the kinds of picture: proportions kept when fitting, the
// frames of an animation (which one is shown, all of them saved as a sheet) and the balanced
// limits.
#include "Fiche_Main.h"

#include "Choix_Image.h"
#include "Dialogues.h"
#include "Document_Image.h"
#include "Fiche_Ecran.h"
#include "Palettes.h"
#include "Planche_Images.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace Corvanel
{
void TFMain::Creer_Controles_Ouvrir(QWidget *page, QWidget *style)
{
    Conserver_Proportions = new QCheckBox(QStringLiteral("Conserver les proportions"), style);
    Conserver_Proportions->setObjectName(QStringLiteral("Conserver_Proportions"));
    Conserver_Proportions->setGeometry(24, 78, 190, 22);
    // It means something only with fitting; a picture from a file is converted again at once.
    connect(Conserver_Proportions, &QCheckBox::toggled, this,
            [this](bool garder)
            {
                Options_Conversion options = Document.Conversion;
                options.Proportions = garder;
                const bool convertir = Ouvrir_Fichier->isChecked() && Document.Source_Valide;
                Document.Choisir_Conversion(options, convertir);
                if (convertir)
                    Ecran->Peindre_Image();
            });
    connect(Adaptation_Image, &QCheckBox::toggled, Conserver_Proportions, &QWidget::setEnabled);

    Numero_Image = new QSpinBox(page);
    Numero_Image->setObjectName(QStringLiteral("Numero_Image"));
    Numero_Image->setPrefix(QStringLiteral("Image "));
    Numero_Image->setRange(1, 1);
    Numero_Image->setGeometry(428, 78, 86, 24);
    Numero_Image->setEnabled(false);
    connect(Numero_Image, &QSpinBox::valueChanged, this, &TFMain::Choisir_Numero_Image);
}

void TFMain::Creer_Toutes_Images(QWidget *page)
{
    Toutes_Images = new QCheckBox(QStringLiteral("Toutes les images de l'animation"), page);
    Toutes_Images->setObjectName(QStringLiteral("Toutes_Images"));
    Toutes_Images->setGeometry(264, 98, 250, 24);
    Toutes_Images->setEnabled(false);
    // The frames as a sheet, a picture cut into cells, or its tiles and map: one at a time.
    connect(Toutes_Images, &QCheckBox::toggled, this,
            [this](bool toutes)
            {
                if (!toutes)
                    return;
                Decouper_Sprites->setChecked(false);
                Carte_Tuiles->setChecked(false);
            });
    for (QCheckBox *autre : {Decouper_Sprites, Carte_Tuiles})
        connect(autre, &QCheckBox::toggled, this,
                [this](bool coche)
                {
                    if (coche)
                        Toutes_Images->setChecked(false);
                });
}

void TFMain::Creer_Bouton_Equilibrer(QWidget *page)
{
    Bouton_Equilibrer = new QPushButton(QStringLiteral("Équilibrer"), page);
    Bouton_Equilibrer->setObjectName(QStringLiteral("Bouton_Equilibrer"));
    Bouton_Equilibrer->setGeometry(416, 50, 100, 26);
    connect(Bouton_Equilibrer, &QPushButton::clicked, this,
            [this] { Changer_Bandes(Action_Bandes::Equilibrer); });
}

void TFMain::Montrer_Images()
{
    const Images_Source &images = Document.Images;
    const bool animee = Document.Source_Valide && images.Nombre > 1;
    {
        const QSignalBlocker bloque(Numero_Image);
        Numero_Image->setRange(1, std::max(images.Nombre, 1));
        Numero_Image->setValue(images.Numero + 1);
    }
    Numero_Image->setEnabled(animee);
    Toutes_Images->setEnabled(animee);
    QString titre =
        Document.Fichier.isEmpty() ? QStringLiteral("Edition de l'Image") : Document.Fichier;
    if (animee)
        titre += QStringLiteral(" (image %1 / %2)").arg(images.Numero + 1).arg(images.Nombre);
    Ecran->setWindowTitle(titre);
}

void TFMain::Choisir_Numero_Image(int numero)
{
    const QString erreur = Document.Choisir_Image(numero - 1);
    if (!erreur.isEmpty())
        Dialogues_.Erreur(this, QString::fromUtf8(Titre_Message), erreur);
    Montrer_Images();
    Ecran->Peindre_Image();
}

void TFMain::Choisir_Fond_Ouverture()
{
    // A picture with transparency has its own background.
    if (Document.Transparence())
        Choix_Fond->setCurrentIndex(Fond_Transparence);
}

Resultat_Planche TFMain::Enregistrer_Animation(const Plug_Info &slot, const QString &chemin,
                                               const QString &nom, const Options_Appel &options)
{
    return Enregistrer_Images(Document, static_cast<std::uint8_t>(Choix_Fond->currentIndex()), slot,
                              Genre_Enregistrement::Image, chemin, nom, options,
                              Compresser->isChecked());
}
} // namespace Corvanel
