// Every dialog the program shows goes through this interface, so that tests can script them.
#ifndef CORVANEL_DIALOGUES_H
#define CORVANEL_DIALOGUES_H

#include "Hote_Plugin.h"

#include <QFont>
#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace Corvanel
{
struct Choix_Fichier
{
    QString Chemin;
    int Type = 1; // 1-based index of the chosen file type
};

// The wait dialog of a plug-in call that takes long, shown while the object lives.
class Attente_Plugin
{
public:
    virtual ~Attente_Plugin() = default;
    // Lets the dialog answer the user; true once the user asked to stop the call.
    virtual bool Arret_Demande() = 0;
};

class Dialogues
{
public:
    virtual ~Dialogues() = default;

    // Filters are written "Desc|*.ext|Desc|*.ext" (several patterns joined by ';').
    virtual std::optional<Choix_Fichier> Ouvrir_Fichier(QWidget *parent, const QString &titre,
                                                        const QString &filtre) = 0;
    virtual std::optional<Choix_Fichier> Enregistrer_Fichier(QWidget *parent, const QString &titre,
                                                             const QString &filtre,
                                                             const QString &nom_propose,
                                                             const QString &extension_defaut,
                                                             int type_initial) = 0;
    // The chosen font, or nothing when cancelled.
    virtual std::optional<QFont> Choisir_Police(QWidget *parent, const QFont &actuelle) = 0;
    virtual void Information(QWidget *parent, const QString &titre, const QString &texte) = 0;
    virtual void Erreur(QWidget *parent, const QString &titre, const QString &texte) = 0;
    // A question answered "Oui" (true) or "Non". Without one, the answer is yes.
    virtual bool Question(QWidget *parent, const QString &titre, const QString &texte)
    {
        Q_UNUSED(parent);
        Q_UNUSED(titre);
        Q_UNUSED(texte);
        return true;
    }
    // The shell's "open" on a document or a link; the result is not examined.
    virtual void Ouvrir_Document(const QString &cible) = 0;
    // The wait dialog with its button to stop the call. Without one (the default), the call
    // runs to its end.
    virtual std::unique_ptr<Attente_Plugin> Montrer_Attente(QWidget *parent, const QString &texte)
    {
        Q_UNUSED(parent);
        Q_UNUSED(texte);
        return nullptr;
    }
};

// The options of a plug-in call made from a window: once the call has taken Delai_Attente, the
// wait dialog shows texte, and its button stops the call. The dialog goes with the options.
Options_Appel Options_Fenetre(Dialogues &dialogues, QWidget *parent, const QString &texte);

// The real dialogs of the platform.
class Dialogues_Qt final : public Dialogues
{
public:
    std::optional<Choix_Fichier> Ouvrir_Fichier(QWidget *parent, const QString &titre,
                                                const QString &filtre) override;
    std::optional<Choix_Fichier> Enregistrer_Fichier(QWidget *parent, const QString &titre,
                                                     const QString &filtre,
                                                     const QString &nom_propose,
                                                     const QString &extension_defaut,
                                                     int type_initial) override;
    std::optional<QFont> Choisir_Police(QWidget *parent, const QFont &actuelle) override;
    void Information(QWidget *parent, const QString &titre, const QString &texte) override;
    void Erreur(QWidget *parent, const QString &titre, const QString &texte) override;
    bool Question(QWidget *parent, const QString &titre, const QString &texte) override;
    void Ouvrir_Document(const QString &cible) override;
    std::unique_ptr<Attente_Plugin> Montrer_Attente(QWidget *parent, const QString &texte) override;
};

// "Desc|*.a;*.b|Desc2|*.c" as Qt's name filters, one per file type.
QStringList Filtres_Qt(const QString &filtre);
} // namespace Corvanel

#endif
