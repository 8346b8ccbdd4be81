#include "Carte_Tuiles.h"

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

// Point by point, a point's code depends on its source pixel alone: on a source of 32-bit
// pixels each colour goes through the stages once, and is looked up after. A level holds few
// colours; a photograph only misses more often.
class Codes_Par_Couleur
{
public:
    explicit Codes_Par_Couleur(const Document_Image &Document)
        : Teinte_(Etape_Teinte(Document.Conversion.Teinte)),
          Limites(Calculer_Limites(Document.Bandes_Lum, Document.Nombre_Couleur))
    {
    }

    static bool Possible(const QImage &Source)
    {
        return Source.format() == QImage::Format_RGB32 || Source.format() == QImage::Format_ARGB32;
    }

    // The codes of Largeur points of row Y, from the left.
    void Convertir_Ligne(const QImage &Source, int Y, int Largeur, std::uint8_t *Codes)
    {
        const auto *Pixels = reinterpret_cast<const QRgb *>(Source.constScanLine(Y));
        for (int X = 0; X < Largeur; ++X)
        {
            const QRgb Pixel = Pixels[X];
            Entree &E = Table[(Pixel * 0x9E3779B1u) >> (32 - Bits_Table)];
            if (!E.Valide || E.Pixel != Pixel)
            {
                // As the nearest-point sampling and the band quantisation take a point.
                const std::uint32_t Valeur = Valeur_Source(Source, X, Y);
                const Echantillon Point{static_cast<float>(Valeur & 0xFF),
                                        static_cast<float>((Valeur >> 8) & 0xFF),
                                        static_cast<float>((Valeur >> 16) & 0xFF), true};
                E = {Pixel, Classer_Ton(Teinte_.Ton(Point), Limites), true};
            }
            Codes[X] = E.Code;
        }
    }

private:
    static constexpr int Bits_Table = 12;
    struct Entree
    {
        QRgb Pixel = 0;
        std::uint8_t Code = 0;
        bool Valide = false;
    };
    const Teinte &Teinte_;
    const Limites_Bandes Limites;
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
    const bool Ponctuelle = Document.Conversion.Tramage == Mode_Tramage::Aucun;
    std::optional<Codes_Par_Couleur> Par_Couleur;
    if (Ponctuelle && Codes_Par_Couleur::Possible(Source))
        Par_Couleur.emplace(Document);
    const int Pas = Ponctuelle ? Colonnes_Plan : Tuile.Largeur;
    for (int Rangee = 0; Rangee < Tuiles.Rangees(); ++Rangee)
    {
        const int Haut = Rangee * Tuile.Hauteur;
        const int Lignes = Ponctuelle ? std::min(Tuile.Hauteur, Hauteur - Haut) : Tuile.Hauteur;
        if (Par_Couleur)
            for (int Y = 0; Y < Lignes; ++Y)
                Par_Couleur->Convertir_Ligne(Source, Haut + Y, Largeur, &Tuiles.Code(0, Y));
        else
            for (int Gauche = 0; Gauche < Largeur; Gauche += Pas)
            {
                const int Colonnes = Ponctuelle ? std::min(Pas, Largeur - Gauche) : Pas;
                const Plan &Codes =
                    Convertir_Morceau(Morceau, Source, Gauche, Haut, Colonnes, Lignes);
                for (int X = 0; X < Colonnes; ++X)
                    for (int Y = 0; Y < Lignes; ++Y)
                        Tuiles.Code(Gauche + X, Y) = Codes[Indice(X, Y)];
            }
        // Only the source's own points can be covered: the padding is no part of the object.
        if (Fond_Mask)
            for (int Y = 0; Y < Tuile.Hauteur && Haut + Y < Hauteur; ++Y)
                for (int X = 0; X < Largeur; ++X)
                    Tuiles.Mask(X, Y) = Tuiles.Code(X, Y) == *Fond_Mask ? 0 : 1;
        if (!Tuiles.Ranger())
            break;
    }
    return Tuiles.Finir();
}
} // namespace Corvanel
