// The plug-in host through the real windows: the scan at start-up, the two save commands with
// the real plug-ins, save files read back, and the explorer.
#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Enregistrement.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Fiche_Plugin.h"
#include "Outils_Essai.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Corvanel;
using Essai::Lire;

namespace
{
const QString Filtre_Image_Attendu =
    QStringLiteral("GenLib (language C)|*.c|Sprite (language ASM)|*.asm|"
                   "Sauvegarde d'image Corvanel 3.0|*.cvl|Sprite (language C)|*.c");
// File types in the order of the scan: Pelkor, Roskel, Sauvegarde, Tavisk.
enum Type_Image
{
    GenLib = 1,
    Sprite_Asm = 2,
    Sauvegarde = 3,
    Sprite_C = 4
};

} // namespace

class Tst_Hote : public QObject
{
    Q_OBJECT

    Dialogues_Factices Faux;
    std::unique_ptr<QTemporaryDir> Dossier;

    void Copier_Plugins(const QStringList &noms, const QString &origine)
    {
        QDir().mkpath(Dossier->filePath(QStringLiteral("Plugin")));
        for (const QString &nom : noms)
            QVERIFY(QFile::copy(
                origine + QLatin1Char('/') + nom + QStringLiteral(".so"),
                Dossier->filePath(QStringLiteral("Plugin/") + nom + QStringLiteral(".so"))));
    }

    void Demarrer(const QStringList &plugins, const QStringList &essais = {})
    {
        Dossier = std::make_unique<QTemporaryDir>();
        const QString construction = qEnvironmentVariable("CORVANEL_BUILD_DIR");
        Copier_Plugins(plugins, construction + QStringLiteral("/Plugin"));
        Copier_Plugins(essais, construction + QStringLiteral("/fixtures"));
        QVERIFY(QDir::setCurrent(Dossier->path()));
        Faux = Dialogues_Factices();
        Creer_Fenetres(Faux);
    }

    // An 8-level picture of the given size holding every code.
    void Image_Vide(int largeur, int hauteur, int nombre)
    {
        FMain->Taille_Image->setCurrentIndex(5);
        emit FMain->Taille_Image->activated(5);
        FMain->Largeur->setText(QString::number(largeur));
        FMain->Hauteur->setText(QString::number(hauteur));
        FMain->RadioButton1->click();
        FMain->Button1->click();
        FMain->findChild<QRadioButton *>(QStringLiteral("Choix_Nombre_Couleur_%1").arg(nombre))
            ->click();
        const std::uint8_t codes8[] = {0, 101, 1, 112, 2, 123, 3};
        for (int x = 0; x < largeur; ++x)
            for (int y = 0; y < hauteur; ++y)
                FEcran->Plan_Image[Indice(x, y)] =
                    nombre == 8 ? codes8[(x * 3 + y) % 7]
                                : static_cast<std::uint8_t>((x + 2 * y) % (nombre == 2 ? 2 : 4));
    }

    void Enregistrer(const QString &chemin, int type)
    {
        Faux.Reponses_Fichier.push_back(Choix_Fichier{chemin, type});
        FMain->Button2->click();
    }

private slots:
    void cleanup() { Detruire_Fenetres(); }

    void Scan_Et_Filtres()
    {
        Demarrer({QStringLiteral("Tavisk"), QStringLiteral("Pelkor"), QStringLiteral("Roskel"),
                  QStringLiteral("Quenda"), QStringLiteral("Mervil"),
                  QStringLiteral("Sauvegarde")});
        QCOMPARE(Filtre_Image(FMain->Plugins), Filtre_Image_Attendu);
        QCOMPARE(Filtre_Mask(FMain->Plugins),
                 QStringLiteral("Mask (language ASM)|*.asm|Mask (language C)|*.c"));
        QCOMPARE(FPlugin->ListePlug->count(), 6);
        QCOMPARE(FPlugin->ListePlug->item(4)->text(), QStringLiteral("Sauvegarde.so"));
        Image_Vide(8, 2, 4);
        Enregistrer({}, 0); // cancelled
        const auto &demande = Faux.Demandes.last();
        QCOMPARE(demande.Titre, QStringLiteral("Enregistrer l'image en code code source"));
        QCOMPARE(demande.Texte, Filtre_Image_Attendu);
        QCOMPARE(demande.Nom_Propose, QStringLiteral("Image"));
        QCOMPARE(demande.Extension, QStringLiteral("c"));
        QCOMPARE(FMain->windowTitle(), QStringLiteral("Corvanel 3.3"));
    }

