// The plug-in host without windows: the scan of the Plugin folder, the save commands, the
// explorer, the Windows-1252 texts and the save-file reader, through real libraries loaded
// from a real Plugin folder.
#include "Bibliotheque.h"
#include "Cp1252.h"
#include "Document_Image.h"
#include "Emplacements.h"
#include "Enregistrement.h"
#include "Explorateur.h"
#include "Hote_Plugin.h"
#include "Lecture_Sauvegarde.h"
#include "Outils_Essai.h"
#include "Protocole_Plugin.h"
#include "Registre.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <memory>
#include <random>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Corvanel;
using Essai::Lire;

namespace
{
using Essai::Dossier_Build;
using Essai::Fixture;
using Essai::Plugin_Livre;
using Essai::So;

void Ecrire(const QString &Chemin, const QByteArray &Octets)
{
    QFile Fichier(Chemin);
    QVERIFY(Fichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(Fichier.write(Octets), Octets.size());
}

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

QStringList Lignes_Filtre(const QString &Filtre)
{
    return Filtre.isEmpty() ? QStringList() : Filtre.split(QLatin1Char('|'));
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

class Tst_Registre : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Temporaire;
    QString Ancien_Dossier;

    // Copies a library into the test's Plugin folder under the name Nom + suffix.
    void Poser(const QString &Source, const QString &Nom)
    {
        QVERIFY2(QFile::exists(Source), qPrintable(Source));
        QVERIFY(QFile::copy(Source, QStringLiteral("Plugin/") + So(Nom)));
    }

    void Poser_Melange();

private slots:
    void init();
    void cleanup();

    void Scan_Sans_Plugin_data();
    void Scan_Sans_Plugin();
    void Scan_Explorateur();
    void Scan_Tables_Et_Filtres();
    void Scan_Plugins_Livres();
    void Scan_Cinquante_Et_Un();
    void Scan_Sixieme_Mask();
    void Scan_Nom_De_Fichier_data();
    void Scan_Nom_De_Fichier();
    void Emplacements_data();
    void Emplacements();

    void Details_data();
    void Details();
    void Details_Sauvegarde();

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

    void Cp1252_Aller_Retour();

    void Sauvegarde_Aller_Retour_data();
    void Sauvegarde_Aller_Retour();
    void Lecture_data();
    void Lecture();
    void Lecture_Mask_data();
    void Lecture_Mask();
    void Lecture_Fichier_Absent();
};

void Tst_Registre::init()
{
    Temporaire = std::make_unique<QTemporaryDir>();
    QVERIFY(Temporaire->isValid());
    Ancien_Dossier = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Temporaire->path()));
    QVERIFY(QDir().mkdir(QStringLiteral("Plugin")));
}

void Tst_Registre::cleanup()
{
    QDir::setCurrent(Ancien_Dossier);
    Temporaire.reset();
    qunsetenv("CORVANEL_ESSAI_RESULTAT");
    qunsetenv("CORVANEL_ESSAI_TRACE");
}

// ---- The scan

// The current folder's Plugin and help page win; the installed ones, found from the program's
// folder, only stand in for missing ones.
void Tst_Registre::Emplacements_data()
{
    QTest::addColumn<bool>("Local");
    QTest::addColumn<bool>("Installe");
    QTest::newRow("dossier courant seul") << true << false;
    QTest::newRow("dossier courant et installation") << true << true;
    QTest::newRow("installation seule") << false << true;
    QTest::newRow("ni l'un ni l'autre") << false << false;
}

void Tst_Registre::Emplacements()
{
    QFETCH(bool, Local);
    QFETCH(bool, Installe);
    const QString Programme = Temporaire->filePath(QStringLiteral("prefixe/bin"));
    QVERIFY(QDir().mkpath(Programme));
    const QString Plugins_Installes = Dossier_Plugins_Installe(Programme);
    const QString Aide_Installee = Page_Aide_Installee(Programme);
    QVERIFY(Plugins_Installes.startsWith(Temporaire->filePath(QStringLiteral("prefixe/"))));
    if (Installe)
    {
        QVERIFY(QDir().mkpath(Plugins_Installes));
        QVERIFY(QDir().mkpath(QFileInfo(Aide_Installee).path()));
        Ecrire(Aide_Installee, "aide");
    }
    if (Local)
    {
        QVERIFY(QDir().mkpath(QStringLiteral("Documentation")));
        Ecrire(QStringLiteral("Documentation/index.htm"), "aide");
    }
    else
        QVERIFY(QDir().rmdir(QStringLiteral("Plugin")));
    const bool Repli = !Local && Installe;
    QCOMPARE(Dossier_Plugins(Programme), Repli ? Plugins_Installes : QStringLiteral("Plugin"));
    QCOMPARE(Page_Aide(Programme),
             Repli ? Aide_Installee : QStringLiteral("Documentation/index.htm"));
}

