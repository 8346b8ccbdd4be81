#include "Fiche_Mask.h"

#include "Gestes.h"
#include "Surface_Dessin.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <array>

namespace Corvanel
{
TFMask::TFMask(Document_Image &document)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      Document(document), Plan_Mask(document.Plan_Mask)
{
    setObjectName(QStringLiteral("FMask"));
    setWindowTitle(QStringLiteral("Edition de mask"));
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(Vers_Rgb(Blanc_TI)));
    setPalette(fond);
    setAutoFillBackground(true);

    Ecran_MASK = new Surface_Dessin(this);
    Ecran_MASK->setObjectName(QStringLiteral("Ecran_MASK"));
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSizeConstraint(QLayout::SetFixedSize);
    disposition->addWidget(Ecran_MASK);
    Ecran_MASK->Sur_Appui = [this](QMouseEvent *e) { Souris_Appui(e); };
    Ecran_MASK->Sur_Deplacement = [this](QMouseEvent *e) { Souris_Deplacement(e); };
    Ecran_MASK->Sur_Relache = [this](QMouseEvent *e) { Souris_Relache(e); };
    setAcceptDrops(true);
}

void TFMask::Afficher_Mask()
{
    const Document_Image &document = Document;
    const int largeur = document.Largeur_Image;
    const int hauteur = document.Hauteur_Image;
    // The mask zoom survives a new picture: a larger picture may no longer fit at it.
    const int cote = std::max(largeur, hauteur);
    if (cote > 0 && Zoom_Mask * cote > Surface_Maximum)
        Changer_Zoom(static_cast<std::uint8_t>(std::max(1, Surface_Maximum / cote)));
    const int z = Zoom_Mask;
    QImage &image = Ecran_MASK->Image();
    // Every pixel is painted below: the surface is only rebuilt when its size changes.
    const bool nouvelle_taille = image.width() != largeur * z || image.height() != hauteur * z;
    if (nouvelle_taille)
    {
        Ecran_MASK->Redimensionner(largeur * z, hauteur * z, Blanc_TI);
        adjustSize();
    }
    if (largeur == 0 || hauteur == 0)
        return;

    // One colour per code, looked up once rather than for each of the 30720 cells.
    const Mode_Gris mode = Mode;
    std::array<QRgb, 256> couleurs;
    for (int code = 0; code < 256; ++code)
        couleurs[code] = Vers_Rgb(
            Couleur_Affichage(static_cast<std::uint8_t>(code), document.Nombre_Couleur, mode));
    const QRgb rouge = Vers_Rgb(Rouge_Mask);
    // Covered cells in red over the picture; each display row is built once and copied to the
    // other rows of its cells.
    for (int y = 0; y < hauteur; ++y)
    {
        QRgb *premiere = reinterpret_cast<QRgb *>(image.scanLine(y * z));
        for (int x = 0; x < largeur; ++x)
        {
            const QRgb rgb =
                Plan_Mask[Indice(x, y)] == 1 ? rouge : couleurs[document.Plan_Image[Indice(x, y)]];
            std::fill(premiere + x * z, premiere + x * z + z, rgb);
        }
        for (int j = 1; j < z; ++j)
            std::copy_n(premiere, largeur * z, reinterpret_cast<QRgb *>(image.scanLine(y * z + j)));
    }
    Ecran_MASK->update();
}

void TFMask::Relire_Mask()
{
    const int z = Zoom_Mask;
    // Cells the surface does not show keep their byte rather than read as uncovered.
    const int largeur =
        std::min<int>(Document.Largeur_Image, (Ecran_MASK->Image().width() + z - 1) / z);
    const int hauteur =
        std::min<int>(Document.Hauteur_Image, (Ecran_MASK->Image().height() + z - 1) / z);
    for (int x = 0; x < largeur; ++x)
        for (int y = 0; y < hauteur; ++y)
            Plan_Mask[Indice(x, y)] = Ecran_MASK->Lire_Pixel(x * z, y * z) == Rouge_Mask ? 1 : 0;
}

bool TFMask::Zoom_Plus()
{
    const int cote = std::max<int>(Document.Largeur_Image, Document.Hauteur_Image);
    if (Zoom_Mask == 255 || (Zoom_Mask + 1) * cote > Surface_Maximum)
        return false;
    Changer_Zoom(static_cast<std::uint8_t>(Zoom_Mask + 1));
    Afficher_Mask();
    return true;
}

