// The plug-ins called through the host without windows: an application plug-in started on the
// picture, the save commands and what a failed save leaves, the plug-in's reason and the
// missing helper program.
#include "Bibliotheque.h"
#include "Document_Image.h"
#include "Enregistrement.h"
#include "Explorateur.h"
#include "Hote_Plugin.h"
#include "Protocole_Plugin.h"
#include "Registre.h"
#include "Registre_Essai.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <csignal>
#include <random>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Corvanel;
using Essai::Lire;

namespace
{
using Essai::Ecrire;
using Essai::Fixture;
using Essai::Plugin_Livre;
using Essai::So;
} // namespace

class Tst_Lancement_Plugins : public QObject, private Essai::Dossier_Plugin
{
    Q_OBJECT

private slots:
    void init() { Entrer(); }
    void cleanup() { Quitter(); }

    void Demarrer_data();
    void Demarrer();

    void Regle_Extention_data();
    void Regle_Extention();
    void Enregistrer_data();
    void Enregistrer();
    void Enregistrer_Arguments();
    void Enregistrement_Sur_data();
    void Enregistrement_Sur();
    void Raison_Plugin_data();
    void Raison_Plugin();
    void Programme_Aide_Absent();
};

// ---- Starting an application plug-in

void Tst_Lancement_Plugins::Demarrer_data()
{
    QTest::addColumn<QString>("Source"); // "" for a library that is gone by the start
    QTest::addColumn<int>("Genre");
    QTest::addColumn<QByteArray>("Resultat");
    QTest::addColumn<bool>("Lance");
    QTest::addColumn<QString>("Message");

    QTest::newRow("réussi") << "Essai_App" << 16 << QByteArray("1") << true << QString();
    QTest::newRow("échec") << "Essai_App" << 16 << QByteArray("0") << true
                           << QStringLiteral("Problème d'enregistrement.");
    QTest::newRow("sans Plug_App_Go") << "Essai_App_Sans_Go" << 16 << QByteArray("1") << false
                                      << QStringLiteral("Fonction non trouvé");
    QTest::newRow("librairie disparue")
        << "" << 16 << QByteArray("1") << false << QStringLiteral("Librairie pas trouvé");
    QTest::newRow("genre 32") << "Essai_32" << 32 << QByteArray("1") << false << QString();
}

void Tst_Lancement_Plugins::Demarrer()
{
    QFETCH(QString, Source);
    QFETCH(int, Genre);
    QFETCH(QByteArray, Resultat);
    QFETCH(bool, Lance);
    QFETCH(QString, Message);

    Poser(Fixture(Source.isEmpty() ? QStringLiteral("Essai_App") : Source), QStringLiteral("X"));
    const Resultat_Scan Scan = Scanner_Plugins();
    QCOMPARE(Scan.Table_Plug[0].Fonction, Genre);
    QVERIFY(Demarrer_Possible(Genre));
    if (Source.isEmpty())
    {
        QVERIFY(QFile::remove(QStringLiteral("Plugin/") + So("X")));
    }
    qputenv("CORVANEL_ESSAI_RESULTAT", Resultat);
    const QString Trace = Temporaire->filePath(QStringLiteral("trace.txt"));
    qputenv("CORVANEL_ESSAI_TRACE", QFile::encodeName(Trace));

    Plan Plan_Image{};
    Plan_Image[Indice(239, 127)] = 3;
    Plan_Image[Indice(0, 0)] = 2;
    const Resultat_Demarrage Demarrage =
        Demarrer_Plugin(Scan.Table_Plug[0], 8, Plan_Image, 100, 160);
    QCOMPARE(Demarrage.Lance, Lance);
    QCOMPARE(Demarrage.Message, Message);
    if (Lance)
    {
        QCOMPARE(Lire(Trace), QByteArray("app Essai_App\ncouleurs 8 hauteur 100 largeur 160\n"
                                         "dernier 3 somme 5\n"));
        // The plug-in's work comes back into the host's plane only when it reports success.
        QCOMPARE(Plan_Image[Indice(1, 2)], Message.isEmpty() ? 123 : 0);
    }
    else
    {
        QVERIFY(!QFile::exists(Trace));
    }
}

// ---- Saving