void Tst_Registre::Scan_Sans_Plugin_data()
{
    QTest::addColumn<bool>("Dossier");
    QTest::newRow("pas de dossier Plugin") << false;
    QTest::newRow("dossier vide") << true;
}

void Tst_Registre::Scan_Sans_Plugin()
{
    QFETCH(bool, Dossier);
    if (!Dossier)
    {
        QVERIFY(QDir().rmdir(QStringLiteral("Plugin")));
    }
    else
    {
        // Neither another suffix nor a folder named like a library is a library.
        Ecrire(QStringLiteral("Plugin/Lisez-moi.txt"), "texte");
        QVERIFY(QDir().mkdir(QStringLiteral("Plugin/") + So(QStringLiteral("Dossier"))));
    }
    const Resultat_Scan Scan = Scanner_Plugins();
    QVERIFY(Scan.ListePlug.empty());
    QCOMPARE(Scan.Nombre_Plug_Image, 0);
    QCOMPARE(Scan.Nombre_Plug_Mask, 0);
    QCOMPARE(Filtre_Image(Scan), QString());
    QCOMPARE(Filtre_Mask(Scan), QString());
    QCOMPARE(Extention_Defaut_Image(Scan), QString());
    QVERIFY(Slot_Image(Scan, 1).Fichier.empty());
}

// Names are chosen so that file-name order is the order below.
void Tst_Registre::Poser_Melange()
{
    Poser(Fixture(QStringLiteral("Essai_Image")), QStringLiteral("A"));
    Poser(Fixture(QStringLiteral("Essai_Sans_Fonction")), QStringLiteral("B"));
    Ecrire(QStringLiteral("Plugin/") + So(QStringLiteral("C")), "pas une librairie");
    Poser(Fixture(QStringLiteral("Essai_Double")), QStringLiteral("D"));
    Poser(Fixture(QStringLiteral("Essai_Masque")), QStringLiteral("E"));
    Poser(Fixture(QStringLiteral("Essai_Souligne")), QStringLiteral("F"));
    Poser(Fixture(QStringLiteral("Essai_Sans_Extention")), QStringLiteral("G"));
    Poser(Fixture(QStringLiteral("Essai_Sans_Nom")), QStringLiteral("H"));
    Poser(Fixture(QStringLiteral("Essai_Long")), QStringLiteral("I"));
    Poser(Fixture(QStringLiteral("Essai_Nul")), QStringLiteral("J"));
    Poser(Fixture(QStringLiteral("Essai_Variable")), QStringLiteral("K"));
    Poser(Fixture(QStringLiteral("Essai_32")), QStringLiteral("L"));
    Poser(Fixture(QStringLiteral("Essai_App")), QStringLiteral("M"));
}

void Tst_Registre::Scan_Explorateur()
{
    Poser_Melange();
    if (QTest::currentTestFailed())
    {
        return;
    }
    const Resultat_Scan Scan = Scanner_Plugins();

    // Every file is listed, also the one that is no library and those after it.
    const QString Lettres = QStringLiteral("ABCDEFGHIJKLM");
    QCOMPARE(Scan.ListePlug.size(), std::size_t(Lettres.size()));
    // K changes its kind at each call: it is asked once, and its tables agree with this kind.
    const std::array<int, 13> Genres = {1, 0, 0, 5, 4, 5, 1, 1, 5, 1, 1, 32, 16};
    for (qsizetype i = 0; i < Lettres.size(); ++i)
    {
        const QString Fichier = So(Lettres.at(i));
        QCOMPARE(Scan.ListePlug[i], Fichier);
        QCOMPARE(Scan.Table_Plug[i].Fonction, Genres[i]);
        const std::string Chemin = Genres[i] == 0 ? std::string() : Chemin_Plugin(Fichier);
        QCOMPARE(Scan.Table_Plug[i].Fichier, Chemin);
    }
    QCOMPARE(Scan.Table_Plug[13].Fonction, 0);
    QVERIFY(Scan.Fichiers_Non_Listes.empty());
    QCOMPARE(Scan.Plug_Non_Offerts, (std::vector<QString>{So("G"), So("J")}));
}

