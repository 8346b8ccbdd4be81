// Saving the picture or the mask through the save plug-in chosen in the dialog.
#ifndef CORVANEL_ENREGISTREMENT_H
#define CORVANEL_ENREGISTREMENT_H

#include "Hote_Plugin.h"
#include "Plan.h"
#include "Protocole_Plugin.h"
#include "Registre.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace Corvanel
{
// Title shown when the chosen file type has no plug-in behind it.
inline constexpr const char *Message_Sans_Plugin = "Aucun plug-in d'enregistrement pour ce type.";
// The mask's file is proposed under the picture's name with this in front.
inline constexpr const char *Prefixe_Mask = "Mask_";

// Adds "." and the slot's extension when the whole path, folders included, holds no ".".
// A plug-in without an extension adds nothing: a lone dot is no extension.
QString Appliquer_Extention(const QString &Chemin, const Plug_Info &Slot);

// What was saved: the picture, the mask, or both through one plug-in.
enum class Genre_Enregistrement
{
    Image,
    Mask,
    Image_Mask,
};

// The step at which a save stopped.
enum class Echec_Enregistrement
{
    Aucun,            // saved
    Sans_Plugin,      // the file type has no plug-in behind it
    Chargement,       // the library does not load
    Fonction_Absente, // the library has no save function of that kind
    Refus,            // the plug-in said it did not save
    Plantage,         // the plug-in crashed or stopped on its own
    Delai,            // the plug-in did not answer in time
    Arret,            // the user stopped it
    Fichier,          // the file that was there could not be kept safe or put back
    Compression,      // the output could not be packed; Detail says why
};

// A packed output: its bytes in the file, and once unpacked.
struct Tailles_Compression
{
    std::size_t Compresse = 0;
    std::size_t Decompresse = 0;
};

struct Resultat_Enregistrement
{
    Genre_Enregistrement Genre = Genre_Enregistrement::Image;
    Echec_Enregistrement Echec = Echec_Enregistrement::Aucun;
    std::string Fichier; // the plug-in's load path
    QString Chemin;      // the file written
    QString Detail;      // why, when there is more to say than the step
    QString Raison;      // a refusing plug-in's own words, lines joined by '\n'; often empty
    std::optional<Tailles_Compression> Compression; // the output was packed

    bool Reussi() const { return Echec == Echec_Enregistrement::Aucun; }
};

// The reason in the bytes a refusing plug-in left in its file: a short text, at most
// Protocole::Taille_Max_Raison bytes of printable Windows-1252 apart from line ends, with its
// line ends as '\n' and without the blanks around it. Anything else gives an empty text.
QString Raison_Plugin(std::string_view Octets);

// The main window's new title after a save, or an empty text when it stays as it is; a
// packed output gives its sizes.
QString Titre_Enregistrement(const Resultat_Enregistrement &Resultat);
// One sentence for the command line: which file, which plug-in, what went wrong, and last the
// plug-in's reason on the same line.
QString Message_Enregistrement(const Resultat_Enregistrement &Resultat);

// An empty slot is refused without loading anything. Chemin is the path after
// Appliquer_Extention; Nom is the picture name, passed to the plug-in in Windows-1252. The
// plug-in runs in the helper program, which receives copies of the planes: a crash or a hang
// costs the save, never the picture. A failed save leaves the file that was at Chemin as it
// was and nothing else (Garde_Fichier.h). Options: how long the call may take and when to stop.
Resultat_Enregistrement Enregistrer_Image(const Plug_Info &Slot, const QString &Chemin,
                                          const QString &Nom, std::uint8_t Nombre_Couleur,
                                          const Plan &Plan_Image, std::uint8_t Hauteur_Image,
                                          std::uint8_t Largeur_Image,
                                          const Options_Appel &Options = {});
Resultat_Enregistrement Enregistrer_Mask(const Plug_Info &Slot, const QString &Chemin,
                                         const QString &Nom, const Plan &Plan_Mask,
                                         std::uint8_t Hauteur_Image, std::uint8_t Largeur_Image,
                                         const Options_Appel &Options = {});
// Both planes through one plug-in of the picture-and-mask kind (Plug_Enregistrement_Go_Mask).
Resultat_Enregistrement Enregistrer_Image_Mask(const Plug_Info &Slot, const QString &Chemin,
                                               const QString &Nom, std::uint8_t Nombre_Couleur,
                                               const Plan &Plan_Image, const Plan &Plan_Mask,
                                               std::uint8_t Hauteur_Image,
                                               std::uint8_t Largeur_Image,
                                               const Options_Appel &Options = {});

// Many sprites through one plug-in, each saved exactly as a single save of it would be, and
// its bytes handed back instead of left in a file: the library is loaded once for the lot and
// the planes travel with only their sprite's points. Meant for sprite sheets.
class Lot_Enregistrement
{
public:
    // Brouillon: a path in a private folder where each sprite is written and read back.
    Lot_Enregistrement(const Plug_Info &Slot, Genre_Enregistrement Genre, QString Brouillon);

    // The planes a Genre does not use are not read.
    void Ajouter(const QString &Nom, std::uint8_t Nombre_Couleur, const Plan &Plan_Image,
                 const Plan &Plan_Mask, std::uint8_t Hauteur_Image, std::uint8_t Largeur_Image);
    bool Vide() const { return Nombre == 0; }
    // Enough sprites to be worth a call; a lot stays well within one frame either way.
    bool Plein() const;

    // Hands the sprites added since the last call to Hote, so that the next ones can be
    // added while the plug-in works on these; Recevoir waits for them and appends the bytes of
    // each to Octets. On a failure nothing is appended; the result says what stopped it.
    // Options.Delai counts for each sprite.
    void Expedier(Hote_Plugin &Hote);
    Resultat_Enregistrement Recevoir(Hote_Plugin &Hote, const Options_Appel &Options,
                                     std::vector<QByteArray> &Octets);

private:
    void Commencer();

    Plug_Info Slot_;
    Genre_Enregistrement Genre_;
    QString Brouillon_;
    Protocole::Ecriture Requete_;
    int Nombre = 0;
    std::size_t Points = 0;
    int Expedies = -1; // sprites of the request Hote works on; -1 when none
};
} // namespace Corvanel

#endif
