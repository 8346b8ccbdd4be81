#include "Hote_Plugin.h"

#include "corvanel_installation.h"

#include "Protocole_Plugin.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace Corvanel
{
namespace
{
using Horloge = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds Pas_Crochet{20};
// An ended helper is gone at once; this is only for one that closed its output and lives on.
constexpr milliseconds Fin_Max{2000};

std::string Nom_Signal(int Signal)
{
    switch (Signal)
    {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGABRT:
        return "SIGABRT";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    case SIGKILL:
        return "SIGKILL";
    case SIGTERM:
        return "SIGTERM";
    case SIGTRAP:
        return "SIGTRAP";
    case SIGSYS:
        return "SIGSYS";
    case SIGXFSZ:
        return "SIGXFSZ";
    case SIGXCPU:
        return "SIGXCPU";
    case SIGPIPE:
        return "SIGPIPE";
    default:
        return std::to_string(Signal);
    }
}

std::string Secondes(milliseconds Duree)
{
    const long long Ms = Duree.count();
    if (Ms % 1000 == 0)
        return std::to_string(Ms / 1000) + " s";
    return std::to_string(Ms / 1000) + "," + std::to_string(Ms % 1000 / 100) + " s";
}

// Waits at most Limite for the child to end; false when it still runs.
bool Attendre_Fin(pid_t Pid, int &Statut, milliseconds Limite)
{
    const auto Fin = Horloge::now() + Limite;
#if defined(SYS_pidfd_open)
    // Woken the moment it ends, where the system can tell; otherwise by looking again and again.
    const int Fd_Processus = static_cast<int>(syscall(SYS_pidfd_open, Pid, 0));
    if (Fd_Processus >= 0)
    {
        pollfd Attendu{Fd_Processus, POLLIN, 0};
        int Prets;
        do
            Prets = poll(&Attendu, 1, static_cast<int>(Limite.count()));
        while (Prets < 0 && errno == EINTR);
        close(Fd_Processus);
        if (Prets == 0)
            return false;
    }
#endif
    auto Pause = std::chrono::microseconds(20);
    for (;;)
    {
        const pid_t Fini = waitpid(Pid, &Statut, WNOHANG);
        if (Fini == Pid)
            return true;
        if (Fini < 0 && errno != EINTR)
        {
            // Reaped elsewhere (SIGCHLD ignored): its end is unknown.
            Statut = -1;
            return true;
        }
        if (Horloge::now() >= Fin)
            return false;
        std::this_thread::sleep_for(Pause);
        Pause = std::min<std::chrono::microseconds>(Pause * 2, std::chrono::milliseconds(5));
    }
}

void Tuer(pid_t Pid, int &Statut)
{
    kill(Pid, SIGKILL);
    while (waitpid(Pid, &Statut, 0) < 0 && errno == EINTR)
    {
    }
}
} // namespace

Hote_Plugin::Hote_Plugin(std::string Programme)
    : Programme_(Programme.empty() ? Programme_Hote() : std::move(Programme))
{
}

Hote_Plugin::~Hote_Plugin()
{
    Fermer();
}

bool Hote_Plugin::Lancer(std::string &Detail)
{
    int Paire[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, Paire) != 0)
    {
        Detail = std::string("programme d'aide impossible à lancer : ") + std::strerror(errno);
        return false;
    }
    // Duplicated onto 0 and 1 in the child, the end must not already be one of them: dup2 onto
    // its own number would leave it closed at exec.
    int Fils = Paire[1];
    if (Fils <= STDERR_FILENO)
    {
        Fils = fcntl(Paire[1], F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
        close(Paire[1]);
    }
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_adddup2(&Actions, Fils, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&Actions, Fils, STDOUT_FILENO);
    posix_spawnattr_t Attributs;
    posix_spawnattr_init(&Attributs);
    sigset_t Aucun;
    sigemptyset(&Aucun);
    posix_spawnattr_setsigmask(&Attributs, &Aucun);
    posix_spawnattr_setflags(&Attributs, POSIX_SPAWN_SETSIGMASK);
    char *Arguments[] = {Programme_.data(), nullptr};
    const int Erreur =
        Fils < 0 ? errno
                 : posix_spawn(&Pid, Programme_.c_str(), &Actions, &Attributs, Arguments, environ);
    posix_spawnattr_destroy(&Attributs);
    posix_spawn_file_actions_destroy(&Actions);
    if (Fils >= 0)
        close(Fils);
    if (Erreur != 0)
    {
        close(Paire[0]);
        Pid = -1;
        Detail = (Erreur == ENOENT ? std::string("programme d'aide introuvable : ")
                                   : std::string("programme d'aide impossible à lancer : ")) +
                 Programme_ + (Erreur == ENOENT ? "" : std::string(", ") + std::strerror(Erreur));
        return false;
    }
    Fd = Paire[0];
    return true;
}

Resultat_Appel Hote_Plugin::Fin_Processus(Fin_Appel Fin, std::string Detail)
{
    int Statut = 0;
    close(Fd);
    Fd = -1;
    if (Fin == Fin_Appel::Plantage)
    {
        // The helper closed its end: it died, or is dying. Its status says how.
        if (!Attendre_Fin(Pid, Statut, Fin_Max))
        {
            Tuer(Pid, Statut);
            Fin = Fin_Appel::Reponse_Invalide;
            Detail = "le programme d'aide a cessé de répondre";
        }
        else if (Statut == -1)
            Detail = "le plug-in a planté";
        else if (WIFSIGNALED(Statut) && WTERMSIG(Statut) != SIGABRT)
            Detail = "le plug-in a planté sur le signal " + Nom_Signal(WTERMSIG(Statut));
        else
        {
            Fin = Fin_Appel::Arret_Plugin;
            Detail = WIFSIGNALED(Statut) ? "le plug-in s'est arrêté de lui-même sur le signal " +
                                               Nom_Signal(WTERMSIG(Statut))
                                         : "le plug-in s'est arrêté de lui-même avec le code " +
                                               std::to_string(WEXITSTATUS(Statut));
        }
    }
    else
        Tuer(Pid, Statut);
    Pid = -1;
    Resultat_Appel Resultat;
    Resultat.Fin = Fin;
    Resultat.Detail = std::move(Detail);
    return Resultat;
}

void Hote_Plugin::Preparer()
{
    if (Pid < 0)
    {
        Echec_Lancement.clear();
        if (!Lancer(Echec_Lancement) && Echec_Lancement.empty())
            Echec_Lancement = "programme d'aide introuvable";
    }
}

void Hote_Plugin::Commencer(std::string Trame)
{
    Preparer();
    Trame_ = std::move(Trame);
    Envoye = 0;
    Debut_Appel = Horloge::now();
    Appel_En_Cours = true;
    // As much of the request as the socket takes now; Terminer sends the rest.
    while (Pid >= 0 && Envoye < Trame_.size())
    {
        const ssize_t Ecrits = send(Fd, Trame_.data() + Envoye, Trame_.size() - Envoye,
                                    MSG_NOSIGNAL | MSG_DONTWAIT);
        if (Ecrits <= 0)
            break;
        Envoye += static_cast<std::size_t>(Ecrits);
    }
}

Resultat_Appel Hote_Plugin::Appeler(const std::string &Trame, const Options_Appel &Options)
{
    Commencer(Trame);
    return Terminer(Options);
}

Resultat_Appel Hote_Plugin::Terminer(const Options_Appel &Options)
{
    if (!Appel_En_Cours)
    {
        Resultat_Appel Resultat;
        Resultat.Fin = Fin_Appel::Reponse_Invalide;
        Resultat.Detail = "aucune demande en cours";
        return Resultat;
    }
    Appel_En_Cours = false;
    const std::string Trame = std::move(Trame_);
    Trame_.clear();
    if (Pid < 0)
    {
        Resultat_Appel Resultat;
        Resultat.Fin = Fin_Appel::Sans_Hote;
        Resultat.Detail = Echec_Lancement;
        return Resultat;
    }
    const auto Debut = Debut_Appel;
    auto Dernier_Crochet = Debut;
    char Tete[sizeof(std::uint32_t)];
    std::size_t Tete_Lue = 0;
    std::string Corps;
    std::size_t Corps_Lu = 0;
    for (;;)
    {
        const auto Maintenant = Horloge::now();
        const auto Ecoule = std::chrono::duration_cast<milliseconds>(Maintenant - Debut);
        if (Options.Delai.count() > 0 && Ecoule >= Options.Delai)
            return Fin_Processus(Fin_Appel::Delai,
                                 "le plug-in n'a pas répondu en " + Secondes(Options.Delai));
        if (Options.Arreter && Maintenant - Dernier_Crochet >= Pas_Crochet)
        {
            Dernier_Crochet = Maintenant;
            if (Options.Arreter(Ecoule))
                return Fin_Processus(Fin_Appel::Arret, "arrêté à la demande");
        }
        milliseconds Attente = Pas_Crochet;
        if (Options.Delai.count() > 0)
            Attente = std::min(Attente, Options.Delai - Ecoule + milliseconds(1));
        pollfd Attendu{Fd, static_cast<short>(POLLIN | (Envoye < Trame.size() ? POLLOUT : 0)), 0};
        const int Prets = poll(&Attendu, 1, static_cast<int>(Attente.count()));
        if (Prets < 0 && errno != EINTR)
            return Fin_Processus(Fin_Appel::Reponse_Invalide, "attente du programme d'aide "
                                                              "impossible");
        if (Prets <= 0)
            continue;
        if ((Attendu.revents & POLLOUT) != 0 && Envoye < Trame.size())
        {
            const ssize_t Ecrits =
                send(Fd, Trame.data() + Envoye, Trame.size() - Envoye, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (Ecrits > 0)
                Envoye += static_cast<std::size_t>(Ecrits);
            else if (Ecrits < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                return Fin_Processus(Fin_Appel::Plantage, {});
        }
        if ((Attendu.revents & (POLLIN | POLLHUP | POLLERR)) == 0)
            continue;
        const bool Dans_Tete = Tete_Lue < sizeof Tete;
        char *Destination = Dans_Tete ? Tete + Tete_Lue : Corps.data() + Corps_Lu;
        const std::size_t Place = Dans_Tete ? sizeof Tete - Tete_Lue : Corps.size() - Corps_Lu;
        const ssize_t Lus = Place == 0 ? 0 : recv(Fd, Destination, Place, MSG_DONTWAIT);
        if (Lus < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            continue;
        if (Place > 0 && Lus <= 0)
            return Fin_Processus(Fin_Appel::Plantage, {});
        if (Dans_Tete)
        {
            Tete_Lue += static_cast<std::size_t>(Lus);
            if (Tete_Lue < sizeof Tete)
                continue;
            const std::uint32_t Taille = Protocole::Lire_Longueur(Tete);
            if (Taille > Protocole::Taille_Max_Trame)
                return Fin_Processus(Fin_Appel::Reponse_Invalide,
                                     "réponse illisible du programme d'aide");
            Corps.resize(Taille);
        }
        else
            Corps_Lu += static_cast<std::size_t>(Lus);
        if (Tete_Lue == sizeof Tete && Corps_Lu == Corps.size())
        {
            // An answer before the whole request went out cannot be the answer to it.
            if (Envoye < Trame.size())
                return Fin_Processus(Fin_Appel::Reponse_Invalide,
                                     "réponse illisible du programme d'aide");
            Resultat_Appel Resultat;
            Resultat.Reponse = std::move(Corps);
            return Resultat;
        }
    }
}

void Hote_Plugin::Fermer()
{
    if (Pid < 0)
        return;
    // Its input closed, the helper ends on its own; one that does not is stopped.
    close(Fd);
    Fd = -1;
    int Statut = 0;
    if (!Attendre_Fin(Pid, Statut, Fin_Max))
        Tuer(Pid, Statut);
    Pid = -1;
}

std::string Programme_Hote()
{
    static const std::string Chemin = []
    {
        std::string Dossier = ".";
        char Tampon[PATH_MAX];
        const ssize_t Longueur = readlink("/proc/self/exe", Tampon, sizeof Tampon - 1);
        if (Longueur > 0)
        {
            const std::string Programme(Tampon, static_cast<std::size_t>(Longueur));
            const std::size_t Barre = Programme.rfind('/');
            if (Barre != std::string::npos)
                Dossier = Programme.substr(0, Barre);
        }
        const std::string Places[] = {Dossier + "/" + Nom_Programme_Hote,
                                      Dossier + "/" CORVANEL_RELATIF_LIBEXECDIR "/" +
                                          Nom_Programme_Hote};
        for (const std::string &Place : Places)
            if (access(Place.c_str(), X_OK) == 0)
                return Place;
        return Places[0];
    }();
    return Chemin;
}
} // namespace Corvanel
