// The command line of corvanel-convert: options, plug-in choice and where each output goes.
#ifndef CORVANEL_LIGNE_COMMANDE_H
#define CORVANEL_LIGNE_COMMANDE_H

#include "Conversion_Lot.h"

#include <QString>
#include <QStringList>

namespace Corvanel
{
inline constexpr int Statut_Conversion = -1; // nothing said yet: convert the lot
inline constexpr int Statut_Succes = 0;
inline constexpr int Statut_Echec = 1;
inline constexpr int Statut_Usage = 2;

struct Analyse
{
    int Statut = Statut_Conversion;
    QString Sortie; // for standard output: help, version, plug-in list
    QString Erreur; // for standard error, with a usage error
    Lot Lot_;
};

// Arguments include the program's name first, as QCoreApplication::arguments() gives them.
// Dossier_Programme is where the program lies: plug-ins are searched beside it, then in the
// installation seen from it.
Analyse Analyser_Ligne(const QStringList &Arguments, const QString &Dossier_Programme);
} // namespace Corvanel

#endif
