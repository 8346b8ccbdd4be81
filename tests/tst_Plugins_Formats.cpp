// What each shipped plug-in library says of itself and exports, and the exact bytes of the
// files it writes, loaded from Plugin/ as the program loads them.
#include "Plugins_Essai.h"

#include <QTemporaryDir>
#include <QtTest>

using Lignes = QList<QList<int>>; // rows from the top, each from the left
Q_DECLARE_METATYPE(Lignes)

namespace
{
using Plan = Essai::Plan_Plug;
using Essai::Ecrire;
using Essai::Lancer;
using Essai::Lire_Sortie;
using Essai::Plugin;

Plan Remplir(const Lignes &lignes)
{
    Plan plan{};
    for (int y = 0; y < lignes.size(); ++y)
        for (int x = 0; x < lignes[y].size(); ++x)
            plan[x * Plug::Lignes + y] = std::uint8_t(lignes[y][x]);
    return plan;
}
} // namespace

class Tst_Plugins_Formats : public QObject
{
    Q_OBJECT

private slots:
    void metadonnees_data();
    void metadonnees();
    void fichiers_data();
    void fichiers();

private:
    QTemporaryDir Dossier;
};

void Tst_Plugins_Formats::metadonnees_data()
{
    QTest::addColumn<QString>("bibliotheque");
    QTest::addColumn<int>("genre");
    QTest::addColumn<QByteArray>("nom");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QByteArray>("extension");
    QTest::newRow("Pelkor") << "Pelkor" << 1 << QByteArray("GenLib (language C)")
                            << QByteArray("1.0")
                            << QByteArray("Enregistrement de l'image au GenCLib.")
                            << QByteArray("c");
    QTest::newRow("Tavisk") << "Tavisk" << 1 << QByteArray("Sprite (language C)")
                            << QByteArray("2.0")
                            << QByteArray("Enregistrement de l'image en sprite au format C.")
                            << QByteArray("c");
    QTest::newRow("Roskel") << "Roskel" << 1 << QByteArray("Sprite (language ASM)")
                            << QByteArray("2.0")
                            << QByteArray("Enregistrement de l'image en sprite au format ASM.")
                            << QByteArray("asm");
    QTest::newRow("Quenda") << "Quenda" << 4 << QByteArray("Mask (language C)") << QByteArray("1.0")
                            << QByteArray("Enregistrement du mask de l'image au format C.")
                            << QByteArray("c");
    QTest::newRow("Mervil") << "Mervil" << 4 << QByteArray("Mask (language ASM)")
                            << QByteArray("1.0")
                            << QByteArray("Enregistrement du mask de l'image au format ASM.")
                            << QByteArray("asm");
    QTest::newRow("Talvek") << "Talvek" << 1 << QByteArray("Sprite entrelac\xE9 (language ASM)")
                            << QByteArray("1.0")
                            << QByteArray("Enregistrement de l'image en sprite entrelac\xE9 au "
                                          "format ASM.")
                            << QByteArray("asm");
    for (const char *langage : {"C", "ASM"})
    {
        const QByteArray l(langage);
        const QByteArray extension = l == "C" ? "c" : "asm";
        QTest::newRow(l == "C" ? "Ombrin" : "Garsel")
            << (l == "C" ? "Ombrin" : "Garsel") << 3
            << "Sprite + mask entrelac\xE9s (language " + l + ")" << QByteArray("1.0")
            << "Enregistrement de l'image et de son mask entrelac\xE9s au format " + l + "."
            << extension;
        QTest::newRow(l == "C" ? "Pirnel" : "Sudrak")
            << (l == "C" ? "Pirnel" : "Sudrak") << 4 << "Mask ET (language " + l + ")"
            << QByteArray("1.0") << "Enregistrement du mask ET de l'image au format " + l + "."
            << extension;
    }
    QTest::newRow("Sauvegarde") << "Sauvegarde" << 1
                                << QByteArray("Sauvegarde d'image Corvanel 3.0")
                                << QByteArray("1.0")
                                << QByteArray("Sauvegarde de l'image pour une utilisation ult\xE9"
                                              "rieur. (Compatible avec la version 2.0 de Corvanel)")
                                << QByteArray("cvl");
    QTest::newRow("Velmor") << "Velmor" << 2 << QByteArray("Sauvegarde d'image et de mask Corvanel")
                            << QByteArray("1.0")
                            << QByteArray("Sauvegarde de l'image et de son mask pour une "
                                          "utilisation ult\xE9rieure.")
                            << QByteArray("cvm");
    QTest::newRow("Lorvan") << "Lorvan" << 1 << QByteArray("Images PIC de TI-89 (groupe)")
                            << QByteArray("1.0")
                            << QByteArray("Enregistrement de l'image en variables PIC (une par "
                                          "plan) dans un groupe de TI-89, \xE0 envoyer \xE0 la "
                                          "calculatrice.")
                            << QByteArray("89g");
    QTest::newRow("Sevrin") << "Sevrin" << 1 << QByteArray("Images PIC de TI-92 Plus (groupe)")
                            << QByteArray("1.0")
                            << QByteArray("Enregistrement de l'image en variables PIC (une par "
                                          "plan) dans un groupe de TI-92 Plus, \xE0 envoyer \xE0 "
                                          "la calculatrice.")
                            << QByteArray("9xg");
}

