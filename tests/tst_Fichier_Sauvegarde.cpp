// The save file: written by the shipped plug-in and read back, and the reader's answer to
// every broken file.
#include "Enregistrement.h"
#include "Lecture_Sauvegarde.h"
#include "Registre.h"
#include "Registre_Essai.h"

#include <QFile>
#include <QtTest>

using namespace Corvanel;

namespace
{
using Essai::Ecrire;
using Essai::Plugin_Livre;

QByteArray Mots(std::initializer_list<int> Valeurs)
{
    QByteArray Octets;
    for (int Valeur : Valeurs)
    {
        Octets.append(static_cast<char>(Valeur & 0xFF));
        Octets.append(static_cast<char>((Valeur >> 8) & 0xFF));
    }
    return Octets;
}

// The 8-level codes, lightest to darkest; 2 and 4 levels use the first codes of their own.
std::vector<std::uint8_t> Codes(int Nombre_Couleur)
{
    switch (Nombre_Couleur)
    {
    case 2:
        return {0, 1};
    case 4:
        return {0, 1, 2, 3};
    default:
        return {0, 101, 1, 112, 2, 123, 3};
    }
}
} // namespace

class Tst_Fichier_Sauvegarde : public QObject, private Essai::Dossier_Plugin
{
    Q_OBJECT

private slots:
    void init() { Entrer(); }
    void cleanup() { Quitter(); }

    void Sauvegarde_Aller_Retour_data();
    void Sauvegarde_Aller_Retour();
    void Lecture_data();
    void Lecture();
    void Lecture_Mask_data();
    void Lecture_Mask();
    void Lecture_Fichier_Absent();
};

void Tst_Fichier_Sauvegarde::Sauvegarde_Aller_Retour_data()
{
    QTest::addColumn<int>("Nombre_Couleur");
    QTest::addColumn<int>("Largeur");
    QTest::addColumn<int>("Hauteur");
    for (int Nombre : {2, 4, 8})
    {
        for (auto [Largeur, Hauteur] : {std::pair{1, 1}, {10, 10}, {160, 100}, {240, 128}})
        {
            QTest::addRow("%d niveaux, %dx%d", Nombre, Largeur, Hauteur)
                << Nombre << Largeur << Hauteur;
        }
    }
}

void Tst_Fichier_Sauvegarde::Sauvegarde_Aller_Retour()
{
    QFETCH(int, Nombre_Couleur);
    QFETCH(int, Largeur);
    QFETCH(int, Hauteur);
    if (!QFile::exists(Plugin_Livre(QStringLiteral("Sauvegarde"))))
    {
        QSKIP("Sauvegarde is not built");
    }
    Poser(Plugin_Livre(QStringLiteral("Sauvegarde")), QStringLiteral("Sauvegarde"));
    const Resultat_Scan Scan = Scanner_Plugins();
    QCOMPARE(Scan.Nombre_Plug_Image, 1);

    const std::vector<std::uint8_t> Niveaux = Codes(Nombre_Couleur);
    Plan Plan_Image{};
    for (int x = 0; x < Largeur; ++x)
    {
        for (int y = 0; y < Hauteur; ++y)
        {
            Plan_Image[Indice(x, y)] = Niveaux[(x * 7 + y * 3 + x * y) % Niveaux.size()];
        }
    }
    const QString Chemin = Appliquer_Extention(Temporaire->filePath("Image"), Slot_Image(Scan, 1));
    QVERIFY(Enregistrer_Image(Slot_Image(Scan, 1), Chemin, "Image", std::uint8_t(Nombre_Couleur),
                              Plan_Image, std::uint8_t(Hauteur), std::uint8_t(Largeur))
                .Reussi());
    QCOMPARE(QFileInfo(Chemin).size(), 6 + 2 * Largeur * Hauteur);

    Plan Relu{};
    const Resultat_Lecture Lecture = Lire_Sauvegarde(Chemin, Relu);
    QCOMPARE(Lecture.Etat, Etat_Lecture::Ok);
    QCOMPARE(Lecture.Largeur, Largeur);
    QCOMPARE(Lecture.Hauteur, Hauteur);
    QCOMPARE(Lecture.Nombre_Couleur, Nombre_Couleur);
    QVERIFY(Relu == Plan_Image);
}

void Tst_Fichier_Sauvegarde::Lecture_data()
{
    QTest::addColumn<QByteArray>("Octets");
    QTest::addColumn<QString>("Message"); // empty: read
    QTest::addColumn<int>("Nombre_Couleur");
    QTest::addColumn<QByteArray>("Colonnes"); // the plane's bytes, column by column

    const QString Invalide = QStringLiteral("Fichier de sauvegarde invalide : ");
    QTest::newRow("codes inconnus lus 10")
        << Mots({3, 3, 8, 0, 9, 1, 101, 257, 2, 123, 3, 112}) << QString() << 8
        << QByteArray("\x00\x65\x7b\x0a\x0a\x03\x01\x02\x70", 9);
    QTest::newRow("nombre de niveaux tel quel, octets en trop")
        << Mots({1, 1, 258, 3, 77}) << QString() << 258 << QByteArray("\x03", 1);
    QTest::newRow("largeur 0") << Mots({0, 1, 4}) << Invalide + "largeur 0 hors de 1 à 240." << 0
                               << QByteArray();
    QTest::newRow("largeur 241") << Mots({241, 1, 4}) << Invalide + "largeur 241 hors de 1 à 240."
                                 << 0 << QByteArray();
    QTest::newRow("largeur 257") << Mots({257, 1, 4}) << Invalide + "largeur 257 hors de 1 à 240."
                                 << 0 << QByteArray();
    QTest::newRow("hauteur 0") << Mots({1, 0, 4}) << Invalide + "hauteur 0 hors de 1 à 128." << 0
                               << QByteArray();
    QTest::newRow("hauteur 129") << Mots({1, 129, 4}) << Invalide + "hauteur 129 hors de 1 à 128."
                                 << 0 << QByteArray();
    QTest::newRow("entête tronquée")
        << Mots({10, 10}).append('\x04') << Invalide + "fichier tronqué (5 octets au lieu de 6)."
        << 0 << QByteArray();
    QTest::newRow("fichier vide") << QByteArray()
                                  << Invalide + "fichier tronqué (0 octets au lieu de 6)." << 0
                                  << QByteArray();
    QTest::newRow("pixels tronqués")
        << Mots({2, 2, 4, 1, 2, 3}).append('\x01')
        << Invalide + "fichier tronqué (13 octets au lieu de 14)." << 0 << QByteArray();
}

