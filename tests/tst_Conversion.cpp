// The photo modes of the conversion: area sampling, and dithering that keeps an area's tone
// and still answers the light and contrast steps.
#include "Choix_Image.h"
#include "Conversion.h"
#include "Couleurs_Exactes.h"
#include "Document_Image.h"
#include "Gif_Essai.h"
#include "Tramage.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <numeric>
#include <random>

using namespace Corvanel;

namespace
{
constexpr Mode_Tramage Trames[] = {Mode_Tramage::Floyd_Steinberg, Mode_Tramage::Atkinson,
                                   Mode_Tramage::Ordonne_4, Mode_Tramage::Ordonne_8};
constexpr std::uint8_t Nombres[] = {2, 4, 8};

// The average over the covered rectangle, the slow and obvious way: each pixel weighs its
// covered part and its alpha; the last channel is the mean alpha.
std::array<double, 4> Moyenne_Attendue(const QImage &image, int x, int y, int wf, int hf)
{
    const double sx = double(image.width()) / wf, sy = double(image.height()) / hf;
    const double x0 = x * sx, x1 = x0 + sx, y0 = y * sy, y1 = y0 + sy;
    std::array<double, 4> somme{};
    for (int ys = 0; ys < image.height(); ++ys)
        for (int xs = 0; xs < image.width(); ++xs)
        {
            const double part = std::max(0.0, std::min(xs + 1.0, x1) - std::max(double(xs), x0)) *
                                std::max(0.0, std::min(ys + 1.0, y1) - std::max(double(ys), y0));
            const QColor c = image.pixelColor(xs, ys);
            const double a = part * c.alpha();
            somme[0] += a * c.red();
            somme[1] += a * c.green();
            somme[2] += a * c.blue();
            somme[3] += a;
        }
    for (int c = 0; c < 3; ++c)
        somme[std::size_t(c)] /= somme[3];
    somme[3] /= sx * sy;
    return somme;
}

QImage Hasard(int largeur, int hauteur, QImage::Format format, bool alpha = false)
{
    QRandomGenerator aleatoire(largeur * 1000 + hauteur);
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            image.setPixel(x, y, aleatoire.generate() | (alpha ? 0x3F000000u : 0xFF000000u));
    return image.convertToFormat(format);
}

// Strips of eight columns: the widest threshold pattern, so that one strip holds every
// threshold of a row.
std::vector<double> Bandes_Verticales(const Plan &plan, int largeur, int hauteur,
                                      std::uint8_t nombre)
{
    std::vector<double> moyennes;
    for (int x0 = 0; x0 + 8 <= largeur; x0 += 8)
    {
        double somme = 0;
        for (int x = x0; x < x0 + 8; ++x)
            for (int y = 0; y < hauteur; ++y)
                somme += Ton_Pair(plan[Indice(x, y)], nombre);
        moyennes.push_back(somme / (8 * hauteur));
    }
    return moyennes;
}

double Ton_Moyen(const Plan &plan, int largeur, int hauteur, std::uint8_t nombre)
{
    double somme = 0;
    for (int x = 0; x < largeur; ++x)
        for (int y = 0; y < hauteur; ++y)
            somme += Ton_Pair(plan[Indice(x, y)], nombre);
    return somme / (largeur * hauteur);
}

// The spread of the tones seen at arm's length: over blocks of the widest pattern.
double Etalement(const Plan &plan, int largeur, int hauteur, std::uint8_t nombre)
{
    std::vector<double> v;
    for (int x0 = 0; x0 + 8 <= largeur; x0 += 8)
        for (int y0 = 0; y0 + 8 <= hauteur; y0 += 8)
        {
            double somme = 0;
            for (int x = x0; x < x0 + 8; ++x)
                for (int y = y0; y < y0 + 8; ++y)
                    somme += Ton_Pair(plan[Indice(x, y)], nombre);
            v.push_back(somme / 64);
        }
    double m = 0, e = 0;
    for (double x : v)
        m += x / double(v.size());
    for (double x : v)
        e += (x - m) * (x - m) / double(v.size());
    return std::sqrt(e);
}

QImage Source_Degrade(int largeur)
{
    QImage image(largeur, 1, QImage::Format_RGB32);
    for (int x = 0; x < largeur; ++x)
    {
        const int v = x * 255 / (largeur - 1);
        image.setPixel(x, 0, qRgb(v, v, v));
    }
    return image;
}
} // namespace

