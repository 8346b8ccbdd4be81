// Writing the program's own save files: the picture alone (.cvl), or followed by its mask (.cvm).
#ifndef CORVANEL_ECRITURE_SAUVEGARDE_H
#define CORVANEL_ECRITURE_SAUVEGARDE_H

#include <cstdint>

namespace Commun
{
// Writes the file at chemin; with a mask plane, the mask follows the codes, 1 for each covered
// cell and 0 for the others. Returns 1 when the whole file reached the disk, 0 otherwise.
std::uint8_t Ecrire_Sauvegarde(const char *chemin, std::uint8_t couleurs,
                               const std::uint8_t *niveaux, const std::uint8_t *mask,
                               std::uint8_t hauteur, std::uint8_t largeur);
} // namespace Commun

#endif
