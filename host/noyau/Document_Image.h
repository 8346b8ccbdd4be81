// The picture being worked on: its plane, size, level count, band widths, kept source and
// mask, with every operation the commands run on them. The windows share one document, which
// has a history: each operation is then one step of it. The batch converter makes one
// document per input, without a history.
#ifndef CORVANEL_DOCUMENT_IMAGE_H
#define CORVANEL_DOCUMENT_IMAGE_H

#include "Bandes.h"
#include "Conversion.h"
#include "Enregistrement.h"
#include "Etat_Document.h"
#include "Lecteurs.h"
#include "Plan.h"
#include "Registre.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace Corvanel
{
enum class Action_Bandes
{
    Lumiere_Plus,
    Lumiere_Moins,
    Contraste_Plus,
    Contraste_Moins,
    Reinitialisation,
    Equilibrer,
};

class Historique_Image;

class Document_Image
{
public:
    Plan Plan_Image{};
    // The picture as the last drawing step found it: what one undo of that step gives back.
    Plan Image_Annulation{};
    Plan Plan_Mask{};
    // 1 at the points the last conversion found transparent (alpha, or a margin of the
    // proportions), 0 elsewhere; transformed with the picture.
    Plan Plan_Transparence{};
    std::uint8_t Largeur_Image = 0;
    std::uint8_t Hauteur_Image = 0;
    // The count the picture's codes are read with; a save file may hold any.
    std::uint8_t Nombre_Couleur = 4;
    // The count chosen on the options page (2, 4 or 8): the light and contrast steps follow it.
    std::uint8_t Nombre_Choisi = 4;
    Bandes Bandes_Lum;
    Image_Source Image_Couleur;
    // The picture came from a picture file opened in this run: only then do the light,
    // contrast and level-count controls convert the kept source again.
    bool Source_Valide = false;
    Options_Conversion Conversion;
    Images_Source Images;
    // The file the picture was last opened from; an empty picture keeps it.
    QString Fichier;

    // Replaces the picture by the file's, at the given size (the size fields'); the mask is
    // cleared, the level count and the bands stay. A file that cannot be read changes nothing.
    Resultat_Ouverture Ouvrir(const QString &Chemin, Genre_Fichier Genre, int Largeur, int Hauteur);
    // A white picture of that size; the mask, the level count and the bands stay.
    void Creer_Image_Vide(int Largeur, int Hauteur);

    // Converts the kept source again; only the last stage runs when the source, the size and
    // the first two stages' choices are those of the last pass.
    void Convertir_Image();
    // A light, contrast or reset step on the widths, then a new conversion of a picture from
    // a file. Light and contrast follow the chosen count, the reset the picture's.
    void Appliquer_Bandes(Action_Bandes Action);
    // The level-count choice: its default widths, and a new conversion when Convertir is set
    // and the picture came from a file. Choosing the count already chosen does nothing;
    // the result says whether anything changed.
    bool Choisir_Nombre(std::uint8_t Nombre, bool Convertir);
    // New conversion choices, converting again under the same rule.
    void Choisir_Conversion(const Options_Conversion &Options, bool Convertir);

    // Whether the picture has a transparent point.
    bool Transparence() const;
    // The frame of the animation to convert, counted from 0, read again from its file;
    // the reason when it cannot be read, and then nothing changes.
    QString Choisir_Image(int Numero);

    // Fond: a level, or Fond_Transparence.
    void Creer_Mask_Auto(std::uint8_t Fond);
    void Inverser_Mask();

    void Miroir_Horizontal();
    void Miroir_Vertical();
    void Decaler(int Dx, int Dy);
    // The picture and its mask a quarter turn clockwise, the kept source with them so that a
    // new conversion gives the turned picture. A picture whose width would be too tall once
    // turned is refused: false, and nothing changes.
    bool Tourner();

    // The history the operations record their steps in; none for a document of the batch
    // converter or a sheet's cell.
    Historique_Image *Historique() const { return Historique_.Lien; }
    // Runs Action, which changes the document in any way, as one step.
    void Etape(const QString &Texte, const std::function<void()> &Action);
    // A drawing step runs over several mouse events: begun at the first, recorded at the last
    // even when it drew nothing, as the drawing tools have always counted.
    void Commencer_Etape();
    void Terminer_Etape(const QString &Texte);

    // The document as one value, with the planes of Modele where they hold the same bytes;
    // and that value put back.
    Etat_Document Etat(const Etat_Document *Modele = nullptr) const;
    void Restaurer(const Etat_Document &Etat_);

    // Through a picture-and-mask slot (Prend_Mask), the mask goes too. Compresser packs the
    // source text the plug-in writes (Enregistrement_Compresse.h).
    Resultat_Enregistrement Enregistrer_Image(const Plug_Info &Slot, const QString &Chemin,
                                              const QString &Nom, const Options_Appel &Options = {},
                                              bool Compresser = false) const;
    Resultat_Enregistrement Enregistrer_Mask(const Plug_Info &Slot, const QString &Chemin,
                                             const QString &Nom, const Options_Appel &Options = {},
                                             bool Compresser = false) const;
    // The picture and the mask through one plug-in of the picture-and-mask kind.
    Resultat_Enregistrement Enregistrer_Image_Mask(const Plug_Info &Slot, const QString &Chemin,
                                                   const QString &Nom,
                                                   const Options_Appel &Options = {}) const;

    // For the readers: a new source, converted at once.
    void Prendre_Source(QImage Image, int Largeur_Cadre, int Hauteur_Cadre);

private:
    friend class Historique_Image;
    // The link belongs to this object: a copy of the document starts without a history.
    struct Lien_Historique
    {
        Historique_Image *Lien = nullptr;
        Lien_Historique() = default;
        Lien_Historique(const Lien_Historique &) {}
        Lien_Historique &operator=(const Lien_Historique &) { return *this; }
    };
    Lien_Historique Historique_;
    // Operations run inside another step (a reader choosing the level count) are part of it.
    int Profondeur_Etape = 0;

    // What the kept tones were computed from.
    struct Cle_Tons
    {
        std::uint64_t Source = 0;
        int Largeur = -1;
        int Hauteur = -1;
        bool Adapter = true;
        bool Proportions = false;
        Mode_Echantillonnage Echantillonnage{};
        Mode_Teinte Teinte{};
        bool operator==(const Cle_Tons &) const = default;
    };
    Cle_Tons Cle_Courante() const;
    void Oublier_Source();

    std::uint64_t Generation_Source = 0;
    Tons Tons_;
    Cle_Tons Cle_;
};
} // namespace Corvanel

#endif
