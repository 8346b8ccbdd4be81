// corvanel-convert writing several sprites from one input: a sheet, an animation's frames and
// a tile map, the last two against the window's own open and save.
#include "Convert_Essai.h"
#include "Demarrage.h"
#include "Fiche_Ecran.h"
#include "Gif_Essai.h"
#include "Lecture_Sauvegarde.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Corvanel;
using namespace Essai;

class Tst_Convert_Planches : public QObject, private Essai::Banc_Convert
{
    Q_OBJECT

private slots:
    void init() { Demarrer(); }
    void cleanup() { Arreter(); }

    // A sheet in one call: the converted picture or the source itself in whole cells, the
    // count said on the standard output.
    void Planche_data()
    {
        QTest::addColumn<QStringList>("Options");
        QTest::addColumn<QString>("Bilan");
        QTest::addColumn<QString>("Derniere");
        // 40 x 20 fitted onto 32 x 32: two by two cells of 16.
        QTest::newRow("image") << QStringList{"-t", "32x32", "-g", "16x16"}
                               << "« p.c » : 4 sprite(s) écrit(s), 0 ignoré(s)\n"
                               << "p_3_C0";
        // The source itself: five by two cells of 8, its 4-pixel strip left out.
        QTest::newRow("source") << QStringList{"-g", "8x8", "--couper"}
                                << "« p.c » : 10 sprite(s) écrit(s), 0 ignoré(s)\n"
                                << "p_9_C0";
    }
    void Planche()
    {
        QFETCH(QStringList, Options);
        QFETCH(QString, Bilan);
        QFETCH(QString, Derniere);
        Ecrire_Source(Dossier, QStringLiteral("p.bmp"), QSize(40, 20));
        const Issue Resultat =
            Lancer(QStringList{"-p", "Tavisk", "-o", "p.c", "p.bmp"} + Options, Dossier.path());
        QCOMPARE(Resultat.Statut, 0);
        QCOMPARE(Resultat.Sortie, Bilan);
        const QByteArray Texte = Lire(Chemin(QStringLiteral("p.c")));
        QVERIFY(Texte.contains(Derniere.toUtf8() + "[]"));
        QVERIFY(Texte.contains("void *p_Table_C0[]"));
    }

