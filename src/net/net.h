#pragma once
// Network services: the library's Internet session, FTP upload of snapshots, HTTP
// download, web form requests with XML answers, web addresses.
#include "net/FtpImageHandler.h"
#include "net/FtpUploadThread.h"
#include "net/FtpUploader.h"
#include "net/HttpDownloadThread.h"
#include "net/NetSession.h"
#include "net/UrlEncoder.h"
#include "net/VideoPostback.h"
#include "net/WebAddresses.h"
#include "net/WebParam.h"
#include "net/WebXml.h"
