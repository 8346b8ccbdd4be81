// Hostile files opened through the real windows: broken pictures and save files, special
// files, and a picture far larger than the plane.
#include "Decodage_Image.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Lecture_Sauvegarde.h"
#include "Outils_Essai.h"
#include "Robustesse_Essai.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtEndian>
#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <thread>

using namespace Corvanel;

namespace
{
using Essai::Code_Image;
using Essai::Ecrire;
using Essai::Titre_Principal;

template <typename T> void Ajouter(QByteArray &Octets, T Valeur)
{
    const T Le = qToLittleEndian(Valeur);
    Octets.append(reinterpret_cast<const char *>(&Le), sizeof Le);
}

template <typename T> void Ajouter_Gros(QByteArray &Octets, T Valeur)
{
    const T Be = qToBigEndian(Valeur);
    Octets.append(reinterpret_cast<const char *>(&Be), sizeof Be);
}

// A Windows bitmap as its headers say, whatever the pixel data really holds.
QByteArray Bmp(qint32 Largeur, qint32 Hauteur, quint16 Bits, quint32 Compression,
               const QByteArray &Palette, const QByteArray &Pixels, quint32 Couleurs_Palette = 0)
{
    QByteArray Octets("BM");
    const quint32 Debut = 14 + 40 + Palette.size();
    Ajouter<quint32>(Octets, Debut + Pixels.size());
    Ajouter<quint32>(Octets, 0);
    Ajouter<quint32>(Octets, Debut);
    Ajouter<quint32>(Octets, 40);
    Ajouter<qint32>(Octets, Largeur);
    Ajouter<qint32>(Octets, Hauteur);
    Ajouter<quint16>(Octets, 1);
    Ajouter<quint16>(Octets, Bits);
    Ajouter<quint32>(Octets, Compression);
    Ajouter<quint32>(Octets, Pixels.size());
    Ajouter<qint32>(Octets, 2835);
    Ajouter<qint32>(Octets, 2835);
    Ajouter<quint32>(Octets, Couleurs_Palette ? Couleurs_Palette : Palette.size() / 4);
    Ajouter<quint32>(Octets, 0);
    return Octets + Palette + Pixels;
}

QByteArray Palette_Grise(int Nombre)
{
    QByteArray Palette;
    for (int i = 0; i < Nombre; ++i)
        Palette.append(QByteArray(3, char(i * 255 / std::max(1, Nombre - 1)))).append('\0');
    return Palette;
}

// An 8-bit bitmap whose pixel rows hold x * 8 + y.
QByteArray Bmp_8_Bits(int Largeur, int Hauteur)
{
    QByteArray Pixels;
    const int Ligne = (Largeur + 3) / 4 * 4;
    for (int y = 0; y < Hauteur; ++y)
        for (int x = 0; x < Ligne; ++x)
            Pixels.append(char(x * 8 + y));
    return Bmp(Largeur, Hauteur, 8, 0, Palette_Grise(256), Pixels);
}

QByteArray Png(quint32 Largeur, quint32 Hauteur, const QByteArray &Donnees_Idat)
{
    const auto Bloc = [](const char *Type, const QByteArray &Contenu)
    {
        QByteArray Bloc;
        Ajouter_Gros<quint32>(Bloc, Contenu.size());
        const QByteArray Corps = QByteArray(Type) + Contenu;
        Bloc += Corps;
        // The standard CRC-32 of the type and the content.
        quint32 Crc = 0xFFFFFFFFu;
        for (const char c : Corps)
        {
            Crc ^= static_cast<quint8>(c);
            for (int k = 0; k < 8; ++k)
                Crc = (Crc >> 1) ^ (0xEDB88320u & (0u - (Crc & 1u)));
        }
        Ajouter_Gros<quint32>(Bloc, ~Crc);
        return Bloc;
    };
    QByteArray Entete;
    Ajouter_Gros<quint32>(Entete, Largeur);
    Ajouter_Gros<quint32>(Entete, Hauteur);
    Entete.append(char(8)).append(char(0)).append(char(0)).append(char(0)).append(char(0));
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + Bloc("IHDR", Entete) + Bloc("IDAT", Donnees_Idat) +
           Bloc("IEND", {});
}

QByteArray Png_Valide()
{
    QByteArray Lignes;
    for (int y = 0; y < 8; ++y)
    {
        Lignes.append('\0');
        for (int x = 0; x < 8; ++x)
            Lignes.append(char(x * 32));
    }
    return Png(8, 8, qCompress(Lignes).mid(4)); // qCompress puts the length before the stream
}

QByteArray Sauvegarde(int Largeur, int Hauteur, int Nombre, const QList<quint16> &Codes)
{
    QByteArray Octets;
    Ajouter<quint16>(Octets, Largeur);
    Ajouter<quint16>(Octets, Hauteur);
    Ajouter<quint16>(Octets, Nombre);
    for (int i = 0; i < Largeur * Hauteur; ++i)
        Ajouter<quint16>(Octets, Codes.isEmpty() ? 0 : Codes[i % Codes.size()]);
    return Octets;
}

long Memoire_Max_Ko()
{
    rusage Usage{};
    getrusage(RUSAGE_SELF, &Usage);
    return Usage.ru_maxrss;
}

enum class Attendu
{
    Message,
    Image,
    Au_Choix, // either is sound, as long as it is one of them
};
} // namespace

