// The window program's few options, answered before any window or display exists, so that a
// script or a package check can ask them on a machine without a desktop.
#ifndef CORVANEL_OPTIONS_PROGRAMME_H
#define CORVANEL_OPTIONS_PROGRAMME_H

#include <optional>

namespace Corvanel
{
// The exit status when the command line asked for an answer (--version, --help,
// --lister-plugins); nothing when the windows are to open. Other arguments are Qt's.
std::optional<int> Repondre_Options(int argc, char **argv);
} // namespace Corvanel

#endif
