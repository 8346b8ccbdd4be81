// What the plug-in explorer shows about a library, and starting an application plug-in.
#ifndef CORVANEL_EXPLORATEUR_H
#define CORVANEL_EXPLORATEUR_H

#include "Plan.h"
#include "Registre.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

namespace Corvanel
{
// The description box's lines for the library at Chemin (a load path, see Chemin_Plugin):
// its details, or the single incompatibility line when it does not load or has no name.
QStringList Details_Plugin(const std::string &Chemin);

// Kinds 16, 32 and 64 enable "Démarrer".
bool Demarrer_Possible(std::int32_t Fonction);

struct Resultat_Demarrage
{
    bool Lance = false; // Plug_App_Go ran: the picture may have changed.
    QString Message;    // the explorer's new title; empty leaves the title as it is
};

// Only kind 16 starts anything; the plug-in receives the picture plane itself.
Resultat_Demarrage Demarrer_Plugin(const Entree_Plug &Entree, std::uint8_t Nombre_Couleur,
                                   Plan &Plan_Image, std::uint8_t Hauteur_Image,
                                   std::uint8_t Largeur_Image);
} // namespace Corvanel

#endif
