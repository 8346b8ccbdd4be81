// Hostile input driven through the real windows: broken pictures and save files, broken plug-in
// libraries, and many random pictures and operations that must keep the planes sound.
#include "Bibliotheque.h"
#include "Conversion.h"
#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Document_Image.h"
#include "Enregistrement.h"
#include "Explorateur.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Fiche_Plugin.h"
#include "Historique_Image.h"
#include "Hote_Plugin.h"
#include "Lecture_Sauvegarde.h"
#include "Outils_Essai.h"
#include "Plug_Contrat.h"
#include "Surface_Dessin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtEndian>
#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <thread>

using namespace Corvanel;
using Essai::Lire;

namespace
{
using Essai::Dossier_Build;
using Essai::Fixture;
using Essai::Plugin_Livre;
using Essai::Titre_Principal;

void Ecrire(const QString &Chemin, const QByteArray &Octets)
{
    QFile Fichier(Chemin);
    QVERIFY(Fichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(Fichier.write(Octets), Octets.size());
}

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

bool Code_Image(std::uint8_t Code)
{
    return Code::Tonal(Code) || Code == Code::Sans_Nombre || Code == Code::Inconnu;
}

enum class Attendu
{
    Message,
    Image,
    Au_Choix, // either is sound, as long as it is one of them
};
} // namespace

Q_DECLARE_METATYPE(Attendu)

class Tst_Robustesse : public QObject
{
    Q_OBJECT

    Dialogues_Factices Faux;
    std::unique_ptr<QTemporaryDir> Temporaire;
    QString Ancien_Dossier;
    bool Fenetres = false;

    QString Chemin(const QString &Nom) const { return Temporaire->filePath(Nom); }

    void Demarrer()
    {
        Faux = Dialogues_Factices();
        Creer_Fenetres(Faux);
        Fenetres = true;
    }

    void Ouvrir(const QString &Fichier, int Type)
    {
        FMain->Ouvrir_Fichier->click();
        Faux.Reponses_Fichier.push_back(Choix_Fichier{Fichier, Type});
        FMain->Button1->click();
    }

    void Taille_Libre(int Largeur, int Hauteur)
    {
        FMain->Taille_Image->setCurrentIndex(5);
        emit FMain->Taille_Image->activated(5);
        FMain->Largeur->setText(QString::number(Largeur));
        FMain->Hauteur->setText(QString::number(Hauteur));
    }

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

    void Verifier_Plans(const char *Etape);
    void Marquer();
    int Index_Marque = 0;
    void Operation_Aleatoire(QRandomGenerator &Hasard);
    void Souris(QWidget *Surface, QEvent::Type Type, QPoint Point, Qt::MouseButton Bouton);

    // Outside the picture: what the planes must keep.
    Plan Hors_Image{};
    Plan Hors_Mask{};
    static constexpr std::uint8_t Marque_Image = 77;

private slots:
    void init();
    void cleanup();

    void Images_Hostiles_data();
    void Images_Hostiles();
    void Fichiers_Speciaux();
    void Sauvegardes_Hostiles_data();
    void Sauvegardes_Hostiles();

    void Bibliotheque_Tronquee_data();
    void Bibliotheque_Tronquee();
    void Plugins_Casses();
    void Plugins_Qui_Plantent();
    void Grande_Image();

