// Every kind of step undone and redone through the windows as a user would, and the history
// past its length with the keys of each window.
#include "Couleurs.h"
#include "Gif_Essai.h"
#include "Historique_Essai.h"

#include <QFile>
#include <QtTest>

using namespace Corvanel;
using namespace Essai;

namespace
{
// Both surfaces show the planes as they are: every cell in its level's colour, red over it in
// the mask window where it is covered.
QString Surfaces_Fideles()
{
    const Document_Image &D = FEcran->Document;
    const int Ze = FEcran->Zoom_Ecran;
    const int Zm = FMask->Zoom_Mask;
    if (FEcran->Ecran_TI->Image().size() != QSize(D.Largeur_Image * Ze, D.Hauteur_Image * Ze))
        return QStringLiteral("taille de l'édition");
    for (int x = 0; x < D.Largeur_Image; ++x)
        for (int y = 0; y < D.Hauteur_Image; ++y)
        {
            const std::uint8_t Code = D.Plan_Image[Indice(x, y)];
            if (FEcran->Ecran_TI->Lire_Pixel(x * Ze, y * Ze) !=
                Couleur_Affichage(Code, D.Nombre_Couleur, FEcran->Mode))
                return QStringLiteral("édition (%1, %2)").arg(x).arg(y);
            const std::uint32_t Masque =
                D.Plan_Mask[Indice(x, y)] == 1
                    ? Rouge_Mask
                    : Couleur_Affichage(Code, D.Nombre_Couleur, FMask->Mode);
            if (FMask->Ecran_MASK->Lire_Pixel(x * Zm, y * Zm) != Masque)
                return QStringLiteral("mask (%1, %2)").arg(x).arg(y);
        }
    return {};
}
} // namespace

class Tst_Historique_Etapes : public QObject, public Banc_Historique
{
    Q_OBJECT

    // A square of four colours on a transparent background.
    QString Ecrire_Transparente(const QString &Nom)
    {
        QImage Image(32, 32, QImage::Format_ARGB32);
        Image.fill(Qt::transparent);
        const QRgb Couleurs[] = {qRgb(20, 30, 120), qRgb(210, 20, 10), qRgb(250, 160, 0),
                                 qRgb(255, 255, 180)};
        for (int y = 6; y < 26; ++y)
            for (int x = 4; x < 28; ++x)
                Image.setPixel(x, y, Couleurs[(x / 6 + y / 5) % 4]);
        const QString Fichier = Chemin(Nom);
        Image.save(Fichier);
        return Fichier;
    }

    // Three frames: black, a white square, a grey corner.
    QString Ecrire_Animation(const QString &Nom)
    {
        const Essai::Image_Gif Noire{0, 0, 8, 8, 1, -1, std::vector<std::uint8_t>(64, 1)};
        const Essai::Image_Gif Carre{2, 2, 4, 4, 1, -1, std::vector<std::uint8_t>(16, 0)};
        const Essai::Image_Gif Coin{6, 6, 2, 2, 1, -1, std::vector<std::uint8_t>(4, 2)};
        QFile Gif(Chemin(Nom));
        if (Gif.open(QIODevice::WriteOnly))
            Gif.write(Essai::Ecrire_Gif(8, 8,
                                        {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128)},
                                        {Noire, Carre, Coin}));
        return Chemin(Nom);
    }

private slots:
    void initTestCase() { Installer(); }
    void init() { Ouvrir_Fenetres(); }
    void cleanup() { Fermer_Fenetres(); }

    void Etapes_data();
    void Etapes();
    void Cent_Etapes_Et_Touches();
};

