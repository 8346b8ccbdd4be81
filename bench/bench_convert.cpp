// A makefile's sprite rule over 100 photographs: corvanel-convert in one run against
// ImageMagick doing the nearest work in one process per file, as make would start it.
#include "Bench.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace
{
constexpr int Nombre_Images = 100;
constexpr int Largeur_Source = 1600;
constexpr int Hauteur_Source = 1200;

void Ecrire_Mot(QByteArray &Octets, quint32 Valeur, int Taille)
{
    for (int i = 0; i < Taille; ++i)
        Octets.append(static_cast<char>((Valeur >> (8 * i)) & 0xFF));
}

// A 24-bit bitmap written by hand, so that the file is exactly what a paint program saves.
bool Ecrire_Bitmap(const QString &Chemin, int Graine)
{
    const int Ligne = (Largeur_Source * 3 + 3) & ~3;
    QByteArray Octets;
    Octets.reserve(54 + Ligne * Hauteur_Source);
    Octets.append("BM");
    Ecrire_Mot(Octets, 54 + Ligne * Hauteur_Source, 4);
    Ecrire_Mot(Octets, 0, 4);
    Ecrire_Mot(Octets, 54, 4);
    Ecrire_Mot(Octets, 40, 4);
    Ecrire_Mot(Octets, Largeur_Source, 4);
    Ecrire_Mot(Octets, Hauteur_Source, 4);
    Ecrire_Mot(Octets, 1, 2);
    Ecrire_Mot(Octets, 24, 2);
    Ecrire_Mot(Octets, 0, 4);
    Ecrire_Mot(Octets, Ligne * Hauteur_Source, 4);
    Ecrire_Mot(Octets, 2835, 4);
    Ecrire_Mot(Octets, 2835, 4);
    Ecrire_Mot(Octets, 0, 4);
    Ecrire_Mot(Octets, 0, 4);
    for (int y = 0; y < Hauteur_Source; ++y)
    {
        for (int x = 0; x < Largeur_Source; ++x)
        {
            Octets.append(static_cast<char>((x + Graine * 7) & 0xFF));
            Octets.append(static_cast<char>((y + x / 3 + Graine) & 0xFF));
            Octets.append(static_cast<char>((x * y / 97 + Graine * 13) & 0xFF));
        }
        Octets.append(QByteArray(Ligne - Largeur_Source * 3, '\0'));
    }
    QFile Fichier(Chemin);
    return Fichier.open(QIODevice::WriteOnly) && Fichier.write(Octets) == Octets.size();
}


bool Lancer(const QString &Programme, const QStringList &Arguments)
{
    QProcess Processus;
    Processus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Processus.start(Programme, Arguments);
    return Processus.waitForFinished(600000) && Processus.exitStatus() == QProcess::NormalExit &&
           Processus.exitCode() == 0;
}

void Mesurer_Conversion()
{
    const QString Convertisseur =
        QCoreApplication::applicationDirPath() + QStringLiteral("/corvanel-convert");
    const QString ImageMagick = Bench::Trouver_ImageMagick();
    if (ImageMagick.isEmpty())
    {
        std::printf("convert %d bitmaps %dx%d: skipped: convert not found (ImageMagick)\n",
                    Nombre_Images, Largeur_Source, Hauteur_Source);
        return;
    }
    QTemporaryDir Dossier;
    QStringList Entrees;
    for (int i = 0; i < Nombre_Images; ++i)
    {
        Entrees << Dossier.filePath(QStringLiteral("photo_%1.bmp").arg(i, 3, 10, QLatin1Char('0')));
        if (!Ecrire_Bitmap(Entrees.back(), i))
        {
            std::printf("convert: skipped: cannot write the bitmaps in %s\n",
                        qPrintable(Dossier.path()));
            return;
        }
    }
    QDir(Dossier.path()).mkdir(QStringLiteral("c"));
    QDir(Dossier.path()).mkdir(QStringLiteral("pgm"));

    // Both meet the bitmaps in the disk cache: each reads them all once beforehand.
    const QStringList Arguments_Convert =
        QStringList{QStringLiteral("-p"),
                    QStringLiteral("Sprite (language C)"),
                    QStringLiteral("-t"),
                    QStringLiteral("TI 89"),
                    QStringLiteral("-n"),
                    QStringLiteral("4"),
                    QStringLiteral("-d"),
                    QCoreApplication::applicationDirPath() + QStringLiteral("/Plugin"),
                    QStringLiteral("-o"),
                    Dossier.filePath(QStringLiteral("c"))} +
        Entrees;
    const auto ImageMagick_Tout = [&]
    {
        bool Ok = true;
        for (const QString &Entree : Entrees)
            Ok = Lancer(ImageMagick, {Entree, QStringLiteral("-sample"), QStringLiteral("160x100!"),
                                      QStringLiteral("-colorspace"), QStringLiteral("Gray"),
                                      QStringLiteral("-posterize"), QStringLiteral("4"),
                                      Dossier.filePath(QStringLiteral("pgm/") +
                                                       QFileInfo(Entree).completeBaseName() +
                                                       QStringLiteral(".pgm"))}) &&
                 Ok;
        return Ok;
    };
    if (!Lancer(Convertisseur, Arguments_Convert) || !ImageMagick_Tout())
    {
        std::printf("convert %d bitmaps: a run failed\n", Nombre_Images);
        return;
    }
    QElapsedTimer Chrono;
    Chrono.start();
    Lancer(Convertisseur, Arguments_Convert);
    const double Convert_ms = Chrono.nsecsElapsed() / 1e6;
    Chrono.restart();
    ImageMagick_Tout();
    const double ImageMagick_ms = Chrono.nsecsElapsed() / 1e6;
    std::printf("convert %d bitmaps %dx%d 24 bits -> TI 89 4 niveaux Sprite C: corvanel-convert "
                "%.0f ms (un lancement), ImageMagick %.0f ms (un processus par fichier), "
                "rapport %.3f (cible <= 0.5)\n",
                Nombre_Images, Largeur_Source, Hauteur_Source, Convert_ms, ImageMagick_ms,
                Convert_ms / ImageMagick_ms);
}

const bool Enregistre = Bench::Ajouter("convert", [] { Mesurer_Conversion(); });
} // namespace