Q_DECLARE_METATYPE(Attendu)

class Tst_Fichiers_Hostiles : public QObject, private Essai::Fenetres_Temporaires
{
    Q_OBJECT

    // A broken file changes nothing: a message says why, and the program is as it started,
    // without a picture.
    void Verifier_Etat_Vide()
    {
        QVERIFY(!Faux.Demandes.isEmpty());
        QCOMPARE(Faux.Demandes.last().Genre, QStringLiteral("erreur"));
        QVERIFY(!Faux.Demandes.last().Texte.isEmpty());
        QCOMPARE(FEcran->Largeur_Image, std::uint8_t(0));
        QCOMPARE(FEcran->Hauteur_Image, std::uint8_t(0));
        QVERIFY(!FEcran->isVisible() && !FMain->Onglets->isTabVisible(1));
        QVERIFY(!FMain->Outil[9]->isEnabled());
        QVERIFY(std::all_of(FEcran->Plan_Image.begin(), FEcran->Plan_Image.end(),
                            [](std::uint8_t o) { return o == 0; }));
        QVERIFY(std::all_of(FMask->Plan_Mask.begin(), FMask->Plan_Mask.end(),
                            [](std::uint8_t o) { return o == 0; }));
        QCOMPARE(FMain->windowTitle(), Titre_Principal);
    }

private slots:
    void init() { Entrer(); }
    void cleanup() { Quitter(); }

    void Images_Hostiles_data();
    void Images_Hostiles();
    void Fichiers_Speciaux();
    void Sauvegardes_Hostiles_data();
    void Sauvegardes_Hostiles();
    void Grande_Image();
};

