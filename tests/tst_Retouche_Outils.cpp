// The drawing and text tools through the real windows: mouse events on the edit surface at
// every zoom, the plane read back after each release, undo, the live trace and the text drawn.
#include "Retouche_Essai.h"

#include <QtTest>

using namespace Corvanel;

namespace
{
using Essai::Appuyer;
using Essai::Choisir_Outil;
using Essai::Cliquer;
using Essai::Fond;
using Essai::Nouvelle_Image;
using Essai::Point_Cellule;
using Essai::Relacher;
using Essai::Souris;
using Essai::Surface;

struct Clic
{
    int X; // cell
    int Y;
    Qt::MouseButton Bouton = Qt::LeftButton;
};

// Picture maps: '.' the dark grey background (code 2), '#' black (3), 'o' white (0).
char Symbole(std::uint8_t code)
{
    switch (code)
    {
    case Code::Gris_Fonce:
        return '.';
    case Code::Noir:
        return '#';
    case Code::Blanc:
        return 'o';
    default:
        return '?';
    }
}

QStringList Carte()
{
    QStringList lignes;
    for (int y = 0; y < FEcran->Hauteur_Image; ++y)
    {
        QString ligne;
        for (int x = 0; x < FEcran->Largeur_Image; ++x)
            ligne += QLatin1Char(Symbole(FEcran->Plan_Image[Indice(x, y)]));
        lignes << ligne;
    }
    return lignes;
}

void Deplacer(QPoint point, Qt::MouseButtons boutons = Qt::NoButton)
{
    Souris(QEvent::MouseMove, point, Qt::NoButton, boutons);
}

std::uint32_t Pixel(int x, int y)
{
    return Surface()->Lire_Pixel(x, y);
}
} // namespace

Q_DECLARE_METATYPE(QList<Clic>)

class Tst_Retouche_Outils : public QObject
{
    Q_OBJECT

    Dialogues_Factices Dialogues_Test;

private slots:
    void initTestCase() { Essai::Ouvrir_Retouche(Dialogues_Test); }

    void cleanupTestCase() { Detruire_Fenetres(); }

    void formes_data()
    {
        QTest::addColumn<int>("outil");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QList<Clic>>("clics");
        QTest::addColumn<QStringList>("attendu");

        const QStringList ligne = {"........", ".#####..", "........",
                                   "........", "........", "........"};
        const QStringList rectangle = {"........", ".ooooo..", ".o###o..",
                                       ".o###o..", ".ooooo..", "........"};
        const QStringList polyligne = {"........", ".#####..", ".....#..",
                                       ".....#..", "........", "........"};
        const QStringList intacte(6, QStringLiteral("........"));
        for (int zoom : {1, 3})
        {
            const QByteArray z = " at zoom " + QByteArray::number(zoom);
            QTest::newRow("line" + z) << 2 << zoom << QList<Clic>{{1, 1}, {5, 1}} << ligne;
            QTest::newRow("line, right button" + z)
                << 2 << zoom << QList<Clic>{{5, 1, Qt::RightButton}, {1, 1, Qt::RightButton}}
                << ligne;
            QTest::newRow("vertical line" + z) << 2 << zoom << QList<Clic>{{6, 0}, {6, 5}}
                                               << QStringList{"......#.", "......#.", "......#.",
                                                              "......#.", "......#.", "......#."};
            QTest::newRow("diagonal line" + z) << 2 << zoom << QList<Clic>{{0, 0}, {4, 4}}
                                               << QStringList{"#.......", ".#......", "..#.....",
                                                              "...#....", "....#...", "........"};
            QTest::newRow("rectangle" + z) << 3 << zoom << QList<Clic>{{1, 1}, {5, 4}} << rectangle;
            QTest::newRow("rectangle, other way round" + z)
                << 3 << zoom << QList<Clic>{{5, 4}, {1, 1}} << rectangle;
            QTest::newRow("thin rectangle" + z) << 3 << zoom << QList<Clic>{{1, 1}, {6, 2}}
                                                << QStringList{"........", ".oooooo.", ".oooooo.",
                                                               "........", "........", "........"};
            QTest::newRow("ellipse" + z) << 4 << zoom << QList<Clic>{{0, 0}, {6, 4}}
                                         << QStringList{".??#??..", "???????.", "#??.??#.",
                                                        "???????.", ".??#??..", "........"};
            QTest::newRow("triangle" + z)
                << 5 << zoom << QList<Clic>{{0, 0}, {6, 0}, {0, 6}}
                << QStringList{"ooooooo.", "o###?o?.", "o##?o?..", "o#?o?...",
                               "o?o?....", "oo?.....", "o?......", "........"};
            QTest::newRow("triangle, two clicks only" + z)
                << 5 << zoom << QList<Clic>{{0, 0}, {6, 0}} << intacte;
            QTest::newRow("polyline" + z)
                << 6 << zoom << QList<Clic>{{1, 1}, {5, 1}, {5, 3}, {0, 5, Qt::RightButton}}
                << polyligne;
            QTest::newRow("polyline, middle button" + z)
                << 6 << zoom << QList<Clic>{{1, 1}, {5, 1}, {5, 3}, {7, 5, Qt::MiddleButton}}
                << polyligne;
            QTest::newRow("polyline of one point" + z)
                << 6 << zoom << QList<Clic>{{3, 3}, {5, 5, Qt::RightButton}} << intacte;
            QTest::newRow("pencil, left" + z) << 1 << zoom << QList<Clic>{{2, 3}}
                                              << QStringList{"........", "........", "........",
                                                             "..#.....", "........", "........"};
            QTest::newRow("pencil, right" + z) << 1 << zoom << QList<Clic>{{2, 3, Qt::RightButton}}
                                               << QStringList{"........", "........", "........",
                                                              "..o.....", "........", "........"};
        }
    }

