// corvanel-convert refusing what it cannot do: bad inputs and outputs, wrong options, broken
// plug-ins; and its help, version and list of plug-ins.
#include "Convert_Essai.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace Essai;

namespace
{
const QStringList Liste_Attendue = {
    QStringLiteral("Garsel.so\timage et mask\tasm\tSprite + mask entrelacés (language ASM)"),
    QStringLiteral("Lorvan.so\timage\t89g\tImages PIC de TI-89 (groupe)"),
    QStringLiteral("Mervil.so\tmask\tasm\tMask (language ASM)"),
    QStringLiteral("Ombrin.so\timage et mask\tc\tSprite + mask entrelacés (language C)"),
    QStringLiteral("Pelkor.so\timage\tc\tGenLib (language C)"),
    QStringLiteral("Pirnel.so\tmask\tc\tMask ET (language C)"),
    QStringLiteral("Quenda.so\tmask\tc\tMask (language C)"),
    QStringLiteral("Roskel.so\timage\tasm\tSprite (language ASM)"),
    QStringLiteral("Sauvegarde.so\timage\tcvl\tSauvegarde d'image Corvanel 3.0"),
    QStringLiteral("Sevrin.so\timage\t9xg\tImages PIC de TI-92 Plus (groupe)"),
    QStringLiteral("Sudrak.so\tmask\tasm\tMask ET (language ASM)"),
    QStringLiteral("Talvek.so\timage\tasm\tSprite entrelacé (language ASM)"),
    QStringLiteral("Tavisk.so\timage\tc\tSprite (language C)"),
    QStringLiteral("Velmor.so\timage et mask\tcvm\tSauvegarde d'image et de mask Corvanel"),
};
} // namespace

class Tst_Convert_Erreurs : public QObject
{
    Q_OBJECT

    QTemporaryDir Dossier;

    QString Chemin(const QString &Nom) const { return Dossier.filePath(Nom); }

private slots:
    void init() { Installer(Dossier); }
    void cleanup() { QDir(Chemin(QStringLiteral("cli"))).removeRecursively(); }

