// Keeps the file at a save's path safe while a plug-in writes it, so that a failed save leaves
// it exactly as it was and nothing else behind. The plug-in still receives the very path.
//
// The file is moved aside under a hidden name in its own folder (no disk space needed) and
// moved back if the save fails. Where moving it would change what a successful save leaves
// (other hard links to it, another owner) or is not allowed (a folder that cannot be written,
// where the plug-in may still rewrite the file in place), a copy is kept instead, in the same
// folder or the temporary folder, and written back on failure. Should the program itself stop
// in the middle, the file is found beside the path as ".<name>.corvanel-ancien-...".
#ifndef CORVANEL_GARDE_FICHIER_H
#define CORVANEL_GARDE_FICHIER_H

#include <optional>
#include <string>
#include <sys/stat.h>

namespace Corvanel
{
class Garde_Fichier
{
public:
    // Chemin is in the file-name encoding.
    explicit Garde_Fichier(std::string Chemin);
    // Not settled by Valider or Retablir: put back, as after a failure.
    ~Garde_Fichier();
    Garde_Fichier(const Garde_Fichier &) = delete;
    Garde_Fichier &operator=(const Garde_Fichier &) = delete;

    // Before the plug-in runs. False when the file there could not be kept safe: the plug-in
    // must not run then; Erreur() says why.
    bool Proteger();
    // After a save that succeeded: the file kept aside goes; if the plug-in wrote nothing,
    // the file comes back, as it would have stayed untouched.
    void Valider();
    // After a failed save: what the plug-in wrote goes and the file comes back. False when it
    // could not come back; Erreur() says where it is.
    bool Retablir();

    // Before Retablir: what the plug-in left at the path, when it wrote a file there of at
    // most Maximum bytes. Nothing when the path holds no such file or the file kept safe.
    std::optional<std::string> Contenu_Laisse(std::size_t Maximum) const;

    const std::string &Erreur() const { return Erreur_; }

private:
    enum class Mode
    {
        Rien,        // nothing to keep, nothing to remove
        Absent,      // no file before: remove what the plug-in makes on failure
        Deplacement, // the file is under the hidden name Cache
        Copie,       // a copy is in Cache, opened as Copie_Fd
        Regle,       // settled
    };
    bool Copier();
    void Oublier_Copie();
    void Supprimer_Cree();

    std::string Chemin_;
    std::string Cible; // the file itself, links followed
    std::string Cache;
    int Copie_Fd = -1;
    bool Lien_Pendant = false; // a link that named no file was there
    struct stat Avant_
    {
    };
    Mode Mode_ = Mode::Rien;
    std::string Erreur_;
};
} // namespace Corvanel

#endif
