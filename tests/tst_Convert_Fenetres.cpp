// corvanel-convert as a makefile runs it, against the windows' own open and save commands: one
// picture, or a file the windows saved, converted the same way on both sides.
#include "Choix_Image.h"
#include "Convert_Essai.h"
#include "Demarrage.h"
#include "Fiche_Ecran.h"
#include "Surface_Dessin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Corvanel;
using namespace Essai;

class Tst_Convert_Fenetres : public QObject, private Essai::Banc_Convert
{
    Q_OBJECT

    // Saves as a user would: picture first, then "Créer" and the mask.
    // A packed save gives its sizes in the title.
    void Enregistrer(const QString &Nom, const QString &Plugin, const QString &Sortie,
                     const QString &Plugin_Mask, int Fond, const QString &Sortie_Mask,
                     bool Compresser = false)
    {
        FMain->Enregistrement_Nom_Image->setText(Nom);
        FMain->Compresser->setChecked(Compresser);
        const QRegularExpression Titre(Compresser
                                           ? QStringLiteral("^Corvanel 3\\.3 \\(\\d+ octets "
                                                            "compressés, \\d+ décompressés\\)$")
                                           : QStringLiteral("^Corvanel 3\\.3$"));
        Faux.Reponses_Fichier.push_back(Choix_Fichier{Sortie, Type_De(Plugin, false)});
        FMain->Button2->click();
        QVERIFY2(Titre.match(FMain->windowTitle()).hasMatch(), qPrintable(FMain->windowTitle()));
        if (Plugin_Mask.isEmpty())
            return;
        // -1: the background the open chose.
        if (Fond >= 0)
            FMain->Choix_Fond->setCurrentIndex(Fond);
        FMain->Button8->click();
        Faux.Reponses_Fichier.push_back(Choix_Fichier{Sortie_Mask, Type_De(Plugin_Mask, true)});
        FMain->Button11->click();
        QVERIFY2(Titre.match(FMain->windowTitle()).hasMatch(), qPrintable(FMain->windowTitle()));
    }

private slots:
    void init() { Demarrer(); }
    void cleanup() { Arreter(); }