void Tst_Lancement_Plugins::Regle_Extention_data()
{
    QTest::addColumn<QString>("Chemin");
    QTest::addColumn<QString>("Extention");
    QTest::addColumn<QString>("Attendu");
    QTest::newRow("sans point") << "/dessins/Image"
                                << "c"
                                << "/dessins/Image.c";
    QTest::newRow("avec extension") << "/dessins/Image.asm"
                                    << "c"
                                    << "/dessins/Image.asm";
    QTest::newRow("dossier pointé") << "/Mes.Dessins/Image"
                                    << "c"
                                    << "/Mes.Dessins/Image";
    QTest::newRow("point final") << "/dessins/Image."
                                 << "cvl"
                                 << "/dessins/Image.";
    QTest::newRow("extension vide") << "/dessins/Image"
                                    << ""
                                    << "/dessins/Image";
}

void Tst_Lancement_Plugins::Regle_Extention()
{
    QFETCH(QString, Chemin);
    QFETCH(QString, Extention);
    QFETCH(QString, Attendu);
    Plug_Info Slot;
    Slot.Fichier = "Plugin/X.so";
    Slot.Extention = Extention.toStdString();
    QCOMPARE(Appliquer_Extention(Chemin, Slot), Attendu);
}

void Tst_Lancement_Plugins::Enregistrer_data()
{
    QTest::addColumn<QString>("Source"); // placed as Plugin/X
    QTest::addColumn<bool>("Mask");      // which command saves
    QTest::addColumn<int>("Type_Fichier");
    QTest::addColumn<QByteArray>("Resultat");
    QTest::addColumn<bool>("Disparue"); // the library is removed after the scan
    QTest::addColumn<QString>("Titre");
    QTest::addColumn<QByteArray>("Trace"); // first line of the written file, "" for none

    const QString Sans_Plugin = QString::fromUtf8(Message_Sans_Plugin);
    const QString Chemin_X = QFile::decodeName(QByteArray::fromStdString(Chemin_Plugin(So("X"))));
    QTest::newRow("image") << "Essai_Image" << false << 1 << QByteArray("1") << false << QString()
                           << QByteArray("image Essai_Image");
    QTest::newRow("image, noms soulignés")
        << "Essai_Souligne" << false << 1 << QByteArray("1") << false << QString()
        << QByteArray("image Essai_Souligne");
    // A refused save leaves nothing of what the plug-in wrote.
    QTest::newRow("image, échec") << "Essai_Image" << false << 1 << QByteArray("0") << false
                                  << QStringLiteral("Problème d'enregistrement.") << QByteArray();
    QTest::newRow("image, sans fonction d'enregistrement")
        << "Essai_Variable" << false << 1 << QByteArray("1") << false << Chemin_X << QByteArray();
    QTest::newRow("image, librairie disparue")
        << "Essai_Image" << false << 1 << QByteArray("1") << true << "Bug 1 !!!" << QByteArray();
    QTest::newRow("image, réussite sans fichier")
        << "Essai_Muet" << false << 1 << QByteArray("1") << false << QString() << QByteArray();
    // A picture-and-mask slot gets both planes; one that lacks that export but has the
    // picture bit gets the picture alone.
    QTest::newRow("image et mask") << "Essai_Image_Mask" << false << 1 << QByteArray("1") << false
                                   << QString() << QByteArray("image et mask Essai_Image_Mask");
    QTest::newRow("genre 3 sans Plug_Enregistrement_Go_Mask")
        << "Essai_Trois" << false << 1 << QByteArray("1") << false << QString()
        << QByteArray("image Essai_Trois");
    QTest::newRow("image, aucun type")
        << "Essai_Image" << false << 0 << QByteArray("1") << false << Sans_Plugin << QByteArray();
    QTest::newRow("image, type sans plug-in")
        << "Essai_Masque" << false << 1 << QByteArray("1") << false << Sans_Plugin << QByteArray();
    QTest::newRow("mask") << "Essai_Masque" << true << 1 << QByteArray("1") << false << QString()
                          << QByteArray("mask Essai_Masque");
    QTest::newRow("mask, genre 5") << "Essai_Double" << true << 1 << QByteArray("1") << false
                                   << QString() << QByteArray("chemin Essai_Double");
    QTest::newRow("mask, échec") << "Essai_Masque" << true << 1 << QByteArray("0") << false
                                 << "Bug 3 !!!" << QByteArray();
    QTest::newRow("mask, noms soulignés")
        << "Essai_Souligne" << true << 1 << QByteArray("1") << false << "Bug 2 !!!" << QByteArray();
    QTest::newRow("mask, librairie disparue")
        << "Essai_Masque" << true << 1 << QByteArray("1") << true << "Bug 1 !!!" << QByteArray();
    QTest::newRow("mask, type sans plug-in")
        << "Essai_Masque" << true << 2 << QByteArray("1") << false << Sans_Plugin << QByteArray();
}