void Tst_Registre::Scan_Tables_Et_Filtres()
{
    Poser_Melange();
    if (QTest::currentTestFailed())
    {
        return;
    }
    const Resultat_Scan Scan = Scanner_Plugins();
    const auto Fichiers = [](const auto &Liste, std::size_t Nombre)
    {
        std::vector<std::string> Chemins;
        for (const Plug_Info &Slot : Liste)
        {
            if (Chemins.size() < Nombre)
            {
                Chemins.push_back(Slot.Fichier);
            }
        }
        return Chemins;
    };
    const auto Chemins = [](const char *Lettres)
    {
        std::vector<std::string> Resultat;
        for (const char *c = Lettres; *c != '\0'; ++c)
        {
            Resultat.push_back(Chemin_Plugin(So(QString(QLatin1Char(*c)))));
        }
        return Resultat;
    };
    QCOMPARE(Fichiers(Scan.Liste_Plug_Image, Scan.Nombre_Plug_Image), Chemins("ADFHIK"));
    QCOMPARE(Fichiers(Scan.Liste_Plug_Mask, Scan.Nombre_Plug_Mask), Chemins("DEFI"));
    // The table keeps the plug-in's own bytes; the filter shows them in Unicode, cut to the
    // fields' sizes.
    QCOMPARE(Scan.Liste_Plug_Image[0].Nom, std::string("Image \xE9"));
    std::string Nom_Long;
    for (int i = 0; Nom_Long.size() < 199; ++i)
    {
        Nom_Long += static_cast<char>('0' + i % 10);
    }
    const QString Nom_Long_Q = QString::fromStdString(Nom_Long);
    QCOMPARE(Filtre_Image(Scan), QStringLiteral("Image é|*.c|Double|*.dbl|Souligne|*.sou||*.sn|") +
                                     Nom_Long_Q + QStringLiteral("|*.abc|Variable|*.var"));
    QCOMPARE(Filtre_Mask(Scan), QStringLiteral("Double|*.dbl|Masque|*.msk|Souligne|*.sou|") +
                                    Nom_Long_Q + QStringLiteral("|*.abc"));
    QCOMPARE(Extention_Defaut_Image(Scan), QStringLiteral("c"));

    // File type k designates slot k - 1; anything else designates none.
    QCOMPARE(Slot_Image(Scan, 3).Nom, std::string("Souligne"));
    QCOMPARE(Slot_Mask(Scan, 2).Nom, std::string("Masque"));
    QVERIFY(Slot_Image(Scan, 0).Fichier.empty());
    QVERIFY(Slot_Image(Scan, 7).Fichier.empty());
    QVERIFY(Slot_Mask(Scan, 5).Fichier.empty());
    QVERIFY(Slot_Mask(Scan, -1).Fichier.empty());
}

