// Many random pictures and random operations of every kind through the real windows, after
// each of which the picture's and the mask's planes must still be sound.
#include "Document_Image.h"
#include "Fenetres_Essai.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Historique_Image.h"
#include "Outils_Essai.h"
#include "Robustesse_Essai.h"
#include "Surface_Dessin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QToolButton>
#include <QtTest>

using namespace Corvanel;

namespace
{
using Essai::Code_Image;
using Essai::Plugin_Livre;
} // namespace

class Tst_Proprietes_Plans : public QObject, private Essai::Fenetres_Temporaires
{
    Q_OBJECT

    void Verifier_Plans(const char *Etape);
    void Marquer();
    int Index_Marque = 0;
    void Operation_Aleatoire(QRandomGenerator &Hasard);
    void Souris(QWidget *Surface, QEvent::Type Type, QPoint Point, Qt::MouseButton Bouton);

    // Outside the picture: what the planes must keep.
    Plan Hors_Image{};
    Plan Hors_Mask{};
    static constexpr std::uint8_t Marque_Image = 77;

private slots:
    void init() { Entrer(); }
    void cleanup() { Quitter(); }

    void Proprietes();
};

// Picture: outside bytes keep the marker, inside bytes hold level codes. Mask: outside bytes keep
// their pattern, inside bytes are 0 or 1.
void Tst_Proprietes_Plans::Verifier_Plans(const char *Etape)
{
    const int Largeur = FEcran->Largeur_Image;
    const int Hauteur = FEcran->Hauteur_Image;
    for (int x = 0; x < Colonnes_Plan; ++x)
        for (int y = 0; y < Lignes_Plan; ++y)
        {
            const std::size_t i = Indice(x, y);
            const bool Dedans = x < Largeur && y < Hauteur;
            const std::uint8_t Image = FEcran->Plan_Image[i];
            const std::uint8_t Masque = FMask->Plan_Mask[i];
            const bool Juste = Dedans ? Code_Image(Image) && Masque <= 1
                                      : Image == Hors_Image[i] && Masque == Hors_Mask[i];
            if (!Juste)
                QFAIL(qPrintable(QStringLiteral("%1 : (%2, %3) image %4, mask %5, taille %6 x %7")
                                     .arg(QLatin1String(Etape))
                                     .arg(x)
                                     .arg(y)
                                     .arg(Image)
                                     .arg(Masque)
                                     .arg(Largeur)
                                     .arg(Hauteur)));
        }
}

// Opening and new pictures clear whole planes: the markers go in afterwards, and the history
// is not undone past them, since undoing the open restores the earlier picture whole.
void Tst_Proprietes_Plans::Marquer()
{
    Index_Marque = FEcran->Document.Historique()->Pile.index();
    for (int x = 0; x < Colonnes_Plan; ++x)
        for (int y = 0; y < Lignes_Plan; ++y)
            if (x >= FEcran->Largeur_Image || y >= FEcran->Hauteur_Image)
            {
                const std::size_t i = Indice(x, y);
                FEcran->Plan_Image[i] = Marque_Image;
                FMask->Plan_Mask[i] = static_cast<std::uint8_t>((x ^ y) & 1);
            }
    FEcran->Image_Annulation = FEcran->Plan_Image;
    Hors_Image = FEcran->Plan_Image;
    Hors_Mask = FMask->Plan_Mask;
}

void Tst_Proprietes_Plans::Souris(QWidget *Surface, QEvent::Type Type, QPoint Point,
                                  Qt::MouseButton Bouton)
{
    // A move carries the button held down, a release none.
    const Qt::MouseButtons Boutons =
        Type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Bouton);
    QMouseEvent Evenement(Type, QPointF(Point), Surface->mapToGlobal(QPointF(Point)),
                          Type == QEvent::MouseMove ? Qt::NoButton : Bouton, Boutons,
                          Qt::NoModifier);
    QApplication::sendEvent(Surface, &Evenement);
}

