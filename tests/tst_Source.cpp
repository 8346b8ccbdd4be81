// Sprite source read back: every text the shipped plug-ins write gives the picture again, and
// hostile text is refused with a message.
#include "Lecture_Source.h"
#include "Plugins_Essai.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace Corvanel;

namespace
{
struct Format
{
    const char *Bibliotheque;
    const char *Extension;
    bool Image;  // writes the picture
    bool Mask;   // writes the mask
    bool Taille; // writes the size beside the data
    bool Refuse_2 = false;
};

const Format Formats[] = {
    {"Tavisk", "c", true, false, false},   {"Pelkor", "c", true, false, false, true},
    {"Roskel", "asm", true, false, false}, {"Quenda", "c", false, true, false},
    {"Mervil", "asm", false, true, false}, {"Talvek", "asm", true, false, true},
    {"Ombrin", "c", true, true, true},     {"Garsel", "asm", true, true, true},
    {"Pirnel", "c", false, true, true},    {"Sudrak", "asm", false, true, true},
};

// The code the checkerboard rule of the exports gives a half step.
std::uint8_t Code_Ecrit(std::uint8_t Code, int x, int y)
{
    const bool Haut = (x + y) % 2 == 0;
    switch (Code)
    {
    case Code::Demi_01:
        return Haut ? 1 : 0;
    case Code::Demi_12:
        return Haut ? 2 : 1;
    case Code::Demi_23:
        return Haut ? 3 : 2;
    default:
        return Code;
    }
}

// The first cell where two planes differ, inside or outside the picture, or empty.
QString Difference(const Plan &Lu, const Plan &Attendu)
{
    for (int x = 0; x < Colonnes_Plan; ++x)
        for (int y = 0; y < Lignes_Plan; ++y)
            if (Lu[Indice(x, y)] != Attendu[Indice(x, y)])
                return QStringLiteral("(%1, %2) : lu %3, attendu %4")
                    .arg(x)
                    .arg(y)
                    .arg(Lu[Indice(x, y)])
                    .arg(Attendu[Indice(x, y)]);
    return {};
}
} // namespace

class Tst_Source : public QObject
{
    Q_OBJECT

