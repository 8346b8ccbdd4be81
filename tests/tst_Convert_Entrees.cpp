// What corvanel-convert reads and the names it gives: pictures by their content, sources and
// save files taken as they stand, a palette, a large photo, the default picture name.
#include "Convert_Essai.h"
#include "Lecture_Sauvegarde.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/resource.h>

using namespace Corvanel;
using namespace Essai;

class Tst_Convert_Entrees : public QObject
{
    Q_OBJECT

    QTemporaryDir Dossier;

    QString Chemin(const QString &Nom) const { return Dossier.filePath(Nom); }

private slots:
    void init() { Installer(Dossier); }
    void cleanup() { QDir(Chemin(QStringLiteral("cli"))).removeRecursively(); }

    // A picture is read by its content whatever its name: a PNG named .bmp is the PNG.
    void Contenu_Avant_Le_Nom()
    {
        Ecrire_Source(Dossier, QStringLiteral("vraie.png"));
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
        Ecrire_Source(Dossier, Entree, QSize(16, 16));
        const Issue Resultat =
            Lancer(QStringList{"-p", "Tavisk", "-o", "cli", Entree} + Option, Dossier.path());
        QCOMPARE(Resultat.Statut, 0);
        QCOMPARE(QDir(Chemin(QStringLiteral("cli"))).entryList(QDir::Files), QStringList{Fichier});
        QVERIFY(Lire(Chemin(QStringLiteral("cli/") + Fichier))
                    .contains(QStringLiteral("unsigned long %1_C0[]").arg(Nom).toUtf8()));
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
};

QTEST_MAIN(Tst_Convert_Entrees)
#include "tst_Convert_Entrees.moc"
