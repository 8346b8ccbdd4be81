#include "Historique_Image.h"

#include "Document_Image.h"

#include <QUndoCommand>
#include <cstring>
#include <set>

namespace Corvanel
{
bool Etat_Document::operator==(const Etat_Document &A) const
{
    const auto Meme_Plan = [](const Plan_Partage &P, const Plan_Partage &Q)
    { return P == Q || (P && Q && *P == *Q); };
    return Meme_Plan(Plan_Image, A.Plan_Image) && Meme_Plan(Plan_Mask, A.Plan_Mask) &&
           Meme_Plan(Plan_Transparence, A.Plan_Transparence) && Largeur_Image == A.Largeur_Image &&
           Hauteur_Image == A.Hauteur_Image && Nombre_Couleur == A.Nombre_Couleur &&
           Nombre_Choisi == A.Nombre_Choisi && Bandes_Lum == A.Bandes_Lum &&
           Conversion == A.Conversion && Generation_Source == A.Generation_Source &&
           Source_Valide == A.Source_Valide && Fichier == A.Fichier && Images == A.Images;
}

Plan_Partage Partager_Plan(const Plan &Plan_, const Plan_Partage &Modele)
{
    if (Modele && std::memcmp(Modele->data(), Plan_.data(), Taille_Plan) == 0)
        return Modele;
    return std::make_shared<const Plan>(Plan_);
}

namespace
{
class Etape_Document final : public QUndoCommand
{
public:
    Etape_Document(Historique_Image &H, const QString &Texte, Etat_Document A, Etat_Document B)
        : QUndoCommand(Texte), Historique(H), Avant(std::move(A)), Apres(std::move(B))
    {
    }
    void undo() override { Historique.Appliquer(Avant); }
    void redo() override
    {
        // Pushed once the document already holds its result.
        if (Premiere)
            Premiere = false;
        else
            Historique.Appliquer(Apres);
    }

    Historique_Image &Historique;
    Etat_Document Avant;
    Etat_Document Apres;

private:
    bool Premiere = true;
};
} // namespace

Historique_Image::Historique_Image(Document_Image &Document, QObject *Parent)
    : QObject(Parent), Document_(Document)
{
    Pile.setUndoLimit(Etapes_Maximum);
    Document_.Historique_.Lien = this;
    Dernier = Document_.Etat();
    Reference = Dernier;
}

Historique_Image::~Historique_Image()
{
    if (Document_.Historique_.Lien == this)
        Document_.Historique_.Lien = nullptr;
}

Etat_Document Historique_Image::Capturer() const
{
    return Document_.Etat(&Dernier);
}

void Historique_Image::Enregistrer(const QString &Texte, Etat_Document Avant, bool Meme_Inchange)
{
    Debut.reset();
    Etat_Document Apres = Document_.Etat(&Avant);
    if (!Meme_Inchange && Apres == Avant)
        return;
    Dernier = Apres;
    Pile.push(new Etape_Document(*this, Texte, std::move(Avant), std::move(Apres)));
    Limiter_Sources();
}

void Historique_Image::Commencer()
{
    Debut = Capturer();
}

void Historique_Image::Terminer(const QString &Texte)
{
    // A step begun before another was recorded or undone starts from that one's result.
    Etat_Document Avant = Debut ? std::move(*Debut) : Dernier;
    Enregistrer(Texte, std::move(Avant), true);
}

void Historique_Image::Appliquer(const Etat_Document &Etat)
{
    Debut.reset();
    Document_.Restaurer(Etat);
    Dernier = Etat;
    emit Restaure();
}

void Historique_Image::Marquer_Enregistre()
{
    Reference = Capturer();
    Pile.setClean();
}

bool Historique_Image::Modifie() const
{
    const Etat_Document Maintenant = Capturer();
    // Without a picture there is nothing to lose.
    if (Maintenant.Largeur_Image == 0 || Maintenant.Hauteur_Image == 0)
        return false;
    const auto Meme = [](const Plan_Partage &P, const Plan_Partage &Q)
    { return P == Q || *P == *Q; };
    return Maintenant.Largeur_Image != Reference.Largeur_Image ||
           Maintenant.Hauteur_Image != Reference.Hauteur_Image ||
           Maintenant.Nombre_Couleur != Reference.Nombre_Couleur ||
           !Meme(Maintenant.Plan_Image, Reference.Plan_Image) ||
           !Meme(Maintenant.Plan_Mask, Reference.Plan_Mask);
}

void Historique_Image::Limiter_Sources()
{
    // From the newest step back: the sources the document does not hold count until the
    // budget is spent; older steps give theirs up.
    std::set<std::uint64_t> Comptees{Document_.Generation_Source};
    qint64 Octets = 0;
    for (int i = Pile.count() - 1; i >= 0; --i)
    {
        auto *Etape =
            const_cast<Etape_Document *>(static_cast<const Etape_Document *>(Pile.command(i)));
        for (Etat_Document *E : {&Etape->Apres, &Etape->Avant})
        {
            if (E->Image_Couleur.Image.isNull() || Comptees.count(E->Generation_Source))
                continue;
            const qint64 Taille = E->Image_Couleur.Image.sizeInBytes();
            if (Octets + Taille <= Octets_Sources_Maximum)
            {
                Octets += Taille;
                Comptees.insert(E->Generation_Source);
                continue;
            }
            E->Image_Couleur = {};
            E->Source_Valide = false;
        }
    }
}
} // namespace Corvanel
