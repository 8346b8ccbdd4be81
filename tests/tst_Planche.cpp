// Sprite sheets through the real plug-ins: every cell's bytes are those of a save of that
// cell alone, empty cells and leftover strips are left out, and the tables build.
#include "Decoupage.h"
#include "Outils_Essai.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Corvanel;
using Essai::Construire_68000;
using Essai::Lire;

namespace
{
// 40 x 20 in 16 x 16 cells: two whole cells, the right strip (8) and the bottom one (4) left
// out. Cell 0 holds every level and a covered corner; cell 1 is white and uncovered.
Document_Image Planche_Essai(std::uint8_t Nombre)
{
    Document_Image Document;
    Document.Choisir_Nombre(Nombre, false);
    Document.Largeur_Image = 40;
    Document.Hauteur_Image = 20;
    const std::uint8_t Codes[] = {0, 1, 2, 3};
    for (int X = 0; X < 40; ++X)
        for (int Y = 0; Y < 20; ++Y)
            if (X < 16 || X >= 32 || Y >= 16)
                Document.Plan_Image[Indice(X, Y)] = Codes[(X * 3 + Y) % (Nombre == 2 ? 2 : 4)];
    Document.Plan_Mask[Indice(2, 3)] = 1;
    return Document;
}

} // namespace

class Tst_Planche : public QObject
{
    Q_OBJECT

private slots:
    void Formats_data();
    void Formats();
    void Fichier_Par_Case();
    void Source_Decoupee_data();
    void Source_Decoupee();
    void Lot_Echoue_data();
    void Lot_Echoue();
};

void Tst_Planche::Formats_data()
{
    QTest::addColumn<QString>("Plugin");
    QTest::addColumn<QString>("Extention");
    QTest::addColumn<int>("Fonction"); // the library's kind
    QTest::addColumn<int>("Nombre");
    QTest::addColumn<QStringList>("Tables");
    // Row 3 of the AND mask of cell 0, where column 2 is covered: the mask went with the cell.
    QTest::addColumn<QByteArray>("Mask_ET");
    const QStringList Plans{"Planche_Table_C0", "Planche_Table_C1"};
    QTest::newRow("Sprite C") << "Tavisk"
                              << "c" << 1 << 4 << Plans << QByteArray();
    QTest::newRow("Sprite C, 2 niveaux")
        << "Tavisk"
        << "c" << 1 << 2 << QStringList{"Planche_Table_C0"} << QByteArray();
    QTest::newRow("GenLib C") << "Pelkor"
                              << "c" << 1 << 4 << QStringList{"Planche_Table"} << QByteArray();
    QTest::newRow("Sprite ASM") << "Roskel"
                                << "asm" << 1 << 4 << Plans << QByteArray();
    QTest::newRow("Mask C") << "Quenda"
                            << "c" << 4 << 4 << QStringList{"Planche_Table_Mask"} << QByteArray();
    QTest::newRow("Mask ASM") << "Mervil"
                              << "asm" << 4 << 4 << QStringList{"Mask_Planche_Table"}
                              << QByteArray();
    QTest::newRow("Sprite entrelacé ASM")
        << "Talvek"
        << "asm" << 1 << 4 << QStringList{"Planche_Table_Entrelace"} << QByteArray();
    QTest::newRow("Sprite + mask C")
        << "Ombrin"
        << "c" << 3 << 4 << QStringList{"Planche_Table_Entrelace_Mask"} << QByteArray("0xDFFF,");
    QTest::newRow("Sprite + mask ASM, 2 niveaux")
        << "Garsel"
        << "asm" << 3 << 2 << QStringList{"Planche_Table_Entrelace_Mask"} << QByteArray("$DFFF,");
    QTest::newRow("Mask ET C") << "Pirnel"
                               << "c" << 4 << 4 << QStringList{"Planche_Table_Mask_ET"}
                               << QByteArray("0xDFFF,");
    QTest::newRow("Mask ET ASM") << "Sudrak"
                                 << "asm" << 4 << 4 << QStringList{"Planche_Table_Mask_ET"}
                                 << QByteArray("$DFFF\r\n");
}

