#pragma once
// Four 16 x 16 images on black: blue, green, red, yellow squares.
#define IDB_ROW_IMAGES 100
// The timeline thumb: 13 x 9, its shape cut by the magenta key.
#define IDB_THUMB 101
