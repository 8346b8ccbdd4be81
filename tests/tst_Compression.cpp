// Packed sprites: the format's own examples unpacked, round trips, hostile buffers refused, and
// every source plug-in's output packed, built by the 68000 tools and read back.
#include "Carte_Tuiles.h"
#include "Compactage.h"
#include "Decompactage.h"
#include "Decoupage.h"
#include "Enregistrement_Carte.h"
#include "Enregistrement_Compresse.h"
#include "Gif_Essai.h"
#include "Lecture_Source.h"
#include "Outils_Essai.h"
#include "Planche_Images.h"
#include "Source_Compressee.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace Corvanel;
using Essai::Lire;

using Octets = std::vector<std::uint8_t>;
Q_DECLARE_METATYPE(Octets)

namespace
{
Octets Hexa(const char *Texte)
{
    const QByteArray Lu = QByteArray::fromHex(QByteArray(Texte).replace(' ', ""));
    return Octets(Lu.begin(), Lu.end());
}

bool Lancer(const QString &Programme, const QStringList &Arguments)
{
    QProcess Outil;
    Outil.start(Programme, Arguments);
    return Outil.waitForFinished() && Outil.exitStatus() == QProcess::NormalExit &&
           Outil.exitCode() == 0;
}

// The bytes the 68000 tools lay out for a source: C data goes to .data, assembler to .text.
std::optional<QByteArray> Construire(const QString &Chemin)
{
    const bool Assembleur = Chemin.endsWith(QLatin1String(".asm"));
    const QString Objet = Chemin + QStringLiteral(".o");
    const bool Construit =
        Assembleur ? Lancer(QStringLiteral("m68k-linux-gnu-as"), {"-M", Chemin, "-o", Objet})
                   : Lancer(QStringLiteral("m68k-linux-gnu-gcc"),
                            {"-m68000", "-mshort", "-fno-toplevel-reorder",
                             "-fno-zero-initialized-in-bss", "-c", Chemin, "-o", Objet});
    if (!Construit ||
        !Lancer(QStringLiteral("m68k-linux-gnu-objcopy"),
                {"-O", "binary", "-j", Assembleur ? ".text" : ".data", Objet, Objet + ".bin"}))
        return std::nullopt;
    return Lire(Objet + ".bin");
}

// Every level, an odd width and a covered corner.
Document_Image Image_Essai(int Largeur, int Hauteur)
{
    Document_Image Document;
    Document.Largeur_Image = static_cast<std::uint8_t>(Largeur);
    Document.Hauteur_Image = static_cast<std::uint8_t>(Hauteur);
    for (int X = 0; X < Largeur; ++X)
        for (int Y = 0; Y < Hauteur; ++Y)
        {
            Document.Plan_Image[Indice(X, Y)] = static_cast<std::uint8_t>((X * 3 + Y * Y) % 4);
            Document.Plan_Mask[Indice(X, Y)] = X + Y < 9;
        }
    return Document;
}

// Levels at random, so that nearly every tile of a map is a tile of its own.
Document_Image Image_Hasard(int Largeur, int Hauteur)
{
    Document_Image Document = Image_Essai(Largeur, Hauteur);
    QRandomGenerator Hasard(Largeur * Hauteur);
    for (int X = 0; X < Largeur; ++X)
        for (int Y = 0; Y < Hauteur; ++Y)
            Document.Plan_Image[Indice(X, Y)] = static_cast<std::uint8_t>(Hasard.bounded(4));
    return Document;
}

// Three frames of that size: every level, then a square and a corner drawn over it.
QByteArray Gif_Essai(int Largeur, int Hauteur)
{
    std::vector<std::uint8_t> Fond;
    for (int Y = 0; Y < Hauteur; ++Y)
        for (int X = 0; X < Largeur; ++X)
            Fond.push_back(static_cast<std::uint8_t>((X * 3 + Y * Y) % 4));
    return Essai::Ecrire_Gif(
        Largeur, Hauteur,
        {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(170, 170, 170), qRgb(85, 85, 85)},
        {{0, 0, Largeur, Hauteur, 1, -1, Fond},
         {2, 2, 4, 4, 1, -1, std::vector<std::uint8_t>(16, 1)},
         {Largeur - 3, 0, 3, 3, 1, -1, std::vector<std::uint8_t>(9, 2)}});
}

// What is saved: one picture, a sheet of 16 x 16 cells, a map of 8 x 8 tiles, or every frame
// of an animation.
enum Forme
{
    Seule,
    Planche,
    Carte,
    Animation,
};
} // namespace

