// Windows: the literals are CP932 (the build's execution character set).
#include "support/literal_code_page.h"

#include <windows.h>

bool LiteralsAreSystemText() { return GetACP() == 932; }
