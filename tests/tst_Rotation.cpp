// The quarter turn: the picture, its mask and the kept source turn together as one step of the
// history, and every frame of an animation read afterwards turns as the one shown did.
#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Document_Image.h"
#include "Fenetres_Essai.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Gif_Essai.h"
#include "Historique_Image.h"
#include "Surface_Dessin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Corvanel;
using namespace Essai;

class Tst_Rotation : public QObject, private Essai::Banc_Fenetres
{
    Q_OBJECT

private slots:
    void init() { Demarrer(); }
    void cleanup() { Arreter(); }

    // A quarter turn clockwise of the picture and its mask, one step of the history; the kept
    // source turns too, so converting again gives the turned picture. A picture that would be
    // taller than 128 once turned stays as it is.
    void Rotation_data()
    {
        QTest::addColumn<int>("Largeur");
        QTest::addColumn<int>("Hauteur");
        QTest::addColumn<int>("Source"); // 0 empty picture, else a bitmap of that many rows
        QTest::addColumn<bool>("Adapter");
        QTest::addColumn<QString>("Refus");
        QTest::newRow("square") << 5 << 5 << 0 << true << QString();
        QTest::newRow("wide, fits") << 128 << 3 << 0 << true << QString();
        QTest::newRow("too wide") << 160 << 100 << 0 << true
                                  << "La rotation donnerait une image de 100 x 160 : la hauteur "
                                     "ne peut dépasser 128.";
        QTest::newRow("bitmap fitted") << 6 << 4 << 4 << true << QString();
        QTest::newRow("bitmap cut") << 6 << 4 << 9 << false << QString();
        QTest::newRow("bitmap cut, shorter") << 6 << 4 << 2 << false << QString();
    }
    void Rotation()
    {
        QFETCH(int, Largeur);
        QFETCH(int, Hauteur);
        QFETCH(int, Source);
        QFETCH(bool, Adapter);
        QFETCH(QString, Refus);
        Taille(Largeur, Hauteur);
        FMain->Adaptation_Image->setChecked(Adapter);
        if (Source == 0)
        {
            FMain->RadioButton1->click();
            FMain->Button1->click();
            for (int x = 0; x < Largeur; ++x)
                for (int y = 0; y < Hauteur; ++y)
                {
                    FEcran->Plan_Image[Indice(x, y)] = (x + 3 * y) % 4;
                    FMask->Plan_Mask[Indice(x, y)] = (x * y) % 3 == 0;
                }
        }
        else
        {
            // Fitted one pixel for one point, so that converting again is exact.
            const QString bitmap = Ecrire_Degrade(Dossier, QStringLiteral("r.bmp"),
                                                  QSize(Largeur + (Adapter ? 0 : 3), Source));
            Faux.Reponses_Fichier.push_back({bitmap, 1});
            FMain->Ouvrir_Fichier->click();
            FMain->Button1->click();
            FMask->Plan_Mask[Indice(1, 0)] = 1;
        }
        const Plan image = FEcran->Plan_Image;
        const Plan masque = FMask->Plan_Mask;
        const int etapes = FEcran->Document.Historique()->Pile.count();
        Faux.Demandes.clear();
        FMain->SpeedButton[3]->click();
        if (!Refus.isEmpty())
        {
            QCOMPARE(Faux.Messages().size(), 1);
            QCOMPARE(Faux.Messages()[0].Titre, QStringLiteral("Message de Corvanel"));
            QCOMPARE(Faux.Messages()[0].Texte, Refus);
            QVERIFY(FEcran->Plan_Image == image && FMask->Plan_Mask == masque);
            QCOMPARE(FEcran->Largeur_Image, std::uint8_t(Largeur));
            QCOMPARE(FEcran->Document.Historique()->Pile.count(), etapes);
            return;
        }
        QVERIFY(Faux.Messages().isEmpty());
        QCOMPARE(FEcran->Largeur_Image, std::uint8_t(Hauteur));
        QCOMPARE(FEcran->Hauteur_Image, std::uint8_t(Largeur));
        QCOMPARE(FEcran->Ecran_TI->Image().size(), QSize(Hauteur, Largeur));
        for (int x = 0; x < Hauteur; ++x)
            for (int y = 0; y < Largeur; ++y)
            {
                QCOMPARE(FEcran->Plan_Image[Indice(x, y)], image[Indice(y, Hauteur - 1 - x)]);
                QCOMPARE(FMask->Plan_Mask[Indice(x, y)], masque[Indice(y, Hauteur - 1 - x)]);
            }
        // Converting again starts from the turned source; a cut source shorter than the picture
        // cannot give the turned picture, and the light page goes.
        const bool convertible = Source != 0 && (Adapter || Source >= Hauteur);
        QCOMPARE(FMain->Onglets->isTabVisible(2), convertible);
        const Plan tournee = FEcran->Plan_Image;
        if (convertible)
        {
            FMain->Button9->click();
            QVERIFY(FEcran->Plan_Image == tournee);
        }
        FMain->Outil[9]->click();
        QVERIFY(FEcran->Plan_Image == image && FMask->Plan_Mask == masque);
        QCOMPARE(FEcran->Largeur_Image, std::uint8_t(Largeur));
        QCOMPARE(FMain->Onglets->isTabVisible(2), Source != 0);
    }

