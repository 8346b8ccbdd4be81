// The host's end of the helper program that makes every call into a plug-in library
// (host/plugin_hote): it starts the helper, sends it one request at a time and waits for the
// answer, and stops it when it crashes, hangs or the user asks. One object serves one thread;
// objects on different threads are independent.
#ifndef CORVANEL_HOTE_PLUGIN_H
#define CORVANEL_HOTE_PLUGIN_H

#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>

namespace Corvanel
{
inline constexpr const char *Nom_Programme_Hote = "corvanel-plugin-hote";

// A call into a plug-in that takes longer than this shows the wait dialog.
inline constexpr std::chrono::milliseconds Delai_Attente{1000};
// The start-up scan and the explorer's details give each library this long.
inline constexpr std::chrono::milliseconds Delai_Examen{3000};

class Hote_Plugin;

struct Options_Appel
{
    // The longest the call may take; zero waits as long as it takes.
    std::chrono::milliseconds Delai{0};
    // Asked about every 20 ms while the plug-in works, with the time since the call began;
    // true stops the call. Called on the calling thread only.
    std::function<bool(std::chrono::milliseconds)> Arreter;
    // The helper to call through, kept running between calls; none starts one for the call.
    Hote_Plugin *Hote = nullptr;
};

enum class Fin_Appel
{
    Repondu,
    Plantage,         // the helper died of a signal other than an abort
    Arret_Plugin,     // the plug-in aborted or ended the helper itself
    Delai,            // no answer in time: the helper was stopped
    Arret,            // stopped on request
    Sans_Hote,        // the helper could not be started
    Reponse_Invalide, // the answer could not be read
};

struct Resultat_Appel
{
    Fin_Appel Fin = Fin_Appel::Repondu;
    std::string Reponse; // the answer's body
    std::string Detail;  // UTF-8, for anything but an answer: what happened, as a phrase
    bool Repondu() const { return Fin == Fin_Appel::Repondu; }
};

class Hote_Plugin
{
public:
    // Programme: the helper's path; empty takes Programme_Hote().
    explicit Hote_Plugin(std::string Programme = {});
    ~Hote_Plugin();
    Hote_Plugin(const Hote_Plugin &) = delete;
    Hote_Plugin &operator=(const Hote_Plugin &) = delete;

    // Sends a request frame and waits for the answer's. After anything but an answer the
    // helper is gone, and the next call starts another.
    Resultat_Appel Appeler(const std::string &Trame, const Options_Appel &Options = {});

    // The same in two halves, so that the caller can prepare its next request while the
    // plug-in works: Commencer sends what the connection takes at once, Terminer sends the
    // rest and waits for the answer. Options.Delai counts from Commencer. One call at a time.
    void Commencer(std::string Trame);
    Resultat_Appel Terminer(const Options_Appel &Options = {});

    // Starts the helper now when none runs, so that its start-up overlaps the caller's work.
    void Preparer();

private:
    bool Lancer(std::string &Detail);
    Resultat_Appel Fin_Processus(Fin_Appel Fin, std::string Detail);
    void Fermer();

    std::string Programme_;
    pid_t Pid = -1;
    int Fd = -1;
    std::string Echec_Lancement;
    std::string Trame_;
    std::size_t Envoye = 0;
    std::chrono::steady_clock::time_point Debut_Appel;
    bool Appel_En_Cours = false;
};

// Where the helper is looked for: beside the running program (the build folder), then in the
// installed helpers' folder; the first place when it is in neither.
std::string Programme_Hote();
} // namespace Corvanel

#endif
