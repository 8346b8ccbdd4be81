#include "Images_Lot.h"

#include "Affichage_Plan.h"
#include "Decodage_Image.h"
#include "Planche_Images.h"

#include <QImageWriter>
#include <QPainter>

namespace Corvanel
{
namespace
{
// The frames side by side, in rows of as many as a picture may be wide.
class Apercu_Images
{
public:
    Apercu_Images(int Nombre, int Largeur, int Hauteur, int Zoom)
        : Largeur_(Largeur * Zoom), Hauteur_(Hauteur * Zoom), Zoom_(Zoom)
    {
        Colonnes = std::clamp(Cote_Maximum / std::max(Largeur_, 1), 1, std::max(Nombre, 1));
        const int Rangs = (Nombre + Colonnes - 1) / Colonnes;
        const qint64 L = qint64(Colonnes) * Largeur_;
        const qint64 H = qint64(Rangs) * Hauteur_;
        if (H > Cote_Maximum || L * H > Pixels_Maximum)
            Erreur = QStringLiteral("%1 images de %2 x %3 pixels : trop grand pour un aperçu")
                         .arg(Nombre)
                         .arg(Largeur_)
                         .arg(Hauteur_);
        else
        {
            Image = QImage(static_cast<int>(L), static_cast<int>(H), QImage::Format_RGB32);
            Image.fill(Qt::white);
        }
    }

    void Dessiner(int i, const Document_Image &Frame)
    {
        if (Image.isNull())
            return;
        // In Windows greys, as the still preview.
        QPainter Peintre(&Image);
        Peintre.drawImage((i % Colonnes) * Largeur_, (i / Colonnes) * Hauteur_,
                          Dessiner_Plan(Frame.Plan_Image, Frame.Largeur_Image, Frame.Hauteur_Image,
                                        Frame.Nombre_Couleur, Mode_Gris::Windows, Zoom_));
    }

    QImage Image;
    QString Erreur;

private:
    int Largeur_;
    int Hauteur_;
    int Zoom_;
    int Colonnes = 1;
};
} // namespace

Bilan_Travail Convertir_Images(const Lot &Lot_, const Travail &Travail_,
                               const Document_Image &Document, std::uint8_t Fond,
                               const QString &Nom)
{
    const Options_Appel Options{Lot_.Delai_Plugin, {}};
    const std::optional<std::uint8_t> Fond_Mask =
        Besoin_Mask(Lot_) ? std::optional<std::uint8_t>(Fond) : std::nullopt;
    std::optional<Apercu_Images> Apercu;
    if (!Travail_.Chemin_Apercu.isEmpty())
    {
        Apercu.emplace(Document.Images.Nombre, Document.Largeur_Image, Document.Hauteur_Image,
                       Lot_.Zoom_Apercu);
        if (!Apercu->Erreur.isEmpty())
            return {QStringLiteral("« %1 » : aperçu impossible : %2")
                        .arg(Travail_.Chemin_Apercu, Apercu->Erreur),
                    {}};
    }
    const auto Dessiner = [&Apercu](int i, const Document_Image &Frame)
    {
        if (Apercu)
            Apercu->Dessiner(i, Frame);
    };
    Bilan_Travail Bilan;
    const Resultat_Planche Image =
        Enregistrer_Images(Document, Fond_Mask, Lot_.Plug_Image, Genre_Enregistrement::Image,
                           Travail_.Chemin_Image, Nom, Options, Lot_.Compresser, Dessiner);
    if (!Image.Enregistrement.Reussi())
        return {Message_Enregistrement(Image.Enregistrement), {}};
    Bilan.Message = Bilan_Planche(Travail_.Chemin_Image, Image);
    if (Apercu)
    {
        QImageWriter Ecrivain(Travail_.Chemin_Apercu, "png");
        if (!Ecrivain.write(Apercu->Image))
            return {QStringLiteral("« %1 » : aperçu impossible à écrire : %2")
                        .arg(Travail_.Chemin_Apercu, Ecrivain.errorString()),
                    Bilan.Message};
    }
    if (Lot_.Plug_Mask)
    {
        const Resultat_Planche Mask =
            Enregistrer_Images(Document, Fond, *Lot_.Plug_Mask, Genre_Enregistrement::Mask,
                               Travail_.Chemin_Mask, Nom, Options, Lot_.Compresser);
        if (!Mask.Enregistrement.Reussi())
            return {Message_Enregistrement(Mask.Enregistrement), Bilan.Message};
        Bilan.Message += QLatin1Char('\n') + Bilan_Planche(Travail_.Chemin_Mask, Mask);
    }
    return Bilan;
}
} // namespace Corvanel
