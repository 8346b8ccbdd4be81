// A shipped plug-in loaded from the build's Plugin folder and called as the host calls it,
// random planes of every code a picture or a mask can hold, and the files and tools around it.
#ifndef CORVANEL_PLUGINS_ESSAI_H
#define CORVANEL_PLUGINS_ESSAI_H

#include "Fichiers_Essai.h"

#include <Plug_Contrat.h>

#include <QByteArray>
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

#include <array>
#include <random>
#include <vector>

namespace Essai
{
using Plan_Plug = std::array<std::uint8_t, Plug::Taille_Plan>;

inline QString Fichier_Plugin(const QString &nom)
{
    return qEnvironmentVariable("CORVANEL_BUILD_DIR") + "/Plugin/" + nom + ".so";
}

class Plugin
{
public:
    explicit Plugin(const QString &nom) : Bibliotheque(Fichier_Plugin(nom)) {}
    ~Plugin() { Bibliotheque.unload(); }

    template <typename Type> Type Fonction(const char *nom)
    {
        QFunctionPointer f = Bibliotheque.resolve(nom);
        if (!f)
            f = Bibliotheque.resolve(QByteArray("_") + nom);
        return reinterpret_cast<Type>(f);
    }
    QByteArray Texte(const char *nom)
    {
        const auto f = Fonction<Plug_Texte_Type>(nom);
        return f ? QByteArray(f()) : QByteArray("<absent>");
    }
    // The form the kind calls for: the mask form gets `plan` as the mask; a picture-and-mask
    // library gets both planes when `mask` is given, else the picture form.
    int Sauver(const char *chemin, const char *nom, int couleurs, const std::uint8_t *plan,
               int hauteur, int largeur, const std::uint8_t *mask = nullptr)
    {
        const auto genre = Fonction<Plug_Fonction_Type>("Plug_Fonction");
        if (!genre)
            return -1;
        if (genre() & Plug::Genre_Mask)
        {
            const auto go = Fonction<Plug_Enregistrement_Mask_Type>("Plug_Enregistrement_Go");
            return go ? go(chemin, nom, plan, hauteur, largeur) : -1;
        }
        if (mask && (genre() & Plug::Genre_Image_Mask))
        {
            const auto go =
                Fonction<Plug_Enregistrement_Image_Mask_Type>("Plug_Enregistrement_Go_Mask");
            return go ? go(chemin, nom, couleurs, plan, mask, hauteur, largeur) : -1;
        }
        const auto go = Fonction<Plug_Enregistrement_Image_Type>("Plug_Enregistrement_Go");
        return go ? go(chemin, nom, couleurs, plan, hauteur, largeur) : -1;
    }

    QLibrary Bibliotheque;
};

// Every code a picture of that many colours can hold, or mask values with a stray 2.
inline Plan_Plug Hasard(int couleurs, bool mask, unsigned graine)
{
    std::mt19937 alea(graine);
    const std::vector<int> codes = mask            ? std::vector<int>{0, 1, 1, 2}
                                   : couleurs == 2 ? std::vector<int>{0, 1}
                                   : couleurs == 4 ? std::vector<int>{0, 1, 2, 3}
                                                   : std::vector<int>{0, 101, 1, 112, 2, 123, 3};
    Plan_Plug plan;
    for (auto &octet : plan)
        octet = std::uint8_t(codes[alea() % codes.size()]);
    return plan;
}

// The file a library wrote; "<absent>" when there is none, so that it never passes for an
// empty file.
inline QByteArray Lire_Sortie(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<absent>");
}

// What the program prints; "<echec>" and its error output when it fails.
inline QByteArray Lancer(const QString &programme, const QStringList &arguments)
{
    QProcess processus;
    processus.start(programme, arguments);
    if (!processus.waitForFinished() || processus.exitCode() != 0)
        return "<echec> " + processus.readAllStandardError();
    return processus.readAllStandardOutput();
}
} // namespace Essai

#endif