    void Entree_Mauvaise_data()
    {
        QTest::addColumn<QString>("Nom");
        QTest::addColumn<QByteArray>("Contenu"); // empty: no file; "/": a folder
        QTest::addColumn<QString>("Raison");
        QTest::newRow("bitmap illisible")
            << "casse.bmp" << QByteArray("BM pas une image") << "données de l'image invalides";
        QTest::newRow("image de format inconnu")
            << "casse.png" << QByteArray("rien") << "format d'image non reconnu";
        QTest::newRow("bitmap absent") << "absent.bmp" << QByteArray() << "fichier introuvable";
        QTest::newRow("dossier") << "dossier.bmp" << QByteArray("/") << "c'est un dossier";
        QTest::newRow("sauvegarde tronquée")
            << "courte.cvl" << QByteArray::fromHex("0a000a0004000100") << "fichier tronqué";
        QTest::newRow("sauvegarde trop large")
            << "large.cvl" << QByteArray::fromHex("f100010004000000") << "largeur 241";
        QTest::newRow("sauvegarde absente") << "absente.cvl" << QByteArray() << "introuvable";
        QTest::newRow("source qui ne va pas à la taille")
            << "courte.h" << QByteArray("unsigned char S_C0[] = {0x01};")
            << "« S_C0 » a 1 nombre de 8 bits";
        QTest::newRow("source absente") << "absente.asm" << QByteArray() << "introuvable";
        QTest::newRow("image de calculatrice étrangère")
            << "calc.89g" << QByteArray("**TI83F*").leftJustified(80, '\0')
            << "Image de calculatrice refusée : ce n'est pas un fichier de variables de TI-89";
    }
    void Entree_Mauvaise()
    {
        QFETCH(QString, Nom);
        QFETCH(QByteArray, Contenu);
        QFETCH(QString, Raison);
        Ecrire_Source(Dossier, QStringLiteral("bon1.bmp"));
        Ecrire_Source(Dossier, QStringLiteral("bon2.png"), QSize(30, 20));
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("cli")));
        if (Contenu == "/")
            QVERIFY(QDir(Dossier.path()).mkpath(Nom));
        else if (!Contenu.isEmpty())
        {
            QFile Fichier(Chemin(Nom));
            QVERIFY(Fichier.open(QIODevice::WriteOnly));
            Fichier.write(Contenu);
        }
        const Issue Resultat = Lancer({QStringLiteral("-p"), QStringLiteral("Tavisk"),
                                       QStringLiteral("-o"), QStringLiteral("cli"),
                                       QStringLiteral("bon1.bmp"), Nom, QStringLiteral("bon2.png")},
                                      Dossier.path());
        QCOMPARE(Resultat.Statut, 1);
        QCOMPARE(Resultat.Erreur.count(QLatin1Char('\n')), 1);
        QVERIFY2(Resultat.Erreur.contains(Nom) && Resultat.Erreur.contains(Raison),
                 qPrintable(Resultat.Erreur));
        QCOMPARE(QDir(Chemin(QStringLiteral("cli"))).entryList(QDir::Files, QDir::Name),
                 QStringList({"bon1.c", "bon2.c"}));
        QDir(Chemin(Nom)).removeRecursively();
    }

    void Sortie_Impossible_data()
    {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QString>("Raison");
        QTest::newRow("dossier absent")
            << QStringList{"-o", "absent/vue.c", "vue.bmp"} << "« absent/vue.c » avec Tavisk.so";
        QTest::newRow("disque plein") << QStringList{"-o", "plein.c", "vue.bmp"}
                                      << "« plein.c » avec Tavisk.so : Problème d'enregistrement.";
        // The plug-in's reason ends the message; for a sheet, the reason of the cell refused.
        const QString Raison_GenLib = QStringLiteral(
            "Impossible d'enregistrer « x.c » avec Pelkor.so : Problème d'enregistrement. Le Noir "
            "& Blanc n'est pas supporté, préférez le plug-in Sprite C pour ce type "
            "d'enregistrement.\n");
        QTest::newRow("refus motivé")
            << QStringList{"-p", "Pelkor", "-n", "2", "-o", "x.c", "vue.bmp"} << Raison_GenLib;
        QTest::newRow("refus motivé, compressé")
            << QStringList{"-p", "Pelkor", "-n", "2", "-z", "-o", "x.c", "vue.bmp"}
            << Raison_GenLib;
        QTest::newRow("refus motivé d'une planche")
            << QStringList{"-p", "Pelkor", "-n", "2", "--grille", "8x8", "-o", "x.c", "vue.bmp"}
            << Raison_GenLib;
        QTest::newRow("nom réservé de la calculatrice")
            << QStringList{"-p", "Sevrin", "-n", "2", "--nom", "regcoef", "-o", "x.9xg", "vue.bmp"}
            << "« x.9xg » avec Sevrin.so : Problème d'enregistrement. « regcoef » est le nom "
               "d'une variable système de la calculatrice : donnez un autre nom à l'image.";
        QTest::newRow("mask sur disque plein")
            << QStringList{"-o", "sprite.c", "-m", "Quenda", "vue.bmp"}
            << "« Mask_sprite.c » avec Quenda.so : Bug 3 !!!";
        QTest::newRow("la sortie remplacerait l'entrée")
            << QStringList{"-p", "Sauvegarde", "vue.cvl"} << "remplacerait le fichier d'entrée";
        QTest::newRow("deux entrées vers un fichier")
            << QStringList{"-o", ".", "vue.bmp", "vue.png"} << "même fichier de sortie « ./vue.c »";
        QTest::newRow("l'aperçu remplacerait la sortie")
            << QStringList{"-o", "sprite.c", "--apercu", "sprite.c", "vue.bmp"}
            << "l'aperçu « sprite.c » remplacerait la sortie";
        QTest::newRow("aperçu dans un dossier absent")
            << QStringList{"--apercu", "absent/vue.png", "vue.bmp"}
            << "« absent/vue.png » : aperçu impossible à écrire";
    }
    void Sortie_Impossible()
    {
        QFETCH(QStringList, Arguments);
        QFETCH(QString, Raison);
        Ecrire_Source(Dossier, QStringLiteral("vue.bmp"));
        Ecrire_Source(Dossier, QStringLiteral("vue.png"));
        QFile::link(QStringLiteral("/dev/full"), Chemin(QStringLiteral("plein.c")));
        QFile::link(QStringLiteral("/dev/full"), Chemin(QStringLiteral("Mask_sprite.c")));
        const QByteArray Sauvegarde = QByteArray::fromHex("0100010004000300");
        QFile Fichier(Chemin(QStringLiteral("vue.cvl")));
        QVERIFY(Fichier.open(QIODevice::WriteOnly) && Fichier.write(Sauvegarde) == 8);
        Fichier.close();

        const Issue Resultat = Lancer(QStringList{"-p", "Tavisk"} + Arguments, Dossier.path());
        QCOMPARE(Resultat.Statut, 1);
        QVERIFY2(Resultat.Erreur.contains(Raison), qPrintable(Resultat.Erreur));
        QCOMPARE(Lire(Chemin(QStringLiteral("vue.cvl"))), Sauvegarde);
        QVERIFY(!QFile::exists(Chemin(QStringLiteral("x.c"))));
        QVERIFY(!QFile::exists(Chemin(QStringLiteral("x.9xg"))));
        for (const char *Nom : {"plein.c", "Mask_sprite.c", "sprite.c", "vue.c"})
            QFile::remove(Chemin(QLatin1String(Nom)));
    }

    void Usage_data()
    {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QString>("Message");
        const QStringList P{"-p", "Tavisk"};
        QTest::newRow("rien") << QStringList() << "aucun fichier à convertir";
        QTest::newRow("option inconnue")
            << P + QStringList{"--vite", "a.bmp"} << "option inconnue « --vite »";
        QTest::newRow("valeur manquante") << QStringList{"a.bmp", "-p"} << "valeur manquante";
        QTest::newRow("valeur de trop")
            << P + QStringList{"--couper=oui", "a.bmp"} << "ne prend pas de valeur";
        QTest::newRow("sans plug-in") << QStringList{"a.bmp"} << "--plugin";
        QTest::newRow("plug-in inconnu")
            << QStringList{"-p", "Nul", "a.bmp"} << "plug-in d'image introuvable « Nul »";
        QTest::newRow("plug-in de mask pour l'image")
            << QStringList{"-p", "Mask (language C)", "a.bmp"} << "--mask-plugin";
        QTest::newRow("plug-in d'image pour le mask")
            << P + QStringList{"-m", "Tavisk", "a.bmp"} << "plug-in de mask introuvable";
        QTest::newRow("taille inconnue")
            << P + QStringList{"-t", "64x64", "a.bmp"} << "taille inconnue";
        QTest::newRow("largeur 241")
            << P + QStringList{"--largeur", "241", "--hauteur", "9", "a"} << "taille refusée";
        QTest::newRow("hauteur 0")
            << P + QStringList{"--largeur=9", "--hauteur=0", "a.bmp"} << "taille refusée";
        QTest::newRow("largeur seule")
            << P + QStringList{"--largeur", "9", "a.bmp"} << "vont ensemble";
        QTest::newRow("taille et largeur")
            << P + QStringList{"-t", "8x8", "--largeur", "9", "--hauteur", "9", "a.bmp"}
            << "s'excluent";
        QTest::newRow("3 niveaux") << P + QStringList{"-n", "3", "a.bmp"} << "niveaux refusé";
        QTest::newRow("lumière non numérique")
            << P + QStringList{"--lumiere", "+", "a.bmp"} << "--lumiere";
        QTest::newRow("fond sans mask")
            << P + QStringList{"--fond", "noir", "a.bmp"} << "--fond ne sert qu'avec --mask-plugin";
        QTest::newRow("fond inconnu")
            << P + QStringList{"-m", "Quenda", "-f", "4", "a.bmp"} << "fond inconnu";
        QTest::newRow("tâches 0") << P + QStringList{"-j", "0", "a.bmp"} << "tâches";
        QTest::newRow("plusieurs entrées vers un fichier")
            << P + QStringList{"-o", "x.c", "a.bmp", "b.bmp"} << "dossier existant";
        QTest::newRow("dossier de plug-ins absent")
            << P + QStringList{"-d", "nulle-part", "a.bmp"} << "« nulle-part »";
        QTest::newRow("liste et fichiers") << QStringList{"-L", "a.bmp"} << "ne prend pas";
        QTest::newRow("grille 0") << P + QStringList{"-g", "0x8", "a.bmp"} << "grille refusée";
        QTest::newRow("grille 241")
            << P + QStringList{"--grille", "241x8", "a.bmp"} << "grille refusée";
        QTest::newRow("grille coupée et taille")
            << P + QStringList{"-g", "8x8", "-c", "-t", "8x8", "a.bmp"} << "--couper";
        QTest::newRow("compresser une sauvegarde")
            << QStringList{"-p", "Sauvegarde", "--compresser", "a.bmp"}
            << "--compresser ne sert qu'avec un plug-in qui écrit du code source";
        QTest::newRow("vides sans grille")
            << P + QStringList{"--ignorer-vides", "a.bmp"} << "--ignorer-vides";
        QTest::newRow("échantillonnage inconnu")
            << P + QStringList{"--echantillonnage", "bilineaire", "a.bmp"}
            << "échantillonnage inconnu « bilineaire » (point ou moyenne)";
        QTest::newRow("teinte inconnue")
            << P + QStringList{"--teinte=Gris", "a.bmp"} << "teinte inconnue « Gris »";
        QTest::newRow("tramage inconnu")
            << P + QStringList{"--tramage", "ordonne-16", "a.bmp"}
            << "(aucun, floyd-steinberg, atkinson, ordonne-4 ou ordonne-8)";
        QTest::newRow("images et grille")
            << P + QStringList{"--images", "-g", "8x8", "a.gif"} << "--images et --grille";
        QTest::newRow("proportions coupées")
            << P + QStringList{"--proportions", "-c", "a.bmp"} << "--proportions ne sert";
        QTest::newRow("palette sans couleurs exactes")
            << P + QStringList{"--palette", "#FF0000=3", "a.bmp"} << "--palette ne sert";
        QTest::newRow("palette à un niveau de 8")
            << P + QStringList{"--teinte", "exacte", "--palette", "#FF0000=3,#00FF00=112", "a.bmp"}
            << "niveau 112 inconnu à 4 niveaux (0, 1, 2, 3)";
        QTest::newRow("palette mal formée")
            << P + QStringList{"--teinte", "exacte", "-n", "8", "--palette", "rouge=3", "a.bmp"}
            << "« rouge=3 » n'est pas de la forme #RRVVBB=N";
        QTest::newRow("zoom sans aperçu")
            << P + QStringList{"--zoom", "2", "a.bmp"} << "--zoom ne sert qu'avec --apercu";
        QTest::newRow("zoom 17") << P + QStringList{"--apercu", "a.png", "--zoom", "17", "a.bmp"}
                                 << "zoom refusé";
        QTest::newRow("aperçu des cases de la source")
            << P + QStringList{"-g", "8x8", "-c", "--apercu", "a.png", "a.bmp"} << "--apercu";
        QTest::newRow("carte 0x8")
            << P + QStringList{"--carte", "0x8", "a.bmp"} << "tuiles refusées";
        QTest::newRow("carte et grille")
            << P + QStringList{"--carte", "8x8", "-g", "8x8", "a.bmp"} << "s'excluent";
        QTest::newRow("carte et images")
            << P + QStringList{"--images", "--carte", "8x8", "a.gif"} << "--images et --carte";
        QTest::newRow("carte et proportions")
            << P + QStringList{"--carte", "8x8", "--proportions", "a.bmp"} << "--proportions";
        QTest::newRow("carte et taille")
            << P + QStringList{"--carte", "8x8", "--largeur", "8", "--hauteur", "8", "a.bmp"}
            << "avec --carte";
        QTest::newRow("carte et aperçu")
            << P + QStringList{"--carte", "8x8", "--apercu", "a.png", "a.bmp"} << "--apercu";
        QTest::newRow("carte sans code source")
            << QStringList{"-p", "Sauvegarde", "--carte", "8x8", "a.bmp"}
            << "« Sauvegarde » n'écrit pas de code source";
        QTest::newRow("carte, mask dans un autre langage")
            << P + QStringList{"-m", "Mervil", "--carte", "8x8", "a.bmp"}
            << "« Mervil » n'écrit pas dans le langage de « Tavisk »";
        QTest::newRow("plusieurs entrées vers un aperçu")
            << P + QStringList{"--apercu", "a.png", "a.bmp", "b.bmp"}
            << "--apercu doit être un dossier existant";
    }
    void Usage()
    {
        QFETCH(QStringList, Arguments);
        QFETCH(QString, Message);
        const QStringList Avant = QDir(Dossier.path()).entryList(QDir::Files);
        const Issue Resultat = Lancer(Arguments, Dossier.path());
        QCOMPARE(Resultat.Statut, 2);
        QVERIFY2(Resultat.Erreur.startsWith(QLatin1String("corvanel-convert: ")) &&
                     Resultat.Erreur.contains(Message) &&
                     Resultat.Erreur.contains(QLatin1String("--help")),
                 qPrintable(Resultat.Erreur));
        QCOMPARE(Resultat.Sortie, QString());
        QCOMPARE(QDir(Dossier.path()).entryList(QDir::Files), Avant);
    }

    void Aide_Version_Liste_data()
    {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QString>("Dossier_Courant"); // relative to the test folder
        QTest::addColumn<QStringList>("Lignes");      // empty: checked below by their start
        QTest::addColumn<QString>("Dossier_Liste");   // the folder a list names first
        const QString Ici = QFileInfo(Dossier.path()).canonicalFilePath(); // as getcwd gives it
        QTest::newRow("--version")
            << QStringList{"--version"} << "." << QStringList{"corvanel-convert 3.3"} << QString();
        QTest::newRow("--help") << QStringList{"--help"} << "." << QStringList() << QString();
        QTest::newRow("-h") << QStringList{"-h", "-p", "Nul"} << "." << QStringList() << QString();
        QTest::newRow("plug-ins du dossier courant")
            << QStringList{"-L"} << "." << Liste_Attendue << Ici + QStringLiteral("/Plugin");
        // The list asks each library its kind: a relative folder not called Plugin must load.
        QTest::newRow("plug-ins d'un dossier donné")
            << QStringList{"--lister-plugins", "--dossier-plugins=../autres"} << "vide"
            << Liste_Attendue << Ici + QStringLiteral("/autres");
        QTest::newRow("plug-ins à côté du programme")
            << QStringList{"-L"} << "vide" << Liste_Attendue
            << QFileInfo(Dossier_Build()).canonicalFilePath() + QStringLiteral("/Plugin");
    }
    void Aide_Version_Liste()
    {
        QFETCH(QStringList, Arguments);
        QFETCH(QString, Dossier_Courant);
        QFETCH(QStringList, Lignes);
        QFETCH(QString, Dossier_Liste);
        if (!Dossier_Liste.isEmpty())
            Lignes.prepend(QStringLiteral("Dossier des plug-ins : ") + Dossier_Liste);
        QVERIFY(QDir(Dossier.path()).mkpath(QStringLiteral("vide")));
        QFile::link(Dossier_Build() + QStringLiteral("/Plugin"), Chemin(QStringLiteral("autres")));
        const Issue Resultat = Lancer(Arguments, Chemin(Dossier_Courant));
        QCOMPARE(Resultat.Statut, 0);
        QCOMPARE(Resultat.Erreur, QString());
        if (Lignes.isEmpty())
        {
            QVERIFY(Resultat.Sortie.startsWith(
                QLatin1String("Utilisation : corvanel-convert [OPTION]... FICHIER...\n")));
            for (const char *Option : {"--plugin=NOM", "--sortie=CHEMIN", "--taille=TAILLE",
                                       "--couper", "--lumiere=N", "--mask-plugin=NOM"})
                QVERIFY2(Resultat.Sortie.contains(QLatin1String(Option)), Option);
        }
        else
            QCOMPARE(Resultat.Sortie, Lignes.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }

    // Broken libraries beside Tavisk: a library named by its file is examined alone, a crash
    // or a hang costs its input only, and the list says what became of each.
    void Plugins_Casses_data()
    {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<int>("Statut");
        QTest::addColumn<QStringList>("Messages"); // found in the output or the errors
        QTest::addColumn<QStringList>("Ecrits");   // what cli/ holds afterwards
        QTest::addColumn<int>("Duree_Max");        // milliseconds
#if defined(__SANITIZE_ADDRESS__)
        const QString Plante = QStringLiteral("arrêté");
#else
        const QString Plante = QStringLiteral("planté");
#endif
        const QStringList Tout{"Bloque.c", "a.c", "a.gp"};
        QTest::newRow("bibliothèque seule")
            << QStringList{"-p", "Tavisk"} << 0 << QStringList() << Tout << 2000;
        QTest::newRow("par son fichier")
            << QStringList{"-p", "casses/Tavisk.so"} << 0 << QStringList() << Tout << 2000;
        QTest::newRow("par son nom affiché")
            << QStringList{"-p", "Sprite (language C)"} << 0 << QStringList() << Tout << 20000;
        QTest::newRow("enregistrement qui plante")
            << QStringList{"-p", "Essai_Go_Plante"} << 1
            << QStringList{"« cli/a.gp » avec Essai_Go_Plante.so : Problème d'enregistrement. (le "
                           "plug-in ",
                           Plante, "« cli/Bloque.gp »"}
            << QStringList{"a.gp"} << 20000;
        QTest::newRow("enregistrement qui ne finit pas")
            << QStringList{"-p", "Essai_Image", "--delai-plugin", "1"} << 1
            << QStringList{"« cli/Bloque.c » avec Essai_Image.so : Problème d'enregistrement. (le "
                           "plug-in n'a pas répondu en 1 s)"}
            << QStringList{"a.c", "a.gp"} << 20000;
        QTest::newRow("examen qui plante")
            << QStringList{"-p", "Essai_Nom_Plante"} << 1
            << QStringList{"« Essai_Nom_Plante » est inutilisable : le plug-in ", Plante}
            << QStringList{"a.gp"} << 20000;
        QTest::newRow("liste") << QStringList{"-L"} << 0
                               << QStringList{"Essai_Fonction_Abort.so\tarrêté\t-\tle plug-in "
                                              "s'est arrêté de lui-même",
                                              "Essai_Nom_Bloque.so\tsans réponse\t-\tle plug-in "
                                              "n'a pas répondu en 3 s",
                                              "Essai_Nom_Plante.so\t" + Plante,
                                              "Tavisk.so\timage\tc"}
                               << QStringList{"a.gp"} << 20000;
        QTest::newRow("délai refusé")
            << QStringList{"-p", "Tavisk", "--delai-plugin", "0"} << 2
            << QStringList{"délai refusé « 0 »"} << QStringList{"a.gp"} << 2000;
    }
    void Plugins_Casses()
    {
        QFETCH(QStringList, Arguments);
        QFETCH(int, Statut);
        QFETCH(QStringList, Messages);
        QFETCH(QStringList, Ecrits);
        QFETCH(int, Duree_Max);
        const QString Casses = Chemin(QStringLiteral("casses"));
        QVERIFY(QDir().mkpath(Casses));
        QVERIFY(QDir().mkpath(Chemin(QStringLiteral("cli"))));
        for (const char *Nom : {"Essai_Nom_Plante", "Essai_Fonction_Abort", "Essai_Nom_Bloque",
                                "Essai_Go_Plante", "Essai_Image"})
            QFile::copy(Dossier_Build() + QStringLiteral("/fixtures/") + QLatin1String(Nom) +
                            QStringLiteral(".so"),
                        Casses + QLatin1Char('/') + QLatin1String(Nom) + QStringLiteral(".so"));
        QFile::copy(Dossier_Build() + QStringLiteral("/Plugin/Tavisk.so"),
                    Casses + QStringLiteral("/Tavisk.so"));
        Ecrire_Source(Dossier, QStringLiteral("a.bmp"), QSize(16, 16));
        Ecrire_Source(Dossier, QStringLiteral("Bloque.bmp"), QSize(16, 16));
        // A file that a failed save must leave as it is.
        QFile Ancien(Chemin(QStringLiteral("cli/a.gp")));
        QVERIFY(Ancien.open(QIODevice::WriteOnly) && Ancien.write("ancien") == 6);
        Ancien.close();

        const QStringList Entrees = Arguments.contains(QStringLiteral("-L"))
                                        ? QStringList()
                                        : QStringList{"a.bmp", "Bloque.bmp"};
        QElapsedTimer Chrono;
        Chrono.start();
        const Issue Resultat =
            Lancer(QStringList{"-d", "casses", "-o", "cli"} + Arguments + Entrees, Dossier.path());
        QVERIFY2(Chrono.elapsed() < Duree_Max, qPrintable(QString::number(Chrono.elapsed())));
        QCOMPARE(Resultat.Statut, Statut);
        for (const QString &Message : Messages)
            QVERIFY2(Resultat.Sortie.contains(Message) || Resultat.Erreur.contains(Message),
                     qPrintable(Resultat.Sortie + Resultat.Erreur));
        QCOMPARE(
            QDir(Chemin(QStringLiteral("cli"))).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            Ecrits);
        QCOMPARE(Lire(Chemin(QStringLiteral("cli/a.gp"))), QByteArray("ancien"));
        QDir(Casses).removeRecursively();
    }
};

QTEST_MAIN(Tst_Convert_Erreurs)
#include "tst_Convert_Erreurs.moc"
