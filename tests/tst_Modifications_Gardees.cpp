// The picture in hand kept: an opening that fails leaves no trace, and the question asked
// before unsaved work goes, driven through the windows as a user would.
#include "Historique_Essai.h"

#include <QBuffer>
#include <QFile>
#include <QtTest>

using namespace Corvanel;
using namespace Essai;

class Tst_Modifications_Gardees : public QObject, public Banc_Historique
{
    Q_OBJECT

private slots:
    void initTestCase() { Installer(); }
    void init() { Ouvrir_Fenetres(); }
    void cleanup() { Fermer_Fenetres(); }

    void Ouverture_Ratee_data();
    void Ouverture_Ratee();
    void Question_data();
    void Question();
};

void Tst_Modifications_Gardees::Ouverture_Ratee_data()
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
void Tst_Modifications_Gardees::Ouverture_Ratee()
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

void Tst_Modifications_Gardees::Question_data()
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
void Tst_Modifications_Gardees::Question()
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

QTEST_MAIN(Tst_Modifications_Gardees)
#include "tst_Modifications_Gardees.moc"
