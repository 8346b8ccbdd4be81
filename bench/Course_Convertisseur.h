// One run of corvanel-convert as a child process, its standard output thrown away, with what the
// kernel counted of it: the wall time, its peak resident memory and its exit status.
#ifndef CORVANEL_COURSE_CONVERTISSEUR_H
#define CORVANEL_COURSE_CONVERTISSEUR_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace Bench
{
struct Course
{
    double Ms = -1;
    long Pic_Ko = 0; // the process's peak resident memory
    int Statut = -1; // -1 when it did not start or did not exit
};

inline Course Lancer_Convertisseur(const QStringList &Arguments)
{
    const QByteArray Programme =
        (QCoreApplication::applicationDirPath() + QStringLiteral("/corvanel-convert"))
            .toLocal8Bit();
    std::vector<QByteArray> Octets{Programme};
    for (const QString &A : Arguments)
        Octets.push_back(A.toLocal8Bit());
    std::vector<char *> Argv;
    for (QByteArray &A : Octets)
        Argv.push_back(A.data());
    Argv.push_back(nullptr);
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, 1, "/dev/null", O_WRONLY, 0);
    Course C;
    const auto Debut = std::chrono::steady_clock::now();
    pid_t Pid = 0;
    if (posix_spawn(&Pid, Programme.constData(), &Actions, nullptr, Argv.data(), environ) == 0)
    {
        int Etat = 0;
        rusage Usage{};
        if (wait4(Pid, &Etat, 0, &Usage) == Pid && WIFEXITED(Etat))
        {
            C.Statut = WEXITSTATUS(Etat);
            C.Pic_Ko = Usage.ru_maxrss;
            C.Ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Debut)
                    .count();
        }
    }
    posix_spawn_file_actions_destroy(&Actions);
    return C;
}
} // namespace Bench

#endif
