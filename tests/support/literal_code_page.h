// Whether the system's code page is the one the tests' text literals are in:
// CP932 in the Windows build, UTF-8 on Linux. Tests of system text written
// with such literals only hold then (not on an English Windows, code page 1252).
#pragma once

bool LiteralsAreSystemText();
