// Every dialog the program shows goes through this interface, so that tests can script them.
#ifndef CORVANEL_DIALOGUES_H
#define CORVANEL_DIALOGUES_H

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace Corvanel
{
struct Choix_Fichier
{
    QString Chemin;
    int Type = 1; // 1-based index of the chosen file type
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
    // The shell's "open" on a document or a link; the result is not examined.
    virtual void Ouvrir_Document(const QString &cible) = 0;
};

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
    void Ouvrir_Document(const QString &cible) override;
};

// "Desc|*.a;*.b|Desc2|*.c" as Qt's name filters, one per file type.
QStringList Filtres_Qt(const QString &filtre);
} // namespace Corvanel

#endif
