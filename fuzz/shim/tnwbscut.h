#pragma once
// The part of the base support library that the parsers use.
#include "Handle.h"
#include "HexConverter.h"
#include "LookupList.h"
#include "PersistStorage.h"
#include "PointerList.h"
#include "StringBuffer.h"
#include "TextPair.h"
#include "TimecodeUtils.h"
