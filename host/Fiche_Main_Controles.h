// The small builders the main window's pages share: every control gets its name, and the
// buttons their place and icon.
#ifndef CORVANEL_FICHE_MAIN_CONTROLES_H
#define CORVANEL_FICHE_MAIN_CONTROLES_H

#include "Icones.h"

#include <QKeySequence>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QRect>
#include <QToolButton>

namespace Corvanel
{
template <typename T> inline T *Nommer(T *objet, const char *nom)
{
    objet->setObjectName(QLatin1String(nom));
    return objet;
}

inline QPushButton *Bouton(QWidget *parent, const char *nom, const QString &texte, QRect zone)
{
    auto *bouton = Nommer(new QPushButton(texte, parent), nom);
    bouton->setGeometry(zone);
    return bouton;
}

inline QToolButton *Bouton_Icone(QWidget *parent, const QString &nom, Icone icone, int x, int y,
                                 bool bascule = false)
{
    auto *bouton = new QToolButton(parent);
    bouton->setObjectName(nom);
    bouton->setIcon(Creer_Icone(icone));
    bouton->setIconSize(QSize(25, 25));
    bouton->setGeometry(x, y, 35, 35);
    bouton->setCheckable(bascule);
    bouton->setAutoRaise(bascule);
    return bouton;
}

inline QLabel *Etiquette(QWidget *parent, const QString &texte, int x, int y,
                         const char *nom = nullptr)
{
    auto *etiquette = new QLabel(texte, parent);
    if (nom)
        etiquette->setObjectName(QLatin1String(nom));
    etiquette->move(x, y);
    etiquette->adjustSize();
    return etiquette;
}

// The platform's own keys for the command, and those every user expects besides.
inline QList<QKeySequence> Touches(QKeySequence::StandardKey standard, QList<QKeySequence> autres)
{
    QList<QKeySequence> touches = QKeySequence::keyBindings(standard);
    for (const QKeySequence &touche : autres)
        if (!touches.contains(touche))
            touches << touche;
    return touches;
}
} // namespace Corvanel

#endif
