// The mask through the main window's "Mask" tab and real mouse events on the mask editor: the
// automatic mask, the inversion, the pencil, the filled shapes, the zoom and what an open does.
#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Surface_Dessin.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <deque>
#include <set>

using namespace Corvanel;

namespace
{

using Cellules = std::set<std::pair<int, int>>;
const QRgb Rouge = qRgb(255, 0, 0);

std::uint8_t Marque(std::size_t i)
{
    return static_cast<std::uint8_t>(0xA5 ^ (i * 7));
}

bool Dans_Region(std::size_t i)
{
    return static_cast<int>(i % Lignes_Plan) < FEcran->Hauteur_Image &&
           static_cast<int>(i / Lignes_Plan) < FEcran->Largeur_Image;
}

// The region gets `dedans`, everything else the marker pattern.
void Remplir_Mask(std::uint8_t dedans)
{
    for (std::size_t i = 0; i < Taille_Plan; ++i)
        FMask->Plan_Mask[i] = Dans_Region(i) ? dedans : Marque(i);
}

void Verifier_Hors_Region()
{
    for (std::size_t i = 0; i < Taille_Plan; ++i)
        if (!Dans_Region(i))
            QCOMPARE(FMask->Plan_Mask[i], Marque(i));
}

Cellules Couvertes()
{
    Cellules c;
    for (int x = 0; x < FEcran->Largeur_Image; ++x)
        for (int y = 0; y < FEcran->Hauteur_Image; ++y)
            if (FMask->Plan_Mask[Indice(x, y)] == 1)
                c.insert({x, y});
    return c;
}

// Cells whose top-left display pixel is red, read straight from the surface.
Cellules Rouges_A_L_Ecran()
{
    const QImage &image = FMask->Ecran_MASK->Image();
    const int z = FMask->Zoom_Mask;
    Cellules c;
    for (int x = 0; x < FEcran->Largeur_Image; ++x)
        for (int y = 0; y < FEcran->Hauteur_Image; ++y)
            if (image.pixel(x * z, y * z) == Rouge)
                c.insert({x, y});
    return c;
}

Cellules Boite(QPoint a, QPoint b)
{
    Cellules c;
    for (int x = std::min(a.x(), b.x()); x <= std::max(a.x(), b.x()); ++x)
        for (int y = std::min(a.y(), b.y()); y <= std::max(a.y(), b.y()); ++y)
            c.insert({x, y});
    return c;
}

void Cliquer(QWidget *controle)
{
    QVERIFY(controle->isEnabled());
    QTest::mouseClick(controle, Qt::LeftButton);
}

// A radio takes clicks on its circle and its caption only.
void Cocher(QRadioButton *radio)
{
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QVERIFY(radio->isChecked());
}

// A display point inside the cell, away from its corner, so the snapping matters.
QPoint Dans_Cellule(int x, int y)
{
    const int z = FMask->Zoom_Mask;
    return {x * z + z - 1, y * z + z / 2};
}

void Appui(QPoint cellule, Qt::MouseButton bouton = Qt::LeftButton)
{
    QTest::mousePress(FMask->Ecran_MASK, bouton, {}, Dans_Cellule(cellule.x(), cellule.y()));
}

void Relache(QPoint cellule, Qt::MouseButton bouton = Qt::LeftButton)
{
    QTest::mouseRelease(FMask->Ecran_MASK, bouton, {}, Dans_Cellule(cellule.x(), cellule.y()));
}

void Glisser(QPoint cellule)
{
    const QPointF p = Dans_Cellule(cellule.x(), cellule.y());
    QMouseEvent e(QEvent::MouseMove, p, FMask->Ecran_MASK->mapToGlobal(p), Qt::NoButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(FMask->Ecran_MASK, &e);
}

void Clic(QPoint cellule, Qt::MouseButton bouton = Qt::LeftButton)
{
    Appui(cellule, bouton);
    Relache(cellule, bouton);
}
} // namespace

class Tst_Mask : public QObject
{
    Q_OBJECT

    QTemporaryDir Dossier;
    Dialogues_Factices Dialogues_Test;

