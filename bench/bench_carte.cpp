// A 4096 x 4096 PNG level drawn from 300 distinct 8 x 8 tiles, made into unique tiles and a map
// by one corvanel-convert run, against decoding the same PNG alone; and the run's peak memory
// against the decoded picture.
#include "Bench.h"
#include "Course_Convertisseur.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
constexpr int Cote_Niveau = 4096;
constexpr int Cote_Tuile = 8;
constexpr int Tuiles_Distinctes = 300;

// Each tile of a few colours at random, and the level a random walk over them, so that every
// tile appears and the PNG compresses as a drawn level does, not as noise.
QImage Dessiner_Niveau()
{
    QRandomGenerator Hasard(24);
    const QRgb Couleurs[] = {qRgb(255, 255, 255), qRgb(30, 30, 30),  qRgb(90, 160, 60),
                             qRgb(120, 80, 40),   qRgb(60, 90, 200), qRgb(200, 200, 190)};
    std::vector<QImage> Tuiles;
    for (int t = 0; t < Tuiles_Distinctes; ++t)
    {
        QImage Tuile(Cote_Tuile, Cote_Tuile, QImage::Format_RGB32);
        for (int y = 0; y < Cote_Tuile; ++y)
            for (int x = 0; x < Cote_Tuile; ++x)
                Tuile.setPixel(x, y, Couleurs[Hasard.bounded(6)]);
        Tuiles.push_back(Tuile);
    }
    QImage Niveau(Cote_Niveau, Cote_Niveau, QImage::Format_RGB32);
    const int Places = Cote_Niveau / Cote_Tuile;
    int Courante = 0;
    for (int Y = 0; Y < Places; ++Y)
        for (int X = 0; X < Places; ++X)
        {
            if (Hasard.bounded(4) == 0)
                Courante = static_cast<int>(Hasard.bounded(Tuiles_Distinctes));
            const QImage &Tuile = Tuiles[static_cast<std::size_t>(
                (Y * Places + X) < Tuiles_Distinctes ? Y * Places + X : Courante)];
            for (int y = 0; y < Cote_Tuile; ++y)
                std::memcpy(Niveau.scanLine(Y * Cote_Tuile + y) + X * Cote_Tuile * 4,
                            Tuile.constScanLine(y), Cote_Tuile * 4);
        }
    return Niveau;
}

double Mediane(std::vector<double> Valeurs)
{
    std::sort(Valeurs.begin(), Valeurs.end());
    return Valeurs[Valeurs.size() / 2];
}

void Mesurer_Carte()
{
    QTemporaryDir Dossier;
    const QString Source = Dossier.filePath(QStringLiteral("niveau.png"));
    // Drawn in a child, so that this process stays small: a program started from it begins
    // with its peak memory.
    const pid_t Dessin = fork();
    if (Dessin == 0)
        _exit(Dessiner_Niveau().save(Source) ? 0 : 1);
    int Etat_Dessin = 0;
    if (Dessin < 0 || waitpid(Dessin, &Etat_Dessin, 0) != Dessin || !WIFEXITED(Etat_Dessin) ||
        WEXITSTATUS(Etat_Dessin) != 0)
    {
        std::printf("carte: skipped: cannot write %s\n", qPrintable(Source));
        return;
    }
    rusage Soi{};
    getrusage(RUSAGE_SELF, &Soi);
    const QStringList Communs = {
        QStringLiteral("-p"), QStringLiteral("Tavisk"), QStringLiteral("-d"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/Plugin")};
    const QStringList Carte =
        Communs + QStringList{QStringLiteral("--carte"), QStringLiteral("8x8"),
                              QStringLiteral("-o"), Dossier.filePath(QStringLiteral("niveau.c")),
                              Source};
    const QStringList Simple =
        Communs +
        QStringList{QStringLiteral("-o"), Dossier.filePath(QStringLiteral("simple.c")), Source};
    std::vector<double> Temps_Carte;
    std::vector<double> Temps_Simple;
    long Pic_Carte = 0;
    long Pic_Simple = 0;
    for (int i = 0; i < 5; ++i)
    {
        const Bench::Course C = Bench::Lancer_Convertisseur(Carte);
        const Bench::Course S = Bench::Lancer_Convertisseur(Simple);
        if (C.Statut != 0 || S.Statut != 0)
        {
            std::printf("carte: corvanel-convert failed (%d, %d)\n", C.Statut, S.Statut);
            return;
        }
        Temps_Carte.push_back(C.Ms);
        Temps_Simple.push_back(S.Ms);
        Pic_Carte = std::max(Pic_Carte, C.Pic_Ko);
        Pic_Simple = std::max(Pic_Simple, S.Pic_Ko);
    }
    QImage Decodee;
    const double Decodage_ms = Bench::Mediane_ms(5,
                                                 [&]
                                                 {
                                                     QImageReader Lecteur(Source);
                                                     Lecteur.setAllocationLimit(1024);
                                                     Decodee = Lecteur.read();
                                                 });
    const double Carte_ms = Mediane(Temps_Carte);
    const double Decodee_Mo = static_cast<double>(Decodee.sizeInBytes()) / (1024.0 * 1024.0);
    std::printf("carte %dx%d PNG (%lld octets), tuiles de %dx%d (%d distinctes) -> Sprite C, "
                "processus entier: carte %.0f ms, conversion TI 89 du meme PNG %.0f ms; "
                "decodage seul dans ce processus %.0f ms; rapport carte / decodage %.2f "
                "(cible <= 3)\n",
                Cote_Niveau, Cote_Niveau, static_cast<long long>(QFileInfo(Source).size()),
                Cote_Tuile, Cote_Tuile, Tuiles_Distinctes, Carte_ms, Mediane(Temps_Simple),
                Decodage_ms, Carte_ms / Decodage_ms);
    std::printf(
        "carte: pic memoire %.0f Mo (conversion TI 89 %.0f Mo), image decodee %.0f Mo, "
        "rapport %.2f (cible <= 2)%s\n",
        Pic_Carte / 1024.0, Pic_Simple / 1024.0, Decodee_Mo, Pic_Carte / 1024.0 / Decodee_Mo,
        Pic_Carte <= Soi.ru_maxrss ? " ; faussé par le pic de ce banc, lancez-le seul" : "");
}

const bool Enregistre = Bench::Ajouter("carte", [] { Mesurer_Carte(); });
} // namespace
