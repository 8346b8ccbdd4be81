// corvanel-plugin-hote: makes the calls into plug-in libraries on behalf of Corvanel and
// corvanel-convert, so that a library that crashes or hangs takes down this process only.
// It reads requests on its standard input and answers each on its standard output (see
// Protocole_Plugin.h); every request loads its library, makes its calls and frees the library
// before the answer goes. Plain C++ and no Qt, so that it starts in a few milliseconds.
#include "Chargeur.h"
#include "Plug_Contrat.h"
#include "Protocole_Plugin.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <optional>
#include <string>
#include <unistd.h>

using namespace Corvanel;
using Protocole::Etat;
using Protocole::Operation;

namespace
{
using Plan = std::array<std::uint8_t, Plug::Taille_Plan>;

bool Lire_Tout(int Fd, char *Tampon, std::size_t Taille)
{
    while (Taille > 0)
    {
        const ssize_t Lus = read(Fd, Tampon, Taille);
        if (Lus < 0 && errno == EINTR)
            continue;
        if (Lus <= 0)
            return false;
        Tampon += Lus;
        Taille -= static_cast<std::size_t>(Lus);
    }
    return true;
}

bool Ecrire_Tout(int Fd, const std::string &Octets)
{
    const char *Debut = Octets.data();
    std::size_t Reste = Octets.size();
    while (Reste > 0)
    {
        const ssize_t Ecrits = write(Fd, Debut, Reste);
        if (Ecrits < 0 && errno == EINTR)
            continue;
        if (Ecrits <= 0)
            return false;
        Debut += Ecrits;
        Reste -= static_cast<std::size_t>(Ecrits);
    }
    return true;
}

std::string Refus(Etat E)
{
    return Protocole::Ecriture(E).Trame();
}

std::string Examiner(const Bibliotheque &Plugin)
{
    const auto Fonction =
        Plugin.Chercher_Fonction<Plug_Fonction_Type>("Plug_Fonction", Ordre::Simple_Puis_Souligne);
    if (Fonction == nullptr)
        return Refus(Etat::Fonction_Absente);
    // Asked once: a kind that changed between calls would put the library in a table that
    // does not match what the explorer shows.
    const std::uint8_t Genre = Fonction();
    Protocole::Ecriture Reponse(Etat::Fait);
    Reponse.Octet(Genre);
    std::optional<std::string> Extention;
    std::optional<std::string> Nom;
    if ((Genre & (Plug::Genre_Image | Plug::Genre_Image_Mask | Plug::Genre_Mask)) != 0)
    {
        Extention = Plugin.Lire_Texte("Plug_Enregistrement_Extention", Ordre::Simple_Puis_Souligne);
        // Without an extension the library is offered nowhere: its name is not asked for.
        if (Extention)
            Nom = Plugin.Lire_Texte("Plug_Nom", Ordre::Simple_Puis_Souligne);
    }
    return Reponse.Texte_Optionnel(Extention).Texte_Optionnel(Nom).Trame();
}

std::string Details(const Bibliotheque &Plugin)
{
    const auto Nom =
        Plugin.Chercher_Fonction<Plug_Texte_Type>("Plug_Nom", Ordre::Simple_Puis_Souligne);
    if (Nom == nullptr)
        return Refus(Etat::Fonction_Absente);
    Protocole::Ecriture Reponse(Etat::Fait);
    // A library that exports a name but returns none is still compatible: its name is empty.
    Reponse.Texte(Copier_Texte(Nom()).value_or(""));
    Reponse.Texte_Optionnel(Plugin.Lire_Texte("Plug_Description", Ordre::Simple_Puis_Souligne));
    Reponse.Texte_Optionnel(Plugin.Lire_Texte("Plug_Version", Ordre::Simple_Puis_Souligne));
    Reponse.Texte_Optionnel(Plugin.Lire_Texte("Plug_Auteur", Ordre::Souligne_Puis_Simple));
    Reponse.Texte_Optionnel(Plugin.Lire_Texte("Plug_Mail", Ordre::Simple_Puis_Souligne));
    Reponse.Texte_Optionnel(Plugin.Lire_Texte("Plug_Site", Ordre::Simple_Puis_Souligne));
    return Reponse.Trame();
}

std::string Resultat(std::uint8_t Valeur)
{
    return Protocole::Ecriture(Etat::Fait).Octet(Valeur).Trame();
}

// Where the sprites of a lot are written: a file in memory, reached by a path, so that
// a thousand sprites cost no thousand files on the disk; the scratch path when the system
// has no such file.
class Fichier_Case
{
public:
    explicit Fichier_Case(const std::string &Brouillon)
        : Memoire(memfd_create("corvanel-case", MFD_CLOEXEC)),
          Chemin(Memoire >= 0 ? "/proc/self/fd/" + std::to_string(Memoire) : Brouillon)
    {
    }
    ~Fichier_Case()
    {
        if (Memoire >= 0)
            close(Memoire);
        else
            unlink(Chemin.c_str());
    }
    Fichier_Case(const Fichier_Case &) = delete;
    Fichier_Case &operator=(const Fichier_Case &) = delete;