    // An animation dropped, or reopened from the recent files, starts at its first frame as
    // "Ouvrir" does. Once turned, every frame read again is turned as the one shown was, a cut
    // picture's part included, its transparent points too; undone, all comes back.
    void Rotation_Animation_data()
    {
        QTest::addColumn<bool>("Recent");
        QTest::addColumn<bool>("Adapter");
        QTest::newRow("dropped, fitted") << false << true;
        QTest::newRow("recent, cut") << true << false;
    }
    void Rotation_Animation()
    {
        QFETCH(bool, Recent);
        QFETCH(bool, Adapter);
        // 9 x 6, three frames of their own patterns; grey is transparent in the first two.
        std::vector<Essai::Image_Gif> images;
        for (int n = 0; n < 3; ++n)
        {
            Essai::Image_Gif image{0, 0, 9, 6, 1, n < 2 ? 2 : -1, {}};
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 9; ++x)
                    image.Indices.push_back(static_cast<std::uint8_t>((x * (n + 1) + y * 2) % 3));
            images.push_back(image);
        }
        const QString gif = Dossier.filePath(QStringLiteral("a.gif"));
        {
            QFile fichier(gif);
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            fichier.write(Essai::Ecrire_Gif(
                9, 6, {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128)}, images));
        }
        const int largeur = Adapter ? 9 : 6;
        const int hauteur = Adapter ? 6 : 4;
        Taille(largeur, hauteur);
        FMain->Adaptation_Image->setChecked(Adapter);
        if (Recent)
        {
            Faux.Reponses_Fichier.push_back({gif, 3});
            FMain->Button1->click();
            FMain->Numero_Image->setValue(3);
            emit FMain->Fichiers_Recents->activated(0);
        }
        else
        {
            QVERIFY(Deposer(FMask, {QUrl::fromLocalFile(gif)}));
            QTRY_VERIFY(FEcran->isVisible());
        }
        QVERIFY(Faux.Messages().isEmpty());
        QVERIFY(FMain->Numero_Image->isEnabled());
        QCOMPARE(FMain->Numero_Image->value(), 1);
        QCOMPARE(FMain->Numero_Image->maximum(), 3);
        QVERIFY(FEcran->windowTitle().endsWith(QStringLiteral(" (image 1 / 3)")));
        QVERIFY(FEcran->Document.Transparence());

        // Each frame unturned, then turned as many times as the picture.
        using Plans = std::pair<Plan, Plan>;
        QList<Plans> cadres;
        for (int n = 1; n <= 3; ++n)
        {
            FMain->Numero_Image->setValue(n);
            cadres << Plans{FEcran->Plan_Image, FEcran->Document.Plan_Transparence};
        }
        FMain->Numero_Image->setValue(1);
        const int etapes = FEcran->Document.Historique()->Pile.index();
        const auto tourner = [](Plan &plan, int l, int h)
        {
            const Plan avant = plan;
            plan = Plan{};
            for (int x = 0; x < l; ++x)
                for (int y = 0; y < h; ++y)
                    plan[Indice(h - 1 - y, x)] = avant[Indice(x, y)];
        };
        for (int tours = 1; tours <= 4; ++tours)
        {
            for (Plans &cadre : cadres)
            {
                const bool large = tours % 2 != 0;
                tourner(cadre.first, large ? largeur : hauteur, large ? hauteur : largeur);
                tourner(cadre.second, large ? largeur : hauteur, large ? hauteur : largeur);
            }
            FMain->SpeedButton[3]->click();
            const int n = tours % 3 + 1;
            FMain->Numero_Image->setValue(n);
            QVERIFY(Faux.Messages().isEmpty());
            QCOMPARE(FMain->Onglets->isTabVisible(2), true);
            const int l = FEcran->Largeur_Image;
            const int h = FEcran->Hauteur_Image;
            QCOMPARE(QSize(l, h), tours % 2 ? QSize(hauteur, largeur) : QSize(largeur, hauteur));
            for (int x = 0; x < l; ++x)
                for (int y = 0; y < h; ++y)
                {
                    const auto ou = qPrintable(QStringLiteral("%1 tour(s), image %2, (%3, %4)")
                                                   .arg(tours)
                                                   .arg(n)
                                                   .arg(x)
                                                   .arg(y));
                    QVERIFY2(FEcran->Plan_Image[Indice(x, y)] == cadres[n - 1].first[Indice(x, y)],
                             ou);
                    QVERIFY2(FEcran->Document.Plan_Transparence[Indice(x, y)] ==
                                 cadres[n - 1].second[Indice(x, y)],
                             ou);
                }
        }
        while (FEcran->Document.Historique()->Pile.index() > etapes)
            FMain->Outil[9]->click();
        QCOMPARE(FMain->Numero_Image->value(), 1);
        QCOMPARE(FEcran->Largeur_Image, std::uint8_t(largeur));
        FMain->Numero_Image->setValue(3);
        FMain->Numero_Image->setValue(1);
        QVERIFY(FEcran->Plan_Image == cadres[0].first);
    }
};

QTEST_MAIN(Tst_Rotation)
#include "tst_Rotation.moc"
