#pragma once
// Network services: the library's Internet session, HTTP download, web addresses.
#include "net/HttpDownloadThread.h"
#include "net/NetSession.h"
#include "net/WebAddresses.h"
