#include "Bench.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

// Runs every registered measurement, or those whose name contains argv[1].
int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const char *filtre = argc > 1 ? argv[1] : nullptr;
    for (const auto &mesure : Bench::Mesures())
    {
        if (filtre && mesure.Nom.find(filtre) == std::string::npos)
            continue;
        mesure.Lancer();
        std::fflush(stdout);
    }
    return 0;
}
