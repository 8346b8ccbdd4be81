// A paint area backed by an off-screen picture: everything is painted into the picture and read
// back from it, the widget only shows it one pixel for one pixel.
#ifndef CORVANEL_SURFACE_DESSIN_H
#define CORVANEL_SURFACE_DESSIN_H

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace Corvanel
{
// Above this many display pixels in either direction a zoom stops growing.
inline constexpr int Surface_Maximum = 4096;

class Surface_Dessin : public QWidget
{
    Q_OBJECT
public:
    explicit Surface_Dessin(QWidget *parent = nullptr);

    // Resizes the picture (and the widget) to w x h display pixels, filled with the colour.
    void Redimensionner(int largeur, int hauteur, std::uint32_t fond);
    QImage &Image() { return Image_Surface; }
    const QImage &Image() const { return Image_Surface; }
    std::uint32_t Lire_Pixel(int x, int y) const;
    // Fills the block [x, x + cote) x [y, y + cote), clipped to the picture.
    void Remplir_Bloc(int x, int y, int cote, std::uint32_t couleur);

    std::function<void(QMouseEvent *)> Sur_Appui;
    std::function<void(QMouseEvent *)> Sur_Deplacement;
    std::function<void(QMouseEvent *)> Sur_Relache;

    QSize sizeHint() const override { return Image_Surface.size(); }

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;

private:
    QImage Image_Surface;
};
} // namespace Corvanel

#endif
