#include "net/NetSession.h"

const char* const CNetSession::kUserAgent = "Tarnwell/1.0";
const DWORD CNetSession::kDefaultTimeout;

CNetSession::CNetSession(DWORD timeoutMs)
    : CInternetSession(kUserAgent, 1, PRE_CONFIG_INTERNET_ACCESS, nullptr, nullptr, 0), mTimeout(0)
{
    SetTimeout(timeoutMs);
}

void CNetSession::SetTimeout(DWORD timeoutMs)
{
    mTimeout = timeoutMs ? timeoutMs : kDefaultTimeout;
    SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, mTimeout);
    SetOption(INTERNET_OPTION_SEND_TIMEOUT, mTimeout);
    SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, mTimeout);
}
