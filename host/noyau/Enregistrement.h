// Saving the picture or the mask through the save plug-in chosen in the dialog.
#ifndef CORVANEL_ENREGISTREMENT_H
#define CORVANEL_ENREGISTREMENT_H

#include "Plan.h"
#include "Registre.h"

#include <QString>
#include <cstdint>

namespace Corvanel
{
// Title shown when the chosen file type has no plug-in behind it.
inline constexpr const char *Message_Sans_Plugin = "Aucun plug-in d'enregistrement pour ce type.";

// Adds "." and the slot's extension when the whole path, folders included, holds no ".".
// A plug-in without an extension adds nothing: a lone dot is no extension.
QString Appliquer_Extention(const QString &Chemin, const Plug_Info &Slot);

// Each returns the main window's new title, or an empty text when the title stays as it is
// (a successful save). An empty slot is refused without loading anything. Chemin is the path
// after Appliquer_Extention; Nom is the picture name, passed to the plug-in in Windows-1252.
QString Enregistrer_Image(const Plug_Info &Slot, const QString &Chemin, const QString &Nom,
                          std::uint8_t Nombre_Couleur, const Plan &Plan_Image,
                          std::uint8_t Hauteur_Image, std::uint8_t Largeur_Image);
QString Enregistrer_Mask(const Plug_Info &Slot, const QString &Chemin, const QString &Nom,
                         const Plan &Plan_Mask, std::uint8_t Hauteur_Image,
                         std::uint8_t Largeur_Image);
} // namespace Corvanel

#endif