    void Ouvrir_Vide(int largeur, int hauteur)
    {
        FMain->Largeur->setText(QString::number(largeur));
        FMain->Hauteur->setText(QString::number(hauteur));
        FMain->Onglets->setCurrentWidget(FMain->TabSheet[1]);
        Cocher(FMain->RadioButton1);
        Cliquer(FMain->Button1);
        FMain->Onglets->setCurrentWidget(FMain->TabSheet[6]);
    }

    // The editor open at the given zoom, reached by the zoom button.
    void Editer(int zoom)
    {
        if (!FMain->Button_Editer_Mask->isHidden())
            Cliquer(FMain->Button_Editer_Mask);
        while (FMask->Zoom_Mask < zoom)
            Cliquer(FMain->MaskZoomP);
        QCOMPARE(int(FMask->Zoom_Mask), zoom);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Dossier.isValid());
        QVERIFY(QDir::setCurrent(Dossier.path())); // no Plugin folder: nothing to scan
    }
    void init() { Creer_Fenetres(Dialogues_Test); }
    void cleanup()
    {
        Detruire_Fenetres();
        Dialogues_Test = Dialogues_Factices();
    }

    void Masque_Automatique_data()
    {
        QTest::addColumn<int>("fond");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<bool>("tout_blanc");
        QTest::newRow("Blanc, TI 89") << 0 << 160 << 100 << false;
        QTest::newRow("Gris Clair, TI 92") << 1 << 240 << 128 << false;
        QTest::newRow("Gris Foncé, 7 x 3") << 2 << 7 << 3 << false;
        QTest::newRow("Noir, 1 x 128") << 3 << 1 << 128 << false;
        QTest::newRow("picture all white, Blanc") << 0 << 32 << 32 << true;
    }
    void Masque_Automatique()
    {
        QFETCH(int, fond);
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(bool, tout_blanc);
        Ouvrir_Vide(largeur, hauteur);
        FEcran->Nombre_Couleur = 8;
        const std::uint8_t codes[] = {0, 101, 1, 112, 2, 123, 3};
        for (int x = 0; x < largeur; ++x)
            for (int y = 0; y < hauteur; ++y)
                FEcran->Plan_Image[Indice(x, y)] = tout_blanc ? 0 : codes[(x + 3 * y) % 7];
        Remplir_Mask(1); // an earlier mask must not survive inside the picture
        FMain->Choix_Fond->setCurrentIndex(fond);
        QVERIFY(!FMask->isVisible());
        Cliquer(FMain->Button8);

        QVERIFY(FMask->isVisible());
        for (int x = 0; x < largeur; ++x)
            for (int y = 0; y < hauteur; ++y)
                QCOMPARE(int(FMask->Plan_Mask[Indice(x, y)]),
                         FEcran->Plan_Image[Indice(x, y)] == fond ? 0 : 1);
        Verifier_Hors_Region();
        QVERIFY(Rouges_A_L_Ecran() == Couvertes());
        if (tout_blanc)
            QVERIFY(Couvertes().empty());
    }

