// Start-up with the six plug-ins against start-up with an empty Plugin folder.
#include "Bench.h"
#include "Demarrage.h"
#include "Dialogues_Fixes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

double Demarrage_ms(const QString &dossier)
{
    QDir::setCurrent(dossier);
    Corvanel::Dialogues_Fixes muets;
    return Bench::Mediane_ms(21,
                             [&]
                             {
                                 Corvanel::Creer_Fenetres(muets);
                                 QCoreApplication::processEvents();
                                 Corvanel::Detruire_Fenetres();
                             });
}

const bool Enregistre = Bench::Ajouter(
    "demarrage avec plug-ins",
    []
    {
        const QString origine = QCoreApplication::applicationDirPath() + QStringLiteral("/Plugin");
        QTemporaryDir vide;
        QTemporaryDir plein;
        QDir().mkpath(vide.filePath(QStringLiteral("Plugin")));
        QDir().mkpath(plein.filePath(QStringLiteral("Plugin")));
        int copies = 0;
        for (const QString &nom : QDir(origine).entryList({QStringLiteral("*.so")}, QDir::Files))
            copies += QFile::copy(origine + QLatin1Char('/') + nom,
                                  plein.filePath(QStringLiteral("Plugin/") + nom));
        const QString retour = QDir::currentPath();
        Demarrage_ms(vide.path()); // warm the caches
        const double sans = Demarrage_ms(vide.path());
        const double avec = Demarrage_ms(plein.path());
        QDir::setCurrent(retour);
        std::printf("demarrage avec %d plug-ins: %.2f ms, Plugin vide: %.2f ms, rapport %.2f "
                    "(cible <= 1.5)\n",
                    copies, avec, sans, avec / sans);
    });
} // namespace
