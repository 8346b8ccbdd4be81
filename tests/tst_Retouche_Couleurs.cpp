// The colours and the plane around the tools, through the real windows: every display colour
// read back as its code, the transformation buttons, the palette strip and its panels, and the
// mask window repainted after a release.
#include "Fiche_Mask.h"
#include "Retouche_Essai.h"

#include <QtTest>

using namespace Corvanel;

namespace
{
using Essai::Choisir_Outil;
using Essai::Cliquer;
using Essai::Nouvelle_Image;
using Essai::Point_Cellule;
} // namespace

class Tst_Retouche_Couleurs : public QObject
{
    Q_OBJECT

    Dialogues_Factices Dialogues_Test;

private slots:
    void initTestCase() { Essai::Ouvrir_Retouche(Dialogues_Test); }

    void cleanupTestCase() { Detruire_Fenetres(); }

    void relecture_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<bool>("windows");
        for (int nombre : {2, 4, 8})
            for (bool windows : {false, true})
                QTest::addRow("%d levels, %s greys", nombre, windows ? "Windows" : "TI")
                    << nombre << windows;
    }

    // Every display colour of both grey modes reads back as its own code in every level count;
    // codes shown in the fallback colour read back as the darkest code. Checked through a real
    // release on the surface.
    void relecture()
    {
        QFETCH(int, nombre);
        QFETCH(bool, windows);
        const auto mode = windows ? Mode_Gris::Windows : Mode_Gris::TI;
        const std::vector<std::uint8_t> codes = Codes_En_Usage(static_cast<std::uint8_t>(nombre));
        const std::uint8_t sombre = codes.back();
        for (std::uint8_t code : {0, 1, 2, 3, 101, 112, 123, 9, 10})
        {
            // With 4 levels the half steps keep their tones but are no level of the mode.
            const std::uint32_t couleur =
                Couleur_Affichage(code, static_cast<std::uint8_t>(nombre), mode);
            const bool propre = std::find(codes.begin(), codes.end(), code) != codes.end();
            if (propre || couleur == Couleur_Repli)
                QCOMPARE(Classer_Couleur(couleur, static_cast<std::uint8_t>(nombre), mode),
                         propre ? code : sombre);
        }

        Nouvelle_Image(8, 2, 2, Code::Blanc);
        FMain->findChild<QRadioButton *>(QStringLiteral("Choix_Nombre_Couleur_%1").arg(nombre))
            ->click();
        (windows ? FMain->Choix_Couleur_WIN : FMain->Choix_Couleur_TI)->click();
        QCOMPARE(FEcran->Nombre_Couleur, nombre);
        for (std::size_t i = 0; i < codes.size(); ++i)
            FEcran->Plan_Image[Indice(static_cast<int>(i), 0)] = codes[i];
        FEcran->Peindre_Image();
        Choisir_Outil(1);
        FMain->Couleur_Gauche->Definir(sombre);
        Cliquer(Point_Cellule(7, 1));
        for (std::size_t i = 0; i < codes.size(); ++i)
            QCOMPARE(FEcran->Plan_Image[Indice(static_cast<int>(i), 0)], codes[i]);
        QCOMPARE(FEcran->Plan_Image[Indice(7, 1)], sombre);
        QCOMPARE(FEcran->Plan_Image[Indice(6, 1)], Code::Blanc);
        FMain->Choix_Couleur_TI->click();
    }

    void transformations_data()
    {
        QTest::addColumn<int>("bouton");
        QTest::addColumn<int>("fois");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::newRow("horizontal mirror twice") << 1 << 2 << 37 << 23;
        QTest::newRow("vertical mirror twice") << 2 << 2 << 37 << 23;
        QTest::newRow("160 left shifts") << 4 << 160 << 160 << 100;
        QTest::newRow("23 shifts up") << 5 << 23 << 37 << 23;
        QTest::newRow("23 shifts down") << 6 << 23 << 37 << 23;
        QTest::newRow("240 right shifts") << 7 << 240 << 240 << 128;
        QTest::newRow("width 1, horizontal mirror") << 1 << 1 << 1 << 9;
        QTest::newRow("width 1, left shift") << 4 << 1 << 1 << 9;
        QTest::newRow("width 1, right shift") << 7 << 1 << 1 << 9;
        QTest::newRow("height 1, vertical mirror") << 2 << 1 << 9 << 1;
        QTest::newRow("four quarter turns") << 3 << 4 << 37 << 37;
    }

    // Each button repeated until it must give the picture back: all 30720 bytes compared, the
    // bytes beyond the picture included.
    void transformations()
    {
        QFETCH(int, bouton);
        QFETCH(int, fois);
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        Nouvelle_Image(largeur, hauteur, 1);
        for (std::size_t i = 0; i < Taille_Plan; ++i)
        {
            const bool dedans = static_cast<int>(i / Lignes_Plan) < largeur &&
                                static_cast<int>(i % Lignes_Plan) < hauteur;
            FEcran->Plan_Image[i] = dedans ? Codes_En_Usage(4)[(i * 7 + i / 3) % 4] : 0x55;
        }
        const Plan avant = FEcran->Plan_Image;
        Dialogues_Test.Demandes.clear();
        FMain->SpeedButton[bouton]->click();
        if (bouton == 4 && fois > 1)
            for (int y = 0; y < hauteur; ++y)
                QCOMPARE(FEcran->Plan_Image[Indice(largeur - 1, y)], avant[Indice(0, y)]);
        for (int i = 1; i < fois; ++i)
            FMain->SpeedButton[bouton]->click();
        QCOMPARE(FEcran->Plan_Image, avant);
        QVERIFY(Dialogues_Test.Messages().isEmpty());
    }

    void palette_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QList<int>>("bornes");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QList<int>>("couleurs");
        QTest::newRow("2 levels, TI") << 2 << false << QList<int>{0, 100, 200} << QList<int>{0, 1}
                                      << QList<int>{12638144, 3157792};
        QTest::newRow("2 levels, Windows")
            << 2 << true << QList<int>{0, 100, 200} << QList<int>{0, 1} << QList<int>{16777215, 0};
        QTest::newRow("4 levels, TI")
            << 4 << false << QList<int>{0, 50, 100, 150, 200} << QList<int>{0, 1, 2, 3}
            << QList<int>{12638144, 9478031, 6317919, 3157792};
        QTest::newRow("4 levels, Windows")
            << 4 << true << QList<int>{0, 50, 100, 150, 200} << QList<int>{0, 1, 2, 3}
            << QList<int>{16777215, 12632256, 8421504, 0};
        QTest::newRow("8 levels, TI")
            << 8 << false << QList<int>{0, 30, 60, 90, 120, 150, 180, 210}
            << QList<int>{0, 101, 1, 112, 2, 123, 3}
            << QList<int>{12638144, 11058092, 9478031, 7897975, 6317919, 4730656, 3157792};
        QTest::newRow("8 levels, Windows")
            << 8 << true << QList<int>{0, 30, 60, 90, 120, 150, 180, 210}
            << QList<int>{0, 101, 1, 112, 2, 123, 3}
            << QList<int>{16777215, 14737632, 12632256, 10526880, 8421504, 4210752, 0};
    }

    // The strip as painted, and the level a click at each swatch's first and last column picks
    // for the left and the right colour; past the last swatch the darkest level.
    void palette()
    {
        QFETCH(int, nombre);
        QFETCH(bool, windows);
        QFETCH(QList<int>, bornes);
        QFETCH(QList<int>, codes);
        QFETCH(QList<int>, couleurs);
        FMain->findChild<QRadioButton *>(QStringLiteral("Choix_Nombre_Couleur_%1").arg(nombre))
            ->click();
        (windows ? FMain->Choix_Couleur_WIN : FMain->Choix_Couleur_TI)->click();
        QWidget *strip = FMain->Palette_Retouche_;
        QCOMPARE(strip->size(), QSize(210, 25));
        const QImage vue = strip->grab().toImage();
        for (int i = 0; i < codes.size(); ++i)
        {
            for (int x : {bornes[i], bornes[i + 1] - 1})
            {
                for (int y : {0, 24})
                    QCOMPARE(Depuis_Rgb(vue.pixel(x, y)), static_cast<std::uint32_t>(couleurs[i]));
                QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(x, 12));
                QCOMPARE(FMain->Couleur_Gauche->Tag, codes[i]);
                QCOMPARE(FMain->Couleur_Gauche->Couleur, static_cast<std::uint32_t>(couleurs[i]));
                QTest::mouseClick(strip, Qt::RightButton, Qt::NoModifier, QPoint(x, 3));
                QCOMPARE(FMain->Couleur_Droite->Tag, codes[i]);
                QCOMPARE(FMain->Couleur_Droite->Couleur, static_cast<std::uint32_t>(couleurs[i]));
            }
        }
        QTest::mouseClick(strip, Qt::MiddleButton, Qt::NoModifier, QPoint(205, 12));
        QCOMPARE(FMain->Couleur_Droite->Tag, codes.back());
        FMain->Choix_Couleur_TI->click();
        FMain->Choix_Nombre_Couleur_4->click();
    }

    // Switching the grey mode recolours both panels from their levels.
    void panneaux_mode_gris()
    {
        FMain->Choix_Nombre_Couleur_4->click();
        FMain->Choix_Couleur_TI->click();
        FMain->Couleur_Gauche->Definir(Code::Noir);
        FMain->Couleur_Droite->Definir(Code::Blanc);
        QCOMPARE(FMain->Couleur_Gauche->Couleur, 3157792u);
        QCOMPARE(FMain->Couleur_Droite->Couleur, 12638144u);
        FMain->Choix_Couleur_WIN->click();
        QCOMPARE(FMain->Couleur_Gauche->Couleur, 0u);
        QCOMPARE(FMain->Couleur_Droite->Couleur, 16777215u);
        QCOMPARE(FMain->Couleur_Gauche->Tag, Code::Noir);
        QCOMPARE(FMain->Couleur_Droite->Tag, Code::Blanc);
        QTest::mouseClick(FMain->Palette_Retouche_, Qt::RightButton, Qt::NoModifier, {120, 5});
        QCOMPARE(FMain->Couleur_Droite->Couleur, 8421504u);
        FMain->Choix_Couleur_TI->click();
        QCOMPARE(FMain->Couleur_Droite->Couleur, 6317919u);
        QCOMPARE(FMain->Couleur_Droite->Tag, Code::Gris_Fonce);
    }

    // Every release repaints the mask window, visible or not, with the new picture.
    void masque_apres_relache()
    {
        Nouvelle_Image(8, 6, 1);
        FMask->Plan_Mask.fill(0);
        FMask->Plan_Mask[Indice(0, 0)] = 1;
        Cliquer({4, 4});
        QCOMPARE(FMask->Ecran_MASK->Lire_Pixel(4, 4),
                 Couleur_Affichage(Code::Noir, 4, Mode_Gris::TI));
        QCOMPARE(FMask->Ecran_MASK->Lire_Pixel(0, 0), Rouge_Mask);
    }
};

QTEST_MAIN(Tst_Retouche_Couleurs)
#include "tst_Retouche_Couleurs.moc"
