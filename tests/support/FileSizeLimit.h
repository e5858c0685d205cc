#pragma once

// The file size limit lives with the other write faults.
#include "support/WriteFaults.h"
