#pragma once
// Picture files that tests write out and load: "halves" is 16 x 8 pixels, its left half
// pure red and its right half pure blue; "clear" is 4 x 4 wholly transparent pixels.
#define IDR_PICTURE_HALVES_BMP 9001
#define IDR_PICTURE_HALVES_GIF 9002
#define IDR_PICTURE_HALVES_JPG 9003
#define IDR_PICTURE_HALVES_PNG 9004
#define IDR_PICTURE_CLEAR_PNG 9005