    void Identique_Aux_Fenetres_data()
    {
        QTest::addColumn<QString>("Source");
        QTest::addColumn<QString>("Nom");
        QTest::addColumn<QString>("Plugin");
        QTest::addColumn<QString>("Taille");
        QTest::addColumn<bool>("Couper");
        QTest::addColumn<int>("Niveaux");
        QTest::addColumn<int>("Lumiere");
        QTest::addColumn<int>("Contraste");
        QTest::addColumn<QString>("Plugin_Mask");
        QTest::addColumn<int>("Fond");
        // The three lists of the option page, by index; the default rows give no option.
        QTest::addColumn<QList<int>>("Modes");
        QTest::addColumn<int>("Zoom");
        // "proportions", "equilibrer"
        QTest::addColumn<QStringList>("Autres");
        QTest::addColumn<bool>("Compresser");
        QTest::newRow("TI 89, 4 niveaux, Sprite C") << "vue.bmp"
                                                    << "vue"
                                                    << "Tavisk"
                                                    << "TI 89" << false << 4 << 0 << 0 << "" << 0
                                                    << QList<int>{} << 1 << QStringList{} << false;
        QTest::newRow("TI 92, 8 niveaux, lumière +3, contraste -2, ASM, mask noir")
            << "vue.bmp"
            << "vue"
            << "Roskel"
            << "TI 92" << false << 8 << 3 << -2 << "Mervil" << 3 << QList<int>{} << 1
            << QStringList{} << false;
        QTest::newRow("32 x 32 coupé, lumière -4, contraste +5, GenLib, mask blanc")
            << "2 vues-ok.bmp"
            << "_2_vues_ok"
            << "Pelkor"
            << "32x32" << true << 4 << -4 << 5 << "Quenda" << 0 << QList<int>{} << 1
            << QStringList{} << false;
        QTest::newRow("37 x 21, 2 niveaux, lumière +40, sauvegarde")
            << "vue.bmp"
            << "vue"
            << "Sauvegarde"
            << "37x21" << false << 2 << 40 << 0 << "" << 0 << QList<int>{} << 1 << QStringList{}
            << false;
        // The picture-and-mask plug-ins take the mask made with that background, white by
        // default on the command line.
        QTest::newRow("TI 89, 4 niveaux, sprite + mask C, fond gris clair")
            << "vue.bmp"
            << "vue"
            << "Ombrin"
            << "TI 89" << false << 4 << 0 << 0 << "" << 1 << QList<int>{} << 1 << QStringList{}
            << false;
        QTest::newRow("16 x 16, 2 niveaux, sprite + mask ASM, fond blanc et mask ET")
            << "vue.bmp"
            << "vue"
            << "Garsel"
            << "16x16" << false << 2 << 0 << 0 << "Sudrak" << 0 << QList<int>{} << 1
            << QStringList{} << false;
        QTest::newRow("PNG translucide, 8 x 8, 8 niveaux, mask gris foncé")
            << "photo.png"
            << "photo"
            << "Tavisk"
            << "8x8" << false << 8 << 0 << 1 << "Quenda" << 2 << QList<int>{} << 1 << QStringList{}
            << false;
        QTest::newRow("TI 89, moyenne, luminance, Floyd-Steinberg, lumière +2, aperçu zoom 3")
            << "photo.png"
            << "photo"
            << "Tavisk"
            << "TI 89" << false << 4 << 2 << 0 << "" << 0 << QList<int>{1, 1, 1} << 3
            << QStringList{} << false;
        QTest::newRow("TI 92, 8 niveaux, luminance, ordonné 8 x 8, contraste +3, ASM, mask")
            << "vue.bmp"
            << "vue"
            << "Roskel"
            << "TI 92" << false << 8 << 0 << 3 << "Mervil" << 1 << QList<int>{0, 1, 4} << 1
            << QStringList{} << false;
        QTest::newRow("37 x 21 coupé, 2 niveaux, moyenne, Atkinson, lumière -3")
            << "vue.bmp"
            << "vue"
            << "Tavisk"
            << "37x21" << true << 2 << -3 << 0 << "" << 0 << QList<int>{1, 0, 2} << 2
            << QStringList{} << false;
        // The transparency is the mask's background when none is chosen, in the window as
        // on the command line; the margins of the proportions are transparent too.
        QTest::newRow("PNG transparent, 32 x 32, proportions, mask de la transparence")
            << "photo.png"
            << "photo"
            << "Tavisk"
            << "32x32" << false << 4 << 0 << 0 << "Quenda" << -1 << QList<int>{} << 1
            << QStringList{"proportions"} << false;
        QTest::newRow("PNG transparent, sprite + mask C, fond par défaut")
            << "photo.png"
            << "photo"
            << "Ombrin"
            << "TI 89" << false << 4 << 0 << 0 << "" << -1 << QList<int>{} << 1 << QStringList{}
            << false;
        QTest::newRow("TI 92, 8 niveaux, moyenne, luminance, équilibrer, lumière +1")
            << "vue.bmp"
            << "vue"
            << "Roskel"
            << "TI 92" << false << 8 << 1 << 0 << "" << 0 << QList<int>{1, 1, 0} << 1
            << QStringList{"equilibrer"} << false;
        QTest::newRow("16 x 16, couleurs exactes, tramage sans effet")
            << "vue.bmp"
            << "vue"
            << "Tavisk"
            << "16x16" << false << 4 << 0 << 0 << "" << 0 << QList<int>{1, 2, 1} << 1
            << QStringList{} << false;
        QTest::newRow("TI 92, compressé, sprite entrelacé ASM, mask ET C")
            << "vue.bmp"
            << "vue"
            << "Talvek"
            << "TI 92" << false << 4 << 0 << 0 << "Pirnel" << 0 << QList<int>{} << 1
            << QStringList{} << true;
        QTest::newRow("32 x 32 coupé, 2 niveaux, compressé, sprite + mask C")
            << "photo.png"
            << "photo"
            << "Ombrin"
            << "32x32" << true << 2 << 0 << 0 << "" << -1 << QList<int>{} << 1 << QStringList{}
            << true;
    }