    void Proprietes();
};

void Tst_Robustesse::init()
{
    Ancien_Dossier = QDir::currentPath();
    Temporaire = std::make_unique<QTemporaryDir>();
    QVERIFY(Temporaire->isValid());
    QVERIFY(QDir::setCurrent(Temporaire->path()));
}

void Tst_Robustesse::cleanup()
{
    if (Fenetres)
        Detruire_Fenetres();
    Fenetres = false;
    QDir::setCurrent(Ancien_Dossier);
    Temporaire.reset();
}

void Tst_Robustesse::Images_Hostiles_data()
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
void Tst_Robustesse::Images_Hostiles()
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
void Tst_Robustesse::Fichiers_Speciaux()
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

void Tst_Robustesse::Sauvegardes_Hostiles_data()
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

void Tst_Robustesse::Sauvegardes_Hostiles()
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

void Tst_Robustesse::Bibliotheque_Tronquee_data()
{
    QTest::addColumn<qint64>("taille");
    // Cut inside the headers, inside the loadable segments, and just short of the end.
    for (const qint64 Taille : {0, 16, 64, 200, 1000, 4096, 8192, 12000, 16384, -4096, -1})
        QTest::newRow(qPrintable(QString::number(Taille))) << Taille;
}

// A copy of a real plug-in cut short used to kill the program inside the loader (SIGBUS on the
// missing pages). A cut that leaves the loadable part whole still loads and works.
void Tst_Robustesse::Bibliotheque_Tronquee()
{
    QFETCH(qint64, taille);
    const QByteArray Complet = Lire(Plugin_Livre(QStringLiteral("Tavisk")));
    if (Complet.isEmpty())
        QSKIP("Tavisk n'est pas construit");
    QVERIFY(QDir().mkpath(QStringLiteral("Plugin")));
    const QByteArray Coupe = Complet.left(taille >= 0 ? taille : Complet.size() + taille);
    Ecrire(QStringLiteral("Plugin/Tronque.so"), Coupe);
    const Bibliotheque Plugin(std::string("Plugin/Tronque.so"));
    if (Plugin.Chargee())
    {
        const auto Fonction =
            Plugin.Chercher_Fonction<Plug_Fonction_Type>("Plug_Fonction", Ordre::Simple_Seul);
        QVERIFY(Fonction != nullptr);
        QCOMPARE(Fonction(), std::uint8_t(1));
    }
    QVERIFY(taille > 16384 || taille < 0 || !Plugin.Chargee());
}

// Every broken library of the tests in one Plugin folder with a real one: the scan, the
// explorer and the saves go through all of them without a crash or an overlong field.
void Tst_Robustesse::Plugins_Casses()
{
    QVERIFY(QDir().mkpath(QStringLiteral("Plugin")));
    const QStringList Essais{QStringLiteral("Essai_Nul"),
                             QStringLiteral("Essai_Variable"),
                             QStringLiteral("Essai_Muet"),
                             QStringLiteral("Essai_Ext_Vide"),
                             QStringLiteral("Essai_Long"),
                             QStringLiteral("Essai_Sans_Nom"),
                             QStringLiteral("Essai_Sans_Extention"),
                             QStringLiteral("Essai_Masque")};
    for (const QString &Nom : Essais)
        QVERIFY2(QFile::copy(Fixture(Nom), QStringLiteral("Plugin/") + Nom + QStringLiteral(".so")),
                 qPrintable(Nom));
    const QByteArray Tavisk = Lire(Plugin_Livre(QStringLiteral("Tavisk")));
    const QByteArray Sauvegarde_So = Lire(Plugin_Livre(QStringLiteral("Sauvegarde")));
    if (Tavisk.isEmpty() || Sauvegarde_So.isEmpty())
        QSKIP("les plug-ins livrés ne sont pas construits");
    Ecrire(QStringLiteral("Plugin/Sauvegarde.so"), Sauvegarde_So);
    Ecrire(QStringLiteral("Plugin/Tronque.so"), Tavisk.left(8192));
    Ecrire(QStringLiteral("Plugin/Vide.so"), {});
    QByteArray Ordure(4096, '\0');
    QRandomGenerator Hasard(8);
    for (char &c : Ordure)
        c = char(Hasard.bounded(256));
    Ecrire(QStringLiteral("Plugin/Ordure.so"), Ordure);
    Ecrire(QStringLiteral("Plugin/Faux_Elf.so"), QByteArray("\x7f"
                                                            "ELF\x02\x01\x01",
                                                            7) +
                                                     Ordure);

    Demarrer();
    const Resultat_Scan &Scan = FMain->Plugins;
    QCOMPARE(FPlugin->ListePlug->count(), Essais.size() + 5);
    for (int i = 0; i < Scan.Nombre_Plug_Image; ++i)
    {
        QVERIFY(Scan.Liste_Plug_Image[i].Nom.size() <= Longueur_Max_Nom);
        QVERIFY(Scan.Liste_Plug_Image[i].Extention.size() <= Longueur_Max_Extention);
    }
    for (int i = 0; i < Scan.Nombre_Plug_Mask; ++i)
        QVERIFY(Scan.Liste_Plug_Mask[i].Extention.size() <= Longueur_Max_Extention);
    for (int i = 0; i < FPlugin->ListePlug->count(); ++i)
    {
        const QString Fichier = FPlugin->ListePlug->item(i)->text();
        const std::int32_t Genre = FPlugin->Table_Plug[i].Fonction;
        if (Fichier == QStringLiteral("Tronque.so") || Fichier == QStringLiteral("Vide.so") ||
            Fichier == QStringLiteral("Ordure.so") || Fichier == QStringLiteral("Faux_Elf.so"))
            QCOMPARE(Genre, 0);
        // The changing kind is asked once: the explorer and the tables agree.
        if (Fichier == QStringLiteral("Essai_Variable.so"))
            QCOMPARE(Genre, 1);
        FPlugin->ListePlug->setCurrentRow(i);
        FPlugin->ListePlugClick();
        QVERIFY2(!FPlugin->Description->toPlainText().isEmpty(), qPrintable(Fichier));
        // Null texts read as unknown, never as a crash.
        if (Fichier == QStringLiteral("Essai_Nul.so"))
            QVERIFY(FPlugin->Description->toPlainText().contains(QStringLiteral("Auteur Inconnu")));
        if (Genre == 0)
            QCOMPARE(FPlugin->Description->toPlainText(),
                     QStringLiteral("Plug-in non compatible avec Corvanel 3.0."));
    }

    // Every picture file type offered, then every mask file type, on a small picture.
    Taille_Libre(12, 7);
    FMain->RadioButton1->click();
    FMain->Button1->click();
    const QStringList Titres{Titre_Principal,
                             QStringLiteral("Problème d'enregistrement."),
                             QStringLiteral("Librairie pas trouvé"),
                             QStringLiteral("Fonction non trouvé"),
                             QString::fromUtf8(Message_Sans_Plugin),
                             QStringLiteral("Bug 1 !!!"),
                             QStringLiteral("Bug 2 !!!"),
                             QStringLiteral("Bug 3 !!!")};
    // A library without a save function puts its own path in the title.
    const auto Titre_Sain = [&]
    {
        const QString Titre = FMain->windowTitle();
        return Titres.contains(Titre) || Titre.startsWith(QStringLiteral("Plugin/"));
    };
    for (int Type = 1; Type <= Scan.Nombre_Plug_Image + 1; ++Type)
    {
        FMain->setWindowTitle(Titre_Principal);
        Faux.Reponses_Fichier.push_back(
            Choix_Fichier{Chemin(QStringLiteral("image%1").arg(Type)), Type});
        FMain->Button2->click();
        QVERIFY2(Titre_Sain(), qPrintable(FMain->windowTitle()));
    }
    FMain->Button8->click();
    for (int Type = 1; Type <= Scan.Nombre_Plug_Mask + 1; ++Type)
    {
        FMain->setWindowTitle(Titre_Principal);
        Faux.Reponses_Fichier.push_back(
            Choix_Fichier{Chemin(QStringLiteral("mask%1").arg(Type)), Type});
        FMain->Button11->click();
        QVERIFY2(Titre_Sain(), qPrintable(FMain->windowTitle()));
    }
    // The real plug-in among the broken ones still saves.
    int Type_Sauvegarde = 0;
    for (int i = 0; i < Scan.Nombre_Plug_Image; ++i)
        if (Scan.Liste_Plug_Image[i].Extention == "cvl")
            Type_Sauvegarde = i + 1;
    QVERIFY(Type_Sauvegarde > 0);
    QCOMPARE(Lire(Chemin(QStringLiteral("image%1.cvl").arg(Type_Sauvegarde))).size(),
             6 + 2 * 12 * 7);
}

// Libraries that crash, abort or never answer, beside real ones: the program starts with the
// others, the explorer says why, and a save through one that crashes or hangs fails without
// touching the picture, the mask, the undo copy or the file that was there.
void Tst_Robustesse::Plugins_Qui_Plantent()
{
    QVERIFY(QDir().mkpath(QStringLiteral("Plugin")));
    for (const char *Nom : {"Essai_Nom_Plante", "Essai_Fonction_Abort", "Essai_Nom_Bloque",
                            "Essai_Go_Plante", "Essai_Image"})
        QVERIFY(
            QFile::copy(Fixture(QLatin1String(Nom)),
                        QStringLiteral("Plugin/") + QLatin1String(Nom) + QStringLiteral(".so")));
    if (!QFile::copy(Plugin_Livre(QStringLiteral("Tavisk")), QStringLiteral("Plugin/Tavisk.so")))
        QSKIP("Tavisk n'est pas construit");
    QElapsedTimer Chrono;
    Chrono.start();
    Demarrer();
    // The library that never answers costs one examination, not the start.
    QVERIFY2(Chrono.elapsed() < 3 * Delai_Examen.count(),
             qPrintable(QString::number(Chrono.elapsed())));

    // Under the sanitizers a crash ends in their report and an abort.
#if defined(__SANITIZE_ADDRESS__)
    const char *Plante = "arrêté";
#else
    const char *Plante = "planté";
#endif
    const std::pair<const char *, const char *> Casses[] = {{"Essai_Nom_Plante.so", Plante},
                                                            {"Essai_Fonction_Abort.so", "arrêté"},
                                                            {"Essai_Nom_Bloque.so", "pas répondu"}};
    const Resultat_Scan &Scan = FMain->Plugins;
    for (const auto &[Fichier, Raison] : Casses)
    {
        const auto Lignes = FPlugin->ListePlug->findItems(QLatin1String(Fichier), Qt::MatchExactly);
        QCOMPARE(Lignes.size(), 1);
        FPlugin->ListePlug->setCurrentItem(Lignes.front());
        FPlugin->ListePlugClick();
        const QStringList Texte = FPlugin->Description->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(Texte.value(0), QString::fromUtf8(Texte_Incompatible));
        QVERIFY2(Texte.value(1).contains(QString::fromUtf8(Raison)), qPrintable(Texte.value(1)));
        for (int i = 0; i < Scan.Nombre_Plug_Image; ++i)
            QVERIFY(!QString::fromStdString(Scan.Liste_Plug_Image[i].Fichier)
                         .endsWith(QLatin1String(Fichier)));
    }
    const auto Type_De = [&](const char *Fichier)
    {
        for (int i = 0; i < Scan.Nombre_Plug_Image; ++i)
            if (QString::fromStdString(Scan.Liste_Plug_Image[i].Fichier)
                    .endsWith(QLatin1String(Fichier)))
                return i + 1;
        return 0;
    };

    Taille_Libre(12, 7);
    FMain->RadioButton1->click();
    FMain->Button1->click();
    FEcran->Plan_Image[Indice(3, 4)] = 2;
    FMain->Button8->click();
    FEcran->Image_Annulation[Indice(5, 5)] = 1;
    const Plan Image = FEcran->Plan_Image;
    const Plan Masque = FMask->Plan_Mask;
    const Plan Annulation = FEcran->Image_Annulation;
    const QString Fichier = Chemin(QStringLiteral("sprite.c"));
    const auto Contenu = [&]
    { return QDir(Temporaire->path()).entryList(QDir::Files | QDir::Hidden); };
    // One that crashes half-way through its file, one that never returns and is stopped from
    // the wait dialog.
    const std::tuple<const char *, const char *, int> Saves[] = {{"Essai_Go_Plante.so", "Image", 0},
                                                                 {"Essai_Image.so", "Bloque", 1}};
    for (const auto &[Plugin, Nom, Attentes] : Saves)
    {
        Ecrire(Fichier, "ancien");
        const QStringList Avant = Contenu();
        FMain->setWindowTitle(Titre_Principal);
        FMain->Enregistrement_Nom_Image->setText(QLatin1String(Nom));
        Faux.Demandes.clear();
        Faux.Reponses_Fichier.push_back(Choix_Fichier{Fichier, Type_De(Plugin)});
        Chrono.restart();
        FMain->Button2->click();
        QCOMPARE(FMain->windowTitle(), QStringLiteral("Problème d'enregistrement."));
        QCOMPARE(Faux.Nombre(QStringLiteral("attente")), Attentes);
        QVERIFY(Attentes == 0 || Chrono.elapsed() >= Delai_Attente.count());
        QCOMPARE(Lire(Fichier), QByteArray("ancien"));
        QCOMPARE(Contenu(), Avant);
        QVERIFY(FEcran->Plan_Image == Image);
        QVERIFY(FMask->Plan_Mask == Masque);
        QVERIFY(FEcran->Image_Annulation == Annulation);
    }
    // The real plug-in among them still saves.
    FMain->setWindowTitle(Titre_Principal);
    FMain->Enregistrement_Nom_Image->setText(QStringLiteral("Image"));
    Faux.Reponses_Fichier.push_back(Choix_Fichier{Fichier, Type_De("Tavisk.so")});
    FMain->Button2->click();
    QCOMPARE(FMain->windowTitle(), Titre_Principal);
    QVERIFY(Lire(Fichier).contains("Image_C0"));
}

// An 8000 x 6000 bitmap, a phone's photo, opens in the window; 16 bits, so that its white is
// read through the exact widening. Left half white, right half black.
void Tst_Robustesse::Grande_Image()
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

// Picture: outside bytes keep the marker, inside bytes hold level codes. Mask: outside bytes keep
// their pattern, inside bytes are 0 or 1.
void Tst_Robustesse::Verifier_Plans(const char *Etape)
{
    const int Largeur = FEcran->Largeur_Image;
    const int Hauteur = FEcran->Hauteur_Image;
    for (int x = 0; x < Colonnes_Plan; ++x)
        for (int y = 0; y < Lignes_Plan; ++y)
        {
            const std::size_t i = Indice(x, y);
            const bool Dedans = x < Largeur && y < Hauteur;
            const std::uint8_t Image = FEcran->Plan_Image[i];
            const std::uint8_t Masque = FMask->Plan_Mask[i];
            const bool Juste = Dedans ? Code_Image(Image) && Masque <= 1
                                      : Image == Hors_Image[i] && Masque == Hors_Mask[i];
            if (!Juste)
                QFAIL(qPrintable(QStringLiteral("%1 : (%2, %3) image %4, mask %5, taille %6 x %7")
                                     .arg(QLatin1String(Etape))
                                     .arg(x)
                                     .arg(y)
                                     .arg(Image)
                                     .arg(Masque)
                                     .arg(Largeur)
                                     .arg(Hauteur)));
        }
}

// Opening and new pictures clear whole planes: the markers go in afterwards, and the history
// is not undone past them, since undoing the open restores the earlier picture whole.
void Tst_Robustesse::Marquer()
{
    Index_Marque = FEcran->Document.Historique()->Pile.index();
    for (int x = 0; x < Colonnes_Plan; ++x)
        for (int y = 0; y < Lignes_Plan; ++y)
            if (x >= FEcran->Largeur_Image || y >= FEcran->Hauteur_Image)
            {
                const std::size_t i = Indice(x, y);
                FEcran->Plan_Image[i] = Marque_Image;
                FMask->Plan_Mask[i] = static_cast<std::uint8_t>((x ^ y) & 1);
            }
    FEcran->Image_Annulation = FEcran->Plan_Image;
    Hors_Image = FEcran->Plan_Image;
    Hors_Mask = FMask->Plan_Mask;
}

void Tst_Robustesse::Souris(QWidget *Surface, QEvent::Type Type, QPoint Point,
                            Qt::MouseButton Bouton)
{
    // A move carries the button held down, a release none.
    const Qt::MouseButtons Boutons =
        Type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Bouton);
    QMouseEvent Evenement(Type, QPointF(Point), Surface->mapToGlobal(QPointF(Point)),
                          Type == QEvent::MouseMove ? Qt::NoButton : Bouton, Boutons,
                          Qt::NoModifier);
    QApplication::sendEvent(Surface, &Evenement);
}

