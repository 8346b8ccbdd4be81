// The mask editor under real mouse events: the pencil, the filled shapes, the display in
// either grey mode, and the zoom and its bounds.
#include "Mask_Essai.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

using namespace Corvanel;
using namespace Essai;

namespace
{
Cellules Boite(QPoint a, QPoint b)
{
    Cellules c;
    for (int x = std::min(a.x(), b.x()); x <= std::max(a.x(), b.x()); ++x)
        for (int y = std::min(a.y(), b.y()); y <= std::max(a.y(), b.y()); ++y)
            c.insert({x, y});
    return c;
}

void Glisser(QPoint cellule)
{
    const QPointF p = Dans_Cellule(cellule.x(), cellule.y());
    QMouseEvent e(QEvent::MouseMove, p, FMask->Ecran_MASK->mapToGlobal(p), Qt::NoButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(FMask->Ecran_MASK, &e);
}
} // namespace

class Tst_Mask_Dessin : public QObject, public Banc_Mask
{
    Q_OBJECT

private slots:
    void initTestCase() { Installer(); }
    void init() { Ouvrir_Fenetres(); }
    void cleanup() { Fermer_Fenetres(); }

    void Crayon_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("zoom 1") << 1;
        QTest::newRow("zoom 2") << 2;
        QTest::newRow("zoom 3") << 3;
    }
    void Crayon()
    {
        QFETCH(int, zoom);
        Ouvrir_Vide(20, 12);
        Remplir_Mask(0);
        Editer(zoom);
        QVERIFY(FMain->Mask[1]->isChecked());

        Appui({3, 2});
        for (QPoint p : {QPoint(3, 2), QPoint(4, 2), QPoint(5, 3)})
            Glisser(p);
        Relache({6, 3});
        const Cellules trait{{3, 2}, {4, 2}, {5, 3}, {6, 3}};
        QVERIFY(Couvertes() == trait);

        // Without a button down the pencil leaves no trace.
        QTest::mouseMove(FMask->Ecran_MASK, Dans_Cellule(8, 5));
        Glisser({9, 5});
        QVERIFY(Couvertes() == trait);

        // Red on the surface that nobody read back yet: a right click neither paints nor reads.
        FMask->Ecran_MASK->Remplir_Bloc(9 * zoom, zoom, zoom, Rouge_Mask);
        Clic({10, 1}, Qt::RightButton);
        QVERIFY(Couvertes() == trait);
        QCOMPARE(FMask->Ecran_MASK->Image().pixel(10 * zoom, zoom), qRgb(192, 215, 192));

        // The next left click reads back whatever the surface shows.
        Clic({0, 11});
        Cellules attendu = trait;
        attendu.insert({{9, 1}, {0, 11}});
        QVERIFY(Couvertes() == attendu);
        Verifier_Hors_Region();
    }

