// corvanel-convert as a makefile runs it, against the windows' own open and save commands.
#include "Choix_Image.h"
#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Gif_Essai.h"
#include "Lecture_Sauvegarde.h"
#include "Outils_Essai.h"
#include "Surface_Dessin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <sys/resource.h>

using namespace Corvanel;
using Essai::Lire;

namespace
{
using Essai::Dossier_Build;

struct Issue
{
    int Statut = -1;
    QString Sortie;
    QString Erreur;
};

// No display either: the converter must not need one.
Issue Lancer(const QStringList &Arguments, const QString &Dossier)
{
    QProcessEnvironment Environnement = QProcessEnvironment::systemEnvironment();
    for (const char *Nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        Environnement.remove(QLatin1String(Nom));
    QProcess Processus;
    Processus.setProcessEnvironment(Environnement);
    Processus.setWorkingDirectory(Dossier);
    Processus.start(Dossier_Build() + QStringLiteral("/corvanel-convert"), Arguments);
    if (!Processus.waitForFinished(120000) || Processus.exitStatus() != QProcess::NormalExit)
        return {};
    return {Processus.exitCode(), QString::fromUtf8(Processus.readAllStandardOutput()),
            QString::fromUtf8(Processus.readAllStandardError())};
}

const QStringList Liste_Attendue = {
    QStringLiteral("Garsel.so\timage et mask\tasm\tSprite + mask entrelacés (language ASM)"),
    QStringLiteral("Lorvan.so\timage\t89g\tImages PIC de TI-89 (groupe)"),
    QStringLiteral("Mervil.so\tmask\tasm\tMask (language ASM)"),
    QStringLiteral("Ombrin.so\timage et mask\tc\tSprite + mask entrelacés (language C)"),
    QStringLiteral("Pelkor.so\timage\tc\tGenLib (language C)"),
    QStringLiteral("Pirnel.so\tmask\tc\tMask ET (language C)"),
    QStringLiteral("Quenda.so\tmask\tc\tMask (language C)"),
    QStringLiteral("Roskel.so\timage\tasm\tSprite (language ASM)"),
    QStringLiteral("Sauvegarde.so\timage\tcvl\tSauvegarde d'image Corvanel 3.0"),
    QStringLiteral("Sevrin.so\timage\t9xg\tImages PIC de TI-92 Plus (groupe)"),
    QStringLiteral("Sudrak.so\tmask\tasm\tMask ET (language ASM)"),
    QStringLiteral("Talvek.so\timage\tasm\tSprite entrelacé (language ASM)"),
    QStringLiteral("Tavisk.so\timage\tc\tSprite (language C)"),
    QStringLiteral("Velmor.so\timage et mask\tcvm\tSauvegarde d'image et de mask Corvanel"),
};
} // namespace

class Tst_Convert : public QObject
{
    Q_OBJECT

    Dialogues_Factices Faux;
    QTemporaryDir Dossier;

    QString Chemin(const QString &Nom) const { return Dossier.filePath(Nom); }

    // Every level and colour channel somewhere, and a translucent corner for the PNG.
    void Ecrire_Source(const QString &Nom, QSize Taille = QSize(200, 150))
    {
        QImage Image(Taille, QImage::Format_ARGB32);
        for (int y = 0; y < Taille.height(); ++y)
            for (int x = 0; x < Taille.width(); ++x)
                Image.setPixel(x, y,
                               qRgba(x * 255 / Taille.width(), y * 255 / Taille.height(),
                                     (x * y) % 256, x + y < 40 ? 90 : 255));
        if (Nom.endsWith(QLatin1String(".bmp")))
            Image = Image.convertToFormat(QImage::Format_RGB32);
        QVERIFY(Image.save(Chemin(Nom)));
    }

    // The save dialog's file type of a library, in the scan's order.
    static int Type_De(const QString &Bibliotheque, bool Mask)
    {
        const Resultat_Scan &Scan = FMain->Plugins;
        const int Nombre = Mask ? Scan.Nombre_Plug_Mask : Scan.Nombre_Plug_Image;
        for (int i = 0; i < Nombre; ++i)
        {
            const Plug_Info &Slot = Mask ? Scan.Liste_Plug_Mask[i] : Scan.Liste_Plug_Image[i];
            if (QString::fromStdString(Slot.Fichier)
                    .endsWith(QLatin1Char('/') + Bibliotheque + QLatin1String(".so")))
                return i + 1;
        }
        return 0;
    }

