// Minimal benchmark registry: each bench_*.cpp registers named measurements that print
// one line each ("name: value unit ...").
#ifndef CORVANEL_BENCH_H
#define CORVANEL_BENCH_H

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace Bench
{
struct Mesure
{
    std::string Nom;
    std::function<void()> Lancer;
};

inline std::vector<Mesure> &Mesures()
{
    static std::vector<Mesure> liste;
    return liste;
}

inline bool Ajouter(std::string nom, std::function<void()> lancer)
{
    Mesures().push_back({std::move(nom), std::move(lancer)});
    return true;
}

// Median wall time of `repetitions` runs of f, in milliseconds.
template <typename F> double Mediane_ms(int repetitions, F &&f)
{
    std::vector<double> temps;
    temps.reserve(repetitions);
    for (int i = 0; i < repetitions; ++i)
    {
        const auto debut = std::chrono::steady_clock::now();
        f();
        const auto fin = std::chrono::steady_clock::now();
        temps.push_back(std::chrono::duration<double, std::milli>(fin - debut).count());
    }
    std::sort(temps.begin(), temps.end());
    return temps[temps.size() / 2];
}
// The stand-ins some machines put first in PATH are no ImageMagick: ask each candidate.
inline QString Trouver_ImageMagick()
{
    for (const QString &Dossier :
         qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
    {
        const QString Programme = QDir(Dossier).filePath(QStringLiteral("convert"));
        if (!QFileInfo(Programme).isExecutable())
            continue;
        QProcess Version;
        Version.start(Programme, {QStringLiteral("-version")});
        if (Version.waitForFinished(10000) &&
            Version.readAllStandardOutput().startsWith("Version: ImageMagick"))
            return Programme;
    }
    return {};
}
} // namespace Bench

#endif
