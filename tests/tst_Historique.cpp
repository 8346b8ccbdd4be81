// The picture's history, the opening that fails without a trace and the question asked before
// unsaved work goes, driven through the windows as a user would.
#include "Couleurs.h"
#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Document_Image.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Gif_Essai.h"
#include "Historique_Image.h"
#include "Outils_Essai.h"
#include "Surface_Dessin.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <functional>

using namespace Corvanel;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace
{
// What the user has of the document: the planes and settings, and the controls showing them.
struct Vue
{
    Plan Image{};
    Plan Masque{};
    Plan Transparence{};
    int Largeur = 0, Hauteur = 0, Nombre = 0, Choisi = 0, Radio = 0;
    Bandes Bandes_Lum;
    Options_Conversion Conversion;
    QList<int> Listes;
    bool Source = false, Adapter = false, Lumiere = false;
    QString Titre;
    // "Conserver les proportions", and the frame of an animation: value, maximum, enabled.
    bool Proportions = false;
    QList<int> Image_Animation;
    // The frames behind the source, and what the quarter turns did to them.
    Images_Source Images;

    // The first difference, named; empty when there is none.
    QString Ecart(const Vue &A) const
    {
        const std::pair<bool, const char *> Champs[] = {
            {Image == A.Image, "plan de l'image"},
            {Masque == A.Masque, "plan du mask"},
            {Transparence == A.Transparence, "points transparents"},
            {Largeur == A.Largeur && Hauteur == A.Hauteur, "taille"},
            {Nombre == A.Nombre && Choisi == A.Choisi, "nombre de couleurs"},
            {Radio == A.Radio, "bouton du nombre de couleurs"},
            {Bandes_Lum == A.Bandes_Lum, "bandes"},
            {Conversion == A.Conversion && Adapter == A.Adapter, "choix de conversion"},
            {Listes == A.Listes, "listes de conversion"},
            {Source == A.Source, "source gardée"},
            {Lumiere == A.Lumiere, "page Lumière"},
            {Titre == A.Titre, "titre de l'édition"},
            {Proportions == A.Proportions, "case des proportions"},
            {Image_Animation == A.Image_Animation, "image de l'animation"},
            {Images == A.Images, "images de la source"}};
        for (const auto &[Egal, Nom] : Champs)
            if (!Egal)
                return QString::fromUtf8(Nom);
        return {};
    }
};

Vue Voir()
{
    const Document_Image &D = FEcran->Document;
    return {D.Plan_Image,
            D.Plan_Mask,
            D.Plan_Transparence,
            D.Largeur_Image,
            D.Hauteur_Image,
            D.Nombre_Couleur,
            D.Nombre_Choisi,
            FMain->Groupe_Nombre->checkedId(),
            D.Bandes_Lum,
            D.Conversion,
            {FMain->Choix_Echantillonnage->currentIndex(), FMain->Choix_Teinte->currentIndex(),
             FMain->Choix_Tramage->currentIndex()},
            D.Source_Valide,
            FMain->Adaptation_Image->isChecked(),
            FMain->Onglets->isTabVisible(2),
            FEcran->windowTitle(),
            FMain->Conserver_Proportions->isChecked(),
            {FMain->Numero_Image->value(), FMain->Numero_Image->maximum(),
             FMain->Numero_Image->isEnabled()},
            D.Images};
}

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

void Souris(QWidget *Surface, QEvent::Type Type, QPoint Point, Qt::MouseButton Bouton)
{
    QMouseEvent Evenement(Type, QPointF(Point), Surface->mapToGlobal(QPointF(Point)), Bouton,
                          Type == QEvent::MouseButtonPress ? Qt::MouseButtons(Bouton)
                                                           : Qt::MouseButtons(Qt::NoButton),
                          Qt::NoModifier);
    QApplication::sendEvent(Surface, &Evenement);
}

// Clicks on cells of the edit window (Masque false) or the mask window.
void Cliquer(bool Masque, const QList<QPoint> &Cellules, Qt::MouseButton Dernier = Qt::LeftButton)
{
    QWidget *Surface = Masque ? static_cast<QWidget *>(FMask->Ecran_MASK) : FEcran->Ecran_TI;
    const int Z = Masque ? FMask->Zoom_Mask : FEcran->Zoom_Ecran;
    int n = 0;
    for (const QPoint &C : Cellules)
    {
        const Qt::MouseButton B = ++n == Cellules.size() ? Dernier : Qt::LeftButton;
        Souris(Surface, QEvent::MouseButtonPress, C * Z, B);
        Souris(Surface, QEvent::MouseButtonRelease, C * Z, B);
    }
}

Action Dessin(int N, const QList<QPoint> &Cellules, Qt::MouseButton Dernier = Qt::LeftButton)
{
    return [=]
    {
        FMain->Outil[N]->click();
        Cliquer(false, Cellules, Dernier);
    };
}

Action Outil_Mask(int N, const QList<QPoint> &Cellules)
{
    return [=]
    {
        FMain->Mask[N]->click();
        Cliquer(true, Cellules);
    };
}

Historique_Image &Historique()
{
    return *FEcran->Document.Historique();
}
} // namespace

