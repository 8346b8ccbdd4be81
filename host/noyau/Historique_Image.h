// The history of a picture and its mask: every change the document's operations make is a
// step that can be undone and redone. A step keeps the document's state before and after it;
// a plane that a step leaves as it was is shared with its neighbours, so a drawing step costs
// one picture plane.
#ifndef CORVANEL_HISTORIQUE_IMAGE_H
#define CORVANEL_HISTORIQUE_IMAGE_H

#include "Etat_Document.h"

#include <QObject>
#include <QUndoStack>
#include <optional>

namespace Corvanel
{
class Document_Image;

class Historique_Image : public QObject
{
    Q_OBJECT
public:
    // Steps kept; the oldest go first.
    static constexpr int Etapes_Maximum = 100;
    // Decoded source pictures that only the history keeps alive, beyond the document's own:
    // past this, the oldest steps give theirs up (undoing to them shows their picture, which
    // can no longer be converted again).
    static constexpr qint64 Octets_Sources_Maximum = 512LL * 1024 * 1024;

    // Attaches itself to the document, whose operations then record their steps here.
    explicit Historique_Image(Document_Image &Document, QObject *Parent = nullptr);
    ~Historique_Image() override;
    Historique_Image(const Historique_Image &) = delete;
    Historique_Image &operator=(const Historique_Image &) = delete;

    QUndoStack Pile;

    // The document's state now, sharing the planes that match the last known state's.
    Etat_Document Capturer() const;
    // Records the step from Avant to the document's state now. A step that changed nothing is
    // dropped unless Meme_Inchange (a drawing tool's click counts even when it drew nothing).
    void Enregistrer(const QString &Texte, Etat_Document Avant, bool Meme_Inchange = false);

    // A step made of several events (a drawing tool's clicks): the state at its first event,
    // until the step is recorded. Any other step, undo or redo in between forgets it.
    void Commencer();
    bool En_Cours() const { return Debut.has_value(); }
    void Terminer(const QString &Texte);

    // The picture as it was last opened, created or saved: Modifie tells whether the picture,
    // its mask, size or level count differ from it now.
    void Marquer_Enregistre();
    bool Modifie() const;

    // Used by the steps: puts the state into the document.
    void Appliquer(const Etat_Document &Etat);

signals:
    // An undo or a redo has put an earlier or later state into the document: whatever shows
    // the document must show it again.
    void Restaure();

private:
    void Limiter_Sources();

    Document_Image &Document_;
    Etat_Document Dernier;   // the state after the last step recorded, undone or redone
    Etat_Document Reference; // the state last opened, created or saved
    std::optional<Etat_Document> Debut;
};
} // namespace Corvanel

#endif