void Tst_Planche::Formats()
{
    QFETCH(QString, Plugin);
    QFETCH(QString, Extention);
    QFETCH(int, Fonction);
    QFETCH(int, Nombre);
    QFETCH(QStringList, Tables);
    QFETCH(QByteArray, Mask_ET);
    QTemporaryDir Dossier;
    const Plug_Info Slot{Essai::Plugin_Livre(Plugin).toStdString(), Plugin.toStdString(),
                         Extention.toStdString(), static_cast<std::uint8_t>(Fonction)};
    const bool Mask = Fonction == 4;
    const Genre_Enregistrement Genre =
        Mask ? Genre_Enregistrement::Mask : Genre_Enregistrement::Image;
    const Document_Image Document = Planche_Essai(static_cast<std::uint8_t>(Nombre));
    const QString Chemin = Dossier.filePath("planche." + Extention);
    const Resultat_Planche Planche = Enregistrer_Planche(
        Document, Grille_Sprites{16, 16, true}, Slot, Genre, Chemin, QStringLiteral("Planche"));
    QVERIFY(Planche.Enregistrement.Reussi());
    QCOMPARE(Planche.Ecrits, 1);
    QCOMPARE(Planche.Ignores, 1);
    QCOMPARE(Titre_Planche(Planche), QStringLiteral("1 sprite(s) enregistré(s), 1 ignoré(s)"));

    // The one written cell, saved on its own under its cell name, opens the sheet.
    const Document_Image Case = Extraire_Case(Document, {0, 0, 0}, Grille_Sprites{16, 16});
    const QString Seule = Dossier.filePath("seule." + Extention);
    QVERIFY((Mask ? Case.Enregistrer_Mask(Slot, Seule, "Planche_0")
                  : Case.Enregistrer_Image(Slot, Seule, "Planche_0"))
                .Reussi());
    const QByteArray Texte = Lire(Chemin);
    QVERIFY(Texte.startsWith(Lire(Seule)));
    QVERIFY2(Texte.contains(Mask_ET), Texte.constData());
    const QByteArray Suite = Texte.mid(Lire(Seule).size());
    for (const QString &Table : Tables)
    {
        QVERIFY2(Suite.contains(Table.toLatin1()), qPrintable(Table));
        QVERIFY(Suite.contains(Extention == "c" ? ",0}" : ",0\r\n"));
    }
    QVERIFY(!Texte.contains("Planche_1"));
    QVERIFY(!Texte.contains("Planche_2"));
    // The count of the tables' entries, skipped cells included, closes the sheet.
    QVERIFY2(Texte.endsWith(Extention == "c" ? "#define Planche_NOMBRE 2\r\n"
                                             : "\r\nPlanche_NOMBRE\tequ\t2\r\n"),
             Texte.right(60).constData());
    QVERIFY2(Construire_68000(Chemin, Extention == "asm"), Texte.constData());
}

// A format that is not source text: one file per written cell, numbered as the cells.
void Tst_Planche::Fichier_Par_Case()
{
    QTemporaryDir Dossier;
    const Plug_Info Slot{Essai::Plugin_Livre("Sauvegarde").toStdString(), "Sauvegarde", "cvl"};
    const Resultat_Planche Planche =
        Enregistrer_Planche(Planche_Essai(4), Grille_Sprites{16, 16, true}, Slot,
                            Genre_Enregistrement::Image, Dossier.filePath("p.cvl"), "p");
    QVERIFY(Planche.Enregistrement.Reussi());
    QCOMPARE(QDir(Dossier.path()).entryList(QDir::Files), QStringList{"p_0.cvl"});
    QCOMPARE(Lire(Dossier.filePath("p_0.cvl")).size(), 6 + 2 * 16 * 16);
}

// The source cut into more cells than one picture holds side by side: each cell, converted with
// its row's neighbours, has the bytes of the cell converted and saved alone, also where a
// point's level depends on the other colours of its picture.
void Tst_Planche::Source_Decoupee_data()
{
    QTest::addColumn<int>("Teinte");
    QTest::newRow("valeur de couleur") << int(Mode_Teinte::Valeur_Couleur);
    QTest::newRow("couleurs exactes") << int(Mode_Teinte::Couleurs_Exactes);
}

