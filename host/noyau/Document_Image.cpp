#include "Document_Image.h"

#include "Choix_Image.h"
#include "Enregistrement_Compresse.h"
#include "Historique_Image.h"
#include "Transformations.h"

#include <QTransform>
#include <algorithm>

namespace Corvanel
{
namespace
{
// Counts the steps a document is inside of, so that an operation run by another is part of it.
struct Dans_Etape
{
    int &Profondeur;
    explicit Dans_Etape(int &P) : Profondeur(P) { ++Profondeur; }
    ~Dans_Etape() { --Profondeur; }
    Dans_Etape(const Dans_Etape &) = delete;
    Dans_Etape &operator=(const Dans_Etape &) = delete;
};
} // namespace

Etat_Document Document_Image::Etat(const Etat_Document *Modele) const
{
    Etat_Document E;
    E.Plan_Image = Partager_Plan(Plan_Image, Modele ? Modele->Plan_Image : nullptr);
    E.Plan_Mask = Partager_Plan(Plan_Mask, Modele ? Modele->Plan_Mask : nullptr);
    E.Plan_Transparence =
        Partager_Plan(Plan_Transparence, Modele ? Modele->Plan_Transparence : nullptr);
    E.Largeur_Image = Largeur_Image;
    E.Hauteur_Image = Hauteur_Image;
    E.Nombre_Couleur = Nombre_Couleur;
    E.Nombre_Choisi = Nombre_Choisi;
    E.Bandes_Lum = Bandes_Lum;
    E.Conversion = Conversion;
    E.Image_Couleur = Image_Couleur;
    E.Generation_Source = Generation_Source;
    E.Source_Valide = Source_Valide;
    E.Fichier = Fichier;
    E.Images = Images;
    return E;
}

void Document_Image::Restaurer(const Etat_Document &E)
{
    if (E.Plan_Image)
        Plan_Image = *E.Plan_Image;
    if (E.Plan_Mask)
        Plan_Mask = *E.Plan_Mask;
    if (E.Plan_Transparence)
        Plan_Transparence = *E.Plan_Transparence;
    Largeur_Image = E.Largeur_Image;
    Hauteur_Image = E.Hauteur_Image;
    Nombre_Couleur = E.Nombre_Couleur;
    Nombre_Choisi = E.Nombre_Choisi;
    Bandes_Lum = E.Bandes_Lum;
    Conversion = E.Conversion;
    // The kept tones belong to the source they were computed from, whichever comes back.
    Image_Couleur = E.Image_Couleur;
    Generation_Source = E.Generation_Source;
    Source_Valide = E.Source_Valide;
    Fichier = E.Fichier;
    Images = E.Images;
}

void Document_Image::Etape(const QString &Texte, const std::function<void()> &Action)
{
    Historique_Image *H = Historique_.Lien;
    if (H == nullptr || Profondeur_Etape > 0)
    {
        Action();
        return;
    }
    Etat_Document Avant = H->Capturer();
    {
        const Dans_Etape Dedans(Profondeur_Etape);
        Action();
    }
    H->Enregistrer(Texte, std::move(Avant));
}

void Document_Image::Commencer_Etape()
{
    Image_Annulation = Plan_Image;
    if (Historique_.Lien)
        Historique_.Lien->Commencer();
}

void Document_Image::Terminer_Etape(const QString &Texte)
{
    if (Historique_.Lien)
        Historique_.Lien->Terminer(Texte);
}

Resultat_Ouverture Document_Image::Ouvrir(const QString &Chemin, Genre_Fichier Genre, int Largeur,
                                          int Hauteur)
{
    Historique_Image *H = Profondeur_Etape == 0 ? Historique_.Lien : nullptr;
    Etat_Document Avant = H ? H->Capturer() : Etat();
    Resultat_Ouverture Resultat;
    {
        const Dans_Etape Dedans(Profondeur_Etape);
        Largeur_Image = static_cast<std::uint8_t>(Largeur);
        Hauteur_Image = static_cast<std::uint8_t>(Hauteur);
        Plan_Image.fill(0);
        Plan_Mask.fill(0);
        Oublier_Source();
        Resultat = Lecteur_Du_Genre(Genre).Lire(*this, Chemin);
    }
    if (Resultat.Etat != Etat_Ouverture::Ok)
    {
        Restaurer(Avant);
        return Resultat;
    }
    Fichier = Chemin;
    if (H)
    {
        H->Enregistrer(QStringLiteral("Ouvrir « %1 »").arg(Chemin), std::move(Avant));
        H->Marquer_Enregistre();
    }
    return Resultat;
}

void Document_Image::Creer_Image_Vide(int Largeur, int Hauteur)
{
    Etape(QStringLiteral("Image vide"),
          [&]
          {
              Largeur_Image = static_cast<std::uint8_t>(Largeur);
              Hauteur_Image = static_cast<std::uint8_t>(Hauteur);
              Plan_Image.fill(0);
              Oublier_Source();
          });
    // An empty picture holds no work to lose.
    if (Historique_.Lien && Profondeur_Etape == 0)
        Historique_.Lien->Marquer_Enregistre();
}

void Document_Image::Oublier_Source()
{
    // The decoded picture stays in its holder, as it always has; only the right to convert it
    // again goes.
    Source_Valide = false;
    Images = {};
    Plan_Transparence.fill(0);
}

void Document_Image::Prendre_Source(QImage Image, int Largeur_Cadre, int Hauteur_Cadre)
{
    Image_Couleur = {std::move(Image), Largeur_Cadre, Hauteur_Cadre};
    ++Generation_Source;
    Source_Valide = true;
    Convertir_Image();
}

Document_Image::Cle_Tons Document_Image::Cle_Courante() const
{
    return {Generation_Source,  Largeur_Image,          Hauteur_Image,
            Conversion.Adapter, Conversion.Proportions, Conversion.Echantillonnage,
            Conversion.Teinte};
}

void Document_Image::Convertir_Image()
{
    if (!Source_Valide)
        return;
    const Cle_Tons Cle = Cle_Courante();
    if (!(Cle == Cle_))
    {
        Calculer_Tons(Image_Couleur, Largeur_Image, Hauteur_Image, Conversion, Tons_);
        Cle_ = Cle;
    }
    Quantifier_Tons(Tons_, Conversion, Nombre_Couleur, Bandes_Lum, Plan_Image);
    Marquer_Transparence(Tons_, Plan_Transparence);
}

bool Document_Image::Transparence() const
{
    for (int x = 0; x < Largeur_Image; ++x)
        for (int y = 0; y < Hauteur_Image; ++y)
            if (Plan_Transparence[Indice(x, y)] == 1)
                return true;
    return false;
}

QString Document_Image::Choisir_Image(int Numero)
{
    if (!Source_Valide || Numero < 0 || Numero >= Images.Nombre)
        return QStringLiteral("pas d'image %1 dans l'animation").arg(Numero + 1);
    Lecture_Images Lecture(Images.Chemin, Images.Bitmap_Seul);
    Resultat_Decodage Lu = Lecture.Image(Numero);
    if (Lu.Image.isNull())
        return Lu.Erreur;
    Etape(QStringLiteral("Image %1 de l'animation").arg(Numero + 1),
          [&]
          {
              Prendre_Source(Images.Disposer(std::move(Lu.Image)), Image_Couleur.Largeur_Cadre,
                             Image_Couleur.Hauteur_Cadre);
              Images.Numero = Numero;
          });
    return {};
}

void Document_Image::Appliquer_Bandes(Action_Bandes Action)
{
    static const char *const Textes[] = {"Lumière +",   "Lumière -",        "Contraste +",
                                         "Contraste -", "Réinitialisation", "Équilibrer"};
    Etape(QString::fromUtf8(Textes[static_cast<int>(Action)]),
          [&]
          {
              switch (Action)
              {
              case Action_Bandes::Lumiere_Plus:
                  Lumiere_Plus(Bandes_Lum, Nombre_Choisi);
                  break;
              case Action_Bandes::Lumiere_Moins:
                  Lumiere_Moins(Bandes_Lum, Nombre_Choisi);
                  break;
              case Action_Bandes::Contraste_Plus:
                  Contraste_Plus(Bandes_Lum, Nombre_Choisi);
                  break;
              case Action_Bandes::Contraste_Moins:
                  Contraste_Moins(Bandes_Lum, Nombre_Choisi);
                  break;
              case Action_Bandes::Reinitialisation:
                  Reinitialiser(Bandes_Lum, Nombre_Couleur);
                  break;
              case Action_Bandes::Equilibrer:
                  Corvanel::Equilibrer(Bandes_Lum, Nombre_Choisi);
                  break;
              }
              Convertir_Image();
          });
}

bool Document_Image::Choisir_Nombre(std::uint8_t Nombre, bool Convertir)
{
    if (Nombre == Nombre_Choisi)
        return false;
    Etape(QStringLiteral("Nombre de couleurs"),
          [&]
          {
              Nombre_Choisi = Nombre;
              Nombre_Couleur = Nombre;
              Reinitialiser(Bandes_Lum, Nombre);
              if (Convertir)
                  Convertir_Image();
          });
    return true;
}

void Document_Image::Choisir_Conversion(const Options_Conversion &Options, bool Convertir)
{
    Etape(QStringLiteral("Conversion"),
          [&]
          {
              Conversion = Options;
              if (Convertir)
                  Convertir_Image();
          });
}

void Document_Image::Creer_Mask_Auto(std::uint8_t Fond)
{
    Etape(QStringLiteral("Créer le mask"),
          [&]
          {
              if (Fond != Fond_Transparence)
                  Corvanel::Creer_Mask_Auto(Plan_Mask, Plan_Image, Largeur_Image, Hauteur_Image,
                                            Fond);
              else // the transparent points are the background: those marked 1 are left out
                  Corvanel::Creer_Mask_Auto(Plan_Mask, Plan_Transparence, Largeur_Image,
                                            Hauteur_Image, 1);
          });
}

void Document_Image::Inverser_Mask()
{
    Etape(QStringLiteral("Inverser le mask"),
          [&] { Corvanel::Inverser_Mask(Plan_Mask, Largeur_Image, Hauteur_Image); });
}

void Document_Image::Miroir_Horizontal()
{
    Etape(QStringLiteral("Miroir horizontal"),
          [&]
          {
              for (Plan *P : {&Plan_Image, &Plan_Transparence})
                  Corvanel::Miroir_Horizontal(*P, Largeur_Image, Hauteur_Image);
          });
}

void Document_Image::Miroir_Vertical()
{
    Etape(QStringLiteral("Miroir vertical"),
          [&]
          {
              for (Plan *P : {&Plan_Image, &Plan_Transparence})
                  Corvanel::Miroir_Vertical(*P, Largeur_Image, Hauteur_Image);
          });
}

void Document_Image::Decaler(int Dx, int Dy)
{
    Etape(QStringLiteral("Décaler l'image"),
          [&]
          {
              for (Plan *P : {&Plan_Image, &Plan_Transparence})
                  Decaler_Image(*P, Largeur_Image, Hauteur_Image, Dx, Dy);
          });
}

bool Document_Image::Tourner()
{
    if (Largeur_Image > Lignes_Plan)
        return false;
    Etape(QStringLiteral("Rotation"),
          [&]
          {
              for (Plan *P : {&Plan_Image, &Plan_Mask, &Plan_Transparence})
                  Tourner_Quart(*P, Largeur_Image, Hauteur_Image);
              // A cut picture shows the source's top-left corner: only that part turns, so
              // that the turned source's corner is what the turned picture shows. Where the
              // source stops above the picture's bottom, the white below it would come back on
              // the wrong side: that picture can no longer be converted again, but its
              // transparent points stay what they are.
              QImage Image = Image_Couleur.Image;
              QRect Gardee;
              if (Source_Valide && !Conversion.Adapter)
              {
                  if (Image.height() < Hauteur_Image)
                  {
                      const Plan Transparence = Plan_Transparence;
                      Oublier_Source();
                      Plan_Transparence = Transparence;
                  }
                  else
                      Gardee =
                          QRect(0, 0, std::min<int>(Image.width(), Largeur_Image), Hauteur_Image);
              }
              if (Source_Valide)
              {
                  // The other frames of an animation turn as they are read.
                  Images.Tourner(Image.size(), Gardee);
                  if (!Gardee.isNull())
                      Image = Image.copy(Gardee);
                  Image_Couleur = {Image.transformed(QTransform().rotate(90)),
                                   Image_Couleur.Hauteur_Cadre, Image_Couleur.Largeur_Cadre};
                  ++Generation_Source;
              }
              std::swap(Largeur_Image, Hauteur_Image);
          });
    return true;
}

Resultat_Enregistrement Document_Image::Enregistrer_Image(const Plug_Info &Slot,
                                                          const QString &Chemin, const QString &Nom,
                                                          const Options_Appel &Options,
                                                          bool Compresser) const
{
    if (Compresser)
        return Enregistrer_Compresse(Slot, Genre_Enregistrement::Image, Chemin, Nom,
                                     [&](const QString &Brouillon)
                                     { return Enregistrer_Image(Slot, Brouillon, Nom, Options); });
    if (Prend_Mask(Slot))
        return Enregistrer_Image_Mask(Slot, Chemin, Nom, Options);
    return Corvanel::Enregistrer_Image(Slot, Chemin, Nom, Nombre_Couleur, Plan_Image, Hauteur_Image,
                                       Largeur_Image, Options);
}

Resultat_Enregistrement Document_Image::Enregistrer_Mask(const Plug_Info &Slot,
                                                         const QString &Chemin, const QString &Nom,
                                                         const Options_Appel &Options,
                                                         bool Compresser) const
{
    if (Compresser)
        return Enregistrer_Compresse(Slot, Genre_Enregistrement::Mask, Chemin, Nom,
                                     [&](const QString &Brouillon)
                                     { return Enregistrer_Mask(Slot, Brouillon, Nom, Options); });
    return Corvanel::Enregistrer_Mask(Slot, Chemin, Nom, Plan_Mask, Hauteur_Image, Largeur_Image,
                                      Options);
}

Resultat_Enregistrement Document_Image::Enregistrer_Image_Mask(const Plug_Info &Slot,
                                                               const QString &Chemin,
                                                               const QString &Nom,
                                                               const Options_Appel &Options) const
{
    return Corvanel::Enregistrer_Image_Mask(Slot, Chemin, Nom, Nombre_Couleur, Plan_Image,
                                            Plan_Mask, Hauteur_Image, Largeur_Image, Options);
}
} // namespace Corvanel
