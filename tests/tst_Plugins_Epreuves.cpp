// The shipped plug-in libraries under strain: writes that fail and leave the old file alone,
// very long names, planes read no further than their last pixel, and files a 68000 tool chain
// builds into exactly the sprite's bytes.
#include "Plugins_Essai.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
using Plan = Essai::Plan_Plug;
using Essai::Ecrire;
using Essai::Hasard;
using Essai::Lancer;
using Essai::Lire_Sortie;
using Essai::Plugin;

const char *const Exportes[] = {"Pelkor", "Tavisk", "Roskel", "Quenda", "Mervil",
                                "Talvek", "Ombrin", "Garsel", "Pirnel", "Sudrak"};
const char *const Livres[] = {"Pelkor",     "Tavisk", "Roskel", "Quenda", "Mervil",
                              "Talvek",     "Ombrin", "Garsel", "Pirnel", "Sudrak",
                              "Sauvegarde", "Velmor", "Lorvan", "Sevrin"};

// What one element of an interleaved layout holds.
enum class Couche
{
    Plan_0,
    Plan_1,
    Mask,    // 1 where covered
    Mask_ET, // 1 where the background shows, and beyond the width
};

// The sprite bytes a 68000 program sees, worked out here from the picture alone: one layer
// of one row, packed into elements of `bits` bits, big-endian. Beside an AND mask, the planes
// are clear where the background shows.
QByteArray Octets_Ligne(const Plan &image, const Plan &mask, Couche couche, int couleurs, int y,
                        int x0, int largeur, int bits, bool avec_mask_et)
{
    QByteArray octets(bits / 8, 0);
    for (int i = 0; i < bits; ++i)
    {
        const int x = x0 + i;
        bool bit = couche == Couche::Mask_ET;
        if (x < largeur && (couche == Couche::Mask || couche == Couche::Mask_ET))
            bit = (mask[x * Plug::Lignes + y] == 1) == (couche == Couche::Mask);
        else if (x < largeur && !(avec_mask_et && mask[x * Plug::Lignes + y] != 1))
        {
            int niveau = image[x * Plug::Lignes + y];
            const bool damier = (x + y) % 2 == 0;
            if (couleurs == 8 && niveau > 100)
                niveau = niveau % 10 - (damier ? 0 : 1);
            bit = couleurs == 2              ? niveau == 1
                  : couche == Couche::Plan_0 ? niveau == 1 || niveau == 3
                                             : niveau >= 2 && niveau <= 3;
        }
        if (bit)
            octets[i / 8] = char(octets[i / 8] | (0x80 >> (i % 8)));
    }
    return octets;
}
} // namespace

class Tst_Plugins_Epreuves : public QObject
{
    Q_OBJECT

private slots:
    void echecs_data();
    void echecs();
    void nom_long_data();
    void nom_long();
    void plan_lu_sans_y_toucher_data();
    void plan_lu_sans_y_toucher();
    void m68k_data();
    void m68k();

private:
    QTemporaryDir Dossier;
};

void Tst_Plugins_Epreuves::echecs_data()
{
    QTest::addColumn<QString>("bibliotheque");
    QTest::addColumn<QString>("cas");
    for (const char *bibliotheque : Livres)
        for (const char *cas : {"dossier absent", "disque plein", "disque plein a la fermeture",
                                "chemin nul", "nom nul", "largeur 241", "hauteur 129"})
            QTest::addRow("%s, %s", bibliotheque, cas) << bibliotheque << cas;
}

void Tst_Plugins_Epreuves::echecs()
{
    QFETCH(QString, bibliotheque);
    QFETCH(QString, cas);
    const Plan plan = Hasard(4, false, 1);
    QString chemin = Dossier.filePath("existant");
    Ecrire(chemin, "garde");
    const char *nom = "Image";
    int largeur = 16, hauteur = 16;
    if (cas == "dossier absent")
        chemin = Dossier.filePath("absent/sortie");
    else if (cas.startsWith("disque plein"))
    {
        if (!QFile::exists("/dev/full"))
            QSKIP("/dev/full is missing here");
        chemin = "/dev/full";
        // A big file fails in the write itself; a small one only when the close flushes it.
        largeur = cas == "disque plein" ? 240 : 1;
        hauteur = cas == "disque plein" ? 128 : 1;
    }
    else if (cas == "nom nul")
        nom = nullptr;
    else if (cas == "largeur 241")
        largeur = 241;
    else if (cas == "hauteur 129")
        hauteur = 129;

    const QByteArray octets = chemin.toUtf8();
    Plugin plugin(bibliotheque);
    QCOMPARE(plugin.Sauver(cas == "chemin nul" ? nullptr : octets.constData(), nom, 4, plan.data(),
                           hauteur, largeur, plan.data()),
             0);
    QCOMPARE(Lire_Sortie(Dossier.filePath("existant")), QByteArray("garde"));
    QVERIFY(!QFile::exists(Dossier.filePath("absent")));
}

