// Start-up, the size list, the level count, conversion and light controls, the display and
// the zoom, and the help links, driven as a user would.
#include "Demarrage.h"
#include "Dialogues.h"
#include "Dialogues_Factices.h"
#include "Fenetres_Essai.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Fiche_Plugin.h"
#include "Palettes.h"
#include "Surface_Dessin.h"
#include "Traductions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

using namespace Corvanel;
using Essai::Choisir_Taille;
using Essai::Ecrire_Bitmap;
using Essai::Onglets_Visibles;
using Essai::Ouvrir;

class Tst_Fenetres_Reglages : public QObject, private Essai::Banc_Fenetres
{
    Q_OBJECT

private slots:
    void init() { Demarrer(); }
    void cleanup() { Arreter(); }

    void Demarrage()
    {
        QCOMPARE(FMain->windowTitle(), QStringLiteral("Corvanel 3.3"));
        QCOMPARE(FMain->size(), QSize(526, 139));
        QCOMPARE(Onglets_Visibles(), (QList<int>{1, 7, 8}));
        QCOMPARE(FMain->Onglets->currentIndex(), 0);
        QCOMPARE(FEcran->windowTitle(), QStringLiteral("Edition de l'Image"));
        QCOMPARE(FMask->windowTitle(), QStringLiteral("Edition de mask"));
        QCOMPARE(FPlugin->windowTitle(), QStringLiteral("Explorateur de Plug-in"));
        QVERIFY(!FEcran->isVisible() && !FMask->isVisible() && !FPlugin->isVisible());
        QCOMPARE(FMain->Taille_Image->currentText(), QStringLiteral("TI 89"));
        QCOMPARE(FMain->Largeur->text(), QStringLiteral("160"));
        QVERIFY(!FMain->Largeur->isEnabled() && !FMain->Hauteur->isEnabled());
        QVERIFY(FMain->Ouvrir_Fichier->isChecked() && FMain->Adaptation_Image->isChecked());
        QVERIFY(FMain->Choix_Nombre_Couleur_4->isChecked() && FMain->Choix_Couleur_TI->isChecked());
        QVERIFY(!FMain->Active_Trace->isChecked());
        QCOMPARE(FMain->Choix_Nombre_Couleur_2->text(), QStringLiteral("Noir && Blanc"));
        QCOMPARE(FEcran->Nombre_Couleur, std::uint8_t(4));
        QCOMPARE(FEcran->Bandes_Lum, Bandes{});
        QCOMPARE(FMain->Couleur_Gauche->Couleur, 3157792u);
        QCOMPARE(FMain->Couleur_Droite->Couleur, 12638144u);
        QVERIFY(FMain->Outil[1]->isChecked() && !FMain->Outil[9]->isEnabled());
        QCOMPARE(FMain->Choix_Fond->currentText(), QStringLiteral("Blanc"));
        for (const char *nom : {"Button1", "Button2", "Button9", "Outil9", "SpeedButton16",
                                "SpeedButton7", "Mask4", "MaskZoomP", "Button11", "Label13",
                                "Button7", "Palette_Lum", "Palette_Retouche", "Couleur_Gauche"})
            QVERIFY2(FMain->findChild<QWidget *>(QLatin1String(nom)), nom);
        QVERIFY(FEcran->findChild<Surface_Dessin *>(QStringLiteral("Ecran_TI")));
        QVERIFY(FMask->findChild<Surface_Dessin *>(QStringLiteral("Ecran_MASK")));
    }

