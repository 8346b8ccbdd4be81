#include "Fiche_Ecran.h"

#include "Affichage_Plan.h"
#include "Gestes.h"
#include "Surface_Dessin.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace Corvanel
{
TFEcran::TFEcran(Document_Image &document)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      Document(document), Image_Couleur(document.Image_Couleur),
      Source_Valide(document.Source_Valide), Plan_Image(document.Plan_Image),
      Image_Annulation(document.Image_Annulation), Largeur_Image(document.Largeur_Image),
      Hauteur_Image(document.Hauteur_Image), Nombre_Couleur(document.Nombre_Couleur),
      Bandes_Lum(document.Bandes_Lum)
{
    setObjectName(QStringLiteral("FEcran"));
    setWindowTitle(QStringLiteral("Edition de l'Image"));
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(Vers_Rgb(Blanc_TI)));
    setPalette(fond);
    setAutoFillBackground(true);

    Ecran_TI = new Surface_Dessin(this);
    Ecran_TI->setObjectName(QStringLiteral("Ecran_TI"));
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSizeConstraint(QLayout::SetFixedSize);
    disposition->addWidget(Ecran_TI);
    Ecran_TI->Sur_Appui = [this](QMouseEvent *e) { Souris_Appui(e); };
    Ecran_TI->Sur_Deplacement = [this](QMouseEvent *e) { Souris_Deplacement(e); };
    Ecran_TI->Sur_Relache = [this](QMouseEvent *e) { Souris_Relache(e); };

    Police_Texte = QFont(QStringLiteral("MS Sans Serif"));
    Police_Texte.setPointSize(8);
    Police_Texte.setStyleStrategy(QFont::NoAntialias);
    setAcceptDrops(true);
    Peindre_Image();
}

std::uint32_t TFEcran::Couleur_Affichage(std::uint8_t code) const
{
    return Corvanel::Couleur_Affichage(code, Nombre_Couleur, Mode);
}

void TFEcran::Dessiner_Case(int x, int y, std::uint32_t couleur)
{
    Ecran_TI->Remplir_Bloc(x * Zoom_Ecran, y * Zoom_Ecran, Zoom_Ecran, couleur);
}

void TFEcran::Peindre_Image()
{
    // The zoom survives an undo that brings back a larger picture, which may no longer fit.
    const int cote = std::max<int>(Largeur_Image, Hauteur_Image);
    if (cote > 0 && Zoom_Ecran * cote > Surface_Maximum)
        Zoom_Ecran = static_cast<std::uint8_t>(std::max(1, Surface_Maximum / cote));
    const int z = Zoom_Ecran;
    Ecran_TI->Redimensionner(Largeur_Image * z, Hauteur_Image * z, Blanc_TI);
    Peindre_Plan(Ecran_TI->Image(), Plan_Image, Largeur_Image, Hauteur_Image, Nombre_Couleur, Mode,
                 z);
    Ecran_TI->update();
    adjustSize();
}

bool TFEcran::Zoom_Plus()
{
    const int cote = std::max<int>(Largeur_Image, Hauteur_Image);
    if (Zoom_Ecran == 255 || (Zoom_Ecran + 1) * cote > Surface_Maximum)
        return false;
    ++Zoom_Ecran;
    Peindre_Image();
    return true;
}

void TFEcran::Zoom_Moins()
{
    if (Zoom_Ecran <= 1)
        return;
    --Zoom_Ecran;
    Peindre_Image();
}

void TFEcran::Zoom_Normal()
{
    if (Zoom_Ecran == 1)
        return;
    Zoom_Ecran = 1;
    Peindre_Image();
}

void TFEcran::wheelEvent(QWheelEvent *evenement)
{
    const int crans = Crans_Zoom(evenement, Reste_Molette);
    for (int i = 0; i < crans; ++i)
        Zoom_Plus();
    for (int i = 0; i > crans; --i)
        Zoom_Moins();
}

void TFEcran::dragEnterEvent(QDragEnterEvent *evenement)
{
    Accepter_Fichiers(evenement);
}

void TFEcran::dropEvent(QDropEvent *evenement)
{
    if (const QStringList chemins = Prendre_Fichiers(evenement); !chemins.isEmpty())
        emit Fichiers_Deposes(chemins);
}

void TFEcran::Relire_Image()
{
    const int z = Zoom_Ecran;
    const Mode_Gris mode = Mode;
    for (int x = 0; x < Largeur_Image; ++x)
        for (int y = 0; y < Hauteur_Image; ++y)
            Plan_Image[Indice(x, y)] =
                Classer_Couleur(Ecran_TI->Lire_Pixel(x * z, y * z), Nombre_Couleur, mode);
}

void TFEcran::Reinitialiser_Edition()
{
    Points_Outil.fill(QPoint());
    Zoom_Ecran = 1;
    Etape_Outil = 0;
    Crayon_Actif = false;
    Nombre_Points_Polyligne = 0;
}
} // namespace Corvanel