class Tst_Compression : public QObject
{
    Q_OBJECT

private slots:
    void Exemples_data();
    void Exemples();
    void Aller_Retour_data();
    void Aller_Retour();
    void Refus_data();
    void Refus();
    void Formats_data();
    void Formats();
    void Disposition();
    void Trop_Grand();
};

// The buffers the format's description gives, with what they unpack to: ours must unpack them
// exactly, and the packer must do no worse on the same data (the last one is a delta copy,
// which it does not write).
void Tst_Compression::Exemples_data()
{
    QTest::addColumn<Octets>("Tampon");
    QTest::addColumn<Octets>("Donnees");
    QTest::addColumn<bool>("Comparable");
    QTest::newRow("série") << Hexa("28 00 54 50 16 00 00 00 00 01 08 80 00 00 00 01 41 3F 8E 5F "
                                   "FF C0")
                           << Octets(40, 0x41) << true;
    const QByteArray Phrase("abcdefgh-abcdefgh-abcdefgh");
    QTest::newRow("copie") << Hexa("1A 00 54 50 1E 00 01 00 00 01 08 80 00 00 00 00 61 62 63 64 "
                                   "65 66 67 68 2D F8 1E FB FF F8")
                           << Octets(Phrase.begin(), Phrase.end()) << true;
    QTest::newRow("échappements et table")
        << Hexa("0A 00 54 50 1C 00 00 00 00 01 08 80 00 00 00 01 41 3A 80 28 0A 81 01 A8 20 2D "
                "FF FC")
        << Octets{0x41, 0x41, 0x41, 0x41, 0x80, 0x00, 0x81, 0x01, 0x82, 0x02} << true;
    QTest::newRow("delta") << Hexa("12 00 54 50 22 00 01 00 00 01 08 80 00 00 00 00 0A E3 FF F0 "
                                   "AF F0 BE 3F FF 0A FF E7 FF F0 2F 4D FF FC")
                           << Octets{0x0A, 0x14, 0x1E, 0x28, 0x32, 0x3C, 0x0B, 0x15, 0x1F,
                                     0x29, 0x33, 0x3D, 0x0C, 0x16, 0x20, 0x2A, 0x34, 0x3E}
                           << false;
}

void Tst_Compression::Exemples()
{
    QFETCH(Octets, Tampon);
    QFETCH(Octets, Donnees);
    QFETCH(bool, Comparable);
    const Resultat_Decompactage Lu = Decompacter(Tampon);
    QVERIFY2(Lu.Reussi(), qPrintable(Lu.Erreur));
    QCOMPARE(Lu.Donnees, Donnees);
    if (Comparable)
        QVERIFY(Compacter(Donnees).size() <= Tampon.size());
}

void Tst_Compression::Aller_Retour_data()
{
    QTest::addColumn<Octets>("Donnees");
    QTest::addColumn<int>("Taille_Max"); // what the packer must not exceed
    QRandomGenerator Hasard(26);
    const auto Hasards = [&](std::size_t Nombre)
    {
        Octets D(Nombre);
        for (std::uint8_t &Octet : D)
            Octet = static_cast<std::uint8_t>(Hasard.bounded(256));
        return D;
    };
    QTest::newRow("rien") << Octets{} << 19;
    QTest::newRow("un octet") << Octets{0x9C} << 20;
    QTest::newRow("la plus grande taille") << Octets(Taille_Max_Compactage, 0) << 30;
    Octets Motif(5000);
    for (std::size_t i = 0; i < Motif.size(); ++i)
        Motif[i] = static_cast<std::uint8_t>(i % 3 == 0 ? 0xFF : i % 7);
    QTest::newRow("motif") << Motif << 120;
    // Every byte value in turn: each top bits come back again and again.
    Octets Valeurs(4096);
    for (std::size_t i = 0; i < Valeurs.size(); ++i)
        Valeurs[i] = static_cast<std::uint8_t>(i * 97);
    QTest::newRow("toutes les valeurs") << Valeurs << 600;
    QTest::newRow("hasard") << Hasards(1000) << 1000 + 48;
    QTest::newRow("hasard, 60000 octets") << Hasards(60000) << 60000 + 200;
    // Sprite rows: mostly white, a few shapes that come back far apart.
    Octets Lignes(30000, 0);
    const Octets Forme = Hasards(64);
    for (std::size_t i = 0; i + 64 < Lignes.size(); i += 64 * Hasard.bounded(1, 40))
        std::copy(Forme.begin(), Forme.end(), Lignes.begin() + static_cast<std::ptrdiff_t>(i));
    QTest::newRow("formes éparses") << Lignes << 400;
}

