// The platform's error codes by name, for messages.
#pragma once

#include <string>

#include <windef.h>

// "ERROR_FILE_NOT_FOUND (2)"; a code without a name here is given by number.
std::string ErrorText(DWORD code);

// "0x80004005": failing HRESULTs are read in hex.
std::string HresultText(HRESULT result);