void Tst_Plugins_Epreuves::nom_long_data()
{
    QTest::addColumn<QString>("bibliotheque");
    for (const char *bibliotheque : Exportes)
        QTest::newRow(bibliotheque) << bibliotheque;
}

void Tst_Plugins_Epreuves::nom_long()
{
    QFETCH(QString, bibliotheque);
    const QByteArray nom = QByteArray("Nom_tres_long_").repeated(40) + "fin";
    const QString chemin = Dossier.filePath("long");
    const Plan plan = Hasard(4, false, 2);
    Plugin plugin(bibliotheque);
    QCOMPARE(plugin.Sauver(chemin.toUtf8(), nom, 4, plan.data(), 2, 8), 1);
    QVERIFY(Lire_Sortie(chemin).contains(nom + (bibliotheque == "Quenda" ? "_Mask[] = {" : "")));
}

void Tst_Plugins_Epreuves::plan_lu_sans_y_toucher_data()
{
    QTest::addColumn<QString>("bibliotheque");
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("hauteur");
    for (const char *bibliotheque : Livres)
    {
        QTest::addRow("%s 240 x 128", bibliotheque) << bibliotheque << 240 << 128;
        QTest::addRow("%s 5 x 3", bibliotheque) << bibliotheque << 5 << 3;
    }
}

// The buffer ends right after the last pixel, so a sanitized build catches any read beyond.
void Tst_Plugins_Epreuves::plan_lu_sans_y_toucher()
{
    QFETCH(QString, bibliotheque);
    QFETCH(int, largeur);
    QFETCH(int, hauteur);
    const Plan hasard = Hasard(8, false, 3);
    std::vector<std::uint8_t> plan(hasard.begin(),
                                   hasard.begin() + (largeur - 1) * Plug::Lignes + hauteur);
    const auto avant = plan;
    const auto mask = plan;
    Plugin plugin(bibliotheque);
    QCOMPARE(plugin.Sauver(Dossier.filePath("plan").toUtf8(), "Image", 8, plan.data(), hauteur,
                           largeur, mask.data()),
             1);
    QVERIFY(plan == avant && mask == avant);
}

void Tst_Plugins_Epreuves::m68k_data()
{
    QTest::addColumn<QString>("bibliotheque");
    QTest::addColumn<int>("couleurs");
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("hauteur");
    const int tailles[][2] = {{8, 3}, {9, 2}, {16, 2}, {17, 3}, {240, 128}};
    const int couleurs_images[] = {4, 8, 2, 4, 8};
    for (const char *bibliotheque : Exportes)
        for (int i = 0; i < 5; ++i)
        {
            const int couleurs =
                QByteArray(bibliotheque) == "Pelkor" ? 4 + 4 * (i % 2) : couleurs_images[i];
            QTest::addRow("%s %d couleurs, %d x %d", bibliotheque, couleurs, tailles[i][0],
                          tailles[i][1])
                << bibliotheque << couleurs << tailles[i][0] << tailles[i][1];
        }
}

