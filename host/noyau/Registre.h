// The plug-ins found in the Plugin folder at start-up, and the save dialogs' file types.
#ifndef CORVANEL_REGISTRE_H
#define CORVANEL_REGISTRE_H

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Corvanel
{
inline constexpr std::size_t Capacite_Plug_Image = 50;
inline constexpr std::size_t Capacite_Plug_Mask = 5;
inline constexpr std::size_t Capacite_Liste_Plug = 50;
inline constexpr std::size_t Longueur_Max_Nom = 199;     // a 200-byte field
inline constexpr std::size_t Longueur_Max_Extention = 3; // a 4-byte field

// A save plug-in's slot. Nom and Extention are the plug-in's own Windows-1252 bytes;
// Fichier is the load path in the platform's file-name encoding. Fonction is the kind the
// library gave: a picture slot whose kind has the picture-and-mask bit saves both planes.
struct Plug_Info
{
    std::string Fichier;
    std::string Nom;
    std::string Extention;
    std::uint8_t Fonction = 0;
};

// A picture slot that takes the mask too.
bool Prend_Mask(const Plug_Info &Slot);
// The kind in words, as the explorer and the plug-in list show it: "image", "image et mask",
// "mask", "image+mask" (both dialogs), "application", "aucun" or "genre N".
QString Nom_Genre(std::int32_t Fonction);

// What became of a library's examination at start-up, when it gave no answer.
enum class Echec_Examen : std::uint8_t
{
    Aucun,
    Plantage,  // it crashed
    Arret,     // it aborted or ended the process itself
    Delai,     // it did not answer in time
    Sans_Hote, // the helper program could not be started
};

// One line of the explorer: an empty path and kind 0 when the library gave no kind. A library
// whose examination failed keeps its path, kind 0, and why in Echec and Detail (UTF-8).
struct Entree_Plug
{
    std::string Fichier;
    std::int32_t Fonction = 0;
    Echec_Examen Echec = Echec_Examen::Aucun;
    std::string Detail;
};

struct Resultat_Scan
{
    std::array<Plug_Info, Capacite_Plug_Image> Liste_Plug_Image{};
    std::uint8_t Nombre_Plug_Image = 0;
    std::array<Plug_Info, Capacite_Plug_Mask> Liste_Plug_Mask{};
    std::uint8_t Nombre_Plug_Mask = 0;

    // File names as shown in the explorer; line i goes with Table_Plug[i].
    std::vector<QString> ListePlug;
    std::array<Entree_Plug, Capacite_Liste_Plug> Table_Plug{};

    // What the scan left out, so that it is not lost silently: library files beyond the
    // explorer's 50 lines (not listed, not loaded), and save plug-ins listed but not offered
    // (no extension export, or their table was full).
    std::vector<QString> Fichiers_Non_Listes;
    std::vector<QString> Plug_Non_Offerts;
};

// Scans "Plugin" under Dossier (empty: the current directory). Files are taken in file-name
// order so that two runs over the same folder give the same tables. Each library is examined
// in the helper program, one helper for the whole scan: a library that crashes or gives no
// answer within Delai_Examen is listed with why, offered nowhere, and the scan goes on with a
// new helper.
Resultat_Scan Scanner_Plugins(const QString &Dossier = {});
// The same scan of the libraries held by Dossier_Plugins itself; the load paths begin with it.
Resultat_Scan Scanner_Dossier_Plugins(const QString &Dossier_Plugins);
// The same for library files named one by one (paths in the file-name encoding as given).
Resultat_Scan Scanner_Fichiers_Plugins(const QStringList &Fichiers);

// "Nom|*.ext|Nom|*.ext", one entry per filled slot in slot order; empty with no slot.
QString Filtre_Image(const Resultat_Scan &Scan);
QString Filtre_Mask(const Resultat_Scan &Scan);

// The picture dialog's default extension: slot 0's, or empty with no picture plug-in.
QString Extention_Defaut_Image(const Resultat_Scan &Scan);

// The slot chosen by the dialog's file type (counted from 1); an empty record when the type
// designates no filled slot.
const Plug_Info &Slot_Image(const Resultat_Scan &Scan, int Type_Fichier);
const Plug_Info &Slot_Mask(const Resultat_Scan &Scan, int Type_Fichier);
} // namespace Corvanel

#endif
