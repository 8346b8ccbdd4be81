// Many sprites through one plug-in in lots, as a sheet or the tiles of a map are saved: while
// the plug-in writes one lot, the next one is made.
#ifndef CORVANEL_ENVOI_LOTS_H
#define CORVANEL_ENVOI_LOTS_H

#include "Enregistrement.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace Corvanel
{
class Envoi_Lots
{
public:
    // Each sprite's bytes, numbered from 0 in the order the sprites were added; false stops
    // the sending.
    using Reception = std::function<bool(int Numero, QByteArray &&Octets)>;

    // Options.Hote is the helper the lots go through; it is started at once and must outlive
    // the sending. Brouillon: a path in a private folder, as Lot_Enregistrement takes it.
    Envoi_Lots(const Plug_Info &Slot, Genre_Enregistrement Genre, const QString &Brouillon,
               const Options_Appel &Options, Reception Recevoir);

    // False once a lot has failed or Recevoir has refused: nothing more is sent.
    bool Ajouter(const QString &Nom, std::uint8_t Nombre_Couleur, const Plan &Plan_Image,
                 const Plan &Plan_Mask, std::uint8_t Hauteur_Image, std::uint8_t Largeur_Image);
    // Sends what is left and waits for every sprite; false as above.
    bool Terminer();

    // The failure of the plug-in's last call, or a success.
    const Resultat_Enregistrement &Resultat() const { return Resultat_; }

private:
    bool Expedier();
    bool Recevoir();

    Options_Appel Options_;
    Lot_Enregistrement Lot;
    Reception Recevoir_;
    Resultat_Enregistrement Resultat_;
    int Recus = 0;
};
} // namespace Corvanel

#endif
