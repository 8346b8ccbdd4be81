// What the host and its helper program say to each other over the helper's standard input and
// output. Plain C++: both ends build it.
//
// Each request and each reply is one frame: the body's length on 32 bits (in the machine's own
// order: both ends run on one machine), then the body. A request's body starts with its
// operation, a reply's with its state; then come the fields in a fixed order: bytes as they
// are, texts as a 32-bit length and their bytes, optional texts with a presence byte first,
// planes as their 30720 bytes. The helper answers the requests one by one, in order, until
// its input closes.
#ifndef CORVANEL_PROTOCOLE_PLUGIN_H
#define CORVANEL_PROTOCOLE_PLUGIN_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Corvanel::Protocole
{
// Well above any honest frame (two planes and a few texts), far below what would hurt.
inline constexpr std::uint32_t Taille_Max_Trame = 16u << 20;
// A plug-in that refuses a save may leave a short text in its file: the reason it gives.
inline constexpr std::size_t Taille_Max_Raison = 512;

enum class Operation : std::uint8_t
{
    // library -> kind and, for a save kind, extension and name
    Examiner = 1,
    // library -> the explorer's six texts
    Details = 2,
    // library, path, name, colour count, picture, height, width -> result
    Enregistrer_Image = 3,
    // library, path, name, mask, height, width -> result
    Enregistrer_Mask = 4,
    // library, path, name, colour count, picture, mask, height, width -> result
    Enregistrer_Image_Mask = 5,
    // library, colour count, picture, height, width -> result, then the picture on success
    Demarrer = 6,
    // library, the single save's operation (3, 4 or 5), scratch path, then sprites to the end
    // of the body: name, colour count, height, width, the picture's points (not for a mask
    // save), the mask's points (for a mask or picture-and-mask save) -> for each sprite in
    // order up to the first one refused, its result and, saved, the scratch file's bytes as an
    // optional text (absent when the file could not be read back); the refused one's result is
    // followed by the scratch file's bytes as an optional text too, absent when there are
    // more than Taille_Max_Raison
    Enregistrer_Lot = 7,
};

enum class Etat : std::uint8_t
{
    Fait = 0,             // the call was made: its fields follow
    Non_Chargee = 1,      // the library does not load
    Fonction_Absente = 2, // the library lacks the operation's function
    Requete_Invalide = 3, // the request could not be read
};

class Ecriture
{
public:
    explicit Ecriture(std::uint8_t Tete) { Corps.push_back(static_cast<char>(Tete)); }
    explicit Ecriture(Operation Op) : Ecriture(static_cast<std::uint8_t>(Op)) {}
    explicit Ecriture(Etat E) : Ecriture(static_cast<std::uint8_t>(E)) {}

    Ecriture &Octet(std::uint8_t Valeur);
    Ecriture &Texte(std::string_view Valeur);
    Ecriture &Texte_Optionnel(const std::optional<std::string> &Valeur);
    Ecriture &Plan(const std::uint8_t *Plan);
    // Only the picture's own points of a plane, column by column: Largeur x Hauteur bytes.
    Ecriture &Points(const std::uint8_t *Plan, std::uint8_t Hauteur, std::uint8_t Largeur);
    std::size_t Taille() const { return Corps.size(); }

    // The frame: length and body.
    std::string Trame() const;

private:
    std::string Corps;
};

// Reads a body field by field. A field missing or cut short makes it invalid for good and reads
// as zeros and empty texts, so a reader checks Valide() once, at the end.
class Lecture
{
public:
    explicit Lecture(std::string_view Corps) : Reste(Corps) {}

    std::uint8_t Octet();
    std::string Texte();
    std::optional<std::string> Texte_Optionnel();
    void Plan(std::uint8_t *Plan);
    // The points Ecriture::Points wrote, into a plane whose other bytes stay as they are.
    void Points(std::uint8_t *Plan, std::uint8_t Hauteur, std::uint8_t Largeur);
    // Every field so far was there.
    bool Intacte() const { return Ok; }
    // Nothing left to read (or the body went bad).
    bool Fin() const { return !Ok || Reste.empty(); }

    // Valid, and nothing left over.
    bool Valide() const { return Ok && Reste.empty(); }

private:
    bool Prendre(std::size_t Taille, std::string_view &Morceau);
    std::string_view Reste;
    bool Ok = true;
};

// The body length read from the first four bytes of a frame.
std::uint32_t Lire_Longueur(const char *Quatre_Octets);
} // namespace Corvanel::Protocole

#endif
