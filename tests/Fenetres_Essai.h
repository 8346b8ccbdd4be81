// What the tests that drive the three windows do over and over: the windows started on scripted
// dialogs in a folder of the test's own, a picture of a given size, a file to open and the open
// command answered, the tabs on show, files dropped on a window.
#ifndef CORVANEL_FENETRES_ESSAI_H
#define CORVANEL_FENETRES_ESSAI_H

#include "Demarrage.h"
#include "Dialogues_Factices.h"
#include "Fiche_Main.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace Essai
{
// A second base of a test class that drives the windows: Demarrer from its init, Arreter from
// its cleanup. Each test starts on fresh scripted dialogs, in the folder, with new windows.
class Banc_Fenetres
{
protected:
    Dialogues_Factices Faux;
    QTemporaryDir Dossier;

    void Demarrer()
    {
        Faux = Dialogues_Factices();
        QVERIFY(QDir::setCurrent(Dossier.path()));
        Corvanel::Creer_Fenetres(Faux);
    }
    void Arreter() { Corvanel::Detruire_Fenetres(); }
};

// The size box's entry as the user picks it.
inline void Choisir_Taille(int index)
{
    using Corvanel::FMain;
    FMain->Taille_Image->setCurrentIndex(index);
    emit FMain->Taille_Image->activated(index);
}

// The size box's free entry, with this width and height.
inline void Taille(int Largeur, int Hauteur)
{
    using Corvanel::FMain;
    FMain->Taille_Image->setCurrentIndex(5);
    emit FMain->Taille_Image->activated(5);
    FMain->Largeur->setText(QString::number(Largeur));
    FMain->Hauteur->setText(QString::number(Hauteur));
}

inline void Image_Vide(int Largeur, int Hauteur)
{
    using Corvanel::FMain;
    Taille(Largeur, Hauteur);
    FMain->RadioButton1->click();
    FMain->Button1->click();
}

// Every pixel its own grey, so that a picture moved by a pixel reads differently. The path, in
// the platform's separators; empty when it could not be written.
inline QString Ecrire_Degrade(const QTemporaryDir &Dossier, const QString &Nom, QSize Taille,
                              const char *Format = "BMP")
{
    QImage Image(Taille, QImage::Format_RGB32);
    for (int y = 0; y < Taille.height(); ++y)
        for (int x = 0; x < Taille.width(); ++x)
        {
            const int Gris = (x * 37 + y * 91) % 256;
            Image.setPixel(x, y, qRgb(Gris, Gris, Gris));
        }
    const QString Chemin = Dossier.filePath(Nom);
    QDir().mkpath(QFileInfo(Chemin).path());
    if (!Image.save(Chemin, Format))
        return {};
    return QDir::toNativeSeparators(Chemin);
}

// Black where x and x + y are even, elsewhere greys 100 to 119 (dark grey at 4 levels).
inline QString Ecrire_Bitmap(const QTemporaryDir &Dossier, const QString &nom, QSize taille)
{
    QImage image(taille, QImage::Format_RGB32);
    for (int y = 0; y < taille.height(); ++y)
        for (int x = 0; x < taille.width(); ++x)
            image.setPixel(x, y,
                           (x % 2 == 0 && (x + y) % 2 == 0)
                               ? qRgb(0, 0, 0)
                               : qRgb(100 + x % 20, 100 + x % 20, 100 + x % 20));
    const QString chemin = Dossier.filePath(nom);
    image.save(chemin, "BMP");
    return chemin;
}

// The open command, the file dialog answered with this file and type.
inline void Ouvrir(Dialogues_Factices &Faux, const QString &chemin, int type)
{
    using Corvanel::FMain;
    FMain->Ouvrir_Fichier->click();
    Faux.Reponses_Fichier.push_back(Corvanel::Choix_Fichier{chemin, type});
    FMain->Button1->click();
}

// The main window's tabs on show, numbered from 1.
inline QList<int> Onglets_Visibles()
{
    using Corvanel::FMain;
    QList<int> visibles;
    for (int i = 0; i < 8; ++i)
        if (FMain->Onglets->isTabVisible(i))
            visibles << i + 1;
    return visibles;
}

// Drags the files over the window and drops them there: whether the window took them.
inline bool Deposer(QWidget *Cible, const QList<QUrl> &Adresses)
{
    QMimeData Donnees;
    Donnees.setUrls(Adresses);
    Donnees.setText(Adresses.isEmpty() ? QString() : Adresses.first().toString());
    const QPointF Point(2, 2);
    QDragEnterEvent Entree(Point.toPoint(), Qt::CopyAction, &Donnees, Qt::LeftButton,
                           Qt::NoModifier);
    QCoreApplication::sendEvent(Cible, &Entree);
    if (!Entree.isAccepted())
        return false;
    QDropEvent Depot(Point, Qt::CopyAction, &Donnees, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Cible, &Depot);
    return Depot.isAccepted();
}
} // namespace Essai

#endif
