#pragma once

// Whether the computer looks online. The system's network information decides where a
// backend reports it; otherwise any network interface other than loopback that is up and
// running counts as a connection.
bool IsConnected();