void Tst_Historique_Etapes::Etapes_data()
{
    QTest::addColumn<Action>("Avant");
    QTest::addColumn<Action>("Faire");
    const Action Rien = [] {};
    QTest::newRow("crayon") << Rien << Dessin(1, {{7, 3}});
    QTest::newRow("crayon, bouton droit") << Rien << Dessin(1, {{2, 2}}, Qt::RightButton);
    QTest::newRow("ligne") << Rien << Dessin(2, {{0, 0}, {20, 9}});
    QTest::newRow("rectangle") << Rien << Dessin(3, {{3, 3}, {12, 10}});
    QTest::newRow("ellipse") << Rien << Dessin(4, {{1, 1}, {22, 14}});
    QTest::newRow("triangle") << Rien << Dessin(5, {{0, 15}, {12, 0}, {23, 15}});
    QTest::newRow("polyligne") << Rien << Dessin(6, {{0, 0}, {9, 9}, {20, 2}}, Qt::RightButton);
    QTest::newRow("texte") << Action([] { FMain->Texte->setText(QStringLiteral("Ab")); })
                           << Dessin(7, {{16, 6}});
    QTest::newRow("caractère") << Action([] { FMain->Texte->setText(QStringLiteral("66")); })
                               << Dessin(8, {{16, 6}});
    QTest::newRow("miroir horizontal") << Rien << Action([] { FMain->SpeedButton[1]->click(); });
    QTest::newRow("miroir vertical") << Rien << Action([] { FMain->SpeedButton[2]->click(); });
    QTest::newRow("décalage") << Rien << Action([] { FMain->SpeedButton[7]->click(); });
    QTest::newRow("mask automatique") << Rien << Action([] { FMain->Button8->click(); });
    QTest::newRow("inversion du mask") << Rien << Action([] { FMain->Mask[4]->click(); });
    QTest::newRow("crayon du mask") << Rien << Outil_Mask(1, {{20, 12}});
    QTest::newRow("rectangle du mask") << Rien << Outil_Mask(2, {{10, 10}, {20, 14}});
    QTest::newRow("ellipse du mask") << Rien << Outil_Mask(3, {{8, 0}, {23, 15}});
    QTest::newRow("lumière +") << Rien << Action([] { FMain->Button4->click(); });
    QTest::newRow("lumière -") << Rien << Action([] { FMain->Button3->click(); });
    QTest::newRow("contraste +") << Rien << Action([] { FMain->Button6->click(); });
    QTest::newRow("contraste -") << Rien << Action([] { FMain->Button5->click(); });
    QTest::newRow("réinitialisation")
        << Action([] { FMain->Button4->click(); }) << Action([] { FMain->Button9->click(); });
    QTest::newRow("8 niveaux") << Rien << Action([] { FMain->Choix_Nombre_Couleur_8->click(); });
    QTest::newRow("noir et blanc")
        << Rien << Action([] { FMain->Choix_Nombre_Couleur_2->click(); });
    QTest::newRow("échantillonnage")
        << Rien << Action([] { FMain->Choix_Echantillonnage->setCurrentIndex(1); });
    QTest::newRow("teinte") << Rien << Action([] { FMain->Choix_Teinte->setCurrentIndex(1); });
    QTest::newRow("tramage") << Rien << Action([] { FMain->Choix_Tramage->setCurrentIndex(2); });
    QTest::newRow("mode coupé puis tramage")
        << Action([] { FMain->Adaptation_Image->setChecked(false); })
        << Action([] { FMain->Choix_Tramage->setCurrentIndex(1); });
    QTest::newRow("image vide") << Rien
                                << Action(
                                       []
                                       {
                                           FMain->Largeur->setText(QStringLiteral("30"));
                                           FMain->RadioButton1->click();
                                           FMain->Button1->click();
                                       });
    // A .cvl holds codes and a level count: 3 x 2 at 8 levels.
    QTest::newRow("ouvrir une sauvegarde")
        << Action(
               [this]
               {
                   QFile F(Chemin(QStringLiteral("s.cvl")));
                   QVERIFY(F.open(QIODevice::WriteOnly));
                   F.write(QByteArray::fromHex("030002000800000065000100700002000300"));
               })
        << Action([this] { Ouvrir(Chemin(QStringLiteral("s.cvl")), 2); });
    QTest::newRow("ouvrir un autre bitmap")
        << Action([this] { Ecrire_Image(QStringLiteral("autre.bmp"), 77); })
        << Action([this] { Ouvrir(Chemin(QStringLiteral("autre.bmp")), 1); });
    // The content chooses the decoder, whichever picture type the dialog showed.
    QTest::newRow("un PNG sous le type bitmap")
        << Action([this] { Ecrire_Image(QStringLiteral("photo.png"), 140); })
        << Action([this] { Ouvrir(Chemin(QStringLiteral("photo.png")), 1); });
    QTest::newRow("équilibrer") << Rien << Action([] { FMain->Bouton_Equilibrer->click(); });
    QTest::newRow("couleurs exactes")
        << Rien << Action([] { FMain->Choix_Teinte->setCurrentIndex(2); });
    const Action Transparente = [this]
    { Ouvrir(Ecrire_Transparente(QStringLiteral("transparente.png")), 3); };
    QTest::newRow("conserver les proportions")
        << Transparente << Action([] { FMain->Conserver_Proportions->setChecked(true); });
    QTest::newRow("mask de la transparence")
        << Transparente << Action([] { FMain->Button8->click(); });
    QTest::newRow("rotation de la transparence")
        << Transparente << Action([] { FMain->SpeedButton[3]->click(); });
    QTest::newRow("ouvrir une animation")
        << Rien << Action([this] { Ouvrir(Ecrire_Animation(QStringLiteral("a.gif")), 3); });
    QTest::newRow("image d'une animation")
        << Action([this] { Ouvrir(Ecrire_Animation(QStringLiteral("a.gif")), 3); })
        << Action([] { FMain->Numero_Image->setValue(2); });
    QTest::newRow("image d'une animation, proportions gardées")
        << Action(
               [this]
               {
                   Ouvrir(Ecrire_Animation(QStringLiteral("a.gif")), 3);
                   FMain->Conserver_Proportions->setChecked(true);
                   FMain->Numero_Image->setValue(3);
               })
        << Action([] { FMain->Numero_Image->setValue(2); });
    QTest::newRow("rotation d'une animation")
        << Action(
               [this]
               {
                   Ouvrir(Ecrire_Animation(QStringLiteral("a.gif")), 3);
                   FMain->Numero_Image->setValue(2);
               })
        << Action([] { FMain->SpeedButton[3]->click(); });
}

