#pragma once
#include "display/ObjectListDisplay.h"

// The row of a download package: a change of its name, description, file path or
// selection rewrites the row; a change of its page or necessity does not show.
class AFX_EXT_CLASS CDownloadListDisplay : public CObjectListDisplay {
public:
    explicit CDownloadListDisplay(CObjectDisplay* parent);

    bool Respond(long code, CBroadcaster* broadcaster, long data1, long data2) override;
};
