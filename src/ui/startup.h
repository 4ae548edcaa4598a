#pragma once
// Start-up pieces of main(): the settings file and a
// polite end on SIGTERM or SIGINT (the window closes as if the user closed it).
#include <QString>
#include <functional>

namespace zelvo {

struct AppState;

// Reads zelvo.ini from the user's configuration folder into the settings
// (missing or unreadable: the defaults stay) and remembers its path for the
// write at exit.
void readStartupSettings(AppState& state);

// Calls `onSignal` from the event loop when the process receives SIGTERM or
// SIGINT. Once per process.
void onTerminationSignal(std::function<void()> onSignal);

} // namespace zelvo