    const char *Nom() const { return Chemin.c_str(); }

    // Emptied before each sprite: a plug-in that writes nothing must not hand on the last.
    void Vider()
    {
        if (Memoire >= 0)
            (void)!ftruncate(Memoire, 0);
        else
            unlink(Chemin.c_str());
    }

    // The bytes the plug-in wrote; nothing when they cannot be read back or are more than
    // Maximum.
    std::optional<std::string> Lire(std::size_t Maximum = Protocole::Taille_Max_Trame) const
    {
        const int Fd = Memoire >= 0 ? Memoire : open(Chemin.c_str(), O_RDONLY | O_CLOEXEC);
        if (Fd < 0)
            return std::nullopt;
        std::string Octets;
        char Tampon[65536];
        bool Ok = true;
        for (off_t Position = 0;;)
        {
            const ssize_t Lus = pread(Fd, Tampon, sizeof Tampon, Position);
            if (Lus < 0 && errno == EINTR)
                continue;
            if (Lus < 0)
                Ok = false;
            if (Lus <= 0)
                break;
            Octets.append(Tampon, static_cast<std::size_t>(Lus));
            Position += Lus;
            // An answer is one frame: a plug-in that writes without end is cut off.
            if (Octets.size() > Maximum)
            {
                Ok = false;
                break;
            }
        }
        if (Fd != Memoire)
            close(Fd);
        if (!Ok)
            return std::nullopt;
        return Octets;
    }

private:
    int Memoire;
    std::string Chemin;
};

// The save function of a library for one kind of save, called the same way for all three.
// A library that lacks Plug_Enregistrement_Go_Mask but also declares the picture kind saves
// the picture alone, as a host without the mask kind would.
class Enregistreur
{
public:
    Enregistreur(const Bibliotheque &Plugin, Operation Genre)
    {
        if (Genre == Operation::Enregistrer_Mask)
        {
            // The mask save asks for the plain name only.
            Go_Masque = Plugin.Chercher_Fonction<Plug_Enregistrement_Mask_Type>(
                "Plug_Enregistrement_Go", Ordre::Simple_Seul);
            return;
        }
        if (Genre == Operation::Enregistrer_Image_Mask)
        {
            Go_Image_Mask = Plugin.Chercher_Fonction<Plug_Enregistrement_Image_Mask_Type>(
                "Plug_Enregistrement_Go_Mask", Ordre::Simple_Puis_Souligne);
            if (Go_Image_Mask != nullptr)
                return;
            const auto Fonction = Plugin.Chercher_Fonction<Plug_Fonction_Type>(
                "Plug_Fonction", Ordre::Simple_Puis_Souligne);
            if (Fonction == nullptr || (Fonction() & Plug::Genre_Image) == 0)
                return;
        }
        Go_Image = Plugin.Chercher_Fonction<Plug_Enregistrement_Image_Type>(
            "Plug_Enregistrement_Go", Ordre::Simple_Puis_Souligne);
    }

