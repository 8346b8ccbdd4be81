// A scripted stand-in for the program's dialogs: answers come from queues, every request is
// recorded.
#ifndef CORVANEL_DIALOGUES_FACTICES_H
#define CORVANEL_DIALOGUES_FACTICES_H

#include "Dialogues.h"

#include <QList>
#include <QStringList>
#include <deque>

struct Dialogues_Factices : Corvanel::Dialogues
{
    struct Demande
    {
        // "ouvrir", "enregistrer", "police", "information", "erreur", "question", "document",
        // "attente"
        QString Genre;
        QString Titre;
        QString Texte; // filter, message or target
        QString Nom_Propose;
        QString Extension;
        int Type_Initial = 0;
    };

    // A scripted answer whose type is 0 stands for a cancelled dialog.
    std::deque<Corvanel::Choix_Fichier> Reponses_Fichier;
    std::deque<std::optional<QFont>> Reponses_Police;
    // The answer of every font dialog once the scripted ones are used up.
    std::optional<QFont> Police;
    // The answers to the questions in turn; once they are used up, every answer is yes.
    std::deque<bool> Reponses_Question;
    // Whether the user presses the wait dialog's stop button as soon as it shows.
    bool Arreter_Attente = true;
    QList<Demande> Demandes;

    std::optional<Corvanel::Choix_Fichier> Suivante()
    {
        if (Reponses_Fichier.empty())
            return std::nullopt;
        const Corvanel::Choix_Fichier r = Reponses_Fichier.front();
        Reponses_Fichier.pop_front();
        if (r.Type <= 0)
            return std::nullopt;
        return r;
    }
    std::optional<Corvanel::Choix_Fichier> Ouvrir_Fichier(QWidget *, const QString &titre,
                                                          const QString &filtre) override
    {
        Demandes.append({QStringLiteral("ouvrir"), titre, filtre, {}, {}, 0});
        return Suivante();
    }
    std::optional<Corvanel::Choix_Fichier>
    Enregistrer_Fichier(QWidget *, const QString &titre, const QString &filtre,
                        const QString &nom_propose, const QString &extension, int type) override
    {
        Demandes.append(
            {QStringLiteral("enregistrer"), titre, filtre, nom_propose, extension, type});
        return Suivante();
    }
    std::optional<QFont> Choisir_Police(QWidget *, const QFont &) override
    {
        Demandes.append({QStringLiteral("police"), {}, {}, {}, {}, 0});
        if (Reponses_Police.empty())
            return Police;
        auto r = Reponses_Police.front();
        Reponses_Police.pop_front();
        return r;
    }
    void Information(QWidget *, const QString &titre, const QString &texte) override
    {
        Demandes.append({QStringLiteral("information"), titre, texte, {}, {}, 0});
    }
    void Erreur(QWidget *, const QString &titre, const QString &texte) override
    {
        Demandes.append({QStringLiteral("erreur"), titre, texte, {}, {}, 0});
    }
    bool Question(QWidget *, const QString &titre, const QString &texte) override
    {
        Demandes.append({QStringLiteral("question"), titre, texte, {}, {}, 0});
        if (Reponses_Question.empty())
            return true;
        const bool r = Reponses_Question.front();
        Reponses_Question.pop_front();
        return r;
    }
    void Ouvrir_Document(const QString &cible) override
    {
        Demandes.append({QStringLiteral("document"), {}, cible, {}, {}, 0});
    }
    struct Attente : Corvanel::Attente_Plugin
    {
        bool Arreter;
        explicit Attente(bool A) : Arreter(A) {}
        bool Arret_Demande() override { return Arreter; }
    };
    std::unique_ptr<Corvanel::Attente_Plugin> Montrer_Attente(QWidget *,
                                                              const QString &texte) override
    {
        Demandes.append({QStringLiteral("attente"), {}, texte, {}, {}, 0});
        return std::make_unique<Attente>(Arreter_Attente);
    }
    QList<Demande> Messages() const
    {
        QList<Demande> messages;
        for (const Demande &d : Demandes)
            if (d.Genre == QStringLiteral("information") || d.Genre == QStringLiteral("erreur"))
                messages << d;
        return messages;
    }
    int Nombre(const QString &genre) const { return static_cast<int>(Genres().count(genre)); }
    QStringList Genres() const
    {
        QStringList g;
        for (const Demande &d : Demandes)
            g << d.Genre;
        return g;
    }
};

#endif