void Tst_Plugins_Formats::metadonnees()
{
    QFETCH(QString, bibliotheque);
    QFETCH(int, genre);
    Plugin plugin(bibliotheque);
    QVERIFY2(plugin.Bibliotheque.load(), qPrintable(plugin.Bibliotheque.errorString()));
    QCOMPARE(plugin.Fonction<Plug_Fonction_Type>("Plug_Fonction")(), genre);
    QTEST(plugin.Texte("Plug_Nom"), "nom");
    QTEST(plugin.Texte("Plug_Version"), "version");
    QTEST(plugin.Texte("Plug_Description"), "description");
    QTEST(plugin.Texte("Plug_Enregistrement_Extention"), "extension");
    QCOMPARE(plugin.Texte("Plug_Auteur"), QByteArray("L'\xE9"
                                                     "quipe Corvanel"));
    QCOMPARE(plugin.Texte("Plug_Mail"), QByteArray("corvanel@example.org"));
    QCOMPARE(plugin.Texte("Plug_Site"), QByteArray("https://corvanel.example.org"));

    QStringList attendus = {"Plug_Auteur",
                            "Plug_Description",
                            "Plug_Enregistrement_Extention",
                            "Plug_Enregistrement_Go",
                            "Plug_Fonction",
                            "Plug_Mail",
                            "Plug_Nom",
                            "Plug_Site",
                            "Plug_Version"};
    if (bibliotheque == "Ombrin" || bibliotheque == "Garsel")
        attendus.insert(4, "Plug_Enregistrement_Go_Mask");
    // The picture-and-mask kind alone needs only the function with the mask.
    if (bibliotheque == "Velmor")
        attendus[3] = "Plug_Enregistrement_Go_Mask";
    if (bibliotheque == "Sauvegarde")
    {
        attendus.insert(4, "Plug_Enregistrement_Mode");
        QCOMPARE(plugin.Fonction<Plug_Enregistrement_Mode_Type>("Plug_Enregistrement_Mode")(), 0);
    }
    QStringList exportes;
    const QByteArray table = Lancer("nm", {"-D", "--defined-only", plugin.Bibliotheque.fileName()});
    for (const QByteArray &ligne : table.split('\n'))
        if (const QList<QByteArray> champs = ligne.simplified().split(' '); champs.size() == 3)
            exportes << champs[2];
    exportes.sort();
    QCOMPARE(exportes, attendus);
}