    void Tailles_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("largeur");
        QTest::addColumn<QString>("hauteur");
        QTest::addColumn<bool>("libre");
        QTest::newRow("TI 92") << 1 << "240"
                               << "128" << false;
        QTest::newRow("32 x 32") << 2 << "32"
                                 << "32" << false;
        QTest::newRow("16 x 16") << 3 << "16"
                                 << "16" << false;
        QTest::newRow("8 x 8") << 4 << "8"
                               << "8" << false;
        QTest::newRow("Personnalise") << 5 << "32"
                                      << "32" << true;
        QTest::newRow("TI 89") << 0 << "160"
                               << "100" << false;
    }
    void Tailles()
    {
        QFETCH(int, index);
        QFETCH(QString, largeur);
        QFETCH(QString, hauteur);
        QFETCH(bool, libre);
        Choisir_Taille(5);
        Choisir_Taille(index);
        QCOMPARE(FMain->Largeur->text(), largeur);
        QCOMPARE(FMain->Hauteur->text(), hauteur);
        for (QWidget *w :
             {static_cast<QWidget *>(FMain->Largeur), static_cast<QWidget *>(FMain->Hauteur),
              static_cast<QWidget *>(FMain->TXT_Largeur),
              static_cast<QWidget *>(FMain->TXT_Hauteur)})
            QCOMPARE(w->isEnabled(), libre);
    }

    void Nombre_De_Couleurs_Reconvertit_Le_Bitmap()
    {
        Ouvrir(Faux, Ecrire_Bitmap(Dossier, QStringLiteral("e.bmp"), QSize(160, 100)), 1);
        FEcran->Bandes_Lum.Bande_0 = 300;
        FMain->Choix_Nombre_Couleur_2->click();
        QCOMPARE(FEcran->Nombre_Couleur, std::uint8_t(2));
        QCOMPARE(FEcran->Bandes_Lum.Bande_0, 200);
        QCOMPARE(FEcran->Plan_Image[Indice(5, 0)],
                 std::uint8_t(1)); // grey 105 is black at 2 levels
        FMain->Choix_Nombre_Couleur_8->click();
        QCOMPARE(FEcran->Bandes_Lum.Bande_101, 57);
        QCOMPARE(FEcran->Plan_Image[Indice(5, 0)], std::uint8_t(112));
        // An empty picture is never replaced by the earlier bitmap.
        FMain->RadioButton1->click();
        FMain->Button1->click();
        FEcran->Plan_Image[Indice(0, 0)] = 123;
        FMain->Ouvrir_Fichier->click();
        FMain->Choix_Nombre_Couleur_4->click();
        QCOMPARE(FEcran->Plan_Image[Indice(0, 0)], std::uint8_t(123));
        QCOMPARE(FEcran->Nombre_Couleur, std::uint8_t(4));
    }

    // Each list converts the picture from a file again, as the level-count radios do, and
    // only that picture; a choice made before the opening holds for it.
    void Listes_De_Conversion_data()
    {
        QTest::addColumn<QString>("Liste");
        QTest::addColumn<QStringList>("Elements");
        QTest::addColumn<int>("Index");
        QTest::newRow("échantillonnage")
            << "Choix_Echantillonnage" << QStringList{"Point le plus proche", "Moyenne de la zone"}
            << 1;
        QTest::newRow("teinte") << "Choix_Teinte"
                                << QStringList{"Valeur de couleur", "Luminance", "Couleurs exactes"}
                                << 1;
        const QStringList Tramages{"Aucun", "Floyd-Steinberg", "Atkinson", "Ordonné 4 x 4",
                                   "Ordonné 8 x 8"};
        QTest::newRow("Floyd-Steinberg") << "Choix_Tramage" << Tramages << 1;
        QTest::newRow("ordonné 8 x 8") << "Choix_Tramage" << Tramages << 4;
    }
    void Listes_De_Conversion()
    {
        QFETCH(QString, Liste);
        QFETCH(QStringList, Elements);
        QFETCH(int, Index);
        auto *choix = FMain->findChild<QComboBox *>(Liste);
        QVERIFY(choix);
        QStringList lus;
        for (int i = 0; i < choix->count(); ++i)
            lus << choix->itemText(i);
        QCOMPARE(lus, Elements);
        QCOMPARE(choix->currentIndex(), 0);

        // Colours whose colour value and luminance disagree, and detail finer than a point.
        QImage image(320, 200, QImage::Format_RGB32);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 320; ++x)
                image.setPixel(
                    x, y, (x + y) % 2 ? qRgb(x * 255 / 320, 0, y * 255 / 200) : qRgb(255, y, 80));
        const QString chemin = Dossier.filePath(QStringLiteral("couleurs.bmp"));
        QVERIFY(image.save(chemin, "BMP"));
        const auto attendu = [&](const Options_Conversion &options)
        {
            Plan plan{};
            Convertir_Image(plan, Image_Source{image, 160, 100}, 160, 100, options, 4, Bandes{});
            return plan;
        };
        Ouvrir(Faux, chemin, 1);
        QCOMPARE(FEcran->Plan_Image, attendu({}));
        choix->setCurrentIndex(Index);
        const Options_Conversion options = FEcran->Document.Conversion;
        QVERIFY(!(options == Options_Conversion{}));
        QCOMPARE(FEcran->Plan_Image, attendu(options));
        QVERIFY(FEcran->Plan_Image != attendu({}));
        QCOMPARE(FEcran->Ecran_TI->Lire_Pixel(7, 3),
                 Couleur_Affichage(FEcran->Plan_Image[Indice(7, 3)], 4, Mode_Gris::TI));

        // An empty picture keeps its codes; the next opening takes the choice.
        choix->setCurrentIndex(0);
        FMain->RadioButton1->click();
        FMain->Button1->click();
        FEcran->Plan_Image[Indice(0, 0)] = 123;
        FMain->Ouvrir_Fichier->click();
        choix->setCurrentIndex(Index);
        QCOMPARE(FEcran->Plan_Image[Indice(0, 0)], std::uint8_t(123));
        Ouvrir(Faux, chemin, 1);
        QCOMPARE(FEcran->Plan_Image, attendu(options));
    }

    void Lumiere_Et_Barre()
    {
        Ouvrir(Faux, Ecrire_Bitmap(Dossier, QStringLiteral("f.bmp"), QSize(160, 100)), 1);
        FMain->Onglets->setCurrentIndex(2);
        FMain->show();
        FMain->Button4->click();
        QCOMPARE(FEcran->Bandes_Lum, (Bandes{106, 104, 102, 88, 0, 0, 0}));
        const QImage barre = FMain->Palette_Lum->grab().toImage();
        QCOMPARE(barre.pixel(105, 10), qRgb(192, 215, 192));
        QCOMPARE(barre.pixel(106, 10), qRgb(143, 159, 144));
        QCOMPARE(barre.pixel(399, 24), qRgb(32, 47, 48));
        // Each press converts the kept bitmap again: enough presses turn grey 100 white.
        for (int i = 0; i < 40; ++i)
            FMain->Button4->click();
        QCOMPARE(FEcran->Plan_Image[Indice(1, 0)], std::uint8_t(0));
        FMain->Button9->click();
        QCOMPARE(FEcran->Bandes_Lum, Bandes{});
        QCOMPARE(FEcran->Plan_Image[Indice(1, 0)], std::uint8_t(2));
        FMain->Button6->click();
        QCOMPARE(FEcran->Bandes_Lum, (Bandes{104, 96, 96, 104, 0, 0, 0}));
        FMain->Button5->click();
        QCOMPARE(FEcran->Bandes_Lum, (Bandes{100, 100, 100, 100, 0, 0, 0}));
    }

    void Zoom_Borne()
    {
        Choisir_Taille(1);
        FMain->RadioButton1->click();
        FMain->Button1->click();
        for (int i = 0; i < 40; ++i)
            FMain->SpeedButton17->click();
        QCOMPARE(FEcran->Zoom_Ecran, std::uint8_t(17)); // 17 x 240 = 4080
        QCOMPARE(FEcran->Ecran_TI->Image().size(), QSize(4080, 2176));
        for (int i = 0; i < 40; ++i)
            FMain->SpeedButton16->click();
        QCOMPARE(FEcran->Zoom_Ecran, std::uint8_t(1));
        // A 1 x 1 picture goes up to 255 and stays there.
        Choisir_Taille(5);
        FMain->Largeur->setText(QStringLiteral("1"));
        FMain->Hauteur->setText(QStringLiteral("1"));
        FMain->Button1->click();
        for (int i = 0; i < 300; ++i)
            FEcran->Zoom_Plus();
        QCOMPARE(FEcran->Zoom_Ecran, std::uint8_t(255));
    }

    void Affichage_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<int>("nombre");
        for (int zoom : {1, 3})
            for (bool windows : {false, true})
                for (int nombre : {2, 8})
                    QTest::addRow("zoom %d %s %d", zoom, windows ? "windows" : "ti", nombre)
                        << zoom << windows << nombre;
    }
    void Affichage()
    {
        QFETCH(int, zoom);
        QFETCH(bool, windows);
        QFETCH(int, nombre);
        Choisir_Taille(5);
        FMain->Largeur->setText(QStringLiteral("9"));
        FMain->Hauteur->setText(QStringLiteral("2"));
        FMain->RadioButton1->click();
        FMain->Button1->click();
        (nombre == 2 ? FMain->Choix_Nombre_Couleur_2 : FMain->Choix_Nombre_Couleur_8)->click();
        (windows ? FMain->Choix_Couleur_WIN : FMain->Choix_Couleur_TI)->click();
        const std::uint8_t codes[] = {0, 101, 1, 112, 2, 123, 3, 9, 10};
        for (int x = 0; x < 9; ++x)
            FEcran->Plan_Image[Indice(x, 0)] = FEcran->Plan_Image[Indice(x, 1)] = codes[x];
        for (int i = 1; i < zoom; ++i)
            FMain->SpeedButton17->click();
        FEcran->Peindre_Image();
        const Mode_Gris mode = windows ? Mode_Gris::Windows : Mode_Gris::TI;
        QCOMPARE(FEcran->Ecran_TI->Image().size(), QSize(9 * zoom, 2 * zoom));
        for (int x = 0; x < 9 * zoom; ++x)
            for (int y = 0; y < 2 * zoom; ++y)
                QCOMPARE(
                    FEcran->Ecran_TI->Lire_Pixel(x, y),
                    Couleur_Affichage(codes[x / zoom], static_cast<std::uint8_t>(nombre), mode));
        // The mode is a display setting only.
        QCOMPARE(FEcran->Plan_Image[Indice(5, 1)], std::uint8_t(123));
    }

    void Gris_Avant_Toute_Image()
    {
        FMain->Choix_Couleur_WIN->click();
        QCOMPARE(FMain->Couleur_Gauche->Couleur, 0u);
        QCOMPARE(FMain->Couleur_Droite->Couleur, 16777215u);
        QCOMPARE(FMain->Couleur_Gauche->Tag, std::uint8_t(3));
        QVERIFY(!FEcran->isVisible());
    }

    void Fermer_La_Fenetre_Principale_Termine()
    {
        FMain->RadioButton1->click();
        FMain->Button1->click();
        QVERIFY(FEcran->isVisible());
        QTimer::singleShot(0, FMain, &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // a stuck loop fails
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void Aide_Et_Liens()
    {
        QVERIFY(QDir().mkpath(QStringLiteral("Documentation")));
        QFile page(QStringLiteral("Documentation/index.htm"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        FMain->Button7->click();
        QTest::mouseClick(FMain->Label13, Qt::LeftButton);
        QTest::mouseClick(FMain->Label14, Qt::LeftButton);
        QCOMPARE(Faux.Genres(), QStringList(3, QStringLiteral("document")));
        QCOMPARE(Faux.Demandes[0].Texte, QStringLiteral("Documentation/index.htm"));
        QVERIFY(Faux.Demandes[1].Texte.startsWith(QStringLiteral("mailto:")));
        QVERIFY(Faux.Demandes[2].Texte.startsWith(QStringLiteral("https://")));
        QCOMPARE(FMain->Label13->cursor().shape(), Qt::CrossCursor);
    }

    // Qt's own save dialog, not the scripted one: its buttons speak French like the rest.
    void Dialogue_Qt_En_Francais()
    {
        QVERIFY2(Charger_Traductions(*qApp), "qtbase_fr.qm missing (qt6-translations-l10n)");
        QString annuler;
        bool widgets_qt = false;
        QTimer attente;
        connect(&attente, &QTimer::timeout, this,
                [&]
                {
                    auto *dialogue = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                    if (!dialogue)
                        return;
                    attente.stop();
                    const auto *boutons = dialogue->findChild<QDialogButtonBox *>();
                    widgets_qt = boutons != nullptr;
                    if (boutons && boutons->button(QDialogButtonBox::Cancel))
                        annuler = boutons->button(QDialogButtonBox::Cancel)->text();
                    dialogue->reject();
                });
        attente.start(10);
        QTimer secours; // a dialog never seen must not hold the test for ever
        secours.setSingleShot(true);
        connect(&secours, &QTimer::timeout, this,
                []
                {
                    if (QWidget *modal = QApplication::activeModalWidget())
                        modal->close();
                });
        secours.start(10000);
        Dialogues_Qt dialogues;
        QVERIFY(!dialogues.Enregistrer_Fichier(FMain, QStringLiteral("Enregistrer"),
                                               QStringLiteral("Sprite|*.c"), QStringLiteral("a"),
                                               QStringLiteral("c"), 1));
        qDeleteAll(qApp->findChildren<QTranslator *>()); // the other tests read Qt's defaults
        QVERIFY(widgets_qt);
        QCOMPARE(annuler, QStringLiteral("Annuler"));
    }
};

QTEST_MAIN(Tst_Fenetres_Reglages)
#include "tst_Fenetres_Reglages.moc"
