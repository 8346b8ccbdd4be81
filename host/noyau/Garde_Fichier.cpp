#include "Garde_Fichier.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Corvanel
{
namespace
{
std::atomic<unsigned> Compteur{0};

bool Meme_Fichier_Inchange(const struct stat &A, const struct stat &B)
{
    return A.st_dev == B.st_dev && A.st_ino == B.st_ino && A.st_size == B.st_size &&
           A.st_mtim.tv_sec == B.st_mtim.tv_sec && A.st_mtim.tv_nsec == B.st_mtim.tv_nsec &&
           A.st_ctim.tv_sec == B.st_ctim.tv_sec && A.st_ctim.tv_nsec == B.st_ctim.tv_nsec;
}

// ".<name>.corvanel-ancien-<process>-<count>" in the file's own folder, within a name's
// length limit.
std::string Nom_Cache(const std::string &Fichier)
{
    const std::size_t Barre = Fichier.rfind('/');
    const std::string Dossier =
        Barre == std::string::npos ? std::string() : Fichier.substr(0, Barre + 1);
    std::string Nom = Barre == std::string::npos ? Fichier : Fichier.substr(Barre + 1);
    const std::string Suite =
        ".corvanel-ancien-" + std::to_string(getpid()) + "-" + std::to_string(Compteur++);
    if (Nom.size() + Suite.size() + 1 > NAME_MAX)
        Nom.resize(NAME_MAX - Suite.size() - 1);
    return Dossier + "." + Nom + Suite;
}

bool Copier_Contenu(int Source, int Destination)
{
    char Tampon[1 << 16];
    for (;;)
    {
        ssize_t Lus = read(Source, Tampon, sizeof Tampon);
        if (Lus < 0 && errno == EINTR)
            continue;
        if (Lus < 0)
            return false;
        if (Lus == 0)
            return true;
        const char *Debut = Tampon;
        while (Lus > 0)
        {
            const ssize_t Ecrits = write(Destination, Debut, static_cast<std::size_t>(Lus));
            if (Ecrits < 0 && errno == EINTR)
                continue;
            if (Ecrits <= 0)
                return false;
            Debut += Ecrits;
            Lus -= Ecrits;
        }
    }
}

std::string Raison(int Erreur)
{
    return std::strerror(Erreur);
}
} // namespace

Garde_Fichier::Garde_Fichier(std::string Chemin) : Chemin_(std::move(Chemin)) {}

Garde_Fichier::~Garde_Fichier()
{
    if (Mode_ != Mode::Rien && Mode_ != Mode::Regle)
        Retablir();
    if (Copie_Fd >= 0)
        close(Copie_Fd);
}

bool Garde_Fichier::Proteger()
{
    struct stat Lien;
    if (lstat(Chemin_.c_str(), &Lien) != 0)
    {
        // Nothing there. When the path cannot even be looked at, the plug-in meets the same
        // obstacle and there is nothing of ours to remove.
        Mode_ = errno == ENOENT ? Mode::Absent : Mode::Rien;
        return true;
    }
    Cible = Chemin_;
    if (S_ISLNK(Lien.st_mode))
    {
        // Through a link the plug-in writes the file the link names: that one is kept.
        char *Reel = realpath(Chemin_.c_str(), nullptr);
        if (Reel == nullptr)
        {
            Lien_Pendant = errno == ENOENT;
            Mode_ = Lien_Pendant ? Mode::Absent : Mode::Rien;
            return true;
        }
        Cible = Reel;
        std::free(Reel);
    }
    // A folder, a device or a pipe is not the plug-in's to replace: it stays as it is.
    if (stat(Cible.c_str(), &Avant_) != 0 || !S_ISREG(Avant_.st_mode))
    {
        Mode_ = Mode::Rien;
        return true;
    }
    // Moved aside, the file would leave its other names and its owner behind: the new one
    // would not be what rewriting it in place gives.
    if (Avant_.st_nlink == 1 && Avant_.st_uid == geteuid())
    {
        for (int Essai = 0; Essai < 100; ++Essai)
        {
            Cache = Nom_Cache(Cible);
            if (renameat2(AT_FDCWD, Cible.c_str(), AT_FDCWD, Cache.c_str(), RENAME_NOREPLACE) == 0)
            {
                Mode_ = Mode::Deplacement;
                return true;
            }
            if (errno == EEXIST)
                continue;
            // A file system without that rename: the name is checked first instead.
            struct stat Occupe;
            if ((errno == EINVAL || errno == ENOSYS) && lstat(Cache.c_str(), &Occupe) != 0 &&
                std::rename(Cible.c_str(), Cache.c_str()) == 0)
            {
                Mode_ = Mode::Deplacement;
                return true;
            }
            break;
        }
    }
    if (Copier())
    {
        Mode_ = Mode::Copie;
        return true;
    }
    Erreur_ = "l'ancien fichier n'a pas pu être mis à l'abri (" + Raison(errno) +
              ") : rien n'a été écrit";
    return false;
}

bool Garde_Fichier::Copier()
{
    const int Source = open(Cible.c_str(), O_RDONLY | O_CLOEXEC);
    if (Source < 0)
        return false;
    // Beside the file first; in the temporary folder when its own folder cannot take it.
    const char *Temporaire = std::getenv("TMPDIR");
    const std::string Ailleurs =
        std::string(Temporaire && *Temporaire ? Temporaire : "/tmp") + "/.corvanel-ancien-XXXXXX";
    int Erreur = 0;
    for (int Place = 0; Place < 2 && Copie_Fd < 0; ++Place)
    {
        int Fd = -1;
        if (Place == 0)
        {
            Cache = Nom_Cache(Cible);
            Fd = open(Cache.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        }
        else
        {
            Cache = Ailleurs;
            Fd = mkostemp(Cache.data(), O_CLOEXEC);
        }
        if (Fd < 0)
        {
            Erreur = errno;
            continue;
        }
        if (lseek(Source, 0, SEEK_SET) == 0 && Copier_Contenu(Source, Fd))
            Copie_Fd = Fd;
        else
        {
            Erreur = errno;
            close(Fd);
            unlink(Cache.c_str());
        }
    }
    close(Source);
    errno = Erreur;
    return Copie_Fd >= 0;
}

void Garde_Fichier::Oublier_Copie()
{
    close(Copie_Fd);
    Copie_Fd = -1;
    unlink(Cache.c_str());
}

void Garde_Fichier::Valider()
{
    switch (Mode_)
    {
    case Mode::Deplacement:
    {
        struct stat Apres;
        if (lstat(Cible.c_str(), &Apres) != 0)
            std::rename(Cache.c_str(), Cible.c_str());
        else
        {
            // Rewritten in place, the file would have kept its permissions.
            if (S_ISREG(Apres.st_mode) && (Apres.st_mode & 07777) != (Avant_.st_mode & 07777))
                chmod(Cible.c_str(), Avant_.st_mode & 07777);
            unlink(Cache.c_str());
        }
        break;
    }
    case Mode::Copie:
        Oublier_Copie();
        break;
    case Mode::Rien:
    case Mode::Absent:
    case Mode::Regle:
        break;
    }
    Mode_ = Mode::Regle;
}

void Garde_Fichier::Supprimer_Cree()
{
    struct stat Apres;
    if (lstat(Chemin_.c_str(), &Apres) != 0 || S_ISDIR(Apres.st_mode))
        return;
    if (!S_ISLNK(Apres.st_mode) || !Lien_Pendant)
    {
        unlink(Chemin_.c_str());
        return;
    }
    // The link was there, naming a file that did not exist: the plug-in made that file.
    if (char *Reel = realpath(Chemin_.c_str(), nullptr))
    {
        struct stat Fichier;
        if (stat(Reel, &Fichier) == 0 && S_ISREG(Fichier.st_mode))
            unlink(Reel);
        std::free(Reel);
    }
}

std::optional<std::string> Garde_Fichier::Contenu_Laisse(std::size_t Maximum) const
{
    if (Mode_ != Mode::Absent && Mode_ != Mode::Deplacement && Mode_ != Mode::Copie)
        return std::nullopt;
    // Whatever took the name meanwhile, a pipe or a device must not keep the read waiting.
    const int Fd = open(Mode_ == Mode::Absent ? Chemin_.c_str() : Cible.c_str(),
                        O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (Fd < 0)
        return std::nullopt;
    std::optional<std::string> Contenu;
    struct stat Etat;
    // Rewritten in place, the file kept safe by a copy may be untouched: then it is not the
    // plug-in's.
    if (fstat(Fd, &Etat) == 0 && S_ISREG(Etat.st_mode) &&
        static_cast<std::size_t>(Etat.st_size) <= Maximum &&
        !(Mode_ == Mode::Copie && Meme_Fichier_Inchange(Avant_, Etat)))
    {
        std::string Octets(Maximum + 1, '\0');
        std::size_t Lus = 0;
        bool Lisible = true;
        while (Lus < Octets.size())
        {
            const ssize_t Un = read(Fd, Octets.data() + Lus, Octets.size() - Lus);
            if (Un < 0 && errno == EINTR)
                continue;
            Lisible = Un >= 0;
            if (Un <= 0)
                break;
            Lus += static_cast<std::size_t>(Un);
        }
        if (Lisible && Lus <= Maximum)
        {
            Octets.resize(Lus);
            Contenu = std::move(Octets);
        }
    }
    close(Fd);
    return Contenu;
}

bool Garde_Fichier::Retablir()
{
    bool Rendu = true;
    switch (Mode_)
    {
    case Mode::Absent:
        Supprimer_Cree();
        break;
    case Mode::Deplacement:
    {
        struct stat Apres;
        if (lstat(Cible.c_str(), &Apres) == 0 && !S_ISDIR(Apres.st_mode))
            unlink(Cible.c_str());
        if (std::rename(Cache.c_str(), Cible.c_str()) != 0)
        {
            Erreur_ = "l'ancien fichier n'a pas pu revenir (" + Raison(errno) +
                      ") : il est resté sous le nom « " + Cache + " »";
            Rendu = false;
        }
        break;
    }
    case Mode::Copie:
    {
        struct stat Apres;
        if (stat(Cible.c_str(), &Apres) == 0 && Meme_Fichier_Inchange(Avant_, Apres))
        {
            Oublier_Copie();
            break;
        }
        const int Fd =
            open(Cible.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, Avant_.st_mode & 07777);
        const bool Ecrit =
            Fd >= 0 && lseek(Copie_Fd, 0, SEEK_SET) == 0 && Copier_Contenu(Copie_Fd, Fd);
        const int Erreur = errno;
        if (Fd >= 0 && close(Fd) != 0 && Ecrit)
            Rendu = false;
        if (!Ecrit || !Rendu)
        {
            Erreur_ = "l'ancien fichier n'a pas pu être réécrit (" + Raison(Erreur) +
                      ") : sa copie est restée sous le nom « " + Cache + " »";
            Rendu = false;
            break;
        }
        Oublier_Copie();
        break;
    }
    case Mode::Rien:
    case Mode::Regle:
        break;
    }
    Mode_ = Mode::Regle;
    return Rendu;
}
} // namespace Corvanel
