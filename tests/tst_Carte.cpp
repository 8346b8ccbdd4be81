// Tile maps through the real plug-ins: the file builds with the 68000 tools, and its tiles put
// back at their places on the map give the whole source converted at once.
#include "Carte_Tuiles.h"
#include "Choix_Image.h"
#include "Document_Image.h"
#include "Enregistrement_Carte.h"
#include "Lecture_Source.h"
#include "Outils_Essai.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace Corvanel;
using Essai::Construire_68000;
using Essai::Lire;

namespace
{
Plug_Info Slot(const QString &Bibliotheque, const char *Extention, std::uint8_t Fonction)
{
    return {Essai::Plugin_Livre(Bibliotheque).toStdString(), Bibliotheque.toStdString(), Extention,
            Fonction};
}

// A level of four 8 x 8 tiles in four greys, placed over and over, with strips of 3 columns and
// 5 rows that fill no tile; or 4 x 2 tiles of random greys, nearly all different.
QImage Niveau(bool Hasard)
{
    const QRgb Gris[] = {qRgb(255, 255, 255), qRgb(150, 150, 150), qRgb(90, 90, 90), qRgb(0, 0, 0)};
    QRandomGenerator Graine(7);
    QImage Image(Hasard ? QSize(240, 16) : QSize(8 * 5 + 3, 8 * 3 + 5), QImage::Format_RGB32);
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
        {
            const int Tuile = (x / 8 + 2 * (y / 8)) % 4;
            Image.setPixel(x, y,
                           Gris[Hasard ? Graine.bounded(4) : (x * Tuile + y * (Tuile + 1)) % 4]);
        }
    return Image;
}

Document_Image Document_Source(const QImage &Source)
{
    Document_Image Document;
    Document.Choisir_Nombre(4, false);
    Document.Conversion.Adapter = false;
    Document.Prendre_Source(Source, 160, 100);
    return Document;
}
} // namespace

class Tst_Carte : public QObject
{
    Q_OBJECT

private slots:
    void Formats_data();
    void Formats();
    void Conversion_data();
    void Conversion();
    void Couleurs_Exactes_Transparence_data();
    void Couleurs_Exactes_Transparence();
    void Trop_De_Tuiles();
};

void Tst_Carte::Formats_data()
{
    QTest::addColumn<QString>("Plugin");
    QTest::addColumn<QString>("Extention");
    QTest::addColumn<int>("Fonction");
    QTest::addColumn<QString>("Plugin_Mask");
    QTest::addColumn<bool>("Hasard");
    QTest::addColumn<QString>("Carte"); // how the map starts
    QTest::newRow("Sprite C") << "Tavisk"
                              << "c" << 1 << QString() << false << "unsigned char N_Carte[]";
    QTest::newRow("GenLib C, plus de 256 tuiles")
        << "Pelkor"
        << "c" << 1 << QString() << true << "unsigned short N_Carte[]";
    QTest::newRow("Sprite ASM, mask ASM") << "Roskel"
                                          << "asm" << 1 << "Mervil" << false << "N_Carte\r\n\tdc.b";
    QTest::newRow("Sprite entrelacé ASM, mask ET ASM, plus de 256 tuiles")
        << "Talvek"
        << "asm" << 1 << "Sudrak" << true << "N_Carte\r\n\tdc.w";
    QTest::newRow("Sprite + mask C, mask C")
        << "Ombrin"
        << "c" << 3 << "Quenda" << false << "unsigned char N_Carte[]";
    QTest::newRow("Sprite + mask ASM") << "Garsel"
                                       << "asm" << 3 << QString() << false << "N_Carte\r\n\tdc.b";
    QTest::newRow("Sprite C, mask ET C")
        << "Tavisk"
        << "c" << 1 << "Pirnel" << false << "unsigned char N_Carte[]";
}

