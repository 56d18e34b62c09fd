// Reading text back from the screen, as a person reads it: areas of windows
// captured, stacked into one picture and read by OCR (tesseract with its
// Japanese data, a Linux program that Wine starts), so that a text drawn as
// empty boxes reads as something else than its characters.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// The pixels of an area of the screen, 32 bits each (0x00RRGGBB), row by row.
struct TScreenImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
};

TScreenImage CaptureScreen(const RECT& area);
// The rectangle less by pixels on each side (a control without its frame).
RECT Inset(RECT rect, int by);

// True under Wine, which can start the reader.
bool CanReadScreen();

// Reads each image's text; the images are read together in one picture, in
// one start of the reader. Fails the test (and gives empty texts) when the
// reader is not there or gives nothing. folder: a Windows folder to work in.
std::vector<std::wstring> ReadTexts(const std::vector<TScreenImage>& images, const std::string& folder);

// The share of expected's characters that read holds: of its non-ASCII
// characters when it has any (the Japanese ones, which a missing face draws
// as boxes), else of all its characters but spaces.
double ReadShare(const std::wstring& expected, const std::wstring& read);

}  // namespace e2e
