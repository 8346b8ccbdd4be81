// Where the plug-ins and the help page are found. The current folder comes first, as it always
// has (a build folder, or a user's own set of plug-ins); otherwise the installed ones, found from
// the program's own folder so that an installation moved elsewhere still finds them.
#ifndef CORVANEL_EMPLACEMENTS_H
#define CORVANEL_EMPLACEMENTS_H

#include <QString>

namespace Corvanel
{
inline constexpr const char *Page_Aide_Locale = "Documentation/index.htm";

// The installed places for a program lying in Dossier_Programme
// (QCoreApplication::applicationDirPath()): clean absolute paths, existing or not.
QString Dossier_Plugins_Installe(const QString &Dossier_Programme);
// Where the installation puts the helper programs that Corvanel starts itself.
QString Dossier_Auxiliaires_Installe(const QString &Dossier_Programme);
QString Page_Aide_Installee(const QString &Dossier_Programme);

// The plug-in folder to scan: "Plugin" when the current folder holds one, else the installed
// folder when it exists, else "Plugin" again (nothing to scan, as before any installation).
QString Dossier_Plugins(const QString &Dossier_Programme);
// The help page to open, by the same rule: "Documentation/index.htm", else the installed page.
QString Page_Aide(const QString &Dossier_Programme);

// The line that tells which folder was scanned, with its absolute path.
QString Texte_Dossier_Plugins(const QString &Dossier);
} // namespace Corvanel

#endif