void Tst_Fichiers_Hostiles::Images_Hostiles_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<int>("type");
    QTest::addColumn<Attendu>("attendu");

    const QByteArray Bon = Bmp_8_Bits(32, 32);
    const QByteArray Palette = Palette_Grise(256);
    QTest::newRow("vide") << QByteArray() << 1 << Attendu::Message;
    QTest::newRow("texte") << QByteArray("Ceci n'est pas une image.\n") << 3 << Attendu::Message;
    QTest::newRow("texte en bitmap")
        << QByteArray("BM, mais rien d'autre") << 1 << Attendu::Message;
    QTest::newRow("bitmap sain") << Bon << 1 << Attendu::Image;
    QTest::newRow("en-tete de fichier tronque") << Bon.left(10) << 1 << Attendu::Message;
    QTest::newRow("en-tete d'image tronque") << Bon.left(30) << 1 << Attendu::Message;
    QTest::newRow("palette tronquee") << Bon.left(54 + 300) << 1 << Attendu::Message;
    QTest::newRow("pixels tronques") << Bon.left(Bon.size() - 700) << 1 << Attendu::Au_Choix;
    QTest::newRow("index hors de la palette")
        << Bmp(16, 16, 8, 0, Palette_Grise(2), QByteArray(256, '\xF0')) << 1 << Attendu::Au_Choix;
    QTest::newRow("palette annoncee immense")
        << Bmp(4, 4, 8, 0, Palette_Grise(2), QByteArray(16, '\1'), 0x7FFFFFFF) << 1
        << Attendu::Au_Choix;
    // Run-length data: a run past the row's end, a jump out of the picture, an absolute run
    // longer than the data, data without its end mark.
    QTest::newRow("rle8 course trop longue")
        << Bmp(6, 3, 8, 1, Palette, QByteArray::fromHex("ff07ff080000ff090001")) << 1
        << Attendu::Au_Choix;
    QTest::newRow("rle8 saut hors image")
        << Bmp(6, 3, 8, 1, Palette, QByteArray::fromHex("0201c8c80403000003050001")) << 1
        << Attendu::Au_Choix;
    QTest::newRow("rle8 absolu tronque")
        << Bmp(6, 3, 8, 1, Palette, QByteArray::fromHex("00c80102")) << 1 << Attendu::Au_Choix;
    QTest::newRow("rle8 sans fin")
        << Bmp(6, 3, 8, 1, Palette, QByteArray::fromHex("0201")) << 1 << Attendu::Au_Choix;
    QTest::newRow("rle4 course trop longue")
        << Bmp(6, 3, 4, 2, Palette_Grise(16), QByteArray::fromHex("ff12ff340001")) << 1
        << Attendu::Au_Choix;
    QTest::newRow("rle4 absolu tronque")
        << Bmp(6, 3, 4, 2, Palette_Grise(16), QByteArray::fromHex("00ff12")) << 1
        << Attendu::Au_Choix;
    QTest::newRow("largeur nulle")
        << Bmp(0, 8, 8, 0, Palette, QByteArray(64, '\1')) << 1 << Attendu::Message;
    QTest::newRow("hauteur nulle")
        << Bmp(8, 0, 8, 0, Palette, QByteArray(64, '\1')) << 1 << Attendu::Message;
    QTest::newRow("largeur negative")
        << Bmp(-8, 8, 8, 0, Palette, QByteArray(64, '\1')) << 1 << Attendu::Message;
    QTest::newRow("hauteur minimale")
        << Bmp(8, std::numeric_limits<qint32>::min(), 8, 0, Palette, QByteArray(64, '\1')) << 1
        << Attendu::Message;
    QTest::newRow("profondeur 7") << Bmp(8, 8, 7, 0, {}, QByteArray(64, '\1')) << 1
                                  << Attendu::Message;
    QTest::newRow("compression inconnue")
        << Bmp(8, 8, 24, 9, {}, QByteArray(256, '\1')) << 1 << Attendu::Message;
    QTest::newRow("champs de bits nuls")
        << Bmp(4, 4, 16, 3, QByteArray(12, '\0'), QByteArray(32, '\x55')) << 1 << Attendu::Au_Choix;
    // Sizes that would take gigabytes: refused from the header, before any pixel memory.
    QTest::newRow("bitmap de 30 giga-octets")
        << Bmp(100000, 100000, 24, 0, {}, QByteArray(64, '\1')) << 1 << Attendu::Message;
    QTest::newRow("bitmap d'un milliard de points")
        << Bmp(32767, 32767, 1, 0, Palette_Grise(2), QByteArray(64, '\1')) << 1 << Attendu::Message;
    QTest::newRow("bitmap juste sous la limite de points")
        << Bmp(32000, 3000, 32, 0, {}, QByteArray(64, '\1')) << 1 << Attendu::Message;
    QTest::newRow("bitmap large et plat")
        << Bmp(2000000, 1, 24, 0, {}, QByteArray(64, '\1')) << 1 << Attendu::Message;
    QTest::newRow("png sain") << Png_Valide() << 3 << Attendu::Image;
    QTest::newRow("png d'un million de cote")
        << Png(1000000, 1000000, QByteArray(16, '\0')) << 3 << Attendu::Message;
    QTest::newRow("png de 20000 x 20000")
        << Png(20000, 20000, QByteArray(16, '\0')) << 3 << Attendu::Message;
    QTest::newRow("png tronque") << Png_Valide().left(40) << 3 << Attendu::Message;
    QTest::newRow("gif tronque") << QByteArray::fromHex("474946383961ffffffff80") << 3
                                 << Attendu::Message;
    QTest::newRow("jpeg sans donnees")
        << QByteArray::fromHex("ffd8ffe000104a464946") << 3 << Attendu::Message;
}

