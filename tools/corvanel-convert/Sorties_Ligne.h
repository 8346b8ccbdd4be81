// Where each input's outputs go, and the inputs whose outputs would collide.
#ifndef CORVANEL_SORTIES_LIGNE_H
#define CORVANEL_SORTIES_LIGNE_H

#include "Ligne_Commande.h"

#include <QStringList>
#include <optional>

class QCommandLineParser;

namespace Corvanel
{
// One job per input, with its output, mask and preview paths (--sortie, --apercu); a usage
// error when those options cannot serve the inputs given.
std::optional<Analyse> Preparer_Travaux(const QCommandLineParser &Parseur,
                                        const QStringList &Entrees, Lot &Lot_);
} // namespace Corvanel

#endif
