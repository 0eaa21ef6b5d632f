// The package's control-panel applet, which the package places in its
// install directory and which works only from "\Windows".
#pragma once

#include <windows.h>

// Moves the applet from INSTALL_DIRECTORY into "\Windows". Not reported when
// it fails: the rest of the installation does not depend on it.
void PlaceControlPanelApplet(LPCWSTR installDirectory);

// Deletes the applet from "\Windows", whether or not it is there.
void RemoveControlPanelApplet();
