// The save-file reader on any bytes: it refuses or fills the picture, and then only inside the
// size it announces, with the codes a picture may hold.
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
    Plan Plan_Image;
    Plan_Image.fill(Marque);
    const Resultat_Lecture Resultat = Lire_Sauvegarde(Chemin, Plan_Image);
    if (Resultat.Etat != Etat_Lecture::Ok)
    {
        Verifier(Resultat.Etat == Etat_Lecture::Non_Ouvert || !Resultat.Message.isEmpty());
        for (const std::uint8_t Octet : Plan_Image)
            Verifier(Octet == Marque);
        return 0;
    }
    Verifier(Taille_Valide(Resultat.Largeur, Resultat.Hauteur));
    Verifier(Taille >= 6 + 2u * Resultat.Largeur * Resultat.Hauteur);
    for (int x = 0; x < Colonnes_Plan; ++x)
        for (int y = 0; y < Lignes_Plan; ++y)
        {
            const std::uint8_t Octet = Plan_Image[Indice(x, y)];
            if (x < Resultat.Largeur && y < Resultat.Hauteur)
                Verifier(Code_Permis(Octet));
            else
                Verifier(Octet == Marque);
        }
    return 0;
}