    void Ouvrir(const QString &Entree, int Type)
    {
        FMain->Ouvrir_Fichier->click();
        Faux.Reponses_Fichier.push_back(Choix_Fichier{Entree, Type});
        FMain->Button1->click();
    }

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
    void init()
    {
        Faux = Dialogues_Factices();
        QVERIFY(QDir::setCurrent(Dossier.path()));
        QFile::link(Dossier_Build() + QStringLiteral("/Plugin"), Chemin(QStringLiteral("Plugin")));
        Creer_Fenetres(Faux);
        QCOMPARE(FMain->Plugins.Nombre_Plug_Image, std::uint8_t{10});
    }
    void cleanup()
    {
        Detruire_Fenetres();
        for (const char *Sous_Dossier : {"fen", "cli"})
            QDir(Chemin(QLatin1String(Sous_Dossier))).removeRecursively();
    }

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
        Ecrire_Source(Source);
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
        Ouvrir(Chemin(Source), Source.endsWith(QLatin1String(".bmp")) ? 1 : 3);
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
        Ecrire_Source(QStringLiteral("vue.bmp"));
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("fen")));
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("cli")));
        FMain->Choix_Nombre_Couleur_8->click();
        Ouvrir(Chemin(QStringLiteral("vue.bmp")), 1);
        FMain->Button4->click();
        Enregistrer(QStringLiteral("Nef"), Stockage, Chemin(Entree), {}, 0, {});
        Ouvrir(Chemin(Entree), Type);
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

    // A picture is read by its content whatever its name: a PNG named .bmp is the PNG.
    void Contenu_Avant_Le_Nom()
    {
        Ecrire_Source(QStringLiteral("vraie.png"));
        QVERIFY(
            QFile::copy(Chemin(QStringLiteral("vraie.png")), Chemin(QStringLiteral("png.bmp"))));
        for (const QString &Entree : {QStringLiteral("vraie.png"), QStringLiteral("png.bmp")})
        {
            const Issue Resultat =
                Lancer({QStringLiteral("-p"), QStringLiteral("Tavisk"), QStringLiteral("--nom"),
                        QStringLiteral("Vue"), QStringLiteral("-o"), Entree + QStringLiteral(".c"),
                        Entree},
                       Dossier.path());
            QVERIFY2(Resultat.Statut == 0, qPrintable(Resultat.Erreur));
        }
        const QByteArray Attendu = Lire(Chemin(QStringLiteral("vraie.png.c")));
        QVERIFY(Attendu.contains("Vue_C0"));
        QCOMPARE(Lire(Chemin(QStringLiteral("png.bmp.c"))), Attendu);
    }

    void Entree_Mauvaise_data()
    {
        QTest::addColumn<QString>("Nom");
        QTest::addColumn<QByteArray>("Contenu"); // empty: no file; "/": a folder
        QTest::addColumn<QString>("Raison");
        QTest::newRow("bitmap illisible")
            << "casse.bmp" << QByteArray("BM pas une image") << "données de l'image invalides";
        QTest::newRow("image de format inconnu")
            << "casse.png" << QByteArray("rien") << "format d'image non reconnu";
        QTest::newRow("bitmap absent") << "absent.bmp" << QByteArray() << "fichier introuvable";
        QTest::newRow("dossier") << "dossier.bmp" << QByteArray("/") << "c'est un dossier";
        QTest::newRow("sauvegarde tronquée")
            << "courte.cvl" << QByteArray::fromHex("0a000a0004000100") << "fichier tronqué";
        QTest::newRow("sauvegarde trop large")
            << "large.cvl" << QByteArray::fromHex("f100010004000000") << "largeur 241";
        QTest::newRow("sauvegarde absente") << "absente.cvl" << QByteArray() << "introuvable";
        QTest::newRow("source qui ne va pas à la taille")
            << "courte.h" << QByteArray("unsigned char S_C0[] = {0x01};")
            << "« S_C0 » a 1 nombre de 8 bits";
        QTest::newRow("source absente") << "absente.asm" << QByteArray() << "introuvable";
        QTest::newRow("image de calculatrice étrangère")
            << "calc.89g" << QByteArray("**TI83F*").leftJustified(80, '\0')
            << "Image de calculatrice refusée : ce n'est pas un fichier de variables de TI-89";
    }
    void Entree_Mauvaise()
    {
        QFETCH(QString, Nom);
        QFETCH(QByteArray, Contenu);
        QFETCH(QString, Raison);
        Ecrire_Source(QStringLiteral("bon1.bmp"));
        Ecrire_Source(QStringLiteral("bon2.png"), QSize(30, 20));
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("cli")));
        if (Contenu == "/")
            QVERIFY(QDir(Dossier.path()).mkpath(Nom));
        else if (!Contenu.isEmpty())
        {
            QFile Fichier(Chemin(Nom));
            QVERIFY(Fichier.open(QIODevice::WriteOnly));
            Fichier.write(Contenu);
        }
        const Issue Resultat = Lancer({QStringLiteral("-p"), QStringLiteral("Tavisk"),
                                       QStringLiteral("-o"), QStringLiteral("cli"),
                                       QStringLiteral("bon1.bmp"), Nom, QStringLiteral("bon2.png")},
                                      Dossier.path());
        QCOMPARE(Resultat.Statut, 1);
        QCOMPARE(Resultat.Erreur.count(QLatin1Char('\n')), 1);
        QVERIFY2(Resultat.Erreur.contains(Nom) && Resultat.Erreur.contains(Raison),
                 qPrintable(Resultat.Erreur));
        QCOMPARE(QDir(Chemin(QStringLiteral("cli"))).entryList(QDir::Files, QDir::Name),
                 QStringList({"bon1.c", "bon2.c"}));
        QDir(Chemin(Nom)).removeRecursively();
    }

    // A source keeps its levels; its name is the default of --nom, and its mask is saved
    // rather than the automatic one (which here would cover every grey cell).
    void Source_Relue_data()
    {
        QTest::addColumn<QStringList>("Options");
        QTest::addColumn<QString>("Nom");
        QTest::newRow("nom et mask de la source") << QStringList{"-n", "2"} << "Nef";
        QTest::newRow("--nom") << QStringList{"--nom", "Autre"} << "Autre";
    }
    void Source_Relue()
    {
        QFETCH(QStringList, Options);
        QFETCH(QString, Nom);
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("cli")));
        QFile Fichier(Chemin(QStringLiteral("entree.c")));
        QVERIFY(Fichier.open(QIODevice::WriteOnly));
        Fichier.write("#define Nef_HAUTEUR 2\n#define Nef_LARGEUR 3\n"
                      "unsigned char Nef_Entrelace_Mask[] = {0x7F,0xA0,0xE0, 0xDF,0x40,0x00};\n");
        Fichier.close();
        const Issue Resultat =
            Lancer(QStringList{"-p", "Tavisk", "-m", "Quenda", "-o", "cli", "entree.c"} + Options,
                   Dossier.path());
        QCOMPARE(Resultat.Erreur, QString());
        QCOMPARE(Resultat.Statut, 0);
        QCOMPARE(Lire(Chemin(QStringLiteral("cli/entree.c"))),
                 QStringLiteral("\r\n\r\nunsigned char %1_C0[] = {0xA0,0x40};\r\n\r\n"
                                "\r\n\r\nunsigned char %1_C1[] = {0xE0,0x00};\r\n\r\n")
                     .arg(Nom)
                     .toUtf8());
        QCOMPARE(Lire(Chemin(QStringLiteral("cli/Mask_entree.c"))),
                 QStringLiteral("unsigned char %1_Mask[] = {0x80,0x20};\r\n").arg(Nom).toUtf8());
    }

    // A picture-and-mask plug-in gets the mask read from the source, or else the automatic
    // one of --fond, white by default.
    void Image_Et_Mask_data()
    {
        QTest::addColumn<QByteArray>("Source");
        QTest::addColumn<QStringList>("Options");
        QTest::addColumn<QByteArray>("Donnees");
        const QByteArray Plans = "unsigned char Nef_C0[] = {0xA0,0x40};\n"
                                 "unsigned char Nef_C1[] = {0xE0,0x00};\n";
        const QStringList Taille{"--largeur", "3", "--hauteur", "2"};
        QTest::newRow("mask de la source")
            << QByteArray("#define Nef_HAUTEUR 2\n#define Nef_LARGEUR 3\nunsigned char "
                          "Nef_Entrelace_Mask[] = {0x7F,0xA0,0xE0, 0xDF,0x40,0x00};\n")
            << QStringList{"--fond", "noir"} << QByteArray("0x7F,0x80,0x80,\r\n\t0xDF,0x00,0x00");
        QTest::newRow("fond blanc par défaut")
            << Plans << Taille << QByteArray("0x1F,0xA0,0xE0,\r\n\t0xBF,0x40,0x00");
        QTest::newRow("fond noir") << Plans << Taille + QStringList{"--fond", "noir"}
                                   << QByteArray("0xBF,0x00,0x40,\r\n\t0x1F,0x40,0x00");
    }
    void Image_Et_Mask()
    {
        QFETCH(QByteArray, Source);
        QFETCH(QStringList, Options);
        QFETCH(QByteArray, Donnees);
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("cli")));
        QFile Fichier(Chemin(QStringLiteral("entree.c")));
        QVERIFY(Fichier.open(QIODevice::WriteOnly));
        Fichier.write(Source);
        Fichier.close();
        const Issue Resultat =
            Lancer(QStringList{"-p", "Ombrin", "-o", "cli", "entree.c"} + Options, Dossier.path());
        QCOMPARE(Resultat.Erreur, QString());
        QCOMPARE(Resultat.Statut, 0);
        QCOMPARE(Lire(Chemin(QStringLiteral("cli/entree.c"))),
                 "#define Nef_HAUTEUR 2\r\n#define Nef_LARGEUR 3\r\n\r\nunsigned char "
                 "Nef_Entrelace_Mask[] = {\r\n\t" +
                     Donnees + "\r\n};\r\n");
    }

    // A picture-and-mask save file is taken as it stands, and its mask is the one the mask and
    // the picture-and-mask plug-ins write.
    void Sauvegarde_Mask_Relue_data()
    {
        QTest::addColumn<QStringList>("Options");
        QTest::addColumn<QString>("Sortie");
        QTest::addColumn<QByteArray>("Attendu"); // empty: the input's bytes
        QTest::newRow("à l'identique")
            << QStringList{"-p", "Velmor", "-n", "8"} << "entree.cvm" << QByteArray();
        QTest::newRow("mask du fichier")
            << QStringList{"-p", "Tavisk", "-m", "Quenda", "-n", "2"} << "Mask_entree.c"
            << QByteArray("unsigned char entree_Mask[] = "
                          "{0x80,0x20};\r\n");
        QTest::newRow("image et mask")
            << QStringList{"-p", "Ombrin", "--fond", "noir"} << "entree.c"
            << QByteArray("#define entree_HAUTEUR 2\r\n#define "
                          "entree_LARGEUR 3\r\n\r\nunsigned char "
                          "entree_Entrelace_Mask[] = {\r\n\t0x7F,"
                          "0x80,0x80,\r\n\t0xDF,0x00,0x00\r\n};\r\n");
    }
    void Sauvegarde_Mask_Relue()
    {
        QFETCH(QStringList, Options);
        QFETCH(QString, Sortie);
        QFETCH(QByteArray, Attendu);
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("cli")));
        // 3 x 2, 4 levels: 3 2 3 / 0 1 0, covered at (0, 0) and (2, 1).
        const QByteArray Entree("\3\0\2\0\4\0"
                                "\3\0\2\0\3\0\0\0\1\0\0\0"
                                "\1\0\0\0\0\1",
                                24);
        QFile Fichier(Chemin(QStringLiteral("entree.cvm")));
        QVERIFY(Fichier.open(QIODevice::WriteOnly) && Fichier.write(Entree) == Entree.size());
        Fichier.close();
        const Issue Resultat =
            Lancer(QStringList{"-o", "cli", "entree.cvm"} + Options, Dossier.path());
        QCOMPARE(Resultat.Erreur, QString());
        QCOMPARE(Resultat.Statut, 0);
        QCOMPARE(Lire(Chemin(QStringLiteral("cli/") + Sortie)),
                 Attendu.isEmpty() ? Entree : Attendu);
    }

    void Sortie_Impossible_data()
    {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QString>("Raison");
        QTest::newRow("dossier absent")
            << QStringList{"-o", "absent/vue.c", "vue.bmp"} << "« absent/vue.c » avec Tavisk.so";
        QTest::newRow("disque plein") << QStringList{"-o", "plein.c", "vue.bmp"}
                                      << "« plein.c » avec Tavisk.so : Problème d'enregistrement.";
        // The plug-in's reason ends the message; for a sheet, the reason of the cell refused.
        const QString Raison_GenLib = QStringLiteral(
            "Impossible d'enregistrer « x.c » avec Pelkor.so : Problème d'enregistrement. Le Noir "
            "& Blanc n'est pas supporté, préférez le plug-in Sprite C pour ce type "
            "d'enregistrement.\n");
        QTest::newRow("refus motivé")
            << QStringList{"-p", "Pelkor", "-n", "2", "-o", "x.c", "vue.bmp"} << Raison_GenLib;
        QTest::newRow("refus motivé, compressé")
            << QStringList{"-p", "Pelkor", "-n", "2", "-z", "-o", "x.c", "vue.bmp"}
            << Raison_GenLib;
        QTest::newRow("refus motivé d'une planche")
            << QStringList{"-p", "Pelkor", "-n", "2", "--grille", "8x8", "-o", "x.c", "vue.bmp"}
            << Raison_GenLib;
        QTest::newRow("nom réservé de la calculatrice")
            << QStringList{"-p", "Sevrin", "-n", "2", "--nom", "regcoef", "-o", "x.9xg", "vue.bmp"}
            << "« x.9xg » avec Sevrin.so : Problème d'enregistrement. « regcoef » est le nom "
               "d'une variable système de la calculatrice : donnez un autre nom à l'image.";
        QTest::newRow("mask sur disque plein")
            << QStringList{"-o", "sprite.c", "-m", "Quenda", "vue.bmp"}
            << "« Mask_sprite.c » avec Quenda.so : Bug 3 !!!";
        QTest::newRow("la sortie remplacerait l'entrée")
            << QStringList{"-p", "Sauvegarde", "vue.cvl"} << "remplacerait le fichier d'entrée";
        QTest::newRow("deux entrées vers un fichier")
            << QStringList{"-o", ".", "vue.bmp", "vue.png"} << "même fichier de sortie « ./vue.c »";
        QTest::newRow("l'aperçu remplacerait la sortie")
            << QStringList{"-o", "sprite.c", "--apercu", "sprite.c", "vue.bmp"}
            << "l'aperçu « sprite.c » remplacerait la sortie";
        QTest::newRow("aperçu dans un dossier absent")
            << QStringList{"--apercu", "absent/vue.png", "vue.bmp"}
            << "« absent/vue.png » : aperçu impossible à écrire";
    }
    void Sortie_Impossible()
    {
        QFETCH(QStringList, Arguments);
        QFETCH(QString, Raison);
        Ecrire_Source(QStringLiteral("vue.bmp"));
        Ecrire_Source(QStringLiteral("vue.png"));
        QFile::link(QStringLiteral("/dev/full"), Chemin(QStringLiteral("plein.c")));
        QFile::link(QStringLiteral("/dev/full"), Chemin(QStringLiteral("Mask_sprite.c")));
        const QByteArray Sauvegarde = QByteArray::fromHex("0100010004000300");
        QFile Fichier(Chemin(QStringLiteral("vue.cvl")));
        QVERIFY(Fichier.open(QIODevice::WriteOnly) && Fichier.write(Sauvegarde) == 8);
        Fichier.close();

        const Issue Resultat = Lancer(QStringList{"-p", "Tavisk"} + Arguments, Dossier.path());
        QCOMPARE(Resultat.Statut, 1);
        QVERIFY2(Resultat.Erreur.contains(Raison), qPrintable(Resultat.Erreur));
        QCOMPARE(Lire(Chemin(QStringLiteral("vue.cvl"))), Sauvegarde);
        QVERIFY(!QFile::exists(Chemin(QStringLiteral("x.c"))));
        QVERIFY(!QFile::exists(Chemin(QStringLiteral("x.9xg"))));
        for (const char *Nom : {"plein.c", "Mask_sprite.c", "sprite.c", "vue.c"})
            QFile::remove(Chemin(QLatin1String(Nom)));
    }

    void Usage_data()
    {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QString>("Message");
        const QStringList P{"-p", "Tavisk"};
        QTest::newRow("rien") << QStringList() << "aucun fichier à convertir";
        QTest::newRow("option inconnue")
            << P + QStringList{"--vite", "a.bmp"} << "option inconnue « --vite »";
        QTest::newRow("valeur manquante") << QStringList{"a.bmp", "-p"} << "valeur manquante";
        QTest::newRow("valeur de trop")
            << P + QStringList{"--couper=oui", "a.bmp"} << "ne prend pas de valeur";
        QTest::newRow("sans plug-in") << QStringList{"a.bmp"} << "--plugin";
        QTest::newRow("plug-in inconnu")
            << QStringList{"-p", "Nul", "a.bmp"} << "plug-in d'image introuvable « Nul »";
        QTest::newRow("plug-in de mask pour l'image")
            << QStringList{"-p", "Mask (language C)", "a.bmp"} << "--mask-plugin";
        QTest::newRow("plug-in d'image pour le mask")
            << P + QStringList{"-m", "Tavisk", "a.bmp"} << "plug-in de mask introuvable";
        QTest::newRow("taille inconnue")
            << P + QStringList{"-t", "64x64", "a.bmp"} << "taille inconnue";
        QTest::newRow("largeur 241")
            << P + QStringList{"--largeur", "241", "--hauteur", "9", "a"} << "taille refusée";
        QTest::newRow("hauteur 0")
            << P + QStringList{"--largeur=9", "--hauteur=0", "a.bmp"} << "taille refusée";
        QTest::newRow("largeur seule")
            << P + QStringList{"--largeur", "9", "a.bmp"} << "vont ensemble";
        QTest::newRow("taille et largeur")
            << P + QStringList{"-t", "8x8", "--largeur", "9", "--hauteur", "9", "a.bmp"}
            << "s'excluent";
        QTest::newRow("3 niveaux") << P + QStringList{"-n", "3", "a.bmp"} << "niveaux refusé";
        QTest::newRow("lumière non numérique")
            << P + QStringList{"--lumiere", "+", "a.bmp"} << "--lumiere";
        QTest::newRow("fond sans mask")
            << P + QStringList{"--fond", "noir", "a.bmp"} << "--fond ne sert qu'avec --mask-plugin";
        QTest::newRow("fond inconnu")
            << P + QStringList{"-m", "Quenda", "-f", "4", "a.bmp"} << "fond inconnu";
        QTest::newRow("tâches 0") << P + QStringList{"-j", "0", "a.bmp"} << "tâches";
        QTest::newRow("plusieurs entrées vers un fichier")
            << P + QStringList{"-o", "x.c", "a.bmp", "b.bmp"} << "dossier existant";
        QTest::newRow("dossier de plug-ins absent")
            << P + QStringList{"-d", "nulle-part", "a.bmp"} << "« nulle-part »";
        QTest::newRow("liste et fichiers") << QStringList{"-L", "a.bmp"} << "ne prend pas";
        QTest::newRow("grille 0") << P + QStringList{"-g", "0x8", "a.bmp"} << "grille refusée";
        QTest::newRow("grille 241")
            << P + QStringList{"--grille", "241x8", "a.bmp"} << "grille refusée";
        QTest::newRow("grille coupée et taille")
            << P + QStringList{"-g", "8x8", "-c", "-t", "8x8", "a.bmp"} << "--couper";
        QTest::newRow("compresser une sauvegarde")
            << QStringList{"-p", "Sauvegarde", "--compresser", "a.bmp"}
            << "--compresser ne sert qu'avec un plug-in qui écrit du code source";
        QTest::newRow("vides sans grille")
            << P + QStringList{"--ignorer-vides", "a.bmp"} << "--ignorer-vides";
        QTest::newRow("échantillonnage inconnu")
            << P + QStringList{"--echantillonnage", "bilineaire", "a.bmp"}
            << "échantillonnage inconnu « bilineaire » (point ou moyenne)";
        QTest::newRow("teinte inconnue")
            << P + QStringList{"--teinte=Gris", "a.bmp"} << "teinte inconnue « Gris »";
        QTest::newRow("tramage inconnu")
            << P + QStringList{"--tramage", "ordonne-16", "a.bmp"}
            << "(aucun, floyd-steinberg, atkinson, ordonne-4 ou ordonne-8)";
        QTest::newRow("images et grille")
            << P + QStringList{"--images", "-g", "8x8", "a.gif"} << "--images et --grille";
        QTest::newRow("proportions coupées")
            << P + QStringList{"--proportions", "-c", "a.bmp"} << "--proportions ne sert";
        QTest::newRow("palette sans couleurs exactes")
            << P + QStringList{"--palette", "#FF0000=3", "a.bmp"} << "--palette ne sert";
        QTest::newRow("palette à un niveau de 8")
            << P + QStringList{"--teinte", "exacte", "--palette", "#FF0000=3,#00FF00=112", "a.bmp"}
            << "niveau 112 inconnu à 4 niveaux (0, 1, 2, 3)";
        QTest::newRow("palette mal formée")
            << P + QStringList{"--teinte", "exacte", "-n", "8", "--palette", "rouge=3", "a.bmp"}
            << "« rouge=3 » n'est pas de la forme #RRVVBB=N";
        QTest::newRow("zoom sans aperçu")
            << P + QStringList{"--zoom", "2", "a.bmp"} << "--zoom ne sert qu'avec --apercu";
        QTest::newRow("zoom 17") << P + QStringList{"--apercu", "a.png", "--zoom", "17", "a.bmp"}
                                 << "zoom refusé";
        QTest::newRow("aperçu des cases de la source")
            << P + QStringList{"-g", "8x8", "-c", "--apercu", "a.png", "a.bmp"} << "--apercu";
        QTest::newRow("carte 0x8")
            << P + QStringList{"--carte", "0x8", "a.bmp"} << "tuiles refusées";
        QTest::newRow("carte et grille")
            << P + QStringList{"--carte", "8x8", "-g", "8x8", "a.bmp"} << "s'excluent";
        QTest::newRow("carte et images")
            << P + QStringList{"--images", "--carte", "8x8", "a.gif"} << "--images et --carte";
        QTest::newRow("carte et proportions")
            << P + QStringList{"--carte", "8x8", "--proportions", "a.bmp"} << "--proportions";
        QTest::newRow("carte et taille")
            << P + QStringList{"--carte", "8x8", "--largeur", "8", "--hauteur", "8", "a.bmp"}
            << "avec --carte";
        QTest::newRow("carte et aperçu")
            << P + QStringList{"--carte", "8x8", "--apercu", "a.png", "a.bmp"} << "--apercu";
        QTest::newRow("carte sans code source")
            << QStringList{"-p", "Sauvegarde", "--carte", "8x8", "a.bmp"}
            << "« Sauvegarde » n'écrit pas de code source";
        QTest::newRow("carte, mask dans un autre langage")
            << P + QStringList{"-m", "Mervil", "--carte", "8x8", "a.bmp"}
            << "« Mervil » n'écrit pas dans le langage de « Tavisk »";
        QTest::newRow("plusieurs entrées vers un aperçu")
            << P + QStringList{"--apercu", "a.png", "a.bmp", "b.bmp"}
            << "--apercu doit être un dossier existant";
    }
    void Usage()
    {
        QFETCH(QStringList, Arguments);
        QFETCH(QString, Message);
        const QStringList Avant = QDir(Dossier.path()).entryList(QDir::Files);
        const Issue Resultat = Lancer(Arguments, Dossier.path());
        QCOMPARE(Resultat.Statut, 2);
        QVERIFY2(Resultat.Erreur.startsWith(QLatin1String("corvanel-convert: ")) &&
                     Resultat.Erreur.contains(Message) &&
                     Resultat.Erreur.contains(QLatin1String("--help")),
                 qPrintable(Resultat.Erreur));
        QCOMPARE(Resultat.Sortie, QString());
        QCOMPARE(QDir(Dossier.path()).entryList(QDir::Files), Avant);
    }

    void Aide_Version_Liste_data()
    {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QString>("Dossier_Courant"); // relative to the test folder
        QTest::addColumn<QStringList>("Lignes");      // empty: checked below by their start
        QTest::addColumn<QString>("Dossier_Liste");   // the folder a list names first
        const QString Ici = QFileInfo(Dossier.path()).canonicalFilePath(); // as getcwd gives it
        QTest::newRow("--version")
            << QStringList{"--version"} << "." << QStringList{"corvanel-convert 3.3"} << QString();
        QTest::newRow("--help") << QStringList{"--help"} << "." << QStringList() << QString();
        QTest::newRow("-h") << QStringList{"-h", "-p", "Nul"} << "." << QStringList() << QString();
        QTest::newRow("plug-ins du dossier courant")
            << QStringList{"-L"} << "." << Liste_Attendue << Ici + QStringLiteral("/Plugin");
        // The list asks each library its kind: a relative folder not called Plugin must load.
        QTest::newRow("plug-ins d'un dossier donné")
            << QStringList{"--lister-plugins", "--dossier-plugins=../autres"} << "vide"
            << Liste_Attendue << Ici + QStringLiteral("/autres");
        QTest::newRow("plug-ins à côté du programme")
            << QStringList{"-L"} << "vide" << Liste_Attendue
            << QFileInfo(Dossier_Build()).canonicalFilePath() + QStringLiteral("/Plugin");
    }
    void Aide_Version_Liste()
    {
        QFETCH(QStringList, Arguments);
        QFETCH(QString, Dossier_Courant);
        QFETCH(QStringList, Lignes);
        QFETCH(QString, Dossier_Liste);
        if (!Dossier_Liste.isEmpty())
            Lignes.prepend(QStringLiteral("Dossier des plug-ins : ") + Dossier_Liste);
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("vide")));
        QFile::link(Dossier_Build() + QStringLiteral("/Plugin"), Chemin(QStringLiteral("autres")));
        const Issue Resultat = Lancer(Arguments, Chemin(Dossier_Courant));
        QCOMPARE(Resultat.Statut, 0);
        QCOMPARE(Resultat.Erreur, QString());
        if (Lignes.isEmpty())
        {
            QVERIFY(Resultat.Sortie.startsWith(
                QLatin1String("Utilisation : corvanel-convert [OPTION]... FICHIER...\n")));
            for (const char *Option : {"--plugin=NOM", "--sortie=CHEMIN", "--taille=TAILLE",
                                       "--couper", "--lumiere=N", "--mask-plugin=NOM"})
                QVERIFY2(Resultat.Sortie.contains(QLatin1String(Option)), Option);
        }
        else
            QCOMPARE(Resultat.Sortie, Lignes.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }

    // Broken libraries beside Tavisk: a library named by its file is examined alone, a crash
    // or a hang costs its input only, and the list says what became of each.
    void Plugins_Casses_data()
    {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<int>("Statut");
        QTest::addColumn<QStringList>("Messages"); // found in the output or the errors
        QTest::addColumn<QStringList>("Ecrits");   // what cli/ holds afterwards
        QTest::addColumn<int>("Duree_Max");        // milliseconds
#if defined(__SANITIZE_ADDRESS__)
        const QString Plante = QStringLiteral("arrêté");
#else
        const QString Plante = QStringLiteral("planté");
#endif
        const QStringList Tout{"Bloque.c", "a.c", "a.gp"};
        QTest::newRow("bibliothèque seule")
            << QStringList{"-p", "Tavisk"} << 0 << QStringList() << Tout << 2000;
        QTest::newRow("par son fichier")
            << QStringList{"-p", "casses/Tavisk.so"} << 0 << QStringList() << Tout << 2000;
        QTest::newRow("par son nom affiché")
            << QStringList{"-p", "Sprite (language C)"} << 0 << QStringList() << Tout << 20000;
        QTest::newRow("enregistrement qui plante")
            << QStringList{"-p", "Essai_Go_Plante"} << 1
            << QStringList{"« cli/a.gp » avec Essai_Go_Plante.so : Problème d'enregistrement. (le "
                           "plug-in ",
                           Plante, "« cli/Bloque.gp »"}
            << QStringList{"a.gp"} << 20000;
        QTest::newRow("enregistrement qui ne finit pas")
            << QStringList{"-p", "Essai_Image", "--delai-plugin", "1"} << 1
            << QStringList{"« cli/Bloque.c » avec Essai_Image.so : Problème d'enregistrement. (le "
                           "plug-in n'a pas répondu en 1 s)"}
            << QStringList{"a.c", "a.gp"} << 20000;
        QTest::newRow("examen qui plante")
            << QStringList{"-p", "Essai_Nom_Plante"} << 1
            << QStringList{"« Essai_Nom_Plante » est inutilisable : le plug-in ", Plante}
            << QStringList{"a.gp"} << 20000;
        QTest::newRow("liste") << QStringList{"-L"} << 0
                               << QStringList{"Essai_Fonction_Abort.so\tarrêté\t-\tle plug-in "
                                              "s'est arrêté de lui-même",
                                              "Essai_Nom_Bloque.so\tsans réponse\t-\tle plug-in "
                                              "n'a pas répondu en 3 s",
                                              "Essai_Nom_Plante.so\t" + Plante,
                                              "Tavisk.so\timage\tc"}
                               << QStringList{"a.gp"} << 20000;
        QTest::newRow("délai refusé")
            << QStringList{"-p", "Tavisk", "--delai-plugin", "0"} << 2
            << QStringList{"délai refusé « 0 »"} << QStringList{"a.gp"} << 2000;
    }
    void Plugins_Casses()
    {
        QFETCH(QStringList, Arguments);
        QFETCH(int, Statut);
        QFETCH(QStringList, Messages);
        QFETCH(QStringList, Ecrits);
        QFETCH(int, Duree_Max);
        const QString Casses = Chemin(QStringLiteral("casses"));
        QVERIFY(QDir().mkpath(Casses));
        QVERIFY(QDir().mkpath(Chemin(QStringLiteral("cli"))));
        for (const char *Nom : {"Essai_Nom_Plante", "Essai_Fonction_Abort", "Essai_Nom_Bloque",
                                "Essai_Go_Plante", "Essai_Image"})
            QFile::copy(Dossier_Build() + QStringLiteral("/fixtures/") + QLatin1String(Nom) +
                            QStringLiteral(".so"),
                        Casses + QLatin1Char('/') + QLatin1String(Nom) + QStringLiteral(".so"));
        QFile::copy(Dossier_Build() + QStringLiteral("/Plugin/Tavisk.so"),
                    Casses + QStringLiteral("/Tavisk.so"));
        Ecrire_Source(QStringLiteral("a.bmp"), QSize(16, 16));
        Ecrire_Source(QStringLiteral("Bloque.bmp"), QSize(16, 16));
        // A file that a failed save must leave as it is.
        QFile Ancien(Chemin(QStringLiteral("cli/a.gp")));
        QVERIFY(Ancien.open(QIODevice::WriteOnly) && Ancien.write("ancien") == 6);
        Ancien.close();

        const QStringList Entrees = Arguments.contains(QStringLiteral("-L"))
                                        ? QStringList()
                                        : QStringList{"a.bmp", "Bloque.bmp"};
        QElapsedTimer Chrono;
        Chrono.start();
        const Issue Resultat =
            Lancer(QStringList{"-d", "casses", "-o", "cli"} + Arguments + Entrees, Dossier.path());
        QVERIFY2(Chrono.elapsed() < Duree_Max, qPrintable(QString::number(Chrono.elapsed())));
        QCOMPARE(Resultat.Statut, Statut);
        for (const QString &Message : Messages)
            QVERIFY2(Resultat.Sortie.contains(Message) || Resultat.Erreur.contains(Message),
                     qPrintable(Resultat.Sortie + Resultat.Erreur));
        QCOMPARE(
            QDir(Chemin(QStringLiteral("cli"))).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            Ecrits);
        QCOMPARE(Lire(Chemin(QStringLiteral("cli/a.gp"))), QByteArray("ancien"));
        QDir(Casses).removeRecursively();
    }

    // An 8000 x 6000 photo in 24 bits, as phones take them, converted in less than 1.3 times
    // the memory its decoded picture takes.
    void Grande_Photo()
    {
        constexpr int Largeur = 8000;
        constexpr int Hauteur = 6000;
        const QString Photo = Chemin(QStringLiteral("photo.bmp"));
        {
            QFile Fichier(Photo);
            QVERIFY(Fichier.open(QIODevice::WriteOnly));
            QByteArray Entete(54, '\0');
            const auto Mot = [&](int Position, quint32 Valeur)
            { qToLittleEndian(Valeur, Entete.data() + Position); };
            Entete[0] = 'B';
            Entete[1] = 'M';
            Mot(2, 54 + Largeur * 3 * Hauteur);
            Mot(10, 54);
            Mot(14, 40);
            Mot(18, Largeur);
            Mot(22, Hauteur);
            Mot(26, 1 | 24 << 16);
            QByteArray Ligne(Largeur * 3, '\0');
            for (int i = 0; i < Ligne.size(); ++i)
                Ligne[i] = char(i * 7);
            Fichier.write(Entete);
            for (int y = 0; y < Hauteur; ++y)
                QCOMPARE(Fichier.write(Ligne), Ligne.size());
        }
        const Issue Resultat =
            Lancer({"-p", "Tavisk", "-o", "photo.c", "photo.bmp"}, Dossier.path());
        QFile::remove(Photo);
        QCOMPARE(Resultat.Erreur, QString());
        QCOMPARE(Resultat.Statut, 0);
        QVERIFY(Lire(Chemin(QStringLiteral("photo.c"))).contains("photo_C0"));
#if !defined(__SANITIZE_ADDRESS__)
        // The largest of the children this test started so far: the converter of this photo.
        rusage Enfants{};
        getrusage(RUSAGE_CHILDREN, &Enfants);
        const double Decode_Ko = Largeur * Hauteur * 4 / 1024.0;
        QVERIFY2(
            Enfants.ru_maxrss < 1.3 * Decode_Ko,
            qPrintable(
                QStringLiteral("%1 Ko pour %2 Ko décodés").arg(Enfants.ru_maxrss).arg(Decode_Ko)));
#endif
    }

    // The picture name in the code and the file name, from names a C compiler would refuse.
    void Nom_Par_Defaut_data()
    {
        QTest::addColumn<QString>("Entree");
        QTest::addColumn<QStringList>("Option");
        QTest::addColumn<QString>("Fichier");
        QTest::addColumn<QString>("Nom");
        QTest::newRow("simple") << "vue.bmp" << QStringList() << "vue.c"
                                << "vue";
        QTest::newRow("chiffre, blanc, tiret") << "2 vues-ok.bmp" << QStringList() << "_2_vues_ok.c"
                                               << "_2_vues_ok";
        QTest::newRow("accents") << "été.bmp" << QStringList() << "_t_.c"
                                 << "_t_";
        QTest::newRow("deux points") << "a.b.bmp" << QStringList() << "a_b.c"
                                     << "a_b";
        QTest::newRow("--nom") << "vue.bmp" << QStringList{"--nom", "Vaisseau"} << "vue.c"
                               << "Vaisseau";
    }
    void Nom_Par_Defaut()
    {
        QFETCH(QString, Entree);
        QFETCH(QStringList, Option);
        QFETCH(QString, Fichier);
        QFETCH(QString, Nom);
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("cli")));
        Ecrire_Source(Entree, QSize(16, 16));
        const Issue Resultat =
            Lancer(QStringList{"-p", "Tavisk", "-o", "cli", Entree} + Option, Dossier.path());
        QCOMPARE(Resultat.Statut, 0);
        QCOMPARE(QDir(Chemin(QStringLiteral("cli"))).entryList(QDir::Files), QStringList{Fichier});
        QVERIFY(Lire(Chemin(QStringLiteral("cli/") + Fichier))
                    .contains(QStringLiteral("unsigned long %1_C0[]").arg(Nom).toUtf8()));
    }

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
        Ecrire_Source(QStringLiteral("p.bmp"), QSize(40, 20));
        const Issue Resultat =
            Lancer(QStringList{"-p", "Tavisk", "-o", "p.c", "p.bmp"} + Options, Dossier.path());
        QCOMPARE(Resultat.Statut, 0);
        QCOMPARE(Resultat.Sortie, Bilan);
        const QByteArray Texte = Lire(Chemin(QStringLiteral("p.c")));
        QVERIFY(Texte.contains(Derniere.toUtf8() + "[]"));
        QVERIFY(Texte.contains("void *p_Table_C0[]"));
    }

    // Exact colours with a palette: listed colours take their level, any other the level of
    // the listed colour nearest in RGB.
    void Palette()
    {
        QImage Source(4, 1, QImage::Format_RGB32);
        const QRgb Couleurs[] = {qRgb(255, 0, 0), qRgb(128, 0, 0), qRgb(255, 255, 255),
                                 qRgb(255, 200, 200)};
        for (int x = 0; x < 4; ++x)
            Source.setPixel(x, 0, Couleurs[x]);
        QVERIFY(Source.save(Chemin(QStringLiteral("palette.png"))));
        const Issue Resultat =
            Lancer({"-p", "Sauvegarde", "--largeur", "4", "--hauteur", "1", "--teinte", "exacte",
                    "--palette", "#ff0000=3, FFFFFF=0", "palette.png"},
                   Dossier.path());
        QCOMPARE(Resultat.Erreur, QString());
        Plan Lu{};
        QCOMPARE(Lire_Sauvegarde(Chemin(QStringLiteral("palette.cvl")), Lu).Etat, Etat_Lecture::Ok);
        const std::uint8_t Attendus[] = {3, 3, 0, 0};
        for (int x = 0; x < 4; ++x)
            QCOMPARE(Lu[Indice(x, 0)], Attendus[x]);
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
        Ouvrir(Chemin(QStringLiteral("anim.gif")), 3);
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
        Ouvrir(Chemin(QStringLiteral("anim.gif")), 3);
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
        Ouvrir(Chemin(QStringLiteral("cli/anim.c")), 4);
        QCOMPARE(FEcran->Plan_Image, Lire_Plan(Chemin(QStringLiteral("cli/anim_0.cvl"))));
        // A still picture has no frames to choose.
        Ecrire_Source(QStringLiteral("fixe.png"), QSize(8, 8));
        Ouvrir(Chemin(QStringLiteral("fixe.png")), 3);
        QVERIFY(!FMain->Numero_Image->isEnabled());
        QVERIFY(!FMain->Toutes_Images->isEnabled());
    }

    // A map in one file, mask included; read back by the converter and by the window, it
    // gives the same file again; a map larger than a picture is refused with its size.
    void Carte()
    {
        Ecrire_Source(QStringLiteral("p.bmp"), QSize(40, 20));
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

        Ouvrir(Chemin(QStringLiteral("p.c")), 4);
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

        Ecrire_Source(QStringLiteral("g.bmp"), QSize(300, 20));
        QCOMPARE(Lancer(Ombrin + QStringList{"g.c", "g.bmp"}, Dossier.path()).Statut, 0);
        const Issue Grande = Lancer({"-p", "Tavisk", "-o", "h.c", "g.c"}, Dossier.path());
        QCOMPARE(Grande.Statut, 1);
        QVERIFY2(Grande.Erreur.contains(
                     QLatin1String("carte de 38 x 3 tuiles de 8 x 8, soit 304 x 24 pixels")),
                 qPrintable(Grande.Erreur));
    }
};

QTEST_MAIN(Tst_Convert)
#include "tst_Convert.moc"
