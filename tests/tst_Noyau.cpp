// The core without windows: the document's operations and the helpers that only the windows
// reached before (transformations, the decimal reading of the number fields).
#include "Document_Image.h"
#include "Lecture_Decimale.h"
#include "Transformations.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace Corvanel;

namespace
{
using Lignes = QList<QList<int>>;

// Rows from the top; every byte outside the picture holds 7, so that a stray write shows.
Plan Plan_De(const Lignes &lignes)
{
    Plan plan;
    plan.fill(7);
    for (int y = 0; y < lignes.size(); ++y)
        for (int x = 0; x < lignes[y].size(); ++x)
            plan[Indice(x, y)] = static_cast<std::uint8_t>(lignes[y][x]);
    return plan;
}

// A source whose every pixel has its own colour, so that any sampling slip changes codes.
QImage Degrade(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, (x * y) % 256));
    return image;
}
} // namespace

Q_DECLARE_METATYPE(Lignes)

class Tst_Noyau : public QObject
{
    Q_OBJECT

private slots:
    void Transformations_data();
    void Transformations();
    void Lecture_Decimale_data();
    void Lecture_Decimale();
    void Tons_Gardes();
    void Sauvegarde_Choisit_Le_Nombre();
};

void Tst_Noyau::Transformations_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<Lignes>("attendu");
    // From the picture {0 1 2} / {3 101 112}, 3 x 2.
    QTest::newRow("miroir horizontal") << 0 << Lignes{{2, 1, 0}, {112, 101, 3}};
    QTest::newRow("miroir vertical") << 1 << Lignes{{3, 101, 112}, {0, 1, 2}};
    QTest::newRow("gauche") << 2 << Lignes{{1, 2, 0}, {101, 112, 3}};
    QTest::newRow("droite") << 3 << Lignes{{2, 0, 1}, {112, 3, 101}};
    QTest::newRow("haut") << 4 << Lignes{{3, 101, 112}, {0, 1, 2}};
    QTest::newRow("mask du fond 1") << 5 << Lignes{{1, 0, 1}, {1, 1, 1}};
    QTest::newRow("mask inverse") << 6 << Lignes{{0, 1, 0}, {0, 0, 0}};
}

void Tst_Noyau::Transformations()
{
    QFETCH(int, operation);
    QFETCH(Lignes, attendu);
    Document_Image document;
    document.Largeur_Image = 3;
    document.Hauteur_Image = 2;
    document.Plan_Image = Plan_De({{0, 1, 2}, {3, 101, 112}});
    document.Plan_Mask = Plan_De({{0, 0, 0}, {0, 0, 0}});
    switch (operation)
    {
    case 0:
        document.Miroir_Horizontal();
        break;
    case 1:
        document.Miroir_Vertical();
        break;
    case 2:
        document.Decaler(-1, 0);
        break;
    case 3:
        document.Decaler(1, 0);
        break;
    case 4:
        document.Decaler(0, -1);
        break;
    case 5:
    case 6:
        document.Creer_Mask_Auto(1);
        if (operation == 6)
            document.Inverser_Mask();
        QCOMPARE(document.Plan_Mask, Plan_De(attendu));
        QCOMPARE(document.Plan_Image, Plan_De({{0, 1, 2}, {3, 101, 112}}));
        return;
    }
    QCOMPARE(document.Plan_Image, Plan_De(attendu));
}

void Tst_Noyau::Lecture_Decimale_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<qlonglong>("valeur");
    QTest::addColumn<int>("octet");
    QTest::newRow("blancs et reste") << "  \t160px" << 160LL << 160;
    QTest::newRow("signe plus") << "+32" << 32LL << 32;
    QTest::newRow("negatif") << "-1" << -1LL << 255;
    QTest::newRow("octet bas") << "300" << 300LL << 44;
    QTest::newRow("sans chiffre") << "x12" << 0LL << 0;
    QTest::newRow("vide") << "" << 0LL << 0;
    QTest::newRow("signe seul") << "-" << 0LL << 0;
    // The value is held, the low byte stays exact: 10^20 is 0 modulo 256.
    QTest::newRow("tres long") << "100000000000000000000" << 1'000'000'000'000LL << 0;
}

