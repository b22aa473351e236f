// Zentoir: the game runtime. One header declares every command.
#pragma once

#include "arrays/GenericArray.h"
#include "arrays/NumberArray.h"
#include "core/ErrorLog.h"
#include "core/RuntimeContext.h"
#include "core/Shutdown.h"
#include "core/Stop.h"
#include "files/ArchiveSlot.h"
#include "files/FileChannels.h"
#include "files/FileOperations.h"
#include "text/DataTable.h"
#include "text/DynString.h"
#include "text/Maths.h"
#include "text/NumberText.h"
#include "text/Random.h"
#include "text/TextFunctions.h"
