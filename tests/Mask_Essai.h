// What the mask tests share: the mask window read as covered cells and red display cells,
// clicks and presses on the mask editor, an empty picture opened, the editor at a zoom, and
// the windows over a folder of the test's own.
#ifndef CORVANEL_MASK_ESSAI_H
#define CORVANEL_MASK_ESSAI_H

#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Surface_Dessin.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <set>

namespace Essai
{
using Cellules = std::set<std::pair<int, int>>;
inline const QRgb Rouge = qRgb(255, 0, 0);

inline std::uint8_t Marque(std::size_t i)
{
    return static_cast<std::uint8_t>(0xA5 ^ (i * 7));
}

inline bool Dans_Region(std::size_t i)
{
    using Corvanel::FEcran;
    return static_cast<int>(i % Corvanel::Lignes_Plan) < FEcran->Hauteur_Image &&
           static_cast<int>(i / Corvanel::Lignes_Plan) < FEcran->Largeur_Image;
}

// The region gets `dedans`, everything else the marker pattern.
inline void Remplir_Mask(std::uint8_t dedans)
{
    for (std::size_t i = 0; i < Corvanel::Taille_Plan; ++i)
        Corvanel::FMask->Plan_Mask[i] = Dans_Region(i) ? dedans : Marque(i);
}

inline void Verifier_Hors_Region()
{
    for (std::size_t i = 0; i < Corvanel::Taille_Plan; ++i)
        if (!Dans_Region(i))
            QCOMPARE(Corvanel::FMask->Plan_Mask[i], Marque(i));
}

inline Cellules Couvertes()
{
    using Corvanel::FEcran;
    Cellules c;
    for (int x = 0; x < FEcran->Largeur_Image; ++x)
        for (int y = 0; y < FEcran->Hauteur_Image; ++y)
            if (Corvanel::FMask->Plan_Mask[Corvanel::Indice(x, y)] == 1)
                c.insert({x, y});
    return c;
}

// Cells whose top-left display pixel is red, read straight from the surface.
inline Cellules Rouges_A_L_Ecran()
{
    using Corvanel::FEcran;
    const QImage &image = Corvanel::FMask->Ecran_MASK->Image();
    const int z = Corvanel::FMask->Zoom_Mask;
    Cellules c;
    for (int x = 0; x < FEcran->Largeur_Image; ++x)
        for (int y = 0; y < FEcran->Hauteur_Image; ++y)
            if (image.pixel(x * z, y * z) == Rouge)
                c.insert({x, y});
    return c;
}

inline void Cliquer(QWidget *controle)
{
    QVERIFY(controle->isEnabled());
    QTest::mouseClick(controle, Qt::LeftButton);
}

// A radio takes clicks on its circle and its caption only.
inline void Cocher(QRadioButton *radio)
{
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QVERIFY(radio->isChecked());
}

// A display point inside the cell, away from its corner, so the snapping matters.
inline QPoint Dans_Cellule(int x, int y)
{
    const int z = Corvanel::FMask->Zoom_Mask;
    return {x * z + z - 1, y * z + z / 2};
}

inline void Appui(QPoint cellule, Qt::MouseButton bouton = Qt::LeftButton)
{
    QTest::mousePress(Corvanel::FMask->Ecran_MASK, bouton, {},
                      Dans_Cellule(cellule.x(), cellule.y()));
}

inline void Relache(QPoint cellule, Qt::MouseButton bouton = Qt::LeftButton)
{
    QTest::mouseRelease(Corvanel::FMask->Ecran_MASK, bouton, {},
                        Dans_Cellule(cellule.x(), cellule.y()));
}

inline void Clic(QPoint cellule, Qt::MouseButton bouton = Qt::LeftButton)
{
    Appui(cellule, bouton);
    Relache(cellule, bouton);
}

inline void Ouvrir_Vide(int largeur, int hauteur)
{
    using Corvanel::FMain;
    FMain->Largeur->setText(QString::number(largeur));
    FMain->Hauteur->setText(QString::number(hauteur));
    FMain->Onglets->setCurrentWidget(FMain->TabSheet[1]);
    Cocher(FMain->RadioButton1);
    Cliquer(FMain->Button1);
    FMain->Onglets->setCurrentWidget(FMain->TabSheet[6]);
}

// The editor open at the given zoom, reached by the zoom button.
inline void Editer(int zoom)
{
    using Corvanel::FMain;
    if (!FMain->Button_Editer_Mask->isHidden())
        Cliquer(FMain->Button_Editer_Mask);
    while (Corvanel::FMask->Zoom_Mask < zoom)
        Cliquer(FMain->MaskZoomP);
    QCOMPARE(int(Corvanel::FMask->Zoom_Mask), zoom);
}

// The windows over a folder of the test's own, with no Plugin folder: nothing to scan. A test
// class takes it as a second base and calls it from its initTestCase, init and cleanup.
struct Banc_Mask
{
    QTemporaryDir Dossier;
    Dialogues_Factices Dialogues_Test;

    void Installer()
    {
        QVERIFY(Dossier.isValid());
        QVERIFY(QDir::setCurrent(Dossier.path()));
    }
    void Ouvrir_Fenetres() { Corvanel::Creer_Fenetres(Dialogues_Test); }
    void Fermer_Fenetres()
    {
        Corvanel::Detruire_Fenetres();
        Dialogues_Test = Dialogues_Factices();
    }
};
} // namespace Essai

#endif
