// What several test programs need to find: the build folder, the shipped plug-ins and the
// test-only ones, under the platform's library suffix; and the files and tools around them.
#ifndef CORVANEL_OUTILS_ESSAI_H
#define CORVANEL_OUTILS_ESSAI_H

#include "Bibliotheque.h"
#include "Fichiers_Essai.h"

#include <QCoreApplication>
#include <QString>

namespace Essai
{
// The test runs from the build folder when started by hand.
inline QString Dossier_Build()
{
    return qEnvironmentVariable("CORVANEL_BUILD_DIR", QCoreApplication::applicationDirPath());
}

inline QString So(const QString &Nom)
{
    return Nom + QLatin1String(Corvanel::Suffixe_Plugin);
}

// A library built only for the tests.
inline QString Fixture(const QString &Nom)
{
    return Dossier_Build() + QStringLiteral("/fixtures/") + So(Nom);
}

// One of the plug-ins the program ships.
inline QString Plugin_Livre(const QString &Nom)
{
    return Dossier_Build() + QStringLiteral("/Plugin/") + So(Nom);
}

inline const QString Titre_Principal = QStringLiteral("Corvanel " CORVANEL_VERSION);
} // namespace Essai

#endif
