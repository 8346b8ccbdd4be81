#include "Demarrage.h"
#include "Dialogues.h"
#include "Icone_Programme.h"
#include "Options_Programme.h"
#include "Traductions.h"
#include "corvanel_installation.h"

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <exception>

namespace
{
// The general error handler: an error that escapes a command is shown, and the program goes
// on with the next event.
class Application final : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *objet, QEvent *evenement) override
    {
        try
        {
            return QApplication::notify(objet, evenement);
        }
        catch (const std::exception &erreur)
        {
            QMessageBox::critical(nullptr, QStringLiteral("Corvanel"),
                                  QString::fromLocal8Bit(erreur.what()));
        }
        catch (...)
        {
            QMessageBox::critical(nullptr, QStringLiteral("Corvanel"),
                                  QStringLiteral("Erreur inattendue."));
        }
        return false;
    }
};
} // namespace

int main(int argc, char **argv)
{
    if (const std::optional<int> statut = Corvanel::Repondre_Options(argc, argv))
        return *statut;
    Application application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanel"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(CORVANEL_ID));
    QApplication::setWindowIcon(Corvanel::Icone_Programme());
    // Missing, Qt's dialogs stay in English: nothing else depends on it.
    Corvanel::Charger_Traductions(application);
    Corvanel::Dialogues_Qt dialogues;
    const auto reglages = Corvanel::Reglages_Programme();
    try
    {
        Corvanel::Creer_Fenetres(dialogues, reglages.get());
    }
    catch (const std::exception &erreur)
    {
        QMessageBox::critical(nullptr, QStringLiteral("Corvanel"),
                              QString::fromLocal8Bit(erreur.what()));
        return 1;
    }
    const int resultat = QApplication::exec();
    Corvanel::Detruire_Fenetres();
    return resultat;
}
