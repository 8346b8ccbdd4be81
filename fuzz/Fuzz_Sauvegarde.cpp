// The save-file readers on any bytes, read as a picture's file and as a picture-and-mask one:
// each refuses or fills the planes, and then only inside the size it announces, with the
// codes a picture may hold and a mask of 0 and 1.
#include "Lecture_Sauvegarde.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace Corvanel;

namespace
{
bool Code_Permis(std::uint8_t Code)
{
    return Code::Tonal(Code) || Code == Code::Inconnu;
}

void Verifier(bool Condition)
{
    if (!Condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Donnees, std::size_t Taille)
{
    static QTemporaryDir Dossier;
    static const QString Chemin = Dossier.filePath(QStringLiteral("essai.cvl"));
    {
        QFile Fichier(Chemin);
        if (!Fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        Fichier.write(reinterpret_cast<const char *>(Donnees), static_cast<qint64>(Taille));
    }

    // A marker everywhere, so that any byte the reader touches shows.
    constexpr std::uint8_t Marque = 0xA5;
    for (const bool Avec_Mask : {false, true})
    {
        Plan Plan_Image;
        Plan Plan_Mask;
        Plan_Image.fill(Marque);
        Plan_Mask.fill(Marque);
        const Resultat_Lecture Resultat = Avec_Mask
                                              ? Lire_Sauvegarde_Mask(Chemin, Plan_Image, Plan_Mask)
                                              : Lire_Sauvegarde(Chemin, Plan_Image);
        if (Resultat.Etat != Etat_Lecture::Ok)
        {
            Verifier(Resultat.Etat == Etat_Lecture::Non_Ouvert || !Resultat.Message.isEmpty());
            for (std::size_t i = 0; i < Plan_Image.size(); ++i)
                Verifier(Plan_Image[i] == Marque && Plan_Mask[i] == Marque);
            continue;
        }
        Verifier(Taille_Valide(Resultat.Largeur, Resultat.Hauteur));
        const std::size_t Points = std::size_t{Resultat.Largeur} * Resultat.Hauteur;
        Verifier(Avec_Mask ? Taille == 6 + 3 * Points : Taille >= 6 + 2 * Points);
        for (int x = 0; x < Colonnes_Plan; ++x)
            for (int y = 0; y < Lignes_Plan; ++y)
            {
                const std::uint8_t Octet = Plan_Image[Indice(x, y)];
                const std::uint8_t Masque = Plan_Mask[Indice(x, y)];
                if (x < Resultat.Largeur && y < Resultat.Hauteur)
                    Verifier(Code_Permis(Octet) && (Avec_Mask ? Masque <= 1 : Masque == Marque));
                else
                    Verifier(Octet == Marque && Masque == Marque);
            }
    }
    return 0;
}
