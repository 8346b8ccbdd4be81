// What the retouching tests do through the real windows: the windows opened with a known
// font, an empty picture of a given size and zoom, a tool chosen, and mouse events sent to the
// edit surface at the far corner of a cell.
#ifndef CORVANEL_RETOUCHE_ESSAI_H
#define CORVANEL_RETOUCHE_ESSAI_H

#include "Bandes.h"
#include "Couleurs.h"
#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Palettes.h"
#include "Surface_Dessin.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace Essai
{
// The dark grey background of a new picture (code 2).
inline constexpr std::uint8_t Fond = Corvanel::Code::Gris_Fonce;

inline Corvanel::Surface_Dessin *Surface()
{
    return Corvanel::FEcran->Ecran_TI;
}

// The bottom-right display pixel of a cell, so that every click needs snapping.
inline QPoint Point_Cellule(int x, int y)
{
    const int z = Corvanel::FEcran->Zoom_Ecran;
    return {x * z + z - 1, y * z + z - 1};
}

// Mouse events are sent straight to the surface: QTest takes the point (0, 0) for "the middle".
inline void Souris(QEvent::Type type, QPoint point, Qt::MouseButton bouton,
                   Qt::MouseButtons boutons)
{
    QMouseEvent evenement(type, QPointF(point), Surface()->mapToGlobal(QPointF(point)), bouton,
                          boutons, Qt::NoModifier);
    QApplication::sendEvent(Surface(), &evenement);
}

inline void Appuyer(QPoint point, Qt::MouseButton bouton = Qt::LeftButton)
{
    Souris(QEvent::MouseButtonPress, point, bouton, bouton);
}

inline void Relacher(QPoint point, Qt::MouseButton bouton = Qt::LeftButton)
{
    Souris(QEvent::MouseButtonRelease, point, bouton, Qt::NoButton);
}

inline void Cliquer(QPoint point, Qt::MouseButton bouton = Qt::LeftButton)
{
    Appuyer(point, bouton);
    Relacher(point, bouton);
}

inline void Choisir_Outil(int numero)
{
    Corvanel::FMain->Outil[numero]->click();
}

// An empty picture of the given size and zoom through the "Image vide" path, start-up
// colours and tool 1, then every cell set to the code.
inline void Nouvelle_Image(int largeur, int hauteur, int zoom, std::uint8_t code = Fond)
{
    using namespace Corvanel;
    FMain->Choix_Nombre_Couleur_4->click();
    FMain->Choix_Couleur_TI->click();
    FMain->RadioButton1->setChecked(true);
    FMain->Largeur->setText(QString::number(largeur));
    FMain->Hauteur->setText(QString::number(hauteur));
    FMain->Button1->click();
    for (int z = 1; z < zoom; ++z)
        FMain->SpeedButton17->click();
    QCOMPARE(FEcran->Zoom_Ecran, zoom);
    FMain->Couleur_Gauche->Definir(Code::Noir);
    FMain->Couleur_Droite->Definir(Code::Blanc);
    FMain->Active_Trace->setChecked(false);
    FMain->Outil[9]->setEnabled(false);
    Choisir_Outil(1);
    for (int x = 0; x < largeur; ++x)
        for (int y = 0; y < hauteur; ++y)
            FEcran->Plan_Image[Indice(x, y)] = code;
    FEcran->Peindre_Image();
}

// The windows, with every font dialog answered by DejaVu Sans at 12 points, and an 8 x 8
// picture at zoom 1.
inline void Ouvrir_Retouche(Dialogues_Factices &Dialogues)
{
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPointSize(12);
    Dialogues.Police = police;
    Corvanel::Creer_Fenetres(Dialogues);
    Nouvelle_Image(8, 8, 1);
    QVERIFY(Corvanel::FEcran->isVisible());
}
} // namespace Essai

#endif
