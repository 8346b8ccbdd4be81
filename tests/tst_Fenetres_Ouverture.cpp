// The open command driven as a user would: bitmaps fitted or cut, other pictures, save files
// and sprite sources, and the sizes, files and dialogs it refuses.
#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Fenetres_Essai.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Surface_Dessin.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Corvanel;
using Essai::Choisir_Taille;
using Essai::Ecrire_Bitmap;
using Essai::Onglets_Visibles;
using Essai::Ouvrir;

class Tst_Fenetres_Ouverture : public QObject, private Essai::Banc_Fenetres
{
    Q_OBJECT

private slots:
    void init() { Demarrer(); }
    void cleanup() { Arreter(); }

    void Ouvrir_Bitmap_Adapte()
    {
        const QString chemin = Ecrire_Bitmap(Dossier, QStringLiteral("a.bmp"), QSize(320, 200));
        Ouvrir(Faux, chemin, 1);
        QCOMPARE(Faux.Demandes.first().Titre, QStringLiteral("Ouvir une image pour Convertir"));
        QVERIFY(Faux.Demandes.first().Texte.startsWith(
            QStringLiteral("Image Bitmap (*.bmp)|*.bmp|Sauvegarde (*.cvl)|*.cvl|Autres images")));
        QCOMPARE(Onglets_Visibles(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        QVERIFY(FEcran->isVisible());
        QCOMPARE(FEcran->windowTitle(), chemin);
        QCOMPARE(FEcran->Largeur_Image, std::uint8_t(160));
        QCOMPARE(FEcran->Ecran_TI->Image().size(), QSize(160, 100));
        // Every second pixel in both directions: (2x, 2y) is always black.
        for (int x = 0; x < 160; ++x)
            for (int y = 0; y < 100; ++y)
                QCOMPARE(FEcran->Plan_Image[Indice(x, y)], std::uint8_t(3));
        QCOMPARE(FEcran->Plan_Image[Indice(160, 0)], std::uint8_t(0));
    }

    void Ouvrir_Bitmap_Coupe()
    {
        const QString chemin = Ecrire_Bitmap(Dossier, QStringLiteral("b.bmp"), QSize(100, 50));
        FMain->Adaptation_Image->setChecked(false);
        Ouvrir(Faux, chemin, 1);
        for (int x = 0; x < 160; ++x)
            for (int y = 0; y < 100; ++y)
            {
                const bool noir = x < 100 && y < 50 && x % 2 == 0 && (x + y) % 2 == 0;
                const bool dehors = x >= 100 || y >= 50;
                const std::uint8_t lu = FEcran->Plan_Image[Indice(x, y)];
                QVERIFY(noir ? lu == 3 : dehors ? lu == 0 : lu == 2);
            }
    }

    void Image_Vide_Puis_Bitmap()
    {
        FMain->RadioButton1->click();
        QVERIFY(!FMain->Adaptation_Image->isEnabled());
        FMask->Plan_Mask[0] = 1;
        FMain->Button1->click();
        QCOMPARE(Onglets_Visibles(), (QList<int>{1, 2, 4, 5, 6, 7, 8}));
        QVERIFY(FEcran->isVisible());
        QCOMPARE(FMask->Plan_Mask[0], std::uint8_t(1)); // an empty picture keeps the mask
        QCOMPARE(FEcran->windowTitle(), QStringLiteral("Edition de l'Image"));
        Ouvrir(Faux, Ecrire_Bitmap(Dossier, QStringLiteral("c.bmp"), QSize(10, 10)), 1);
        QVERIFY(FMain->Adaptation_Image->isEnabled());
        QCOMPARE(Onglets_Visibles(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(FMask->Plan_Mask[0], std::uint8_t(0)); // opening a file clears it
        QVERIFY(!FMain->Button11->isEnabled());
    }

    void Taille_Refusee_data()
    {
        QTest::addColumn<QString>("largeur");
        QTest::addColumn<QString>("hauteur");
        QTest::newRow("largeur 0") << "0"
                                   << "10";
        QTest::newRow("largeur 241") << "241"
                                     << "10";
        QTest::newRow("hauteur 129") << "10"
                                     << "129";
        QTest::newRow("sans chiffre") << "abc"
                                      << "10";
        QTest::newRow("negative") << "-5"
                                  << "10";
        QTest::newRow("enorme") << "99999999999999999999"
                                << "10";
    }
    void Taille_Refusee()
    {
        QFETCH(QString, largeur);
        QFETCH(QString, hauteur);
        Choisir_Taille(5);
        FMain->Largeur->setText(largeur);
        FMain->Hauteur->setText(hauteur);
        for (bool vide : {true, false})
        {
            Faux.Demandes.clear();
            (vide ? FMain->RadioButton1 : FMain->Ouvrir_Fichier)->click();
            Faux.Reponses_Fichier.push_back(
                Choix_Fichier{Ecrire_Bitmap(Dossier, "d.bmp", QSize(4, 4)), 1});
            FMain->Button1->click();
            Faux.Reponses_Fichier.clear();
            QCOMPARE(Faux.Genres(), QStringList{QStringLiteral("erreur")});
            QVERIFY(Faux.Demandes.first().Texte.contains(QStringLiteral("entre 1 et 240")));
            QVERIFY(Faux.Demandes.first().Texte.contains(QStringLiteral("entre 1 et 128")));
            QCOMPARE(Onglets_Visibles(), (QList<int>{1, 7, 8}));
            QVERIFY(!FEcran->isVisible());
            QCOMPARE(FEcran->Largeur_Image, std::uint8_t(0));
        }
        // Leading blanks and a sign are read, trailing letters ignored.
        FMain->Largeur->setText(QStringLiteral("  +12px"));
        FMain->Hauteur->setText(QStringLiteral("7"));
        FMain->RadioButton1->click();
        FMain->Button1->click();
        QCOMPARE(FEcran->Largeur_Image, std::uint8_t(12));
    }

    // The first picture fails: nothing is shown, nothing is opened.
    void Bitmap_Illisible()
    {
        const QString chemin = Dossier.filePath(QStringLiteral("faux.bmp"));
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("BM pas vraiment");
        f.close();
        Ouvrir(Faux, chemin, 1);
        QCOMPARE(Faux.Genres(), (QStringList{QStringLiteral("ouvrir"), QStringLiteral("erreur")}));
        QVERIFY(Faux.Demandes.last().Texte.contains(chemin));
        QVERIFY(!FEcran->isVisible());
        QCOMPARE(FEcran->windowTitle(), QStringLiteral("Edition de l'Image"));
        QCOMPARE(Onglets_Visibles(), (QList<int>{1, 7, 8}));
        QCOMPARE(FEcran->Largeur_Image, std::uint8_t(0));
        QVERIFY(!FMain->Outil[9]->isEnabled());
    }

    void Annulation_Du_Dialogue()
    {
        FMain->Button1->click();
        QCOMPARE(Faux.Genres(), QStringList{QStringLiteral("ouvrir")});
        QCOMPARE(Onglets_Visibles(), (QList<int>{1, 7, 8}));
        QVERIFY(!FEcran->isVisible());
    }

    void Autres_Images()
    {
        QImage image(2, 2, QImage::Format_ARGB32);
        image.fill(qRgba(0, 0, 0, 0));
        image.setPixel(1, 1, qRgba(0, 0, 0, 255));
        const QString chemin = Dossier.filePath(QStringLiteral("g.png"));
        QVERIFY(image.save(chemin));
        Choisir_Taille(5);
        FMain->Largeur->setText(QStringLiteral("2"));
        FMain->Hauteur->setText(QStringLiteral("2"));
        Ouvrir(Faux, chemin, 3);
        QCOMPARE(FEcran->Plan_Image[Indice(0, 0)], std::uint8_t(0));
        QCOMPARE(FEcran->Plan_Image[Indice(1, 1)], std::uint8_t(3));
        QCOMPARE(Onglets_Visibles(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    }

    void Ouvrir_Sauvegarde()
    {
        // 3 x 2, 8 levels, with an unknown value that reads as 10.
        QByteArray octets("\x03\x00\x02\x00\x08\x00", 6);
        const int codes[] = {0, 101, 1, 112, 2, 123 + 256};
        for (int c : codes)
            octets.append(char(c & 0xFF)).append(char(c >> 8));
        const QString chemin = Dossier.filePath(QStringLiteral("s.cvl"));
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
        f.close();
        FMask->Plan_Mask.fill(1);
        Ouvrir(Faux, chemin, 2);
        QCOMPARE(FEcran->Largeur_Image, std::uint8_t(3));
        QCOMPARE(FEcran->Hauteur_Image, std::uint8_t(2));
        QVERIFY(FMain->Choix_Nombre_Couleur_8->isChecked());
        QCOMPARE(FEcran->Nombre_Couleur, std::uint8_t(8));
        QCOMPARE(FEcran->Bandes_Lum.Bande_112, 57);
        const std::uint8_t attendus[] = {0, 101, 1, 112, 2, 10};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(FEcran->Plan_Image[Indice(i % 3, i / 3)], attendus[i]);
        QCOMPARE(Onglets_Visibles(), (QList<int>{1, 2, 4, 5, 6, 7, 8}));
        QCOMPARE(std::count(FMask->Plan_Mask.begin(), FMask->Plan_Mask.end(), 0), 30720);
        QVERIFY(FEcran->isVisible());
        // A refused file: a message, and the picture as it was.
        octets[0] = char(241);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
        f.close();
        Faux.Demandes.clear();
        Ouvrir(Faux, chemin, 2);
        QCOMPARE(Faux.Genres(), (QStringList{QStringLiteral("ouvrir"), QStringLiteral("erreur")}));
        QCOMPARE(FEcran->Largeur_Image, std::uint8_t(3));
        QCOMPARE(FEcran->Plan_Image[Indice(1, 0)], std::uint8_t(101));
    }

    // The fourth file type: the picture, its level count, its mask and its name from the
    // source; the light page goes, as for a save file.
    void Ouvrir_Source()
    {
        const QString chemin = Dossier.filePath(QStringLiteral("nef.asm"));
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Nef_HAUTEUR\tequ\t2\r\nNef_LARGEUR\tequ\t3\r\n\teven\r\nNef_Entrelace_Mask\r\n"
                "\tdc.b\t$7F,$A0,$E0\r\n\tdc.b\t$DF,$40,$00\r\n");
        f.close();
        FMain->Choix_Nombre_Couleur_8->click();
        Ouvrir(Faux, chemin, 4);
        QVERIFY(Faux.Demandes.first().Texte.contains(
            QStringLiteral("|Source de sprite (*.c *.h *.asm)|*.c;*.h;*.asm|Sauvegarde d'image "
                           "et de mask Corvanel (*.cvm)|*.cvm|")));
        QCOMPARE(FEcran->Largeur_Image, std::uint8_t(3));
        QCOMPARE(FEcran->Hauteur_Image, std::uint8_t(2));
        QVERIFY(FMain->Choix_Nombre_Couleur_4->isChecked());
        QCOMPARE(FEcran->Nombre_Couleur, std::uint8_t(4));
        const std::uint8_t codes[] = {3, 2, 3, 0, 1, 0};
        const std::uint8_t mask[] = {1, 0, 0, 0, 0, 1};
        for (int i = 0; i < 6; ++i)
        {
            QCOMPARE(FEcran->Plan_Image[Indice(i % 3, i / 3)], codes[i]);
            QCOMPARE(FMask->Plan_Mask[Indice(i % 3, i / 3)], mask[i]);
        }
        QCOMPARE(FMain->Enregistrement_Nom_Image->text(), QStringLiteral("Nef"));
        QVERIFY(FMain->Button11->isEnabled());
        QCOMPARE(Onglets_Visibles(), (QList<int>{1, 2, 4, 5, 6, 7, 8}));
        QVERIFY(FEcran->isVisible());
        // Arrays that do not fit the size: a message, and the name stays.
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\r\nAutre_C0\r\n\tdc.b 128,0\r\r\n");
        f.close();
        Faux.Demandes.clear();
        Ouvrir(Faux, chemin, 4);
        QCOMPARE(Faux.Genres(), (QStringList{QStringLiteral("ouvrir"), QStringLiteral("erreur")}));
        QVERIFY2(Faux.Demandes.last().Texte.contains(
                     QStringLiteral("« Autre_C0 » a 2 nombres de 8 bits, il en faut 2000")),
                 qPrintable(Faux.Demandes.last().Texte));
        QCOMPARE(FMain->Enregistrement_Nom_Image->text(), QStringLiteral("Nef"));
        QVERIFY(FMain->Button11->isEnabled());
        QCOMPARE(FMask->Plan_Mask[Indice(2, 1)], std::uint8_t(1));
    }
};

QTEST_MAIN(Tst_Fenetres_Ouverture)
#include "tst_Fenetres_Ouverture.moc"
