// Opening a picture: any bytes are decoded, then sampled onto a plane whose size, level count,
// fit or cut and light and contrast presses come from the first bytes of the input. A picture
// file either gives a clear reason or a picture, and the conversion writes only level codes and
// only inside the picture. The first frames of an animation are read one after another, each
// converted as it stands and again with the area mean, the proportions kept, a dither and the
// luminance or (with the height's top bit) the exact colours.
#include "Bandes.h"
#include "Conversion.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace Corvanel;

namespace
{
constexpr std::size_t Taille_Reglages = 4;

void Verifier(bool Condition)
{
    if (!Condition)
        std::abort();
}

// A point outside the source (cutting a small picture) is white whatever the level count.
bool Code_Permis(std::uint8_t Code, std::uint8_t Nombre_Couleur)
{
    if (Code == Code::Blanc)
        return true;
    if (Nombre_Couleur != 2 && Nombre_Couleur != 4 && Nombre_Couleur != 8)
        return Code == Code::Sans_Nombre;
    for (const std::uint8_t Permis : Codes_En_Usage(Nombre_Couleur))
        if (Code == Permis)
            return true;
    return false;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The image format plug-ins (GIF, JPEG) are found through the application.
    static QCoreApplication Application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Donnees, std::size_t Taille)
{
    if (Taille < Taille_Reglages)
        return 0;
    static QTemporaryDir Dossier;
    static const QString Chemin = Dossier.filePath(QStringLiteral("image"));
    {
        QFile Fichier(Chemin);
        if (!Fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        Fichier.write(reinterpret_cast<const char *>(Donnees + Taille_Reglages),
                      static_cast<qint64>(Taille - Taille_Reglages));
    }

    const int Largeur = 1 + Donnees[0] % Colonnes_Plan;
    const int Hauteur = 1 + Donnees[1] % Lignes_Plan;
    static const std::uint8_t Nombres[] = {2, 4, 8, 3};
    const std::uint8_t Nombre_Couleur = Nombres[Donnees[2] & 3];
    const bool Adapter = Donnees[2] & 4;
    const bool Bitmap_Seul = Donnees[2] & 8;
    const int Appuis = Donnees[2] >> 4;

    Bandes Bandes_Lum;
    Reinitialiser(Bandes_Lum, Nombre_Couleur);
    void (*const Actions[])(Bandes &, std::uint8_t) = {&Lumiere_Plus, &Lumiere_Moins,
                                                       &Contraste_Plus, &Contraste_Moins};
    for (int i = 0; i < Appuis; ++i)
        Actions[(Donnees[3] >> (2 * (i % 4))) & 3](Bandes_Lum, Nombre_Couleur);

    Options_Conversion Autres;
    Autres.Adapter = Adapter;
    Autres.Proportions = true;
    Autres.Echantillonnage = Mode_Echantillonnage::Moyenne_Zone;
    Autres.Teinte = Donnees[1] & 0x80 ? Mode_Teinte::Couleurs_Exactes : Mode_Teinte::Luminance;
    Autres.Tramage = Mode_Tramage::Floyd_Steinberg;

    constexpr int Images_Lues = 4;
    Lecture_Images Lecture(Chemin, Bitmap_Seul);
    Verifier(Lecture.Nombre() >= 1);
    for (int i = 0; i < std::min(Lecture.Nombre(), Images_Lues); ++i)
    {
        const Resultat_Decodage Decode = Lecture.Suivante();
        if (Decode.Image.isNull())
        {
            Verifier(!Decode.Erreur.isEmpty());
            return 0;
        }
        Verifier(qint64(Decode.Image.width()) * Decode.Image.height() <= Pixels_Maximum);

        constexpr std::uint8_t Marque = 0xA5;
        const Image_Source Source{Decode.Image, Largeur, Hauteur};
        for (const bool Defaut : {true, false})
        {
            Plan Plan_Image;
            Plan_Image.fill(Marque);
            if (Defaut)
                Convertir_Image(Plan_Image, Source, Largeur, Hauteur, Adapter, Nombre_Couleur,
                                Bandes_Lum);
            else
                Convertir_Image(Plan_Image, Source, Largeur, Hauteur, Autres, Nombre_Couleur,
                                Bandes_Lum);
            for (int x = 0; x < Colonnes_Plan; ++x)
                for (int y = 0; y < Lignes_Plan; ++y)
                {
                    const std::uint8_t Octet = Plan_Image[Indice(x, y)];
                    if (x < Largeur && y < Hauteur)
                        Verifier(Code_Permis(Octet, Nombre_Couleur));
                    else
                        Verifier(Octet == Marque);
                }
        }
    }
    return 0;
}
