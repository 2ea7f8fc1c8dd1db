#pragma once

// A hidden check that an installed copy runs: "corvale --self-check" finds the catalogue
// beside the executable and loads the recent-files library, with no display and no window.
bool selfCheckRequested(int argc, char* argv[]);
int selfCheck(int argc, char* argv[]);
