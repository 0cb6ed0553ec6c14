// The buildings of Washington DC: the white government building with its
// dome, and the suburban house where the boy Jorrin lives.
#pragma once

#include <cairo.h>

// gov-building.bmp, 139 x 152.
void drawGovernmentBuilding(cairo_t* cr);
// jorrin-house.bmp, 301 x 106.
void drawJorrinHouse(cairo_t* cr);
