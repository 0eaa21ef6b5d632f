#include "framework_dialog_strings.h"

namespace {

const DialogStringPair kEnglish[] = {
    {2002, TEXT("Character repeating")},
    {2004, TEXT("Repeat delay:")},
    {2006, TEXT("Long")},
    {2007, TEXT("Short")},
    {2005, TEXT("Repeat rate:")},
    {2008, TEXT("Slow")},
    {2009, TEXT("Fast")},
    {2010, TEXT("Use colored keyboard")},
};

}  // namespace

const DialogStringTable kFrameworkDialogStrings[kFrameworkDialogStringRows] = {
    {1033, kEnglish, sizeof kEnglish / sizeof kEnglish[0]},
};
