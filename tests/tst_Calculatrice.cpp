// The calculator's own files: the PIC plug-ins' files read back through the link software's
// file library and through the program's reader, the names the calculator takes, and the
// reader on the fuzz target's seeds.
#include "Lecture_Calculatrice.h"
#include "Plugins_Essai.h"
#include "Tifiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Corvanel;

namespace
{
using Contenu_Lu = std::unique_ptr<FileContent, decltype(&tifiles_content_delete_regular)>;

Contenu_Lu Lire_Tifiles(const QString &Chemin)
{
    Contenu_Lu Contenu(tifiles_content_create_regular(CALC_TI89), &tifiles_content_delete_regular);
    if (tifiles_file_read_regular(QFile::encodeName(Chemin).constData(), Contenu.get()) != 0)
        Contenu.reset();
    return Contenu;
}

// A level as the calculator shows it: the 8-level half steps as a checkerboard.
int Niveau(const Essai::Plan_Plug &Plan, int Couleurs, int x, int y)
{
    const int Code = Plan[x * Plug::Lignes + y];
    return Couleurs == 8 && Code > 100 ? Code % 10 - ((x + y) % 2 == 0 ? 0 : 1) : Code;
}

// What the calculator stores for one plane: counts, size, rows packed from the left, tag.
QByteArray Pic_Attendue(const Essai::Plan_Plug &Plan, int Couleurs, int Plan_Pic, int Largeur,
                        int Hauteur)
{
    const int Octets = (Largeur + 7) / 8;
    const int Suite = 4 + Octets * Hauteur + 1;
    QByteArray Pic;
    for (const int Mot : {Suite, Hauteur, Largeur})
        Pic += char(Mot >> 8) + QByteArray(1, char(Mot & 0xFF));
    for (int y = 0; y < Hauteur; ++y)
        for (int i = 0; i < Octets; ++i)
        {
            int Octet = 0;
            for (int x = i * 8; x < i * 8 + 8; ++x)
            {
                const int N = x < Largeur ? Niveau(Plan, Couleurs, x, y) : 0;
                const bool Bit = Couleurs == 2   ? N == 1
                                 : Plan_Pic == 0 ? N == 1 || N == 3
                                                 : N == 2 || N == 3;
                Octet = Octet << 1 | Bit;
            }
            Pic += char(Octet);
        }
    return Pic + char(0xDF);
}

} // namespace

class Tst_Calculatrice : public QObject
{
    Q_OBJECT

    QTemporaryDir Dossier;

private slots:
    void initTestCase() { tifiles_library_init(); }
    void cleanupTestCase() { tifiles_library_exit(); }