void Tst_Robustesse::Operation_Aleatoire(QRandomGenerator &Hasard)
{
    const auto Point = [&](QWidget *Surface)
    {
        // Mostly on the surface, sometimes beyond any of its edges.
        const int w = std::max(1, Surface->width());
        const int h = std::max(1, Surface->height());
        return QPoint(Hasard.bounded(-w / 4 - 3, w + w / 4 + 3),
                      Hasard.bounded(-h / 4 - 3, h + h / 4 + 3));
    };
    const auto Bouton = [&] { return Hasard.bounded(4) == 0 ? Qt::RightButton : Qt::LeftButton; };

    switch (Hasard.bounded(10))
    {
    case 0: // light and contrast
    {
        QPushButton *Boutons[] = {FMain->Button3, FMain->Button4, FMain->Button5, FMain->Button6,
                                  FMain->Button9};
        for (int n = Hasard.bounded(1, 6); n > 0; --n)
            Boutons[Hasard.bounded(5)]->click();
        break;
    }
    case 1: // level count
    {
        QRadioButton *Radios[] = {FMain->Choix_Nombre_Couleur_2, FMain->Choix_Nombre_Couleur_4,
                                  FMain->Choix_Nombre_Couleur_8};
        Radios[Hasard.bounded(3)]->click();
        break;
    }
    case 2:
    case 3:
    case 4: // a drawing tool, released a few times
    {
        const int Outil = Hasard.bounded(1, 9);
        if (Outil >= 7)
        {
            QFont Police(QStringLiteral("DejaVu Sans"));
            Police.setPointSize(Hasard.bounded(4, 30));
            Faux.Reponses_Police.push_back(Police);
            FMain->Texte->setText(Outil == 7 ? QStringLiteral("Aé%1").arg(Hasard.bounded(1000))
                                             : QString::number(Hasard.bounded(-300, 600)));
        }
        FMain->Outil[Outil]->click();
        FMain->Active_Trace->setChecked(Hasard.bounded(2));
        QWidget *Surface = FEcran->Ecran_TI;
        for (int n = Hasard.bounded(1, 5); n > 0; --n)
        {
            const Qt::MouseButton b = Bouton();
            Souris(Surface, QEvent::MouseButtonPress, Point(Surface), b);
            for (int m = Hasard.bounded(3); m > 0; --m)
                Souris(Surface, QEvent::MouseMove, Point(Surface), b);
            Souris(Surface, QEvent::MouseButtonRelease, Point(Surface), b);
        }
        break;
    }
    case 5: // zoom, undo and redo
    {
        QToolButton *Boutons[] = {FMain->SpeedButton16, FMain->SpeedButton17, FMain->Outil[9],
                                  FMain->Outil_Retablir};
        QToolButton *b = Boutons[Hasard.bounded(4)];
        if (b->isEnabled() &&
            (b != FMain->Outil[9] || FEcran->Document.Historique()->Pile.index() > Index_Marque))
            b->click();
        break;
    }
    case 6: // transformations; a quarter turn gives the picture another region
    {
        const int Bouton_Transformation = Hasard.bounded(1, 8);
        FMain->SpeedButton[Bouton_Transformation]->click();
        if (Bouton_Transformation == 3)
            Marquer();
        break;
    }
    case 7: // the mask: automatic, inverted, drawn
    {
        const int Choix = Hasard.bounded(4);
        if (Choix == 0 || !FMain->Mask[4]->isEnabled())
        {
            FMain->Choix_Fond->setCurrentIndex(Hasard.bounded(4));
            FMain->Button8->click();
        }
        else if (Choix == 1)
            FMain->Mask[4]->click();
        else if (Choix == 2)
            (Hasard.bounded(2) ? FMain->MaskZoomP : FMain->MaskZoomM)->click();
        else
        {
            FMain->Mask[Hasard.bounded(1, 4)]->click();
            QWidget *Surface = FMask->Ecran_MASK;
            for (int n = Hasard.bounded(1, 4); n > 0; --n)
            {
                const Qt::MouseButton b = Bouton();
                Souris(Surface, QEvent::MouseButtonPress, Point(Surface), b);
                Souris(Surface, QEvent::MouseMove, Point(Surface), b);
                Souris(Surface, QEvent::MouseButtonRelease, Point(Surface), b);
            }
        }
        break;
    }
    case 8: // a new empty picture, which keeps the mask
        Taille_Libre(Hasard.bounded(1, 241), Hasard.bounded(1, 129));
        FMain->RadioButton1->click();
        FMain->Button1->click();
        Marquer();
        break;
    case 9: // through the save file and back
    {
        const Resultat_Scan &Scan = FMain->Plugins;
        int Type = 0;
        for (int i = 0; i < Scan.Nombre_Plug_Image; ++i)
            if (Scan.Liste_Plug_Image[i].Extention == "cvl")
                Type = i + 1;
        QVERIFY(Type > 0);
        const QString Fichier = Chemin(QStringLiteral("tour.cvl"));
        QFile::remove(Fichier);
        Faux.Reponses_Fichier.push_back(Choix_Fichier{Fichier, Type});
        FMain->Button2->click();
        const Plan Avant = FEcran->Plan_Image;
        const std::uint8_t Largeur = FEcran->Largeur_Image;
        const std::uint8_t Hauteur = FEcran->Hauteur_Image;
        const std::uint8_t Nombre = FEcran->Nombre_Couleur;
        Ouvrir(Fichier, 2);
        QCOMPARE(FEcran->Largeur_Image, Largeur);
        QCOMPARE(FEcran->Hauteur_Image, Hauteur);
        QCOMPARE(FEcran->Nombre_Couleur, Nombre);
        for (int x = 0; x < Largeur; ++x)
            for (int y = 0; y < Hauteur; ++y)
            {
                const std::uint8_t Code = Avant[Indice(x, y)];
                QCOMPARE(FEcran->Plan_Image[Indice(x, y)], Code == 9 ? std::uint8_t(10) : Code);
            }
        Marquer();
        break;
    }
    default:
        break;
    }
}