void Tst_Lancement_Plugins::Enregistrer()
{
    QFETCH(QString, Source);
    QFETCH(bool, Mask);
    QFETCH(int, Type_Fichier);
    QFETCH(QByteArray, Resultat);
    QFETCH(bool, Disparue);
    QFETCH(QString, Titre);
    QFETCH(QByteArray, Trace);

    Poser(Fixture(Source), QStringLiteral("X"));
    const Resultat_Scan Scan = Scanner_Plugins();
    if (Disparue)
    {
        QVERIFY(QFile::remove(QStringLiteral("Plugin/") + So("X")));
    }
    qputenv("CORVANEL_ESSAI_RESULTAT", Resultat);

    // The document's saves, as the windows and corvanel-convert make them.
    Document_Image Document;
    Document.Nombre_Couleur = 4;
    Document.Hauteur_Image = 8;
    Document.Largeur_Image = 8;
    const Plug_Info &Slot = Mask ? Slot_Mask(Scan, Type_Fichier) : Slot_Image(Scan, Type_Fichier);
    const QString Chemin = Appliquer_Extention(Temporaire->filePath(QStringLiteral("Image")), Slot);
    const QString Message =
        Titre_Enregistrement(Mask ? Document.Enregistrer_Mask(Slot, Chemin, "Image")
                                  : Document.Enregistrer_Image(Slot, Chemin, "Image"));
    QCOMPARE(Message, Titre);
    if (Trace.isEmpty())
    {
        QVERIFY(QDir(Temporaire->path()).entryList({"Image*"}, QDir::Files).isEmpty());
    }
    else
    {
        QCOMPARE(Lire(Chemin).split('\n').value(0), Trace);
    }
}

// What the plug-in receives: the path in the file-name encoding, the name in Windows-1252,
// the host's planes and sizes in the contract's order.
void Tst_Lancement_Plugins::Enregistrer_Arguments()
{
    Poser(Fixture(QStringLiteral("Essai_Image")), QStringLiteral("A"));
    Poser(Fixture(QStringLiteral("Essai_Masque")), QStringLiteral("B"));
    const Resultat_Scan Scan = Scanner_Plugins();
    QVERIFY(QDir(Temporaire->path()).mkdir(QStringLiteral("Dessins été")));
    const QString Dossier = Temporaire->filePath(QStringLiteral("Dessins été"));

    Plan Plan_Image{};
    Plan_Image[Indice(0, 0)] = 101;
    Plan_Image[Indice(239, 127)] = 123;
    const QString Chemin = Appliquer_Extention(Dossier + "/Sprite", Slot_Image(Scan, 1));
    QCOMPARE(Chemin, Dossier + "/Sprite.c");
    QVERIFY(Enregistrer_Image(Slot_Image(Scan, 1), Chemin, QStringLiteral("Ét€ ?"), 8, Plan_Image,
                              128, 240)
                .Reussi());
    QCOMPARE(Lire(Chemin), QByteArray("image Essai_Image\nnom c9 74 80 20 3f\n"
                                      "couleurs 8 hauteur 128 largeur 240\n"
                                      "dernier 123 somme 224\n"));

    Plan Plan_Mask{};
    Plan_Mask[Indice(239, 127)] = 1;
    Plan_Mask[Indice(3, 4)] = 1;
    const QString Chemin_Mask = Appliquer_Extention(Dossier + "/Mask_Image", Slot_Mask(Scan, 1));
    QVERIFY(
        Enregistrer_Mask(Slot_Mask(Scan, 1), Chemin_Mask, QString(), Plan_Mask, 100, 160).Reussi());
    QCOMPARE(Lire(Dossier + "/Mask_Image.msk"),
             QByteArray("mask Essai_Masque\nnom\nhauteur 100 largeur 160\ndernier 1 somme 2\n"));

    // Both planes through the picture-and-mask export.
    const Resultat_Enregistrement Double =
        Enregistrer_Image_Mask(Slot_Image(Scan, 1), Dossier + "/Double.c", QStringLiteral("Im"), 8,
                               Plan_Image, Plan_Mask, 128, 240);
    QVERIFY(Double.Reussi());
    QVERIFY(Double.Genre == Genre_Enregistrement::Image_Mask);
    QCOMPARE(Lire(Dossier + "/Double.c"), QByteArray("image et mask Essai_Image\nnom 49 6d\n"
                                                     "couleurs 8 hauteur 128 largeur 240\n"
                                                     "somme 224 mask 2\n"));
}

