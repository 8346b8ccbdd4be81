#include "Carte_Tuiles.h"

#include "Choix_Image.h"
#include "Couleurs_Exactes.h"
#include "Document_Image.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_set>

namespace Corvanel
{
std::size_t Carte_De_Tuiles::Octets_Tuile() const
{
    const std::size_t Points =
        static_cast<std::size_t>(Tuile.Largeur) * static_cast<std::size_t>(Tuile.Hauteur);
    return Avec_Mask ? 2 * Points : Points;
}

int Carte_De_Tuiles::Nombre() const
{
    const std::size_t Taille = Octets_Tuile();
    return Taille == 0 ? 0 : static_cast<int>(Tuiles.size() / Taille);
}

void Carte_De_Tuiles::Poser(int i, Plan &Image, Plan &Mask) const
{
    const std::uint8_t *Tuile_i = Tuiles.data() + static_cast<std::size_t>(i) * Octets_Tuile();
    const std::size_t Points =
        static_cast<std::size_t>(Tuile.Largeur) * static_cast<std::size_t>(Tuile.Hauteur);
    for (int Y = 0; Y < Tuile.Hauteur; ++Y)
        for (int X = 0; X < Tuile.Largeur; ++X)
        {
            const std::size_t Point = static_cast<std::size_t>(Y) * Tuile.Largeur + X;
            Image[Indice(X, Y)] = Tuile_i[Point];
            Mask[Indice(X, Y)] = Avec_Mask ? Tuile_i[Points + Point] : 0;
        }
}

namespace
{
// The map built one row of tiles at a time: the row's codes (and mask) are laid out row by
// row over the map's whole width, then each tile of it is looked up among those already seen.
class Collecte
{
public:
    Collecte(Taille_Tuile Tuile, int Largeur_Source, int Hauteur_Source,
             std::uint8_t Nombre_Couleur, bool Avec_Mask)
        : Connues(64, Hachage{this}, Egalite{this})
    {
        Carte.Tuile = Tuile;
        Carte.Nombre_Couleur = Nombre_Couleur;
        Carte.Avec_Mask = Avec_Mask;
        if (Tuile.Largeur < 1 || Tuile.Hauteur < 1)
            return;
        Carte.Largeur = (std::max(Largeur_Source, 0) + Tuile.Largeur - 1) / Tuile.Largeur;
        Carte.Hauteur = (std::max(Hauteur_Source, 0) + Tuile.Hauteur - 1) / Tuile.Hauteur;
        const std::size_t Rangee = static_cast<std::size_t>(Largeur_Rangee()) * Tuile.Hauteur;
        Codes.assign(Rangee, 0);
        if (Avec_Mask)
            Masks.assign(Rangee, 0);
        Carte.Carte.reserve(static_cast<std::size_t>(Carte.Largeur) * Carte.Hauteur);
    }
    Collecte(const Collecte &) = delete;
    Collecte &operator=(const Collecte &) = delete;

    int Largeur_Rangee() const { return Carte.Largeur * Carte.Tuile.Largeur; }
    int Rangees() const { return Carte.Hauteur; }
    // Point (X, Y) of the current row of tiles, Y counted from the row's top.
    std::uint8_t &Code(int X, int Y) { return Codes[Position(X, Y)]; }
    std::uint8_t &Mask(int X, int Y) { return Masks[Position(X, Y)]; }

