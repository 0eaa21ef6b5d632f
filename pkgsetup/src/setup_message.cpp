#include "setup_message.h"

void ShowSetupError(LPCWSTR text) { MessageBoxW(nullptr, text, TEXT("QV Installation"), MB_OK); }
