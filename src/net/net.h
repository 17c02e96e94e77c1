#pragma once
// Network services: web addresses.
#include "net/WebAddresses.h"
