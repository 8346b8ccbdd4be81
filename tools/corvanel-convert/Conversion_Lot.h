// Converting and saving each input, as the windows' open and save commands do, on all cores.
#ifndef CORVANEL_CONVERSION_LOT_H
#define CORVANEL_CONVERSION_LOT_H

#include "Carte_Tuiles.h"
#include "Conversion.h"
#include "Decoupage.h"
#include "Registre.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace Corvanel
{
inline constexpr std::chrono::milliseconds Delai_Plugin_Defaut{60'000};

// The choices of the windows' pages, for a picture read from a file.
struct Choix_Conversion
{
    int Largeur = 160;
    int Hauteur = 100;
    bool Adapter = true;
    std::uint8_t Nombre_Couleur = 4;
    int Lumiere = 0;   // presses of "+" (positive) or "-" (negative)
    int Contraste = 0; // the same for "Contraste", pressed after the light
    Mode_Echantillonnage Echantillonnage = Mode_Echantillonnage::Point;
    Mode_Teinte Teinte = Mode_Teinte::Valeur_Couleur;
    Mode_Tramage Tramage = Mode_Tramage::Aucun;
    bool Proportions = false;
    bool Equilibrer = false; // "Équilibrer", pressed before the light and contrast
    std::vector<Couleur_Fixee> Palette;
};

// One input and where it goes; Erreur set beforehand means the input is not converted.
struct Travail
{
    QString Entree;
    QString Nom;
    bool Nom_Donne = false; // --nom: otherwise a name read from the input wins
    QString Chemin_Image;
    QString Chemin_Mask;   // empty without a mask plug-in
    QString Chemin_Apercu; // the converted picture as a PNG; empty when not asked
    QString Erreur;
};

struct Lot
{
    Choix_Conversion Choix;
    Plug_Info Plug_Image;
    std::optional<Plug_Info> Plug_Mask;
    // The background level of the automatic mask; by default white, or the transparency for
    // an input that has some.
    std::optional<std::uint8_t> Fond;
    // A save that takes longer is stopped and its input fails: no honest save comes near.
    std::chrono::milliseconds Delai_Plugin{Delai_Plugin_Defaut};
    std::vector<Travail> Travaux;
    int Taches = 1;
    // A sprite sheet: the converted picture cut into cells, or with Decouper_Source the source
    // itself, each cell taken one pixel per pixel.
    std::optional<Grille_Sprites> Grille;
    bool Decouper_Source = false;
    // Every frame of an animation, one after another in the output as a sheet's cells.
    bool Images = false;
    // Every output's arrays packed into one that the calculator unpacks.
    bool Compresser = false;
    // A tile map of the source itself, one pixel per point, in tiles of that size.
    std::optional<Taille_Tuile> Carte;
    int Zoom_Apercu = 1; // each point of the preview in so many pixels square
};

// What became of one input: the reason it failed, or what was written when there is more to
// say than success.
struct Bilan_Travail
{
    QString Erreur;
    QString Message;
};

// The input's base name as a C identifier: other characters become '_', a leading digit gets
// a '_' in front, and an empty name gives "Image", the windows' default.
QString Identifiant_C(const QString &Base);

// Converts and saves one input.
Bilan_Travail Convertir_Travail(const Lot &Lot_, const Travail &Travail_);

// The mask is written by the mask plug-in, or with the picture by a picture-and-mask one.
bool Besoin_Mask(const Lot &Lot_);
// "« <chemin> » : n sprite(s) écrit(s), m ignoré(s)".
QString Bilan_Planche(const QString &Chemin, const Resultat_Planche &Planche);

// Every input on up to Lot_.Taches threads; one result per input, in input order.
std::vector<Bilan_Travail> Convertir_Lot(const Lot &Lot_);
} // namespace Corvanel

#endif
