// The mask through the main window's "Mask" tab: the automatic mask, the inversion, the tools
// each command makes available, and what opening a picture does to the mask.
#include "Mask_Essai.h"

#include <QComboBox>
#include <QtTest>

using namespace Corvanel;
using namespace Essai;

class Tst_Mask_Commandes : public QObject, public Banc_Mask
{
    Q_OBJECT

private slots:
    void initTestCase() { Installer(); }
    void init() { Ouvrir_Fenetres(); }
    void cleanup() { Fermer_Fenetres(); }

    void Masque_Automatique_data()
    {
        QTest::addColumn<int>("fond");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<bool>("tout_blanc");
        QTest::newRow("Blanc, TI 89") << 0 << 160 << 100 << false;
        QTest::newRow("Gris Clair, TI 92") << 1 << 240 << 128 << false;
        QTest::newRow("Gris Foncé, 7 x 3") << 2 << 7 << 3 << false;
        QTest::newRow("Noir, 1 x 128") << 3 << 1 << 128 << false;
        QTest::newRow("picture all white, Blanc") << 0 << 32 << 32 << true;
    }
    void Masque_Automatique()
    {
        QFETCH(int, fond);
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(bool, tout_blanc);
        Ouvrir_Vide(largeur, hauteur);
        FEcran->Nombre_Couleur = 8;
        const std::uint8_t codes[] = {0, 101, 1, 112, 2, 123, 3};
        for (int x = 0; x < largeur; ++x)
            for (int y = 0; y < hauteur; ++y)
                FEcran->Plan_Image[Indice(x, y)] = tout_blanc ? 0 : codes[(x + 3 * y) % 7];
        Remplir_Mask(1); // an earlier mask must not survive inside the picture
        FMain->Choix_Fond->setCurrentIndex(fond);
        QVERIFY(!FMask->isVisible());
        Cliquer(FMain->Button8);

        QVERIFY(FMask->isVisible());
        for (int x = 0; x < largeur; ++x)
            for (int y = 0; y < hauteur; ++y)
                QCOMPARE(int(FMask->Plan_Mask[Indice(x, y)]),
                         FEcran->Plan_Image[Indice(x, y)] == fond ? 0 : 1);
        Verifier_Hors_Region();
        QVERIFY(Rouges_A_L_Ecran() == Couvertes());
        if (tout_blanc)
            QVERIFY(Couvertes().empty());
    }