    bool Present() const
    {
        return Go_Image != nullptr || Go_Masque != nullptr || Go_Image_Mask != nullptr;
    }

    // The planes the kind does not use are not read.
    std::uint8_t operator()(const char *Chemin, const char *Nom, std::uint8_t Couleurs,
                            const std::uint8_t *Niveaux, const std::uint8_t *Mask,
                            std::uint8_t Hauteur, std::uint8_t Largeur) const
    {
        if (Go_Masque != nullptr)
            return Go_Masque(Chemin, Nom, Mask, Hauteur, Largeur);
        if (Go_Image_Mask != nullptr)
            return Go_Image_Mask(Chemin, Nom, Couleurs, Niveaux, Mask, Hauteur, Largeur);
        return Go_Image(Chemin, Nom, Couleurs, Niveaux, Hauteur, Largeur);
    }

private:
    Plug_Enregistrement_Image_Type Go_Image = nullptr;
    Plug_Enregistrement_Mask_Type Go_Masque = nullptr;
    Plug_Enregistrement_Image_Mask_Type Go_Image_Mask = nullptr;
};

// A sheet's sprites through one library load: each is saved to the scratch path as a single
// save would save it, and its bytes go back in the answer.
std::string Enregistrer_Lot(const Bibliotheque &Plugin, Operation Genre, const std::string &Chemin,
                            Protocole::Lecture &Requete)
{
    const Enregistreur Go(Plugin, Genre);
    if (!Go.Present())
        return Refus(Etat::Fonction_Absente);
    Protocole::Ecriture Reponse(Etat::Fait);
    Fichier_Case Fichier(Chemin);
    Plan Niveaux{};
    Plan Points_Mask{};
    while (!Requete.Fin())
    {
        const std::string Nom = Requete.Texte();
        const std::uint8_t Couleurs = Requete.Octet();
        const std::uint8_t Hauteur = Requete.Octet();
        const std::uint8_t Largeur = Requete.Octet();
        if (Genre != Operation::Enregistrer_Mask)
            Requete.Points(Niveaux.data(), Hauteur, Largeur);
        if (Genre != Operation::Enregistrer_Image)
            Requete.Points(Points_Mask.data(), Hauteur, Largeur);
        if (!Requete.Intacte())
            return Refus(Etat::Requete_Invalide);
        Fichier.Vider();
        const std::uint8_t Valeur = Go(Fichier.Nom(), Nom.c_str(), Couleurs, Niveaux.data(),
                                       Points_Mask.data(), Hauteur, Largeur);
        Reponse.Octet(Valeur);
        if (Valeur == 0)
        {
            // What a refusing plug-in wrote may say why.
            Reponse.Texte_Optionnel(Fichier.Lire(Protocole::Taille_Max_Raison));
            break;
        }
        Reponse.Texte_Optionnel(Fichier.Lire());
        if (Reponse.Taille() > Protocole::Taille_Max_Trame)
            return Refus(Etat::Requete_Invalide);
    }
    return Reponse.Trame();
}

std::string Traiter(const std::string &Corps)
{
    Protocole::Lecture Requete(Corps);
    const auto Op = static_cast<Operation>(Requete.Octet());
    const std::string Fichier = Requete.Texte();
    std::string Chemin;
    std::string Nom;
    std::uint8_t Couleurs = 0;
    Plan Niveaux{};
    Plan Mask{};
    std::uint8_t Hauteur = 0;
    std::uint8_t Largeur = 0;
    switch (Op)
    {
    case Operation::Examiner:
    case Operation::Details:
        break;
    case Operation::Enregistrer_Image:
    case Operation::Enregistrer_Mask:
    case Operation::Enregistrer_Image_Mask:
        Chemin = Requete.Texte();
        Nom = Requete.Texte();
        if (Op != Operation::Enregistrer_Mask)
            Couleurs = Requete.Octet();
        Requete.Plan(Op == Operation::Enregistrer_Mask ? Mask.data() : Niveaux.data());
        if (Op == Operation::Enregistrer_Image_Mask)
            Requete.Plan(Mask.data());
        Hauteur = Requete.Octet();
        Largeur = Requete.Octet();
        break;
    case Operation::Demarrer:
        Couleurs = Requete.Octet();
        Requete.Plan(Niveaux.data());
        Hauteur = Requete.Octet();
        Largeur = Requete.Octet();
        break;
    case Operation::Enregistrer_Lot:
    {
        const auto Genre = static_cast<Operation>(Requete.Octet());
        Chemin = Requete.Texte();
        if (Requete.Fin() || (Genre != Operation::Enregistrer_Image &&
                              Genre != Operation::Enregistrer_Mask &&
                              Genre != Operation::Enregistrer_Image_Mask))
            return Refus(Etat::Requete_Invalide);
        const Bibliotheque Plugin(Fichier);
        if (!Plugin.Chargee())
            return Refus(Etat::Non_Chargee);
        return Enregistrer_Lot(Plugin, Genre, Chemin, Requete);
    }
    default:
        return Refus(Etat::Requete_Invalide);
    }
    if (!Requete.Valide())
        return Refus(Etat::Requete_Invalide);

    // The library is freed when this returns, before the answer goes: a crash in its
    // clean-up still counts against this call.
    const Bibliotheque Plugin(Fichier);
    if (!Plugin.Chargee())
        return Refus(Etat::Non_Chargee);
    switch (Op)
    {
    case Operation::Examiner:
        return Examiner(Plugin);
    case Operation::Details:
        return Details(Plugin);
    case Operation::Enregistrer_Image:
    case Operation::Enregistrer_Mask:
    case Operation::Enregistrer_Image_Mask:
    {
        const Enregistreur Go(Plugin, Op);
        if (!Go.Present())
            return Refus(Etat::Fonction_Absente);
        return Resultat(Go(Chemin.c_str(), Nom.c_str(), Couleurs, Niveaux.data(), Mask.data(),
                           Hauteur, Largeur));
    }
    case Operation::Demarrer:
    {
        const auto Go =
            Plugin.Chercher_Fonction<Plug_App_Go_Type>("Plug_App_Go", Ordre::Simple_Puis_Souligne);
        if (Go == nullptr)
            return Refus(Etat::Fonction_Absente);
        const std::uint8_t Valeur = Go(Couleurs, Niveaux.data(), Hauteur, Largeur);
        // The picture goes back only when the plug-in says it did its work.
        Protocole::Ecriture Reponse(Etat::Fait);
        Reponse.Octet(Valeur);
        if (Valeur != 0)
            Reponse.Plan(Niveaux.data());
        return Reponse.Trame();
    }
    case Operation::Enregistrer_Lot:
        break;
    }
    return Refus(Etat::Requete_Invalide);
}
} // namespace

int main()
{
    // The requests and answers move to descriptors of their own: a plug-in that reads its
    // standard input or prints on its standard output must not garble them.
    const int Entree = fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 3);
    const int Sortie = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    if (Entree < 0 || Sortie < 0)
        return 2;
    const int Nul = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (Nul >= 0)
        dup2(Nul, STDIN_FILENO);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    if (Nul >= 0)
        close(Nul);

    std::string Corps;
    for (;;)
    {
        char Longueur[sizeof(std::uint32_t)];
        if (!Lire_Tout(Entree, Longueur, sizeof Longueur))
            break;
        const std::uint32_t Taille = Protocole::Lire_Longueur(Longueur);
        if (Taille > Protocole::Taille_Max_Trame)
            return 2;
        Corps.resize(Taille);
        if (!Lire_Tout(Entree, Corps.data(), Taille))
            return 2;
        if (!Ecrire_Tout(Sortie, Traiter(Corps)))
            return 2;
    }
    close(Entree);
    close(Sortie);
    return 0;
}