class Tst_Conversion : public QObject
{
    Q_OBJECT

private slots:
    void Moyenne_Zone_data();
    void Moyenne_Zone();
    void Gris_Uni_data();
    void Gris_Uni();
    void Degrade_data();
    void Degrade();
    void Lumiere_Contraste_data();
    void Lumiere_Contraste();
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

void Tst_Conversion::Moyenne_Zone_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<QSize>("cadre");
    QTest::addColumn<bool>("adapter");
    QTest::addColumn<double>("attendu"); // every channel of point (0, 0), when given

    QImage damier(2, 2, QImage::Format_RGB32);
    damier.setPixel(0, 0, qRgb(0, 0, 0));
    damier.setPixel(1, 1, qRgb(0, 0, 0));
    damier.setPixel(1, 0, qRgb(255, 255, 255));
    damier.setPixel(0, 1, qRgb(255, 255, 255));
    QTest::newRow("damier 2x2 sur 1x1") << damier << QSize(1, 1) << true << 127.5;
    // Transparent below a mean alpha of 128 (then -3); otherwise the visible pixels' colour.
    QImage transparent(2, 1, QImage::Format_ARGB32);
    transparent.setPixel(0, 0, qRgba(0, 0, 0, 0));
    transparent.setPixel(1, 0, qRgba(0, 0, 0, 255));
    QTest::newRow("moitie transparente") << transparent << QSize(1, 1) << true << -3.0;
    QImage pondere(2, 1, QImage::Format_ARGB32);
    pondere.setPixel(0, 0, qRgba(255, 255, 255, 64));
    pondere.setPixel(1, 0, qRgba(0, 0, 0, 255));
    QTest::newRow("alpha pondere") << pondere << QSize(1, 1) << true << 64.0 * 255 / 319;
    QTest::newRow("alpha 37x23 sur 10x7")
        << Hasard(37, 23, QImage::Format_ARGB32, true) << QSize(10, 7) << true << -1.0;
    QTest::newRow("alpha premultiplie 9x8 sur 4x3")
        << Hasard(9, 8, QImage::Format_ARGB32_Premultiplied, true) << QSize(4, 3) << true << -1.0;
    QTest::newRow("37x23 sur 10x7")
        << Hasard(37, 23, QImage::Format_RGB32) << QSize(10, 7) << true << -1.0;
    // More than 256 whole rows under one point.
    QTest::newRow("5x700 sur 2x1")
        << Hasard(5, 700, QImage::Format_RGB32) << QSize(2, 1) << true << -1.0;
    QTest::newRow("agrandie 7x5 sur 16x12")
        << Hasard(7, 5, QImage::Format_RGB32) << QSize(16, 12) << true << -1.0;
    QTest::newRow("24 bits 61x40 sur 16x9")
        << Hasard(61, 40, QImage::Format_RGB888) << QSize(16, 9) << true << -1.0;
    QTest::newRow("coupee 30x20") << Hasard(30, 20, QImage::Format_RGB32) << QSize(16, 9) << false
                                  << -1.0;
}

