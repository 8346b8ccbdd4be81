// The conversion's other choices: transparent points, the proportions kept, the exact colours
// of a picture with few of them, and the balanced limits.
#include "Choix_Image.h"
#include "Conversion.h"
#include "Conversion_Essai.h"
#include "Couleurs_Exactes.h"
#include "Document_Image.h"
#include "Gif_Essai.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <numeric>
#include <random>

using namespace Corvanel;

namespace
{
using Essai::Nombres;

// 16 x 8: the left half opaque grey with a white and a half-transparent black point, the
// right half transparent.
QImage Sprite_Transparent()
{
    QImage image(16, 8, QImage::Format_ARGB32);
    image.fill(qRgba(200, 0, 0, 0));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, qRgb(90, 90, 90));
    image.setPixel(3, 3, qRgb(255, 255, 255));
    image.setPixel(5, 5, qRgba(0, 0, 0, 128));
    return image;
}

Document_Image Document_Essai(int largeur, int hauteur, const Options_Conversion &options,
                              std::uint8_t nombre = 4)
{
    Document_Image document;
    document.Choisir_Nombre(nombre, false);
    document.Choisir_Conversion(options, false);
    document.Largeur_Image = static_cast<std::uint8_t>(largeur);
    document.Hauteur_Image = static_cast<std::uint8_t>(hauteur);
    return document;
}
} // namespace

class Tst_Conversion_Options : public QObject
{
    Q_OBJECT

private slots:
    void Transparence_data();
    void Transparence();
    void Proportions_data();
    void Proportions();
    void Couleurs_Exactes_data();
    void Couleurs_Exactes();
    void Decoupe_Exacte();
    void Equilibrer_data();
    void Equilibrer();
};

// Transparent points are white paper no more: level 0, left out of the mask of the
// transparency, and no dither's error crosses them; an opaque point keeps its own colour.
void Tst_Conversion_Options::Transparence_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("echantillonnage");
    QTest::addColumn<int>("trame");
    QTest::newRow("PNG, point") << "png" << 0 << 0;
    QTest::newRow("PNG, moyenne, Floyd-Steinberg") << "png" << 1 << 1;
    QTest::newRow("GIF, point, Floyd-Steinberg") << "gif" << 0 << 1;
    QTest::newRow("GIF, moyenne, Atkinson") << "gif" << 1 << 2;
}

void Tst_Conversion_Options::Transparence()
{
    QFETCH(QString, format);
    QFETCH(int, echantillonnage);
    QFETCH(int, trame);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("sprite." + format);
    const QImage sprite = Sprite_Transparent();
    if (format == "png")
        QVERIFY(sprite.save(chemin));
    else
    {
        // Index 0 transparent; a GIF has no half transparency: the black point is opaque.
        Essai::Image_Gif image{0, 0, 16, 8, 1, 0, {}};
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x)
                image.Indices.push_back(x >= 8               ? 0
                                        : (x == 3 && y == 3) ? 2
                                        : (x == 5 && y == 5) ? 3
                                                             : 1);
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(Essai::Ecrire_Gif(
            16, 8, {qRgb(200, 0, 0), qRgb(90, 90, 90), qRgb(255, 255, 255), qRgb(0, 0, 0)},
            {image}));
    }
    Options_Conversion options;
    options.Echantillonnage = static_cast<Mode_Echantillonnage>(echantillonnage);
    options.Tramage = static_cast<Mode_Tramage>(trame);
    Document_Image document = Document_Essai(16, 8, options);
    QCOMPARE(document.Ouvrir(chemin, Genre_Fichier::Autres_Images, 16, 8).Etat, Etat_Ouverture::Ok);
    QVERIFY(document.Transparence());
    document.Plan_Mask.fill(7);
    document.Creer_Mask_Auto(Fond_Transparence);

    // The opaque half alone, its half-transparent point opaque black.
    QImage opaque = sprite.copy(0, 0, 8, 8).convertToFormat(QImage::Format_RGB32);
    opaque.setPixel(5, 5, qRgb(0, 0, 0));
    Document_Image seul = Document_Essai(8, 8, options);
    seul.Prendre_Source(opaque, 8, 8);
    QVERIFY(!seul.Transparence());
    if (trame == 0)
        QCOMPARE(seul.Plan_Image[Indice(5, 5)], Code::Noir);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
        {
            const std::uint8_t attendu = x < 8 ? seul.Plan_Image[Indice(x, y)] : Code::Blanc;
            QVERIFY2(document.Plan_Image[Indice(x, y)] == attendu,
                     qPrintable(QStringLiteral("code (%1, %2)").arg(x).arg(y)));
            QCOMPARE(document.Plan_Transparence[Indice(x, y)], std::uint8_t(x < 8 ? 0 : 1));
            QCOMPARE(document.Plan_Mask[Indice(x, y)], std::uint8_t(x < 8 ? 1 : 0));
        }
    // The transparency follows the picture's transformations.
    document.Miroir_Horizontal();
    QCOMPARE(document.Plan_Transparence[Indice(0, 0)], std::uint8_t{1});
    QCOMPARE(document.Plan_Transparence[Indice(15, 0)], std::uint8_t{0});
}

