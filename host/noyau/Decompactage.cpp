#include "Decompactage.h"

namespace Corvanel
{
namespace
{
constexpr std::size_t Taille_Entete = 16;

class Lecteur_Bits
{
public:
    Lecteur_Bits(std::span<const std::uint8_t> Octets, std::size_t Debut)
        : Octets_(Octets), Position(Debut * 8)
    {
    }

    // False once a field has run past the last byte; what was read is then meaningless.
    bool Valide() const { return Valide_; }

    std::uint32_t Bits(int Nombre)
    {
        std::uint32_t Valeur = 0;
        for (int i = 0; i < Nombre; ++i)
            Valeur = (Valeur << 1) | Bit_A(Position++);
        return Valeur;
    }

    // The next eight bits without taking them; bits past the end read as 0 here, and taking
    // them is what fails.
    std::uint32_t Regarder_Octet() const
    {
        std::uint32_t Valeur = 0;
        for (std::size_t i = 0; i < 8; ++i)
        {
            const std::size_t p = Position + i;
            Valeur =
                (Valeur << 1) | (p / 8 < Octets_.size() ? (Octets_[p / 8] >> (7 - p % 8)) & 1 : 0);
        }
        return Valeur;
    }

    // An Elias-gamma number, 1 to 255.
    std::uint32_t Gamma()
    {
        int Uns = 0;
        while (Uns < 7 && Bit_A(Position) == 1)
        {
            ++Position;
            ++Uns;
        }
        if (Uns < 7)
            ++Position; // the 0 that ends the prefix
        return (1u << Uns) | Bits(Uns);
    }

private:
    std::uint32_t Bit_A(std::size_t p)
    {
        if (p / 8 >= Octets_.size())
        {
            Valide_ = false;
            return 0;
        }
        return (Octets_[p / 8] >> (7 - p % 8)) & 1;
    }