void Tst_Carte::Formats()
{
    QFETCH(QString, Plugin);
    QFETCH(QString, Extention);
    QFETCH(int, Fonction);
    QFETCH(QString, Plugin_Mask);
    QFETCH(bool, Hasard);
    QFETCH(QString, Carte);
    const QImage Source = Niveau(Hasard);
    const Document_Image Document = Document_Source(Source);
    const Plug_Info Image = Slot(Plugin, Extention.toLatin1(), std::uint8_t(Fonction));
    std::optional<Plug_Info> Mask;
    if (!Plugin_Mask.isEmpty())
        Mask = Slot(Plugin_Mask, Extention.toLatin1(), 4);
    const bool Avec_Mask = Mask || Prend_Mask(Image);
    const Taille_Tuile Tuile = Hasard ? Taille_Tuile{4, 2} : Taille_Tuile{8, 8};
    const Carte_De_Tuiles Tuiles = Carte_Source(
        Document, Tuile, Avec_Mask ? std::optional<std::uint8_t>(Code::Blanc) : std::nullopt);

    // Tiles are numbered as they first appear: each new one takes the next number.
    std::uint32_t Suivante = 0;
    for (const std::uint32_t Numero : Tuiles.Carte)
    {
        QVERIFY(Numero <= Suivante);
        Suivante += Numero == Suivante;
    }
    QCOMPARE(int(Suivante), Tuiles.Nombre());
    QVERIFY(Hasard ? Tuiles.Nombre() > 256 : Tuiles.Nombre() <= 4 * 2 + 4);

    QTemporaryDir Dossier;
    const QString Chemin = Dossier.filePath("carte." + Extention);
    const Resultat_Carte Resultat = Enregistrer_Carte(Tuiles, Image, Mask, Chemin, "N");
    QCOMPARE(Message_Carte(Resultat), QStringLiteral("« %1 » : %2 tuile(s) unique(s), carte de "
                                                     "%3 x %4")
                                          .arg(Chemin)
                                          .arg(Tuiles.Nombre())
                                          .arg(Hasard ? 60 : 6)
                                          .arg(Hasard ? 8 : 4));
    const QByteArray Texte = Lire(Chemin);
    QVERIFY2(Texte.contains(Carte.toLatin1()), Texte.left(2000).constData());
    QVERIFY(Texte.contains(Extention == "c" ? "#define N_NOMBRE " : "N_NOMBRE\tequ\t"));
    QVERIFY2(Construire_68000(Chemin, Extention == "asm"), Texte.left(2000).constData());

    // Read back, the map gives the whole source converted at once, its padding white and
    // uncovered.
    const int Largeur = Tuiles.Largeur * Tuile.Largeur;
    const int Hauteur = Tuiles.Hauteur * Tuile.Hauteur;
    Document_Image Entiere = Document_Source(Source);
    Entiere.Largeur_Image = std::uint8_t(Largeur);
    Entiere.Hauteur_Image = std::uint8_t(Hauteur);
    Entiere.Convertir_Image();
    const Resultat_Source Lu = Lire_Fichier_Source(Chemin, 1, 1);
    QCOMPARE(Lu.Message, QString());
    QCOMPARE(Lu.Nom, QStringLiteral("N"));
    QCOMPARE(int(Lu.Largeur), Largeur);
    QCOMPARE(int(Lu.Hauteur), Hauteur);
    QCOMPARE(Lu.Mask_Trouve, Avec_Mask);
    for (int x = 0; x < Largeur; ++x)
        for (int y = 0; y < Hauteur; ++y)
        {
            const std::uint8_t Code = Entiere.Plan_Image[Indice(x, y)];
            const bool Dedans = x < Source.width() && y < Source.height();
            QCOMPARE(Lu.Plan_Image[Indice(x, y)], Code);
            if (Avec_Mask)
                QCOMPARE(Lu.Plan_Mask[Indice(x, y)], std::uint8_t(Dedans && Code != 0));
        }
}

// Each tile holds the codes of its piece of the source converted alone, whatever path the
// conversion takes: colour by colour, in pieces of a picture's width, or tile by tile with a
// dither.
void Tst_Carte::Conversion_data()
{
    QTest::addColumn<int>("Format");
    QTest::addColumn<int>("Teinte");
    QTest::addColumn<int>("Tramage");
    QTest::addColumn<int>("Nombre");
    const int Point = int(Mode_Tramage::Aucun);
    const int Valeur = int(Mode_Teinte::Valeur_Couleur);
    QTest::newRow("32 bits") << int(QImage::Format_RGB32) << Valeur << Point << 4;
    QTest::newRow("32 bits translucide, luminance, 8 niveaux")
        << int(QImage::Format_ARGB32) << int(Mode_Teinte::Luminance) << Point << 8;
    QTest::newRow("24 bits, 2 niveaux") << int(QImage::Format_RGB888) << Valeur << Point << 2;
    QTest::newRow("Floyd-Steinberg")
        << int(QImage::Format_RGB32) << Valeur << int(Mode_Tramage::Floyd_Steinberg) << 4;
}

void Tst_Carte::Conversion()
{
    QFETCH(int, Format);
    QFETCH(int, Teinte);
    QFETCH(int, Tramage);
    QFETCH(int, Nombre);
    // Wider than a picture, every channel moving, a translucent corner.
    QImage Source(300, 21, QImage::Format_ARGB32);
    for (int y = 0; y < Source.height(); ++y)
        for (int x = 0; x < Source.width(); ++x)
            Source.setPixel(x, y,
                            qRgba(x % 256, (y * 12) % 256, (x * y) % 256, x + y < 30 ? 90 : 255));
    Source = Source.convertToFormat(QImage::Format(Format));
    Document_Image Document;
    Document.Choisir_Nombre(std::uint8_t(Nombre), false);
    Document.Conversion.Adapter = false;
    Document.Conversion.Teinte = Mode_Teinte(Teinte);
    Document.Conversion.Tramage = Mode_Tramage(Tramage);
    Document.Prendre_Source(Source, 160, 100);
    const Taille_Tuile Tuile{7, 8};
    const Carte_De_Tuiles Tuiles = Carte_Source(Document, Tuile, std::nullopt);
    QCOMPARE(Tuiles.Largeur, 43);
    QCOMPARE(Tuiles.Hauteur, 3);
    Plan Codes{};
    Plan Mask{};
    for (int Y = 0; Y < Tuiles.Hauteur; ++Y)
        for (int X = 0; X < Tuiles.Largeur; ++X)
        {
            const QRect Piece =
                QRect(X * Tuile.Largeur, Y * Tuile.Hauteur, Tuile.Largeur, Tuile.Hauteur)
                    .intersected(Source.rect());
            Document_Image Seule = Document;
            Seule.Largeur_Image = std::uint8_t(Tuile.Largeur);
            Seule.Hauteur_Image = std::uint8_t(Tuile.Hauteur);
            Seule.Prendre_Source(Source.copy(Piece), Tuile.Largeur, Tuile.Hauteur);
            Tuiles.Poser(int(Tuiles.Carte[std::size_t(Y * Tuiles.Largeur + X)]), Codes, Mask);
            for (int x = 0; x < Tuile.Largeur; ++x)
                for (int y = 0; y < Tuile.Hauteur; ++y)
                    QCOMPARE(Codes[Indice(x, y)], Seule.Plan_Image[Indice(x, y)]);
        }
}

