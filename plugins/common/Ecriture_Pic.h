// Pictures as the calculator stores them: PIC variables in a group file of the TI-89 or of the
// TI-92 Plus, one variable at 2 levels, a light and a dark one at 4 (and 8) levels. The file
// container is the link software's own library; only the variables' content is made here.
#ifndef CORVANEL_ECRITURE_PIC_H
#define CORVANEL_ECRITURE_PIC_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Commun
{
enum class Modele_Pic
{
    TI89,
    TI92_Plus,
};

// The variable name the picture name gives, before it is cut: lowered, only a-z, 0-9 and _
// kept, "pic" when nothing is left, a leading p when it does not start with a letter.
std::string Nom_Pic(std::string_view nom);
// A name the calculator keeps for a system variable (window, zoom, statistics, table,
// functions y1...): a picture stored under it would not reach the user.
bool Nom_Systeme(std::string_view nom);
// The variable's content: its byte count (big-endian, 16 bits), height, width, the rows from
// the top packed from the left, then the PIC tag. plan 0 is the light plane (levels 1 and 3),
// any other the dark one (levels 2 and 3); with 2 colours, the black pixels.
std::vector<std::uint8_t> Contenu_Pic(const std::uint8_t *niveaux, std::uint8_t plan,
                                      std::uint8_t couleurs, std::uint8_t hauteur,
                                      std::uint8_t largeur);
// The whole save. A picture the calculator cannot take leaves a short text saying why in the
// file, and 0.
std::uint8_t Enregistrer_Pic(Modele_Pic modele, const char *chemin, const char *nom,
                             std::uint8_t couleurs, const std::uint8_t *niveaux,
                             std::uint8_t hauteur, std::uint8_t largeur) noexcept;
} // namespace Commun

#endif
