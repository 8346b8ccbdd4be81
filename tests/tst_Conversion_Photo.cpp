// The photo modes of the conversion: area sampling, and dithering that keeps an area's tone
// and still answers the light and contrast steps.
#include "Conversion.h"
#include "Conversion_Essai.h"
#include "Document_Image.h"
#include "Tramage.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace Corvanel;

namespace
{
using Essai::Nombres;

constexpr Mode_Tramage Trames[] = {Mode_Tramage::Floyd_Steinberg, Mode_Tramage::Atkinson,
                                   Mode_Tramage::Ordonne_4, Mode_Tramage::Ordonne_8};

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

class Tst_Conversion_Photo : public QObject
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
};

void Tst_Conversion_Photo::Moyenne_Zone_data()
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

void Tst_Conversion_Photo::Moyenne_Zone()
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

void Tst_Conversion_Photo::Gris_Uni_data()
{
    QTest::addColumn<int>("trame");
    QTest::addColumn<int>("nombre");
    for (Mode_Tramage t : Trames)
        for (std::uint8_t n : Nombres)
            QTest::addRow("trame %d, %d niveaux", int(t), n) << int(t) << int(n);
}

void Tst_Conversion_Photo::Gris_Uni()
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

void Tst_Conversion_Photo::Degrade_data()
{
    QTest::addColumn<int>("trame");
    QTest::addColumn<int>("nombre");
    for (Mode_Tramage t : Trames)
        for (std::uint8_t n : Nombres)
            QTest::addRow("trame %d, %d niveaux", int(t), n) << int(t) << int(n);
}

void Tst_Conversion_Photo::Degrade()
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

void Tst_Conversion_Photo::Lumiere_Contraste_data()
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

void Tst_Conversion_Photo::Lumiere_Contraste()
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

QTEST_GUILESS_MAIN(Tst_Conversion_Photo)
#include "tst_Conversion_Photo.moc"
