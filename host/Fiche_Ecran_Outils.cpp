// The drawing tools of the edit window: every tool paints on the surface in display colours and
// the plane is read back from the surface after every release.
#include "Fiche_Ecran.h"

#include "Cp1252.h"
#include "Historique_Image.h"
#include "Lecture_Decimale.h"
#include "Surface_Dessin.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <string>

namespace Corvanel
{
namespace
{
QPoint Accrocher(const QPoint &position, int zoom)
{
    // Integer division truncates toward zero, as the grid has always done.
    return {(position.x() / zoom) * zoom, (position.y() / zoom) * zoom};
}

// Wide pens are laid on the middle of the cells, so that a pen as wide as the zoom covers
// whole cells. Without smoothing the painter fills the pixel whose top-left corner a point
// names, so the middle of a block of z pixels lies (z - 1) / 2 past its corner.
QPointF Milieu(const QPoint &coin, int zoom)
{
    return {coin.x() + (zoom - 1) / 2.0, coin.y() + (zoom - 1) / 2.0};
}

// The cells from one corner to the other, both included.
QRect Boite_Cases(const QPoint &a, const QPoint &b, int zoom)
{
    return {QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
            QPoint(std::max(a.x(), b.x()) + zoom - 1, std::max(a.y(), b.y()) + zoom - 1)};
}

QColor Couleur_Qt(std::uint32_t valeur)
{
    return QColor(Vers_Rgb(valeur));
}

// A painter on the surface: no smoothing anywhere, since the plane is read back pixel for pixel.
class Peintre_Surface : public QPainter
{
public:
    explicit Peintre_Surface(QImage &image) : QPainter(&image)
    {
        setRenderHint(QPainter::Antialiasing, false);
        setRenderHint(QPainter::TextAntialiasing, false);
        setBrush(Qt::NoBrush);
    }
    void Stylo(std::uint32_t couleur, int largeur)
    {
        // Square corners stay square; sharper ones are bevelled so that the outline never
        // reaches past the cell of the vertex.
        QPen stylo(Couleur_Qt(couleur), largeur, Qt::SolidLine, Qt::SquareCap, Qt::SvgMiterJoin);
        stylo.setMiterLimit(1.5);
        setPen(stylo);
    }
};

// The pen and brush colours of one stroke: the left and right tool colours.
struct Couleurs_Outil
{
    std::uint32_t Gauche;
    std::uint32_t Droite;
};

// The picture as Peindre_Image paints it, kept while a shape is traced: the plane does not
// change between releases, so each move wipes the last preview with one copy instead of a
// repaint block by block. Anything that changes the painting (plane, zoom, levels, greys)
// makes the copy stale and it is painted again.
struct Fond_Trace
{
    QImage Image;
    Plan Plan_Image{};
    std::uint8_t Largeur = 0;
    std::uint8_t Hauteur = 0;
    std::uint8_t Zoom = 0;
    std::uint8_t Nombre = 0;
    Mode_Gris Mode = Mode_Gris::TI;