void Tst_Fichier_Sauvegarde::Lecture()
{
    QFETCH(QByteArray, Octets);
    QFETCH(QString, Message);
    QFETCH(int, Nombre_Couleur);
    QFETCH(QByteArray, Colonnes);

    const QString Chemin = Temporaire->filePath(QStringLiteral("essai.cvl"));
    Ecrire(Chemin, Octets);
    // A marked plane shows whether a refused file wrote anything.
    Plan Plan_Image;
    Plan_Image.fill(0xAA);
    const Plan Avant = Plan_Image;
    const Resultat_Lecture Lecture = Lire_Sauvegarde(Chemin, Plan_Image);
    QCOMPARE(Lecture.Message, Message);
    if (!Message.isEmpty())
    {
        QCOMPARE(Lecture.Etat, Etat_Lecture::Invalide);
        QVERIFY(Plan_Image == Avant);
        return;
    }
    QCOMPARE(Lecture.Etat, Etat_Lecture::Ok);
    QCOMPARE(Lecture.Nombre_Couleur, Nombre_Couleur);
    const int Largeur = Lecture.Largeur;
    const int Hauteur = Lecture.Hauteur;
    QCOMPARE(qsizetype(Largeur * Hauteur), Colonnes.size());
    for (int x = 0; x < Largeur; ++x)
    {
        for (int y = 0; y < Hauteur; ++y)
        {
            QCOMPARE(Plan_Image[Indice(x, y)], std::uint8_t(Colonnes[x * Hauteur + y]));
        }
    }
    // Only the picture's pixels are written.
    QCOMPARE(Plan_Image[Indice(0, Hauteur)], 0xAA);
    QCOMPARE(Plan_Image[Indice(Largeur, 0)], 0xAA);
}

void Tst_Fichier_Sauvegarde::Lecture_Mask_data()
{
    QTest::addColumn<QByteArray>("Octets");
    QTest::addColumn<QString>("Message");     // empty: read
    QTest::addColumn<QByteArray>("Colonnes"); // the mask's bytes, column by column

    const QString Invalide = QStringLiteral("Fichier de sauvegarde invalide : ");
    const QByteArray Codes = Mots({2, 2, 4, 1, 2, 3, 0});
    QTest::newRow("lignes d'abord, seul 1 couvre")
        << Codes + QByteArray("\x01\x02\xFF\x01", 4) << QString()
        << QByteArray("\x01\x00\x00\x01", 4);
    QTest::newRow("mask tronqué") << Codes + QByteArray(3, '\1')
                                  << Invalide + "fichier tronqué (17 octets au lieu de 18)."
                                  << QByteArray();
    QTest::newRow("sans mask") << Codes << Invalide + "fichier tronqué (14 octets au lieu de 18)."
                               << QByteArray();
    QTest::newRow("octet en trop")
        << Codes + QByteArray(5, '\1') << Invalide + "fichier trop long (19 octets au lieu de 18)."
        << QByteArray();
}

// The picture's save file followed by its mask, of exactly that size.
void Tst_Fichier_Sauvegarde::Lecture_Mask()
{
    QFETCH(QByteArray, Octets);
    QFETCH(QString, Message);
    QFETCH(QByteArray, Colonnes);
    const QString Chemin = Temporaire->filePath(QStringLiteral("essai.cvm"));
    Ecrire(Chemin, Octets);
    Plan Plan_Image;
    Plan Plan_Mask;
    Plan_Image.fill(0xAA);
    Plan_Mask.fill(0xAA);
    const Resultat_Lecture Lecture = Lire_Sauvegarde_Mask(Chemin, Plan_Image, Plan_Mask);
    QCOMPARE(Lecture.Message, Message);
    QCOMPARE(Lecture.Etat, Message.isEmpty() ? Etat_Lecture::Ok : Etat_Lecture::Invalide);
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y)
        {
            const bool Dedans = Message.isEmpty() && x < 2 && y < 2;
            QCOMPARE(Plan_Image[Indice(x, y)], std::uint8_t(Dedans ? (1 + x + 2 * y) % 4 : 0xAA));
            QCOMPARE(Plan_Mask[Indice(x, y)], std::uint8_t(Dedans ? Colonnes[x * 2 + y] : 0xAA));
        }
}

void Tst_Fichier_Sauvegarde::Lecture_Fichier_Absent()
{
    Plan Plan_Image{};
    const Resultat_Lecture Lecture =
        Lire_Sauvegarde(Temporaire->filePath("absent.cvl"), Plan_Image);
    QCOMPARE(Lecture.Etat, Etat_Lecture::Non_Ouvert);
    QVERIFY(Lecture.Message.isEmpty());
    QVERIFY(Plan_Image == Plan{});
}

QTEST_GUILESS_MAIN(Tst_Fichier_Sauvegarde)
#include "tst_Fichier_Sauvegarde.moc"
