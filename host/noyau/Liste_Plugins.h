// The plug-in list that both programs print for --lister-plugins.
#ifndef CORVANEL_LISTE_PLUGINS_H
#define CORVANEL_LISTE_PLUGINS_H

#include "Registre.h"

#include <QString>

namespace Corvanel
{
// The folder scanned first (see Texte_Dossier_Plugins), then one line per library, tab
// separated: file, kind, extension and the name shown in the save dialogs.
QString Lister_Plugins(const Resultat_Scan &Scan, const QString &Dossier);
} // namespace Corvanel

#endif