class Tst_Historique : public QObject
{
    Q_OBJECT

    Dialogues_Factices Faux;
    QTemporaryDir Dossier;

    QString Chemin(const QString &Nom) const { return Dossier.filePath(Nom); }

    // Tones that every conversion choice and band moves somewhere.
    QString Ecrire_Image(const QString &Nom, int Graine = 0)
    {
        QImage Image(48, 32, QImage::Format_RGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 48; ++x)
                Image.setPixel(
                    x, y,
                    qRgb((x * 5 + Graine) % 256, (y * 8 + x) % 256, (x * y + Graine * 3) % 256));
        const QString Fichier = Chemin(Nom);
        Image.save(Fichier);
        return Fichier;
    }

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

    void Ouvrir(const QString &Fichier, int Type)
    {
        FMain->Ouvrir_Fichier->click();
        Faux.Reponses_Fichier.push_back(Choix_Fichier{Fichier, Type});
        FMain->Button1->click();
    }

    // A 24 x 16 picture from a bitmap at 4 levels, retouched, with its mask being edited.
    void Preparer()
    {
        FMain->Taille_Image->setCurrentIndex(5);
        emit FMain->Taille_Image->activated(5);
        FMain->Largeur->setText(QStringLiteral("24"));
        FMain->Hauteur->setText(QStringLiteral("16"));
        Ouvrir(Ecrire_Image(QStringLiteral("depart.bmp")), 1);
        QVERIFY(FEcran->isVisible());
        FMain->Button_Editer_Mask->click();
        FMain->SpeedButton17->click();
        Dessin(1, {{2, 2}})();
        Outil_Mask(2, {{1, 1}, {5, 4}})();
        Faux.Demandes.clear();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(Dossier.path()));
        QVERIFY(QDir().mkpath(QStringLiteral("Plugin")));
        QVERIFY(QFile::copy(Essai::Plugin_Livre(QStringLiteral("Sauvegarde")),
                            QStringLiteral("Plugin/Sauvegarde.so")));
    }
    void init()
    {
        Faux = Dialogues_Factices();
        QFont Police(QStringLiteral("DejaVu Sans"));
        // Strokes wider than a cell at zoom 2, so that the read-back meets them.
        Police.setPointSize(24);
        Faux.Police = Police;
        Creer_Fenetres(Faux);
        Preparer();
    }
    void cleanup() { Detruire_Fenetres(); }

    void Etapes_data();
    void Etapes();
    void Cent_Etapes_Et_Touches();
    void Ouverture_Ratee_data();
    void Ouverture_Ratee();
    void Question_data();
    void Question();
};

void Tst_Historique::Etapes_data()
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
void Tst_Historique::Etapes()
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
void Tst_Historique::Cent_Etapes_Et_Touches()
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

