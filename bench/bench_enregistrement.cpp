// A save through the host's own save function, as the windows and the batch converter make
// it: whatever the host adds around the plug-in's call is counted.
#include "Bench.h"
#include "Enregistrement.h"
#include "Registre.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

namespace
{
void Mesurer(const char *Nom)
{
    const Corvanel::Resultat_Scan Scan = Corvanel::Scanner_Dossier_Plugins(
        QCoreApplication::applicationDirPath() + QStringLiteral("/Plugin"));
    const Corvanel::Plug_Info *Slot = nullptr;
    for (int i = 0; i < Scan.Nombre_Plug_Image; ++i)
        if (Scan.Liste_Plug_Image[i].Fichier.find(Nom) != std::string::npos)
            Slot = &Scan.Liste_Plug_Image[i];
    QTemporaryDir Dossier;
    if (!Slot || !Dossier.isValid())
    {
        std::printf("enregistrement %s: introuvable\n", Nom);
        return;
    }
    Corvanel::Plan Plan_Image;
    std::mt19937 Alea(42);
    const std::uint8_t Codes[] = {0, 101, 1, 112, 2, 123, 3};
    for (auto &Octet : Plan_Image)
        Octet = Codes[Alea() % 7];
    const QString Chemin = Dossier.filePath(QStringLiteral("sortie"));
    bool Reussi = true;
    const double Ms = Bench::Mediane_ms(101,
                                        [&]
                                        {
                                            Reussi &= Corvanel::Enregistrer_Image(
                                                          *Slot, Chemin, QStringLiteral("Image"), 8,
                                                          Plan_Image, 128, 240)
                                                          .Reussi();
                                        });
    std::printf("enregistrement %s 240x128 8 niveaux (fichier existant): %.3f ms%s\n", Nom, Ms,
                Reussi ? "" : " ECHEC");
}

const bool Enregistre = []
{
    for (const char *Nom : {"Tavisk", "Sauvegarde"})
        Bench::Ajouter(std::string("enregistrement ") + Nom, [Nom] { Mesurer(Nom); });
    return true;
}();
} // namespace
