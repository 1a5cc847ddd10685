// The localisation layer's one exception class.
#pragma once

#include "classlib/SysUtils.h"

VARIRUVU_EXCEPTION(ELangError, Exception);
