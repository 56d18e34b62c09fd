// Common family names and given-name kanji of the sample game, as CP932 bytes beside the text they encode.
#pragma once

struct TSampleName {
    const char* Sjis;  // CP932 bytes, on every platform
    const char* Text;  // the same in the system code page, for checking the bytes
};

// Family names of two double-byte characters (4 bytes each).
inline constexpr TSampleName kSampleFamilyNames[] = {
    {"\x8E\x52\x93\x63", "山田"}, {"\x90\x44\x93\x63", "織田"}, {"\x95\x90\x93\x63", "武田"},
    {"\x8F\xE3\x90\x99", "上杉"}, {"\x96\xD1\x97\x98", "毛利"}, {"\x93\x87\x92\xC3", "島津"},
    {"\x96\x6B\x8F\xF0", "北条"}, {"\x8D\xA1\x90\xEC", "今川"}, {"\x90\xF3\x88\xE4", "浅井"},
    {"\x92\xA9\x91\x71", "朝倉"}, {"\x88\xC9\x92\x42", "伊達"}, {"\x90\x5E\x93\x63", "真田"},
    {"\x8F\xBC\x95\xBD", "松平"}, {"\x93\xBF\x90\xEC", "徳川"}, {"\x96\x4C\x90\x62", "豊臣"},
    {"\x91\x4F\x93\x63", "前田"}, {"\x8E\xC4\x93\x63", "柴田"}, {"\x96\xBE\x92\x71", "明智"},
    {"\x92\x4F\x89\x48", "丹羽"}, {"\x91\xEA\x90\xEC", "滝川"}, {"\x8D\xB2\x92\x7C", "佐竹"},
    {"\x8D\xC5\x8F\xE3", "最上"}, {"\x93\xEC\x95\x94", "南部"}, {"\x91\xE5\x97\x46", "大友"},
    {"\x92\xB7\x94\xF6", "長尾"}, {"\x8E\x4F\x8D\x44", "三好"}, {"\x8D\xD7\x90\xEC", "細川"},
    {"\x8D\xD6\x93\xA1", "斎藤"}, {"\x93\xF2\x8E\x71", "尼子"}, {"\x91\xE5\x93\xE0", "大内"},
    {"\x96\x7B\x91\xBD", "本多"}, {"\x88\xE4\x88\xC9", "井伊"}, {"\x8E\xF0\x88\xE4", "酒井"},
    {"\x90\xCE\x93\x63", "石田"}, {"\x89\xC1\x93\xA1", "加藤"}, {"\x95\x9F\x93\x87", "福島"},
    {"\x8D\x95\x93\x63", "黒田"}, {"\x92\x7C\x92\x86", "竹中"},
};

// Given-name kanji (2 bytes each); a given name takes one to three of them.
inline constexpr TSampleName kSampleGivenKanji[] = {
    {"\x90\x4D", "信"}, {"\x92\xB7", "長"}, {"\x8F\x47", "秀"}, {"\x8B\x67", "吉"}, {"\x89\xC6", "家"},
    {"\x8D\x4E", "康"}, {"\x90\xAD", "政"}, {"\x8F\x40", "宗"}, {"\x8B\x60", "義"}, {"\x8C\xB3", "元"},
    {"\x8B\x50", "輝"}, {"\x8C\xD5", "虎"}, {"\x8F\x9F", "勝"}, {"\x8F\x64", "重"}, {"\x97\x98", "利"},
    {"\x8C\xF5", "光"}, {"\x90\xAC", "成"}, {"\x90\xB3", "正"}, {"\x90\xB4", "清"}, {"\x92\xBC", "直"},
    {"\x92\x89", "忠"}, {"\x8C\x69", "景"}, {"\x90\xB0", "晴"}, {"\x8E\x81", "氏"}, {"\x8D\x6A", "綱"},
    {"\x97\xB2", "隆"}, {"\x90\xB7", "盛"}, {"\x8B\x76", "久"}, {"\x8F\xB9", "昌"}, {"\x8D\x4B", "幸"},
    {"\x8D\x46", "孝"}, {"\x8D\x82", "高"}, {"\x97\x8A", "頼"}, {"\x96\x5B", "房"}, {"\x94\x56", "之"},
    {"\x92\xE8", "定"},
};