    // The current row's tiles into the map; false once there are too many to number.
    bool Ranger()
    {
        const std::size_t Taille = Carte.Octets_Tuile();
        const int L = Carte.Tuile.Largeur;
        const std::size_t Points = static_cast<std::size_t>(L) * Carte.Tuile.Hauteur;
        for (int Colonne = 0; Colonne < Carte.Largeur; ++Colonne)
        {
            // The candidate goes at the end, where a new tile would stay.
            const std::size_t Debut = Carte.Tuiles.size();
            Carte.Tuiles.resize(Debut + Taille);
            std::uint8_t *Tuile = Carte.Tuiles.data() + Debut;
            for (int Y = 0; Y < Carte.Tuile.Hauteur; ++Y)
            {
                std::memcpy(Tuile + static_cast<std::size_t>(Y) * L, &Code(Colonne * L, Y),
                            static_cast<std::size_t>(L));
                if (Carte.Avec_Mask)
                    std::memcpy(Tuile + Points + static_cast<std::size_t>(Y) * L,
                                &Mask(Colonne * L, Y), static_cast<std::size_t>(L));
            }
            const auto Nouvelle = static_cast<std::uint32_t>(Debut / Taille);
            const auto [Trouvee, Inseree] = Connues.insert(Nouvelle);
            if (!Inseree)
                Carte.Tuiles.resize(Debut);
            else if (Nouvelle >= static_cast<std::uint32_t>(Tuiles_Maximum))
            {
                Carte.Erreur = QStringLiteral("plus de %1 tuiles uniques : une carte ne numérote "
                                              "ses tuiles que sur 16 bits")
                                   .arg(Tuiles_Maximum);
                Carte.Tuiles.clear();
                Carte.Carte.clear();
                return false;
            }
            Carte.Carte.push_back(*Trouvee);
        }
        std::fill(Codes.begin(), Codes.end(), 0);
        std::fill(Masks.begin(), Masks.end(), 0);
        return true;
    }

    Carte_De_Tuiles Finir()
    {
        Connues.clear();
        return std::move(Carte);
    }

private:
    std::size_t Position(int X, int Y) const
    {
        return static_cast<std::size_t>(Y) * static_cast<std::size_t>(Largeur_Rangee()) +
               static_cast<std::size_t>(X);
    }
    std::string_view Octets(std::uint32_t i) const
    {
        const std::size_t Taille = Carte.Octets_Tuile();
        return {reinterpret_cast<const char *>(Carte.Tuiles.data()) + i * Taille, Taille};
    }
    struct Hachage
    {
        const Collecte *C;
        std::size_t operator()(std::uint32_t i) const
        {
            return std::hash<std::string_view>{}(C->Octets(i));
        }
    };
    struct Egalite
    {
        const Collecte *C;
        bool operator()(std::uint32_t a, std::uint32_t b) const
        {
            return C->Octets(a) == C->Octets(b);
        }
    };

    Carte_De_Tuiles Carte;
    std::vector<std::uint8_t> Codes;
    std::vector<std::uint8_t> Masks;
    std::unordered_set<std::uint32_t, Hachage, Egalite> Connues;
};

// Point by point, a point's code depends on its source pixel alone: each colour goes through
// the stages once, and is looked up after. A level holds few colours; a photograph only misses
// more often. With the exact colours the levels follow the colours of the whole source, so that
// a colour takes one level in every tile and identical tiles stay identical.
class Codes_Par_Couleur
{
public:
    explicit Codes_Par_Couleur(const Document_Image &Document)
        : Source(Document.Image_Couleur.Image), Teinte_(Etape_Teinte(Document.Conversion.Teinte)),
          Limites(Calculer_Limites(Document.Bandes_Lum, Document.Nombre_Couleur)),
          Exactes(Document.Conversion.Teinte == Mode_Teinte::Couleurs_Exactes),
          Direct(Source.format() == QImage::Format_RGB32 ||
                 Source.format() == QImage::Format_ARGB32),
          Opaque(Source.format() == QImage::Format_RGB32 ? 0xFF000000u : 0u)
    {
        if (!Exactes)
            return;
        std::unordered_set<std::uint32_t> Vues;
        for (int Y = 0; Y < Source.height(); ++Y)
        {
            const QRgb *Ligne = Rangee(Y);
            for (int X = 0; X < Source.width(); ++X)
                if (const QRgb Pixel = Lire(Ligne, Y, X); qAlpha(Pixel) >= Alpha_Opaque)
                    Vues.insert(Valeur(Pixel));
        }
        Couleurs.assign(Vues.begin(), Vues.end());
        std::sort(Couleurs.begin(), Couleurs.end());
        Niveaux = Niveaux_Exacts(Couleurs, Document.Nombre_Couleur, Document.Conversion.Palette);
    }

    // Whether every point can be taken this way: the exact colours always are.
    static bool Possible(const Document_Image &Document)
    {
        const QImage::Format Format = Document.Image_Couleur.Image.format();
        return Document.Conversion.Teinte == Mode_Teinte::Couleurs_Exactes ||
               (Document.Conversion.Tramage == Mode_Tramage::Aucun &&
                (Format == QImage::Format_RGB32 || Format == QImage::Format_ARGB32));
    }