void Tst_Registre::Scan_Plugins_Livres()
{
    const QStringList Livres = {"Pelkor",     "Tavisk", "Roskel", "Quenda", "Mervil",
                                "Sauvegarde", "Talvek", "Ombrin", "Garsel", "Pirnel",
                                "Sudrak",     "Velmor", "Lorvan", "Sevrin"};
    for (const QString &Nom : Livres)
    {
        if (!QFile::exists(Plugin_Livre(Nom)))
        {
            QSKIP("the shipped plug-ins are not built");
        }
        Poser(Plugin_Livre(Nom), Nom);
    }
    const Resultat_Scan Scan = Scanner_Plugins();
    QCOMPARE(Scan.ListePlug.size(), std::size_t(14));
    // The picture-and-mask libraries (kinds 3 and 2) are offered once, in the picture dialog.
    QCOMPARE(Filtre_Image(Scan),
             QStringLiteral("Sprite + mask entrelacés (language ASM)|*.asm|Images PIC de TI-89 "
                            "(groupe)|*.89g|Sprite + mask entrelacés (language C)|*.c|GenLib "
                            "(language C)|*.c|Sprite (language ASM)|*.asm|Sauvegarde d'image "
                            "Corvanel 3.0|*.cvl|Images PIC de TI-92 Plus (groupe)|*.9xg|Sprite "
                            "entrelacé (language ASM)|*.asm|Sprite (language C)|*.c|Sauvegarde "
                            "d'image et de mask Corvanel|*.cvm"));
    QCOMPARE(Filtre_Mask(Scan),
             QStringLiteral("Mask (language ASM)|*.asm|Mask ET (language C)|*.c|"
                            "Mask (language C)|*.c|Mask ET (language ASM)|*.asm"));
    QCOMPARE(Extention_Defaut_Image(Scan), QStringLiteral("asm"));
    for (int Type = 1; Type <= Scan.Nombre_Plug_Image; ++Type)
    {
        const QString Fichier = QString::fromStdString(Slot_Image(Scan, Type).Fichier);
        QCOMPARE(Prend_Mask(Slot_Image(Scan, Type)), Fichier.endsWith(So("Garsel")) ||
                                                         Fichier.endsWith(So("Ombrin")) ||
                                                         Fichier.endsWith(So("Velmor")));
    }

    // The explorer ends each library's details with its kind.
    for (std::size_t i = 0; i < Scan.ListePlug.size(); ++i)
    {
        const QString Attendu = Scan.ListePlug[i] == So("Garsel") ||
                                        Scan.ListePlug[i] == So("Ombrin") ||
                                        Scan.ListePlug[i] == So("Velmor")
                                    ? QStringLiteral("image et mask")
                                : Scan.Table_Plug[i].Fonction == 4 ? QStringLiteral("mask")
                                                                   : QStringLiteral("image");
        const QStringList Lignes = Details_Plugin(Scan.Table_Plug[i], Scan.Table_Plug[i].Fichier);
        QCOMPARE(Lignes.mid(Lignes.size() - 3), (QStringList{QString(), "Genre : ", Attendu}));
    }
}