void Tst_Compression::Aller_Retour()
{
    QFETCH(Octets, Donnees);
    QFETCH(int, Taille_Max);
    const Octets Tampon = Compacter(Donnees);
    QVERIFY2(Tampon.size() <= static_cast<std::size_t>(Taille_Max),
             qPrintable(QString::number(Tampon.size())));
    // The sizes the header announces.
    QCOMPARE(Tampon[0] | Tampon[1] << 8, static_cast<int>(Donnees.size()));
    QCOMPARE(Tampon[4] | Tampon[5] << 8, static_cast<int>(Tampon.size()));
    const Resultat_Decompactage Lu = Decompacter(Tampon);
    QVERIFY2(Lu.Reussi(), qPrintable(Lu.Erreur));
    QVERIFY(Lu.Donnees == Donnees);
}

// What the calculator's routine would follow out of its buffer, or return an error for.
void Tst_Compression::Refus_data()
{
    QTest::addColumn<Octets>("Tampon");
    QTest::addColumn<QString>("Raison");
    const Octets Serie = Compacter(Octets(40, 0x41));
    const auto Change = [&](std::size_t Position, std::uint8_t Valeur)
    {
        Octets T = Serie;
        T[Position] = Valeur;
        return T;
    };
    QTest::newRow("vide") << Octets{} << "moins que les 16";
    QTest::newRow("signature") << Change(3, 'Q') << "erreur 252";
    QTest::newRow("longueurs") << Change(10, 7) << "erreur 250";
    QTest::newRow("échappement") << Change(9, 9) << "erreur 249";
    QTest::newRow("décalage") << Change(12, 6) << "erreur 251";
    QTest::newRow("table coupée") << Change(15, 31) << "table de 31";
    QTest::newRow("plus long qu'annoncé") << Change(0, 39) << "plus longues que les 39";
    QTest::newRow("plus court qu'annoncé") << Change(0, 41) << "40 octets décompressés au lieu";
    QTest::newRow("sans fin") << Octets(Serie.begin(), Serie.end() - 2) << "avant leur marque";
    // Tokens no packer writes: a copy from before the start, a table entry past the table.
    const Octets Trois{1, 2, 3};
    const Jeton Copie{Genre_Jeton::Copie, 3, 5};
    QTest::newRow("copie avant le début")
        << Ecrire_Compacte(Trois, {1, 0, {}}, {&Copie, 1}) << "5 octets en arrière";
    const Jeton Serie_Table{Genre_Jeton::Serie, 3, 0};
    Octets Sans_Table = Ecrire_Compacte(Trois, {1, 0, {1}}, {&Serie_Table, 1});
    Sans_Table.erase(Sans_Table.begin() + 16);
    Sans_Table[15] = 0;
    QTest::newRow("entrée hors de la table") << Sans_Table << "entrée 1 d'une table qui en a 0";
}

void Tst_Compression::Refus()
{
    QFETCH(Octets, Tampon);
    QFETCH(QString, Raison);
    const Resultat_Decompactage Lu = Decompacter(Tampon);
    QVERIFY2(Lu.Erreur.contains(Raison), qPrintable(Lu.Erreur));
    QVERIFY(Lu.Donnees.empty());
}

