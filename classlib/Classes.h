// The unit of the base classes: objects, persistence, components, lists,
// strings, streams, collections, filers, threads and the utility window.
#pragma once

#include "classlib/Collections.h"
#include "classlib/Component.h"
#include "classlib/Filers.h"
#include "classlib/Lists.h"
#include "classlib/Persistent.h"
#include "classlib/Streams.h"
#include "classlib/StringLists.h"
#include "classlib/Threads.h"
#include "classlib/TypInfo.h"
#include "classlib/UtilWindow.h"
