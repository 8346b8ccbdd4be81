// The interleaved layouts: at every element position of every row, from the top, an AND-mask
// element and/or the picture's planes, one after the other, in C or in 68000 assembler, with
// the size beside the data so that a program (or Corvanel) can read it back.
#ifndef CORVANEL_ECRITURE_ENTRELACEE_H
#define CORVANEL_ECRITURE_ENTRELACEE_H

#include <Plug_Contrat.h>

#include <cstdint>
#include <string_view>

namespace Commun
{
enum class Langage
{
    C,
    Assembleur,
};

struct Disposition
{
    std::string_view Suffixe; // of the data's name after the picture name
    Langage Langage_Source;
    bool Mask;  // an AND-mask element first
    bool Image; // then plane 0, and plane 1 unless the picture has 2 colours
};

inline constexpr Disposition Sprite_Entrelace_Asm{"_Entrelace", Langage::Assembleur, false, true};
inline constexpr Disposition Sprite_Mask_C{"_Entrelace_Mask", Langage::C, true, true};
inline constexpr Disposition Sprite_Mask_Asm{"_Entrelace_Mask", Langage::Assembleur, true, true};
inline constexpr Disposition Mask_ET_C{"_Mask_ET", Langage::C, true, false};
inline constexpr Disposition Mask_ET_Asm{"_Mask_ET", Langage::Assembleur, true, false};

// One save of that layout. With a mask, the planes are clear wherever it lets the background
// show, whatever level the picture holds there. Without a mask (a host that only knows the
// picture form) every cell counts as covered, so the sprite is drawn whole. Elements take 8,
// 16 or 32 bits by the width, as the GenLib array does.
std::uint8_t Enregistrer_Entrelace(const Disposition &disposition, const char *chemin,
                                   const char *nom, std::uint8_t couleurs,
                                   const std::uint8_t *niveaux, const std::uint8_t *mask,
                                   std::uint8_t hauteur, std::uint8_t largeur) noexcept;
} // namespace Commun

// The two save exports of a picture-and-mask library: the host that knows the kind gives the
// mask, an older one only the picture.
#define CORVANEL_PLUG_SPRITE_MASK(DISPOSITION)                                                     \
    PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(                                               \
        const char *chemin, const char *nom, std::uint8_t couleurs, const std::uint8_t *niveaux,   \
        std::uint8_t hauteur, std::uint8_t largeur)                                                \
    {                                                                                              \
        return Commun::Enregistrer_Entrelace(DISPOSITION, chemin, nom, couleurs, niveaux, nullptr, \
                                             hauteur, largeur);                                    \
    }                                                                                              \
    PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go_Mask(                                          \
        const char *chemin, const char *nom, std::uint8_t couleurs, const std::uint8_t *niveaux,   \
        const std::uint8_t *mask, std::uint8_t hauteur, std::uint8_t largeur)                      \
    {                                                                                              \
        return mask ? Commun::Enregistrer_Entrelace(DISPOSITION, chemin, nom, couleurs, niveaux,   \
                                                    mask, hauteur, largeur)                        \
                    : 0;                                                                           \
    }

#endif
