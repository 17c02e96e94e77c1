#pragma once
// Four 16 x 16 images on black: blue, green, red, yellow squares.
#define IDB_ROW_IMAGES 100