// Each file gives a picture or a message naming it, quickly and in bounded memory, both from
// the decoder and through the open command.
void Tst_Fichiers_Hostiles::Images_Hostiles()
{
    QFETCH(QByteArray, octets);
    QFETCH(int, type);
    QFETCH(Attendu, attendu);
    const QString Fichier = Chemin(QStringLiteral("hostile.bmp"));
    Ecrire(Fichier, octets);

    const long Memoire_Avant = Memoire_Max_Ko();
    QElapsedTimer Chrono;
    Chrono.start();
    for (const bool Bitmap_Seul : {true, false})
    {
        const Resultat_Decodage Decode = Decoder_Image(Fichier, Bitmap_Seul);
        QVERIFY(Decode.Image.isNull() != Decode.Erreur.isEmpty());
        if (Bitmap_Seul == (type == 1) && attendu != Attendu::Au_Choix)
            QCOMPARE(Decode.Image.isNull(), attendu == Attendu::Message);
    }
    QVERIFY2(Chrono.elapsed() < 5000, qPrintable(QString::number(Chrono.elapsed())));
    // Qt keeps any one picture under 128 MB; nothing may come near a gigabyte.
    QVERIFY2(Memoire_Max_Ko() - Memoire_Avant < 400 * 1024,
             qPrintable(QString::number(Memoire_Max_Ko() - Memoire_Avant)));

    Demarrer();
    Ouvrir(Fichier, type);
    if (FEcran->Source_Valide)
    {
        QVERIFY(attendu != Attendu::Message);
        QVERIFY(!Faux.Genres().contains(QStringLiteral("erreur")));
        QVERIFY(FEcran->isVisible());
        for (int x = 0; x < Colonnes_Plan; ++x)
            for (int y = 0; y < Lignes_Plan; ++y)
            {
                const std::uint8_t Code = FEcran->Plan_Image[Indice(x, y)];
                QVERIFY(x < 160 && y < 100 ? Code <= 3 : Code == 0);
            }
    }
    else
    {
        QVERIFY(attendu != Attendu::Image);
        Verifier_Etat_Vide();
        QVERIFY(Faux.Demandes.last().Texte.contains(Fichier));
    }
}