void Tst_Conversion::Moyenne_Zone()
{
    QFETCH(QImage, source);
    QFETCH(QSize, cadre);
    QFETCH(bool, adapter);
    QFETCH(double, attendu);
    // The picture is wider and taller than the frame: the points past it lie outside.
    const int largeur = cadre.width() + 3, hauteur = cadre.height() + 2;
    const Image_Source src{source, cadre.width(), cadre.height()};
    Echantillons zone;
    Etape_Reechantillonnage(Mode_Echantillonnage::Moyenne_Zone)
        .Reechantillonner(src, largeur, hauteur, adapter, zone);
    Echantillons point;
    Etape_Reechantillonnage(Mode_Echantillonnage::Point)
        .Reechantillonner(src, largeur, hauteur, adapter, point);
    QCOMPARE(zone.Largeur, largeur);
    QCOMPARE(zone.Hauteur, hauteur);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
        {
            const Echantillon &e = zone.Points[std::size_t(y * largeur + x)];
            const Echantillon &p = point.Points[std::size_t(y * largeur + x)];
            QCOMPARE(e.Dedans, p.Dedans);
            if (!e.Dedans)
                continue;
            const std::array<double, 4> voulu =
                adapter ? Moyenne_Attendue(source, x, y, cadre.width(), cadre.height())
                        : std::array<double, 4>{p.Rouge, p.Vert, p.Bleu, p.Transparent ? 0. : 255.};
            QCOMPARE(e.Transparent, voulu[3] < 128);
            if (e.Transparent)
                continue;
            const double lu[] = {e.Rouge, e.Vert, e.Bleu};
            for (int c = 0; c < 3; ++c)
                QVERIFY2(std::abs(lu[c] - voulu[std::size_t(c)]) < 1e-3,
                         qPrintable(QStringLiteral("(%1, %2) canal %3: %4 au lieu de %5")
                                        .arg(x)
                                        .arg(y)
                                        .arg(c)
                                        .arg(lu[c])
                                        .arg(voulu[std::size_t(c)])));
        }
    if (attendu >= 0)
        QCOMPARE(zone.Points[0].Rouge, float(attendu));
    if (attendu == -3.0)
        QVERIFY(zone.Points[0].Transparent);
}

void Tst_Conversion::Gris_Uni_data()
{
    QTest::addColumn<int>("trame");
    QTest::addColumn<int>("nombre");
    for (Mode_Tramage t : Trames)
        for (std::uint8_t n : Nombres)
            QTest::addRow("trame %d, %d niveaux", int(t), n) << int(t) << int(n);
}

void Tst_Conversion::Gris_Uni()
{
    QFETCH(int, trame);
    QFETCH(int, nombre);
    const int gris = 128;
    QImage uni(1, 1, QImage::Format_RGB32);
    uni.fill(qRgb(gris, gris, gris));
    Options_Conversion options;
    options.Tramage = static_cast<Mode_Tramage>(trame);
    const auto n = static_cast<std::uint8_t>(nombre);
    Bandes b;
    Reinitialiser(b, n);
    Plan plan{};
    Convertir_Image(plan, {uni, 160, 100}, 160, 100, options, n, b);
    // With the default widths a mid grey keeps its own tone.
    const double moyen = Ton_Moyen(plan, 160, 100, n);
    QVERIFY2(std::abs(moyen - gris) <= 0.02 * gris, qPrintable(QString::number(moyen)));
}

void Tst_Conversion::Degrade_data()
{
    QTest::addColumn<int>("trame");
    QTest::addColumn<int>("nombre");
    for (Mode_Tramage t : Trames)
        for (std::uint8_t n : Nombres)
            QTest::addRow("trame %d, %d niveaux", int(t), n) << int(t) << int(n);
}

void Tst_Conversion::Degrade()
{
    QFETCH(int, trame);
    QFETCH(int, nombre);
    Options_Conversion options;
    options.Echantillonnage = Mode_Echantillonnage::Moyenne_Zone;
    options.Tramage = static_cast<Mode_Tramage>(trame);
    const auto n = static_cast<std::uint8_t>(nombre);
    Bandes b;
    Reinitialiser(b, n);
    Plan plan{};
    Convertir_Image(plan, {Source_Degrade(720), 240, 128}, 240, 128, options, n, b);
    // A single column's mean wanders with any dither; a strip of the widest pattern's width
    // must not get darker.
    const std::vector<double> moyennes = Bandes_Verticales(plan, 240, 128, n);
    for (std::size_t i = 1; i < moyennes.size(); ++i)
        QVERIFY2(moyennes[i] >= moyennes[i - 1], qPrintable(QStringLiteral("bande %1: %2 après %3")
                                                                .arg(i)
                                                                .arg(moyennes[i])
                                                                .arg(moyennes[i - 1])));
    QVERIFY(moyennes.front() < 10 && moyennes.back() > 245);
}

