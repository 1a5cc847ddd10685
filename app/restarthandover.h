// Settings OK starts a new instance while this one's window is still up, and
// the new one's single-instance test would find that window and end. So the
// old instance leaves its process id in the environment the new one inherits,
// and the new one waits for that process to end before it looks around.
#pragma once

// In the old instance, just before it starts the new one.
void HandOverToNewInstance();
// In every instance, before the single-instance test: returns at once unless
// this start is such a hand-over; then waits until the old process has ended
// (or a minute has passed).
void WaitForPreviousInstance();
