#pragma once
// Whether the system reports a connection to the internet.

// False when the system says it is offline or reaches only the local network
// or site. When it cannot tell at all (no network-state backend, as on Linux
// without NetworkManager) the answer is true: the question to the update
// server is then simply tried, bounded by its time-outs.
bool systemReportsConnection();
