// The light bar, the retouch palette strip and the two tool-colour panels of the main window.
#ifndef CORVANEL_PALETTES_H
#define CORVANEL_PALETTES_H

#include "Couleurs.h"
#include "Document_Image.h"

#include <QFrame>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace Corvanel
{
// One swatch of the retouch strip: columns [Gauche, Droite).
struct Case_Retouche
{
    int Gauche;
    int Droite;
    std::uint8_t Code;
};
std::vector<Case_Retouche> Cases_Retouche(std::uint8_t nombre_couleur);
// The level picked by a click at X on the strip.
std::uint8_t Niveau_Choisi(int x, std::uint8_t nombre_couleur);

// The 400 x 25 bar showing the band widths.
class Palette_Lumiere : public QWidget
{
    Q_OBJECT
public:
    // The bar shows the document's bands for its chosen level count, in the grey mode that
    // Mode names.
    Palette_Lumiere(QWidget *parent, const Document_Image &document, const Mode_Gris &mode);
    void Dessiner_Palette_Lum() { update(); }

protected:
    void paintEvent(QPaintEvent *evenement) override;

private:
    const Document_Image &Document;
    const Mode_Gris &Mode;
};

// A tool colour: the display colour the tools draw with, and its level code in Tag.
class Panneau_Couleur : public QFrame
{
    Q_OBJECT
public:
    Panneau_Couleur(QWidget *parent, const Document_Image &document, const Mode_Gris &mode);
    std::uint32_t Couleur = 0;
    std::uint8_t Tag = 0;
    void Definir(std::uint8_t code);

signals:
    void Couleur_Changee();

protected:
    void paintEvent(QPaintEvent *evenement) override;

private:
    const Document_Image &Document;
    const Mode_Gris &Mode;
};

// The 210 x 25 strip of grey swatches; a release picks the left or right colour.
class Palette_Retouche : public QWidget
{
    Q_OBJECT
public:
    Palette_Retouche(QWidget *parent, const Document_Image &document, const Mode_Gris &mode,
                     Panneau_Couleur *gauche, Panneau_Couleur *droite);

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;

private:
    const Document_Image &Document;
    const Mode_Gris &Mode;
    Panneau_Couleur *Gauche;
    Panneau_Couleur *Droite;
};
} // namespace Corvanel

#endif
