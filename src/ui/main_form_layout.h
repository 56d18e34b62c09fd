// The main window's description as data (captions, positions and sizes at 96
// dpi, font, tab order, items), shared by every front end.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct TBounds {
    std::int32_t Left;
    std::int32_t Top;
    std::int32_t Width;
    std::int32_t Height;
    friend constexpr bool operator==(const TBounds&, const TBounds&) = default;
};

enum class TControlKind { Label, RadioGroup, Button };

struct TControlDescription {
    const char* Name;
    TControlKind Kind;
    TBounds Bounds;  // relative to the window's client area
    const char* Caption;
    std::int32_t TabOrder;  // -1: never takes the focus
};

// Design resolution and font: every position below is for a 12-pixel text
// height at 96 pixels per inch.
inline constexpr std::int32_t kDesignPixelsPerInch = 96;
inline constexpr std::int32_t kDesignTextHeight = 12;
inline constexpr char kForm1FontFace[] = "ＭＳ Ｐゴシック";
inline constexpr std::int32_t kForm1FontHeight = -12;
inline constexpr std::uint8_t kShiftJisCharset = 128;
// Colours as 0x00BBGGRR.
inline constexpr std::uint32_t kLabel1Colour = 0x00800000;  // navy

// The window itself: screen position and outer size.
inline constexpr char kForm1Caption[] = "Kasumiro";
inline constexpr TBounds kForm1Bounds{192, 107, 434, 297};

inline constexpr TControlDescription kLabel1{
    "Label1", TControlKind::Label, {75, 24, 275, 12}, "セーブデータを選択して実行ボタンをクリックして下さい", -1};
inline constexpr TControlDescription kScenarioGroup{
    "ScenarioGroup", TControlKind::RadioGroup, {32, 48, 129, 156}, "シナリオ", 0};
inline constexpr TControlDescription kSaveDataGroup{
    "SaveDataGroup", TControlKind::RadioGroup, {184, 48, 209, 156}, "セーブデータ", 1};
inline constexpr TControlDescription kButton1{"Button1", TControlKind::Button, {208, 224, 75, 25}, "実行", 2};
inline constexpr TControlDescription kButton2{"Button2", TControlKind::Button, {32, 224, 75, 25}, "設定", 3};
inline constexpr TControlDescription kButton3{"Button3", TControlKind::Button, {320, 224, 75, 25}, "終了", 4};

// The controls in tab order, then the label.
inline constexpr std::array<TControlDescription, 6> kForm1Controls{kScenarioGroup, kSaveDataGroup, kButton1,
                                                                   kButton2,       kButton3,       kLabel1};

// The groups' items and their described selection.
inline constexpr std::array<const char*, 1> kScenarioItems{"NEW.DAT"};
inline constexpr std::int32_t kScenarioItemIndex = 0;
inline constexpr std::array<const char*, 5> kSaveDataItems{"LOG1.DAT", "LOG2.DAT", "LOG3.DAT", "LOG4.DAT", "LOG5.DAT"};
inline constexpr std::int32_t kSaveDataItemIndex = -1;

// The radio buttons of a group, relative to the group, one column top-down:
// with I = groupHeight - textHeight - 5, each is I div count high and
// groupWidth - 10 wide at left 8, the first at top textHeight + 1 + (I mod count) div 2.
std::vector<TBounds> RadioButtonRects(std::int32_t groupWidth, std::int32_t groupHeight, std::int32_t textHeight,
                                      std::int32_t count);

// value * numerator / denominator rounded half away from zero (the platform's
// MulDiv): scales the font height by dpi/96 and positions by textHeight/12.
std::int32_t ScaleDesignValue(std::int32_t value, std::int32_t numerator, std::int32_t denominator);
