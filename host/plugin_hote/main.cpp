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
    {
        const auto Go = Plugin.Chercher_Fonction<Plug_Enregistrement_Image_Type>(
            "Plug_Enregistrement_Go", Ordre::Simple_Puis_Souligne);
        if (Go == nullptr)
            return Refus(Etat::Fonction_Absente);
        return Resultat(
            Go(Chemin.c_str(), Nom.c_str(), Couleurs, Niveaux.data(), Hauteur, Largeur));
    }
    case Operation::Enregistrer_Mask:
    {
        // The mask save asks for the plain name only.
        const auto Go = Plugin.Chercher_Fonction<Plug_Enregistrement_Mask_Type>(
            "Plug_Enregistrement_Go", Ordre::Simple_Seul);
        if (Go == nullptr)
            return Refus(Etat::Fonction_Absente);
        return Resultat(Go(Chemin.c_str(), Nom.c_str(), Mask.data(), Hauteur, Largeur));
    }
    case Operation::Enregistrer_Image_Mask:
    {
        const auto Go = Plugin.Chercher_Fonction<Plug_Enregistrement_Image_Mask_Type>(
            "Plug_Enregistrement_Go_Mask", Ordre::Simple_Puis_Souligne);
        if (Go == nullptr)
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
