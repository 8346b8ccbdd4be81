#include "Options_Programme.h"

#include "Emplacements.h"
#include "Liste_Plugins.h"
#include "Registre.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

namespace Corvanel
{
namespace
{
const char Aide[] =
    "Utilisation : corvanel [OPTION]\n"
    "Convertit des images en sprites en niveaux de gris pour TI-89 et TI-92 ; sans option,\n"
    "ouvre la fenêtre de Corvanel. corvanel-convert fait les mêmes conversions en ligne de\n"
    "commande.\n\n"
    "Options :\n"
    "  -L, --lister-plugins  affiche le dossier des plug-ins que la fenêtre lit, puis les\n"
    "                        plug-ins trouvés, leur genre et leur extension\n"
    "  -h, --help            affiche cette aide et termine\n"
    "      --version         affiche la version et termine\n";

int Ecrire(const QByteArray &Texte)
{
    const std::size_t Ecrits =
        std::fwrite(Texte.constData(), 1, static_cast<std::size_t>(Texte.size()), stdout);
    // An answer that did not reach its reader is no success.
    return std::fflush(stdout) == 0 && Ecrits == static_cast<std::size_t>(Texte.size()) ? 0 : 1;
}

bool Demande(int argc, char **argv, const char *Court, const char *Long)
{
    for (int i = 1; i < argc; ++i)
        if ((Court && std::strcmp(argv[i], Court) == 0) || std::strcmp(argv[i], Long) == 0)
            return true;
    return false;
}
} // namespace

std::optional<int> Repondre_Options(int argc, char **argv)
{
    if (Demande(argc, argv, "-h", "--help"))
        return Ecrire(QByteArray(Aide));
    if (Demande(argc, argv, nullptr, "--version"))
        return Ecrire(QByteArrayLiteral("corvanel " CORVANEL_VERSION "\n"));
    if (Demande(argc, argv, "-L", "--lister-plugins"))
    {
        // The same folder and the same scan as the window's, with no window system at all.
        const QCoreApplication Application(argc, argv);
        const QString Dossier = Dossier_Plugins(QCoreApplication::applicationDirPath());
        return Ecrire(Lister_Plugins(Scanner_Dossier_Plugins(Dossier), Dossier).toLocal8Bit());
    }
    return std::nullopt;
}
} // namespace Corvanel
