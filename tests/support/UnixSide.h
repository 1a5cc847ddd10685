// The Linux side of the Wine prefix, for what Windows programs cannot do there:
// symbolic links made with ln -s, and trees holding them removed without
// following them (Wine's own deletion goes through a link to its target).
#pragma once

#include "classlib/System.h"

// The Windows path (on drive Z:) of a Linux path.
AnsiString WindowsPathOfUnix(const AnsiString& unixPath);
// `ln -s target link`; true once the link is there.
bool MakeSymbolicLink(const AnsiString& target, const AnsiString& link);
// `rm -rf` on a scratch folder of the tests (a path holding "\variruvu-"); true once it is gone.
bool RemoveTreeWithLinks(const AnsiString& scratchFolder);
// Runs shell commands (`set -e`) on the Linux side, for what the ANSI file functions
// cannot reach, such as paths past 260 characters; `folder` is a scratch folder that
// takes the script for the time it runs. True once they all ended well.
bool RunUnixCommands(const AnsiString& commands, const AnsiString& folder);
