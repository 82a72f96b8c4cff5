#pragma once

// Temporary files that must not outlive the program: while one is tracked, SIGINT, SIGTERM
// and SIGHUP (Ctrl-C and closing the console on Windows) remove it before the program ends
// as those signals end it. Only a kill that cannot be caught leaves one behind. The path is
// kept by address: it must stay in place until it is untracked.
inline constexpr int MAX_TRACKED_TEMPORARIES = 4;

// False when MAX_TRACKED_TEMPORARIES are tracked already.
bool track_temporary(const char* path);
void untrack_temporary(const char* path);