    // A three-frame GIF, the second frame cleared before the third: each frame as the file
    // shows it once composed, through the batch converter and through the window.
    void Animation()
    {
        // 8 x 8 black; a white square in the middle; the square cleared and a grey corner.
        Essai::Image_Gif Noire{0, 0, 8, 8, 1, -1, std::vector<std::uint8_t>(64, 1)};
        Essai::Image_Gif Carre{2, 2, 4, 4, 2, -1, std::vector<std::uint8_t>(16, 0)};
        Essai::Image_Gif Coin{6, 6, 2, 2, 1, -1, std::vector<std::uint8_t>(4, 2)};
        {
            QFile Gif(Chemin(QStringLiteral("anim.gif")));
            QVERIFY(Gif.open(QIODevice::WriteOnly));
            Gif.write(Essai::Ecrire_Gif(8, 8,
                                        {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128)},
                                        {Noire, Carre, Coin}));
        }
        const auto Attendu = [](int i, int x, int y) -> std::uint8_t
        {
            const bool Carre_ = x >= 2 && x < 6 && y >= 2 && y < 6;
            if (i == 0)
                return Code::Noir;
            if (i == 2 && x >= 6 && y >= 6)
                return Code::Gris_Clair;
            return Carre_ ? Code::Blanc : Code::Noir;
        };
        const auto Lire_Plan = [](const QString &Fichier)
        {
            Plan Lu{};
            Lire_Sauvegarde(Fichier, Lu);
            return Lu;
        };
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("cli")));
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("fen")));
        Issue Resultat = Lancer({"-p", "Sauvegarde", "-t", "8x8", "--images", "-o", "cli",
                                 "--apercu", "apercu.png", "anim.gif"},
                                Dossier.path());
        QCOMPARE(Resultat.Erreur, QString());
        QCOMPARE(Resultat.Sortie, QStringLiteral("« cli/anim.cvl » : 3 sprite(s) écrit(s), "
                                                 "0 ignoré(s)\n"));
        QCOMPARE(QDir(Chemin(QStringLiteral("cli"))).entryList(QDir::Files, QDir::Name),
                 (QStringList{"anim_0.cvl", "anim_1.cvl", "anim_2.cvl"}));
        for (int i = 0; i < 3; ++i)
        {
            const Plan Lu = Lire_Plan(Chemin(QStringLiteral("cli/anim_%1.cvl").arg(i)));
            for (int x = 0; x < 8; ++x)
                for (int y = 0; y < 8; ++y)
                    QVERIFY2(Lu[Indice(x, y)] == Attendu(i, x, y),
                             qPrintable(QStringLiteral("image %1 (%2, %3)").arg(i).arg(x).arg(y)));
        }
        // The frames side by side.
        const QImage Apercu(Chemin(QStringLiteral("apercu.png")));
        QCOMPARE(Apercu.size(), QSize(24, 8));
        QCOMPARE(Apercu.pixel(3, 3), qRgb(0, 0, 0));
        QCOMPARE(Apercu.pixel(8 + 3, 3), qRgb(255, 255, 255));
        QCOMPARE(Apercu.pixel(16 + 7, 7), Apercu.pixel(16 + 6, 6));
        QVERIFY(Apercu.pixel(16 + 7, 7) != Apercu.pixel(16 + 5, 7));

        // In C: the frames as a sheet's sprites, their table and their count.
        Resultat = Lancer({"-p", "Tavisk", "-t", "8x8", "--images", "-o", "anim.c", "anim.gif"},
                          Dossier.path());
        QCOMPARE(Resultat.Statut, 0);
        const QByteArray Texte = Lire(Chemin(QStringLiteral("anim.c")));
        QVERIFY(Texte.contains("void *anim_Table_C0[] = {anim_0_C0,anim_1_C0,anim_2_C0};"));
        QVERIFY(Texte.endsWith("#define anim_NOMBRE 3\r\n"));

        // The window: frame 1 with the count in the caption, then frame 2, shifted by a pixel
        // before every frame is saved: the frame shown goes as it is.
        FMain->Taille_Image->setCurrentIndex(4);
        emit FMain->Taille_Image->activated(4);
        QVERIFY(!FMain->Numero_Image->isEnabled());
        Ouvrir(Faux, Chemin(QStringLiteral("anim.gif")), 3);
        QCOMPARE(FEcran->windowTitle(), Chemin(QStringLiteral("anim.gif")) + " (image 1 / 3)");
        QVERIFY(FMain->Numero_Image->isEnabled());
        QCOMPARE(FMain->Numero_Image->maximum(), 3);
        FMain->Numero_Image->setValue(2);
        QCOMPARE(FEcran->windowTitle(), Chemin(QStringLiteral("anim.gif")) + " (image 2 / 3)");
        QCOMPARE(FEcran->Plan_Image, Lire_Plan(Chemin(QStringLiteral("cli/anim_1.cvl"))));
        FMain->SpeedButton[4]->click();
        FMain->Toutes_Images->setChecked(true);
        FMain->Enregistrement_Nom_Image->setText(QStringLiteral("anim"));
        Faux.Reponses_Fichier.push_back(
            Choix_Fichier{Chemin(QStringLiteral("fen/anim.cvl")), Type_De("Sauvegarde", false)});
        FMain->Button2->click();
        QCOMPARE(FMain->windowTitle(), QStringLiteral("3 sprite(s) enregistré(s), 0 ignoré(s)"));
        for (int i : {0, 2})
            QCOMPARE(Lire(Chemin(QStringLiteral("fen/anim_%1.cvl").arg(i))),
                     Lire(Chemin(QStringLiteral("cli/anim_%1.cvl").arg(i))));
        const Plan Decale = Lire_Plan(Chemin(QStringLiteral("fen/anim_1.cvl")));
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y)
                QCOMPARE(Decale[Indice(x, y)], Attendu(1, (x + 1) % 8, y));
        // Packed, opened again unshifted: the window and the converter write the same bytes
        // and give the sizes, and the file reads back as the first frame.
        Ouvrir(Faux, Chemin(QStringLiteral("anim.gif")), 3);
        FMain->Compresser->setChecked(true);
        Faux.Reponses_Fichier.push_back(
            Choix_Fichier{Chemin(QStringLiteral("fen/anim.c")), Type_De("Tavisk", false)});
        FMain->Button2->click();
        FMain->Compresser->setChecked(false);
        const QString Tailles =
            QStringLiteral("0 ignoré\\(s\\) \\(\\d+ octets compressés, \\d+ décompressés\\)$");
        QVERIFY2(
            QRegularExpression(QStringLiteral("^3 sprite\\(s\\) enregistré\\(s\\), ") + Tailles)
                .match(FMain->windowTitle())
                .hasMatch(),
            qPrintable(FMain->windowTitle()));
        Resultat =
            Lancer({"-p", "Tavisk", "-t", "8x8", "--images", "-z", "-o", "cli/anim.c", "anim.gif"},
                   Dossier.path());
        QVERIFY2(QRegularExpression(
                     QStringLiteral("^« cli/anim.c » : 3 sprite\\(s\\) écrit\\(s\\), ") + Tailles)
                     .match(Resultat.Sortie.trimmed())
                     .hasMatch(),
                 qPrintable(Resultat.Sortie + Resultat.Erreur));
        const QByteArray Compresse = Lire(Chemin(QStringLiteral("cli/anim.c")));
        QVERIFY(Compresse.contains("unsigned char anim_Compresse[]"));
        QCOMPARE(Lire(Chemin(QStringLiteral("fen/anim.c"))), Compresse);
        Ouvrir(Faux, Chemin(QStringLiteral("cli/anim.c")), 4);
        QCOMPARE(FEcran->Plan_Image, Lire_Plan(Chemin(QStringLiteral("cli/anim_0.cvl"))));
        // A still picture has no frames to choose.
        Ecrire_Source(Dossier, QStringLiteral("fixe.png"), QSize(8, 8));
        Ouvrir(Faux, Chemin(QStringLiteral("fixe.png")), 3);
        QVERIFY(!FMain->Numero_Image->isEnabled());
        QVERIFY(!FMain->Toutes_Images->isEnabled());
    }

    // A map in one file, mask included; read back by the converter and by the window, it
    // gives the same file again; a map larger than a picture is refused with its size.
    void Carte()
    {
        Ecrire_Source(Dossier, QStringLiteral("p.bmp"), QSize(40, 20));
        const QStringList Ombrin{"-p", "Ombrin", "--carte", "8x8", "-o"};
        const Issue Premiere = Lancer(Ombrin + QStringList{"p.c", "p.bmp"}, Dossier.path());
        QCOMPARE(Premiere.Erreur, QString());
        QVERIFY2(QRegularExpression(QStringLiteral("^« p.c » : \\d+ tuile\\(s\\) "
                                                   "unique\\(s\\), carte de 5 x 3\n$"))
                     .match(Premiere.Sortie)
                     .hasMatch(),
                 qPrintable(Premiere.Sortie));
        const QByteArray Texte = Lire(Chemin(QStringLiteral("p.c")));
        QVERIFY(Texte.contains("unsigned char p_Tuiles_Entrelace_Mask[]"));
        QCOMPARE(Lancer(Ombrin + QStringList{"q.c", "p.c"}, Dossier.path()).Statut, 0);
        QCOMPARE(Lire(Chemin(QStringLiteral("q.c"))), Texte);

        Ouvrir(Faux, Chemin(QStringLiteral("p.c")), 4);
        QCOMPARE(int(FEcran->Largeur_Image), 40);
        QCOMPARE(int(FEcran->Hauteur_Image), 24);
        FMain->Carte_Tuiles->setChecked(true);
        FMain->Largeur_Sprite->setValue(8);
        FMain->Hauteur_Sprite->setValue(8);
        Faux.Reponses_Fichier.push_back(
            Choix_Fichier{Chemin(QStringLiteral("w.c")), Type_De(QStringLiteral("Ombrin"), false)});
        FMain->Button2->click();
        QVERIFY2(FMain->windowTitle().endsWith(QLatin1String("carte de 5 x 3")),
                 qPrintable(FMain->windowTitle()));
        QCOMPARE(Lire(Chemin(QStringLiteral("w.c"))), Texte);
        // Packed, the window and the converter agree, and the title gives the sizes.
        FMain->Compresser->setChecked(true);
        Faux.Reponses_Fichier.push_back(Choix_Fichier{Chemin(QStringLiteral("wz.c")),
                                                      Type_De(QStringLiteral("Ombrin"), false)});
        FMain->Button2->click();
        FMain->Compresser->setChecked(false);
        QVERIFY2(QRegularExpression(QStringLiteral("carte de 5 x 3 \\(\\d+ octets compressés, "
                                                   "\\d+ décompressés\\)$"))
                     .match(FMain->windowTitle())
                     .hasMatch(),
                 qPrintable(FMain->windowTitle()));
        QCOMPARE(Lancer(Ombrin + QStringList{"z.c", "-z", "p.c"}, Dossier.path()).Statut, 0);
        QCOMPARE(Lire(Chemin(QStringLiteral("wz.c"))), Lire(Chemin(QStringLiteral("z.c"))));

        Ecrire_Source(Dossier, QStringLiteral("g.bmp"), QSize(300, 20));
        QCOMPARE(Lancer(Ombrin + QStringList{"g.c", "g.bmp"}, Dossier.path()).Statut, 0);
        const Issue Grande = Lancer({"-p", "Tavisk", "-o", "h.c", "g.c"}, Dossier.path());
        QCOMPARE(Grande.Statut, 1);
        QVERIFY2(Grande.Erreur.contains(
                     QLatin1String("carte de 38 x 3 tuiles de 8 x 8, soit 304 x 24 pixels")),
                 qPrintable(Grande.Erreur));
    }
};

QTEST_MAIN(Tst_Convert_Planches)
#include "tst_Convert_Planches.moc"
