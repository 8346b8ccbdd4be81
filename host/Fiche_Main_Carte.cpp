// The picture saved as unique tiles and their map, from the page "Enregistrer".
#include "Fiche_Main.h"

#include "Carte_Tuiles.h"
#include "Document_Image.h"
#include "Enregistrement_Carte.h"

#include <QCheckBox>
#include <QSpinBox>

namespace Corvanel
{
void TFMain::Enregistrer_Carte(const Plug_Info &slot, const QString &chemin, const QString &nom,
                               const Options_Appel &attente)
{
    // The mask goes with the tiles to a plug-in that writes both, as with a single save.
    const Carte_De_Tuiles carte =
        Carte_Image(Document, {Largeur_Sprite->value(), Hauteur_Sprite->value()}, Prend_Mask(slot));
    Montrer_Carte(Corvanel::Enregistrer_Carte(carte, slot, std::nullopt, chemin, nom, attente,
                                              Compresser->isChecked()));
}
} // namespace Corvanel