void Tst_Plugins_Formats::fichiers_data()
{
    QTest::addColumn<QString>("bibliotheque");
    QTest::addColumn<QByteArray>("nom");
    QTest::addColumn<int>("couleurs");
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<Lignes>("lignes");
    QTest::addColumn<int>("resultat");
    QTest::addColumn<QByteArray>("attendu");
    QTest::addColumn<Lignes>("mask"); // for a picture-and-mask library; none: the picture form

    const Lignes exemple = {{0, 1, 2, 3, 0, 1, 2, 3}, {3, 3, 3, 3, 0, 0, 0, 0}};
    const Lignes logo = {{1, 0, 0, 0, 0, 0, 0, 0, 1, 1}};
    const Lignes masque = {{1, 1, 1, 1, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 1}};
    const Lignes demi_niveaux = {{101, 101}, {123, 112}};
    const Lignes tout_112(2, QList<int>(8, 112));
    auto ligne = [](const char *nom, const char *bibliotheque, const char *image, int couleurs,
                    int largeur, int hauteur, const Lignes &lignes, int resultat,
                    const QByteArray &attendu, const Lignes &mask = {})
    {
        QTest::newRow(nom) << bibliotheque << QByteArray(image) << couleurs << largeur << hauteur
                           << lignes << resultat << attendu << mask;
    };
    ligne("Tavisk exemple", "Tavisk", "Image", 4, 8, 2, exemple, 1,
          "\r\n\r\nunsigned char Image_C0[] = {0x55,0xF0};\r\n\r\n"
          "\r\n\r\nunsigned char Image_C1[] = {0x33,0xF0};\r\n\r\n");
    ligne("Tavisk noir et blanc", "Tavisk", "Logo", 2, 10, 1, logo, 1,
          "\r\n\r\nunsigned int Logo_C0[] = {0x80C0};\r\n\r\n");
    ligne("Tavisk 2 couleurs sans gris", "Tavisk", "Image", 2, 4, 1, {{1, 2, 3, 0}}, 1,
          "\r\n\r\nunsigned char Image_C0[] = {0x80};\r\n\r\n");
    ligne("Tavisk demi-niveaux", "Tavisk", "Image", 8, 2, 2, demi_niveaux, 1,
          "\r\n\r\nunsigned char Image_C0[] = {0x80,0x00};\r\n\r\n"
          "\r\n\r\nunsigned char Image_C1[] = {0x00,0xC0};\r\n\r\n");
    ligne("Tavisk codes sans ton", "Tavisk", "Image", 4, 3, 1, {{9, 10, 3}}, 1,
          "\r\n\r\nunsigned char Image_C0[] = {0x20};\r\n\r\n"
          "\r\n\r\nunsigned char Image_C1[] = {0x20};\r\n\r\n");
    ligne("Tavisk sans ligne", "Tavisk", "Image", 2, 8, 0, {}, 1,
          "\r\n\r\nunsigned char Image_C0[] = };\r\n\r\n");
    ligne("Tavisk nom avec blancs", "Tavisk", "Mon image", 2, 1, 1, {{1}}, 1,
          "\r\n\r\nunsigned char Mon image_C0[] = {0x80};\r\n\r\n");
    ligne("Tavisk nom vide", "Tavisk", "", 2, 1, 1, {{1}}, 1,
          "\r\n\r\nunsigned char _C0[] = {0x80};\r\n\r\n");
    ligne("Pelkor exemple", "Pelkor", "Image", 4, 8, 2, exemple, 1,
          "\r\n\r\nunsigned char Image[] = {0x55,0x33,0xF0,0xF0};\r\n\r\n");
    ligne("Pelkor 16 colonnes", "Pelkor", "Image", 4, 16, 1,
          {{3, 3, 3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1, 1}}, 1,
          "\r\n\r\nunsigned int Image[] = {0xFFFF,0xFF00};\r\n\r\n");
    ligne("Pelkor damier de 112", "Pelkor", "Image", 8, 8, 2, tout_112, 1,
          "\r\n\r\nunsigned char Image[] = {0x55,0xAA,0xAA,0x55};\r\n\r\n");
    ligne("Pelkor sans ligne", "Pelkor", "Image", 4, 8, 0, {}, 1,
          "\r\n\r\nunsigned char Image[] = };\r\n\r\n");
    ligne("Pelkor refuse le noir et blanc", "Pelkor", "Image", 2, 8, 2, exemple, 0,
          "Le Noir & Blanc n'est pas support\xE9, pr\xE9"
          "f\xE9rez le plug-in Sprite C pour ce type d'enregistrement.");
    ligne("Roskel exemple", "Roskel", "Image", 4, 8, 2, exemple, 1,
          "\r\nImage_C0\r\n\tdc.b 85\r\n\tdc.b 240\r\r\n"
          "\r\nImage_C1\r\n\tdc.b 51\r\n\tdc.b 240\r\r\n");
    ligne("Roskel noir et blanc", "Roskel", "Logo", 2, 10, 1, logo, 1,
          "\r\nLogo_C0\r\n\tdc.b 128,192\r\r\n");
    ligne("Roskel sans ligne", "Roskel", "Image", 2, 8, 0, {}, 1, "\r\nImage_C0\r\r\n");
    ligne("Roskel sans colonne", "Roskel", "Image", 2, 0, 1, {}, 1, "\r\nImage_C0\r\n\tdc.b\r\r\n");
    ligne("Quenda exemple", "Quenda", "Image", 0, 8, 2, masque, 1,
          "unsigned char Image_Mask[] = {0xF0,0x81};\r\n");
    ligne("Quenda 9 colonnes, 2 hors masque", "Quenda", "Image", 0, 9, 1,
          {{1, 1, 1, 1, 1, 1, 1, 2, 1, 1}}, 1, "unsigned char Image_Mask[] = {0xFE,0x80};\r\n");
    ligne("Quenda sans ligne", "Quenda", "Image", 0, 8, 0, {}, 1,
          "unsigned char Image_Mask[] = };\r\n");
    ligne("Mervil exemple", "Mervil", "Image", 0, 8, 2, masque, 1,
          "\r\nMask_Image\r\n\tdc.b 240\r\n\tdc.b 129\r\r\n");
    ligne("Mervil 10 colonnes", "Mervil", "Image", 0, 10, 2, {QList<int>(10, 1), {}}, 1,
          "\r\nMask_Image\r\n\tdc.b 255,192\r\n\tdc.b 0,0\r\r\n");
    ligne("Mervil sans ligne", "Mervil", "Image", 0, 8, 0, {}, 1, "\r\nMask_Image\r\r\n");
    const QByteArray taille_8_2_c = "#define Image_HAUTEUR 2\r\n#define Image_LARGEUR 8\r\n\r\n";
    const QByteArray taille_8_2_asm =
        "Image_HAUTEUR\tequ\t2\r\nImage_LARGEUR\tequ\t8\r\n\teven\r\n";
    ligne("Talvek exemple", "Talvek", "Image", 4, 8, 2, exemple, 1,
          taille_8_2_asm + "Image_Entrelace\r\n\tdc.b\t$55,$33\r\n\tdc.b\t$F0,$F0\r\n");
    ligne("Talvek noir et blanc", "Talvek", "Logo", 2, 10, 1, logo, 1,
          "Logo_HAUTEUR\tequ\t1\r\nLogo_LARGEUR\tequ\t10\r\n\teven\r\nLogo_Entrelace\r\n"
          "\tdc.w\t$80C0\r\n");
    // The mask elements: 1 where the background shows, and there the planes are clear
    // whatever level the background has, so that a routine drawing "background AND mask, then
    // OR the planes" lets it through.
    ligne("Ombrin exemple", "Ombrin", "Image", 4, 8, 2, exemple, 1,
          taille_8_2_c + "unsigned char Image_Entrelace_Mask[] = {\r\n\t0x0F,0x50,0x30,\r\n"
                         "\t0x7E,0x80,0x80\r\n};\r\n",
          masque);
    const Lignes bord = {{0, 0, 1, 1, 1, 1, 0, 0}};
    const QByteArray taille_8_1_c = "#define Image_HAUTEUR 1\r\n#define Image_LARGEUR 8\r\n\r\n";
    ligne("Ombrin fond noir, 2 niveaux", "Ombrin", "Image", 2, 8, 1, {{1, 1, 0, 1, 0, 1, 1, 1}}, 1,
          taille_8_1_c + "unsigned char Image_Entrelace_Mask[] = {\r\n\t0xC3,0x14\r\n};\r\n", bord);
    ligne("Garsel fond gris foncé, 4 niveaux", "Garsel", "Image", 4, 8, 1,
          {{2, 2, 3, 1, 0, 2, 2, 2}}, 1,
          "Image_HAUTEUR\tequ\t1\r\nImage_LARGEUR\tequ\t8\r\n\teven\r\nImage_Entrelace_Mask\r\n"
          "\tdc.b\t$C3,$30,$24\r\n",
          bord);
    ligne("Ombrin fond gris clair, 8 niveaux", "Ombrin", "Image", 8, 8, 1,
          {{1, 1, 112, 123, 101, 1, 123, 1}}, 1,
          taille_8_1_c + "unsigned char Image_Entrelace_Mask[] = {\r\n\t0xC7,0x08,0x30\r\n};\r\n",
          {{0, 0, 1, 1, 1, 0, 0, 0}});
    ligne("Ombrin sans mask, tout couvert", "Ombrin", "Image", 4, 8, 2, exemple, 1,
          taille_8_2_c + "unsigned char Image_Entrelace_Mask[] = {\r\n\t0x00,0x55,0x33,\r\n"
                         "\t0x00,0xF0,0xF0\r\n};\r\n");
    ligne("Ombrin noir et blanc, marge hors mask", "Ombrin", "Image", 2, 5, 1, {{1, 0, 0, 0, 1}}, 1,
          "#define Image_HAUTEUR 1\r\n#define Image_LARGEUR 5\r\n\r\n"
          "unsigned char Image_Entrelace_Mask[] = {\r\n\t0x07,0x88\r\n};\r\n");
    ligne("Garsel exemple", "Garsel", "Image", 4, 8, 2, exemple, 1,
          taille_8_2_asm + "Image_Entrelace_Mask\r\n\tdc.b\t$0F,$50,$30\r\n\tdc.b\t$7E,$80,$80\r\n",
          masque);
    ligne("Pirnel exemple", "Pirnel", "Image", 0, 8, 2, masque, 1,
          taille_8_2_c + "unsigned char Image_Mask_ET[] = {\r\n\t0x0F,\r\n\t0x7E\r\n};\r\n");
    ligne("Pirnel 9 colonnes, 2 hors masque", "Pirnel", "Image", 0, 9, 1,
          {{1, 1, 1, 1, 1, 1, 1, 2, 1}}, 1,
          "#define Image_HAUTEUR 1\r\n#define Image_LARGEUR 9\r\n\r\n"
          "unsigned int Image_Mask_ET[] = {\r\n\t0x017F\r\n};\r\n");
    ligne("Sudrak exemple", "Sudrak", "Image", 0, 8, 2, masque, 1,
          taille_8_2_asm + "Image_Mask_ET\r\n\tdc.b\t$0F\r\n\tdc.b\t$7E\r\n");
    ligne("Sauvegarde lignes d'abord", "Sauvegarde", "Image", 8, 3, 2, {{0, 101, 1}, {112, 2, 123}},
          1,
          QByteArray("\3\0\2\0\x08\0"
                     "\0\0\x65\0\1\0"
                     "\x70\0\2\0\x7B\0",
                     18));
    ligne("Sauvegarde 10 x 10 sans fin de ligne", "Sauvegarde", "Image", 4, 10, 10,
          Lignes(10, QList<int>(10, 10)), 1,
          QByteArray("\x0A\0\x0A\0\4\0", 6) + QByteArray("\x0A\0", 2).repeated(100));
    ligne("Sauvegarde vide", "Sauvegarde", "Image", 2, 0, 0, {}, 1, QByteArray("\0\0\0\0\2\0", 6));
    // The picture's save file, then the mask row by row: only 1 is covered.
    ligne("Velmor lignes d'abord", "Velmor", "Image", 8, 3, 2, {{0, 101, 1}, {112, 2, 123}}, 1,
          QByteArray("\3\0\2\0\x08\0"
                     "\0\0\x65\0\1\0"
                     "\x70\0\2\0\x7B\0"
                     "\1\0\0"
                     "\0\0\1",
                     24),
          {{1, 0, 2}, {0, 255, 1}});
}

void Tst_Plugins_Formats::fichiers()
{
    QFETCH(QString, bibliotheque);
    QFETCH(QByteArray, nom);
    QFETCH(int, couleurs);
    QFETCH(int, largeur);
    QFETCH(int, hauteur);
    QFETCH(Lignes, lignes);
    QFETCH(int, resultat);
    QFETCH(QByteArray, attendu);
    QFETCH(Lignes, mask);

    // A longer file already there must be replaced, not overwritten in part.
    const QString chemin = Dossier.filePath("sortie");
    Ecrire(chemin, QByteArray(70000, 'x'));
    const Plan plan = Remplir(lignes);
    const Plan avant = plan;
    const Plan plan_mask = Remplir(mask);
    Plugin plugin(bibliotheque);
    QCOMPARE(plugin.Sauver(chemin.toUtf8(), nom, couleurs, plan.data(), hauteur, largeur,
                           mask.isEmpty() ? nullptr : plan_mask.data()),
             resultat);
    QCOMPARE(Lire_Sortie(chemin), attendu);
    QVERIFY(plan == avant);
}

QTEST_GUILESS_MAIN(Tst_Plugins_Formats)
#include "tst_Plugins_Formats.moc"
