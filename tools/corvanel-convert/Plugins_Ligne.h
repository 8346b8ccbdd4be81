// The plug-in folder and the plug-ins that the command line names.
#ifndef CORVANEL_PLUGINS_LIGNE_H
#define CORVANEL_PLUGINS_LIGNE_H

#include "Ligne_Commande.h"

#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineParser;

namespace Corvanel
{
// --dossier-plugins, else Plugin in the current folder, beside the program, or installed; a
// usage error when the folder given does not exist.
std::optional<Analyse> Choisir_Dossier_Plugins(const QCommandLineParser &Parseur,
                                               const QString &Dossier_Programme, QString &Dossier);
// --lister-plugins, --plugin and --mask-plugin, looked up in Dossier into Lot_; the answer
// when the line ends here (the list, a usage error, an unusable library).
std::optional<Analyse> Choisir_Plugins(const QCommandLineParser &Parseur, const QString &Dossier,
                                       const QStringList &Entrees, Lot &Lot_);
} // namespace Corvanel

#endif