    bool Valide(const TFEcran &ecran) const
    {
        return !Image.isNull() && Largeur == ecran.Largeur_Image &&
               Hauteur == ecran.Hauteur_Image && Zoom == ecran.Zoom_Ecran &&
               Nombre == ecran.Nombre_Couleur && Mode == ecran.Mode &&
               Plan_Image == ecran.Plan_Image;
    }
};

Fond_Trace &Fond_Courant()
{
    static Fond_Trace fond;
    return fond;
}

// The shapes, in snapped display coordinates.
void Tracer_Ligne(QImage &image, Couleurs_Outil c, const QPoint &a, const QPoint &b, int zoom)
{
    Peintre_Surface peintre(image);
    peintre.Stylo(c.Gauche, zoom);
    peintre.drawLine(Milieu(a, zoom), Milieu(b, zoom));
}

void Tracer_Rectangle(QImage &image, Couleurs_Outil c, const QPoint &a, const QPoint &b, int zoom)
{
    // The border lies inside the cells of the two corners: one cell wide, as wide as the pen.
    const QRect boite = Boite_Cases(a, b, zoom);
    Peintre_Surface peintre(image);
    peintre.fillRect(boite, Couleur_Qt(c.Droite));
    const QRect dedans = boite.adjusted(zoom, zoom, -zoom, -zoom);
    if (dedans.isValid())
        peintre.fillRect(dedans, Couleur_Qt(c.Gauche));
}

void Tracer_Cadre(QImage &image, Couleurs_Outil c, const QPoint &a, const QPoint &b, int zoom)
{
    const QRect boite = Boite_Cases(a, b, zoom);
    const QColor couleur = Couleur_Qt(c.Gauche);
    Peintre_Surface peintre(image);
    peintre.fillRect(QRect(boite.left(), boite.top(), boite.width(), 1), couleur);
    peintre.fillRect(QRect(boite.left(), boite.bottom(), boite.width(), 1), couleur);
    peintre.fillRect(QRect(boite.left(), boite.top(), 1, boite.height()), couleur);
    peintre.fillRect(QRect(boite.right(), boite.top(), 1, boite.height()), couleur);
}

void Tracer_Ellipse(QImage &image, Couleurs_Outil c, const QPoint &a, const QPoint &b, int zoom)
{
    Peintre_Surface peintre(image);
    peintre.Stylo(c.Gauche, zoom);
    peintre.drawEllipse(QRectF(Milieu(a, zoom), Milieu(b, zoom)).normalized());
}

void Tracer_Triangle(QImage &image, Couleurs_Outil c, const std::array<QPoint, 60> &points,
                     int zoom)
{
    const QPointF sommets[] = {Milieu(points[0], zoom), Milieu(points[1], zoom),
                               Milieu(points[2], zoom)};
    Peintre_Surface peintre(image);
    peintre.Stylo(c.Droite, zoom);
    peintre.setBrush(Couleur_Qt(c.Gauche));
    peintre.drawPolygon(sommets, 3);
}

void Tracer_Polyligne(QImage &image, Couleurs_Outil c, const std::array<QPoint, 60> &points,
                      int nombre, int zoom)
{
    if (nombre < 2)
        return;
    QPolygonF ligne;
    for (int i = 0; i < nombre; ++i)
        ligne << Milieu(points[static_cast<std::size_t>(i)], zoom);
    Peintre_Surface peintre(image);
    peintre.Stylo(c.Gauche, zoom);
    peintre.drawPolyline(ligne);
}

// The step's name in the history.
QString Nom_Outil(std::uint8_t outil)
{
    static const char *const noms[] = {"Crayon",   "Ligne",     "Rectangle", "Ellipse",
                                       "Triangle", "Polyligne", "Texte",     "Caractère"};
    return outil >= 1 && outil <= 8 ? QString::fromUtf8(noms[outil - 1]) : QString();
}
} // namespace

void TFEcran::Souris_Appui(QMouseEvent *evenement)
{
    if (evenement->button() != Qt::LeftButton || Outil_Courant != Outil::Crayon)
        return;
    Crayon_Actif = true;
    Document.Commencer_Etape();
    emit Annulation_Disponible(true);
}

void TFEcran::Souris_Deplacement(QMouseEvent *evenement)
{
    const int z = Zoom_Ecran;
    const QPoint position = evenement->position().toPoint();
    if (Crayon_Actif)
    {
        // A fast drag leaves gaps: nothing joins the cells.
        Dessiner_Case(position.x() / z, position.y() / z, Couleur_Gauche);
        return;
    }
    if (Etape_Outil == 0 || !Trace_Active)
        return;
    Fond_Trace &fond = Fond_Courant();
    QImage &image = Ecran_TI->Image();
    if (fond.Valide(*this) && image.size() == fond.Image.size())
        std::copy_n(fond.Image.constBits(), fond.Image.sizeInBytes(), image.bits());
    else
    {
        Peindre_Image();
        fond = {image.copy(), Plan_Image,     Largeur_Image, Hauteur_Image,
                Zoom_Ecran,   Nombre_Couleur, Mode};
    }
    if (image.isNull())
        return;
    const QPoint point = Accrocher(position, z);
    const Couleurs_Outil couleurs{Couleur_Gauche, Couleur_Droite};
    switch (Outil_Courant)
    {
    case Outil::Ligne:
        Tracer_Ligne(image, couleurs, Points_Outil[0], point, z);
        break;
    case Outil::Rectangle:
        Tracer_Cadre(image, couleurs, Points_Outil[0], point, z);
        break;
    case Outil::Ellipse:
        Tracer_Ellipse(image, couleurs, Points_Outil[0], point, z);
        break;
    case Outil::Triangle:
        if (Etape_Outil == 1)
            Tracer_Ligne(image, couleurs, Points_Outil[0], point, z);
        else if (Etape_Outil == 2)
        {
            Points_Outil[2] = point;
            Tracer_Triangle(image, couleurs, Points_Outil, z);
        }
        break;
    case Outil::Polyligne:
    {
        // With every vertex taken there is no room for the moving end: the shape as it stands.
        int nombre = Etape_Outil;
        if (Etape_Outil < Points_Outil.size())
        {
            Points_Outil[Etape_Outil] = point;
            ++nombre;
        }
        Nombre_Points_Polyligne = static_cast<std::uint8_t>(nombre);
        Tracer_Polyligne(image, couleurs, Points_Outil, nombre, z);
        break;
    }
    default:
        break;
    }
    Ecran_TI->update();
}

void TFEcran::Souris_Relache(QMouseEvent *evenement)
{
    Crayon_Actif = false;
    const int z = Zoom_Ecran;
    const QPoint point = Accrocher(evenement->position().toPoint(), z);
    const bool gauche = evenement->button() == Qt::LeftButton;
    QImage &image = Ecran_TI->Image();
    const bool surface = !image.isNull();
    const Couleurs_Outil couleurs{Couleur_Gauche, Couleur_Droite};
    // Whether this release ends the tool's step; the plane changes only at the read-back.
    bool fin = true;
    switch (Outil_Courant)
    {
    case Outil::Crayon:
        Document.Commencer_Etape();
        Dessiner_Case(point.x() / z, point.y() / z, gauche ? Couleur_Gauche : Couleur_Droite);
        break;
    case Outil::Ligne:
    case Outil::Rectangle:
    case Outil::Ellipse:
        if (Etape_Outil == 0)
        {
            Document.Commencer_Etape();
            Points_Outil[0] = point;
            Etape_Outil = 1;
            fin = false;
            break;
        }
        if (surface && Outil_Courant == Outil::Ligne)
            Tracer_Ligne(image, couleurs, Points_Outil[0], point, z);
        else if (surface && Outil_Courant == Outil::Rectangle)
            Tracer_Rectangle(image, couleurs, Points_Outil[0], point, z);
        else if (surface)
            Tracer_Ellipse(image, couleurs, Points_Outil[0], point, z);
        Etape_Outil = 0;
        break;
    case Outil::Triangle:
        fin = Etape_Outil == 2;
        if (Etape_Outil == 0)
        {
            Document.Commencer_Etape();
            Points_Outil[0] = point;
            Etape_Outil = 1;
        }
        else if (Etape_Outil == 1)
        {
            Points_Outil[1] = point;
            Etape_Outil = 2;
        }
        else if (Etape_Outil == 2)
        {
            Points_Outil[2] = point;
            if (surface)
                Tracer_Triangle(image, couleurs, Points_Outil, z);
            Etape_Outil = 0;
        }
        break;
    case Outil::Polyligne:
        if (gauche)
        {
            fin = false;
            // The 61st vertex is refused: the shape keeps its 60 points.
            if (Etape_Outil >= Points_Outil.size())
                break;
            if (Etape_Outil == 0)
                Document.Commencer_Etape();
            Points_Outil[Etape_Outil] = point;
            ++Etape_Outil;
            break;
        }
        Nombre_Points_Polyligne = Etape_Outil;
        if (surface)
            Tracer_Polyligne(image, couleurs, Points_Outil, Etape_Outil, z);
        Etape_Outil = 0;
        break;
    case Outil::Texte:
    case Outil::Caractere:
    {
        Document.Commencer_Etape();
        QString texte = Texte_Outil;
        if (Outil_Courant == Outil::Caractere)
        {
            Code_Caractere = Lire_Decimal(texte).Octet_Bas;
            texte = Code_Caractere == 0
                        ? QString()
                        : Depuis_Cp1252(std::string(1, static_cast<char>(Code_Caractere)));
        }
        if (surface && !texte.isEmpty())
        {
            // Face and size only; no smoothing, so the glyphs keep the exact left colour.
            QFont police(Police_Texte.family());
            if (Police_Texte.pointSizeF() > 0)
                police.setPointSizeF(Police_Texte.pointSizeF());
            else
                police.setPixelSize(std::max(1, Police_Texte.pixelSize()));
            police.setStyleStrategy(QFont::NoAntialias);
            Peintre_Surface peintre(image);
            peintre.setFont(police);
            peintre.setPen(Couleur_Qt(Couleur_Gauche));
            peintre.setBackgroundMode(Qt::TransparentMode);
            peintre.drawText(QPoint(point.x(), point.y() + peintre.fontMetrics().ascent()), texte);
        }
        break;
    }
    default:
        fin = false;
        break;
    }
    Ecran_TI->update();
    // A step whose start was forgotten (undone or overtaken by another step in between) starts
    // from the picture as it is before this read-back.
    if (fin && Document.Historique() && !Document.Historique()->En_Cours())
        Document.Commencer_Etape();
    Relire_Image();
    if (fin)
        Document.Terminer_Etape(Nom_Outil(Outil_Courant));
    emit Image_Modifiee();
}
} // namespace Corvanel
