#include "Bibliotheque.h"

#include "Plug_Contrat.h"

#include <QFile>
#include <utility>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <elf.h>
#endif

namespace Corvanel
{
namespace
{
#if defined(_WIN32)
constexpr char Separateur = '\\';

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
constexpr char Separateur = '/';

// The loader maps a library's segments without checking that the file holds them: touching a
// segment cut off by a truncated file kills the program with SIGBUS. Such a file is refused.
template <typename Entete, typename Segment> bool Segments_Presents(QFile &Fichier)
{
    Entete En_Tete;
    if (Fichier.read(reinterpret_cast<char *>(&En_Tete), sizeof En_Tete) != sizeof En_Tete ||
        En_Tete.e_phentsize != sizeof(Segment))
    {
        return false;
    }
    const qint64 Taille = Fichier.size();
    for (std::size_t i = 0; i < En_Tete.e_phnum; ++i)
    {
        Segment Seg;
        if (!Fichier.seek(static_cast<qint64>(En_Tete.e_phoff + i * sizeof Seg)) ||
            Fichier.read(reinterpret_cast<char *>(&Seg), sizeof Seg) != sizeof Seg)
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
    QFile Fichier(QFile::decodeName(Chemin.c_str()));
    unsigned char Ident[EI_NIDENT];
    if (!Fichier.open(QIODevice::ReadOnly) ||
        Fichier.read(reinterpret_cast<char *>(Ident), EI_NIDENT) != EI_NIDENT || !Fichier.seek(0))
    {
        // Not readable as a file: dlopen gives its own refusal.
        return true;
    }
    if (Ident[EI_CLASS] == ELFCLASS64)
    {
        return Segments_Presents<Elf64_Ehdr, Elf64_Phdr>(Fichier);
    }
    if (Ident[EI_CLASS] == ELFCLASS32)
    {
        return Segments_Presents<Elf32_Ehdr, Elf32_Phdr>(Fichier);
    }
    return true;
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
    if (Chemin.find('/') == std::string::npos && Chemin.find(Separateur) == std::string::npos)
    {
        Poignee = Ouvrir(std::string(".") + Separateur + Chemin);
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

std::string Chemin_Plugin(const QString &Fichier, const QString &Dossier)
{
    const QByteArray Nom = QFile::encodeName(Fichier);
    if (Nom.isEmpty() || static_cast<std::size_t>(Nom.size()) > Longueur_Max_Fichier)
    {
        return {};
    }
    std::string Chemin;
    if (!Dossier.isEmpty())
    {
        Chemin = QFile::encodeName(Dossier).toStdString();
        if (Chemin.back() != '/' && Chemin.back() != Separateur)
        {
            Chemin += Separateur;
        }
    }
    Chemin += Dossier_Plugin;
    Chemin += Separateur;
    Chemin += Nom.toStdString();
    return Chemin;
}

std::string Chemin_Bibliotheque(const QString &Fichier, const QString &Dossier_Plugins)
{
    const QByteArray Nom = QFile::encodeName(Fichier);
    if (Nom.isEmpty() || static_cast<std::size_t>(Nom.size()) > Longueur_Max_Fichier)
    {
        return {};
    }
    std::string Chemin = QFile::encodeName(Dossier_Plugins).toStdString();
    if (!Chemin.empty() && Chemin.back() != '/' && Chemin.back() != Separateur)
    {
        Chemin += Separateur;
    }
    Chemin += Nom.toStdString();
    return Chemin;
}
} // namespace Corvanel
