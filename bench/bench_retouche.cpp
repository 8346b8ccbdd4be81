// Editing must stay interactive on the largest picture at zoom 8: a rectangle's release draws,
// reads the whole plane back and repaints both windows; a move with the live trace repaints the
// whole picture and draws the preview.
#include "Bench.h"

#include "Demarrage.h"
#include "Dialogues_Fixes.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Surface_Dessin.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{

void Souris(QEvent::Type type, QPoint point, Qt::MouseButton bouton)
{
    QWidget *surface = Corvanel::FEcran->Ecran_TI;
    QMouseEvent evenement(type, QPointF(point), surface->mapToGlobal(QPointF(point)), bouton,
                          type == QEvent::MouseButtonPress ? Qt::MouseButtons(bouton)
                                                           : Qt::MouseButtons(Qt::NoButton),
                          Qt::NoModifier);
    QApplication::sendEvent(surface, &evenement);
}

void Cliquer(QPoint point)
{
    Souris(QEvent::MouseButtonPress, point, Qt::LeftButton);
    Souris(QEvent::MouseButtonRelease, point, Qt::LeftButton);
}

// Median of the timed part; the preparation runs untimed before each run.
template <typename P, typename F> double Mediane(int fois, P &&preparer, F &&mesurer)
{
    std::vector<double> temps;
    for (int i = 0; i < fois; ++i)
    {
        preparer(i);
        const auto debut = std::chrono::steady_clock::now();
        mesurer(i);
        QCoreApplication::processEvents(); // the windows' own repaint
        temps.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
                .count());
    }
    std::sort(temps.begin(), temps.end());
    return temps[temps.size() / 2];
}

void Mesurer_Retouche()
{
    using namespace Corvanel;
    Corvanel::Dialogues_Fixes dialogues;
    Creer_Fenetres(dialogues);
    FMain->RadioButton1->setChecked(true);
    FMain->Largeur->setText(QStringLiteral("240"));
    FMain->Hauteur->setText(QStringLiteral("128"));
    FMain->Button1->click();
    for (int z = 1; z < 8; ++z)
        FMain->SpeedButton17->click();
    FMask->show();
    FMask->Afficher_Mask();
    FMain->Outil[3]->click();
    QCoreApplication::processEvents();

    const double relache = Mediane(
        41, [](int i) { Cliquer(QPoint(8 * (i % 20), 8 * (i % 10))); },
        [](int i) { Cliquer(QPoint(1000 + 8 * (i % 50), 500 + 8 * (i % 40))); });
    std::printf("retouche rectangle release 240x128 zoom 8: %.3f ms (median)\n", relache);

    FMain->Active_Trace->setChecked(true);
    Cliquer(QPoint(80, 80));
    const double trace = Mediane(
        41, [](int) {},
        [](int i) { Souris(QEvent::MouseMove, QPoint(400 + 11 * i, 300 + 7 * i), Qt::NoButton); });
    std::printf("retouche live-trace move 240x128 zoom 8: %.3f ms (median)\n", trace);
    Detruire_Fenetres();
}

const bool Inscrite = Bench::Ajouter("retouche", Mesurer_Retouche);
} // namespace
