#pragma once
// The program asked to stop from outside: SIGTERM (logout, shutdown, kill),
// SIGHUP (its terminal or session gone) and SIGINT (Ctrl+C in the terminal
// it was started from) end it the way End does, so that the work End does
// first (match files still queued for the disk) is never lost. A signal
// ignored when the program started stays ignored. The signal handler only
// writes to a pipe; the ending runs on the user-interface thread, from the
// event loop. The desktop session's end (commit data) and the
// application's quit do the same work without ending.

namespace platform {

// Call once, on the user-interface thread, once the application exists.
// False when the pipe or the handlers could not be set up.
bool EndOnTerminationSignals();

}  // namespace platform