void Tst_Planche::Source_Decoupee()
{
    QFETCH(int, Teinte);
    QImage Source(8 * 33 + 5, 8 * 2 + 3, QImage::Format_RGB32);
    for (int X = 0; X < Source.width(); ++X)
        for (int Y = 0; Y < Source.height(); ++Y)
            Source.setPixel(X, Y, qRgb((X * 37) % 256, (X * 5) % 256, (X * 13 + Y * 29) % 256));
    Document_Image Document;
    Document.Choisir_Nombre(4, false);
    Document.Conversion.Adapter = false;
    Document.Conversion.Teinte = static_cast<Mode_Teinte>(Teinte);
    Document.Prendre_Source(Source, 160, 100);
    const Grille_Sprites Grille{8, 8};
    const Plug_Info Slot{Essai::Plugin_Livre("Tavisk").toStdString(), "Tavisk", "c"};
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.filePath("source.c");
    const Resultat_Planche Planche = Enregistrer_Planche_Source(
        Document, Grille, std::uint8_t{0}, Slot, Genre_Enregistrement::Image, Chemin, "S");
    QVERIFY(Planche.Enregistrement.Reussi());
    QCOMPARE(Planche.Ecrits, 66);
    QByteArray Attendu;
    const std::vector<Case_Sprite> Cases = Cases_Grille(Source.width(), Source.height(), Grille);
    for (const Case_Sprite &Case : Cases)
    {
        Document_Image Seule = Convertir_Case_Source(Document, Case, Grille);
        Seule.Creer_Mask_Auto(0);
        const QString Chemin_Seule = Dossier.filePath("seule.c");
        QVERIFY(Seule.Enregistrer_Image(Slot, Chemin_Seule, Nom_Case("S", Case.Indice)).Reussi());
        Attendu += Lire(Chemin_Seule);
    }
    QVERIFY(Lire(Chemin).startsWith(Attendu));
}

// A lot the plug-in refuses or never finishes fails the sheet and leaves the file that was
// there, and nothing else.
void Tst_Planche::Lot_Echoue_data()
{
    QTest::addColumn<QString>("Nom");
    QTest::addColumn<QByteArray>("Resultat");
    QTest::addColumn<int>("Echec");
    QTest::newRow("refus") << "Planche" << QByteArray("0")
                           << static_cast<int>(Echec_Enregistrement::Refus);
    QTest::newRow("sans reponse") << "Bloque" << QByteArray("1")
                                  << static_cast<int>(Echec_Enregistrement::Delai);
}

void Tst_Planche::Lot_Echoue()
{
    QFETCH(QString, Nom);
    QFETCH(QByteArray, Resultat);
    QFETCH(int, Echec);
    qputenv("CORVANEL_ESSAI_RESULTAT", Resultat);
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.filePath("p.c");
    {
        QFile Ancien(Chemin);
        QVERIFY(Ancien.open(QIODevice::WriteOnly));
        Ancien.write("ancien");
    }
    const Plug_Info Slot{Essai::Fixture("Essai_Image").toStdString(), "Image", "c"};
    Options_Appel Options;
    Options.Delai = std::chrono::milliseconds(50);
    const Resultat_Planche Planche =
        Enregistrer_Planche(Planche_Essai(4), Grille_Sprites{8, 8}, Slot,
                            Genre_Enregistrement::Image, Chemin, Nom, Options);
    qunsetenv("CORVANEL_ESSAI_RESULTAT");
    QCOMPARE(static_cast<int>(Planche.Enregistrement.Echec), Echec);
    QCOMPARE(Planche.Enregistrement.Chemin, Chemin);
    QCOMPARE(Lire(Chemin), QByteArray("ancien"));
    QCOMPARE(QDir(Dossier.path()).entryList(QDir::Files), QStringList{"p.c"});
}

QTEST_GUILESS_MAIN(Tst_Planche)
#include "tst_Planche.moc"
