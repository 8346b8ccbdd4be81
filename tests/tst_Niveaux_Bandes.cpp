// The picture logic without windows: levels, bands, the light bar, the display colours read
// back, and the sampling of a source into the plane.
#include "Bandes.h"
#include "Conversion.h"
#include "Couleurs.h"
#include "Plan.h"

#include <QtTest>

using namespace Corvanel;

namespace
{
std::uint32_t Gris(int v)
{
    return Valeur_Couleur(v, v, v);
}

Bandes Apres(std::uint8_t nombre, int presses, void (*action)(Bandes &, std::uint8_t))
{
    Bandes b;
    Reinitialiser(b, nombre);
    for (int i = 0; i < presses; ++i)
        action(b, nombre);
    return b;
}

QList<int> En_Usage(Bandes b, std::uint8_t nombre)
{
    QList<int> l;
    for (std::int32_t *bande : Bandes_En_Usage(b, nombre))
        l << *bande;
    return l;
}
} // namespace

class Tst_Niveaux_Bandes : public QObject
{
    Q_OBJECT

private slots:
    void Quantification_data();
    void Quantification();
    void Bandes_Pressions_data();
    void Bandes_Pressions();
    void Barre_Lumiere_data();
    void Barre_Lumiere();
    void Couleurs_Et_Relecture();
    void Echantillonnage_data();
    void Echantillonnage();
};

void Tst_Niveaux_Bandes::Quantification_data()
{
    QTest::addColumn<int>("nombre");
    QTest::addColumn<uint>("valeur");
    QTest::addColumn<int>("code");
    // 4 levels: greys up to 60 are black, 61-121 dark, 122-182 light, from 183 white.
    QTest::newRow("4 gris 60") << 4 << uint(Gris(60)) << 3;
    QTest::newRow("4 gris 61") << 4 << uint(Gris(61)) << 2;
    QTest::newRow("4 gris 121") << 4 << uint(Gris(121)) << 2;
    QTest::newRow("4 gris 122") << 4 << uint(Gris(122)) << 1;
    QTest::newRow("4 gris 182") << 4 << uint(Gris(182)) << 1;
    QTest::newRow("4 gris 183") << 4 << uint(Gris(183)) << 0;
    QTest::newRow("4 sur la limite") << 4 << 4000000u << 2;
    QTest::newRow("4 sous la limite") << 4 << 3999999u << 3;
    QTest::newRow("2 gris 121") << 2 << uint(Gris(121)) << 1;
    QTest::newRow("2 gris 122") << 2 << uint(Gris(122)) << 0;
    QTest::newRow("2 limite") << 2 << 8000000u << 0;
    const uint limites8[] = {2280000, 4560000, 6840000, 9120000, 11400000, 13680000};
    const int codes8[] = {3, 123, 2, 112, 1, 101, 0};
    for (int i = 0; i < 6; ++i)
    {
        QTest::addRow("8 sous %u", limites8[i]) << 8 << limites8[i] - 1 << codes8[i];
        QTest::addRow("8 sur %u", limites8[i]) << 8 << limites8[i] << codes8[i + 1];
    }
    for (int n : {2, 4, 8})
    {
        QTest::addRow("%d bleu pur", n) << n << uint(Valeur_Couleur(0, 0, 255)) << 0;
        QTest::addRow("%d rouge pur", n)
            << n << uint(Valeur_Couleur(255, 0, 0)) << (n == 2 ? 1 : 3);
        QTest::addRow("%d jaune pur", n)
            << n << uint(Valeur_Couleur(255, 255, 0)) << (n == 2 ? 1 : 3);
        QTest::addRow("%d blanc", n) << n << uint(Gris(255)) << 0;
    }
    QTest::newRow("nombre inconnu") << 5 << 0u << 9;
}

void Tst_Niveaux_Bandes::Quantification()
{
    QFETCH(int, nombre);
    QFETCH(uint, valeur);
    QFETCH(int, code);
    Bandes b;
    Reinitialiser(b, static_cast<std::uint8_t>(nombre));
    QCOMPARE(int(Quantifier_Couleur(valeur, static_cast<std::uint8_t>(nombre), b)), code);
}

