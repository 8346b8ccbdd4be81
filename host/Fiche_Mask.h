// The mask editor window: owns the mask plane, the mask tool and the mask zoom.
#ifndef CORVANEL_FICHE_MASK_H
#define CORVANEL_FICHE_MASK_H

#include "Plan.h"

#include <QPoint>
#include <QWidget>

class QMouseEvent;

namespace Corvanel
{
class Surface_Dessin;

class TFMask : public QWidget
{
    Q_OBJECT
public:
    TFMask();

    Surface_Dessin *Ecran_MASK;
    Plan Plan_Mask{};
    std::uint8_t Outil_Mask = 1;
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