// Each source plug-in, one picture and a sheet, a map and an animation in each language: the
// packed array
// built by the 68000 tools unpacks to the very bytes they lay out for the plain output, and it
// reads back as the same sprite.
void Tst_Compression::Formats_data()
{
    QTest::addColumn<QString>("Plugin");
    QTest::addColumn<QString>("Extention");
    QTest::addColumn<int>("Genre");
    QTest::addColumn<int>("Forme");
    QTest::addColumn<QString>("Plugin_Mask"); // a map's mask tiles, in the same file
    QTest::addColumn<QSize>("Taille");
    const int Image = static_cast<int>(Genre_Enregistrement::Image);
    const int Mask = static_cast<int>(Genre_Enregistrement::Mask);
    const struct
    {
        const char *Plugin;
        const char *Extention;
        int Genre;
    } Formats[] = {{"Tavisk", "c", Image},   {"Pelkor", "c", Image},  {"Roskel", "asm", Image},
                   {"Talvek", "asm", Image}, {"Ombrin", "c", Image},  {"Garsel", "asm", Image},
                   {"Quenda", "c", Mask},    {"Mervil", "asm", Mask}, {"Pirnel", "c", Mask},
                   {"Sudrak", "asm", Mask}};
    for (const auto &F : Formats)
    {
        QTest::addRow("%s", F.Plugin)
            << F.Plugin << F.Extention << F.Genre << int{Seule} << QString() << QSize(21, 5);
        QTest::addRow("%s, planche", F.Plugin)
            << F.Plugin << F.Extention << F.Genre << int{Planche} << QString() << QSize(40, 20);
    }
    // 480 tiles: the map in 16-bit words, after the bytes of the tiles and their mask.
    QTest::newRow("Tavisk et Quenda, carte de mots")
        << "Tavisk"
        << "c" << Image << int{Carte} << "Quenda" << QSize(240, 128);
    QTest::newRow("Roskel et Mervil, carte d'octets")
        << "Roskel"
        << "asm" << Image << int{Carte} << "Mervil" << QSize(64, 24);
    QTest::newRow("Garsel, carte") << "Garsel"
                                   << "asm" << Image << int{Carte} << QString() << QSize(40, 16);
    QTest::newRow("Ombrin, animation")
        << "Ombrin"
        << "c" << Image << int{Animation} << QString() << QSize(21, 9);
    QTest::newRow("Mervil, animation")
        << "Mervil"
        << "asm" << Mask << int{Animation} << QString() << QSize(16, 12);
}

