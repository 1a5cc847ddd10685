#include "app/restarthandover.h"

#include <cstdlib>

#include "classlib/SysUtils.h"
#include "classlib/Win.h"

namespace {

constexpr const char* HandOverVariable = "VARIRUVU_RESTARTED_FROM";
constexpr DWORD LongestWait = 60000;

}  // namespace

void HandOverToNewInstance()
{
    SetEnvironmentVariableA(HandOverVariable, IntToStr(static_cast<int64_t>(GetCurrentProcessId())).c_str());
}

void WaitForPreviousInstance()
{
    char value[32] = {};
    const DWORD length = GetEnvironmentVariableA(HandOverVariable, value, sizeof(value));
    if (length == 0 || length >= sizeof(value))
        return;
    // This instance's own restarts hand over anew; its other children must not wait.
    SetEnvironmentVariableA(HandOverVariable, nullptr);
    const auto processId = static_cast<DWORD>(std::strtoul(value, nullptr, 10));
    if (HANDLE previous = OpenProcess(SYNCHRONIZE, FALSE, processId)) {
        WaitForSingleObject(previous, LongestWait);
        CloseHandle(previous);
    }
}