// A folder, a named pipe with no writer and a missing file, under every file type: a message,
// at once.
void Tst_Fichiers_Hostiles::Fichiers_Speciaux()
{
    const QString Dossier = Chemin(QStringLiteral("dossier.bmp"));
    QVERIFY(QDir().mkpath(Dossier));
    const QString Tube = Chemin(QStringLiteral("tube.bmp"));
    QCOMPARE(mkfifo(QFile::encodeName(Tube).constData(), 0600), 0);
    const QString Absent = Chemin(QStringLiteral("absent.bmp"));

    // Should anything block on the pipe, a writer comes by after three seconds and lets it
    // go, so the test reports the wait instead of hanging.
    std::atomic<bool> Fini{false};
    std::thread Debloqueur(
        [&]
        {
            for (int i = 0; i < 30 && !Fini; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            while (!Fini)
            {
                const int Fd = ::open(QFile::encodeName(Tube).constData(), O_WRONLY | O_NONBLOCK);
                if (Fd >= 0)
                    ::close(Fd);
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
    const auto Arreter = qScopeGuard(
        [&]
        {
            Fini = true;
            Debloqueur.join();
        });

    Demarrer();
    for (const QString &Fichier : {Dossier, Tube, Absent})
        for (const int Type : {1, 2, 3})
        {
            const QString Cas = QStringLiteral("%1, type %2").arg(Fichier).arg(Type);
            QElapsedTimer Chrono;
            Chrono.start();
            Faux.Demandes.clear();
            Ouvrir(Fichier, Type);
            QVERIFY2(Chrono.elapsed() < 2000, qPrintable(Cas));
            QVERIFY2(!FEcran->Source_Valide, qPrintable(Cas));
            Verifier_Etat_Vide();
            Plan Lu{};
            QVERIFY(Lire_Sauvegarde(Fichier, Lu).Etat != Etat_Lecture::Ok);
            QVERIFY2(Chrono.elapsed() < 2000, qPrintable(Cas));
        }
}

void Tst_Fichiers_Hostiles::Sauvegardes_Hostiles_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<bool>("lisible");
    QTest::addColumn<int>("type"); // the open dialog's: 2 the picture alone, 5 with its mask

    for (const int Type : {2, 5})
    {
        // The mask follows the codes, one byte per pixel.
        const auto Fichier =
            [Type](int Largeur, int Hauteur, int Nombre, const QList<quint16> &Codes)
        {
            const QByteArray Octets = Sauvegarde(Largeur, Hauteur, Nombre, Codes);
            if (Type == 2 || Largeur < 0 || Largeur * Hauteur > 30720)
                return Octets;
            QByteArray Mask(Largeur * Hauteur, '\1');
            for (int i = 0; i < Mask.size(); i += 3)
                Mask[i] = char(i % 2 ? 0 : 255); // not 1: not covered
            return Octets + Mask;
        };
        const auto Ligne = [Type](const char *Nom, const QByteArray &Octets, bool Lisible)
        { QTest::addRow("%s, type %d", Nom, Type) << Octets << Lisible << Type; };
        const QByteArray Bonne = Fichier(10, 10, 4, {0, 1, 2, 3});
        Ligne("vide", QByteArray(), false);
        Ligne("en-tete tronque", Bonne.left(5), false);
        Ligne("largeur nulle", Fichier(0, 10, 4, {1}), false);
        Ligne("hauteur nulle", Fichier(10, 0, 4, {1}), false);
        Ligne("largeur 241", Fichier(241, 1, 4, {1}), false);
        Ligne("hauteur 129", Fichier(1, 129, 4, {1}), false);
        Ligne("largeur 65535", Fichier(65535, 1, 4, {}).left(1000), false);
        Ligne("pixels tronques", Bonne.left(Bonne.size() - 1), false);
        Ligne("codes inconnus", Fichier(3, 2, 8, {9, 257, 0xFFFF, 101, 4, 123}), true);
        Ligne("nombre de couleurs inconnu", Fichier(4, 4, 7, {2}), true);
        // A picture alone may be followed by anything; a mask must end its file.
        Ligne("octets en trop", Bonne + QByteArray(100, '\7'), Type == 2);
        if (Type == 5)
            Ligne("sans mask", Sauvegarde(10, 10, 4, {0, 1, 2, 3}), false);
    }
}

void Tst_Fichiers_Hostiles::Sauvegardes_Hostiles()
{
    QFETCH(QByteArray, octets);
    QFETCH(bool, lisible);
    QFETCH(int, type);
    const QString Fichier =
        Chemin(type == 2 ? QStringLiteral("hostile.cvl") : QStringLiteral("hostile.cvm"));
    Ecrire(Fichier, octets);
    Demarrer();
    Ouvrir(Fichier, type);
    QVERIFY(!FMain->Onglets->isTabVisible(2));
    if (!lisible)
    {
        Verifier_Etat_Vide();
        return;
    }
    QVERIFY(!Faux.Genres().contains(QStringLiteral("erreur")));
    QVERIFY(octets.size() >= 6);
    const int Largeur = quint8(octets[0]) | quint8(octets[1]) << 8;
    const int Hauteur = quint8(octets[2]) | quint8(octets[3]) << 8;
    QCOMPARE(int(FEcran->Largeur_Image), Largeur);
    QCOMPARE(int(FEcran->Hauteur_Image), Hauteur);
    for (int x = 0; x < Colonnes_Plan; ++x)
        for (int y = 0; y < Lignes_Plan; ++y)
        {
            const bool Dedans = x < Largeur && y < Hauteur;
            const std::uint8_t Code = FEcran->Plan_Image[Indice(x, y)];
            QVERIFY(Dedans ? Code_Image(Code) && Code != 9 : Code == 0);
            const std::uint8_t Masque = FMask->Plan_Mask[Indice(x, y)];
            const int Octet_Mask = 6 + 2 * Largeur * Hauteur + y * Largeur + x;
            QCOMPARE(Masque, std::uint8_t(Dedans && type == 5 && octets[Octet_Mask] == 1));
        }
    QCOMPARE(FMain->Button11->isEnabled(), type == 5);
}

// An 8000 x 6000 bitmap, a phone's photo, opens in the window; 16 bits, so that its white is
// read through the exact widening. Left half white, right half black.
void Tst_Fichiers_Hostiles::Grande_Image()
{
    constexpr int Largeur = 8000;
    constexpr int Hauteur = 6000;
    QByteArray Ligne;
    for (int x = 0; x < Largeur; ++x)
        Ligne.append(x < Largeur / 2 ? QByteArray("\xff\x7f", 2) : QByteArray(2, '\0'));
    const QString Fichier = Chemin(QStringLiteral("photo.bmp"));
    {
        QFile Sortie(Fichier);
        QVERIFY(Sortie.open(QIODevice::WriteOnly));
        Sortie.write(Bmp(Largeur, Hauteur, 16, 0, {}, {}).left(54));
        for (int y = 0; y < Hauteur; ++y)
            QCOMPARE(Sortie.write(Ligne), Ligne.size());
    }
    Demarrer();
    Ouvrir(Fichier, 1);
    QVERIFY2(FEcran->Source_Valide, qPrintable(Faux.Demandes.value(0).Texte));
    QCOMPARE(FEcran->Image_Couleur.Image.size(), QSize(Largeur, Hauteur));
    QCOMPARE(FEcran->Image_Couleur.Image.pixel(0, 0), qRgb(255, 255, 255));
    for (int x = 0; x < 160; ++x)
        QCOMPARE(FEcran->Plan_Image[Indice(x, 50)], x < 80 ? Code::Blanc : Code::Noir);
    QFile::remove(Fichier);
}

QTEST_MAIN(Tst_Fichiers_Hostiles)
#include "tst_Fichiers_Hostiles.moc"
