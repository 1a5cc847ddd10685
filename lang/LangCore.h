// The localisation core: constants, language files and the language manager.
#pragma once

#include "lang/LangConstants.h"
#include "lang/LangController.h"
#include "lang/LangErrors.h"
#include "lang/LangEscapes.h"
#include "lang/LangManager.h"
#include "lang/LangResources.h"
#include "lang/LangTranslations.h"
