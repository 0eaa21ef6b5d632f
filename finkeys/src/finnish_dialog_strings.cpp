#include "finnish_dialog_strings.h"

namespace {

const DialogStringPair kFinnish[] = {
    {2002, TEXT("Merkin toisto")},
    {2004, TEXT("Toiston viive:")},
    {2006, TEXT("Pitkä")},
    {2007, TEXT("Lyhyt")},
    {2005, TEXT("Toistonopeus:")},
    {2008, TEXT("Hidas")},
    {2009, TEXT("Nopea")},
    {2010, TEXT("Värikäs näppäimistö")},
};

}  // namespace

const DialogStringTable kFinnishDialogStrings[kFinnishDialogStringRows] = {
    {1035, kFinnish, sizeof kFinnish / sizeof kFinnish[0]},
};
