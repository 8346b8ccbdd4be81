// The file library of the calculator link software, from C++: its headers are C and use one
// C99 keyword that C++ spells otherwise.
#ifndef CORVANEL_TIFILES_H
#define CORVANEL_TIFILES_H

#define restrict __restrict
#include <tifiles.h>
#undef restrict

#endif
