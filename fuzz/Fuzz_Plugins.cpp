// The shipped save plug-ins called as the host calls them, with any plane, size, colour count
// and picture name, and a picture-and-mask library also with the mask. The plane is the host's own:
// a plug-in must leave it as it was, and must read nothing beyond its 30720 bytes.
#include "Plug_Contrat.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
struct Plugin_Charge
{
    bool Masque = false;
    void *Go = nullptr;
    void *Go_Mask = nullptr; // picture-and-mask libraries
};

std::vector<Plugin_Charge> Plugins;
std::string Chemin_Sortie;

void Verifier(bool Condition)
{
    if (!Condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    for (const char *Nom : {"Pelkor", "Tavisk", "Roskel", "Sauvegarde", "Quenda", "Mervil",
                            "Talvek", "Ombrin", "Garsel", "Pirnel", "Sudrak", "Velmor", "Lorvan",
                            "Sevrin"})
    {
        const std::string Chemin =
            std::string(CORVANEL_DOSSIER_PLUGIN) + "/" + Nom + CORVANEL_SUFFIXE;
        // Loaded once for the whole run: the plug-ins keep no state between calls.
        void *Poignee = dlopen(Chemin.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (Poignee == nullptr)
        {
            std::fprintf(stderr, "%s\n", dlerror());
            std::abort();
        }
        const auto Fonction = reinterpret_cast<Plug_Fonction_Type>(dlsym(Poignee, "Plug_Fonction"));
        Plugin_Charge Plugin;
        Verifier(Fonction != nullptr);
        Plugin.Go = dlsym(Poignee, "Plug_Enregistrement_Go");
        Plugin.Masque = Fonction() == Plug::Genre_Mask;
        if (Fonction() & Plug::Genre_Image_Mask)
            Plugin.Go_Mask = dlsym(Poignee, "Plug_Enregistrement_Go_Mask");
        // A picture-and-mask library alone has only the function with the mask.
        Verifier(Plugin.Go != nullptr || (Fonction() == Plug::Genre_Image_Mask && Plugin.Go_Mask));
        Plugins.push_back(Plugin);
    }
    const char *Temporaire = std::getenv("TMPDIR");
    std::string Modele =
        std::string(Temporaire && *Temporaire ? Temporaire : "/tmp") + "/corvanel-fuzz-XXXXXX";
    Verifier(mkdtemp(Modele.data()) != nullptr);
    static const std::string Dossier = Modele;
    Chemin_Sortie = Dossier + "/sortie";
    std::atexit(
        []
        {
            std::remove(Chemin_Sortie.c_str());
            rmdir(Dossier.c_str());
        });
    return 0;
}

// Input: plug-in (and, past the count of plug-ins, whether the mask goes too), colour count,
// height, width, name length, the name, then the plane's bytes (repeated to fill the plane;
// the mask is the same plane).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Donnees, std::size_t Taille)
{
    if (Taille < 5)
        return 0;
    const Plugin_Charge &Plugin = Plugins[Donnees[0] % Plugins.size()];
    const std::uint8_t Couleurs = Donnees[1];
    const std::uint8_t Hauteur = Donnees[2];
    const std::uint8_t Largeur = Donnees[3];
    std::size_t Position = 5;
    const std::size_t Longueur_Nom = std::min<std::size_t>(Donnees[4] * 2, Taille - Position);
    std::string Nom(reinterpret_cast<const char *>(Donnees + Position), Longueur_Nom);
    Nom = Nom.c_str(); // the name ends at its first NUL, as a C text does
    Position += Longueur_Nom;

    // Exactly the plane's size on the heap, so a read past its end is caught.
    std::vector<std::uint8_t> Plan(Plug::Taille_Plan);
    if (Position < Taille)
        for (std::size_t i = 0; i < Plan.size(); ++i)
            Plan[i] = Donnees[Position + i % (Taille - Position)];
    const std::vector<std::uint8_t> Avant = Plan;

    std::uint8_t Resultat;
    if (Plugin.Go_Mask && (Plugin.Go == nullptr || (Donnees[0] / Plugins.size()) % 2))
        Resultat = reinterpret_cast<Plug_Enregistrement_Image_Mask_Type>(Plugin.Go_Mask)(
            Chemin_Sortie.c_str(), Nom.c_str(), Couleurs, Plan.data(), Plan.data(), Hauteur,
            Largeur);
    else if (Plugin.Masque)
        Resultat = reinterpret_cast<Plug_Enregistrement_Mask_Type>(Plugin.Go)(
            Chemin_Sortie.c_str(), Nom.c_str(), Plan.data(), Hauteur, Largeur);
    else
        Resultat = reinterpret_cast<Plug_Enregistrement_Image_Type>(Plugin.Go)(
            Chemin_Sortie.c_str(), Nom.c_str(), Couleurs, Plan.data(), Hauteur, Largeur);
    (void)Resultat; // GenLib refuses two colours: both answers are sound
    Verifier(Plan == Avant);
    return 0;
}
