// The mask editor window: shows the document's mask over its picture and edits it; it keeps
// the mask tool and the mask zoom.
#ifndef CORVANEL_FICHE_MASK_H
#define CORVANEL_FICHE_MASK_H

#include "Couleurs.h"
#include "Document_Image.h"
#include "Plan.h"

#include <QPoint>
#include <QWidget>

class QDragEnterEvent;
class QDropEvent;
class QMouseEvent;
class QWheelEvent;

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
    void Zoom_Normal();

signals:
    // Files dropped on the window, for the main window to open.
    void Fichiers_Deposes(const QStringList &chemins);

protected:
    // Ctrl and the wheel zoom as the mask's zoom buttons do.
    void wheelEvent(QWheelEvent *evenement) override;
    void dragEnterEvent(QDragEnterEvent *evenement) override;
    void dropEvent(QDropEvent *evenement) override;

private:
    void Souris_Appui(QMouseEvent *evenement);
    void Souris_Deplacement(QMouseEvent *evenement);
    void Souris_Relache(QMouseEvent *evenement);
    QPoint Accrocher(const QPoint &position) const;
    void Changer_Zoom(std::uint8_t zoom);

    int Reste_Molette = 0;
};
} // namespace Corvanel

#endif
