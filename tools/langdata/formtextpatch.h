// Rewriting one binary property of one object in a form description.
#pragma once

#include "classlib/System.h"

// Gives `text` with the property `name` of the object `objectName` set to
// `data` ("Name = {" and rows of hexadecimal digits ending in "}"), replacing
// the property where the object has it and adding it after the object's
// other properties otherwise. EParserError when the object is not there.
AnsiString SetBinaryProperty(const AnsiString& text, const AnsiString& objectName, const AnsiString& name,
                             const AnsiString& data);