    void Sans_Plugin()
    {
        Demarrer({});
        QCOMPARE(FPlugin->ListePlug->count(), 0);
        Image_Vide(8, 8, 4);
        Enregistrer(QStringLiteral("rien"), 1);
        QCOMPARE(Faux.Demandes.last().Texte, QString());
        QCOMPARE(Faux.Demandes.last().Extension, QString());
        QCOMPARE(FMain->windowTitle(), QString::fromUtf8(Message_Sans_Plugin));
        QVERIFY(!QFile::exists(QStringLiteral("rien")));
    }

    void Chemins_Enregistres_data()
    {
        QTest::addColumn<QString>("choisi");
        QTest::addColumn<QString>("ecrit");
        QTest::newRow("sans point") << "dessins/Image"
                                    << "dessins/Image.c";
        QTest::newRow("avec extension") << "dessins/Image.txt"
                                        << "dessins/Image.txt";
        QTest::newRow("dossier a point") << "Mes.Dessins/Image"
                                         << "Mes.Dessins/Image";
        QTest::newRow("point final") << "dessins/Image."
                                     << "dessins/Image.";
    }
    void Chemins_Enregistres()
    {
        QFETCH(QString, choisi);
        QFETCH(QString, ecrit);
        Demarrer({QStringLiteral("Tavisk"), QStringLiteral("Pelkor"), QStringLiteral("Roskel"),
                  QStringLiteral("Sauvegarde")});
        QDir().mkpath(QStringLiteral("dessins"));
        QDir().mkpath(QStringLiteral("Mes.Dessins"));
        Image_Vide(8, 2, 4);
        for (int x = 0; x < 8; ++x)
        {
            FEcran->Plan_Image[Indice(x, 0)] = static_cast<std::uint8_t>(x % 4);
            FEcran->Plan_Image[Indice(x, 1)] = x < 4 ? 3 : 0;
        }
        Enregistrer(Dossier->filePath(choisi), Sprite_C);
        QCOMPARE(Lire(Dossier->filePath(ecrit)),
                 QByteArray("\r\n\r\nunsigned char Image_C0[] = {0x55,0xF0};\r\n\r\n"
                            "\r\n\r\nunsigned char Image_C1[] = {0x33,0xF0};\r\n\r\n"));
        QCOMPARE(FMain->windowTitle(), QStringLiteral("Corvanel 3.3"));
        // The dialog keeps the last file type for the next save.
        Enregistrer({}, 0);
        QCOMPARE(Faux.Demandes.last().Type_Initial, int(Sprite_C));
    }

    void Messages_De_Titre()
    {
        Demarrer(
            {QStringLiteral("Pelkor"), QStringLiteral("Quenda"), QStringLiteral("Sauvegarde")});
        Image_Vide(8, 8, 2);
        // GenLib refuses a black-and-white picture; what it began to write goes.
        Enregistrer(Dossier->filePath(QStringLiteral("nb")), GenLib);
        QCOMPARE(FMain->windowTitle(), QStringLiteral("Problème d'enregistrement."));
        QVERIFY(!QFile::exists(Dossier->filePath(QStringLiteral("nb.c"))));
        FMain->Button8->click();
        QVERIFY(FMain->Button11->isEnabled());
        Faux.Reponses_Fichier.push_back(
            Choix_Fichier{Dossier->filePath(QStringLiteral("absent/m")), 1});
        FMain->Button11->click();
        QCOMPARE(Faux.Demandes.last().Nom_Propose, QStringLiteral("Mask_Image"));
        QCOMPARE(Faux.Demandes.last().Titre, QString());
        QCOMPARE(Faux.Demandes.last().Texte, QStringLiteral("Mask (language C)|*.c"));
        QCOMPARE(FMain->windowTitle(), QStringLiteral("Bug 3 !!!"));
        // A library removed after the scan cannot be loaded.
        QVERIFY(QFile::remove(QStringLiteral("Plugin/Sauvegarde.so")));
        Enregistrer(Dossier->filePath(QStringLiteral("s")), 2);
        QCOMPARE(FMain->windowTitle(), QStringLiteral("Bug 1 !!!"));
        QVERIFY(!QFile::exists(Dossier->filePath(QStringLiteral("s.cvl"))));
        // A good mask save says nothing and leaves the last message.
        Faux.Reponses_Fichier.push_back(Choix_Fichier{Dossier->filePath(QStringLiteral("m")), 1});
        FMain->Button11->click();
        QVERIFY(Lire(Dossier->filePath(QStringLiteral("m.c")))
                    .startsWith("unsigned char Image_Mask[] = {"));
        QCOMPARE(FMain->windowTitle(), QStringLiteral("Bug 1 !!!"));
    }

