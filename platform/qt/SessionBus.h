// Start-up on a desktop without a session bus. The toolkit's accessibility
// bridge looks for the session bus when the first window is shown, and the
// D-Bus library, finding none, tries to launch one: it runs dbus-launch
// through every folder of the PATH while the window waits. With no bus there
// is no screen reader to reach either, so the game tells the library up front
// that there is none, and takes the word back once its first window is up (so
// programs it opens later look for a bus as usual).
#pragma once

namespace platform {

// Before the application object: when neither DBUS_SESSION_BUS_ADDRESS nor
// the bus socket in XDG_RUNTIME_DIR is there, points the address at a socket
// that does not exist, so the look fails at once. Returns true when it did.
bool QuietAbsentSessionBus();

// Removes the address QuietAbsentSessionBus set; nothing otherwise.
void RestoreSessionBusLookup();

} // namespace platform
