#pragma once
// Network services: the library's Internet session, HTTP download, web form requests
// with XML answers, web addresses.
#include "net/HttpDownloadThread.h"
#include "net/NetSession.h"
#include "net/UrlEncoder.h"
#include "net/WebAddresses.h"
#include "net/WebParam.h"
#include "net/WebXml.h"