void Tst_Proprietes_Plans::Operation_Aleatoire(QRandomGenerator &Hasard)
{
    const auto Point = [&](QWidget *Surface)
    {
        // Mostly on the surface, sometimes beyond any of its edges.
        const int w = std::max(1, Surface->width());
        const int h = std::max(1, Surface->height());
        return QPoint(Hasard.bounded(-w / 4 - 3, w + w / 4 + 3),
                      Hasard.bounded(-h / 4 - 3, h + h / 4 + 3));
    };
    const auto Bouton = [&] { return Hasard.bounded(4) == 0 ? Qt::RightButton : Qt::LeftButton; };

    switch (Hasard.bounded(10))
    {
    case 0: // light and contrast
    {
        QPushButton *Boutons[] = {FMain->Button3, FMain->Button4, FMain->Button5, FMain->Button6,
                                  FMain->Button9};
        for (int n = Hasard.bounded(1, 6); n > 0; --n)
            Boutons[Hasard.bounded(5)]->click();
        break;
    }
    case 1: // level count
    {
        QRadioButton *Radios[] = {FMain->Choix_Nombre_Couleur_2, FMain->Choix_Nombre_Couleur_4,
                                  FMain->Choix_Nombre_Couleur_8};
        Radios[Hasard.bounded(3)]->click();
        break;
    }
    case 2:
    case 3:
    case 4: // a drawing tool, released a few times
    {
        const int Outil = Hasard.bounded(1, 9);
        if (Outil >= 7)
        {
            QFont Police(QStringLiteral("DejaVu Sans"));
            Police.setPointSize(Hasard.bounded(4, 30));
            Faux.Reponses_Police.push_back(Police);
            FMain->Texte->setText(Outil == 7 ? QStringLiteral("Aé%1").arg(Hasard.bounded(1000))
                                             : QString::number(Hasard.bounded(-300, 600)));
        }
        FMain->Outil[Outil]->click();
        FMain->Active_Trace->setChecked(Hasard.bounded(2));
        QWidget *Surface = FEcran->Ecran_TI;
        for (int n = Hasard.bounded(1, 5); n > 0; --n)
        {
            const Qt::MouseButton b = Bouton();
            Souris(Surface, QEvent::MouseButtonPress, Point(Surface), b);
            for (int m = Hasard.bounded(3); m > 0; --m)
                Souris(Surface, QEvent::MouseMove, Point(Surface), b);
            Souris(Surface, QEvent::MouseButtonRelease, Point(Surface), b);
        }
        break;
    }
    case 5: // zoom, undo and redo
    {
        QToolButton *Boutons[] = {FMain->SpeedButton16, FMain->SpeedButton17, FMain->Outil[9],
                                  FMain->Outil_Retablir};
        QToolButton *b = Boutons[Hasard.bounded(4)];
        if (b->isEnabled() &&
            (b != FMain->Outil[9] || FEcran->Document.Historique()->Pile.index() > Index_Marque))
            b->click();
        break;
    }
    case 6: // transformations; a quarter turn gives the picture another region
    {
        const int Bouton_Transformation = Hasard.bounded(1, 8);
        FMain->SpeedButton[Bouton_Transformation]->click();
        if (Bouton_Transformation == 3)
            Marquer();
        break;
    }
    case 7: // the mask: automatic, inverted, drawn
    {
        const int Choix = Hasard.bounded(4);
        if (Choix == 0 || !FMain->Mask[4]->isEnabled())
        {
            FMain->Choix_Fond->setCurrentIndex(Hasard.bounded(4));
            FMain->Button8->click();
        }
        else if (Choix == 1)
            FMain->Mask[4]->click();
        else if (Choix == 2)
            (Hasard.bounded(2) ? FMain->MaskZoomP : FMain->MaskZoomM)->click();
        else
        {
            FMain->Mask[Hasard.bounded(1, 4)]->click();
            QWidget *Surface = FMask->Ecran_MASK;
            for (int n = Hasard.bounded(1, 4); n > 0; --n)
            {
                const Qt::MouseButton b = Bouton();
                Souris(Surface, QEvent::MouseButtonPress, Point(Surface), b);
                Souris(Surface, QEvent::MouseMove, Point(Surface), b);
                Souris(Surface, QEvent::MouseButtonRelease, Point(Surface), b);
            }
        }
        break;
    }
    case 8: // a new empty picture, which keeps the mask
        Essai::Taille(Hasard.bounded(1, 241), Hasard.bounded(1, 129));
        FMain->RadioButton1->click();
        FMain->Button1->click();
        Marquer();
        break;
    case 9: // through the save file and back
    {
        const Resultat_Scan &Scan = FMain->Plugins;
        int Type = 0;
        for (int i = 0; i < Scan.Nombre_Plug_Image; ++i)
            if (Scan.Liste_Plug_Image[i].Extention == "cvl")
                Type = i + 1;
        QVERIFY(Type > 0);
        const QString Fichier = Chemin(QStringLiteral("tour.cvl"));
        QFile::remove(Fichier);
        Faux.Reponses_Fichier.push_back(Choix_Fichier{Fichier, Type});
        FMain->Button2->click();
        const Plan Avant = FEcran->Plan_Image;
        const std::uint8_t Largeur = FEcran->Largeur_Image;
        const std::uint8_t Hauteur = FEcran->Hauteur_Image;
        const std::uint8_t Nombre = FEcran->Nombre_Couleur;
        Ouvrir(Fichier, 2);
        QCOMPARE(FEcran->Largeur_Image, Largeur);
        QCOMPARE(FEcran->Hauteur_Image, Hauteur);
        QCOMPARE(FEcran->Nombre_Couleur, Nombre);
        for (int x = 0; x < Largeur; ++x)
            for (int y = 0; y < Hauteur; ++y)
            {
                const std::uint8_t Code = Avant[Indice(x, y)];
                QCOMPARE(FEcran->Plan_Image[Indice(x, y)], Code == 9 ? std::uint8_t(10) : Code);
            }
        Marquer();
        break;
    }
    default:
        break;
    }
}

