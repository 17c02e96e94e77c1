#pragma once
#include "afx.h"

#include "tnwbscut.h"

// A mix-in for the class of an application that owns one persistent object (its
// settings, its document): the four menu actions on it. The deriving class sets mObject;
// without one every action does nothing and answers false.
//
// SaveData and LoadData prompt for an XML file (one filter, *.xml, described as
// GetFileDescription() + "(*.xml)") with "Settings" as the outermost element; SaveDefault
// and LoadDefault use GetDefaultFileName() ("Data.xml") in the per-user application-data
// folder, with the outermost element "Settings". What they answer is what the persistence
// front door answers (UPersistStorage): false for a cancelled dialog, and for a default
// load that found no readable file or followed a crashed run.
class AFX_EXT_CLASS CPersistDataHost {
public:
    CPersistDataHost();
    virtual ~CPersistDataHost();

    virtual bool SaveData();
    virtual bool LoadData();
    virtual bool SaveDefault();
    virtual bool LoadDefault();

    // The running application's name + " data", or "Data" without an application identity.
    CString GetFileDescription();
    CString GetDefaultFileName();

protected:
    CPersistObject* mObject;
    // Kept for the deriving class.
    CString mText;
};
