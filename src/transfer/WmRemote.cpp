#include "transfer/WmRemote.h"

bool CWmRemote::Add(const char*)
{
    return false;
}

bool CWmRingtoneRemote::Add(const char*)
{
    return false;
}
