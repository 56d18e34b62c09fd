// Linux: literals and system text are both UTF-8.
#include "support/literal_code_page.h"

bool LiteralsAreSystemText() { return true; }
