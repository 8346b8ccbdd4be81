// A file's bytes read and written, and the calculator's cross compilers, for the tests of the
// core and of the plug-ins alike.
#ifndef CORVANEL_FICHIERS_ESSAI_H
#define CORVANEL_FICHIERS_ESSAI_H

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTest>

namespace Essai
{
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
} // namespace Essai

#endif
