#pragma once
// Network services: the library's Internet session, FTP upload of snapshots, HTTP
// download, web form requests with XML answers, download packages and their dialog, web
// addresses.
#include "net/DownloadDialog.h"
#include "net/DownloadList.h"
#include "net/DownloadListDisplay.h"
#include "net/DownloadPackage.h"
#include "net/DownloadsListControl.h"
#include "net/FtpImageHandler.h"
#include "net/FtpUploadThread.h"
#include "net/FtpUploader.h"
#include "net/HttpDownloadThread.h"
#include "net/NetSession.h"
#include "net/UrlEncoder.h"
#include "net/VideoPostback.h"
#include "net/WebAddresses.h"
#include "net/WebParam.h"
#include "net/WebPost.h"
#include "net/WebXml.h"