// A 68000 tool chain takes the file, and its object holds exactly the sprite's bytes.
void Tst_Plugins_Epreuves::m68k()
{
    QFETCH(QString, bibliotheque);
    QFETCH(int, couleurs);
    QFETCH(int, largeur);
    QFETCH(int, hauteur);
    const QString gcc = QStandardPaths::findExecutable("m68k-linux-gnu-gcc");
    const QString as = QStandardPaths::findExecutable("m68k-linux-gnu-as");
    if (gcc.isEmpty() || as.isEmpty())
        QSKIP("m68k-linux-gnu-gcc or m68k-linux-gnu-as is not on PATH (Debian packages "
              "gcc-m68k-linux-gnu and binutils-m68k-linux-gnu)");

    // Each library's symbols, with the layers interleaved at each element position.
    using C = Couche;
    const QList<C> plans = couleurs == 2 ? QList<C>{C::Plan_0} : QList<C>{C::Plan_0, C::Plan_1};
    const QMap<QString, QList<QPair<QByteArray, QList<C>>>> symboles = {
        {"Tavisk", {{"Sprite_C0", {C::Plan_0}}, {"Sprite_C1", {C::Plan_1}}}},
        {"Roskel", {{"Sprite_C0", {C::Plan_0}}, {"Sprite_C1", {C::Plan_1}}}},
        {"Pelkor", {{"Sprite", {C::Plan_0, C::Plan_1}}}},
        {"Quenda", {{"Sprite_Mask", {C::Mask}}}},
        {"Mervil", {{"Mask_Sprite", {C::Mask}}}},
        {"Talvek", {{"Sprite_Entrelace", plans}}},
        {"Ombrin", {{"Sprite_Entrelace_Mask", QList<C>{C::Mask_ET} + plans}}},
        {"Garsel", {{"Sprite_Entrelace_Mask", QList<C>{C::Mask_ET} + plans}}},
        {"Pirnel", {{"Sprite_Mask_ET", {C::Mask_ET}}}},
        {"Sudrak", {{"Sprite_Mask_ET", {C::Mask_ET}}}},
    };
    const bool seul_mask =
        QStringList{"Quenda", "Mervil", "Pirnel", "Sudrak"}.contains(bibliotheque);
    const bool assembleur =
        QStringList{"Roskel", "Mervil", "Talvek", "Garsel", "Sudrak"}.contains(bibliotheque);
    const bool octets_seuls = QStringList{"Roskel", "Quenda", "Mervil"}.contains(bibliotheque);
    const bool taille_ecrite =
        !octets_seuls && bibliotheque != "Tavisk" && bibliotheque != "Pelkor";

    const Plan image = Hasard(couleurs, false, largeur * 1000 + couleurs);
    const Plan mask = Hasard(couleurs, true, largeur * 1000 + couleurs + 1);
    const QString source = Dossier.filePath(assembleur ? "sprite.asm" : "sprite.c");
    const QString objet = Dossier.filePath("sprite.o");
    Plugin plugin(bibliotheque);
    QCOMPARE(plugin.Sauver(source.toUtf8(), "Sprite", couleurs, (seul_mask ? mask : image).data(),
                           hauteur, largeur, mask.data()),
             1);

    const int bits = octets_seuls || largeur <= 8 ? 8 : largeur <= 16 ? 16 : 32;
    QList<QPair<QByteArray, QByteArray>> attendus;
    for (const auto &[symbole, couches] : symboles[bibliotheque])
    {
        // One plane only at 2 colours.
        if (couleurs == 2 && couches == QList<C>{C::Plan_1})
            continue;
        QByteArray octets;
        for (int y = 0; y < hauteur; ++y)
            for (int x0 = 0; x0 < largeur; x0 += bits)
                for (const Couche couche : couches)
                    octets += Octets_Ligne(image, mask, couche, couleurs, y, x0, largeur, bits,
                                           couches.contains(C::Mask_ET));
        attendus.append({symbole, octets});
    }

    const QByteArray sortie = assembleur
                                  ? Lancer(as, {"-M", source, "-o", objet})
                                  : Lancer(gcc, {"-m68000", "-mshort", "-c", source, "-o", objet});
    QVERIFY2(!sortie.startsWith("<echec>"), sortie.constData());
    const QString section = assembleur ? ".text" : ".data";
    const QString binaire = Dossier.filePath("section.bin");
    Lancer("m68k-linux-gnu-objcopy", {"-O", "binary", "--only-section=" + section, objet, binaire});
    const QByteArray contenu = Lire_Sortie(binaire);
    QMap<QByteArray, int> adresses;
    for (const QByteArray &ligne : Lancer("m68k-linux-gnu-nm", {objet}).split('\n'))
        if (const QList<QByteArray> champs = ligne.split(' '); champs.size() == 3)
            adresses[champs[2]] = champs[0].toInt(nullptr, 16);
    int fin = 0;
    for (const auto &[symbole, octets] : attendus)
    {
        QVERIFY2(adresses.contains(symbole), symbole.constData());
        // Word and long elements need an even address; the byte layouts may start anywhere.
        if (taille_ecrite)
            QCOMPARE(adresses[symbole] % 2, 0);
        QCOMPARE(contenu.mid(adresses[symbole], octets.size()), octets);
        fin = std::max(fin, int(adresses[symbole] + octets.size()));
    }
    QCOMPARE(contenu.size(), fin);
    // The assembler's size symbols (the C file's are macros, read back elsewhere).
    if (assembleur && taille_ecrite)
    {
        QCOMPARE(adresses.value("Sprite_LARGEUR", -1), largeur);
        QCOMPARE(adresses.value("Sprite_HAUTEUR", -1), hauteur);
    }
}

QTEST_GUILESS_MAIN(Tst_Plugins_Epreuves)
#include "tst_Plugins_Epreuves.moc"
