// The contract between Corvanel and its plug-in libraries.
//
// A plug-in is a shared library that exports plain C functions under fixed names. The host
// loads it for one use, looks the functions up (plain name first, then with a leading
// underscore where the host allows it), calls them and frees the library at once, so a
// plug-in keeps no state between calls. Texts are NUL-terminated Windows-1252 strings owned
// by the plug-in; the file path is in the platform's own file-name encoding.
//
// Planes are 240 columns of 128 bytes: pixel (x, y) is byte x * 128 + y.
#ifndef CORVANEL_PLUG_CONTRAT_H
#define CORVANEL_PLUG_CONTRAT_H

#include <cstdint>

#if defined(_WIN32)
#define PLUG_EXPORT extern "C" __declspec(dllexport)
#else
#define PLUG_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace Plug
{
// Bits and values of Plug_Fonction.
inline constexpr std::uint8_t Genre_Image = 1; // picture save (bit)
// Picture and mask save (bit): offered in the picture save dialog, called through
// Plug_Enregistrement_Go_Mask with both planes. A host that does not know this bit sees only
// the others, so a library that sets bits 1 and 2 and exports both functions works with every
// host: an older one calls Plug_Enregistrement_Go with the picture alone, and the library
// decides what that writes (the shipped ones write the sprite with every cell covered). A
// library with bit 2 but not bit 1 is not offered by an older host at all. A host that knows
// the bit lists such a library once and calls Plug_Enregistrement_Go_Mask; it falls back to
// Plug_Enregistrement_Go only when bit 1 is set too and the mask export is missing.
inline constexpr std::uint8_t Genre_Image_Mask = 2;
inline constexpr std::uint8_t Genre_Mask = 4;         // mask save (bit)
inline constexpr std::uint8_t Genre_Application = 16; // exactly 16: Plug_App_Go
inline constexpr std::uint8_t Genre_Reserve_32 = 32;  // exactly 32 or 64: start enabled, no action
inline constexpr std::uint8_t Genre_Reserve_64 = 64;

inline constexpr int Colonnes = 240;
inline constexpr int Lignes = 128;
inline constexpr int Taille_Plan = Colonnes * Lignes; // 30720
} // namespace Plug

extern "C"
{
    // Plug_Fonction: the kind value.
    typedef std::uint8_t (*Plug_Fonction_Type)();
    // Plug_Nom, Plug_Version, Plug_Auteur, Plug_Mail, Plug_Site, Plug_Description,
    // Plug_Enregistrement_Extention: constant texts.
    typedef const char *(*Plug_Texte_Type)();
    // Plug_Enregistrement_Go, picture form (kind bit 1).
    typedef std::uint8_t (*Plug_Enregistrement_Image_Type)(const char *chemin, const char *nom,
                                                           std::uint8_t couleurs,
                                                           const std::uint8_t *niveaux,
                                                           std::uint8_t hauteur,
                                                           std::uint8_t largeur);
    // Plug_Enregistrement_Go_Mask (kind bit 2): the picture and its mask in one file. The
    // arguments are those of the picture form with the mask plane before the size; the mask
    // plane has the picture plane's layout, 1 where the cell is covered. Both planes stay the
    // host's. Returns 1 when the file was written, 0 otherwise.
    typedef std::uint8_t (*Plug_Enregistrement_Image_Mask_Type)(
        const char *chemin, const char *nom, std::uint8_t couleurs, const std::uint8_t *niveaux,
        const std::uint8_t *mask, std::uint8_t hauteur, std::uint8_t largeur);
    // Plug_Enregistrement_Go, mask form (kind bit 4).
    typedef std::uint8_t (*Plug_Enregistrement_Mask_Type)(const char *chemin, const char *nom,
                                                          const std::uint8_t *mask,
                                                          std::uint8_t hauteur,
                                                          std::uint8_t largeur);
    // Plug_App_Go (kind 16): the application plug-in may change the picture plane; the host
    // keeps the change when it returns non-zero.
    typedef std::uint8_t (*Plug_App_Go_Type)(std::uint8_t couleurs, std::uint8_t *niveaux,
                                             std::uint8_t hauteur, std::uint8_t largeur);
    // Plug_Enregistrement_Mode: never asked for by the host.
    typedef std::uint8_t (*Plug_Enregistrement_Mode_Type)();
}

#endif
