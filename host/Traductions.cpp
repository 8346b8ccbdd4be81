#include "Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Corvanel
{
bool Charger_Traductions(QCoreApplication &Application)
{
    auto *Traducteur = new QTranslator(&Application);
    if (!Traducteur->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    {
        delete Traducteur;
        return false;
    }
    return QCoreApplication::installTranslator(Traducteur);
}
} // namespace Corvanel