void Tst_Historique::Ouverture_Ratee_data()
{
    QTest::addColumn<QString>("Nom");
    QTest::addColumn<QByteArray>("Contenu"); // empty: no such file
    QTest::addColumn<int>("Type");
    QTest::addColumn<QString>("Raison");
    QByteArray Bitmap;
    {
        QBuffer Tampon(&Bitmap);
        QImage Image(10, 10, QImage::Format_RGB32);
        Image.fill(Qt::gray);
        Image.save(&Tampon, "BMP");
    }
    QTest::newRow("bitmap illisible")
        << "a.bmp" << QByteArray("BM pas vraiment") << 1 << "données de l'image invalides";
    QTest::newRow("bitmap tronqué")
        << "b.bmp" << Bitmap.left(Bitmap.size() - 40) << 1 << "fichier incomplet";
    QTest::newRow("bitmap de 10 001 x 10 000")
        << "c.bmp"
        << QByteArray::fromHex(
               "424d000000000000000036000000280000001127"
               "0000102700000100180000000000000000000000000000000000000000000000000000000000")
        << 1 << "image trop grande";
    QTest::newRow("bitmap absent") << "absent.bmp" << QByteArray() << 1 << "fichier introuvable";
    QTest::newRow("image d'un format inconnu")
        << "d.png" << QByteArray("rien") << 3 << "format d'image non reconnu";
    QTest::newRow("sauvegarde tronquée")
        << "e.cvl" << QByteArray::fromHex("0a000a0004000100") << 2 << "fichier tronqué";
    QTest::newRow("sauvegarde trop large")
        << "f.cvl" << QByteArray::fromHex("f100010004000000") << 2 << "largeur 241";
    QTest::newRow("sauvegarde absente") << "absente.cvl" << QByteArray() << 2 << "introuvable";
    QTest::newRow("source qui ne va pas à la taille")
        << "g.h" << QByteArray("unsigned char S_C0[] = {0x01};") << 4 << "a 1 nombre de 8 bits";
    QTest::newRow("source absente") << "absente.asm" << QByteArray() << 4 << "introuvable";
}

// A file that cannot be read: the message says why, and the picture, its mask, size, level
// count, kept source, caption, pages and history stay exactly as they were.
void Tst_Historique::Ouverture_Ratee()
{
    QFETCH(QString, Nom);
    QFETCH(QByteArray, Contenu);
    QFETCH(int, Type);
    QFETCH(QString, Raison);
    if (!Contenu.isEmpty())
    {
        QFile F(Chemin(Nom));
        QVERIFY(F.open(QIODevice::WriteOnly));
        F.write(Contenu);
    }
    FMain->Choix_Nombre_Couleur_8->click();
    FMain->Button4->click();
    const Vue Avant = Voir();
    const QImage Source = FEcran->Image_Couleur.Image;
    const QImage Edition = FEcran->Ecran_TI->Image().copy();
    const QImage Masque = FMask->Ecran_MASK->Image().copy();
    const int Etapes = Historique().Pile.count();
    Faux.Reponses_Question.push_back(true);
    Ouvrir(Chemin(Nom), Type);
    QCOMPARE(Faux.Genres(), (QStringList{"question", "ouvrir", "erreur"}));
    QVERIFY2(Faux.Demandes.last().Texte.contains(Raison), qPrintable(Faux.Demandes.last().Texte));
    QVERIFY2(Voir().Ecart(Avant).isEmpty(), qPrintable(Voir().Ecart(Avant)));
    QVERIFY(FEcran->Image_Couleur.Image.cacheKey() == Source.cacheKey());
    QVERIFY(FEcran->Ecran_TI->Image() == Edition && FMask->Ecran_MASK->Image() == Masque);
    QCOMPARE(Historique().Pile.count(), Etapes);
    QVERIFY(FEcran->isVisible() && FMain->Button11->isEnabled());
    // The picture kept is the picture as it was: still converted again by its controls.
    FMain->Button4->click();
    QVERIFY(FEcran->Bandes_Lum != Avant.Bandes_Lum);
    FMain->Outil[9]->click();
    QVERIFY(Voir().Ecart(Avant).isEmpty());
}

