// What a user of today reaches for: keys, files dropped on the windows, the recent files kept
// between runs, Ctrl and the wheel, tooltips, a help page that always answers.
#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Document_Image.h"
#include "Fenetres_Essai.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Fiche_Plugin.h"
#include "Historique_Image.h"
#include "Outils_Essai.h"
#include "Palettes.h"
#include "Surface_Dessin.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Corvanel;
using namespace Essai;

class Tst_Ergonomie : public QObject, private Essai::Banc_Fenetres
{
    Q_OBJECT

    // Qt's settings of the whole test program live here, never in the user's configuration.
    QTemporaryDir Reglages;

    static QWidget *Fenetre(const QString &nom)
    {
        return nom == QLatin1String("FEcran")  ? static_cast<QWidget *>(FEcran)
               : nom == QLatin1String("FMask") ? static_cast<QWidget *>(FMask)
                                               : static_cast<QWidget *>(FMain);
    }

    static void Activer(QWidget *fenetre)
    {
        fenetre->show();
        fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenetre));
    }

    static QStringList Recents()
    {
        QStringList chemins;
        for (int i = 0; i < FMain->Fichiers_Recents->count(); ++i)
            chemins << FMain->Fichiers_Recents->itemData(i).toString();
        return chemins;
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Reglages.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Reglages.path());
    }

    void init() { Demarrer(); }
    void cleanup() { Arreter(); }

    // Each key presses its button in the window that has it, and nothing once that button is
    // disabled or its page hidden; the button's tooltip names the key.
    void Touches_data()
    {
        QTest::addColumn<QKeySequence>("Touche");
        QTest::addColumn<QString>("Dans");
        QTest::addColumn<QString>("Bouton");
        QTest::addColumn<QString>("Bulle");    // the control whose tooltip names the key
        QTest::addColumn<bool>("Page_Cachee"); // else the button is disabled
        const auto ligne = [](const char *nom, QKeyCombination touche, const char *dans,
                              const char *bouton, const char *bulle, bool page)
        { QTest::newRow(nom) << QKeySequence(touche) << dans << bouton << bulle << page; };
        ligne("Ctrl+O", Qt::CTRL | Qt::Key_O, "FMain", "Button1", "Button1", true);
        ligne("Ctrl+N", Qt::CTRL | Qt::Key_N, "FEcran", "Button1", "RadioButton1", false);
        ligne("Ctrl+S", Qt::CTRL | Qt::Key_S, "FMask", "Button2", "Button2", true);
        ligne("Ctrl+Shift+S", Qt::CTRL | Qt::SHIFT | Qt::Key_S, "FMain", "Button11", "Button11",
              false);
        ligne("Ctrl+Z", Qt::CTRL | Qt::Key_Z, "FEcran", "Outil9", "Outil9", false);
        ligne("Ctrl+Y", Qt::CTRL | Qt::Key_Y, "FMask", "Outil_Retablir", "Outil_Retablir", false);
        ligne("Ctrl+Shift+Z", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "FMain", "Outil_Retablir", "",
              true);
        ligne("Ctrl++ edition", Qt::CTRL | Qt::Key_Plus, "FEcran", "SpeedButton17", "SpeedButton17",
              false);
        ligne("Ctrl+- edition", Qt::CTRL | Qt::Key_Minus, "FEcran", "SpeedButton16",
              "SpeedButton16", true);
        ligne("Ctrl++ mask", Qt::CTRL | Qt::Key_Plus, "FMask", "MaskZoomP", "MaskZoomP", false);
        ligne("Ctrl+- mask", Qt::CTRL | Qt::Key_Minus, "FMask", "MaskZoomM", "MaskZoomM", true);
        ligne("F1", Qt::Key_F1, "FMask", "Button7", "Button7", true);
    }
    void Touches()
    {
        QFETCH(QKeySequence, Touche);
        QFETCH(QString, Dans);
        QFETCH(QString, Bouton);
        QFETCH(QString, Bulle);
        QFETCH(bool, Page_Cachee);
        // Everything within reach: a picture, a step undone and one to redo, the mask edited.
        Image_Vide(8, 6);
        FEcran->Document.Etape(QStringLiteral("point"), [] { FEcran->Plan_Image[0] = 3; });
        FMain->Outil[9]->click();
        FMain->Button_Editer_Mask->click();
        auto *bouton = FMain->findChild<QAbstractButton *>(Bouton);
        QVERIFY(bouton && bouton->isEnabled());
        QSignalSpy clics(bouton, &QAbstractButton::clicked);
        QWidget *fenetre = Fenetre(Dans);
        Activer(fenetre);
        QTest::keySequence(fenetre, Touche);
        QCOMPARE(clics.count(), 1);
        if (!Bulle.isEmpty())
            QVERIFY2(FMain->findChild<QWidget *>(Bulle)->toolTip().endsWith(
                         QStringLiteral(" (%1)").arg(Touche.toString(QKeySequence::NativeText))),
                     qPrintable(FMain->findChild<QWidget *>(Bulle)->toolTip()));

        bouton->setEnabled(Page_Cachee);
        for (int i = 1; i <= 8 && Page_Cachee; ++i)
            if (FMain->TabSheet[i]->isAncestorOf(bouton))
                FMain->Onglets->setTabVisible(i - 1, false);
        Activer(fenetre);
        QTest::keySequence(fenetre, Touche);
        QCOMPARE(clics.count(), 1);
    }

    // Ctrl+0 has no button: it goes with the zoom-out button. Ctrl+Q closes as the window's
    // close button does, question included.
    void Zoom_Normal_Et_Quitter()
    {
        Image_Vide(8, 6);
        FMain->Button_Editer_Mask->click();
        for (int i = 0; i < 2; ++i)
        {
            FMain->SpeedButton17->click();
            FMain->MaskZoomP->click();
        }
        FMain->SpeedButton16->setEnabled(false);
        Activer(FEcran);
        QTest::keyClick(FEcran, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(FEcran->Zoom_Ecran, std::uint8_t(3));
        FMain->SpeedButton16->setEnabled(true);
        QTest::keyClick(FEcran, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(FEcran->Zoom_Ecran, std::uint8_t(1));
        QCOMPARE(FEcran->Ecran_TI->Image().size(), QSize(8, 6));
        Activer(FMask);
        QTest::keyClick(FMask, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(FMask->Zoom_Mask, std::uint8_t(1));
        QCOMPARE(FEcran->Zoom_Ecran, std::uint8_t(1));

        FEcran->Document.Etape(QStringLiteral("point"), [] { FEcran->Plan_Image[0] = 3; });
        Faux.Reponses_Question = {false};
        QTest::keyClick(FMask, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(Faux.Nombre(QStringLiteral("question")), 1);
        QVERIFY(FMain->isVisible());
    }

    // The first file dropped opens at the size of the page "Ouvrir une image", read as its
    // content says; the title counts the others. Links to elsewhere are refused.
    void Depots_data()
    {
        QTest::addColumn<QString>("Dans");
        QTest::addColumn<QStringList>("Noms");
        QTest::addColumn<QString>("Titre"); // empty: nothing opens
        QTest::newRow("one picture, main window")
            << "FMain" << QStringList{"png_nomme.bmp"} << Essai::Titre_Principal;
        QTest::newRow("two, edit window")
            << "FEcran" << QStringList{"a.png", "b.bmp"}
            << "Un seul fichier s'ouvre à la fois : 1 fichier déposé laissé de côté.";
        QTest::newRow("three, mask window")
            << "FMask" << QStringList{"b.bmp", "a.png", "png_nomme.bmp"}
            << "Un seul fichier s'ouvre à la fois : 2 fichiers déposés laissés de côté.";
        QTest::newRow("a link") << "FMain" << QStringList{"https://example.org/a.png"} << QString();
    }
    void Depots()
    {
        QFETCH(QString, Dans);
        QFETCH(QStringList, Noms);
        QFETCH(QString, Titre);
        QList<QUrl> adresses;
        for (const QString &nom : Noms)
            adresses << (nom.contains(QLatin1Char(':'))
                             ? QUrl(nom)
                             : QUrl::fromLocalFile(
                                   Ecrire_Degrade(Dossier, nom, QSize(14, 10),
                                                  nom.startsWith("b") ? "BMP" : "PNG")));
        Taille(7, 5);
        FMain->RadioButton1->click();
        QCOMPARE(Deposer(Fenetre(Dans), adresses), !Titre.isEmpty());
        QTRY_COMPARE(FEcran->isVisible(), !Titre.isEmpty());
        if (Titre.isEmpty())
            return;
        QCOMPARE(FEcran->Document.Fichier, adresses.first().toLocalFile());
        QCOMPARE(FEcran->Largeur_Image, std::uint8_t(7));
        QCOMPARE(FEcran->Hauteur_Image, std::uint8_t(5));
        QCOMPARE(FEcran->Plan_Image[Indice(6, 4)], std::uint8_t(1)); // grey 148 at 4 levels
        QVERIFY(FMain->Ouvrir_Fichier->isChecked() && FMain->Onglets->isTabVisible(2));
        QCOMPARE(FMain->windowTitle(), Titre);
        QCOMPARE(Recents(), QStringList{Chemin_Absolu(adresses.first().toLocalFile())});
    }

    // Two runs with the program's own settings (redirected to a temporary folder): the eight
    // last files and the dialogs' folders come back, nothing else does.
    void Recents_Entre_Deux_Lancements()
    {
        Detruire_Fenetres();
        QStringList fichiers;
        for (int i = 0; i < 9; ++i)
            fichiers << Ecrire_Degrade(Dossier, QStringLiteral("recents/f%1.bmp").arg(i),
                                       QSize(4, 4));
        const QString sorties = QDir::toNativeSeparators(Dossier.filePath("sorties"));
        {
            const auto reglages = Reglages_Programme();
            Creer_Fenetres(Faux, reglages.get());
            QVERIFY(!FMain->Fichiers_Recents->isEnabled());
            for (const QString &fichier : fichiers)
            {
                Faux.Reponses_Fichier.push_back({fichier, 1});
                FMain->Button1->click();
            }
            Faux.Reponses_Fichier.push_back({sorties + QStringLiteral("/x.c"), 1});
            FMain->Button2->click();
            FMain->Taille_Image->setCurrentIndex(1);
            Detruire_Fenetres();
        }
        QVERIFY(QFile::exists(Reglages.filePath(QStringLiteral("Corvanel/Corvanel.conf"))));
        const auto reglages = Reglages_Programme();
        Creer_Fenetres(Faux, reglages.get());
        QStringList attendus;
        for (int i = 8; i >= 1; --i)
            attendus << Chemin_Absolu(fichiers[i]);
        QCOMPARE(Recents(), attendus);
        QCOMPARE(FMain->Fichiers_Recents->itemText(0), QStringLiteral("f8.bmp"));
        QCOMPARE(FMain->Taille_Image->currentIndex(), 0);

        Faux.Demandes.clear();
        FMain->Button1->click();
        FMain->Button2->click();
        QCOMPARE(Faux.Demandes[0].Dossier, QFileInfo(attendus[0]).absolutePath());
        QCOMPARE(Faux.Demandes[1].Dossier, sorties);

        // Choosing one opens it and brings it to the head of the list.
        emit FMain->Fichiers_Recents->activated(3);
        QCOMPARE(FEcran->Document.Fichier, attendus[3]);
        QCOMPARE(Recents().first(), attendus[3]);
        QCOMPARE(FMain->Fichiers_Recents->currentIndex(), -1);

        // A file gone since: a message, and out of the list, here and in the settings.
        QVERIFY(QFile::remove(attendus[5]));
        Faux.Demandes.clear();
        emit FMain->Fichiers_Recents->activated(5);
        QCOMPARE(Faux.Genres(), QStringList{QStringLiteral("erreur")});
        QCOMPARE(Faux.Demandes[0].Texte,
                 QStringLiteral("Le fichier « %1 » n'existe plus : il est retiré des fichiers "
                                "récents.")
                     .arg(attendus[5]));
        QCOMPARE(FEcran->Document.Fichier, attendus[3]);
        QCOMPARE(Recents().size(), 7);
        QVERIFY(!Recents().contains(attendus[5]));
        QCOMPARE(reglages->value(QStringLiteral("Fichiers_Recents")).toStringList(), Recents());
        Detruire_Fenetres();
    }

    // Ctrl and the wheel zoom a notch at a time, as the zoom buttons do; a fine-grained wheel
    // adds up to a notch.
    void Molette_data()
    {
        QTest::addColumn<QString>("Dans");
        QTest::addColumn<QList<int>>("Crans");
        QTest::addColumn<bool>("Ctrl");
        QTest::addColumn<int>("Zoom");
        QTest::newRow("one notch") << "FEcran" << QList<int>{120} << true << 2;
        QTest::newRow("two half notches") << "FEcran" << QList<int>{60, 60} << true << 2;
        QTest::newRow("half a notch") << "FEcran" << QList<int>{60} << true << 1;
        QTest::newRow("without Ctrl") << "FEcran" << QList<int>{120, 120} << false << 1;
        QTest::newRow("two up, one down") << "FEcran" << QList<int>{240, -120} << true << 2;
        QTest::newRow("mask, one notch") << "FMask" << QList<int>{120} << true << 2;
        QTest::newRow("mask, down from 1") << "FMask" << QList<int>{-120} << true << 1;
    }
    void Molette()
    {
        QFETCH(QString, Dans);
        QFETCH(QList<int>, Crans);
        QFETCH(bool, Ctrl);
        QFETCH(int, Zoom);
        Image_Vide(8, 6);
        FMain->Button_Editer_Mask->click();
        QWidget *fenetre = Fenetre(Dans);
        for (int angle : Crans)
        {
            QWheelEvent roue(QPointF(2, 2), fenetre->mapToGlobal(QPointF(2, 2)), QPoint(),
                             QPoint(0, angle), Qt::NoButton,
                             Ctrl ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(fenetre, &roue);
        }
        QCOMPARE(int(Dans == QLatin1String("FMask") ? FMask->Zoom_Mask : FEcran->Zoom_Ecran), Zoom);
        const QSize taille =
            (Dans == QLatin1String("FMask") ? FMask->Ecran_MASK : FEcran->Ecran_TI)->Image().size();
        QCOMPARE(taille, QSize(8, 6) * Zoom);
    }

    // Every control that shows no words of its own says what it does when hovered; a control
    // added later is held to it too.
    void Bulles()
    {
        QStringList sans_bulle;
        for (QWidget *fenetre : {static_cast<QWidget *>(FMain), static_cast<QWidget *>(FPlugin)})
            for (QWidget *controle : fenetre->findChildren<QWidget *>())
            {
                // The inner parts of Qt's own controls are theirs.
                bool interne = false;
                for (QWidget *w = controle->parentWidget(); w && w != fenetre;
                     w = w->parentWidget())
                    interne = interne || qobject_cast<QTabBar *>(w) ||
                              qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
                              qobject_cast<QAbstractScrollArea *>(w);
                if (interne || controle->isWindow() || qobject_cast<QTabBar *>(controle))
                    continue;
                const auto *bouton = qobject_cast<QAbstractButton *>(controle);
                const bool saisie = qobject_cast<QLineEdit *>(controle) ||
                                    qobject_cast<QComboBox *>(controle) ||
                                    qobject_cast<QAbstractSpinBox *>(controle) ||
                                    qobject_cast<QAbstractSlider *>(controle) ||
                                    qobject_cast<QAbstractItemView *>(controle);
                // The program's own painted controls: the swatches, the strips.
                const bool propre =
                    QByteArray(controle->metaObject()->className()).startsWith("Corvanel::");
                if (!bouton && !saisie && !propre)
                    continue;
                // A word on the button, or a label that names the field, is its caption.
                bool legende = bouton && bouton->text().contains(QRegularExpression("\\w\\w"));
                for (const QLabel *etiquette : fenetre->findChildren<QLabel *>())
                    legende = legende || etiquette->buddy() == controle;
                if (!legende && controle->toolTip().isEmpty())
                    sans_bulle << QStringLiteral("%1/%2").arg(fenetre->objectName(),
                                                              controle->objectName());
            }
        QVERIFY2(sans_bulle.isEmpty(), qPrintable(sans_bulle.join(QLatin1Char(' '))));
        QCOMPARE(FMain->Outil[8]->toolTip(), QStringLiteral("Caractère donné par son code"));
        QCOMPARE(FMain->Outil[9]->toolTip(), QStringLiteral("Annuler (Ctrl+Z)"));
    }

    // "Ouvrir l'aide" answers every time: the page, or a message that gives its path.
    void Aide_data()
    {
        QTest::addColumn<bool>("Page");
        QTest::addColumn<bool>("Ouvert");
        QTest::addColumn<QStringList>("Genres");
        QTest::addColumn<QString>("Debut");
        QTest::newRow("opened") << true << true << QStringList{"document"} << QString();
        QTest::newRow("no program for it")
            << true << false << QStringList{"document", "information"}
            << "Aucun programme n'a pu ouvrir la page d'aide. Ouvrez-la dans un navigateur : ";
        QTest::newRow("no page") << false << true << QStringList{"erreur"}
                                 << "La page d'aide est introuvable : ";
    }
    void Aide()
    {
        QFETCH(bool, Page);
        QFETCH(bool, Ouvert);
        QFETCH(QStringList, Genres);
        QFETCH(QString, Debut);
        QDir(QStringLiteral("Documentation")).removeRecursively();
        if (Page)
        {
            QVERIFY(QDir().mkpath(QStringLiteral("Documentation")));
            QFile page(QStringLiteral("Documentation/index.htm"));
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
        Faux.Document_Ouvert = Ouvert;
        FMain->Button7->click();
        QCOMPARE(Faux.Genres(), Genres);
        if (!Debut.isEmpty())
            QCOMPARE(Faux.Demandes.last().Texte,
                     Debut + QDir::toNativeSeparators(
                                 QDir::current().absoluteFilePath("Documentation/index.htm")));
    }
};

QTEST_MAIN(Tst_Ergonomie)
#include "tst_Ergonomie.moc"