    void Inversion_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::newRow("TI 89") << 160 << 100;
        QTest::newRow("TI 92") << 240 << 128;
        QTest::newRow("1 x 1") << 1 << 1;
        QTest::newRow("13 x 7") << 13 << 7;
    }
    void Inversion()
    {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        Ouvrir_Vide(largeur, hauteur);
        Editer(1);
        Remplir_Mask(0);
        Cliquer(FMain->Mask[4]);
        QCOMPARE(int(Couvertes().size()), largeur * hauteur);
        Verifier_Hors_Region();

        for (int x = 0; x < largeur; ++x)
            for (int y = 0; y < hauteur; ++y)
                FMask->Plan_Mask[Indice(x, y)] = (x * y + x) % 3 == 0 ? 1 : 0;
        const Plan avant = FMask->Plan_Mask;
        Cliquer(FMain->Mask[4]);
        for (int x = 0; x < largeur; ++x)
            for (int y = 0; y < hauteur; ++y)
                QCOMPARE(int(FMask->Plan_Mask[Indice(x, y)]), 1 - avant[Indice(x, y)]);
        QVERIFY(Rouges_A_L_Ecran() == Couvertes());
        Cliquer(FMain->Mask[4]);
        QVERIFY(FMask->Plan_Mask == avant);
    }

    void Activation_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::newRow("Créer") << QStringLiteral("Button8");
        QTest::newRow("Editer un mask") << QStringLiteral("Button_Editer_Mask");
    }
    void Activation()
    {
        QFETCH(QString, bouton);
        Ouvrir_Vide(16, 16);
        QList<QWidget *> outils{FMain->Mask[1], FMain->Mask[2],   FMain->Mask[3],
                                FMain->Mask[4], FMain->MaskZoomM, FMain->MaskZoomP};
        for (QWidget *w : outils)
            QVERIFY(!w->isEnabled());
        QVERIFY(!FMain->Button11->isEnabled());
        QVERIFY(FMain->Button8->isEnabled());
        QVERIFY(FMain->Button_Editer_Mask->isEnabled() && !FMain->Button_Editer_Mask->isHidden());
        QVERIFY(FMain->Mask[1]->isChecked());
        QVERIFY(!FMask->isVisible());

        Cliquer(FMain->findChild<QPushButton *>(bouton));
        for (QWidget *w : outils)
            QVERIFY(w->isEnabled());
        QVERIFY(FMain->Button11->isEnabled());
        QVERIFY(FMain->Button_Editer_Mask->isHidden());
        QVERIFY(FMask->isVisible());
        QCOMPARE(FMask->windowTitle(), QStringLiteral("Edition de mask"));

        // A new picture only takes the save button away until the next mask command.
        Ouvrir_Vide(8, 8);
        QVERIFY(!FMain->Button11->isEnabled());
        for (QWidget *w : outils)
            QVERIFY(w->isEnabled());
        QVERIFY(FMain->Button_Editer_Mask->isHidden());
        Cliquer(FMain->Button8);
        QVERIFY(FMain->Button11->isEnabled());
    }

    void Ouverture_data()
    {
        QTest::addColumn<int>("genre"); // 0 empty picture, 1 bitmap, 2 cancelled dialog
        QTest::newRow("Image vide keeps the mask") << 0;
        QTest::newRow("a bitmap clears the mask") << 1;
        QTest::newRow("a cancelled dialog changes nothing") << 2;
    }
    void Ouverture()
    {
        QFETCH(int, genre);
        Ouvrir_Vide(20, 10);
        Editer(2);
        for (std::size_t i = 0; i < Taille_Plan; ++i)
            FMask->Plan_Mask[i] = i % 5 == 0 ? 1 : Marque(i);
        FMask->Afficher_Mask();
        const Plan avant = FMask->Plan_Mask;

        FMain->Onglets->setCurrentWidget(FMain->TabSheet[1]);
        if (genre == 0)
            Ouvrir_Vide(20, 10);
        else
        {
            QImage noire(20, 10, QImage::Format_RGB32);
            noire.fill(Qt::black);
            const QString chemin = Dossier.filePath(QStringLiteral("noire.bmp"));
            QVERIFY(noire.save(chemin, "BMP"));
            if (genre == 1)
                Dialogues_Test.Reponses_Fichier.push_back(Choix_Fichier{chemin, 1});
            Cocher(FMain->Ouvrir_Fichier);
            Cliquer(FMain->Button1);
        }
        // The mask was changed since the picture was created: the question comes first.
        QCOMPARE(Dialogues_Test.Genres(),
                 QStringList{QStringLiteral("question")} +
                     (genre == 0 ? QStringList() : QStringList{QStringLiteral("ouvrir")}));
        QCOMPARE(FMain->Button11->isEnabled(), genre == 2);
        if (genre != 1)
        {
            QVERIFY(FMask->Plan_Mask == avant);
            return;
        }
        QVERIFY(std::all_of(FMask->Plan_Mask.begin(), FMask->Plan_Mask.end(),
                            [](std::uint8_t b) { return b == 0; }));
        // The editor shows the new picture at once, so a click reads back no old red cell.
        QVERIFY(Rouges_A_L_Ecran().empty());
        Clic({4, 3});
        QVERIFY((Couvertes() == Cellules{{4, 3}}));
    }
};

QTEST_MAIN(Tst_Mask_Commandes)
#include "tst_Mask_Commandes.moc"
