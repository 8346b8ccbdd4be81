// The mask editor window: shows the document's mask over its picture and edits it; it keeps
// the mask tool and the mask zoom.
#ifndef CORVANEL_FICHE_MASK_H
#define CORVANEL_FICHE_MASK_H

#include "Couleurs.h"
#include "Document_Image.h"
#include "Plan.h"

#include <QPoint>
#include <QWidget>

class QMouseEvent;

namespace Corvanel
{
class Surface_Dessin;

// The mask tools of the page "Mask", by their button's number.
namespace Outil_Masque
{
inline constexpr std::uint8_t Crayon = 1;
inline constexpr std::uint8_t Rectangle = 2;
inline constexpr std::uint8_t Ellipse = 3;
} // namespace Outil_Masque

class TFMask : public QWidget
{
    Q_OBJECT
public:
    explicit TFMask(Document_Image &document);

    Document_Image &Document;
    Surface_Dessin *Ecran_MASK;
    Plan &Plan_Mask;
    // The grey mode chosen on the main window, pushed here when it changes.
    Mode_Gris Mode = Mode_Gris::TI;
    std::uint8_t Outil_Mask = Outil_Masque::Crayon;
    std::uint8_t Zoom_Mask = 1;
    bool Crayon_Mask = false;
    QPoint Point_Mask;
    bool Point_Mask_Actif = false;

    void Afficher_Mask();
    void Relire_Mask();
    bool Zoom_Plus();
    void Zoom_Moins();

private:
    void Souris_Appui(QMouseEvent *evenement);
    void Souris_Deplacement(QMouseEvent *evenement);
    void Souris_Relache(QMouseEvent *evenement);
    QPoint Accrocher(const QPoint &position) const;
    void Changer_Zoom(std::uint8_t zoom);
};
} // namespace Corvanel

#endif
