#include "net/FtpUploadThread.h"

#include "net/FtpImageHandler.h"

#include "ComApartment.h"

CFtpUploadThread::CFtpUploadThread() = default;

void CFtpUploadThread::ExecuteSelf(long)
{
    StComApartment apartment;
    while (!IsCanceled()) {
        {
            CTwSingleLock lock(CFtpImageHandler::sHandlerSafe, true);
            for (int i = 0; i < CFtpImageHandler::sHandlers.GetItemCount() && !IsCanceled(); ++i) {
                auto* handler = static_cast<CFtpImageHandler*>(CFtpImageHandler::sHandlers.GetAt(i));
                if (handler->IsUploading())
                    handler->HandleImage();
            }
        }
        ::Sleep(10);
    }
}
