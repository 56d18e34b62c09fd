// Screen capture, the stacked picture as a BMP file, and tesseract's words
// (its TSV output) put back to the image each was read from.
#include "e2e/screen_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "common/wide_text.h"
#include "e2e/window_driver.h"

namespace e2e {
namespace {

constexpr int kGap = 12;   // white pixels around and between the images
constexpr int kScale = 4;  // the reader reads small screen text best enlarged
constexpr DWORD kReadTimeoutMs = 30000;

// The stacked picture: the images one under the other on white, each one's top.
struct TStack {
    TScreenImage Picture;
    std::vector<int> Tops;
};

// The image in grey, its darkest pixel black and its lightest white, so that
// greyed text reads as well as black text.
TScreenImage Stretched(const TScreenImage& image) {
    TScreenImage grey = image;
    const auto light = [](std::uint32_t p) {
        return static_cast<int>(((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
    };
    int darkest = 255;
    int lightest = 0;
    for (const std::uint32_t p : image.Pixels) {
        darkest = std::min(darkest, light(p));
        lightest = std::max(lightest, light(p));
    }
    for (std::uint32_t& p : grey.Pixels) {
        const auto level =
            static_cast<std::uint32_t>(lightest > darkest ? (light(p) - darkest) * 255 / (lightest - darkest) : 255);
        p = level << 16 | level << 8 | level;
    }
    return grey;
}

TStack Stack(const std::vector<TScreenImage>& images) {
    TStack stack;
    int width = 0;
    int height = kGap;
    for (const TScreenImage& image : images) {
        width = std::max(width, image.Width);
        stack.Tops.push_back(height);
        height += image.Height + kGap;
    }
    stack.Picture = TScreenImage{width + 2 * kGap, height, {}};
    stack.Picture.Pixels.assign(static_cast<std::size_t>(stack.Picture.Width) * height, 0x00FFFFFF);
    for (std::size_t i = 0; i < images.size(); ++i) {
        const TScreenImage grey = Stretched(images[i]);
        for (int y = 0; y < grey.Height; ++y) {
            const auto* from = grey.Pixels.data() + static_cast<std::size_t>(y) * grey.Width;
            std::copy(from, from + grey.Width,
                      stack.Picture.Pixels.begin() + (stack.Tops[i] + y) * stack.Picture.Width + kGap);
        }
    }
    return stack;
}

// A 24-bit BMP, bottom row first, each row padded to four bytes.
void WriteBmp(const TScreenImage& image, const std::string& path) {
    const std::size_t row = (static_cast<std::size_t>(image.Width) * 3 + 3) / 4 * 4;
    std::string pixels(row * image.Height, '\0');
    for (int y = 0; y < image.Height; ++y) {
        for (int x = 0; x < image.Width; ++x) {
            const std::uint32_t pixel = image.Pixels[static_cast<std::size_t>(y) * image.Width + x];
            char* at = &pixels[(image.Height - 1 - y) * row + static_cast<std::size_t>(x) * 3];
            at[0] = static_cast<char>(pixel & 0xFF);
            at[1] = static_cast<char>((pixel >> 8) & 0xFF);
            at[2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
    }
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{sizeof info, image.Width, image.Height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

// Wine's own function for the Unix path of a Windows path; null elsewhere.
using TGetUnixFileName = char*(CDECL*)(const wchar_t*);
TGetUnixFileName UnixFileNameFunction() {
    return reinterpret_cast<TGetUnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
}

// The Unix path of a Windows path under Wine; empty elsewhere.
std::string UnixPath(const std::string& path) {
    const TGetUnixFileName get = UnixFileNameFunction();
    if (!get) return "";
    char* unix = get(SystemText(path).c_str());
    if (!unix) return "";
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Starts the Unix shell with the command; Wine gives no handle to wait on.
bool StartUnixShell(const std::string& command) {
    std::wstring line = L"/bin/sh -c \"" + SystemText(command) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    return true;
}

// tesseract's TSV: words (level 5) with their box in the enlarged picture.
std::vector<std::wstring> WordsByImage(const std::string& tsv, const std::vector<int>& tops) {
    std::vector<std::wstring> texts(tops.size());
    std::istringstream lines(tsv);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
        if (fields.size() < 12 || fields[0] != "5" || fields[11].empty()) continue;
        const long top = std::strtol(fields[7].c_str(), nullptr, 10);
        const long height = std::strtol(fields[9].c_str(), nullptr, 10);
        const auto middle = static_cast<int>((top + height / 2) / kScale);
        const auto above = std::upper_bound(tops.begin(), tops.end(), middle);
        if (above == tops.begin()) continue;
        std::wstring& text = texts[static_cast<std::size_t>(above - tops.begin() - 1)];
        const int size = MultiByteToWideChar(CP_UTF8, 0, fields[11].c_str(), -1, nullptr, 0);
        std::wstring word(static_cast<std::size_t>(std::max(size, 1)), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, fields[11].c_str(), -1, word.data(), size);
        word.resize(word.size() - 1);
        text += (text.empty() ? L"" : L" ") + word;
    }
    return texts;
}

}  // namespace

TScreenImage CaptureScreen(const RECT& area) {
    TScreenImage image{std::max<int>(area.right - area.left, 1), std::max<int>(area.bottom - area.top, 1), {}};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), image.Width, -image.Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, image.Width, image.Height, screen, area.left, area.top, SRCCOPY);
    if (bits) {
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        image.Pixels.assign(pixels, pixels + static_cast<std::size_t>(image.Width) * image.Height);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

bool CanReadScreen() { return UnixFileNameFunction() != nullptr; }

RECT Inset(RECT rect, int by) {
    InflateRect(&rect, -by, -by);
    return rect;
}

std::vector<std::wstring> ReadTexts(const std::vector<TScreenImage>& images, const std::string& folder) {
    const TStack stack = Stack(images);
    WriteBmp(stack.Picture, folder + "screen.bmp");
    const std::string unix = UnixPath(folder);
    if (unix.empty()) {
        ADD_FAILURE() << "the screen is read by tesseract through Wine; " << folder << " has no Unix path";
        return std::vector<std::wstring>(images.size());
    }
    // Enlarged smoothly, then black and white: the reader's best input.
    const std::string command = "cd '" + unix + "' && convert screen.bmp -colorspace gray -resize " +
                                std::to_string(kScale * 100) +
                                "% -threshold 60% screen.png >/dev/null 2>&1 && "
                                "tesseract screen.png read -l jpn --psm 6 tsv >/dev/null 2>&1; touch read.done";
    if (!StartUnixShell(command)) {
        ADD_FAILURE() << "cannot start /bin/sh through Wine to read the screen";
        return std::vector<std::wstring>(images.size());
    }
    const std::string done = folder + "read.done";
    WaitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, kReadTimeoutMs);
    std::ifstream in(folder + "read.tsv", std::ios::binary);
    const std::string tsv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (tsv.empty())
        ADD_FAILURE() << "tesseract read nothing: install imagemagick, tesseract-ocr and tesseract-ocr-jpn "
                         "(scripts/install-deps.sh windows)";
    return WordsByImage(tsv, stack.Tops);
}

double ReadShare(const std::wstring& expected, const std::wstring& read) {
    const bool japanese = std::any_of(expected.begin(), expected.end(), [](wchar_t c) { return c > 0x7F; });
    int wanted = 0;
    int found = 0;
    for (const wchar_t c : expected) {
        if (c == L' ' || (japanese && c <= 0x7F)) continue;
        ++wanted;
        if (read.find(c) != std::wstring::npos) ++found;
    }
    return wanted == 0 ? 1.0 : static_cast<double>(found) / wanted;
}

}  // namespace e2e
