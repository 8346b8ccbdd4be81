#include "Demarrage.h"
#include "Dialogues.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanel"));
    QApplication::setApplicationVersion(QStringLiteral("3.3"));
    Corvanel::Dialogues_Qt dialogues;
    try
    {
        Corvanel::Creer_Fenetres(dialogues);
    }
    catch (const std::exception &erreur)
    {
        QMessageBox::critical(nullptr, QStringLiteral("Corvanel"),
                              QString::fromLocal8Bit(erreur.what()));
        return 1;
    }
    const int resultat = application.exec();
    Corvanel::Detruire_Fenetres();
    return resultat;
}