    // Each tool at zoom 1 and 3, clicked at the far corner of each cell: the plane after the
    // last release, with the start-up colours (left black, right white) on dark grey.
    void formes()
    {
        QFETCH(int, outil);
        QFETCH(int, zoom);
        QFETCH(QList<Clic>, clics);
        QFETCH(QStringList, attendu);
        Nouvelle_Image(static_cast<int>(attendu[0].size()), static_cast<int>(attendu.size()), zoom);
        Choisir_Outil(outil);
        for (const Clic &clic : clics)
        {
            QVERIFY(!FMain->Outil[9]->isEnabled() || outil == 1 || &clic == &clics.back());
            Cliquer(Point_Cellule(clic.X, clic.Y), clic.Bouton);
        }
        QCOMPARE(FEcran->Etape_Outil, outil == 5 && clics.size() == 2 ? 2 : 0);
        const QStringList obtenu = Carte();
        for (int y = 0; y < attendu.size(); ++y)
            for (int x = 0; x < attendu[y].size(); ++x)
                if (attendu[y][x] != QLatin1Char('?') && obtenu[y][x] != attendu[y][x])
                    QFAIL(qPrintable(QStringLiteral("cell (%1, %2):\n%3")
                                         .arg(x)
                                         .arg(y)
                                         .arg(obtenu.join(QLatin1Char('\n')))));
    }

    // Display (7, 4) at zoom 3 lies in cell (2, 1); the pen is one cell wide.
    void accrochage()
    {
        Nouvelle_Image(8, 6, 3);
        Cliquer({7, 4});
        QCOMPARE(Carte()[1], QStringLiteral("..#....."));
        QCOMPARE(FEcran->Plan_Image[Indice(2, 1)], Code::Noir);
        QCOMPARE(Pixel(6, 3), Pixel(8, 5));
        QVERIFY(Pixel(5, 3) != Pixel(6, 3));
        QVERIFY(Pixel(9, 3) != Pixel(6, 3));

        Choisir_Outil(2);
        Cliquer({7, 13});
        QCOMPARE(FEcran->Points_Outil[0], QPoint(6, 12));
        Cliquer({17, 14});
        QCOMPARE(Carte()[4], QStringLiteral("..####.."));
        // The line's band is three display rows, exactly those of its cells.
        for (int y = 11; y <= 15; ++y)
            QCOMPARE(Pixel(10, y) == Couleur_Affichage(Code::Noir, 4, Mode_Gris::TI),
                     y >= 12 && y <= 14);
    }

    void crayon_data()
    {
        QTest::addColumn<Qt::MouseButton>("bouton");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("left drag") << Qt::LeftButton << QStringLiteral(".####.#.");
        QTest::newRow("right drag") << Qt::RightButton << QStringLiteral("......o.");
    }

    // A drag paints the cells the mouse passes over, gaps included; the release paints in the
    // colour of its button. A right drag paints nothing but the release cell.
    void crayon()
    {
        QFETCH(Qt::MouseButton, bouton);
        QFETCH(QString, attendu);
        Nouvelle_Image(8, 3, 3);
        Appuyer(Point_Cellule(1, 1), bouton);
        QCOMPARE(FMain->Outil[9]->isEnabled(), bouton == Qt::LeftButton);
        for (int x : {1, 2, 3, 4})
            Deplacer(Point_Cellule(x, 1), bouton);
        // The plane changes only at the release.
        QCOMPARE(FEcran->Plan_Image[Indice(2, 1)], Fond);
        Relacher(Point_Cellule(6, 1), bouton);
        QCOMPARE(Carte()[1], attendu);
        QVERIFY(!FEcran->Crayon_Actif);
        QVERIFY(FMain->Outil[9]->isEnabled());
        // A move after the release paints nothing.
        Deplacer(Point_Cellule(0, 0));
        QCOMPARE(Pixel(0, 0), Couleur_Affichage(Fond, 4, Mode_Gris::TI));
    }