void Tst_Compression::Formats()
{
    QFETCH(QString, Plugin);
    QFETCH(QString, Extention);
    QFETCH(int, Genre);
    QFETCH(int, Forme);
    QFETCH(QString, Plugin_Mask);
    QFETCH(QSize, Taille);
    const Genre_Enregistrement G = static_cast<Genre_Enregistrement>(Genre);
    const bool Avec_Mask = Plugin == QLatin1String("Ombrin") || Plugin == QLatin1String("Garsel");
    const Plug_Info Slot{Essai::Plugin_Livre(Plugin).toStdString(), Plugin.toStdString(),
                         Extention.toStdString(), static_cast<std::uint8_t>(Avec_Mask ? 3 : 1)};
    const std::optional<Plug_Info> Slot_Mask =
        Plugin_Mask.isEmpty()
            ? std::nullopt
            : std::optional<Plug_Info>({Essai::Plugin_Livre(Plugin_Mask).toStdString(),
                                        Plugin_Mask.toStdString(), Extention.toStdString(), 2});
    QTemporaryDir Dossier;
    Document_Image Document = Forme == Carte ? Image_Hasard(Taille.width(), Taille.height())
                                             : Image_Essai(Taille.width(), Taille.height());
    if (Forme == Animation)
    {
        QFile Gif(Dossier.filePath("anim.gif"));
        QVERIFY(Gif.open(QIODevice::WriteOnly));
        Gif.write(Gif_Essai(Taille.width(), Taille.height()));
        Gif.close();
        QCOMPARE(Document
                     .Ouvrir(Gif.fileName(), Genre_Fichier::Autres_Images, Taille.width(),
                             Taille.height())
                     .Etat,
                 Etat_Ouverture::Ok);
        QCOMPARE(Document.Images.Nombre, 3);
        Document.Creer_Mask_Auto(0);
    }
    const Carte_De_Tuiles Tuiles = Carte_Image(Document, {8, 8}, Avec_Mask || Slot_Mask);
    const QString Simple = Dossier.filePath("simple." + Extention);
    const QString Compresse = Dossier.filePath("compresse." + Extention);
    const auto Enregistrer = [&](const QString &Chemin, bool Compresser)
    {
        if (Forme == Carte)
            return Enregistrer_Carte(Tuiles, Slot, Slot_Mask, Chemin, QStringLiteral("Essai"), {},
                                     Compresser)
                .Enregistrement;
        if (Forme == Planche)
            return Enregistrer_Planche(Document, Grille_Sprites{16, 16}, Slot, G, Chemin,
                                       QStringLiteral("Essai"), {}, Compresser)
                .Enregistrement;
        if (Forme == Animation)
            return Enregistrer_Images(Document, 0, Slot, G, Chemin, QStringLiteral("Essai"), {},
                                      Compresser)
                .Enregistrement;
        return G == Genre_Enregistrement::Mask
                   ? Document.Enregistrer_Mask(Slot, Chemin, QStringLiteral("Essai"), {},
                                               Compresser)
                   : Document.Enregistrer_Image(Slot, Chemin, QStringLiteral("Essai"), {},
                                                Compresser);
    };
    QVERIFY(Enregistrer(Simple, false).Reussi());
    const Resultat_Enregistrement Resultat = Enregistrer(Compresse, true);
    QVERIFY2(Resultat.Reussi(), qPrintable(Message_Enregistrement(Resultat)));
    QVERIFY(Resultat.Compression);
    const QByteArray Texte = Lire(Compresse);
    const QString Nom = G == Genre_Enregistrement::Mask ? "Mask_Essai" : "Essai";
    QVERIFY2(Texte.contains((Nom + "_Compresse").toLatin1()), Texte.constData());
    QVERIFY(!Texte.contains("_Table"));

    const std::optional<QByteArray> Attendu = Construire(Simple);
    const std::optional<QByteArray> Objet = Construire(Compresse);
    QVERIFY2(Attendu && Objet, Texte.constData());
    QCOMPARE(static_cast<std::size_t>(Objet->size()), Resultat.Compression->Compresse);
    const Resultat_Decompactage Lu =
        Decompacter(std::span(reinterpret_cast<const std::uint8_t *>(Objet->constData()),
                              static_cast<std::size_t>(Objet->size())));
    QVERIFY2(Lu.Reussi(), qPrintable(Lu.Erreur));
    QCOMPARE(Lu.Donnees.size(), Resultat.Compression->Decompresse);
    // A sheet's tables of addresses follow its arrays in the plain bytes.
    const bool Cases = Forme == Planche || Forme == Animation;
    const QByteArray Donnees(reinterpret_cast<const char *>(Lu.Donnees.data()),
                             static_cast<qsizetype>(Lu.Donnees.size()));
    QVERIFY(Cases ? Attendu->startsWith(Donnees) : *Attendu == Donnees);

    const int Largeur = Forme == Planche ? 16 : Document.Largeur_Image;
    const int Hauteur = Forme == Planche ? 16 : Document.Hauteur_Image;
    const Resultat_Source Plat = Lire_Fichier_Source(Simple, Largeur, Hauteur);
    const Resultat_Source Relu = Lire_Fichier_Source(Compresse, Largeur, Hauteur);
    QVERIFY2(Relu.Etat == Etat_Source::Ok, qPrintable(Relu.Message));
    QCOMPARE(Relu.Nom, Plat.Nom);
    QCOMPARE(Relu.Largeur, Plat.Largeur);
    QCOMPARE(Relu.Nombre_Couleur, Plat.Nombre_Couleur);
    QVERIFY(Relu.Plan_Image == Plat.Plan_Image);
    QCOMPARE(Relu.Mask_Trouve, Plat.Mask_Trouve);
    QVERIFY(Relu.Plan_Mask == Plat.Plan_Mask);
    const QString Tailles = QStringLiteral(" (%1)").arg(Texte_Tailles(*Resultat.Compression));
    if (Forme == Carte)
        QCOMPARE(Titre_Carte({Resultat, {}, Tuiles.Nombre(), Tuiles.Largeur, Tuiles.Hauteur}),
                 QStringLiteral("%1 tuile(s) unique(s), carte de %2 x %3")
                         .arg(Tuiles.Nombre())
                         .arg(Tuiles.Largeur)
                         .arg(Tuiles.Hauteur) +
                     Tailles);
    else if (Cases)
        QVERIFY(
            Titre_Planche({Resultat, 2, 0})
                .endsWith(
                    QStringLiteral(" ignoré(s) (%1)").arg(Texte_Tailles(*Resultat.Compression))));
    else
        QCOMPARE(Titre_Enregistrement(Resultat),
                 QStringLiteral("Corvanel " CORVANEL_VERSION " (%1 octets compressés, %2 "
                                "décompressés)")
                     .arg(Objet->size())
                     .arg(Lu.Donnees.size()));
}

