#include "Palettes.h"

#include "Bandes.h"

#include <QMouseEvent>
#include <QPainter>

namespace Corvanel
{
std::vector<Case_Retouche> Cases_Retouche(std::uint8_t nombre_couleur)
{
    const std::vector<std::uint8_t> codes = Codes_En_Usage(nombre_couleur);
    if (codes.empty())
        return {};
    const int pas = nombre_couleur == 2 ? 100 : nombre_couleur == 4 ? 50 : 30;
    std::vector<Case_Retouche> resultat;
    for (std::size_t i = 0; i < codes.size(); ++i)
        resultat.push_back({static_cast<int>(i) * pas, static_cast<int>(i + 1) * pas, codes[i]});
    return resultat;
}

std::uint8_t Niveau_Choisi(int x, std::uint8_t nombre_couleur)
{
    const std::vector<Case_Retouche> echantillons = Cases_Retouche(nombre_couleur);
    if (echantillons.empty())
        return Code::Noir;
    for (const Case_Retouche &e : echantillons)
        if (x < e.Droite)
            return e.Code;
    // The unpainted end of the strip picks the darkest level.
    return echantillons.back().Code;
}

Palette_Lumiere::Palette_Lumiere(QWidget *parent, const Document_Image &document,
                                 const Mode_Gris &mode)
    : QWidget(parent), Document(document), Mode(mode)
{
    setObjectName(QStringLiteral("Palette_Lum"));
    setFixedSize(400, 25);
}

void Palette_Lumiere::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    const std::uint8_t nombre = Document.Nombre_Choisi;
    const Mode_Gris mode = Mode;
    for (const Segment_Barre &s : Segments_Palette_Lum(Document.Bandes_Lum, nombre))
        peintre.fillRect(QRect(s.Gauche, 0, s.Droite - s.Gauche, 25),
                         QColor(Vers_Rgb(Couleur_Affichage(s.Code, nombre, mode))));
}

Panneau_Couleur::Panneau_Couleur(QWidget *parent, const Document_Image &document,
                                 const Mode_Gris &mode)
    : QFrame(parent), Document(document), Mode(mode)
{
    setFrameShape(QFrame::Box);
    setFixedSize(30, 30);
}

void Panneau_Couleur::Definir(std::uint8_t code)
{
    Tag = code;
    Couleur = Couleur_Affichage(code, Document.Nombre_Couleur, Mode);
    update();
    emit Couleur_Changee();
}

void Panneau_Couleur::paintEvent(QPaintEvent *evenement)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), QColor(Vers_Rgb(Couleur)));
    peintre.end();
    QFrame::paintEvent(evenement);
}

Palette_Retouche::Palette_Retouche(QWidget *parent, const Document_Image &document,
                                   const Mode_Gris &mode, Panneau_Couleur *gauche,
                                   Panneau_Couleur *droite)
    : QWidget(parent), Document(document), Mode(mode), Gauche(gauche), Droite(droite)
{
    setObjectName(QStringLiteral("Palette_Retouche"));
    setFixedSize(210, 25);
}

void Palette_Retouche::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    const std::uint8_t nombre = Document.Nombre_Couleur;
    for (const Case_Retouche &e : Cases_Retouche(nombre))
        peintre.fillRect(QRect(e.Gauche, 0, e.Droite - e.Gauche, 25),
                         QColor(Vers_Rgb(Couleur_Affichage(e.Code, nombre, Mode))));
}

void Palette_Retouche::mouseReleaseEvent(QMouseEvent *evenement)
{
    const std::uint8_t code =
        Niveau_Choisi(evenement->position().toPoint().x(), Document.Nombre_Couleur);
    (evenement->button() == Qt::LeftButton ? Gauche : Droite)->Definir(code);
}
} // namespace Corvanel
