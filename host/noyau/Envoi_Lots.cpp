#include "Envoi_Lots.h"

#include "Hote_Plugin.h"

#include <utility>
#include <vector>

namespace Corvanel
{
Envoi_Lots::Envoi_Lots(const Plug_Info &Slot, Genre_Enregistrement Genre, const QString &Brouillon,
                       const Options_Appel &Options, Reception Recevoir)
    : Options_(Options), Lot(Slot, Genre, Brouillon), Recevoir_(std::move(Recevoir))
{
    Options_.Hote->Preparer();
}

bool Envoi_Lots::Ajouter(const QString &Nom, std::uint8_t Nombre_Couleur, const Plan &Plan_Image,
                         const Plan &Plan_Mask, std::uint8_t Hauteur_Image,
                         std::uint8_t Largeur_Image)
{
    Lot.Ajouter(Nom, Nombre_Couleur, Plan_Image, Plan_Mask, Hauteur_Image, Largeur_Image);
    return !Lot.Plein() || Expedier();
}

bool Envoi_Lots::Terminer()
{
    return (Lot.Vide() || Expedier()) && Recevoir();
}

// The lot before is received first: the helper works on one request at a time.
bool Envoi_Lots::Expedier()
{
    if (!Recevoir())
        return false;
    Lot.Expedier(*Options_.Hote);
    return true;
}

bool Envoi_Lots::Recevoir()
{
    std::vector<QByteArray> Octets;
    Resultat_ = Lot.Recevoir(*Options_.Hote, Options_, Octets);
    if (!Resultat_.Reussi())
        return false;
    for (QByteArray &Sortie : Octets)
        if (!Recevoir_(Recus++, std::move(Sortie)))
            return false;
    return true;
}
} // namespace Corvanel
