// The progress dialog part-way through the unpacking, as the screen shows
// it, against a reference image.
#include <device/libraries.h>
#include <device/screen.h>

#include "extraction_dialog.h"
#include "golden_image.h"
#include "setup_device.h"

using ExtractionDialogGoldenTest = SetupDevice;

TEST_F(ExtractionDialogGoldenTest, PartWay)
{
    ASSERT_TRUE(device::PlaceLibrary(PKGSETUP_LIBRARY, u"\\Windows\\pkgsetup.dll"));
    HMODULE library = LoadLibraryW(u"\\Windows\\pkgsetup.dll");
    ASSERT_NE(library, nullptr) << device::LastLibraryFailure();

    ExtractionDialog dialog;
    ASSERT_TRUE(dialog.Open(library, 1000));
    dialog.ShowProgress(400);
    EXPECT_TRUE(MatchesGolden(device::CaptureScreen(), PKGSETUP_GOLDEN "/extraction_part_way.png"));
}