void Tst_Historique::Question_data()
{
    QTest::addColumn<Action>("Avant");
    QTest::addColumn<int>("Commande"); // 0 close, 1 "Ouvrir", 2 "Image vide"
    QTest::addColumn<bool>("Posee");
    QTest::addColumn<bool>("Reponse");
    const Action Retouche = Dessin(3, {{0, 0}, {9, 9}});
    const Action Rien = [] {};
    for (int Commande : {0, 1, 2})
    {
        const char *Nom = Commande == 0 ? "fermer" : Commande == 1 ? "ouvrir" : "image vide";
        QTest::addRow("%s, retouchée, non", Nom) << Retouche << Commande << true << false;
        QTest::addRow("%s, retouchée, oui", Nom) << Retouche << Commande << true << true;
        QTest::addRow("%s, mask seul retouché, non", Nom)
            << Outil_Mask(1, {{20, 1}}) << Commande << true << false;
        QTest::addRow("%s, telle qu'ouverte", Nom) << Rien << Commande << false << true;
    }
    QTest::newRow("fermer, retouche défaite") << Action(
                                                     [Retouche]
                                                     {
                                                         Retouche();
                                                         FMain->Outil[9]->click();
                                                     })
                                              << 0 << false << true;
    QTest::newRow("fermer, enregistrée")
        << Action(
               [this, Retouche]
               {
                   Retouche();
                   Faux.Reponses_Fichier.push_back({Chemin(QStringLiteral("x.cvl")), 1});
                   FMain->Button2->click();
               })
        << 0 << false << true;
    QTest::newRow("image vide, sur une image vide") << Action(
                                                           []
                                                           {
                                                               FMain->RadioButton1->click();
                                                               FMain->Button1->click();
                                                           })
                                                    << 2 << false << true;
}

// The question comes only when the picture differs from what was last opened, created or
// saved; "Non" changes nothing at all.
void Tst_Historique::Question()
{
    QFETCH(Action, Avant);
    QFETCH(int, Commande);
    QFETCH(bool, Posee);
    QFETCH(bool, Reponse);
    // The preparation's retouches undone, the picture is as it was opened.
    FMain->Outil[9]->click();
    FMain->Outil[9]->click();
    Avant();
    const Vue Depart = Voir();
    Faux.Demandes.clear();
    Faux.Reponses_Question.push_back(Reponse);
    bool Ferme = false;
    if (Commande == 0)
        Ferme = FMain->close();
    else
    {
        (Commande == 1 ? FMain->Ouvrir_Fichier : FMain->RadioButton1)->click();
        Faux.Reponses_Fichier.push_back(Choix_Fichier{Ecrire_Image(QStringLiteral("n.bmp"), 9), 1});
        FMain->Button1->click();
        Faux.Reponses_Fichier.clear();
    }
    QCOMPARE(Faux.Nombre(QStringLiteral("question")), Posee ? 1 : 0);
    if (Posee)
    {
        QCOMPARE(Faux.Demandes.first().Titre, QStringLiteral("Corvanel"));
        QCOMPARE(Faux.Demandes.first().Texte,
                 QStringLiteral("L'image a été modifiée depuis son dernier enregistrement. "
                                "Abandonner les modifications ?"));
    }
    const bool Suivie = Reponse || !Posee;
    QCOMPARE(Faux.Nombre(QStringLiteral("ouvrir")), Commande == 1 && Suivie ? 1 : 0);
    QCOMPARE(Ferme, Commande == 0 && Suivie);
    if (!Suivie)
        QVERIFY2(Voir().Ecart(Depart).isEmpty(), qPrintable(Voir().Ecart(Depart)));
    else if (Commande != 0 && Posee)
        QVERIFY(!Voir().Ecart(Depart).isEmpty());
}

QTEST_MAIN(Tst_Historique)
#include "tst_Historique.moc"