    void Identique_Aux_Fenetres()
    {
        QFETCH(QString, Source);
        QFETCH(QString, Nom);
        QFETCH(QString, Plugin);
        QFETCH(QString, Taille);
        QFETCH(bool, Couper);
        QFETCH(int, Niveaux);
        QFETCH(int, Lumiere);
        QFETCH(int, Contraste);
        QFETCH(QString, Plugin_Mask);
        QFETCH(int, Fond);
        QFETCH(QList<int>, Modes);
        QFETCH(int, Zoom);
        QFETCH(QStringList, Autres);
        QFETCH(bool, Compresser);
        Ecrire_Source(Dossier, Source);
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("fen")));
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("cli")));

        // The windows: size, fit, level count (which resets the bands), open, presses, save.
        QStringList Arguments{QStringLiteral("-p"), Plugin,
                              QStringLiteral("-o"), QStringLiteral("cli"),
                              QStringLiteral("-n"), QString::number(Niveaux)};
        const int Preset = QStringList{"TI 89", "TI 92", "32x32", "16x16", "8x8"}.indexOf(Taille);
        FMain->Taille_Image->setCurrentIndex(Preset >= 0 ? Preset : 5);
        emit FMain->Taille_Image->activated(FMain->Taille_Image->currentIndex());
        if (Preset >= 0)
            Arguments << QStringLiteral("--taille") << Taille;
        else
        {
            FMain->Largeur->setText(Taille.section(QLatin1Char('x'), 0, 0));
            FMain->Hauteur->setText(Taille.section(QLatin1Char('x'), 1, 1));
            Arguments << QStringLiteral("--largeur") << FMain->Largeur->text()
                      << QStringLiteral("--hauteur") << FMain->Hauteur->text();
        }
        FMain->Adaptation_Image->setChecked(!Couper);
        if (Couper)
            Arguments << QStringLiteral("--couper");
        QRadioButton *Radios[] = {FMain->Choix_Nombre_Couleur_2, FMain->Choix_Nombre_Couleur_4,
                                  FMain->Choix_Nombre_Couleur_8};
        const int Radio = Niveaux == 2 ? 0 : Niveaux == 4 ? 1 : 2;
        Radios[(Radio + 1) % 3]->click();
        Radios[Radio]->click();
        if (!Modes.isEmpty())
        {
            FMain->Choix_Echantillonnage->setCurrentIndex(Modes[0]);
            FMain->Choix_Teinte->setCurrentIndex(Modes[1]);
            FMain->Choix_Tramage->setCurrentIndex(Modes[2]);
            Arguments
                << QStringLiteral("--echantillonnage")
                << QLatin1String(Modes_Echantillonnage[Modes[0]].Option)
                << QStringLiteral("--teinte=%1").arg(QLatin1String(Modes_Teinte[Modes[1]].Option))
                << QStringLiteral("--tramage") << QLatin1String(Modes_Tramage[Modes[2]].Option);
        }
        if (Autres.contains(QStringLiteral("proportions")))
        {
            FMain->Conserver_Proportions->setChecked(true);
            Arguments << QStringLiteral("--proportions");
        }
        // The preview is the edit window's picture in Windows greys.
        FMain->Choix_Couleur_WIN->click();
        Ouvrir(Faux, Chemin(Source), Source.endsWith(QLatin1String(".bmp")) ? 1 : 3);
        for (int i = 1; i < Zoom; ++i)
            FMain->SpeedButton17->click();
        Arguments << QStringLiteral("--apercu") << QStringLiteral("apercu.png");
        if (Zoom > 1)
            Arguments << QStringLiteral("--zoom") << QString::number(Zoom);
        QFile::remove(Chemin(QStringLiteral("apercu.png")));
        if (Autres.contains(QStringLiteral("equilibrer")))
        {
            FMain->Bouton_Equilibrer->click();
            Arguments << QStringLiteral("--equilibrer");
        }
        for (int i = 0; i < std::abs(Lumiere); ++i)
            (Lumiere > 0 ? FMain->Button4 : FMain->Button3)->click();
        for (int i = 0; i < std::abs(Contraste); ++i)
            (Contraste > 0 ? FMain->Button6 : FMain->Button5)->click();
        Arguments << QStringLiteral("--lumiere=%1").arg(Lumiere) << QStringLiteral("--contraste")
                  << QString::number(Contraste);
        const auto Assembleur = [](const QString &Bibliotheque) {
            return QStringList{"Roskel", "Mervil", "Garsel", "Sudrak", "Talvek"}.contains(
                Bibliotheque);
        };
        const QString Extention = Assembleur(Plugin)                      ? QStringLiteral("asm")
                                  : Plugin == QLatin1String("Sauvegarde") ? QStringLiteral("cvl")
                                                                          : QStringLiteral("c");
        const QString Extention_Mask =
            Assembleur(Plugin_Mask) ? QStringLiteral("asm") : QStringLiteral("c");
        const bool Image_Mask =
            Plugin == QLatin1String("Ombrin") || Plugin == QLatin1String("Garsel");
        if (Image_Mask)
        {
            if (Fond >= 0)
                FMain->Choix_Fond->setCurrentIndex(Fond);
            FMain->Button8->click();
            if (Fond > 0)
                Arguments << QStringLiteral("--fond") << QString::number(Fond);
        }
        Enregistrer(Nom, Plugin, Chemin(QStringLiteral("fen/") + Nom + '.' + Extention),
                    Plugin_Mask, Fond,
                    Chemin(QStringLiteral("fen/Mask_") + Nom + '.' + Extention_Mask), Compresser);
        if (QTest::currentTestFailed())
            return;
        if (Compresser)
            Arguments << QStringLiteral("--compresser");
        if (!Plugin_Mask.isEmpty())
        {
            Arguments << QStringLiteral("--mask-plugin") << Plugin_Mask;
            if (!Image_Mask && Fond >= 0)
                Arguments << QStringLiteral("--fond") << QString::number(Fond);
        }

        const Issue Resultat = Lancer(Arguments << Source, Dossier.path());
        QCOMPARE(Resultat.Erreur, QString());
        QCOMPARE(Resultat.Statut, 0);
        QCOMPARE(Resultat.Sortie.contains(QStringLiteral("octets compressés")), Compresser);
        QStringList Fichiers{Nom + '.' + Extention};
        if (!Plugin_Mask.isEmpty())
            Fichiers << QStringLiteral("Mask_") + Nom + '.' + Extention_Mask;
        QCOMPARE(QDir(Chemin(QStringLiteral("cli"))).entryList(QDir::Files, QDir::Name),
                 QDir(Chemin(QStringLiteral("fen"))).entryList(QDir::Files, QDir::Name));
        for (const QString &Fichier : Fichiers)
        {
            const QByteArray Attendu = Lire(Chemin(QStringLiteral("fen/") + Fichier));
            QVERIFY2(!Attendu.isEmpty(), qPrintable(Fichier));
            QVERIFY2(Lire(Chemin(QStringLiteral("cli/") + Fichier)) == Attendu,
                     qPrintable(Fichier));
        }
        QCOMPARE(QImage(Chemin(QStringLiteral("apercu.png"))).convertToFormat(QImage::Format_RGB32),
                 FEcran->Ecran_TI->Image());
    }

    // A save file or a calculator file is taken as it stands: the level options do not touch
    // it, and the calculator file's name is the picture's.
    void Sauvegarde_Relue_data()
    {
        QTest::addColumn<QString>("Plugin");
        QTest::addColumn<QString>("Fichier");
        QTest::addColumn<QString>("Stockage"); // the plug-in that writes the input
        QTest::addColumn<QString>("Entree");
        QTest::addColumn<int>("Type");    // the open dialog's file type for it
        QTest::addColumn<QString>("Nom"); // the name of the saves, the input's
        QTest::newRow("sauvegarde à l'identique") << "Sauvegarde"
                                                  << "orig.cvl"
                                                  << "Sauvegarde"
                                                  << "orig.cvl" << 2 << "orig";
        QTest::newRow("Sprite C") << "Tavisk"
                                  << "orig.c"
                                  << "Sauvegarde"
                                  << "orig.cvl" << 2 << "orig";
        QTest::newRow("Sprite ASM") << "Roskel"
                                    << "orig.asm"
                                    << "Sauvegarde"
                                    << "orig.cvl" << 2 << "orig";
        QTest::newRow("PIC de TI-92 Plus, Sprite C") << "Tavisk"
                                                     << "orig.c"
                                                     << "Sevrin"
                                                     << "orig.9xg" << 6 << "nef";
    }
    void Sauvegarde_Relue()
    {
        QFETCH(QString, Plugin);
        QFETCH(QString, Fichier);
        QFETCH(QString, Stockage);
        QFETCH(QString, Entree);
        QFETCH(int, Type);
        QFETCH(QString, Nom);
        Ecrire_Source(Dossier, QStringLiteral("vue.bmp"));
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("fen")));
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("cli")));
        FMain->Choix_Nombre_Couleur_8->click();
        Ouvrir(Faux, Chemin(QStringLiteral("vue.bmp")), 1);
        FMain->Button4->click();
        Enregistrer(QStringLiteral("Nef"), Stockage, Chemin(Entree), {}, 0, {});
        Ouvrir(Faux, Chemin(Entree), Type);
        QVERIFY(!FMain->Onglets->isTabVisible(2));
        if (Type == 6)
            QCOMPARE(FMain->Enregistrement_Nom_Image->text(), Nom);
        Enregistrer(Nom, Plugin, Chemin(QStringLiteral("fen/") + Fichier), {}, 0, {});

        const Issue Resultat =
            Lancer({Entree, QStringLiteral("-p"), Plugin, QStringLiteral("-o"),
                    QStringLiteral("cli"), QStringLiteral("-n"), QStringLiteral("2"),
                    QStringLiteral("--lumiere"), QStringLiteral("-7")},
                   Dossier.path());
        QCOMPARE(Resultat.Erreur, QString());
        QCOMPARE(Resultat.Statut, 0);
        const QByteArray Attendu = Lire(Chemin(QStringLiteral("fen/") + Fichier));
        QVERIFY(!Attendu.isEmpty());
        QCOMPARE(Lire(Chemin(QStringLiteral("cli/") + Fichier)), Attendu);
        if (Plugin == Stockage)
            QCOMPARE(Attendu, Lire(Chemin(Entree)));
    }
};

QTEST_MAIN(Tst_Convert_Fenetres)
#include "tst_Convert_Fenetres.moc"
