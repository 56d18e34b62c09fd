// Paths, the one module that knows them: separators and roots, joining and
// splitting, the game's folders and files, and the user's own folders.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The separator the system's paths use; folder paths such as BaseDir end in it.
// Also the stand-in the system puts for a character a path cannot hold: on
// Windows the ANSI functions give "?", which no file name may contain; on
// Linux a name may hold any byte but NUL, so no stand-in ever shows. And the
// bytes a path may take with its ending zero: MAX_PATH on Windows (260, in
// the system's code page), PATH_MAX on Linux (4096).
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr char kUnnamableCharacter = '?';
inline constexpr std::size_t kPathBufferBytes = 260;
#else
inline constexpr char kPathSeparator = '/';
inline constexpr char kUnnamableCharacter = '\0';
inline constexpr std::size_t kPathBufferBytes = 4096;
#endif

// Splitting: paths are held in the system's code page and walked character
// by character, since in CP932 the trail byte of a double-byte character can
// be 0x5C ("\"), which is no separator. Nothing else splits a path held as
// bytes (std::filesystem's paths split themselves).

// A separator: the system's own, and "/" also on Windows.
bool IsPathSeparator(char c);

// The byte offsets of the separators of path at or after from, walking it
// character by character from its start.
std::vector<std::size_t> PathSeparators(std::string_view path, std::size_t from = 0);

// Whether the path's last character is a separator.
bool EndsWithSeparator(std::string_view path);

// The path without the separators at its end.
std::string WithoutTrailingSeparators(std::string_view path);

// Bytes of the root at the start of a path: "/" on Linux; on Windows "C:\",
// "\\server\share\" or "\\?\C:\". 0 for a relative path.
std::size_t PathRootLength(const std::string& path);

// The folder part of a path, up to and including its last separator; empty
// when the path has none. Joined with a name, it gives a path beside path.
std::string FolderOfPath(const std::string& path);

// The file name of a path: what follows its last separator.
std::string FileNameOfPath(const std::string& path);

// A folder as a folder path ending in a separator: one is added only when
// the folder does not end in one already. Names join onto it as they are.
std::string GameFolderPath(const std::string& folder);

// The game's file and folder names, and the paths built from them.
inline constexpr char kOfficerFileName[] = "BUSYO21.BIN";
inline constexpr char kScenarioFolderName[] = "NEW.DAT";
// Present in a save slot's folder only while the slot holds a saved game.
inline constexpr char kSlotTimeFileName[] = "SYSTEM.BIN";
inline constexpr int kSaveSlotCount = 5;

// The name of save slot n (1 to 5), "LOG1.DAT" to "LOG5.DAT".
std::string SaveSlotName(int slot);

// The scenario's folder and a save slot's folder in a game folder that ends
// in a separator (BaseDir), each ending in a separator; plain concatenation.
std::string ScenarioFolderOf(const std::string& gameFolder);
std::string SaveFolderOf(const std::string& gameFolder, const std::string& slotName);
// The slot's officer file.
std::string SavePathOf(const std::string& gameFolder, const std::string& slotName);

// Raises EInOutError (code 3) naming a folder that is missing
// ("PATH: フォルダが見つかりません") or that is something else ("PATH: フォルダ
// ではありません"); a link to a folder counts as the folder.
void RequireFolder(const std::string& folder);
// The same for the game folder (for one stored without its separator, whose
// names are joined onto it as they are, the folder it lies in).
void RequireGameFolder(const std::string& gameFolder);
// The same for the game folder, then its scenario folder, then the slot's folder.
void RequireGameFolders(const std::string& gameFolder, const std::string& slotName);

// The user's own folders, each ending in a separator.

// The XDG rule of the user's folders on Linux: setting when it is an absolute
// path, else home + "/" + underHome when home is one, then "kasumiro/"; empty
// when neither is absolute (a relative place would be under the current folder).
std::string XdgUserFolder(const char* setting, const char* home, const char* underHome);

// The program's folder for the user's data (the save backups): on Linux
// ${XDG_DATA_HOME:-$HOME/.local/share}/kasumiro/; on Windows
// %LOCALAPPDATA%\Kasumiro\ (the shell's local application data folder where
// the variable is not set, as on Windows XP), read as wide characters, a
// relative value or one the code page cannot hold exactly being refused (no
// look-alike folder is ever taken). Empty when the system names no such place.
std::string UserDataFolder();

// The environment variable that names that place when nothing else does:
// "HOME" on Linux, "LOCALAPPDATA" on Windows.
extern const char kUserDataVariable[];

// The folder of the settings file: on Linux ${XDG_CONFIG_HOME:-$HOME/.config}/kasumiro/
// ($HOME being the account's home folder when it is unset), since a program in
// /usr/bin cannot write beside itself; on Windows the executable's folder.
std::string UserSettingsFolder();