// With fitting and the proportions kept, one scale, centred, the odd spare pixel to the right
// or below, the margins white and transparent.
void Tst_Conversion_Options::Proportions_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("cadre");
    QTest::addColumn<bool>("proportions");
    QTest::addColumn<int>("echantillonnage");
    QTest::addColumn<QRect>("image");
    QTest::newRow("carré sur TI 89, étiré")
        << QSize(40, 40) << QSize(160, 100) << false << 0 << QRect(0, 0, 160, 100);
    QTest::newRow("carré sur TI 89")
        << QSize(40, 40) << QSize(160, 100) << true << 0 << QRect(30, 0, 100, 100);
    QTest::newRow("carré sur TI 89, moyenne")
        << QSize(400, 400) << QSize(160, 100) << true << 1 << QRect(30, 0, 100, 100);
    QTest::newRow("marge impaire à droite")
        << QSize(10, 10) << QSize(15, 8) << true << 0 << QRect(3, 0, 8, 8);
    QTest::newRow("marge impaire en bas")
        << QSize(10, 10) << QSize(8, 15) << true << 1 << QRect(0, 3, 8, 8);
    QTest::newRow("côté arrondi") << QSize(30, 7) << QSize(16, 16) << true << 0
                                  << QRect(0, 6, 16, 4);
}

