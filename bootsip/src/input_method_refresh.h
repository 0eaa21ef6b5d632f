// Makes the input-panel manager load the package's keyboard and recogniser
// once each, then gives the panel back to the input method that was current.
#pragma once

void RefreshInputMethods();
