#include "Fiche_Mask.h"

#include "Couleurs.h"
#include "Demarrage.h"
#include "Fiche_Ecran.h"
#include "Surface_Dessin.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

namespace Corvanel
{
TFMask::TFMask()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint)
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
}

void TFMask::Afficher_Mask()
{
    const TFEcran &ecran = *FEcran;
    const int largeur = ecran.Largeur_Image;
    const int hauteur = ecran.Hauteur_Image;
    const int z = Zoom_Mask;
    Ecran_MASK->Redimensionner(largeur * z, hauteur * z, Blanc_TI);
    QImage &image = Ecran_MASK->Image();
    const Mode_Gris mode = Mode_Courant();
    const QRgb rouge = Vers_Rgb(Rouge_Mask);
    // The picture, then every covered cell in red over it.
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
        {
            const QRgb rgb =
                Plan_Mask[Indice(x, y)] == 1
                    ? rouge
                    : Vers_Rgb(Couleur_Affichage(ecran.Plan_Image[Indice(x, y)],
                                                 ecran.Nombre_Couleur, mode));
            for (int j = 0; j < z; ++j)
            {
                QRgb *ligne = reinterpret_cast<QRgb *>(image.scanLine(y * z + j));
                std::fill(ligne + x * z, ligne + x * z + z, rgb);
            }
        }
    Ecran_MASK->update();
    adjustSize();
}

void TFMask::Relire_Mask()
{
    const int z = Zoom_Mask;
    const int largeur = FEcran->Largeur_Image;
    const int hauteur = FEcran->Hauteur_Image;
    for (int x = 0; x < largeur; ++x)
        for (int y = 0; y < hauteur; ++y)
            Plan_Mask[Indice(x, y)] = Ecran_MASK->Lire_Pixel(x * z, y * z) == Rouge_Mask ? 1 : 0;
}

bool TFMask::Zoom_Plus()
{
    const int cote = std::max<int>(FEcran->Largeur_Image, FEcran->Hauteur_Image);
    if (Zoom_Mask == 255 || (Zoom_Mask + 1) * cote > Surface_Maximum)
        return false;
    ++Zoom_Mask;
    Afficher_Mask();
    return true;
}

void TFMask::Zoom_Moins()
{
    if (Zoom_Mask <= 1)
        return;
    --Zoom_Mask;
    Afficher_Mask();
}

QPoint TFMask::Accrocher(const QPoint &position) const
{
    return {(position.x() / Zoom_Mask) * Zoom_Mask, (position.y() / Zoom_Mask) * Zoom_Mask};
}

void TFMask::Souris_Appui(QMouseEvent *evenement)
{
    if (evenement->button() == Qt::LeftButton && Outil_Mask == 1)
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
    if (Outil_Mask == 1)
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
        peintre.setPen(QPen(rouge, Zoom_Mask));
        peintre.setBrush(rouge);
        const QRect boite = QRect(Point_Mask, point).normalized();
        if (Outil_Mask == 2)
            peintre.drawRect(boite);
        else
            peintre.drawEllipse(boite);
        Point_Mask_Actif = false;
        Ecran_MASK->update();
    }
    Relire_Mask();
}
} // namespace Corvanel
