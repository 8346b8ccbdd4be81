// A 512 x 512 tile set of 16 x 16 tiles cut into 1024 sprites in one corvanel-convert call,
// against the same sheet converted as one "TI 92" picture, both through "Sprite (language C)";
// and the time to write the sheet's bytes, which the cut adds.
#include "Bench.h"

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>

namespace
{
constexpr int Cote_Planche = 512;
constexpr int Cote_Case = 16;

// Round tiles of every colour, with a dark core, and about one in five left white.
QImage Dessiner_Planche()
{
    QImage Planche(Cote_Planche, Cote_Planche, QImage::Format_RGB32);
    Planche.fill(Qt::white);
    QPainter Peintre(&Planche);
    QRandomGenerator Hasard(3);
    for (int Y = 0; Y < Cote_Planche; Y += Cote_Case)
        for (int X = 0; X < Cote_Planche; X += Cote_Case)
        {
            if (Hasard.bounded(5) == 0)
                continue;
            Peintre.setPen(Qt::NoPen);
            Peintre.setBrush(QColor::fromRgb(Hasard.bounded(256), Hasard.bounded(256),
                                             Hasard.bounded(256)));
            Peintre.drawEllipse(X + 2, Y + 2, 12, 12);
            Peintre.setBrush(Qt::black);
            Peintre.drawRect(X + 5, Y + 5, 5, 5);
        }
    return Planche;
}

bool Lancer(const QStringList &Arguments)
{
    QProcess Processus;
    Processus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Processus.setStandardOutputFile(QProcess::nullDevice());
    Processus.start(QCoreApplication::applicationDirPath() + QStringLiteral("/corvanel-convert"),
                    Arguments);
    return Processus.waitForFinished(600000) && Processus.exitStatus() == QProcess::NormalExit &&
           Processus.exitCode() == 0;
}

void Mesurer_Planche()
{
    QTemporaryDir Dossier;
    const QString Source = Dossier.filePath(QStringLiteral("tuiles.bmp"));
    if (!Dessiner_Planche().save(Source))
    {
        std::printf("planche: skipped: cannot write %s\n", qPrintable(Source));
        return;
    }
    const QStringList Communs = {
        QStringLiteral("-p"), QStringLiteral("Sprite (language C)"), QStringLiteral("-d"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/Plugin")};
    const QString Sortie_Planche = Dossier.filePath(QStringLiteral("tuiles.c"));
    const QStringList Planche = Communs + QStringList{QStringLiteral("--grille"),
                                                      QStringLiteral("16x16"),
                                                      QStringLiteral("--couper"),
                                                      QStringLiteral("-o"),
                                                      Sortie_Planche,
                                                      Source};
    const QStringList Une_Image =
        Communs + QStringList{QStringLiteral("-t"), QStringLiteral("TI 92"), QStringLiteral("-o"),
                              Dossier.filePath(QStringLiteral("une.c")), Source};
    if (!Lancer(Planche) || !Lancer(Une_Image))
    {
        std::printf("planche: a run failed\n");
        return;
    }
    QFile Lu(Sortie_Planche);
    const QByteArray Octets = Lu.open(QIODevice::ReadOnly) ? Lu.readAll() : QByteArray();
    const double Planche_ms = Bench::Mediane_ms(9, [&] { Lancer(Planche); });
    const double Image_ms = Bench::Mediane_ms(9, [&] { Lancer(Une_Image); });
    const double Ecriture_ms = Bench::Mediane_ms(9, [&] {
        QSaveFile Fichier(Dossier.filePath(QStringLiteral("copie.c")));
        if (Fichier.open(QIODevice::WriteOnly))
        {
            Fichier.write(Octets);
            Fichier.commit();
        }
    });
    std::printf("planche %dx%d en cases de %dx%d (%d sprites, %lld octets) -> Sprite C: "
                "decoupe %.1f ms, une image TI 92 %.1f ms, ecriture des octets %.2f ms, "
                "rapport (decoupe - ecriture) / image %.2f (cible <= 2)\n",
                Cote_Planche, Cote_Planche, Cote_Case, Cote_Case,
                (Cote_Planche / Cote_Case) * (Cote_Planche / Cote_Case),
                static_cast<long long>(Octets.size()), Planche_ms, Image_ms, Ecriture_ms,
                (Planche_ms - Ecriture_ms) / Image_ms);
}

const bool Enregistre = Bench::Ajouter("planche", [] { Mesurer_Planche(); });
} // namespace