void Tst_Conversion_Options::Proportions()
{
    QFETCH(QSize, source);
    QFETCH(QSize, cadre);
    QFETCH(bool, proportions);
    QFETCH(int, echantillonnage);
    QFETCH(QRect, image);
    QImage noire(source, QImage::Format_RGB32);
    noire.fill(Qt::black);
    Options_Conversion options;
    options.Proportions = proportions;
    options.Echantillonnage = static_cast<Mode_Echantillonnage>(echantillonnage);
    Document_Image document = Document_Essai(cadre.width(), cadre.height(), options);
    document.Prendre_Source(noire, cadre.width(), cadre.height());
    for (int y = 0; y < cadre.height(); ++y)
        for (int x = 0; x < cadre.width(); ++x)
        {
            const bool dedans = image.contains(x, y);
            QVERIFY2(document.Plan_Image[Indice(x, y)] == (dedans ? Code::Noir : Code::Blanc),
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            QCOMPARE(document.Plan_Transparence[Indice(x, y)], std::uint8_t(dedans ? 0 : 1));
        }
    // Without fitting, the proportions change nothing.
    options.Adapter = false;
    document.Choisir_Conversion(options, true);
    QCOMPARE(document.Transparence(), false);
}

// Each row: the colours of a picture, one point each and a transparent point last, and the
// level each must take; the light, the contrast and the dither do not apply.
void Tst_Conversion_Options::Couleurs_Exactes_data()
{
    QTest::addColumn<int>("nombre");
    QTest::addColumn<QList<QRgb>>("couleurs");
    QTest::addColumn<QList<int>>("codes");
    const auto gris = [](std::initializer_list<int> v)
    {
        QList<QRgb> l;
        for (int g : v)
            l << qRgb(g, g, g);
        return l;
    };
    // Luminance 38.272, nearer black than white.
    QTest::newRow("2 niveaux, une couleur") << 2 << QList<QRgb>{qRgb(128, 0, 0)} << QList<int>{1};
    QTest::newRow("2 niveaux, deux couleurs")
        << 2 << QList<QRgb>{qRgb(0, 0, 128), qRgb(255, 255, 180)} << QList<int>{1, 0};
    QTest::newRow("2 niveaux, trois couleurs") << 2 << gris({10, 250, 200}) << QList<int>{1, 0, 0};
    // 127 of 255 on three steps is 1.494 steps from white.
    QTest::newRow("4 niveaux, une couleur") << 4 << gris({128}) << QList<int>{1};
    // The middle one at 1.5 steps goes to the darker.
    QTest::newRow("4 niveaux, trois couleurs") << 4 << gris({0, 100, 255}) << QList<int>{3, 2, 0};
    QTest::newRow("4 niveaux, quatre couleurs de pixel art")
        << 4
        << QList<QRgb>{qRgb(0, 0, 128), qRgb(200, 0, 0), qRgb(255, 160, 0), qRgb(255, 255, 180)}
        << QList<int>{3, 2, 1, 0};
    QTest::newRow("4 niveaux, cinq couleurs")
        << 4 << gris({0, 60, 150, 240, 250}) << QList<int>{3, 2, 1, 0, 0};
    QTest::newRow("8 niveaux, quatre couleurs")
        << 8 << gris({0, 80, 160, 240}) << QList<int>{3, 2, 1, 0};
    QTest::newRow("8 niveaux, sept couleurs")
        << 8 << gris({0, 40, 80, 120, 160, 200, 240}) << QList<int>{3, 123, 2, 112, 1, 101, 0};
    // The two closest pairs share a level: 150 and 148, then 255 and 250.
    QTest::newRow("8 niveaux, neuf couleurs")
        << 8 << gris({255, 250, 200, 150, 148, 100, 60, 30, 0})
        << QList<int>{0, 0, 101, 1, 1, 112, 2, 123, 3};
}

void Tst_Conversion_Options::Couleurs_Exactes()
{
    QFETCH(int, nombre);
    QFETCH(QList<QRgb>, couleurs);
    QFETCH(QList<int>, codes);
    const int k = static_cast<int>(couleurs.size());
    // Each colour on two rows, so that the area mean would mix them: the exact colours take
    // the nearest point whatever the sampling.
    QImage source(k + 1, 2, QImage::Format_ARGB32);
    source.fill(qRgba(0, 0, 0, 0));
    for (int x = 0; x < k; ++x)
        for (int y = 0; y < 2; ++y)
            source.setPixel(x, y, couleurs[x]);
    Options_Conversion options;
    options.Teinte = Mode_Teinte::Couleurs_Exactes;
    options.Echantillonnage = Mode_Echantillonnage::Moyenne_Zone;
    options.Tramage = Mode_Tramage::Floyd_Steinberg;
    Document_Image document = Document_Essai(k + 1, 1, options, std::uint8_t(nombre));
    document.Appliquer_Bandes(Action_Bandes::Lumiere_Plus);
    document.Prendre_Source(source, k + 1, 1);
    for (int x = 0; x < k; ++x)
        QVERIFY2(
            document.Plan_Image[Indice(x, 0)] == codes[x],
            qPrintable(
                QStringLiteral("couleur %1 : %2").arg(x).arg(document.Plan_Image[Indice(x, 0)])));
    QCOMPARE(document.Plan_Image[Indice(k, 0)], Code::Blanc);
}

// More colours than levels: runs of neighbouring greys, every level used in order, and a squared
// error no split does better than, as the plain dynamic program finds it.
void Tst_Conversion_Options::Decoupe_Exacte()
{
    QRandomGenerator hasard(23);
    for (int essai = 0; essai < 12; ++essai)
    {
        const std::uint8_t nombre = Nombres[essai % 3];
        const std::vector<std::uint8_t> codes = Codes_En_Usage(nombre);
        std::vector<int> gris(256);
        std::iota(gris.begin(), gris.end(), 0);
        std::shuffle(gris.begin(), gris.end(), hasard);
        gris.resize(std::size_t(8 + hasard.bounded(120)));
        std::vector<std::uint32_t> couleurs;
        for (int g : gris)
            couleurs.push_back(65793u * std::uint32_t(g));
        const std::vector<std::uint8_t> niveaux = Niveaux_Couleurs(couleurs, nombre);
        std::vector<std::pair<int, int>> ordre; // light first: grey, level's rank
        for (std::size_t i = 0; i < gris.size(); ++i)
            ordre.push_back(
                {-gris[i], int(std::find(codes.begin(), codes.end(), niveaux[i]) - codes.begin())});
        std::sort(ordre.begin(), ordre.end());
        const int k = int(ordre.size()), t = int(codes.size());
        const auto ecart = [&](int a, int b)
        {
            double s = 0, s2 = 0;
            for (int i = a; i < b; ++i)
                s += ordre[std::size_t(i)].first,
                    s2 += double(ordre[std::size_t(i)].first) * ordre[std::size_t(i)].first;
            return s2 - s * s / (b - a);
        };
        double obtenu = 0;
        for (int a = 0, b = 0; a < k; a = b)
        {
            while (b < k && ordre[std::size_t(b)].second == ordre[std::size_t(a)].second)
                ++b;
            QCOMPARE(ordre[std::size_t(a)].second,
                     a == 0 ? 0 : ordre[std::size_t(a - 1)].second + 1);
            obtenu += ecart(a, b);
        }
        QCOMPARE(ordre.back().second, t - 1);
        std::vector<double> d(std::size_t(k) + 1, 1e300);
        d[0] = 0;
        for (int g = 0; g < t; ++g)
            for (int j = k; j >= 1; --j)
                for (int i = 0; i < j; ++i)
                    d[std::size_t(j)] =
                        std::min(d[std::size_t(j)], d[std::size_t(i)] + ecart(i, j));
        QVERIFY2(obtenu <= d[std::size_t(k)] + 1e-6,
                 qPrintable(QStringLiteral("%1 gris : %2 au lieu de %3")
                                .arg(k)
                                .arg(obtenu)
                                .arg(d[std::size_t(k)])));
    }
}

// "Équilibrer": each limit as near as whole units allow to the middle between two even tones,
// so that the greys on either side of that middle part there.
void Tst_Conversion_Options::Equilibrer_data()
{
    QTest::addColumn<int>("nombre");
    QTest::addColumn<QList<int>>("bandes"); // lightest first
    QTest::addColumn<QList<int>>("gris");   // pairs of greys parted by a limit
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("2 niveaux") << 2 << QList<int>{190, 210} << QList<int>{127, 128}
                               << QList<int>{1, 0};
    QTest::newRow("4 niveaux") << 4 << QList<int>{50, 140, 140, 70} << QList<int>{42, 43, 212, 213}
                               << QList<int>{3, 2, 1, 0};
    QTest::newRow("8 niveaux") << 8 << QList<int>{16, 69, 70, 70, 70, 70, 35}
                               << QList<int>{21, 22, 233, 234} << QList<int>{3, 123, 101, 0};
}

void Tst_Conversion_Options::Equilibrer()
{
    QFETCH(int, nombre);
    QFETCH(QList<int>, bandes);
    QFETCH(QList<int>, gris);
    QFETCH(QList<int>, codes);
    const auto n = static_cast<std::uint8_t>(nombre);
    Document_Image document = Document_Essai(1, 1, {}, n);
    document.Appliquer_Bandes(Action_Bandes::Contraste_Plus);
    document.Appliquer_Bandes(Action_Bandes::Equilibrer);
    QList<int> lues;
    for (std::int32_t *b : Bandes_En_Usage(document.Bandes_Lum, n))
        lues << *b;
    QCOMPARE(lues, bandes);
    for (qsizetype i = 0; i < gris.size(); ++i)
        QCOMPARE(int(Quantifier_Couleur(65793u * std::uint32_t(gris[i]), n, document.Bandes_Lum)),
                 codes[i]);
}

QTEST_GUILESS_MAIN(Tst_Conversion_Options)
#include "tst_Conversion_Options.moc"
