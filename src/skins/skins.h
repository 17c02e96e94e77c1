#pragma once
// Skins: the skin folder with its "skin.ini", the places of skinned windows, and pictures
// and buttons shaped by a colour key.
#include "skins/SkinFolder.h"
#include "skins/SkinLocation.h"
#include "skins/SkinWindowLocation.h"
#include "skins/SkinObject.h"
#include "skins/SkinButton.h"
