// Dialogs that ask nobody: every open answers the same file, everything else is cancelled or
// ignored. For running the windows without a user (benchmarks, the README's screenshot).
#ifndef CORVANEL_DIALOGUES_FIXES_H
#define CORVANEL_DIALOGUES_FIXES_H

#include "Dialogues.h"

namespace Corvanel
{
class Dialogues_Fixes final : public Dialogues
{
public:
    // The answer of every open dialog; nothing means cancelled.
    std::optional<Choix_Fichier> Fichier;

    std::optional<Choix_Fichier> Ouvrir_Fichier(QWidget *, const QString &,
                                                const QString &) override
    {
        return Fichier;
    }
    std::optional<Choix_Fichier> Enregistrer_Fichier(QWidget *, const QString &, const QString &,
                                                     const QString &, const QString &, int) override
    {
        return std::nullopt;
    }
    std::optional<QFont> Choisir_Police(QWidget *, const QFont &) override { return std::nullopt; }
    void Information(QWidget *, const QString &, const QString &) override {}
    void Erreur(QWidget *, const QString &, const QString &) override {}
    bool Ouvrir_Document(const QString &) override { return true; }
};
} // namespace Corvanel

#endif