// Random pictures opened at random sizes, then random operations of every kind; after each
// one the planes are checked. Seeded, so a failure repeats.
void Tst_Proprietes_Plans::Proprietes()
{
    QVERIFY(QDir().mkpath(QStringLiteral("Plugin")));
    if (!QFile::copy(Plugin_Livre(QStringLiteral("Sauvegarde")),
                     QStringLiteral("Plugin/Sauvegarde.so")))
        QSKIP("Sauvegarde n'est pas construit");
    Demarrer();
    QRandomGenerator Hasard(20240508);
    const int Tours = qEnvironmentVariableIntValue("CORVANEL_TOURS") > 0
                          ? qEnvironmentVariableIntValue("CORVANEL_TOURS")
                          : 300;
    for (int Tour = 0; Tour < Tours; ++Tour)
    {
        // A source picture of random size and content, often larger or smaller than the plane.
        const QSize Taille(Hasard.bounded(1, 320), Hasard.bounded(1, 200));
        QImage Source(Taille, QImage::Format_RGB32);
        const int Motif = Hasard.bounded(3);
        for (int y = 0; y < Taille.height(); ++y)
            for (int x = 0; x < Taille.width(); ++x)
                Source.setPixel(x, y,
                                Motif == 0   ? Hasard.generate()
                                : Motif == 1 ? qRgb(x * 255 / Taille.width(), y, (x + y) & 255)
                                             : ((x / 4 + y / 4) % 2 ? 0xFFFFFFu : 0u));
        const QString Fichier = Chemin(QStringLiteral("source%1.bmp").arg(Tour % 2));
        QVERIFY(Source.save(Fichier, "BMP"));

        if (Hasard.bounded(4) == 0)
        {
            const int Preset = Hasard.bounded(5);
            FMain->Taille_Image->setCurrentIndex(Preset);
            emit FMain->Taille_Image->activated(Preset);
        }
        else
            Essai::Taille(Hasard.bounded(1, 241), Hasard.bounded(1, 129));
        FMain->Adaptation_Image->setChecked(Hasard.bounded(2));
        Ouvrir(Fichier, 1);
        QVERIFY(FEcran->Source_Valide);
        Marquer();
        Verifier_Plans("ouverture");
        for (int n = Hasard.bounded(3, 10); n > 0; --n)
        {
            Operation_Aleatoire(Hasard);
            if (QTest::currentTestFailed())
                return;
            Verifier_Plans(qPrintable(QStringLiteral("tour %1").arg(Tour)));
            if (QTest::currentTestFailed())
                return;
        }
    }
}

QTEST_MAIN(Tst_Proprietes_Plans)
#include "tst_Proprietes_Plans.moc"
