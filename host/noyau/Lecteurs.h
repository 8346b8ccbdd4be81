// The kinds of file a picture is opened from, in the order of the open dialog's file types,
// each with the reader that fills the document from it.
#ifndef CORVANEL_LECTEURS_H
#define CORVANEL_LECTEURS_H

#include <QString>
#include <optional>
#include <span>

namespace Corvanel
{
class Document_Image;

// For the two picture types the file's content chooses the decoder, whichever was shown; save
// files and sprite source carry no signature and are read as their type says.
enum class Genre_Fichier
{
    Bitmap = 1,             // Windows bitmaps
    Sauvegarde = 2,         // the program's own save file, taken as it stands
    Autres_Images = 3,      // PNG, GIF, JPEG
    Source_Sprite = 4,      // C or assembler source of a sprite, as the export plug-ins write it
    Sauvegarde_Mask = 5,    // the save file followed by the mask, taken as it stands
    Image_Calculatrice = 6, // PIC variables in a TI-89 or TI-92 Plus file
};

enum class Etat_Ouverture
{
    Ok,
    Non_Ouvert, // the file could not be opened; Message says why
    Refuse,     // the file was read and refused; Message says why
};

// Anything but Ok leaves the document as it was.
struct Resultat_Ouverture
{
    Etat_Ouverture Etat = Etat_Ouverture::Ok;
    QString Message;                  // why, for anything but Ok
    bool Page_Lumiere = true;         // the light page applies: the picture can be converted again
    std::optional<QString> Nom_Image; // the picture name the file carries
    bool Mask_Lu = false;             // the file's mask is in the document: keep it
};

struct Lecteur
{
    Genre_Fichier Genre;
    const char *Description; // UTF-8, as the dialog shows it
    const char *Motifs;      // "*.a;*.b"
    Resultat_Ouverture (*Lire)(Document_Image &Document, const QString &Chemin);
};

std::span<const Lecteur> Lecteurs();
// The open dialog's filter, "Description|*.a;*.b|...", one file type per reader.
QString Filtre_Ouverture();
// The reader of the dialog's file type, counted from 1; an unknown type reads by content.
const Lecteur &Lecteur_Du_Type(int Type);
const Lecteur &Lecteur_Du_Genre(Genre_Fichier Genre);
// The reader of a file given by its path alone (the command line): by its extension, and
// by its content when no reader claims the extension.
const Lecteur &Lecteur_Du_Fichier(const QString &Chemin);
} // namespace Corvanel

#endif
