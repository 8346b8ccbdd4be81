// The one place that knows how the platform loads a plug-in library. Plain C++: the helper
// program that makes every call into a plug-in uses it too.
#ifndef CORVANEL_CHARGEUR_H
#define CORVANEL_CHARGEUR_H

#include <cstddef>
#include <optional>
#include <string>

namespace Corvanel
{
inline constexpr const char *Dossier_Plugin = "Plugin";
#if defined(_WIN32)
inline constexpr const char *Suffixe_Plugin = ".dll";
inline constexpr const char *Motif_Plugin = "*.dll";
inline constexpr char Separateur_Chemin = '\\';
#else
inline constexpr const char *Suffixe_Plugin = ".so";
inline constexpr const char *Motif_Plugin = "*.so";
inline constexpr char Separateur_Chemin = '/';
#endif

// A load path ("Plugin/" and the file name) holds at most 99 characters, so a file name at
// most 92: a library with a longer name does not follow the contract and is never loaded.
inline constexpr std::size_t Longueur_Max_Chemin = 99;
inline constexpr std::size_t Longueur_Max_Fichier = Longueur_Max_Chemin - 7;

// Where a name is looked up: some tool chains export "_Plug_Nom" for "Plug_Nom".
enum class Ordre
{
    Simple_Puis_Souligne,
    Souligne_Puis_Simple,
    Simple_Seul,
};

class Bibliotheque
{
public:
    Bibliotheque() = default;
    // The path is in the platform's file-name encoding; a path without a folder is taken in
    // the current directory, never from the system's library path. An empty path loads nothing.
    explicit Bibliotheque(const std::string &Chemin);
    ~Bibliotheque();
    Bibliotheque(Bibliotheque &&Autre) noexcept;
    Bibliotheque &operator=(Bibliotheque &&Autre) noexcept;
    Bibliotheque(const Bibliotheque &) = delete;
    Bibliotheque &operator=(const Bibliotheque &) = delete;

    bool Chargee() const { return Poignee != nullptr; }
    void Liberer();

    // nullptr when the library is not loaded or has neither form of the name.
    void *Chercher(const char *Nom, Ordre Formes) const;

    template <typename Fonction> Fonction Chercher_Fonction(const char *Nom, Ordre Formes) const
    {
        return reinterpret_cast<Fonction>(Chercher(Nom, Formes));
    }

    // Calls a text export and copies its result before the library can go: nothing when the
    // export is missing or returns a null pointer.
    std::optional<std::string> Lire_Texte(const char *Nom, Ordre Formes) const;

private:
    void *Poignee = nullptr;
};

// A returned text, copied; a null pointer gives nothing.
std::optional<std::string> Copier_Texte(const char *Texte);
} // namespace Corvanel

#endif
