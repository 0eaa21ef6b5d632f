// The simulated device the fuzz targets write into: a fresh image in a
// scratch folder, in memory where the host has a memory file system, since
// the registry commits durably and every input writes to it. The folder goes
// when the process ends.
#pragma once

// False when the device could not be made.
bool OpenScratchDevice();
