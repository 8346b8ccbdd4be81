#include "Emplacements.h"

#include "Bibliotheque.h"
#include "corvanel_installation.h"

#include <QDir>
#include <QFileInfo>

namespace Corvanel
{
namespace
{
QString Installe(const QString &Dossier_Programme, const char *Relatif)
{
    return QDir::cleanPath(QDir(Dossier_Programme).absoluteFilePath(QLatin1String(Relatif)));
}
} // namespace

QString Dossier_Plugins_Installe(const QString &Dossier_Programme)
{
    return Installe(Dossier_Programme, CORVANEL_RELATIF_PLUGINDIR);
}

QString Dossier_Auxiliaires_Installe(const QString &Dossier_Programme)
{
    return Installe(Dossier_Programme, CORVANEL_RELATIF_LIBEXECDIR);
}

QString Page_Aide_Installee(const QString &Dossier_Programme)
{
    return Installe(Dossier_Programme, CORVANEL_RELATIF_HELPDIR "/index.htm");
}

QString Dossier_Plugins(const QString &Dossier_Programme)
{
    const QString Local = QLatin1String(Dossier_Plugin);
    if (QFileInfo(Local).isDir())
        return Local;
    const QString Installe = Dossier_Plugins_Installe(Dossier_Programme);
    return QFileInfo(Installe).isDir() ? Installe : Local;
}

QString Page_Aide(const QString &Dossier_Programme)
{
    const QString Locale = QLatin1String(Page_Aide_Locale);
    if (QFileInfo(Locale).isFile())
        return Locale;
    const QString Installee = Page_Aide_Installee(Dossier_Programme);
    return QFileInfo(Installee).isFile() ? Installee : Locale;
}

QString Texte_Dossier_Plugins(const QString &Dossier)
{
    const QString Absolu = QDir::cleanPath(QDir::current().absoluteFilePath(Dossier));
    return QFileInfo(Absolu).isDir()
               ? QStringLiteral("Dossier des plug-ins : %1").arg(QDir::toNativeSeparators(Absolu))
               : QStringLiteral("Dossier des plug-ins absent : %1")
                     .arg(QDir::toNativeSeparators(Absolu));
}
} // namespace Corvanel
