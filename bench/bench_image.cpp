// Opening a large bitmap, and one press of "Lumière +" on it.
#include "Bench.h"
#include "Conversion.h"
#include "Demarrage.h"
#include "Dialogues_Fixes.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"

#include <QComboBox>
#include <QImageReader>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

const bool Enregistre = Bench::Ajouter(
    "ouverture bitmap 4000x3000",
    []
    {
        using namespace Corvanel;
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("grande.bmp"));
        {
            QImage image(4000, 3000, QImage::Format_RGB888);
            for (int y = 0; y < image.height(); ++y)
            {
                uchar *ligne = image.scanLine(y);
                for (int x = 0; x < image.width() * 3; ++x)
                    ligne[x] = static_cast<uchar>((x * 7 + y * 3) & 0xFF);
            }
            image.save(chemin, "BMP");
        }
        const double decodage = Bench::Mediane_ms(5,
                                                  [&]
                                                  {
                                                      QImageReader lecteur(chemin, "bmp");
                                                      QImage image = lecteur.read();
                                                      if (image.isNull())
                                                          std::puts("decodage impossible");
                                                  });
        Corvanel::Dialogues_Fixes faux;
        faux.Fichier = Choix_Fichier{chemin, 1};
        QTemporaryDir vide;
        QDir::setCurrent(vide.path());
        Creer_Fenetres(faux);
        FMain->Taille_Image->setCurrentIndex(1);
        emit FMain->Taille_Image->activated(1);
        const double ouverture = Bench::Mediane_ms(5, [] { FMain->Button1->click(); });
        std::printf(
            "ouverture 4000x3000 24 bits en TI 92: %.1f ms, decodage QImageReader seul: %.1f ms, "
            "rapport %.2f (cible <= 1.3)\n",
            ouverture, decodage, ouverture / decodage);
        const double lumiere = Bench::Mediane_ms(51, [] { FMain->Button4->click(); });
        std::printf("Lumiere + sur cette image (bandes, barre, conversion, dessin zoom 1): %.3f ms "
                    "(cible < 1 ms)\n",
                    lumiere);
        Detruire_Fenetres();
    });
} // namespace
