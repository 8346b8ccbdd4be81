// Qt's own texts (dialog captions, standard buttons, context menus) in French, like the rest.
#ifndef CORVANEL_TRADUCTIONS_H
#define CORVANEL_TRADUCTIONS_H

class QCoreApplication;

namespace Corvanel
{
// Installs Qt's French catalogue whatever the system's language; false when it is not
// installed, and Qt's texts stay in English.
bool Charger_Traductions(QCoreApplication &Application);
} // namespace Corvanel

#endif
