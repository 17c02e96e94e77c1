#pragma once
// Persistence: the XML layer, the storages built on it and on the settings store, the
// persistence front doors and the named objects.
#include "persist/NamedData.h"
#include "persist/NamedObject.h"
#include "persist/NamedValue.h"
#include "persist/PerUserPath.h"
#include "persist/PersistStorage.h"
#include "persist/PersistUtils.h"
#include "persist/RegistryPersistStorage.h"
#include "persist/TextLoadLimit.h"
#include "persist/WholeFile.h"
#include "persist/XmlDocument.h"
#include "persist/XmlNode.h"
#include "persist/XmlPersistReader.h"
#include "persist/XmlPersistStorage.h"
#include "persist/XmlReader.h"
#include "persist/XmlValueText.h"
#include "persist/XmlWriter.h"
