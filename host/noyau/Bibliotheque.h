// The one place that knows how the platform loads a plug-in library.
#ifndef CORVANEL_BIBLIOTHEQUE_H
#define CORVANEL_BIBLIOTHEQUE_H

#include <QString>
#include <optional>
#include <string>

namespace Corvanel
{
inline constexpr const char *Dossier_Plugin = "Plugin";
#if defined(_WIN32)
inline constexpr const char *Suffixe_Plugin = ".dll";
inline constexpr const char *Motif_Plugin = "*.dll";
#else
inline constexpr const char *Suffixe_Plugin = ".so";
inline constexpr const char *Motif_Plugin = "*.so";
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

// The load path of a file of the Plugin folder under Dossier (empty: the current directory),
// in the platform's file-name encoding; empty when the file name is too long to be loaded.
std::string Chemin_Plugin(const QString &Fichier, const QString &Dossier = {});
// The same for a file of the folder Dossier_Plugins itself, whatever that folder is called.
std::string Chemin_Bibliotheque(const QString &Fichier, const QString &Dossier_Plugins);
} // namespace Corvanel

#endif
