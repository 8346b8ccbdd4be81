// What the command line's parts answer with: a usage error, a failure, a text to print; and
// the small readings they share.
#ifndef CORVANEL_REPONSES_LIGNE_H
#define CORVANEL_REPONSES_LIGNE_H

#include "Ligne_Commande.h"

#include <QString>

namespace Corvanel
{
inline const QString Programme_Convert = QStringLiteral("corvanel-convert");

// The message, then the hint to read the help; status 2.
Analyse Erreur_Usage(const QString &Message);
// A failure that is not the user's spelling (a library that cannot be used); status 1.
Analyse Echec(const QString &Message);
// A text for standard output and success: the help, the version, the plug-in list.
Analyse Reponse(const QString &Texte);

bool Lire_Entier(const QString &Texte, int &Valeur);
QString Joindre(const QString &Dossier, const QString &Nom);
} // namespace Corvanel

#endif