// Random pictures opened at random sizes, then random operations of every kind; after each
// one the planes are checked. Seeded, so a failure repeats.
void Tst_Robustesse::Proprietes()
{
    QVERIFY(QDir().mkpath(QStringLiteral("Plugin")));
    if (!QFile::copy(Plugin_Livre(QStringLiteral("Sauvegarde")),
                     QStringLiteral("Plugin/Sauvegarde.so")))
        QSKIP("Sauvegarde n'est pas construit");
    Demarrer();
    QRandomGenerator Hasard(20240508);
    const int Tours = qEnvironmentVariableIntValue("CORVANEL_TOURS") > 0
                          ? qEnvironmentVariableIntValue("CORVANEL_TOURS")
                          : 300;
    for (int Tour = 0; Tour < Tours; ++Tour)
    {
        // A source picture of random size and content, often larger or smaller than the plane.
        const QSize Taille(Hasard.bounded(1, 320), Hasard.bounded(1, 200));
        QImage Source(Taille, QImage::Format_RGB32);
        const int Motif = Hasard.bounded(3);
        for (int y = 0; y < Taille.height(); ++y)
            for (int x = 0; x < Taille.width(); ++x)
                Source.setPixel(x, y,
                                Motif == 0   ? Hasard.generate()
                                : Motif == 1 ? qRgb(x * 255 / Taille.width(), y, (x + y) & 255)
                                             : ((x / 4 + y / 4) % 2 ? 0xFFFFFFu : 0u));
        const QString Fichier = Chemin(QStringLiteral("source%1.bmp").arg(Tour % 2));
        QVERIFY(Source.save(Fichier, "BMP"));

        if (Hasard.bounded(4) == 0)
        {
            const int Preset = Hasard.bounded(5);
            FMain->Taille_Image->setCurrentIndex(Preset);
            emit FMain->Taille_Image->activated(Preset);
        }
        else
            Taille_Libre(Hasard.bounded(1, 241), Hasard.bounded(1, 129));
        FMain->Adaptation_Image->setChecked(Hasard.bounded(2));
        Ouvrir(Fichier, 1);
        QVERIFY(FEcran->Source_Valide);
        Marquer();
        Verifier_Plans("ouverture");
        for (int n = Hasard.bounded(3, 10); n > 0; --n)
        {
            Operation_Aleatoire(Hasard);
            if (QTest::currentTestFailed())
                return;
            Verifier_Plans(qPrintable(QStringLiteral("tour %1").arg(Tour)));
            if (QTest::currentTestFailed())
                return;
        }
    }
}

QTEST_MAIN(Tst_Robustesse)
#include "tst_Robustesse.moc"
