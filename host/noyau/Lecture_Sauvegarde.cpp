#include "Lecture_Sauvegarde.h"

#include "Format_Sauvegarde.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace Corvanel
{
namespace
{
constexpr qint64 Taille_Entete = Sauvegarde::Taille_Entete;

std::uint16_t Mot(const QByteArray &Octets, std::size_t Position)
{
    return Sauvegarde::Lire_Mot(reinterpret_cast<const unsigned char *>(Octets.constData()) +
                                Position);
}

std::uint8_t Code_Lu(std::uint16_t Valeur)
{
    return Valeur <= 0xFF && Code::Tonal(static_cast<std::uint8_t>(Valeur))
               ? static_cast<std::uint8_t>(Valeur)
               : Code::Inconnu;
}

Resultat_Lecture Invalide(const QString &Raison)
{
    Resultat_Lecture Resultat;
    Resultat.Etat = Etat_Lecture::Invalide;
    Resultat.Message = QStringLiteral("Fichier de sauvegarde invalide : %1.").arg(Raison);
    return Resultat;
}

Resultat_Lecture Tronque(qint64 Lus, qint64 Attendus)
{
    return Invalide(
        QStringLiteral("fichier tronqué (%1 octets au lieu de %2)").arg(Lus).arg(Attendus));
}

// The codes, and the mask after them when Plan_Mask is given.
Resultat_Lecture Lire(const QString &Chemin, Plan &Plan_Image, Plan *Plan_Mask)
{
    QFile Fichier(Chemin);
    // A named pipe would keep the open waiting for a writer: like a folder, it cannot be read.
    const QFileInfo Info(Chemin);
    if ((Info.exists() && !Info.isFile()) || !Fichier.open(QIODevice::ReadOnly))
    {
        return {};
    }
    // A fixed buffer: the compiler then sees that the header's words lie inside it.
    std::array<unsigned char, Sauvegarde::Taille_Entete> Entete{};
    const qint64 Lus = Fichier.read(reinterpret_cast<char *>(Entete.data()), Taille_Entete);
    if (Lus < Taille_Entete)
    {
        return Tronque(std::max<qint64>(Lus, 0), Taille_Entete);
    }
    const std::uint16_t Largeur =
        Sauvegarde::Lire_Mot(Entete.data() + Sauvegarde::Position_Largeur);
    const std::uint16_t Hauteur =
        Sauvegarde::Lire_Mot(Entete.data() + Sauvegarde::Position_Hauteur);
    if (Largeur < 1 || Largeur > Colonnes_Plan)
    {
        return Invalide(
            QStringLiteral("largeur %1 hors de 1 à %2").arg(Largeur).arg(Colonnes_Plan));
    }
    if (Hauteur < 1 || Hauteur > Lignes_Plan)
    {
        return Invalide(QStringLiteral("hauteur %1 hors de 1 à %2").arg(Hauteur).arg(Lignes_Plan));
    }

    const qint64 Taille =
        static_cast<qint64>(Plan_Mask ? Sauvegarde::Taille_Fichier_Mask(Largeur, Hauteur)
                                      : Sauvegarde::Taille_Fichier(Largeur, Hauteur));
    // One byte more than the mask's file holds tells a file that goes on beyond it; a picture
    // alone may be followed by anything.
    const QByteArray Corps = Fichier.read(Taille - Taille_Entete + (Plan_Mask ? 1 : 0));
    if (Taille_Entete + Corps.size() < Taille)
    {
        return Tronque(Taille_Entete + Corps.size(), Taille);
    }
    if (Taille_Entete + Corps.size() > Taille)
    {
        return Invalide(QStringLiteral("fichier trop long (%1 octets au lieu de %2)")
                            .arg(std::max(Fichier.size(), Taille + 1))
                            .arg(Taille));
    }

    // The file runs row by row, the planes column by column.
    for (int y = 0; y < Hauteur; ++y)
    {
        for (int x = 0; x < Largeur; ++x)
        {
            Plan_Image[Indice(x, y)] = Code_Lu(
                Mot(Corps, Sauvegarde::Position_Pixel(x, y, Largeur) - Sauvegarde::Taille_Entete));
            if (Plan_Mask)
            {
                const std::size_t Position =
                    Sauvegarde::Position_Mask(x, y, Largeur, Hauteur) - Sauvegarde::Taille_Entete;
                (*Plan_Mask)[Indice(x, y)] = Corps[static_cast<qsizetype>(Position)] == 1 ? 1 : 0;
            }
        }
    }

    Resultat_Lecture Resultat;
    Resultat.Etat = Etat_Lecture::Ok;
    Resultat.Largeur = static_cast<std::uint8_t>(Largeur);
    Resultat.Hauteur = static_cast<std::uint8_t>(Hauteur);
    Resultat.Nombre_Couleur =
        Sauvegarde::Lire_Mot(Entete.data() + Sauvegarde::Position_Nombre_Couleur);
    return Resultat;
}
} // namespace

Resultat_Lecture Lire_Sauvegarde(const QString &Chemin, Plan &Plan_Image)
{
    return Lire(Chemin, Plan_Image, nullptr);
}

Resultat_Lecture Lire_Sauvegarde_Mask(const QString &Chemin, Plan &Plan_Image, Plan &Plan_Mask)
{
    return Lire(Chemin, Plan_Image, &Plan_Mask);
}
} // namespace Corvanel
