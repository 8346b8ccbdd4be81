// Sprite and mask interleaved in C: at each element position the AND mask, then the
// planes. A host that knows only the picture form gets the sprite with every cell covered.
#include <Ecriture_Entrelacee.h>
#include <Metadonnees.h>

CORVANEL_PLUG_METADONNEES(Plug::Genre_Image | Plug::Genre_Image_Mask,
                          "Sprite + mask entrelac\xE9s (language C)", "1.0",
                          "Enregistrement de l'image et de son mask entrelac\xE9s au format C.",
                          "c")
CORVANEL_PLUG_SPRITE_MASK(Commun::Sprite_Mask_C)
