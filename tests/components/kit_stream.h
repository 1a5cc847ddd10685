// Components read from the text notation of form streams, as a form resource gives them.
#pragma once

#include <memory>

#include "classlib/Classes.h"

// Reads `text` into a new component of the class it names (which must be registered).
std::unique_ptr<TComponent> ReadComponentText(const AnsiString& text);
// Reads `text` into `root`, whose components it makes.
void ReadComponentTextInto(TComponent* root, const AnsiString& text);
