// Broken plug-in libraries beside real ones in the Plugin folder, driven through the real
// windows: libraries cut short, libraries with broken exports, libraries that crash, abort or
// never answer.
#include "Bibliotheque.h"
#include "Explorateur.h"
#include "Fenetres_Essai.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Fiche_Plugin.h"
#include "Hote_Plugin.h"
#include "Outils_Essai.h"
#include "Plug_Contrat.h"
#include "Registre.h"
#include "Robustesse_Essai.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QtTest>

using namespace Corvanel;
using Essai::Lire;

namespace
{
using Essai::Ecrire;
using Essai::Fixture;
using Essai::Plugin_Livre;
using Essai::Titre_Principal;
} // namespace

class Tst_Plugins_Casses : public QObject, private Essai::Fenetres_Temporaires
{
    Q_OBJECT

private slots:
    void init() { Entrer(); }
    void cleanup() { Quitter(); }

    void Bibliotheque_Tronquee_data();
    void Bibliotheque_Tronquee();
    void Plugins_Casses();
    void Plugins_Qui_Plantent();
};

void Tst_Plugins_Casses::Bibliotheque_Tronquee_data()
{
    QTest::addColumn<qint64>("taille");
    // Cut inside the headers, inside the loadable segments, and just short of the end.
    for (const qint64 Taille : {0, 16, 64, 200, 1000, 4096, 8192, 12000, 16384, -4096, -1})
        QTest::newRow(qPrintable(QString::number(Taille))) << Taille;
}

// A copy of a real plug-in cut short used to kill the program inside the loader (SIGBUS on the
// missing pages). A cut that leaves the loadable part whole still loads and works.
void Tst_Plugins_Casses::Bibliotheque_Tronquee()
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
void Tst_Plugins_Casses::Plugins_Casses()
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
    Essai::Taille(12, 7);
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
void Tst_Plugins_Casses::Plugins_Qui_Plantent()
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

    Essai::Taille(12, 7);
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

QTEST_MAIN(Tst_Plugins_Casses)
#include "tst_Plugins_Casses.moc"