    void Formes_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("outil");
        QTest::addColumn<QPoint>("a");
        QTest::addColumn<QPoint>("b");
        for (int zoom : {1, 2, 3})
            for (int outil : {2, 3})
            {
                const char *nom = outil == 2 ? "rectangle" : "ellipse";
                QTest::addRow("%s zoom %d", nom, zoom)
                    << zoom << outil << QPoint(2, 1) << QPoint(11, 7);
                QTest::addRow("%s zoom %d, one cell", nom, zoom)
                    << zoom << outil << QPoint(4, 4) << QPoint(4, 4);
                QTest::addRow("%s zoom %d, one row", nom, zoom)
                    << zoom << outil << QPoint(1, 5) << QPoint(9, 5);
                QTest::addRow("%s zoom %d, one column", nom, zoom)
                    << zoom << outil << QPoint(13, 0) << QPoint(13, 8);
            }
    }
    void Formes()
    {
        QFETCH(int, zoom);
        QFETCH(int, outil);
        QFETCH(QPoint, a);
        QFETCH(QPoint, b);
        Ouvrir_Vide(16, 10);
        Editer(zoom);
        Cliquer(FMain->Mask[outil]);
        QCOMPARE(int(FMask->Outil_Mask), outil);

        // Left clicks from a to b, then right clicks from b to a: any button makes a corner.
        Cellules formes[2];
        for (int ordre = 0; ordre < 2; ++ordre)
        {
            Remplir_Mask(0);
            FMask->Afficher_Mask();
            const Qt::MouseButton bouton = ordre == 0 ? Qt::LeftButton : Qt::RightButton;
            Clic(ordre == 0 ? a : b, bouton);
            QVERIFY(Couvertes().empty());
            Clic(ordre == 0 ? b : a, bouton);
            formes[ordre] = Couvertes();
            QVERIFY(formes[ordre] == Rouges_A_L_Ecran());
            Verifier_Hors_Region();
        }
        QVERIFY(formes[0] == formes[1]);

        const Cellules boite = Boite(a, b);
        const bool plate = a.x() == b.x() || a.y() == b.y();
        if (outil == 2 || plate)
        {
            QVERIFY(formes[0] == boite);
            return;
        }
        // The ellipse stays in its box, reaches the middle of each side and spares the corners.
        QVERIFY(std::includes(boite.begin(), boite.end(), formes[0].begin(), formes[0].end()));
        const int mx = (a.x() + b.x()) / 2;
        const int my = (a.y() + b.y()) / 2;
        for (auto cellule : Cellules{{mx, a.y()}, {mx, b.y()}, {a.x(), my}, {b.x(), my}})
            QVERIFY(formes[0].count(cellule));
        for (auto cellule :
             Cellules{{a.x(), a.y()}, {b.x(), a.y()}, {a.x(), b.y()}, {b.x(), b.y()}})
            QVERIFY(!formes[0].count(cellule));
    }

    void Coin_Et_Zoom()
    {
        // A first corner set before a zoom change keeps its cell.
        Ouvrir_Vide(16, 10);
        Remplir_Mask(0);
        Editer(2);
        Cliquer(FMain->Mask[2]);
        Clic({2, 2});
        Cliquer(FMain->MaskZoomP);
        Clic({4, 5});
        QVERIFY(Couvertes() == Boite({2, 2}, {4, 5}));
    }

    void Affichage_data()
    {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QRgb>("blanc");
        QTest::addColumn<QRgb>("demi");
        QTest::addColumn<QRgb>("noir");
        QTest::newRow("Gris de la TI")
            << false << qRgb(192, 215, 192) << qRgb(119, 131, 120) << qRgb(32, 47, 48);
        QTest::newRow("Gris de Windows")
            << true << qRgb(255, 255, 255) << qRgb(160, 160, 160) << qRgb(0, 0, 0);
    }
    void Affichage()
    {
        QFETCH(bool, windows);
        QFETCH(QRgb, blanc);
        QFETCH(QRgb, demi);
        QFETCH(QRgb, noir);
        Ouvrir_Vide(10, 6);
        FEcran->Nombre_Couleur = 8;
        Remplir_Mask(0);
        Editer(3);
        Cliquer(FMain->Mask[2]);
        Clic({1, 1});
        Clic({3, 2});
        const Cellules rouges = Couvertes();

        // An edit of the picture, under red cells and beside them.
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 6; ++y)
                FEcran->Plan_Image[Indice(x, y)] = x < 5 ? 3 : (y % 2 ? 112 : 0);
        if (windows)
        {
            FMain->Onglets->setCurrentWidget(FMain->TabSheet[7]);
            Cocher(FMain->Choix_Couleur_WIN);
        }
        else
            FMask->Afficher_Mask();

        QVERIFY(Couvertes() == rouges);
        const QImage &image = FMask->Ecran_MASK->Image();
        QCOMPARE(image.size(), QSize(30, 18));
        for (int px = 0; px < 30; ++px)
            for (int py = 0; py < 18; ++py)
            {
                const int x = px / 3, y = py / 3;
                const QRgb attendu = rouges.count({x, y}) ? Rouge
                                     : x < 5              ? noir
                                     : y % 2              ? demi
                                                          : blanc;
                QCOMPARE(image.pixel(px, py), attendu);
            }
    }

    void Zoom_Borne_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<int>("maximum");
        QTest::newRow("TI 92") << 240 << 128 << 17;
        QTest::newRow("200 x 10") << 200 << 10 << 20;
        QTest::newRow("4 x 4: the byte's end, no wrap") << 4 << 4 << 255;
    }
    void Zoom_Borne()
    {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(int, maximum);
        Ouvrir_Vide(largeur, hauteur);
        Editer(1);
        Cliquer(FMain->MaskZoomM);
        QCOMPARE(int(FMask->Zoom_Mask), 1);
        for (int i = 0; i < maximum + 5; ++i)
            Cliquer(FMain->MaskZoomP);
        QCOMPARE(int(FMask->Zoom_Mask), maximum);
        QCOMPARE(FMask->Ecran_MASK->Image().size(), QSize(largeur * maximum, hauteur * maximum));
        QVERIFY(FMask->Ecran_MASK->Image().width() <= 4096);
        while (FMask->Zoom_Mask > 1)
            Cliquer(FMain->MaskZoomM);
        Cliquer(FMain->MaskZoomM);
        QCOMPARE(FMask->Ecran_MASK->Image().size(), QSize(largeur, hauteur));
    }

    void Zoom_Image_Agrandie()
    {
        // A zoom reached on a small picture is brought back under the limit for a larger one.
        Ouvrir_Vide(4, 4);
        Editer(1);
        FMask->Zoom_Mask = 255;
        FMask->Afficher_Mask();
        Ouvrir_Vide(240, 128);
        QCOMPARE(int(FMask->Zoom_Mask), 17);
        QCOMPARE(FMask->Ecran_MASK->Image().size(), QSize(240 * 17, 128 * 17));
        Remplir_Mask(0);
        Clic({239, 127});
        QVERIFY((Couvertes() == Cellules{{239, 127}}));
    }
};

QTEST_MAIN(Tst_Mask_Dessin)
#include "tst_Mask_Dessin.moc"