void Tst_Lancement_Plugins::Enregistrement_Sur_data()
{
    QTest::addColumn<QString>("Avant"); // what the folder holds before the save, see below
    QTest::addColumn<QString>("Plugin");
    QTest::addColumn<bool>("Reussi");
    const QString Image = QStringLiteral("Essai_Image");
    QTest::newRow("refus") << "fichier" << Image << false;
    QTest::newRow("plantage") << "fichier"
                              << "Essai_Go_Plante" << false;
    QTest::newRow("refus sans fichier avant") << "rien" << Image << false;
    QTest::newRow("réussite sans fichier avant") << "rien" << Image << true;
    QTest::newRow("refus par un lien") << "lien" << Image << false;
    QTest::newRow("réussite par un lien") << "lien" << Image << true;
    QTest::newRow("refus, deux noms") << "deux noms" << Image << false;
    // Refused without a word: the file kept by a copy is not the plug-in's reason.
    QTest::newRow("refus muet, deux noms") << "deux noms"
                                           << "Essai_Muet" << false;
    QTest::newRow("réussite, deux noms") << "deux noms" << Image << true;
    QTest::newRow("réussite, droits gardés") << "droits 0640" << Image << true;
    QTest::newRow("disque plein") << "tmpfs plein"
                                  << "Tavisk" << false;
    QTest::newRow("taille de fichier limitée") << "limite"
                                               << "Tavisk" << false;
}

// A failed save leaves the file that was there as it was and nothing else behind; a successful
// one leaves what rewriting the file in place leaves: the link, the other name, the rights.
void Tst_Lancement_Plugins::Enregistrement_Sur()
{
    QFETCH(QString, Avant);
    QFETCH(QString, Plugin);
    QFETCH(bool, Reussi);
    const bool Livre = Plugin == QStringLiteral("Tavisk");
    Poser(Livre ? Plugin_Livre(Plugin) : Fixture(Plugin), QStringLiteral("X"));
    QVERIFY(QDir().mkdir(QStringLiteral("sortie")));
    QString Dossier = QStringLiteral("sortie");
    const auto Demonter = qScopeGuard([] { umount2("sortie/plein", MNT_DETACH); });
    if (Avant == QStringLiteral("tmpfs plein"))
    {
        QVERIFY(QDir().mkdir(QStringLiteral("sortie/plein")));
        if (mount("tmpfs", "sortie/plein", "tmpfs", 0, "size=8k") != 0)
            QSKIP("pas de tmpfs à monter ici");
        Dossier += QStringLiteral("/plein");
    }
    const QString Chemin = Dossier + QStringLiteral("/Image.c");
    const QByteArray Ancien("ancien contenu\n");
    if (Avant == QStringLiteral("lien"))
    {
        Ecrire(QStringLiteral("sortie/cible.c"), Ancien);
        QVERIFY(QFile::link(QStringLiteral("cible.c"), Chemin));
    }
    else if (Avant != QStringLiteral("rien"))
        Ecrire(Chemin, Ancien);
    if (Avant == QStringLiteral("deux noms"))
        QCOMPARE(link("sortie/Image.c", "sortie/autre.c"), 0);
    if (Avant == QStringLiteral("droits 0640"))
        QCOMPARE(chmod("sortie/Image.c", 0640), 0);
    const QStringList Contenu_Avant = QDir(Dossier).entryList(QDir::AllEntries | QDir::Hidden |
                                                              QDir::System | QDir::NoDotAndDotDot);

    // Writes past the limit fail with EFBIG in the helper, which inherits the limit.
    rlimit Limite{};
    getrlimit(RLIMIT_FSIZE, &Limite);
    const auto Rendre_Limite = qScopeGuard([Limite] { setrlimit(RLIMIT_FSIZE, &Limite); });
    const auto Ancien_Signal = std::signal(SIGXFSZ, SIG_IGN);
    const auto Rendre_Signal =
        qScopeGuard([Ancien_Signal] { std::signal(SIGXFSZ, Ancien_Signal); });
    if (Avant == QStringLiteral("limite"))
    {
        rlimit Petite = Limite;
        Petite.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &Petite), 0);
    }
    qputenv("CORVANEL_ESSAI_RESULTAT", Reussi ? "1" : "0");
    // A full 8-level picture: its source is far larger than what the disk or the limit takes.
    Plan Plan_Image{};
    std::mt19937 Alea(7);
    const std::uint8_t Niveaux[] = {0, 101, 1, 112, 2, 123, 3};
    for (auto &Octet : Plan_Image)
        Octet = Niveaux[Alea() % 7];
    Plug_Info Slot;
    Slot.Fichier = "Plugin/" + So(QStringLiteral("X")).toStdString();
    const Resultat_Enregistrement Resultat =
        Enregistrer_Image(Slot, Chemin, QStringLiteral("Image"), 8, Plan_Image, 128, 240);

    QCOMPARE(Resultat.Reussi(), Reussi);
    // The test plug-in's short text is its reason; a crash or a long text gives none.
    QCOMPARE(Resultat.Raison.section(QLatin1Char('\n'), 0, 0),
             !Reussi && Plugin == QStringLiteral("Essai_Image")
                 ? QStringLiteral("image Essai_Image")
                 : QString());
    const QFileInfo Apres(Chemin);
    if (Avant == QStringLiteral("lien"))
        QVERIFY(Apres.isSymLink());
    const QByteArray Lu = Lire(Chemin);
    if (Reussi)
    {
        QVERIFY(Lu.startsWith("image Essai_Image\n"));
        if (Avant == QStringLiteral("deux noms"))
            QCOMPARE(Lire(QStringLiteral("sortie/autre.c")), Lu);
        if (Avant == QStringLiteral("droits 0640"))
            QCOMPARE(Apres.permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ReadUser | QFile::WriteUser |
                                                       QFile::ReadGroup);
    }
    else
    {
        QCOMPARE(Lu, Avant == QStringLiteral("rien") ? QByteArray() : Ancien);
        QCOMPARE(QFile::exists(Chemin), Avant != QStringLiteral("rien"));
        if (Avant == QStringLiteral("deux noms"))
            QCOMPARE(Lire(QStringLiteral("sortie/autre.c")), Ancien);
        QCOMPARE(QDir(Dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                         QDir::NoDotAndDotDot),
                 Contenu_Avant);
    }
}

