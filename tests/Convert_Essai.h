// What the tests of corvanel-convert share: the test folder, a source picture, the converter run
// as a process, and the main window's open and file types to do the same by hand.
#ifndef CORVANEL_CONVERT_ESSAI_H
#define CORVANEL_CONVERT_ESSAI_H

#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Fenetres_Essai.h"
#include "Fiche_Main.h"
#include "Outils_Essai.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSize>
#include <QTemporaryDir>
#include <QTest>

namespace Essai
{
// The test folder made the current one, the built plug-ins in its Plugin folder where the
// converter and the windows look first.
inline void Installer(const QTemporaryDir &Dossier)
{
    QVERIFY(QDir::setCurrent(Dossier.path()));
    QFile::link(Dossier_Build() + QStringLiteral("/Plugin"),
                Dossier.filePath(QStringLiteral("Plugin")));
}

// Every level and colour channel somewhere, and a translucent corner for the PNG.
inline void Ecrire_Source(const QTemporaryDir &Dossier, const QString &Nom,
                          QSize Taille = QSize(200, 150))
{
    QImage Image(Taille, QImage::Format_ARGB32);
    for (int y = 0; y < Taille.height(); ++y)
        for (int x = 0; x < Taille.width(); ++x)
            Image.setPixel(x, y,
                           qRgba(x * 255 / Taille.width(), y * 255 / Taille.height(), (x * y) % 256,
                                 x + y < 40 ? 90 : 255));
    if (Nom.endsWith(QLatin1String(".bmp")))
        Image = Image.convertToFormat(QImage::Format_RGB32);
    QVERIFY(Image.save(Dossier.filePath(Nom)));
}

struct Issue
{
    int Statut = -1;
    QString Sortie;
    QString Erreur;
};

// No display either: the converter must not need one.
inline Issue Lancer(const QStringList &Arguments, const QString &Dossier)
{
    QProcessEnvironment Environnement = QProcessEnvironment::systemEnvironment();
    for (const char *Nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        Environnement.remove(QLatin1String(Nom));
    QProcess Processus;
    Processus.setProcessEnvironment(Environnement);
    Processus.setWorkingDirectory(Dossier);
    Processus.start(Dossier_Build() + QStringLiteral("/corvanel-convert"), Arguments);
    if (!Processus.waitForFinished(120000) || Processus.exitStatus() != QProcess::NormalExit)
        return {};
    return {Processus.exitCode(), QString::fromUtf8(Processus.readAllStandardOutput()),
            QString::fromUtf8(Processus.readAllStandardError())};
}

// The save dialog's file type of a library, in the scan's order.
inline int Type_De(const QString &Bibliotheque, bool Mask)
{
    const Corvanel::Resultat_Scan &Scan = Corvanel::FMain->Plugins;
    const int Nombre = Mask ? Scan.Nombre_Plug_Mask : Scan.Nombre_Plug_Image;
    for (int i = 0; i < Nombre; ++i)
    {
        const Corvanel::Plug_Info &Slot = Mask ? Scan.Liste_Plug_Mask[i] : Scan.Liste_Plug_Image[i];
        if (QString::fromStdString(Slot.Fichier)
                .endsWith(QLatin1Char('/') + Bibliotheque + QLatin1String(".so")))
            return i + 1;
    }
    return 0;
}

// A second base of the tests that set the windows beside the converter: Demarrer from init,
// Arreter from cleanup, which clears what either wrote.
class Banc_Convert
{
protected:
    Dialogues_Factices Faux;
    QTemporaryDir Dossier;

    QString Chemin(const QString &Nom) const { return Dossier.filePath(Nom); }

    void Demarrer()
    {
        Faux = Dialogues_Factices();
        Installer(Dossier);
        Corvanel::Creer_Fenetres(Faux);
        QCOMPARE(Corvanel::FMain->Plugins.Nombre_Plug_Image, std::uint8_t{10});
    }
    void Arreter()
    {
        Corvanel::Detruire_Fenetres();
        for (const char *Sous_Dossier : {"fen", "cli"})
            QDir(Chemin(QLatin1String(Sous_Dossier))).removeRecursively();
    }
};
} // namespace Essai

#endif
