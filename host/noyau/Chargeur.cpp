#include "Chargeur.h"

#include "Plug_Contrat.h"

#include <utility>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Corvanel
{
namespace
{
#if defined(_WIN32)
void *Ouvrir(const std::string &Chemin)
{
    return reinterpret_cast<void *>(LoadLibraryA(Chemin.c_str()));
}

void Fermer(void *Poignee)
{
    FreeLibrary(reinterpret_cast<HMODULE>(Poignee));
}

void *Symbole(void *Poignee, const std::string &Nom)
{
    return reinterpret_cast<void *>(
        GetProcAddress(reinterpret_cast<HMODULE>(Poignee), Nom.c_str()));
}
#else
// The loader maps a library's segments without checking that the file holds them: touching a
// segment cut off by a truncated file kills the process with SIGBUS. Such a file is refused.
bool Lire_A(int Fd, void *Tampon, std::size_t Taille, off_t Position)
{
    return pread(Fd, Tampon, Taille, Position) == static_cast<ssize_t>(Taille);
}

template <typename Entete, typename Segment> bool Segments_Presents(int Fd, off_t Taille)
{
    Entete En_Tete;
    if (!Lire_A(Fd, &En_Tete, sizeof En_Tete, 0) || En_Tete.e_phentsize != sizeof(Segment))
    {
        return false;
    }
    for (std::size_t i = 0; i < En_Tete.e_phnum; ++i)
    {
        Segment Seg;
        if (!Lire_A(Fd, &Seg, sizeof Seg, static_cast<off_t>(En_Tete.e_phoff + i * sizeof Seg)))
        {
            return false;
        }
        if ((Seg.p_type == PT_LOAD || Seg.p_type == PT_DYNAMIC) &&
            (Seg.p_offset > static_cast<std::uint64_t>(Taille) ||
             Seg.p_filesz > static_cast<std::uint64_t>(Taille) - Seg.p_offset))
        {
            return false;
        }
    }
    return true;
}

bool Fichier_Complet(const std::string &Chemin)
{
    const int Fd = open(Chemin.c_str(), O_RDONLY | O_CLOEXEC);
    if (Fd < 0)
    {
        // Not readable as a file: dlopen gives its own refusal.
        return true;
    }
    bool Complet = true;
    struct stat Etat;
    unsigned char Ident[EI_NIDENT];
    if (fstat(Fd, &Etat) == 0 && S_ISREG(Etat.st_mode) && Lire_A(Fd, Ident, EI_NIDENT, 0))
    {
        if (Ident[EI_CLASS] == ELFCLASS64)
        {
            Complet = Segments_Presents<Elf64_Ehdr, Elf64_Phdr>(Fd, Etat.st_size);
        }
        else if (Ident[EI_CLASS] == ELFCLASS32)
        {
            Complet = Segments_Presents<Elf32_Ehdr, Elf32_Phdr>(Fd, Etat.st_size);
        }
    }
    close(Fd);
    return Complet;
}

void *Ouvrir(const std::string &Chemin)
{
    if (!Fichier_Complet(Chemin))
    {
        return nullptr;
    }
    // Each use loads the library afresh; nothing of it may resolve against another plug-in.
    return dlopen(Chemin.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void Fermer(void *Poignee)
{
    dlclose(Poignee);
}

void *Symbole(void *Poignee, const std::string &Nom)
{
    return dlsym(Poignee, Nom.c_str());
}
#endif
} // namespace

Bibliotheque::Bibliotheque(const std::string &Chemin)
{
    // An empty path would hand back the program itself, and a bare name would be searched
    // for in the system's folders.
    if (Chemin.empty())
    {
        return;
    }
    if (Chemin.find('/') == std::string::npos &&
        Chemin.find(Separateur_Chemin) == std::string::npos)
    {
        Poignee = Ouvrir(std::string(".") + Separateur_Chemin + Chemin);
    }
    else
    {
        Poignee = Ouvrir(Chemin);
    }
}

Bibliotheque::~Bibliotheque()
{
    Liberer();
}

Bibliotheque::Bibliotheque(Bibliotheque &&Autre) noexcept
    : Poignee(std::exchange(Autre.Poignee, nullptr))
{
}

Bibliotheque &Bibliotheque::operator=(Bibliotheque &&Autre) noexcept
{
    if (this != &Autre)
    {
        Liberer();
        Poignee = std::exchange(Autre.Poignee, nullptr);
    }
    return *this;
}

void Bibliotheque::Liberer()
{
    if (Poignee != nullptr)
    {
        Fermer(Poignee);
        Poignee = nullptr;
    }
}

void *Bibliotheque::Chercher(const char *Nom, Ordre Formes) const
{
    if (Poignee == nullptr || Nom == nullptr)
    {
        return nullptr;
    }
    const std::string Simple = Nom;
    const std::string Souligne = "_" + Simple;
    switch (Formes)
    {
    case Ordre::Simple_Seul:
        return Symbole(Poignee, Simple);
    case Ordre::Souligne_Puis_Simple:
        if (void *Trouve = Symbole(Poignee, Souligne))
        {
            return Trouve;
        }
        return Symbole(Poignee, Simple);
    case Ordre::Simple_Puis_Souligne:
        break;
    }
    if (void *Trouve = Symbole(Poignee, Simple))
    {
        return Trouve;
    }
    return Symbole(Poignee, Souligne);
}

std::optional<std::string> Bibliotheque::Lire_Texte(const char *Nom, Ordre Formes) const
{
    const auto Fonction = Chercher_Fonction<Plug_Texte_Type>(Nom, Formes);
    if (Fonction == nullptr)
    {
        return std::nullopt;
    }
    return Copier_Texte(Fonction());
}

std::optional<std::string> Copier_Texte(const char *Texte)
{
    if (Texte == nullptr)
    {
        return std::nullopt;
    }
    return std::string(Texte);
}
} // namespace Corvanel
