// Makes the console show text in the system code page, the one every string of
// the program uses, for as long as the object lives; the console's own code
// page is put back afterwards, since the console outlives the program.
#pragma once

class TSystemCodePageConsole {
public:
    TSystemCodePageConsole();
    ~TSystemCodePageConsole();  // NOLINT(performance-trivially-destructible): Windows puts the code page back
    TSystemCodePageConsole(const TSystemCodePageConsole&) = delete;
    TSystemCodePageConsole& operator=(const TSystemCodePageConsole&) = delete;

private:
    [[maybe_unused]] unsigned previous_ = 0;  // 0: nothing to put back (used on Windows only)
};