    // The picture through its save file, or with its mask through the picture-and-mask one.
    void Aller_Retour_Sauvegarde_data()
    {
        QTest::addColumn<QString>("bibliotheque");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<int>("nombre");
        for (const char *bibliotheque : {"Sauvegarde", "Velmor"})
            for (int nombre : {2, 4, 8})
                for (QSize taille : {QSize(1, 1), QSize(10, 10), QSize(160, 100), QSize(240, 128)})
                    QTest::addRow("%s %d niveaux %dx%d", bibliotheque, nombre, taille.width(),
                                  taille.height())
                        << bibliotheque << taille.width() << taille.height() << nombre;
    }
    void Aller_Retour_Sauvegarde()
    {
        QFETCH(QString, bibliotheque);
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(int, nombre);
        const bool avec_mask = bibliotheque == QLatin1String("Velmor");
        Demarrer({bibliotheque});
        Image_Vide(largeur, hauteur, nombre);
        if (avec_mask)
            for (int x = 0; x < largeur; ++x)
                for (int y = 0; y < hauteur; ++y)
                    FMask->Plan_Mask[Indice(x, y)] = (x * 5 + y * 3) % 4 == 0;
        const Plan avant = FEcran->Plan_Image;
        const Plan mask_avant = FMask->Plan_Mask;
        Enregistrer(Dossier->filePath(QStringLiteral("image")), 1);
        const QString chemin =
            Dossier->filePath(QStringLiteral("image.") + (avec_mask ? "cvm" : "cvl"));
        QCOMPARE(QFileInfo(chemin).size(), 6 + (avec_mask ? 3 : 2) * largeur * hauteur);
        // Back in another level count and size, then reopened through its file type.
        FMain->Choix_Nombre_Couleur_4->click();
        if (nombre == 4)
            FMain->Choix_Nombre_Couleur_2->click();
        FMain->Taille_Image->setCurrentIndex(0);
        emit FMain->Taille_Image->activated(0);
        FMain->Ouvrir_Fichier->click();
        Faux.Reponses_Fichier.push_back(Choix_Fichier{chemin, avec_mask ? 5 : 2});
        FMain->Button1->click();
        QVERIFY(FEcran->Plan_Image == avant);
        QCOMPARE(int(FEcran->Largeur_Image), largeur);
        QCOMPARE(int(FEcran->Hauteur_Image), hauteur);
        QCOMPARE(int(FEcran->Nombre_Couleur), nombre);
        QVERIFY(
            FMain->findChild<QRadioButton *>(QStringLiteral("Choix_Nombre_Couleur_%1").arg(nombre))
                ->isChecked());
        QVERIFY(!FMain->Onglets->isTabVisible(2));
        QVERIFY(FMask->Plan_Mask == (avec_mask ? mask_avant : Plan{}));
        QCOMPARE(FMain->Button11->isEnabled(), avec_mask);
    }