void Tst_Lancement_Plugins::Raison_Plugin_data()
{
    QTest::addColumn<QByteArray>("Octets");
    QTest::addColumn<QString>("Raison");
    QTest::newRow("phrase en Windows-1252")
        << QByteArray("Le Noir & Blanc n'est pas support\xE9 (\x80).")
        << "Le Noir & Blanc n'est "
           "pas supporté (€).";
    QTest::newRow("fins de ligne et blancs autour")
        << QByteArray("\r\n Une\r\nDeux\rTrois\n\n") << "Une\nDeux\nTrois";
    QTest::newRow("512 octets") << QByteArray(512, 'a') << QString(512, QLatin1Char('a'));
    QTest::newRow("513 octets") << QByteArray(513, 'a') << QString();
    QTest::newRow("octet nul") << QByteArray("ab\0c", 4) << QString();
    QTest::newRow("tabulation") << QByteArray("a\tb") << QString();
    QTest::newRow("octet sans caractère") << QByteArray("a\x81") << QString();
    QTest::newRow("blancs seuls") << QByteArray(" \r\n ") << QString();
}

void Tst_Lancement_Plugins::Raison_Plugin()
{
    QFETCH(QByteArray, Octets);
    QTEST(Corvanel::Raison_Plugin(Octets.toStdString()), "Raison");
}

// Without its helper the host loads no library, and says where it looked.
void Tst_Lancement_Plugins::Programme_Aide_Absent()
{
    Hote_Plugin Hote("/nulle/part/corvanel-plugin-hote");
    const Resultat_Appel Appel = Hote.Appeler(
        Protocole::Ecriture(Protocole::Operation::Details).Texte("Plugin/X.so").Trame());
    QCOMPARE(Appel.Fin, Fin_Appel::Sans_Hote);
    QVERIFY2(Appel.Detail.find("/nulle/part/corvanel-plugin-hote") != std::string::npos,
             Appel.Detail.c_str());
}

QTEST_GUILESS_MAIN(Tst_Lancement_Plugins)
#include "tst_Lancement_Plugins.moc"