    // Undo brings back the picture before the last action; the one before it is a step too.
    void annulation()
    {
        Nouvelle_Image(8, 6, 2);
        const Plan vide = FEcran->Plan_Image;
        Choisir_Outil(3);
        Cliquer(Point_Cellule(0, 0));
        Cliquer(Point_Cellule(3, 3));
        const Plan premier = FEcran->Plan_Image;
        Cliquer(Point_Cellule(2, 2));
        Cliquer(Point_Cellule(7, 5));
        QVERIFY(FEcran->Plan_Image != premier);
        QVERIFY(FMain->Outil[9]->isEnabled());
        FMain->Outil[9]->click();
        QCOMPARE(FEcran->Plan_Image, premier);
        QCOMPARE(Pixel(10, 10), Couleur_Affichage(Fond, 4, Mode_Gris::TI));
        FMain->Outil[9]->click();
        QCOMPARE(FEcran->Plan_Image, vide);
        FMain->Outil_Retablir->click();
        QCOMPARE(FEcran->Plan_Image, premier);

        // A transformation is a step of its own: undone first, then the drawing before it.
        Choisir_Outil(1);
        Cliquer(Point_Cellule(7, 0));
        const Plan crayon = FEcran->Plan_Image;
        FMain->SpeedButton[1]->click();
        FMain->Outil[9]->click();
        QCOMPARE(FEcran->Plan_Image, crayon);
        FMain->Outil[9]->click();
        QCOMPARE(FEcran->Plan_Image, premier);
    }

    // The live trace shows the shape on the surface only; the plane changes at the releases.
    void trace()
    {
        Nouvelle_Image(8, 6, 3);
        FMain->Active_Trace->setChecked(true);
        const std::uint32_t noir = Couleur_Affichage(Code::Noir, 4, Mode_Gris::TI);
        const std::uint32_t fond = Couleur_Affichage(Fond, 4, Mode_Gris::TI);

        Choisir_Outil(2);
        Cliquer(Point_Cellule(1, 1));
        Deplacer(Point_Cellule(6, 1));
        QCOMPARE(Pixel(18, 3), noir);
        QCOMPARE(FEcran->Plan_Image[Indice(6, 1)], Fond);
        Deplacer(Point_Cellule(1, 4));
        QCOMPARE(Pixel(18, 3), fond); // the last preview is wiped
        QCOMPARE(Pixel(3, 12), noir);

        // The rectangle's preview is a frame one display pixel wide.
        Choisir_Outil(3);
        Deplacer(Point_Cellule(4, 4));
        QCOMPARE(Pixel(3, 3), noir);
        QCOMPARE(Pixel(4, 4), fond);
        QCOMPARE(Pixel(14, 14), noir);
        QCOMPARE(Pixel(13, 13), fond);
        Cliquer(Point_Cellule(4, 4));
        QCOMPARE(Carte()[2], QStringLiteral(".o##o..."));

        // An intermediate click of the triangle keeps the previewed edge at once.
        Choisir_Outil(5);
        Cliquer(Point_Cellule(0, 5));
        Deplacer(Point_Cellule(7, 5));
        Cliquer(Point_Cellule(7, 5));
        QCOMPARE(Carte()[5], QStringLiteral("########"));
        QCOMPARE(FEcran->Etape_Outil, 2);

        // Without the trace a shape in progress shows nothing.
        FMain->Active_Trace->setChecked(false);
        Deplacer(Point_Cellule(3, 0));
        QCOMPARE(Pixel(9, 0), fond);
    }

    // Switching tools keeps a shape in progress: the next tool's release finishes it.
    void changement_outil()
    {
        Nouvelle_Image(8, 6, 1);
        Choisir_Outil(2);
        Cliquer(Point_Cellule(1, 1));
        Choisir_Outil(3);
        QCOMPARE(FEcran->Etape_Outil, 1);
        Cliquer(Point_Cellule(4, 4));
        QCOMPARE(Carte()[2], QStringLiteral(".o##o..."));
    }

    // The 61st vertex is refused; the polyline keeps its 60 points.
    void polyligne_pleine()
    {
        Nouvelle_Image(64, 4, 1, Code::Blanc);
        Choisir_Outil(6);
        for (int x = 0; x < 61; ++x)
            Cliquer({x, x % 2 == 0 ? 1 : 2});
        QCOMPARE(FEcran->Etape_Outil, 60);
        QCOMPARE(FEcran->Points_Outil[59], QPoint(59, 2));
        Cliquer({63, 3}, Qt::RightButton);
        QCOMPARE(FEcran->Nombre_Points_Polyligne, 60);
        QCOMPARE(FEcran->Etape_Outil, 0);
        QCOMPARE(FEcran->Plan_Image[Indice(59, 2)], Code::Noir);
        for (int y = 0; y < 4; ++y)
            QCOMPARE(FEcran->Plan_Image[Indice(60, y)], Code::Blanc);
    }

