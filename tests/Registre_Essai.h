// What the tests of the plug-in host without windows share: a temporary folder of their own,
// current while each test runs, with a Plugin folder filled with real libraries.
#ifndef CORVANEL_REGISTRE_ESSAI_H
#define CORVANEL_REGISTRE_ESSAI_H

#include "Outils_Essai.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace Essai
{
// A second base of the test class: Entrer from its init, Quitter from its cleanup.
class Dossier_Plugin
{
protected:
    std::unique_ptr<QTemporaryDir> Temporaire;
    QString Ancien_Dossier;

    void Entrer()
    {
        Temporaire = std::make_unique<QTemporaryDir>();
        QVERIFY(Temporaire->isValid());
        Ancien_Dossier = QDir::currentPath();
        QVERIFY(QDir::setCurrent(Temporaire->path()));
        QVERIFY(QDir().mkdir(QStringLiteral("Plugin")));
    }

    void Quitter()
    {
        QDir::setCurrent(Ancien_Dossier);
        Temporaire.reset();
        qunsetenv("CORVANEL_ESSAI_RESULTAT");
        qunsetenv("CORVANEL_ESSAI_TRACE");
    }

    // Copies a library into the test's Plugin folder under the name Nom + suffix.
    void Poser(const QString &Source, const QString &Nom)
    {
        QVERIFY2(QFile::exists(Source), qPrintable(Source));
        QVERIFY(QFile::copy(Source, QStringLiteral("Plugin/") + So(Nom)));
    }
};
} // namespace Essai

#endif