    // A plug-in that refuses with a text of its own: the title as for any refusal, the text
    // in a box, nothing at the path; for a sheet too.
    void Refus_Motive_data()
    {
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("planche");
        QTest::addColumn<QString>("raison");
        const QString GenLib_Nb =
            QStringLiteral("Le Noir & Blanc n'est pas supporté, préférez le plug-in Sprite C "
                           "pour ce type d'enregistrement.");
        QTest::newRow("image") << "Pelkor"
                               << "Image" << false << GenLib_Nb;
        QTest::newRow("planche") << "Pelkor"
                                 << "Image" << true << GenLib_Nb;
        QTest::newRow("nom réservé de la calculatrice")
            << "Lorvan"
            << "XMin" << false
            << QStringLiteral("« xmin » est le nom d'une variable système de la calculatrice : "
                              "donnez un autre nom à l'image.");
    }
    void Refus_Motive()
    {
        QFETCH(QString, plugin);
        QFETCH(QString, nom);
        QFETCH(bool, planche);
        QFETCH(QString, raison);
        Demarrer({plugin});
        Image_Vide(16, 8, 2);
        FMain->Decouper_Sprites->setChecked(planche);
        FMain->Largeur_Sprite->setValue(8);
        FMain->Hauteur_Sprite->setValue(8);
        FMain->Enregistrement_Nom_Image->setText(nom);
        Enregistrer(Dossier->filePath(QStringLiteral("x.c")), 1);
        QCOMPARE(FMain->windowTitle(), QStringLiteral("Problème d'enregistrement."));
        QCOMPARE(Faux.Genres().last(), QStringLiteral("information"));
        QCOMPARE(Faux.Demandes.last().Titre, QStringLiteral("Message de Corvanel"));
        QCOMPARE(Faux.Demandes.last().Texte, raison);
        QCOMPARE(QDir(Dossier->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void Explorateur()
    {
        Demarrer({QStringLiteral("Sauvegarde")},
                 {QStringLiteral("Essai_App"), QStringLiteral("Essai_32")});
        QCOMPARE(FPlugin->ListePlug->count(), 3);
        QCOMPARE(FPlugin->Description->toPlainText(),
                 QStringLiteral("Dossier des plug-ins : ") +
                     QDir::current().absoluteFilePath(QStringLiteral("Plugin")));
        const auto choisir = [](int ligne)
        {
            FPlugin->ListePlug->setCurrentRow(ligne);
            FPlugin->ListePlugClick();
        };
        choisir(2); // Sauvegarde.so
        const QStringList lignes = FPlugin->Description->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lignes.mid(0, 4),
                 (QStringList{QStringLiteral("Sauvegarde d'image Corvanel 3.0"), QString(),
                              QString(), QStringLiteral("Description du Plug-in :")}));
        QCOMPARE(lignes[4], QStringLiteral("Sauvegarde de l'image pour une utilisation ultérieur. "
                                           "(Compatible avec la version 2.0 de Corvanel)"));
        QCOMPARE(lignes.mid(5, 3),
                 (QStringList{QString(), QStringLiteral("Version : "), QStringLiteral("1.0")}));
        QCOMPARE(lignes[8], QStringLiteral("Auteur : "));
        QCOMPARE(lignes[9], QStringLiteral("L'équipe Corvanel"));
        QVERIFY(!FPlugin->Button2->isEnabled());
        choisir(1); // Essai_App: kind 16 starts with the picture
        QVERIFY(FPlugin->Button2->isEnabled());
        Image_Vide(4, 4, 4);
        const QString trace = Dossier->filePath(QStringLiteral("trace"));
        qputenv("CORVANEL_ESSAI_TRACE", QFile::encodeName(trace));
        FPlugin->Button2->click();
        QVERIFY(Lire(trace).contains("couleurs 4 hauteur 4 largeur 4"));
        QCOMPARE(FEcran->Plan_Image[Indice(1, 2)], std::uint8_t(123));
        qputenv("CORVANEL_ESSAI_RESULTAT", "0");
        FPlugin->Button2->click();
        qunsetenv("CORVANEL_ESSAI_RESULTAT");
        qunsetenv("CORVANEL_ESSAI_TRACE");
        QCOMPARE(FPlugin->windowTitle(), QStringLiteral("Problème d'enregistrement."));
        choisir(0); // Essai_32: enabled, does nothing
        QVERIFY(FPlugin->Button2->isEnabled());
        FPlugin->Button2->click();
        QCOMPARE(FPlugin->windowTitle(), QStringLiteral("Problème d'enregistrement."));
    }
};

QTEST_MAIN(Tst_Hote)
#include "tst_Hote.moc"