    void code_caractere_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("caractere");
        QTest::newRow("letters only") << QStringLiteral("abc") << 0 << QString();
        QTest::newRow("empty") << QString() << 0 << QString();
        QTest::newRow("blank, plus, digits, letters") << QStringLiteral(" +66xyz") << 66 << "B";
        QTest::newRow("low 8 bits") << QStringLiteral("321") << 65 << "A";
        QTest::newRow("minus one") << QStringLiteral("-1") << 255 << QStringLiteral("\u00FF");
        QTest::newRow("Windows-1252") << QStringLiteral("128") << 128 << QStringLiteral("\u20AC");
        QTest::newRow("many digits")
            << QStringLiteral("99999999999999999999") << 255 << QStringLiteral("\u00FF");
    }

    // Tool 8 draws the character of the code exactly as tool 7 draws it typed; code 0 draws
    // nothing but is still an action (undo copy, undo enabled, read-back).
    void code_caractere()
    {
        QFETCH(QString, texte);
        QFETCH(int, code);
        QFETCH(QString, caractere);
        Nouvelle_Image(24, 24, 1, Code::Blanc);
        FEcran->Plan_Image[Indice(0, 0)] = Code::Gris_Clair;
        FEcran->Peindre_Image();
        const Plan avant = FEcran->Plan_Image;
        Choisir_Outil(8);
        FMain->Texte->setText(texte);
        Cliquer({3, 3});
        QCOMPARE(FEcran->Code_Caractere, code);
        QVERIFY(FMain->Outil[9]->isEnabled());
        QCOMPARE(FEcran->Image_Annulation, avant);
        const Plan caractere_8 = FEcran->Plan_Image;
        QCOMPARE(caractere_8 == avant, code == 0);

        FEcran->Plan_Image = avant;
        FEcran->Peindre_Image();
        Choisir_Outil(7);
        FMain->Texte->setText(caractere);
        Cliquer({3, 3});
        QCOMPARE(FEcran->Plan_Image, caractere_8);
    }

    // Text is drawn in the left colour only, without smoothing or background, from the
    // snapped point; at the window's edges it is cut and nothing lands beyond the picture.
    void texte()
    {
        Nouvelle_Image(20, 12, 2, Code::Blanc);
        const int demandes = Dialogues_Test.Nombre(QStringLiteral("police"));
        Choisir_Outil(7);
        QCOMPARE(Dialogues_Test.Nombre(QStringLiteral("police")), demandes + 1);
        QCOMPARE(FEcran->Police_Texte.family(), QStringLiteral("DejaVu Sans"));
        FMain->Couleur_Gauche->Definir(Code::Gris_Fonce);
        FMain->Texte->setText(QStringLiteral("WMW"));
        Cliquer({9, 13});
        const QImage &image = Surface()->Image();
        const std::uint32_t gris = Couleur_Affichage(Code::Gris_Fonce, 4, Mode_Gris::TI);
        const std::uint32_t blanc = Couleur_Affichage(Code::Blanc, 4, Mode_Gris::TI);
        int encre = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
            {
                const std::uint32_t p = Pixel(x, y);
                QVERIFY2(p == gris || p == blanc,
                         qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
                if (p == gris)
                {
                    ++encre;
                    QVERIFY(x >= 8 && y >= 12);
                }
            }
        QVERIFY(encre > 0);
        // At zoom 2 the text is not enlarged: "WMW" at 12 points runs past the 40-pixel window.
        bool bord_droit = false;
        bool bord_bas = false;
        for (int y = 0; y < 24; ++y)
            bord_droit |= Pixel(39, y) == gris;
        for (int x = 0; x < 40; ++x)
            bord_bas |= Pixel(x, 23) == gris;
        QVERIFY(bord_droit);
        QVERIFY(bord_bas);
        for (std::size_t i = 0; i < Taille_Plan; ++i)
            if (i / Lignes_Plan >= 20 || i % Lignes_Plan >= 12)
                QCOMPARE(FEcran->Plan_Image[i], 0);

        // An empty text draws nothing but still takes the undo copy.
        const Plan avant = FEcran->Plan_Image;
        FMain->Outil[9]->setEnabled(false);
        FMain->Texte->clear();
        Cliquer({0, 0});
        QCOMPARE(FEcran->Plan_Image, avant);
        QVERIFY(FMain->Outil[9]->isEnabled());
        Choisir_Outil(1);
        QVERIFY(FMain->Texte->isHidden());
    }
};

QTEST_MAIN(Tst_Retouche_Outils)
#include "tst_Retouche_Outils.moc"
