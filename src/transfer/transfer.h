#pragma once
// Transfer: copy jobs, the copy thread and the revolving copier.
#include "transfer/FileCopyJob.h"
#include "transfer/FileCopyThread.h"
#include "transfer/FileRevolvingCopier.h"