    // The codes of Largeur points of row Y, from the left; Couverts, when given, takes 1 at the
    // points that are not transparent.
    void Convertir_Ligne(int Y, int Largeur, std::uint8_t *Codes, std::uint8_t *Couverts)
    {
        const QRgb *Ligne = Rangee(Y);
        for (int X = 0; X < Largeur; ++X)
        {
            const QRgb Pixel = Lire(Ligne, Y, X);
            Entree &E = Table[(Pixel * 0x9E3779B1u) >> (32 - Bits_Table)];
            if (!E.Valide || E.Pixel != Pixel)
                E = {Pixel, Coder(Pixel), qAlpha(Pixel) < Alpha_Opaque, true};
            Codes[X] = E.Code;
            if (Couverts)
                Couverts[X] = E.Transparent ? 0 : 1;
        }
    }

private:
    static std::uint32_t Valeur(QRgb Pixel)
    {
        return qRed(Pixel) | (std::uint32_t(qGreen(Pixel)) << 8) |
               (std::uint32_t(qBlue(Pixel)) << 16);
    }
    // The row's pixels when they can be read as they are stored.
    const QRgb *Rangee(int Y) const
    {
        return Direct ? reinterpret_cast<const QRgb *>(Source.constScanLine(Y)) : nullptr;
    }
    // As the nearest-point sampling takes a pixel: its own colour, with its alpha.
    QRgb Lire(const QRgb *Ligne, int Y, int X) const
    {
        return Ligne ? Ligne[X] | Opaque : Pixel_Source(Source, X, Y);
    }
    std::uint8_t Coder(QRgb Pixel) const
    {
        // A transparent point has no colour: level 0, as in a conversion.
        if (qAlpha(Pixel) < Alpha_Opaque)
            return Code::Blanc;
        if (Exactes)
            return Niveaux[static_cast<std::size_t>(
                std::lower_bound(Couleurs.begin(), Couleurs.end(), Valeur(Pixel)) -
                Couleurs.begin())];
        const Echantillon Point{float(qRed(Pixel)), float(qGreen(Pixel)), float(qBlue(Pixel)),
                                true};
        return Classer_Ton(Teinte_.Ton(Point), Limites);
    }