void TFMask::Zoom_Moins()
{
    if (Zoom_Mask <= 1)
        return;
    Changer_Zoom(static_cast<std::uint8_t>(Zoom_Mask - 1));
    Afficher_Mask();
}

void TFMask::Zoom_Normal()
{
    if (Zoom_Mask == 1)
        return;
    Changer_Zoom(1);
    Afficher_Mask();
}

void TFMask::wheelEvent(QWheelEvent *evenement)
{
    const int crans = Crans_Zoom(evenement, Reste_Molette);
    for (int i = 0; i < crans; ++i)
        Zoom_Plus();
    for (int i = 0; i > crans; --i)
        Zoom_Moins();
}

void TFMask::dragEnterEvent(QDragEnterEvent *evenement)
{
    Accepter_Fichiers(evenement);
}

void TFMask::dropEvent(QDropEvent *evenement)
{
    if (const QStringList chemins = Prendre_Fichiers(evenement); !chemins.isEmpty())
        emit Fichiers_Deposes(chemins);
}

void TFMask::Changer_Zoom(std::uint8_t zoom)
{
    // A first corner waiting for its second click stays on its cell.
    Point_Mask = QPoint(Point_Mask.x() / Zoom_Mask * zoom, Point_Mask.y() / Zoom_Mask * zoom);
    Zoom_Mask = zoom;
}

QPoint TFMask::Accrocher(const QPoint &position) const
{
    return {(position.x() / Zoom_Mask) * Zoom_Mask, (position.y() / Zoom_Mask) * Zoom_Mask};
}

void TFMask::Souris_Appui(QMouseEvent *evenement)
{
    if (evenement->button() == Qt::LeftButton && Outil_Mask == Outil_Masque::Crayon)
        Crayon_Mask = true;
}

void TFMask::Souris_Deplacement(QMouseEvent *evenement)
{
    if (!Crayon_Mask)
        return;
    const QPoint point = Accrocher(evenement->position().toPoint());
    Ecran_MASK->Remplir_Bloc(point.x(), point.y(), Zoom_Mask, Rouge_Mask);
}

void TFMask::Souris_Relache(QMouseEvent *evenement)
{
    Crayon_Mask = false;
    const QPoint point = Accrocher(evenement->position().toPoint());
    if (Outil_Mask == Outil_Masque::Crayon)
    {
        if (evenement->button() != Qt::LeftButton)
            return;
        Ecran_MASK->Remplir_Bloc(point.x(), point.y(), Zoom_Mask, Rouge_Mask);
    }
    else if (!Point_Mask_Actif)
    {
        Point_Mask = point;
        Point_Mask_Actif = true;
    }
    else
    {
        QPainter peintre(&Ecran_MASK->Image());
        peintre.setRenderHint(QPainter::Antialiasing, false);
        const QColor rouge(Vers_Rgb(Rouge_Mask));
        peintre.setPen(QPen(rouge, Zoom_Mask, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        peintre.setBrush(rouge);
        // The box runs between the two snapped corners whichever was clicked first, so the
        // centred pen covers both corner cells and the order of the clicks does not matter.
        const QPointF haut_gauche(std::min(Point_Mask.x(), point.x()),
                                  std::min(Point_Mask.y(), point.y()));
        const QPointF bas_droite(std::max(Point_Mask.x(), point.x()),
                                 std::max(Point_Mask.y(), point.y()));
        if (haut_gauche.x() == bas_droite.x() || haut_gauche.y() == bas_droite.y())
            // A flat box has no inside and the library strokes nothing: only the pen shows.
            peintre.drawLine(QLineF(haut_gauche, bas_droite));
        else if (Outil_Mask == Outil_Masque::Rectangle)
            peintre.drawRect(QRectF(haut_gauche, bas_droite));
        else
            peintre.drawEllipse(QRectF(haut_gauche, bas_droite));
        Point_Mask_Actif = false;
        Ecran_MASK->update();
    }
    // The plane changes only here: a first corner reads back what was there and is no step.
    static const char *const noms[] = {"Crayon du mask", "Rectangle du mask", "Ellipse du mask"};
    Document.Etape(QString::fromUtf8(noms[std::clamp<int>(Outil_Mask, 1, 3) - 1]),
                   [this] { Relire_Mask(); });
}
} // namespace Corvanel
