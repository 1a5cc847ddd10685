// The language tunes: MIDI melodies carried as SOUNDS resources, written to
// the scratch folder and played there through the multimedia commands.
#pragma once

#include "classlib/System.h"

// The tune of a language box index: "us", "cz", "de" or "uk"; empty for
// Hungarian, which has none, and for any other index.
AnsiString TuneName(int languageIndex);
// The scratch file that Settings OK stops and deletes for an index: "us.mid",
// "cz.mid", "de.mid", "hu.mid" or "uk.mid"; empty for any other index.
AnsiString TuneFileName(int languageIndex);

// Writes the bytes of a resource of the program's own module to the file
// (created or replaced); false when the file cannot be written. A missing
// resource raises EResNotFound before anything is written.
bool SaveTuneResource(const char* resourceType, const AnsiString& resourceName, const AnsiString& fileName);

// Sends a multimedia command about a tune file: the verb ("play", "stop",
// "close") and the file's path written without blanks (its existing folders
// in their short form), so that the path stays one name, and every command
// about the file names the device that "play" opened, even once the scratch
// folder is gone. The result is not checked.
void SendTuneCommand(const char* verb, const AnsiString& fileName);
