// Minimal benchmark registry: each bench_*.cpp registers named measurements that print
// one line each ("name: value unit ...").
#ifndef CORVANEL_BENCH_H
#define CORVANEL_BENCH_H

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
} // namespace Bench

#endif