void Tst_Registre::Scan_Cinquante_Et_Un()
{
    for (int i = 0; i <= 50; ++i)
    {
        Poser(Fixture(QStringLiteral("Essai_Image")),
              QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')));
    }
    const Resultat_Scan Scan = Scanner_Plugins();
    QCOMPARE(Scan.ListePlug.size(), std::size_t(50));
    QCOMPARE(Scan.ListePlug.back(), So("P49"));
    QCOMPARE(Scan.Table_Plug.back().Fonction, 1);
    QCOMPARE(Scan.Nombre_Plug_Image, 50);
    QCOMPARE(Scan.Liste_Plug_Image.back().Fichier, Chemin_Plugin(So("P49")));
    QCOMPARE(Scan.Fichiers_Non_Listes, std::vector<QString>{So("P50")});
    QCOMPARE(Lignes_Filtre(Filtre_Image(Scan)).size(), 100);
}

void Tst_Registre::Scan_Sixieme_Mask()
{
    for (int i = 1; i <= 5; ++i)
    {
        Poser(Fixture(QStringLiteral("Essai_Masque")), QStringLiteral("M%1").arg(i));
    }
    Poser(Fixture(QStringLiteral("Essai_Double")), QStringLiteral("M6"));
    const Resultat_Scan Scan = Scanner_Plugins();
    // The sixth mask plug-in keeps its line, its kind and its picture slot.
    QCOMPARE(Scan.ListePlug.size(), std::size_t(6));
    QCOMPARE(Scan.Table_Plug[5].Fonction, 5);
    QCOMPARE(Scan.Nombre_Plug_Mask, 5);
    QCOMPARE(Scan.Liste_Plug_Mask[4].Fichier, Chemin_Plugin(So("M5")));
    QCOMPARE(Scan.Nombre_Plug_Image, 1);
    QCOMPARE(Filtre_Image(Scan), QStringLiteral("Double|*.dbl"));
    QCOMPARE(Scan.Plug_Non_Offerts, std::vector<QString>{So("M6")});
}

void Tst_Registre::Scan_Nom_De_Fichier_data()
{
    QTest::addColumn<int>("Longueur");
    QTest::addColumn<int>("Genre");
    QTest::newRow("92 caractères") << 92 << 1;
    QTest::newRow("93 caractères") << 93 << 0;
}

void Tst_Registre::Scan_Nom_De_Fichier()
{
    QFETCH(int, Longueur);
    QFETCH(int, Genre);
    const QString Fichier = So(QString(Longueur - int(qstrlen(Suffixe_Plugin)), QLatin1Char('n')));
    QCOMPARE(Fichier.size(), Longueur);
    QVERIFY(
        QFile::copy(Fixture(QStringLiteral("Essai_Image")), QStringLiteral("Plugin/") + Fichier));
    const Resultat_Scan Scan = Scanner_Plugins();
    QCOMPARE(Scan.ListePlug, std::vector<QString>{Fichier});
    QCOMPARE(Scan.Table_Plug[0].Fonction, Genre);
    QCOMPARE(Scan.Nombre_Plug_Image, Genre);
    QCOMPARE(Chemin_Plugin(Fichier).empty(), Genre == 0);
}

// ---- The explorer

void Tst_Registre::Details_data()
{
    QTest::addColumn<QString>("Source"); // a fixture, "" for a file that is no library
    QTest::addColumn<QStringList>("Lignes");

    const QString Incompatible = QStringLiteral("Plug-in non compatible avec Corvanel 3.0.");
    const auto Complet = [](const QString &Nom)
    {
        return QStringList{Nom,
                           "",
                           "",
                           "Description du Plug-in :",
                           "Première ligne",
                           "Seconde ligne",
                           "",
                           "Version : ",
                           "2.5",
                           "Auteur : ",
                           "Auteur €",
                           "Mail : ",
                           "auteur@exemple.fr",
                           "Site Internet : ",
                           "http://exemple.fr"};
    };
    const auto Inconnu = [](const QString &Nom, const QString &Auteur)
    {
        return QStringList{Nom,
                           "",
                           "",
                           "Description du Plug-in :",
                           "Description Inconnue",
                           "",
                           "Version : ",
                           "Version Inconnue",
                           "Auteur : ",
                           Auteur,
                           "Mail : ",
                           "Adresse mail Inconnue",
                           "Site Internet : ",
                           "Adresse site inconnu"};
    };
    QTest::newRow("tous les détails") << "Essai_Image" << Complet(QStringLiteral("Image é"));
    QTest::newRow("noms soulignés") << "Essai_Souligne" << Complet(QStringLiteral("Souligne"));
    // Double exports the author in both forms, the underscore one is shown; its name too, and
    // the plain one is shown.
    QTest::newRow("détails absents")
        << "Essai_Double" << Inconnu(QStringLiteral("Double"), "Auteur souligne");
    QTest::newRow("textes nuls") << "Essai_Nul" << Inconnu(QString(), "Auteur Inconnu");
    QTest::newRow("sans nom") << "Essai_Sans_Nom" << QStringList{Incompatible};
    QTest::newRow("pas une librairie") << "" << QStringList{Incompatible};
}

void Tst_Registre::Details()
{
    QFETCH(QString, Source);
    QFETCH(QStringList, Lignes);
    if (Source.isEmpty())
    {
        Ecrire(QStringLiteral("Plugin/") + So("X"), QByteArray(4096, '\x7f'));
    }
    else
    {
        Poser(Fixture(Source), QStringLiteral("X"));
    }
    QCOMPARE(Details_Plugin(Chemin_Plugin(So("X"))), Lignes);
}

void Tst_Registre::Details_Sauvegarde()
{
    if (!QFile::exists(Plugin_Livre(QStringLiteral("Sauvegarde"))))
    {
        QSKIP("Sauvegarde is not built");
    }
    Poser(Plugin_Livre(QStringLiteral("Sauvegarde")), QStringLiteral("Sauvegarde"));
    const QStringList Lignes = Details_Plugin(Chemin_Plugin(So("Sauvegarde")));
    QCOMPARE(Lignes.size(), 14);
    QCOMPARE(Lignes.mid(0, 9),
             (QStringList{"Sauvegarde d'image Corvanel 3.0", "", "", "Description du Plug-in :",
                          "Sauvegarde de l'image pour une utilisation ultérieur. (Compatible avec "
                          "la version 2.0 de Corvanel)",
                          "", "Version : ", "1.0", "Auteur : "}));
    QCOMPARE(Lignes[10], QStringLiteral("Mail : "));
    QCOMPARE(Lignes[12], QStringLiteral("Site Internet : "));
}

void Tst_Registre::Demarrer_data()
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

void Tst_Registre::Demarrer()
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

void Tst_Registre::Regle_Extention_data()
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

void Tst_Registre::Regle_Extention()
{
    QFETCH(QString, Chemin);
    QFETCH(QString, Extention);
    QFETCH(QString, Attendu);
    Plug_Info Slot;
    Slot.Fichier = "Plugin/X.so";
    Slot.Extention = Extention.toStdString();
    QCOMPARE(Appliquer_Extention(Chemin, Slot), Attendu);
}

void Tst_Registre::Enregistrer_data()
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

void Tst_Registre::Enregistrer()
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
void Tst_Registre::Enregistrer_Arguments()
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

void Tst_Registre::Enregistrement_Sur_data()
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
void Tst_Registre::Enregistrement_Sur()
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

void Tst_Registre::Raison_Plugin_data()
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

void Tst_Registre::Raison_Plugin()
{
    QFETCH(QByteArray, Octets);
    QTEST(Corvanel::Raison_Plugin(Octets.toStdString()), "Raison");
}

// Without its helper the host loads no library, and says where it looked.
void Tst_Registre::Programme_Aide_Absent()
{
    Hote_Plugin Hote("/nulle/part/corvanel-plugin-hote");
    const Resultat_Appel Appel = Hote.Appeler(
        Protocole::Ecriture(Protocole::Operation::Details).Texte("Plugin/X.so").Trame());
    QCOMPARE(Appel.Fin, Fin_Appel::Sans_Hote);
    QVERIFY2(Appel.Detail.find("/nulle/part/corvanel-plugin-hote") != std::string::npos,
             Appel.Detail.c_str());
}

void Tst_Registre::Cp1252_Aller_Retour()
{
    std::string Tous;
    for (int i = 1; i < 256; ++i)
    {
        Tous.push_back(static_cast<char>(i));
    }
    const QString Unicode = Depuis_Cp1252(Tous);
    QCOMPARE(Unicode.size(), 255);
    QCOMPARE(Vers_Cp1252(Unicode), Tous);
    QCOMPARE(Unicode.at(0x80 - 1), QChar(0x20AC));
    QCOMPARE(Unicode.at(0x81 - 1), QChar(0x0081));
    QCOMPARE(Unicode.at(0x9D - 1), QChar(0x009D));
    QCOMPARE(Unicode.at(0x9F - 1), QChar(0x0178));
    QCOMPARE(Unicode.at(0xE9 - 1), QChar(0x00E9));
    // One '?' per character outside the code page, whatever its UTF-16 length.
    QCOMPARE(Vers_Cp1252(QStringLiteral("a\u0100b\U0001F600c")), std::string("a?b?c"));
}

// ---- The save file

void Tst_Registre::Sauvegarde_Aller_Retour_data()
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

void Tst_Registre::Sauvegarde_Aller_Retour()
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

void Tst_Registre::Lecture_data()
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

void Tst_Registre::Lecture()
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

void Tst_Registre::Lecture_Mask_data()
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
void Tst_Registre::Lecture_Mask()
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

void Tst_Registre::Lecture_Fichier_Absent()
{
    Plan Plan_Image{};
    const Resultat_Lecture Lecture =
        Lire_Sauvegarde(Temporaire->filePath("absent.cvl"), Plan_Image);
    QCOMPARE(Lecture.Etat, Etat_Lecture::Non_Ouvert);
    QVERIFY(Lecture.Message.isEmpty());
    QVERIFY(Plan_Image == Plan{});
}

QTEST_GUILESS_MAIN(Tst_Registre)
#include "tst_Registre.moc"
