#include "app/commandline.h"

#include "classlib/Win.h"
#include <shellapi.h>

TStartRequest ParseCommandLine(const std::vector<AnsiString>& args)
{
    TStartRequest request;
    for (const AnsiString& arg : args) {
        if (arg.empty())
            break;
        if (arg.size() > 1 && arg[0] == '/')
            request.StartAsFolder = (arg[1] == 'F' || arg[1] == 'f');
        else
            request.StartPath = arg;
    }
    return request;
}

std::vector<AnsiString> ProgramArguments()
{
    std::vector<AnsiString> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv)
        return args;
    for (int i = 1; i < count; ++i)
        args.push_back(WideToAnsi(argv[i]));
    LocalFree(argv);
    return args;
}
