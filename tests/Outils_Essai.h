// What several test programs need: the build folder, the shipped plug-ins and the test-only
// ones under the platform's library suffix, a file's bytes read and written, and the
// calculator's compilers.
#ifndef CORVANEL_OUTILS_ESSAI_H
#define CORVANEL_OUTILS_ESSAI_H

#include "Bibliotheque.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTest>

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

// The whole file; empty when it cannot be read.
inline QByteArray Lire(const QString &Chemin)
{
    QFile Fichier(Chemin);
    return Fichier.open(QIODevice::ReadOnly) ? Fichier.readAll() : QByteArray();
}

// The file holds exactly these bytes afterwards; the test fails when it cannot be written.
inline void Ecrire(const QString &Chemin, const QByteArray &Octets)
{
    QFile Fichier(Chemin);
    QVERIFY(Fichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(Fichier.write(Octets), Octets.size());
}

// Whether the 68000 cross assembler, or the C cross compiler, builds the file into <file>.o.
inline bool Construire_68000(const QString &Chemin, bool Assembleur)
{
    QProcess Outil;
    if (Assembleur)
        Outil.start(QStringLiteral("m68k-linux-gnu-as"), {"-M", Chemin, "-o", Chemin + ".o"});
    else
        Outil.start(QStringLiteral("m68k-linux-gnu-gcc"),
                    {"-m68000", "-mshort", "-c", Chemin, "-o", Chemin + ".o"});
    return Outil.waitForFinished() && Outil.exitStatus() == QProcess::NormalExit &&
           Outil.exitCode() == 0;
}

inline const QString Titre_Principal = QStringLiteral("Corvanel " CORVANEL_VERSION);
} // namespace Essai

#endif