    QTemporaryDir Dossier;

private slots:
    void Aller_Retour_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("couleurs");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        const int Tailles[][2] = {{1, 1}, {8, 8}, {9, 3}, {17, 5}, {33, 2}, {240, 128}};
        for (int f = 0; f < int(std::size(Formats)); ++f)
            for (const int Couleurs : {2, 4, 8})
            {
                // A mask does not depend on the level count; GenLib refuses black and white.
                if ((!Formats[f].Image && Couleurs != 4) || (Formats[f].Refuse_2 && Couleurs == 2))
                    continue;
                for (const auto &[Largeur, Hauteur] : Tailles)
                    QTest::addRow("%s %d niveaux %d x %d", Formats[f].Bibliotheque, Couleurs,
                                  Largeur, Hauteur)
                        << f << Couleurs << Largeur << Hauteur;
            }
    }
    // Written by the library, read back: the same size, name and codes, and the mask.
    void Aller_Retour()
    {
        QFETCH(int, format);
        QFETCH(int, couleurs);
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        const Format &F = Formats[format];
        const Plan Image = Essai::Hasard(couleurs, false, unsigned(largeur * 131 + couleurs));
        const Plan Mask = Essai::Hasard(couleurs, true, unsigned(hauteur * 17 + format));
        const QString Chemin = Dossier.filePath(QStringLiteral("sprite.") + F.Extension);
        Essai::Plugin Plugin(QString::fromLatin1(F.Bibliotheque));
        QCOMPARE(Plugin.Sauver(QFile::encodeName(Chemin), "Vaisseau_2", couleurs,
                               (F.Image ? Image : Mask).data(), hauteur, largeur, Mask.data()),
                 1);

        // Where the file carries its size, the size fields must not matter.
        const Resultat_Source Lu = F.Taille ? Lire_Fichier_Source(Chemin, 0, 0)
                                            : Lire_Fichier_Source(Chemin, largeur, hauteur);
        QCOMPARE(Lu.Message, QString());
        QCOMPARE(Lu.Etat, Etat_Source::Ok);
        QCOMPARE(Lu.Nom, QStringLiteral("Vaisseau_2"));
        QCOMPARE(int(Lu.Largeur), largeur);
        QCOMPARE(int(Lu.Hauteur), hauteur);
        Plan Image_Attendue{};
        Plan Mask_Attendu{};
        for (int x = 0; x < largeur; ++x)
            for (int y = 0; y < hauteur; ++y)
            {
                // Beside the mask, the background reads as level 0.
                if (F.Image && (!F.Mask || Mask[Indice(x, y)] == 1))
                    Image_Attendue[Indice(x, y)] = Code_Ecrit(Image[Indice(x, y)], x, y);
                if (F.Mask)
                    Mask_Attendu[Indice(x, y)] = Mask[Indice(x, y)] == 1;
            }
        QCOMPARE(int(Lu.Nombre_Couleur), !F.Image ? 0 : couleurs == 2 ? 2 : 4);
        QCOMPARE(Difference(Lu.Plan_Image, Image_Attendue), QString());
        QCOMPARE(Lu.Mask_Trouve, F.Mask);
        QCOMPARE(Difference(Lu.Plan_Mask, Mask_Attendu), QString());
    }

    void Refus_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<QString>("message");
        const QByteArray Tete = "unsigned char S_C0[] = {";
        QTest::newRow("tableau sans fin") << Tete + QByteArray("0x00,").repeated(100000) + "0};"
                                          << "« S_C0 » : plus de 92160 nombres";
        QTest::newRow("nombre trop grand") << Tete + "0x100,0x00};"
                                           << "« 0x100 » plus grand que 8 bits";
        QTest::newRow("accolade manquante") << Tete + "0x01,0x02"
                                            << "accolade fermante manquante";
        QTest::newRow("accolade manquante, puis du code")
            << Tete + "0x01,0x02;\nint x[] = {1};"
            << "« S_C0 » : accolade fermante manquante";
        QTest::newRow("trop peu de nombres")
            << Tete + "0x01};"
            << "« S_C0 » a 1 nombre de 8 bits, il en faut 2 pour 8 x 2 "
               "(taille choisie)";
        QTest::newRow("taille des constantes")
            << QByteArray("S_LARGEUR equ 16\nS_HAUTEUR equ 1\n\teven\nS_Entrelace\n\tdc.b $01\n")
            << "« S_Entrelace » a 1 nombre de 8 bits, il en faut 4 ou 2 pour 16 x 1 (S_LARGEUR, "
               "S_HAUTEUR)";
        QTest::newRow("largeur hors limites")
            << QByteArray("#define S_LARGEUR 300\n") + Tete + "0};"
            << "largeur 300 hors de 1 à 240 (S_LARGEUR)";
        QTest::newRow("nombre illisible en assembleur")
            << QByteArray("S_C0\n\tdc.b 12,\"ab\"\n") << "nombre illisible « \"ab\" »";
        QTest::newRow("sept mille tableaux vides")
            << QByteArray("unsigned char a[]={};").repeated(7000) << "plus de 4096 tableaux";
        QByteArray Binaire;
        for (int i = 0; i < 4096; ++i)
            Binaire += char(i * 7 % 256);
        QTest::newRow("binaire") << Binaire << "aucun tableau de sprite";
        QTest::newRow("refus de GenLib")
            << QByteArray("Le Noir & Blanc n'est pas support\xE9, pr\xE9"
                          "f\xE9rez le plug-in Sprite C pour ce type d'enregistrement.")
            << "aucun tableau de sprite";
        const QByteArray Carte = "#define N_TUILE_LARGEUR 8\n#define N_TUILE_HAUTEUR 1\n"
                                 "#define N_NOMBRE 2\n#define N_CARTE_LARGEUR 2\n"
                                 "#define N_CARTE_HAUTEUR 1\n";
        QTest::newRow("carte, tuile absente")
            << Carte + "unsigned char N_Tuiles_C0[] = {1,2};\nunsigned char N_Carte[] = {0,2};"
            << "« N_Carte » place la tuile 2, il n'y en a que 2";
        QTest::newRow("carte, tuiles inégales")
            << Carte + "unsigned char N_Tuiles_C0[] = {1,2,3};\nunsigned char N_Carte[] = {0,1};"
            << "« N_Tuiles_C0 » a 3 nombre(s), pas autant pour chacune des 2 tuiles";
        QTest::newRow("trop long")
            << QByteArray(int(Taille_Max_Source) + 1, ' ') << "plus de 4194304 octets";
    }
    void Refus()
    {
        QFETCH(QByteArray, texte);
        QFETCH(QString, message);
        const Resultat_Source Lu = Lire_Source_Sprite(texte, 8, 2);
        QCOMPARE(Lu.Etat, Etat_Source::Refuse);
        QVERIFY2(Lu.Message.startsWith(QStringLiteral("Source de sprite refusée : ")) &&
                     Lu.Message.contains(message),
                 qPrintable(Lu.Message));
    }

    // Source written by hand: comments, other declarations, decimal numbers, a type with
    // qualifiers, a size in parentheses, and the mask of the same sprite further down.
    void Source_A_La_Main()
    {
        const QByteArray Texte = "/* Vaisseau[] = {1}; */\n"
                                 "#define Nef_LARGEUR (3)\n"
                                 "#define Nef_HAUTEUR 2u\n"
                                 "static const char *titre = \"x[] = {\";\n"
                                 "static const unsigned char Nef_C0[2] = { 160, // a b\n"
                                 "  0b01000000 };\n"
                                 "unsigned char Nef_C1[] = {0xE0,0x00,};\n"
                                 "unsigned char Autre_Mask[] = {0xFF};\n"
                                 "unsigned char Nef_Mask[] = {0x80,0x20};\n";
        const Resultat_Source Lu = Lire_Source_Sprite(Texte, 100, 100);
        QCOMPARE(Lu.Message, QString());
        QCOMPARE(Lu.Nom, QStringLiteral("Nef"));
        QCOMPARE(int(Lu.Largeur), 3);
        QCOMPARE(int(Lu.Hauteur), 2);
        QCOMPARE(int(Lu.Nombre_Couleur), 4);
        // Plane 0 1 0 1 / 0 1 0, plane 1 1 1 1 / 0 0 0.
        const int Codes[2][3] = {{3, 2, 3}, {0, 1, 0}};
        const int Mask[2][3] = {{1, 0, 0}, {0, 0, 1}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
            {
                QCOMPARE(int(Lu.Plan_Image[Indice(x, y)]), Codes[y][x]);
                QCOMPARE(int(Lu.Plan_Mask[Indice(x, y)]), Mask[y][x]);
            }
    }

    void Fichiers_Refuses()
    {
        const QString Tube = Dossier.filePath(QStringLiteral("tube.c"));
        QCOMPARE(mkfifo(QFile::encodeName(Tube).constData(), 0600), 0);
        const Resultat_Source Lu_Tube = Lire_Fichier_Source(Tube, 8, 8);
        QCOMPARE(Lu_Tube.Etat, Etat_Source::Refuse);
        QVERIFY2(Lu_Tube.Message.contains(QStringLiteral("n'est pas un fichier ordinaire")),
                 qPrintable(Lu_Tube.Message));
        const Resultat_Source Absent =
            Lire_Fichier_Source(Dossier.filePath(QStringLiteral("absent.c")), 8, 8);
        QCOMPARE(Absent.Etat, Etat_Source::Non_Ouvert);
        QVERIFY2(Absent.Message.contains(QStringLiteral("fichier introuvable")),
                 qPrintable(Absent.Message));
        QFile Gros(Dossier.filePath(QStringLiteral("gros.c")));
        QVERIFY(Gros.open(QIODevice::WriteOnly) && Gros.resize(Taille_Max_Source + 1));
        Gros.close();
        const Resultat_Source Lu_Gros = Lire_Fichier_Source(Gros.fileName(), 8, 8);
        QCOMPARE(Lu_Gros.Etat, Etat_Source::Refuse);
        QVERIFY2(Lu_Gros.Message.contains(QStringLiteral("fait plus de 4194304 octets")),
                 qPrintable(Lu_Gros.Message));
    }
};

QTEST_GUILESS_MAIN(Tst_Source)
#include "tst_Source.moc"
