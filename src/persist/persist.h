#pragma once
// Persistence: the XML layer and the storages built on it.
#include "persist/PerUserPath.h"
#include "persist/WholeFile.h"
#include "persist/XmlDocument.h"
#include "persist/XmlNode.h"
#include "persist/XmlReader.h"
#include "persist/XmlValueText.h"
#include "persist/XmlWriter.h"
