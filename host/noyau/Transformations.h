// Whole-picture operations on the region of a plane; bytes outside it are never touched.
#ifndef CORVANEL_TRANSFORMATIONS_H
#define CORVANEL_TRANSFORMATIONS_H

#include "Plan.h"

namespace Corvanel
{
void Miroir_Horizontal(Plan &plan, int largeur, int hauteur);
void Miroir_Vertical(Plan &plan, int largeur, int hauteur);
// Cyclic shift by one pixel: exactly one of dx, dy is -1 or +1.
void Decaler_Image(Plan &plan, int largeur, int hauteur, int dx, int dy);
// A quarter turn clockwise: the region becomes hauteur x largeur, pixel (x, y) going to
// (hauteur - 1 - y, x). Only the new region is written; the turned region must fit the plane.
void Tourner_Quart(Plan &plan, int largeur, int hauteur);

// Mask: 0 where the picture holds the background code, 1 elsewhere.
void Creer_Mask_Auto(Plan &mask, const Plan &image, int largeur, int hauteur, std::uint8_t fond);
// 1 becomes 0, anything else becomes 1.
void Inverser_Mask(Plan &mask, int largeur, int hauteur);
} // namespace Corvanel

#endif
