#pragma once
#include "core/WorkerThread.h"

// The one worker thread that serves every started FTP image handler of the process
// (CFtpImageHandler::sHandlers): it walks the handlers every 10 ms and runs an upload
// cycle for each, until it is canceled. It deletes itself when it ends; the application
// runs one and cancels it at its end.
//
// Decision of this library: the thread lives in a COM apartment of its own, for video
// sources whose encoders are COM components.
class AFX_EXT_CLASS CFtpUploadThread : public CWorkerThread {
public:
    CFtpUploadThread();

    void ExecuteSelf(long param) override;
};