// Each kind of step, done, undone by the button and redone by the other: the planes, the
// settings and the controls exactly as before and after, on both surfaces, in one step each.
void Tst_Historique_Etapes::Etapes()
{
    QFETCH(Action, Avant);
    QFETCH(Action, Faire);
    Avant();
    const Vue Depart = Voir();
    const int Etapes = Historique().Pile.count();
    Faire();
    QVERIFY2(Faux.Messages().isEmpty(), qPrintable(Faux.Messages().value(0).Texte));
    const Vue Fait = Voir();
    QVERIFY2(!Fait.Ecart(Depart).isEmpty(), "l'action ne change rien");
    QCOMPARE(Historique().Pile.count(), Etapes + 1);
    QVERIFY(FMain->Outil[9]->isEnabled() && !FMain->Outil_Retablir->isEnabled());

    FMain->Outil[9]->click();
    QVERIFY2(Voir().Ecart(Depart).isEmpty(), qPrintable(Voir().Ecart(Depart)));
    QVERIFY2(Surfaces_Fideles().isEmpty(), qPrintable(Surfaces_Fideles()));
    QVERIFY(FMain->Outil_Retablir->isEnabled());

    FMain->Outil_Retablir->click();
    QVERIFY2(Voir().Ecart(Fait).isEmpty(), qPrintable(Voir().Ecart(Fait)));
    QVERIFY2(Surfaces_Fideles().isEmpty(), qPrintable(Surfaces_Fideles()));
    QVERIFY(!FMain->Outil_Retablir->isEnabled());
}

// More steps than are kept: the oldest go; the keys of each window undo and redo, and a new
// step drops what could have been redone.
void Tst_Historique_Etapes::Cent_Etapes_Et_Touches()
{
    QList<Plan> Plans;
    for (int i = 0; i < 110; ++i)
    {
        Plans << FEcran->Plan_Image;
        FMain->SpeedButton[i % 3 == 0 ? 2 : 4]->click();
    }
    QCOMPARE(Historique().Pile.count(), Historique_Image::Etapes_Maximum);
    QWidget *Fenetres[] = {FMain, FEcran, FMask};
    for (int i = 0; i < Historique_Image::Etapes_Maximum; ++i)
    {
        QWidget *Fenetre = Fenetres[i % 3];
        Fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Fenetre));
        QTest::keyClick(Fenetre, Qt::Key_Z, Qt::ControlModifier);
    }
    QVERIFY(FEcran->Plan_Image == Plans[10]);
    QVERIFY(!FMain->Outil[9]->isEnabled() && FMain->Outil_Retablir->isEnabled());
    QTest::keyClick(FEcran, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(FEcran->Plan_Image == Plans[11]);
    FMask->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FMask));
    QTest::keyClick(FMask, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(FEcran->Plan_Image == Plans[12]);
    FMain->SpeedButton[1]->click();
    QVERIFY(!FMain->Outil_Retablir->isEnabled());
    QCOMPARE(Historique().Pile.index(), 3);
}

QTEST_MAIN(Tst_Historique_Etapes)
#include "tst_Historique_Etapes.moc"
