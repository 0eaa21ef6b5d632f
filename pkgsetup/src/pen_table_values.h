// The pen recogniser's stored built-in tables, which it writes again from
// its own contents at its next load.
#pragma once

// Deletes the 19 stored built-in tables from the product key; the user's
// tables stay. Nothing is reported.
void DeletePenTableValues();