void Tst_Noyau::Lecture_Decimale()
{
    QFETCH(QString, texte);
    QFETCH(qlonglong, valeur);
    QFETCH(int, octet);
    const Nombre_Lu lu = Lire_Decimal(texte);
    QCOMPARE(lu.Valeur, valeur);
    QCOMPARE(int(lu.Octet_Bas), octet);
}

// The document keeps the tones between passes: after any sequence of band, count and fit
// changes, its plane is what a conversion from scratch gives with the same choices.
void Tst_Noyau::Tons_Gardes()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("degrade.png"));
    QVERIFY(Degrade(300, 170).save(chemin));
    Document_Image document;
    QCOMPARE(document.Ouvrir(chemin, Genre_Fichier::Autres_Images, 160, 100).Etat,
             Etat_Ouverture::Ok);
    const auto verifier = [&document]
    {
        Plan attendu = document.Plan_Image;
        Convertir_Image(attendu, document.Image_Couleur, document.Largeur_Image,
                        document.Hauteur_Image, document.Conversion, document.Nombre_Couleur,
                        document.Bandes_Lum);
        return attendu == document.Plan_Image;
    };
    QVERIFY(verifier());
    document.Appliquer_Bandes(Action_Bandes::Lumiere_Plus);
    QVERIFY(verifier());
    QVERIFY(document.Choisir_Nombre(8, true));
    document.Appliquer_Bandes(Action_Bandes::Contraste_Moins);
    QVERIFY(verifier());
    Options_Conversion couper = document.Conversion;
    couper.Adapter = false;
    document.Choisir_Conversion(couper, true);
    QVERIFY(verifier());
    // A second picture of the same size must not reuse the first one's tones.
    QVERIFY(Degrade(170, 300).transformed(QTransform().rotate(90)).save(chemin));
    QCOMPARE(document.Ouvrir(chemin, Genre_Fichier::Autres_Images, 160, 100).Etat,
             Etat_Ouverture::Ok);
    QVERIFY(verifier());
}

// A save file selects its level count as a click on the radio would: the bands reset only
// when the count changes, and an unknown count is kept as stored.
void Tst_Noyau::Sauvegarde_Choisit_Le_Nombre()
{
    QTemporaryDir dossier;
    const auto ecrire = [&dossier](int nombre)
    {
        const QString chemin = dossier.filePath(QStringLiteral("s%1.cvl").arg(nombre));
        QFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly))
            return QString();
        fichier.write(QByteArray("\x01\x00\x01\x00", 4) + char(nombre) + QByteArray(3, '\0'));
        return chemin;
    };
    Document_Image document;
    document.Appliquer_Bandes(Action_Bandes::Lumiere_Plus);
    const Bandes eclaircies = document.Bandes_Lum;
    QCOMPARE(document.Ouvrir(ecrire(4), Genre_Fichier::Sauvegarde, 8, 8).Etat, Etat_Ouverture::Ok);
    QCOMPARE(document.Bandes_Lum, eclaircies);
    QCOMPARE(document.Ouvrir(ecrire(3), Genre_Fichier::Sauvegarde, 8, 8).Etat, Etat_Ouverture::Ok);
    QCOMPARE(int(document.Nombre_Couleur), 3);
    QCOMPARE(int(document.Nombre_Choisi), 4);
    QCOMPARE(document.Bandes_Lum, eclaircies);
    document.Ouvrir(ecrire(8), Genre_Fichier::Sauvegarde, 8, 8);
    QCOMPARE(int(document.Nombre_Choisi), 8);
    QCOMPARE(document.Bandes_Lum.Bande_101, 57);
}

QTEST_GUILESS_MAIN(Tst_Noyau)
#include "tst_Noyau.moc"
