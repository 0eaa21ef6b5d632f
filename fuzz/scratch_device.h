// The simulated device the fuzz targets write into: a fresh image in a
// scratch folder, in memory where the host has a memory file system, since
// the registry commits durably and every input writes to it. The folder goes
// when the process ends.
#pragma once

// False when the device could not be made.
bool OpenScratchDevice();

// Ends the run as a finding when HOLDS is false.
void Require(bool holds);

// A device fault is a finding like a crash: what the platform would have
// left hanging. Prints each and ends the run when there is one.
void RequireNoFaults();