void Tst_Niveaux_Bandes::Bandes_Pressions_data()
{
    using Action = void (*)(Bandes &, std::uint8_t);
    QTest::addColumn<int>("nombre");
    QTest::addColumn<int>("presses");
    QTest::addColumn<quintptr>("action");
    QTest::addColumn<QList<int>>("attendu");
    const auto a = [](Action f) { return reinterpret_cast<quintptr>(f); };
    QTest::newRow("4 lumiere+ x1") << 4 << 1 << a(&Lumiere_Plus) << QList<int>{106, 104, 102, 88};
    QTest::newRow("4 lumiere- x1") << 4 << 1 << a(&Lumiere_Moins) << QList<int>{88, 102, 104, 106};
    QTest::newRow("2 lumiere+ x1") << 2 << 1 << a(&Lumiere_Plus) << QList<int>{206, 194};
    QTest::newRow("2 lumiere+ x33") << 2 << 33 << a(&Lumiere_Plus) << QList<int>{398, 2};
    QTest::newRow("2 lumiere+ x34") << 2 << 34 << a(&Lumiere_Plus) << QList<int>{400, 0};
    QTest::newRow("2 lumiere- x34") << 2 << 34 << a(&Lumiere_Moins) << QList<int>{0, 400};
    QTest::newRow("8 lumiere+ x1")
        << 8 << 1 << a(&Lumiere_Plus) << QList<int>{63, 62, 61, 60, 59, 58, 37};
    QTest::newRow("8 lumiere- x1")
        << 8 << 1 << a(&Lumiere_Moins) << QList<int>{37, 58, 59, 60, 61, 62, 63};
    QTest::newRow("4 contraste+ x25")
        << 4 << 25 << a(&Contraste_Plus) << QList<int>{200, 0, 0, 200};
    QTest::newRow("4 contraste+ x26")
        << 4 << 26 << a(&Contraste_Plus) << QList<int>{204, 0, 0, 204};
    QTest::newRow("4 contraste+ x200")
        << 4 << 200 << a(&Contraste_Plus) << QList<int>{400, 0, 0, 400};
    QTest::newRow("4 contraste- x1")
        << 4 << 1 << a(&Contraste_Moins) << QList<int>{96, 104, 104, 96};
    QTest::newRow("4 contraste- x30")
        << 4 << 30 << a(&Contraste_Moins) << QList<int>{0, 220, 220, 0};
    QTest::newRow("2 contraste+") << 2 << 5 << a(&Contraste_Plus) << QList<int>{200, 200};
    QTest::newRow("2 contraste-") << 2 << 5 << a(&Contraste_Moins) << QList<int>{200, 200};
    QTest::newRow("8 contraste+ x1")
        << 8 << 1 << a(&Contraste_Plus) << QList<int>{63, 56, 55, 55, 55, 56, 63};
    QTest::newRow("8 contraste- x1")
        << 8 << 1 << a(&Contraste_Moins) << QList<int>{51, 60, 59, 59, 59, 60, 51};
    QTest::newRow("8 contraste+ x100")
        << 8 << 100 << a(&Contraste_Plus) << QList<int>{400, 0, 0, 0, 0, 0, 400};
    // After a sum above 400, light still keeps every width within 0-400.
    QTest::newRow("4 contraste+ x26 puis lumiere+")
        << 4 << 26 << a(&Contraste_Plus) << QList<int>{204, 0, 0, 204};
}

void Tst_Niveaux_Bandes::Bandes_Pressions()
{
    QFETCH(int, nombre);
    QFETCH(int, presses);
    QFETCH(quintptr, action);
    QFETCH(QList<int>, attendu);
    const auto n = static_cast<std::uint8_t>(nombre);
    Bandes b = Apres(n, presses, reinterpret_cast<void (*)(Bandes &, std::uint8_t)>(action));
    QCOMPARE(En_Usage(b, n), attendu);
    if (QByteArray(QTest::currentDataTag()).endsWith("lumiere+"))
    {
        Lumiere_Plus(b, n);
        QCOMPARE(En_Usage(b, n), (QList<int>{210, 4, 2, 184}));
    }
    for (int largeur : En_Usage(b, n))
        QVERIFY(largeur >= 0 && largeur <= 400);
}

void Tst_Niveaux_Bandes::Barre_Lumiere_data()
{
    QTest::addColumn<int>("nombre");
    QTest::addColumn<int>("contraste");
    QTest::addColumn<QList<int>>("bords"); // left, right, code per segment
    QTest::newRow("2") << 2 << 0 << QList<int>{0, 200, 0, 200, 400, 1};
    QTest::newRow("4") << 4 << 0 << QList<int>{0, 100, 0, 100, 200, 1, 200, 300, 2, 300, 400, 3};
    QTest::newRow("8") << 8 << 0 << QList<int>{0,   57,  0,   57, 114, 101, 114, 171, 1,   171, 228,
                                               112, 228, 285, 2,  285, 342, 123, 342, 400, 3};
    // Widths above 400: the darkest band starts beyond the bar and does not show.
    QTest::newRow("4 contraste x26") << 4 << 26 << QList<int>{0, 204, 0, 204, 400, 3};
    QTest::newRow("8 contraste x100") << 8 << 100 << QList<int>{0, 400, 0};
}

void Tst_Niveaux_Bandes::Barre_Lumiere()
{
    QFETCH(int, nombre);
    QFETCH(int, contraste);
    QFETCH(QList<int>, bords);
    const auto n = static_cast<std::uint8_t>(nombre);
    const Bandes b = Apres(n, contraste, &Contraste_Plus);
    QList<int> obtenu;
    for (const Segment_Barre &s : Segments_Palette_Lum(b, n))
        obtenu << s.Gauche << s.Droite << s.Code;
    QCOMPARE(obtenu, bords);
}