    static constexpr int Bits_Table = 12;
    struct Entree
    {
        QRgb Pixel = 0;
        std::uint8_t Code = 0;
        bool Transparent = false;
        bool Valide = false;
    };
    const QImage &Source;
    const Teinte &Teinte_;
    const Limites_Bandes Limites;
    const bool Exactes;
    const bool Direct;
    const QRgb Opaque;                   // the alpha of a format without one
    std::vector<std::uint32_t> Couleurs; // the exact colours' values, sorted
    std::vector<std::uint8_t> Niveaux;   // and their levels
    std::vector<Entree> Table = std::vector<Entree>(std::size_t{1} << Bits_Table);
};

// A picture of its own for converting part of the source, with the document's choices and
// one source pixel per point.
Document_Image Morceau_Source(const Document_Image &Document)
{
    Document_Image Morceau;
    Morceau.Nombre_Couleur = Document.Nombre_Couleur;
    Morceau.Nombre_Choisi = Document.Nombre_Choisi;
    Morceau.Bandes_Lum = Document.Bandes_Lum;
    Morceau.Conversion = Document.Conversion;
    Morceau.Conversion.Adapter = false;
    return Morceau;
}

// The part of the source at (X, Y) converted as a picture of Largeur x Hauteur points; the
// points past the source's edge are white and stay out of any dither.
const Plan &Convertir_Morceau(Document_Image &Morceau, const QImage &Source, int X, int Y,
                              int Largeur, int Hauteur)
{
    Morceau.Largeur_Image = static_cast<std::uint8_t>(Largeur);
    Morceau.Hauteur_Image = static_cast<std::uint8_t>(Hauteur);
    const int Dedans_L = std::min(Largeur, Source.width() - X);
    const int Dedans_H = std::min(Hauteur, Source.height() - Y);
    Morceau.Prendre_Source(Source.copy(X, Y, Dedans_L, Dedans_H), Largeur, Hauteur);
    return Morceau.Plan_Image;
}
} // namespace

Carte_De_Tuiles Carte_Image(const Document_Image &Document, Taille_Tuile Tuile, bool Avec_Mask)
{
    const int Largeur = Document.Largeur_Image;
    const int Hauteur = Document.Hauteur_Image;
    Collecte Tuiles(Tuile, Largeur, Hauteur, Document.Nombre_Couleur, Avec_Mask);
    for (int Rangee = 0; Rangee < Tuiles.Rangees(); ++Rangee)
    {
        const int Haut = Rangee * Tuile.Hauteur;
        for (int Y = 0; Y < Tuile.Hauteur && Haut + Y < Hauteur; ++Y)
            for (int X = 0; X < Largeur; ++X)
            {
                Tuiles.Code(X, Y) = Document.Plan_Image[Indice(X, Haut + Y)];
                if (Avec_Mask)
                    Tuiles.Mask(X, Y) = Document.Plan_Mask[Indice(X, Haut + Y)] == 1 ? 1 : 0;
            }
        if (!Tuiles.Ranger())
            break;
    }
    return Tuiles.Finir();
}

Carte_De_Tuiles Carte_Source(const Document_Image &Document, Taille_Tuile Tuile,
                             std::optional<std::uint8_t> Fond_Mask)
{
    const QImage &Source = Document.Image_Couleur.Image;
    const int Largeur = Source.width();
    const int Hauteur = Source.height();
    Collecte Tuiles(Tuile, Largeur, Hauteur, Document.Nombre_Couleur, Fond_Mask.has_value());
    Document_Image Morceau = Morceau_Source(Document);
    // Point by point, the row converts in pieces as wide as a picture; a dither spreads each
    // point's error over its neighbours, and each tile is then converted alone, as a cell is.
    const bool Ponctuelle = Document.Conversion.Tramage == Mode_Tramage::Aucun ||
                            Document.Conversion.Teinte == Mode_Teinte::Couleurs_Exactes;
    std::optional<Codes_Par_Couleur> Par_Couleur;
    if (Codes_Par_Couleur::Possible(Document))
        Par_Couleur.emplace(Document);
    // The transparency's mask covers the points that are not transparent, whatever their level.
    const bool Par_Transparence = Fond_Mask == Fond_Transparence;
    const int Pas = Ponctuelle ? Colonnes_Plan : Tuile.Largeur;
    for (int Rangee = 0; Rangee < Tuiles.Rangees(); ++Rangee)
    {
        const int Haut = Rangee * Tuile.Hauteur;
        const int Lignes = Ponctuelle ? std::min(Tuile.Hauteur, Hauteur - Haut) : Tuile.Hauteur;
        if (Par_Couleur)
            for (int Y = 0; Y < Lignes; ++Y)
                Par_Couleur->Convertir_Ligne(Haut + Y, Largeur, &Tuiles.Code(0, Y),
                                             Par_Transparence ? &Tuiles.Mask(0, Y) : nullptr);
        else
            for (int Gauche = 0; Gauche < Largeur; Gauche += Pas)
            {
                const int Colonnes = Ponctuelle ? std::min(Pas, Largeur - Gauche) : Pas;
                const Plan &Codes =
                    Convertir_Morceau(Morceau, Source, Gauche, Haut, Colonnes, Lignes);
                for (int X = 0; X < Colonnes; ++X)
                    for (int Y = 0; Y < Lignes; ++Y)
                    {
                        Tuiles.Code(Gauche + X, Y) = Codes[Indice(X, Y)];
                        // Past the source's edge is no part of the object.
                        if (Par_Transparence && Gauche + X < Largeur && Haut + Y < Hauteur)
                            Tuiles.Mask(Gauche + X, Y) =
                                Morceau.Plan_Transparence[Indice(X, Y)] == 1 ? 0 : 1;
                    }
            }
        // Only the source's own points can be covered: the padding is no part of the object.
        if (Fond_Mask && !Par_Transparence)
            for (int Y = 0; Y < Tuile.Hauteur && Haut + Y < Hauteur; ++Y)
                for (int X = 0; X < Largeur; ++X)
                    Tuiles.Mask(X, Y) = Tuiles.Code(X, Y) == *Fond_Mask ? 0 : 1;
        if (!Tuiles.Ranger())
            break;
    }
    return Tuiles.Finir();
}
} // namespace Corvanel