    std::span<const std::uint8_t> Octets_;
    std::size_t Position;
    bool Valide_ = true;
};

Resultat_Decompactage Refus(const QString &Raison)
{
    return {{}, Raison};
}
} // namespace

Resultat_Decompactage Decompacter(std::span<const std::uint8_t> Tampon)
{
    if (Tampon.size() < Taille_Entete)
        return Refus(QStringLiteral("%1 octet(s), moins que les %2 de l'en-tête")
                         .arg(Tampon.size())
                         .arg(Taille_Entete));
    // The calculator's routine checks these, in this order, with these codes.
    if (Tampon[2] != 'T' || Tampon[3] != 'P')
        return Refus(QStringLiteral("en-tête sans la signature « TP » (erreur 252)"));
    if (Tampon[10] != 8 || Tampon[11] != 128)
        return Refus(QStringLiteral("codage des longueurs %1/%2 au lieu de 8/128 (erreur 250)")
                         .arg(Tampon[10])
                         .arg(Tampon[11]));
    const int e = Tampon[9];
    if (e > 8)
        return Refus(QStringLiteral("%1 bits d'échappement, 8 au plus (erreur 249)").arg(e));
    const int x = Tampon[12];
    if (x > 5)
        return Refus(QStringLiteral("%1 bits de décalage en plus, 5 au plus (erreur 251)").arg(x));
    const std::size_t Annonce = Tampon[0] | std::size_t{Tampon[1]} << 8;
    const int R = Tampon[15];
    if (Tampon.size() < Taille_Entete + R)
        return Refus(QStringLiteral("table de %1 octets coupée").arg(R));

    Resultat_Decompactage Resultat;
    std::vector<std::uint8_t> &Sortie = Resultat.Donnees;
    Sortie.reserve(Annonce);
    Lecteur_Bits Flux(Tampon, Taille_Entete + R);
    std::uint32_t Echappement = Tampon[6];
    const auto Depasse = [&](std::size_t Nombre)
    {
        return Nombre > Annonce - Sortie.size()
                   ? QStringLiteral("données plus longues que les %1 octets annoncés").arg(Annonce)
                   : QString();
    };
    const auto Copier = [&](std::size_t Longueur, std::size_t Distance,
                            std::uint8_t Ajout) -> QString
    {
        if (Distance > Sortie.size())
            return QStringLiteral("copie de %1 octets en arrière à l'octet %2")
                .arg(Distance)
                .arg(Sortie.size());
        if (QString Erreur = Depasse(Longueur); !Erreur.isEmpty())
            return Erreur;
        // One byte at a time: a distance shorter than the length repeats a pattern.
        for (std::size_t i = 0; i < Longueur; ++i)
            Sortie.push_back(static_cast<std::uint8_t>(Sortie[Sortie.size() - Distance] + Ajout));
        return {};
    };

    for (;;)
    {
        QString Erreur;
        if (e > 0)
        {
            const std::uint32_t Octet = Flux.Regarder_Octet();
            if (Octet >> (8 - e) != Echappement)
            {
                Flux.Bits(8);
                if (!Flux.Valide())
                    break;
                if (Erreur = Depasse(1); !Erreur.isEmpty())
                    return Refus(Erreur);
                Sortie.push_back(static_cast<std::uint8_t>(Octet));
                continue;
            }
            Flux.Bits(e);
        }
        const std::uint32_t L = Flux.Gamma();
        if (L >= 2)
        {
            const std::uint32_t H = Flux.Gamma();
            if (H == 255 && L <= 3)
            {
                if (!Flux.Valide())
                    break;
                if (Sortie.size() != Annonce)
                    return Refus(QStringLiteral("%1 octets décompressés au lieu des %2 annoncés")
                                     .arg(Sortie.size())
                                     .arg(Annonce));
                return Resultat;
            }
            std::uint32_t Ajout = 0;
            std::uint32_t Haut = 0;
            if (H == 255)
                Ajout = Flux.Bits(8);
            else
            {
                Haut = H - 1;
                if (x > 0)
                    Haut = (Haut << x) | Flux.Bits(x);
            }
            const std::uint32_t Bas = Flux.Bits(8) ^ 0xFF;
            if (!Flux.Valide())
                break;
            Erreur = Copier(L + 1, (Haut & 0xFF) * 256 + Bas + 1, static_cast<std::uint8_t>(Ajout));
        }
        else if (Flux.Bits(1) == 0)
        {
            const std::uint32_t Bas = Flux.Bits(8) ^ 0xFF;
            if (!Flux.Valide())
                break;
            Erreur = Copier(2, Bas + 1, 0);
        }
        else if (Flux.Bits(1) == 1)
        {
            const std::uint32_t A = Flux.Gamma();
            std::uint32_t Compte = A;
            if (A >= 128)
            {
                const std::uint32_t s = Flux.Bits(1);
                Compte = (Flux.Gamma() - 1) * 256 + (A - 128) * 2 + s;
            }
            const std::uint32_t K = Flux.Gamma();
            std::uint32_t Octet = 0;
            if (K < 32)
            {
                if (static_cast<int>(K) > R)
                    return Refus(QStringLiteral("entrée %1 d'une table qui en a %2").arg(K).arg(R));
                Octet = Tampon[15 + K];
            }
            else
                Octet = ((K * 8) & 0xFF) | Flux.Bits(3);
            if (!Flux.Valide())
                break;
            if (Erreur = Depasse(Compte + 1); !Erreur.isEmpty())
                return Refus(Erreur);
            Sortie.insert(Sortie.end(), Compte + 1, static_cast<std::uint8_t>(Octet));
        }
        else
        {
            const std::uint32_t Nouveau = Flux.Bits(e);
            const std::uint32_t Bas = Flux.Bits(8 - e);
            if (!Flux.Valide())
                break;
            if (Erreur = Depasse(1); !Erreur.isEmpty())
                return Refus(Erreur);
            // With no escape bits the routine ORs the header's byte in, as it stands.
            const std::uint32_t Haut = e > 0 ? Echappement << (8 - e) : Echappement;
            Sortie.push_back(static_cast<std::uint8_t>(Haut | Bas));
            Echappement = Nouveau;
        }
        if (!Erreur.isEmpty())
            return Refus(Erreur);
    }
    return Refus(QStringLiteral("fin des données compressées avant leur marque de fin"));
}
} // namespace Corvanel
