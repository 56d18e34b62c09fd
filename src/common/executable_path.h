// The running executable's full path in the system code page.
#pragma once

#include <string>

std::string ExecutablePath();
