// The load paths of plug-in libraries, from the file names the scan finds. The loading itself
// is in Chargeur.h; every call into a library goes through the helper program (Hote_Plugin.h).
#ifndef CORVANEL_BIBLIOTHEQUE_H
#define CORVANEL_BIBLIOTHEQUE_H

#include "Chargeur.h"

#include <QString>
#include <string>

namespace Corvanel
{
// The load path of a file of the Plugin folder under Dossier (empty: the current directory),
// in the platform's file-name encoding; empty when the file name is too long to be loaded.
std::string Chemin_Plugin(const QString &Fichier, const QString &Dossier = {});
// The same for a file of the folder Dossier_Plugins itself, whatever that folder is called.
std::string Chemin_Bibliotheque(const QString &Fichier, const QString &Dossier_Plugins);
} // namespace Corvanel

#endif
