// corvanel-convert: the conversion and saves of the windows, from the command line.
#include "Conversion_Lot.h"
#include "Ligne_Commande.h"

#include <QCoreApplication>
#include <cstdio>

namespace
{
bool Ecrire(std::FILE *Flux, const QString &Texte)
{
    const QByteArray Octets = Texte.toLocal8Bit();
    const std::size_t Ecrits =
        std::fwrite(Octets.constData(), 1, static_cast<std::size_t>(Octets.size()), Flux);
    return std::fflush(Flux) == 0 && Ecrits == static_cast<std::size_t>(Octets.size());
}
} // namespace

int main(int argc, char **argv)
{
    // No display: the pictures are decoded and sampled without any window system.
    QCoreApplication Application(argc, argv);
    const Corvanel::Analyse Analyse = Corvanel::Analyser_Ligne(
        QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
    if (Analyse.Statut != Corvanel::Statut_Conversion)
    {
        // A help or a list that did not reach its reader is no success.
        if (!Ecrire(stdout, Analyse.Sortie))
        {
            Ecrire(stderr, QStringLiteral("corvanel-convert: écriture sur la sortie standard "
                                          "impossible\n"));
            return Corvanel::Statut_Echec;
        }
        Ecrire(stderr, Analyse.Erreur);
        return Analyse.Statut;
    }
    int Statut = Corvanel::Statut_Succes;
    for (const Corvanel::Bilan_Travail &Bilan : Corvanel::Convertir_Lot(Analyse.Lot_))
    {
        if (!Bilan.Message.isEmpty())
            Ecrire(stdout, Bilan.Message + QLatin1Char('\n'));
        if (Bilan.Erreur.isEmpty())
            continue;
        Ecrire(stderr, QStringLiteral("corvanel-convert: ") + Bilan.Erreur + QLatin1Char('\n'));
        Statut = Corvanel::Statut_Echec;
    }
    return Statut;
}
