// Draws the README's picture of the main window and the edit window, offscreen:
//   corvanel-capture OUT.png
#include "Demarrage.h"
#include "Dialogues_Fixes.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

namespace
{

// A shaded ball with a title, the kind of picture a game's sprite starts from.
QImage Image_Exemple()
{
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient degrade(QPointF(130, 80), 110, QPointF(100, 60));
    degrade.setColorAt(0, QColor(250, 250, 250));
    degrade.setColorAt(1, QColor(10, 10, 10));
    p.setBrush(degrade);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(150, 100), 85, 85);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(0, 170, 320, 30);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(26);
    police.setBold(true);
    p.setFont(police);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, 320, 40), Qt::AlignCenter, QStringLiteral("Corvanel"));
    return image;
}
} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString sortie =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("capture.png");
    QTemporaryDir dossier;
    Corvanel::Dialogues_Fixes dialogues;
    const QString image = dossier.filePath(QStringLiteral("boule.png"));
    Image_Exemple().save(image);
    dialogues.Fichier = Corvanel::Choix_Fichier{image, 3};
    Corvanel::Creer_Fenetres(dialogues);
    using Corvanel::FEcran;
    using Corvanel::FMain;
    FMain->Button1->click();
    FMain->SpeedButton17->click();
    FMain->Onglets->setCurrentIndex(3);
    const QImage principale = FMain->grab().toImage();
    const QImage edition = FEcran->grab().toImage();
    const int marge = 12;
    QImage tout(marge * 3 + principale.width() + edition.width(),
                marge * 2 + std::max(principale.height(), edition.height()), QImage::Format_RGB32);
    tout.fill(QColor(236, 236, 236));
    QPainter p(&tout);
    p.drawImage(marge, marge, principale);
    p.drawImage(marge * 2 + principale.width(), marge, edition);
    p.end();
    const bool ecrit = tout.save(sortie);
    Corvanel::Detruire_Fenetres();
    return ecrit ? 0 : 1;
}
