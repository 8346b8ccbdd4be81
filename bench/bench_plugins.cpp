// A save through a plug-in should cost little more than writing its bytes: the libraries build
// the file in memory and write it at once.
#include "Bench.h"

#include <Plug_Contrat.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace
{
void Mesurer_Plugin(const char *nom)
{
    QLibrary bibliotheque(QCoreApplication::applicationDirPath() + "/Plugin/" + nom);
    QTemporaryDir dossier;
    const auto genre = reinterpret_cast<Plug_Fonction_Type>(bibliotheque.resolve("Plug_Fonction"));
    const QFunctionPointer go = bibliotheque.resolve("Plug_Enregistrement_Go");
    if (!genre || !go || !dossier.isValid())
    {
        std::printf("plugin %s: introuvable (%s)\n", nom, qPrintable(bibliotheque.errorString()));
        return;
    }

    // Every code of an 8-level picture, the half steps too; the mask savers get 0 and 1.
    const bool mask = genre() & Plug::Genre_Mask;
    std::array<std::uint8_t, Plug::Taille_Plan> plan;
    std::mt19937 alea(42);
    const std::uint8_t codes[] = {0, 101, 1, 112, 2, 123, 3};
    for (auto &octet : plan)
        octet = mask ? alea() % 2 : codes[alea() % 7];

    const QByteArray chemin = dossier.filePath("sortie").toLocal8Bit();
    const auto sauver = [&]
    {
        if (mask)
            reinterpret_cast<Plug_Enregistrement_Mask_Type>(go)(chemin, "Image", plan.data(), 128,
                                                                240);
        else
            reinterpret_cast<Plug_Enregistrement_Image_Type>(go)(chemin, "Image", 8, plan.data(),
                                                                 128, 240);
    };
    sauver();
    const std::string octets(QFileInfo(QString::fromLocal8Bit(chemin)).size(), 'x');
    const QByteArray temoin = dossier.filePath("temoin").toLocal8Bit();
    const auto ecrire = [&]
    {
        if (std::FILE *flux = std::fopen(temoin, "wb"))
        {
            std::fwrite(octets.data(), 1, octets.size(), flux);
            std::fclose(flux);
        }
    };
    // Turn about, so that both meet the same state of the disk cache.
    std::vector<double> plugin, ecriture;
    for (int i = 0; i < 101; ++i)
    {
        plugin.push_back(Bench::Mediane_ms(1, sauver));
        ecriture.push_back(Bench::Mediane_ms(1, ecrire));
    }
    std::sort(plugin.begin(), plugin.end());
    std::sort(ecriture.begin(), ecriture.end());
    const double plugin_ms = plugin[plugin.size() / 2];
    const double ecriture_ms = ecriture[ecriture.size() / 2];
    std::printf("plugin %s 240x128 8 niveaux: %.3f ms, ecriture seule de %zu octets %.3f ms, "
                "rapport %.2f (cible <= 3)\n",
                nom, plugin_ms, octets.size(), ecriture_ms, plugin_ms / ecriture_ms);
}

const bool Enregistre = []
{
    for (const char *nom : {"Pelkor", "Tavisk", "Roskel", "Quenda", "Mervil", "Sauvegarde"})
        Bench::Ajouter(std::string("plugin ") + nom, [nom] { Mesurer_Plugin(nom); });
    return true;
}();
} // namespace
