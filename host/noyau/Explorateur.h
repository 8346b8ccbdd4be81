// What the plug-in explorer shows about a library, and starting an application plug-in. Both go
// through the helper program, like every call into a library.
#ifndef CORVANEL_EXPLORATEUR_H
#define CORVANEL_EXPLORATEUR_H

#include "Hote_Plugin.h"
#include "Plan.h"
#include "Registre.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

namespace Corvanel
{
inline constexpr const char *Texte_Incompatible = "Plug-in non compatible avec Corvanel 3.0.";

// The description box's lines for the library at Chemin (a load path, see Chemin_Plugin):
// its details, or the incompatibility line when it does not load or has no name, followed by
// why when it crashed or gave no answer.
QStringList Details_Plugin(const std::string &Chemin);
// The same for a line of the explorer, followed by the kind the scan read: a library whose
// examination at start-up failed is not called again, its lines say what happened then.
QStringList Details_Plugin(const Entree_Plug &Entree, const std::string &Chemin);

// Kinds 16, 32 and 64 enable "Démarrer".
bool Demarrer_Possible(std::int32_t Fonction);

struct Resultat_Demarrage
{
    bool Lance = false; // Plug_App_Go ran to its end
    QString Message;    // the explorer's new title; empty leaves the title as it is
    QString Detail;     // why the call ended without an answer, when it did
};

// Only kind 16 starts anything. The plug-in works on a copy of the picture plane, which comes
// back into Plan_Image only when it reports success: a failure or a crash leaves the picture
// as it was.
Resultat_Demarrage Demarrer_Plugin(const Entree_Plug &Entree, std::uint8_t Nombre_Couleur,
                                   Plan &Plan_Image, std::uint8_t Hauteur_Image,
                                   std::uint8_t Largeur_Image, const Options_Appel &Options = {});
} // namespace Corvanel

#endif