    // Each size and level count, read back by the library (folder, names, type, content,
    // checksum) and by the program (the levels it saved).
    void Aller_Retour_data()
    {
        QTest::addColumn<QString>("Bibliotheque");
        QTest::addColumn<int>("Couleurs");
        QTest::addColumn<int>("Largeur");
        QTest::addColumn<int>("Hauteur");
        const int Tailles[][2] = {{1, 1}, {8, 8}, {9, 3}, {160, 100}, {240, 128}};
        for (const char *Bibliotheque : {"Lorvan", "Sevrin"})
            for (const int Couleurs : {2, 4, 8})
                for (const auto &T : Tailles)
                    QTest::addRow("%s, %d niveaux, %d x %d", Bibliotheque, Couleurs, T[0], T[1])
                        << Bibliotheque << Couleurs << T[0] << T[1];
    }
    void Aller_Retour()
    {
        QFETCH(QString, Bibliotheque);
        QFETCH(int, Couleurs);
        QFETCH(int, Largeur);
        QFETCH(int, Hauteur);
        const Essai::Plan_Plug Plan = Essai::Hasard(Couleurs, false, unsigned(Largeur + Couleurs));
        const QString Chemin =
            Dossier.filePath(QStringLiteral("image.") + (Bibliotheque == "Lorvan" ? "89g" : "9xg"));
        Essai::Plugin Plugin(Bibliotheque);
        QCOMPARE(Plugin.Sauver(QFile::encodeName(Chemin), "Image", Couleurs, Plan.data(), Hauteur,
                               Largeur),
                 1);

        const Contenu_Lu Contenu = Lire_Tifiles(Chemin);
        QVERIFY(Contenu);
        QCOMPARE(Contenu->model, Bibliotheque == "Lorvan" ? CALC_TI89 : CALC_TI92P);
        QCOMPARE(Contenu->checksum, Contenu->stored_checksum);
        const QStringList Noms =
            Couleurs == 2 ? QStringList{"image"} : QStringList{"imagel", "imaged"};
        QCOMPARE(int(Contenu->num_entries), Noms.size());
        for (int i = 0; i < Noms.size(); ++i)
        {
            const VarEntry &Variable = *Contenu->entries[i];
            QCOMPARE(QByteArray(Variable.folder), QByteArray("main"));
            QCOMPARE(QString::fromLatin1(Variable.name), Noms[i]);
            QCOMPARE(Variable.type, std::uint8_t(TI89_PIC));
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(Variable.data), int(Variable.size)),
                     Pic_Attendue(Plan, Couleurs, i, Largeur, Hauteur));
        }

        const Resultat_Calculatrice Lu = Lire_Fichier_Calculatrice(Chemin);
        QCOMPARE(Lu.Message, QString());
        QCOMPARE(Lu.Nom, QStringLiteral("image"));
        QCOMPARE(int(Lu.Nombre_Couleur), Couleurs == 2 ? 2 : 4);
        QCOMPARE(QSize(Lu.Largeur, Lu.Hauteur), QSize(Largeur, Hauteur));
        for (int x = 0; x < Largeur; ++x)
            for (int y = 0; y < Hauteur; ++y)
                if (Lu.Plan_Image[Indice(x, y)] != Niveau(Plan, Couleurs, x, y))
                    QFAIL(qPrintable(QStringLiteral("point %1, %2").arg(x).arg(y)));
    }

    // The names the calculator takes, and those it keeps for itself refused with a reason.
    void Noms_data()
    {
        QTest::addColumn<QByteArray>("Nom");
        QTest::addColumn<int>("Couleurs");
        QTest::addColumn<QStringList>("Variables"); // empty: refused
        QTest::addColumn<QByteArray>("Refus");
        const QStringList Aucune;
        QTest::newRow("minuscules, blancs et accents")
            << QByteArray("Ma Photo \xE9t\xE9!") << 4 << QStringList{"maphotol", "maphotod"}
            << QByteArray();
        QTest::newRow("coupé à 8")
            << QByteArray("Vaisseau_Geant") << 2 << QStringList{"vaisseau"} << QByteArray();
        QTest::newRow("coupé à 7 puis l et d")
            << QByteArray("Vaisseau_Geant") << 8 << QStringList{"vaisseal", "vaissead"}
            << QByteArray();
        QTest::newRow("rien de gardé")
            << QByteArray("\xE9\xE8 !") << 2 << QStringList{"pic"} << QByteArray();
        QTest::newRow("vide") << QByteArray() << 4 << QStringList{"picl", "picd"} << QByteArray();
        QTest::newRow("chiffre en tête")
            << QByteArray("3D ship") << 2 << QStringList{"p3dship"} << QByteArray();
        QTest::newRow("souligné en tête")
            << QByteArray("_x") << 4 << QStringList{"p_xl", "p_xd"} << QByteArray();
        QTest::newRow("y0 et y100 sont libres")
            << QByteArray("y100") << 2 << QStringList{"y100"} << QByteArray();
        QTest::newRow("xmin à 4 niveaux est libre")
            << QByteArray("xmin") << 4 << QStringList{"xminl", "xmind"} << QByteArray();
        QTest::newRow("xmin") << QByteArray("XMin") << 2 << Aucune << QByteArray("xmin");
        QTest::newRow("regcoef") << QByteArray("RegCoef") << 2 << Aucune << QByteArray("regcoef");
        QTest::newRow("xscl par le plan clair")
            << QByteArray("xsc") << 4 << Aucune << QByteArray("xscl");
        QTest::newRow("fonction y12") << QByteArray("Y12") << 2 << Aucune << QByteArray("y12");
    }
    void Noms()
    {
        QFETCH(QByteArray, Nom);
        QFETCH(int, Couleurs);
        QFETCH(QStringList, Variables);
        QFETCH(QByteArray, Refus);
        const Essai::Plan_Plug Plan = Essai::Hasard(Couleurs, false, 5);
        const QString Chemin = Dossier.filePath(QStringLiteral("nom.89g"));
        Essai::Plugin Plugin(QStringLiteral("Lorvan"));
        QCOMPARE(
            Plugin.Sauver(QFile::encodeName(Chemin), Nom.constData(), Couleurs, Plan.data(), 3, 9),
            Refus.isEmpty() ? 1 : 0);
        if (!Refus.isEmpty())
        {
            // The host shows this text as the reason and puts the file back.
            QFile Fichier(Chemin);
            QVERIFY(Fichier.open(QIODevice::ReadOnly));
            QCOMPARE(Fichier.readAll(), "\xAB " + Refus +
                                            " \xBB est le nom d'une variable syst\xE8me de la "
                                            "calculatrice : donnez un autre nom \xE0 l'image.");
            return;
        }
        const Contenu_Lu Contenu = Lire_Tifiles(Chemin);
        QVERIFY(Contenu);
        QStringList Lus;
        for (unsigned i = 0; i < Contenu->num_entries; ++i)
            Lus << QString::fromLatin1(Contenu->entries[i]->name);
        QCOMPARE(Lus, Variables);
    }

    // The fuzz target's seeds: sound files open (which PIC variables make the picture), broken
    // ones are refused with what was found.
    void Graines_data()
    {
        QTest::addColumn<QString>("Graine");
        QTest::addColumn<QString>("Attendu"); // the picture's name, or part of the refusal
        QTest::addColumn<int>("Couleurs");    // 0: refused
        QTest::newRow("TI-89, une paire") << "valide_89_4_niveaux"
                                          << "x" << 4;
        QTest::newRow("paire de tailles différentes: la première") << "valide_tailles_differentes"
                                                                   << "xl" << 2;
        QTest::newRow("TI-92 Plus, une variable") << "valide_92p_noir_et_blanc"
                                                  << "sprite" << 2;
        // al and ad are in two folders; bl and bd, after a string, are the pair.
        QTest::newRow("dossiers et autres variables") << "valide_dossiers"
                                                      << "b" << 4;
        QTest::newRow("signature") << "refus_signature"
                                   << "il commence par « **TI83F* »" << 0;
        QTest::newRow("en-tête") << "refus_entete"
                                 << "fichier tronqué (40 octets, l'en-tête en demande 60)" << 0;
        QTest::newRow("table") << "refus_table"
                               << "la table de ses 200 variables en demande 3260" << 0;
        QTest::newRow("sans PIC") << "refus_sans_pic"
                                  << "ce fichier de TI-89 ne contient aucune variable PIC (2" << 0;
        QTest::newRow("trop large") << "refus_trop_large"
                                    << "« xl » fait 241 x 3 points" << 0;
        QTest::newRow("vide") << "refus_vide"
                              << "« xl » fait 0 x 3 points" << 0;
        QTest::newRow("lignes manquantes")
            << "refus_lignes"
            << "« xl » annonce 5 lignes de 9 points mais n'en contient que 3" << 0;
        QTest::newRow("somme de contrôle")
            << "refus_somme"
            << "somme de contrôle fausse pour la variable PIC « xl » (0x" << 0;
        QTest::newRow("tronqué") << "refus_tronque"
                                 << "la variable PIC « xd » demande 11 octets, le fichier "
                                    "s'arrête 3 octets plus tôt"
                                 << 0;
        QTest::newRow("hors du fichier")
            << "refus_decalage"
            << "« xd » commence à l'octet 4294967280, après la fin" << 0;
        QTest::newRow("sans taille") << "refus_compte"
                                     << "« xl » n'a que 2 octets" << 0;
    }
    void Graines()
    {
        QFETCH(QString, Graine);
        QFETCH(QString, Attendu);
        QFETCH(int, Couleurs);
        const Resultat_Calculatrice Lu =
            Lire_Fichier_Calculatrice(qEnvironmentVariable("CORVANEL_SOURCE_DIR") +
                                      QStringLiteral("/fuzz/corpus/fuzz_calculatrice/") + Graine);
        if (Couleurs != 0)
        {
            QCOMPARE(Lu.Message, QString());
            QCOMPARE(Lu.Nom, Attendu);
            QCOMPARE(int(Lu.Nombre_Couleur), Couleurs);
            return;
        }
        QCOMPARE(Lu.Etat, Etat_Calculatrice::Refuse);
        QVERIFY2(Lu.Message.startsWith(QStringLiteral("Image de calculatrice refusée : ")) &&
                     Lu.Message.contains(Attendu),
                 qPrintable(Lu.Message));
        for (const std::uint8_t Code : Lu.Plan_Image)
            QCOMPARE(Code, std::uint8_t(0));
    }
};

QTEST_GUILESS_MAIN(Tst_Calculatrice)
#include "tst_Calculatrice.moc"