// Four colours of pixel art, the right tile holding only two of them, the bottom rows
// transparent: with the exact colours a colour takes one level in every tile, as in the whole
// source (a tile converted alone would spread its two colours over the darkest and lightest
// levels); the transparency's mask covers the opaque points only, whatever the path.
void Tst_Carte::Couleurs_Exactes_Transparence_data()
{
    QTest::addColumn<int>("Format");
    QTest::addColumn<bool>("Exactes");
    QTest::addColumn<int>("Tramage");
    const int Aucun = int(Mode_Tramage::Aucun);
    const int Floyd = int(Mode_Tramage::Floyd_Steinberg);
    QTest::newRow("32 bits, exactes") << int(QImage::Format_ARGB32) << true << Aucun;
    QTest::newRow("RGBA 8888, exactes, tramage") << int(QImage::Format_RGBA8888) << true << Floyd;
    QTest::newRow("32 bits, valeur") << int(QImage::Format_ARGB32) << false << Aucun;
    QTest::newRow("RGBA 8888, valeur, tramage") << int(QImage::Format_RGBA8888) << false << Floyd;
}

void Tst_Carte::Couleurs_Exactes_Transparence()
{
    QFETCH(int, Format);
    QFETCH(bool, Exactes);
    QFETCH(int, Tramage);
    // Light to dark: pale yellow, orange, red, dark blue.
    const QRgb Couleurs[] = {qRgb(255, 255, 170), qRgb(255, 160, 0), qRgb(200, 0, 0),
                             qRgb(0, 0, 120)};
    const auto Colonne = [](int x) { return x < 8 ? x / 2 : 1 + (x - 8) / 4; };
    QImage Source(16, 8, QImage::Format_ARGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            Source.setPixel(x, y, y < 6 ? Couleurs[Colonne(x)] : qRgba(0, 0, 0, 100));
    Document_Image Document = Document_Source(Source.convertToFormat(QImage::Format(Format)));
    Document.Conversion.Teinte = Exactes ? Mode_Teinte::Couleurs_Exactes : Mode_Teinte::Luminance;
    Document.Conversion.Tramage = Mode_Tramage(Tramage);
    const Carte_De_Tuiles Tuiles = Carte_Source(Document, {8, 8}, Fond_Transparence);
    QCOMPARE(Tuiles.Nombre(), 2);
    Plan Codes{};
    Plan Mask{};
    for (int Tuile = 0; Tuile < 2; ++Tuile)
    {
        Tuiles.Poser(Tuile, Codes, Mask);
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y)
            {
                QCOMPARE(Mask[Indice(x, y)], std::uint8_t(y < 6));
                if (y >= 6 || Exactes)
                    QCOMPARE(Codes[Indice(x, y)],
                             std::uint8_t(y < 6 ? Colonne(8 * Tuile + x) : Code::Blanc));
            }
    }
}

// Past 65536 unique tiles a map cannot number them: refused, and nothing is written.
void Tst_Carte::Trop_De_Tuiles()
{
    QImage Source(8 * 260, 4 * 256, QImage::Format_RGB32);
    QRandomGenerator Graine(3);
    for (int y = 0; y < Source.height(); ++y)
        for (int x = 0; x < Source.width(); ++x)
            Source.setPixel(x, y, Graine.bounded(2) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const Carte_De_Tuiles Tuiles = Carte_Source(Document_Source(Source), {8, 4}, std::nullopt);
    QVERIFY(Tuiles.Erreur.contains("65536"));
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.filePath("carte.c");
    const Resultat_Carte Resultat =
        Enregistrer_Carte(Tuiles, Slot("Tavisk", "c", 1), std::nullopt, Chemin, "N");
    QVERIFY(!Resultat.Reussi());
    QVERIFY2(Titre_Carte(Resultat).contains("65536"), qPrintable(Titre_Carte(Resultat)));
    QVERIFY(!QFile::exists(Chemin));
}

QTEST_GUILESS_MAIN(Tst_Carte)
#include "tst_Carte.moc"