void Tst_Conversion::Lumiere_Contraste_data()
{
    QTest::addColumn<int>("echantillonnage");
    QTest::addColumn<int>("teinte");
    QTest::addColumn<int>("trame");
    QTest::addColumn<int>("nombre");
    for (int e : {0, 1})
        for (int t : {0, 1})
            for (int q = 0; q <= int(Mode_Tramage::Ordonne_8); ++q)
                for (std::uint8_t n : Nombres)
                    QTest::addRow("%d %d %d, %d niveaux", e, t, q, n) << e << t << q << int(n);
}

void Tst_Conversion::Lumiere_Contraste()
{
    QFETCH(int, echantillonnage);
    QFETCH(int, teinte);
    QFETCH(int, trame);
    QFETCH(int, nombre);
    // A photo-like source: every colour of a smooth field.
    QImage source(320, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x)
            source.setPixel(x, y, qRgb(x * 255 / 319, y * 255 / 199, (x + y) * 255 / 518));
    Document_Image document;
    document.Largeur_Image = 160;
    document.Hauteur_Image = 100;
    document.Choisir_Nombre(static_cast<std::uint8_t>(nombre), false);
    Options_Conversion options;
    options.Echantillonnage = static_cast<Mode_Echantillonnage>(echantillonnage);
    options.Teinte = static_cast<Mode_Teinte>(teinte);
    options.Tramage = static_cast<Mode_Tramage>(trame);
    document.Choisir_Conversion(options, false);
    document.Prendre_Source(source, 160, 100);
    const auto n = document.Nombre_Couleur;
    const double avant = Ton_Moyen(document.Plan_Image, 160, 100, n);
    const double etalement = Etalement(document.Plan_Image, 160, 100, n);

    document.Appliquer_Bandes(Action_Bandes::Lumiere_Plus);
    QVERIFY2(Ton_Moyen(document.Plan_Image, 160, 100, n) > avant, "Lumière + n'éclaircit pas");

    document.Appliquer_Bandes(Action_Bandes::Reinitialisation);
    if (n != 2) // with two levels contrast moves no band
    {
        document.Appliquer_Bandes(Action_Bandes::Contraste_Plus);
        document.Appliquer_Bandes(Action_Bandes::Contraste_Plus);
        QVERIFY2(Etalement(document.Plan_Image, 160, 100, n) > etalement,
                 "Contraste + n'étale pas les tons");
    }
}

namespace
{
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

// Transparent points are white paper no more: level 0, left out of the mask of the
// transparency, and no dither's error crosses them; an opaque point keeps its own colour.
void Tst_Conversion::Transparence_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("echantillonnage");
    QTest::addColumn<int>("trame");
    QTest::newRow("PNG, point") << "png" << 0 << 0;
    QTest::newRow("PNG, moyenne, Floyd-Steinberg") << "png" << 1 << 1;
    QTest::newRow("GIF, point, Floyd-Steinberg") << "gif" << 0 << 1;
    QTest::newRow("GIF, moyenne, Atkinson") << "gif" << 1 << 2;
}

void Tst_Conversion::Transparence()
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
void Tst_Conversion::Proportions_data()
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

void Tst_Conversion::Proportions()
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
void Tst_Conversion::Couleurs_Exactes_data()
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

void Tst_Conversion::Couleurs_Exactes()
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
void Tst_Conversion::Decoupe_Exacte()
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
void Tst_Conversion::Equilibrer_data()
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

void Tst_Conversion::Equilibrer()
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

QTEST_GUILESS_MAIN(Tst_Conversion)
#include "tst_Conversion.moc"
