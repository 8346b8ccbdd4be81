// The scan of the Plugin folder, the explorer's details and the Windows-1252 texts, through
// real libraries loaded from a real Plugin folder.
#include "Bibliotheque.h"
#include "Cp1252.h"
#include "Emplacements.h"
#include "Explorateur.h"
#include "Registre.h"
#include "Registre_Essai.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace Corvanel;

namespace
{
using Essai::Ecrire;
using Essai::Fixture;
using Essai::Plugin_Livre;
using Essai::So;

QStringList Lignes_Filtre(const QString &Filtre)
{
    return Filtre.isEmpty() ? QStringList() : Filtre.split(QLatin1Char('|'));
}
} // namespace

class Tst_Scan_Plugins : public QObject, private Essai::Dossier_Plugin
{
    Q_OBJECT

private:
    void Poser_Melange();

private slots:
    void init() { Entrer(); }
    void cleanup() { Quitter(); }

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

    void Cp1252_Aller_Retour();
};

// ---- The scan

// The current folder's Plugin and help page win; the installed ones, found from the program's
// folder, only stand in for missing ones.
void Tst_Scan_Plugins::Emplacements_data()
{
    QTest::addColumn<bool>("Local");
    QTest::addColumn<bool>("Installe");
    QTest::newRow("dossier courant seul") << true << false;
    QTest::newRow("dossier courant et installation") << true << true;
    QTest::newRow("installation seule") << false << true;
    QTest::newRow("ni l'un ni l'autre") << false << false;
}

void Tst_Scan_Plugins::Emplacements()
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

void Tst_Scan_Plugins::Scan_Sans_Plugin_data()
{
    QTest::addColumn<bool>("Dossier");
    QTest::newRow("pas de dossier Plugin") << false;
    QTest::newRow("dossier vide") << true;
}

void Tst_Scan_Plugins::Scan_Sans_Plugin()
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
void Tst_Scan_Plugins::Poser_Melange()
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

void Tst_Scan_Plugins::Scan_Explorateur()
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

void Tst_Scan_Plugins::Scan_Tables_Et_Filtres()
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

void Tst_Scan_Plugins::Scan_Plugins_Livres()
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

void Tst_Scan_Plugins::Scan_Cinquante_Et_Un()
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

void Tst_Scan_Plugins::Scan_Sixieme_Mask()
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

void Tst_Scan_Plugins::Scan_Nom_De_Fichier_data()
{
    QTest::addColumn<int>("Longueur");
    QTest::addColumn<int>("Genre");
    QTest::newRow("92 caractères") << 92 << 1;
    QTest::newRow("93 caractères") << 93 << 0;
}

void Tst_Scan_Plugins::Scan_Nom_De_Fichier()
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

void Tst_Scan_Plugins::Details_data()
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

void Tst_Scan_Plugins::Details()
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

void Tst_Scan_Plugins::Details_Sauvegarde()
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

// ---- The Windows-1252 texts

void Tst_Scan_Plugins::Cp1252_Aller_Retour()
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

QTEST_GUILESS_MAIN(Tst_Scan_Plugins)
#include "tst_Scan_Plugins.moc"
