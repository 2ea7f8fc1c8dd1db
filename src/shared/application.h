#pragma once

// Sets up the running widget application as the program presents itself: its names (which
// decide where settings and data live), desktop entry, style and font stand-ins. Titles are
// left alone: the platform shows every window's title exactly as the window sets it.
namespace application {

void configure();

} // namespace application
