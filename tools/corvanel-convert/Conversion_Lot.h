// Converting and saving each input, as the windows' open and save commands do, on all cores.
#ifndef CORVANEL_CONVERSION_LOT_H
#define CORVANEL_CONVERSION_LOT_H

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
};

// One input and where it goes; Erreur set beforehand means the input is not converted.
struct Travail
{
    QString Entree;
    QString Nom;
    QString Chemin_Image;
    QString Chemin_Mask; // empty without a mask plug-in
    QString Erreur;
};

struct Lot
{
    Choix_Conversion Choix;
    Plug_Info Plug_Image;
    std::optional<Plug_Info> Plug_Mask;
    std::uint8_t Fond = 0; // the background level of the automatic mask
    // A save that takes longer is stopped and its input fails: no honest save comes near.
    std::chrono::milliseconds Delai_Plugin{Delai_Plugin_Defaut};
    std::vector<Travail> Travaux;
    int Taches = 1;
};

// The input's base name as a C identifier: other characters become '_', a leading digit gets
// a '_' in front, and an empty name gives "Image", the windows' default.
QString Identifiant_C(const QString &Base);

// Converts and saves one input; the French reason on failure, empty on success.
QString Convertir_Travail(const Lot &Lot_, const Travail &Travail_);

// Every input on up to Lot_.Taches threads; one reason per input, in input order.
std::vector<QString> Convertir_Lot(const Lot &Lot_);
} // namespace Corvanel

#endif