void Tst_Niveaux_Bandes::Couleurs_Et_Relecture()
{
    // Every code's colour in both modes, and every colour reads back as its own code.
    const struct
    {
        std::uint8_t code;
        std::uint32_t ti, windows;
    } table[] = {{0, 12638144, 16777215},  {101, 11058092, 14737632}, {1, 9478031, 12632256},
                 {112, 7897975, 10526880}, {2, 6317919, 8421504},     {123, 4730656, 4210752},
                 {3, 3157792, 0}};
    for (const auto &t : table)
        for (std::uint8_t n : {4, 8})
        {
            QCOMPARE(Couleur_Affichage(t.code, n, Mode_Gris::TI), t.ti);
            QCOMPARE(Couleur_Affichage(t.code, n, Mode_Gris::Windows), t.windows);
        }
    for (const auto &t : table)
    {
        const bool quatre = t.code <= 3;
        for (Mode_Gris mode : {Mode_Gris::TI, Mode_Gris::Windows})
        {
            const std::uint32_t couleur = mode == Mode_Gris::TI ? t.ti : t.windows;
            QCOMPARE(Classer_Couleur(couleur, 8, mode), t.code);
            if (quatre)
                QCOMPARE(Classer_Couleur(couleur, 4, mode), t.code);
        }
    }
    // Two levels: white and black only; the rest (left over from 4 or 8 levels) in the fallback.
    QCOMPARE(Couleur_Affichage(1, 2, Mode_Gris::TI), 3157792u);
    QCOMPARE(Couleur_Affichage(1, 2, Mode_Gris::Windows), 0u);
    for (std::uint8_t code : {2, 3, 101, 112, 123, 9, 10})
        QCOMPARE(Couleur_Affichage(code, 2, Mode_Gris::TI), Couleur_Repli);
    for (std::uint8_t code : {9, 10, 4, 255})
        QCOMPARE(Couleur_Affichage(code, 8, Mode_Gris::Windows), Couleur_Repli);
    for (Mode_Gris mode : {Mode_Gris::TI, Mode_Gris::Windows})
    {
        QCOMPARE(Classer_Couleur(Couleur_Affichage(1, 2, mode), 2, mode), std::uint8_t(1));
        QCOMPARE(Classer_Couleur(Couleur_Affichage(0, 2, mode), 2, mode), std::uint8_t(0));
        QCOMPARE(Classer_Couleur(Couleur_Repli, 8, mode), std::uint8_t(3));
    }
    QCOMPARE(Classer_Couleur(0, 5, Mode_Gris::TI), std::uint8_t(9));
}

void Tst_Niveaux_Bandes::Echantillonnage_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<bool>("adapter");
    QTest::newRow("320x200 adapte") << QSize(320, 200) << QSize(160, 100) << true;
    QTest::newRow("100x50 adapte") << QSize(100, 50) << QSize(160, 100) << true;
    QTest::newRow("100x50 coupe") << QSize(100, 50) << QSize(160, 100) << false;
    QTest::newRow("4000x3000 adapte") << QSize(4000, 3000) << QSize(240, 128) << true;
    QTest::newRow("1x1 adapte") << QSize(1, 1) << QSize(8, 8) << true;
    QTest::newRow("300x300 coupe") << QSize(300, 300) << QSize(240, 128) << false;
}

void Tst_Niveaux_Bandes::Echantillonnage()
{
    QFETCH(QSize, source);
    QFETCH(QSize, image);
    QFETCH(bool, adapter);
    // Each source pixel carries its own coordinates, in greys that quantise distinctly.
    QImage dessin(source, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            dessin.setPixel(x, y, qRgb(x % 256, y % 256, (x + 2 * y) % 4 == 0 ? 0 : 255));
    const Image_Source src{dessin, image.width(), image.height()};
    Plan plan;
    plan.fill(77);
    Bandes b;
    Convertir_Image(plan, src, image.width(), image.height(), adapter, 4, b);
    for (int x = 0; x < Colonnes_Plan; ++x)
        for (int y = 0; y < Lignes_Plan; ++y)
        {
            const std::uint8_t lu = plan[Indice(x, y)];
            if (x >= image.width() || y >= image.height())
            {
                QCOMPARE(lu, std::uint8_t(77)); // outside the picture: untouched
                continue;
            }
            const int xs = adapter ? x * source.width() / image.width() : x;
            const int ys = adapter ? y * source.height() / image.height() : y;
            const std::uint8_t attendu =
                xs < source.width() && ys < source.height()
                    ? Quantifier_Couleur(Depuis_Rgb(dessin.pixel(xs, ys)), 4, b)
                    : std::uint8_t(0);
            QCOMPARE(lu, attendu);
        }
    if (QByteArray(QTest::currentDataTag()) == "100x50 adapte")
    {
        // Columns 0 and 1 both take source column 0, column 159 takes 99.
        QCOMPARE(159 * 100 / 160, 99);
        QCOMPARE(plan[Indice(1, 0)], plan[Indice(0, 0)]);
    }
}

QTEST_GUILESS_MAIN(Tst_Niveaux_Bandes)
#include "tst_Niveaux_Bandes.moc"
