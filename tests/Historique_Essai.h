// What the history tests share: the document as the user has it, clicks on either window's
// surface, drawing and mask steps to replay, and the windows over a 24 x 16 picture being
// retouched, from a folder of the test's own that holds the save plug-in.
#ifndef CORVANEL_HISTORIQUE_ESSAI_H
#define CORVANEL_HISTORIQUE_ESSAI_H

#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Document_Image.h"
#include "Fenetres_Essai.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Historique_Image.h"
#include "Outils_Essai.h"
#include "Surface_Dessin.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace Essai
{
using Action = std::function<void()>;

// What the user has of the document: the planes and settings, and the controls showing them.
struct Vue
{
    Corvanel::Plan Image{};
    Corvanel::Plan Masque{};
    Corvanel::Plan Transparence{};
    int Largeur = 0, Hauteur = 0, Nombre = 0, Choisi = 0, Radio = 0;
    Corvanel::Bandes Bandes_Lum;
    Corvanel::Options_Conversion Conversion;
    QList<int> Listes;
    bool Source = false, Adapter = false, Lumiere = false;
    QString Titre;
    // "Conserver les proportions", and the frame of an animation: value, maximum, enabled.
    bool Proportions = false;
    QList<int> Image_Animation;
    // The frames behind the source, and what the quarter turns did to them.
    Corvanel::Images_Source Images;

    // The first difference, named; empty when there is none.
    QString Ecart(const Vue &A) const
    {
        const std::pair<bool, const char *> Champs[] = {
            {Image == A.Image, "plan de l'image"},
            {Masque == A.Masque, "plan du mask"},
            {Transparence == A.Transparence, "points transparents"},
            {Largeur == A.Largeur && Hauteur == A.Hauteur, "taille"},
            {Nombre == A.Nombre && Choisi == A.Choisi, "nombre de couleurs"},
            {Radio == A.Radio, "bouton du nombre de couleurs"},
            {Bandes_Lum == A.Bandes_Lum, "bandes"},
            {Conversion == A.Conversion && Adapter == A.Adapter, "choix de conversion"},
            {Listes == A.Listes, "listes de conversion"},
            {Source == A.Source, "source gardée"},
            {Lumiere == A.Lumiere, "page Lumière"},
            {Titre == A.Titre, "titre de l'édition"},
            {Proportions == A.Proportions, "case des proportions"},
            {Image_Animation == A.Image_Animation, "image de l'animation"},
            {Images == A.Images, "images de la source"}};
        for (const auto &[Egal, Nom] : Champs)
            if (!Egal)
                return QString::fromUtf8(Nom);
        return {};
    }
};

inline Vue Voir()
{
    using Corvanel::FEcran;
    using Corvanel::FMain;
    const Corvanel::Document_Image &D = FEcran->Document;
    return {D.Plan_Image,
            D.Plan_Mask,
            D.Plan_Transparence,
            D.Largeur_Image,
            D.Hauteur_Image,
            D.Nombre_Couleur,
            D.Nombre_Choisi,
            FMain->Groupe_Nombre->checkedId(),
            D.Bandes_Lum,
            D.Conversion,
            {FMain->Choix_Echantillonnage->currentIndex(), FMain->Choix_Teinte->currentIndex(),
             FMain->Choix_Tramage->currentIndex()},
            D.Source_Valide,
            FMain->Adaptation_Image->isChecked(),
            FMain->Onglets->isTabVisible(2),
            FEcran->windowTitle(),
            FMain->Conserver_Proportions->isChecked(),
            {FMain->Numero_Image->value(), FMain->Numero_Image->maximum(),
             FMain->Numero_Image->isEnabled()},
            D.Images};
}

inline void Souris(QWidget *Surface, QEvent::Type Type, QPoint Point, Qt::MouseButton Bouton)
{
    QMouseEvent Evenement(Type, QPointF(Point), Surface->mapToGlobal(QPointF(Point)), Bouton,
                          Type == QEvent::MouseButtonPress ? Qt::MouseButtons(Bouton)
                                                           : Qt::MouseButtons(Qt::NoButton),
                          Qt::NoModifier);
    QApplication::sendEvent(Surface, &Evenement);
}

// Clicks on cells of the edit window (Masque false) or the mask window.
inline void Cliquer(bool Masque, const QList<QPoint> &Cellules,
                    Qt::MouseButton Dernier = Qt::LeftButton)
{
    using Corvanel::FEcran;
    using Corvanel::FMask;
    QWidget *Surface = Masque ? static_cast<QWidget *>(FMask->Ecran_MASK) : FEcran->Ecran_TI;
    const int Z = Masque ? FMask->Zoom_Mask : FEcran->Zoom_Ecran;
    int n = 0;
    for (const QPoint &C : Cellules)
    {
        const Qt::MouseButton B = ++n == Cellules.size() ? Dernier : Qt::LeftButton;
        Souris(Surface, QEvent::MouseButtonPress, C * Z, B);
        Souris(Surface, QEvent::MouseButtonRelease, C * Z, B);
    }
}

inline Action Dessin(int N, const QList<QPoint> &Cellules, Qt::MouseButton Dernier = Qt::LeftButton)
{
    return [=]
    {
        Corvanel::FMain->Outil[N]->click();
        Cliquer(false, Cellules, Dernier);
    };
}

inline Action Outil_Mask(int N, const QList<QPoint> &Cellules)
{
    return [=]
    {
        Corvanel::FMain->Mask[N]->click();
        Cliquer(true, Cellules);
    };
}

inline Corvanel::Historique_Image &Historique()
{
    return *Corvanel::FEcran->Document.Historique();
}

// The windows over a picture being retouched. A test class takes it as a second base and
// calls it from its initTestCase, init and cleanup.
struct Banc_Historique
{
    Dialogues_Factices Faux;
    QTemporaryDir Dossier;

    QString Chemin(const QString &Nom) const { return Dossier.filePath(Nom); }

    // Tones that every conversion choice and band moves somewhere.
    QString Ecrire_Image(const QString &Nom, int Graine = 0)
    {
        QImage Image(48, 32, QImage::Format_RGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 48; ++x)
                Image.setPixel(
                    x, y,
                    qRgb((x * 5 + Graine) % 256, (y * 8 + x) % 256, (x * y + Graine * 3) % 256));
        const QString Fichier = Chemin(Nom);
        Image.save(Fichier);
        return Fichier;
    }

    void Ouvrir(const QString &Fichier, int Type) { Essai::Ouvrir(Faux, Fichier, Type); }

    // A 24 x 16 picture from a bitmap at 4 levels, retouched, with its mask being edited.
    void Preparer()
    {
        using Corvanel::FMain;
        FMain->Taille_Image->setCurrentIndex(5);
        emit FMain->Taille_Image->activated(5);
        FMain->Largeur->setText(QStringLiteral("24"));
        FMain->Hauteur->setText(QStringLiteral("16"));
        Ouvrir(Ecrire_Image(QStringLiteral("depart.bmp")), 1);
        QVERIFY(Corvanel::FEcran->isVisible());
        FMain->Button_Editer_Mask->click();
        FMain->SpeedButton17->click();
        Dessin(1, {{2, 2}})();
        Outil_Mask(2, {{1, 1}, {5, 4}})();
        Faux.Demandes.clear();
    }

    void Installer()
    {
        QVERIFY(QDir::setCurrent(Dossier.path()));
        QVERIFY(QDir().mkpath(QStringLiteral("Plugin")));
        QVERIFY(QFile::copy(Essai::Plugin_Livre(QStringLiteral("Sauvegarde")),
                            QStringLiteral("Plugin/Sauvegarde.so")));
    }
    void Ouvrir_Fenetres()
    {
        Faux = Dialogues_Factices();
        QFont Police(QStringLiteral("DejaVu Sans"));
        // Strokes wider than a cell at zoom 2, so that the read-back meets them.
        Police.setPointSize(24);
        Faux.Police = Police;
        Corvanel::Creer_Fenetres(Faux);
        Preparer();
    }
    void Fermer_Fenetres() { Corvanel::Detruire_Fenetres(); }
};
} // namespace Essai

Q_DECLARE_METATYPE(Essai::Action)

#endif