    void Inversion_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::newRow("TI 89") << 160 << 100;
        QTest::newRow("TI 92") << 240 << 128;
        QTest::newRow("1 x 1") << 1 << 1;
        QTest::newRow("13 x 7") << 13 << 7;
    }
    void Inversion()
    {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        Ouvrir_Vide(largeur, hauteur);
        Editer(1);
        Remplir_Mask(0);
        Cliquer(FMain->Mask[4]);
        QCOMPARE(int(Couvertes().size()), largeur * hauteur);
        Verifier_Hors_Region();

        for (int x = 0; x < largeur; ++x)
            for (int y = 0; y < hauteur; ++y)
                FMask->Plan_Mask[Indice(x, y)] = (x * y + x) % 3 == 0 ? 1 : 0;
        const Plan avant = FMask->Plan_Mask;
        Cliquer(FMain->Mask[4]);
        for (int x = 0; x < largeur; ++x)
            for (int y = 0; y < hauteur; ++y)
                QCOMPARE(int(FMask->Plan_Mask[Indice(x, y)]), 1 - avant[Indice(x, y)]);
        QVERIFY(Rouges_A_L_Ecran() == Couvertes());
        Cliquer(FMain->Mask[4]);
        QVERIFY(FMask->Plan_Mask == avant);
    }

    void Activation_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::newRow("Créer") << QStringLiteral("Button8");
        QTest::newRow("Editer un mask") << QStringLiteral("Button_Editer_Mask");
    }
    void Activation()
    {
        QFETCH(QString, bouton);
        Ouvrir_Vide(16, 16);
        QList<QWidget *> outils{FMain->Mask[1], FMain->Mask[2],   FMain->Mask[3],
                                FMain->Mask[4], FMain->MaskZoomM, FMain->MaskZoomP};
        for (QWidget *w : outils)
            QVERIFY(!w->isEnabled());
        QVERIFY(!FMain->Button11->isEnabled());
        QVERIFY(FMain->Button8->isEnabled());
        QVERIFY(FMain->Button_Editer_Mask->isEnabled() && !FMain->Button_Editer_Mask->isHidden());
        QVERIFY(FMain->Mask[1]->isChecked());
        QVERIFY(!FMask->isVisible());

        Cliquer(FMain->findChild<QPushButton *>(bouton));
        for (QWidget *w : outils)
            QVERIFY(w->isEnabled());
        QVERIFY(FMain->Button11->isEnabled());
        QVERIFY(FMain->Button_Editer_Mask->isHidden());
        QVERIFY(FMask->isVisible());
        QCOMPARE(FMask->windowTitle(), QStringLiteral("Edition de mask"));

        // A new picture only takes the save button away until the next mask command.
        Ouvrir_Vide(8, 8);
        QVERIFY(!FMain->Button11->isEnabled());
        for (QWidget *w : outils)
            QVERIFY(w->isEnabled());
        QVERIFY(FMain->Button_Editer_Mask->isHidden());
        Cliquer(FMain->Button8);
        QVERIFY(FMain->Button11->isEnabled());
    }

    void Ouverture_data()
    {
        QTest::addColumn<int>("genre"); // 0 empty picture, 1 bitmap, 2 cancelled dialog
        QTest::newRow("Image vide keeps the mask") << 0;
        QTest::newRow("a bitmap clears the mask") << 1;
        QTest::newRow("a cancelled dialog changes nothing") << 2;
    }
    void Ouverture()
    {
        QFETCH(int, genre);
        Ouvrir_Vide(20, 10);
        Editer(2);
        for (std::size_t i = 0; i < Taille_Plan; ++i)
            FMask->Plan_Mask[i] = i % 5 == 0 ? 1 : Marque(i);
        FMask->Afficher_Mask();
        const Plan avant = FMask->Plan_Mask;

        FMain->Onglets->setCurrentWidget(FMain->TabSheet[1]);
        if (genre == 0)
            Ouvrir_Vide(20, 10);
        else
        {
            QImage noire(20, 10, QImage::Format_RGB32);
            noire.fill(Qt::black);
            const QString chemin = Dossier.filePath(QStringLiteral("noire.bmp"));
            QVERIFY(noire.save(chemin, "BMP"));
            if (genre == 1)
                Dialogues_Test.Reponses_Fichier.push_back(Choix_Fichier{chemin, 1});
            Cocher(FMain->Ouvrir_Fichier);
            Cliquer(FMain->Button1);
        }
        // The mask was changed since the picture was created: the question comes first.
        QCOMPARE(Dialogues_Test.Genres(),
                 QStringList{QStringLiteral("question")} +
                     (genre == 0 ? QStringList() : QStringList{QStringLiteral("ouvrir")}));
        QCOMPARE(FMain->Button11->isEnabled(), genre == 2);
        if (genre != 1)
        {
            QVERIFY(FMask->Plan_Mask == avant);
            return;
        }
        QVERIFY(std::all_of(FMask->Plan_Mask.begin(), FMask->Plan_Mask.end(),
                            [](std::uint8_t b) { return b == 0; }));
        // The editor shows the new picture at once, so a click reads back no old red cell.
        QVERIFY(Rouges_A_L_Ecran().empty());
        Clic({4, 3});
        QVERIFY((Couvertes() == Cellules{{4, 3}}));
    }

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

QTEST_MAIN(Tst_Mask)
#include "tst_Mask.moc"