// Elements of every width one after another: each big-endian at its offset, the wider ones on
// an even offset, as the C compiler lays them out; the offsets say where.
void Tst_Compression::Disposition()
{
    const QByteArray Texte("#define M_LARGEUR 3\r\n"
                           "unsigned char a[] = {1,2,3};\r\nunsigned int b[] = {0x0405};\r\n"
                           "unsigned char c[] = {6};\r\nunsigned long d[] = {0x0708090A};\r\n");
    const Source_Compressee Compressee = Compresser_Source(Texte, Langage_Source::C, "M");
    QVERIFY(Compressee.Erreur.isEmpty());
    QTemporaryDir Dossier;
    QFile Simple(Dossier.filePath("simple.c"));
    QVERIFY(Simple.open(QIODevice::WriteOnly));
    Simple.write(Texte);
    Simple.close();
    const std::optional<QByteArray> Attendu = Construire(Simple.fileName());
    QVERIFY(Attendu);
    QCOMPARE(*Attendu, QByteArray::fromHex("0102030004050600 0708090A"));
    for (const char *Ligne : {"#define M_LARGEUR 3\r\n#define M_TAILLE 12\r\n",
                              "#define b_DECALAGE 4 /* 1 x 16 bits */\r\n",
                              "#define d_DECALAGE 8 /* 1 x 32 bits */\r\n"})
        QVERIFY2(Compressee.Texte.contains(Ligne), Compressee.Texte.constData());
    const Lecture Lue = Deplier_Source(
        Analyser_Source(std::string_view(Compressee.Texte.constData(),
                                         static_cast<std::size_t>(Compressee.Texte.size()))),
        std::string_view(Compressee.Texte.constData(),
                         static_cast<std::size_t>(Compressee.Texte.size())));
    QVERIFY(Lue.Erreur.isEmpty());
    QCOMPARE(Lue.Tableaux.size(), std::size_t{4});
    QCOMPARE(Lue.Tableaux[3].Nom, std::string("d"));
    QCOMPARE(Lue.Tableaux[3].Bits, 32);
    QCOMPARE(Lue.Tableaux[3].Valeurs, std::vector<std::uint32_t>{0x0708090A});
}

// More than the header can announce, before or after packing: refused with the size, and the
// file there stays.
void Tst_Compression::Trop_Grand()
{
    QByteArray Hasard("unsigned char h[] = {");
    for (std::size_t i = 0; i < Taille_Max_Compactage; ++i)
        Hasard += QByteArray::number(QRandomGenerator::global()->bounded(256)) +
                  (i + 1 < Taille_Max_Compactage ? "," : "};\r\n");
    QVERIFY(Compacter(Octets(Taille_Max_Compactage + 1)).empty());
    QVERIFY(Compresser_Source(Hasard, Langage_Source::C, "h")
                .Erreur.contains(QStringLiteral("octets une fois compressés, 65535 au plus")));

    QByteArray Texte("unsigned int a[] = {");
    for (int i = 0; i < 32768; ++i)
        Texte += "0,";
    Texte += "1};\r\n";
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.filePath("a.c");
    QFile Ancien(Chemin);
    QVERIFY(Ancien.open(QIODevice::WriteOnly));
    Ancien.write("ancien");
    Ancien.close();
    const Plug_Info Slot{"Tavisk.so", "Sprite (language C)", "c"};
    const Resultat_Enregistrement Resultat =
        Ecrire_Compresse(Texte, Slot, Genre_Enregistrement::Image, Chemin, "a");
    QCOMPARE(Titre_Enregistrement(Resultat),
             QStringLiteral("Compression impossible : 65538 octets à compresser, 65535 au plus"));
    QCOMPARE(Lire(Chemin), QByteArray("ancien"));
    const Plug_Info Sauvegarde{"Sauvegarde.so", "Sauvegarde", "cvl"};
    QCOMPARE(Titre_Enregistrement(
                 Ecrire_Compresse(Texte, Sauvegarde, Genre_Enregistrement::Image, Chemin, "a")),
             QStringLiteral("Compression impossible : « Sauvegarde » n'écrit pas de code source"));
}

QTEST_GUILESS_MAIN(Tst_Compression)
#include "tst_Compression.moc"
