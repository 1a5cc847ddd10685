// Outside references for the tests: host (Linux) programs that Wine starts,
// such as Python and a browser, and the prefix's own registry tool.
#pragma once

#include <functional>
#include <vector>

#include "classlib/System.h"
#include "classlib/Win.h"

// The host path of a file, for the host programs.
AnsiString UnixPath(const AnsiString& path);

// Starts a host program (named by its Windows path, such as Z:\bin\ln) with the extra
// environment variables ("NAME=value"). Wine cannot wait for host programs, so this waits
// until `done` holds, at most `milliseconds`; false when it did not come to hold.
bool RunHostProgram(const WideString& program, WideString commandLine, const std::vector<AnsiString>& environment,
                    const std::function<bool()>& done, DWORD milliseconds);

// Runs `script` with the host's /bin/sh, with the extra environment variables
// ("NAME=value"). Wine cannot wait for host programs, so the script must move
// `answerFile` into place when it is done; false when it did not appear in time.
bool RunHostScript(const AnsiString& script, const std::vector<AnsiString>& environment,
                   const AnsiString& answerFile);

// Runs a copy of this test program, limited to the tests `filter` names, as a
// fresh Wine process started from the host with the extra environment variables
// (a Unix locale among them, which Wine fixes a process's code page and
// language from); the copy must move `answerFile` into place when it is done.
bool RunSelfFromHost(const AnsiString& filter, const std::vector<AnsiString>& environment,
                     const AnsiString& answerFile);

// Python's configparser's reading of an INI file: a "section/key=value" line
// per value, in file order; or a line that tells why there is none.
AnsiString ConfigParserView(const AnsiString& iniFile);

// What `reg query <arguments>` prints in this prefix, blank lines left out.
AnsiString RegQuery(const AnsiString& arguments);
