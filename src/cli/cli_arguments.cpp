// Argument parsing of kasumiro-cli: options anywhere, then the command and its operands.
#include "cli/cli_arguments.h"

#include "common/paths.h"
#include "common/system_text.h"

namespace {

TCliArguments Refuse(std::string problem, std::string argument = "") {
    TCliArguments result;
    result.Problem = std::move(problem);
    result.ProblemArgument = std::move(argument);
    return result;
}

// A refusal's words, and the argument it quotes when it quotes one.
struct TProblem {
    TProblem(std::string text = "", std::string argument = "") : Text(std::move(text)), Argument(std::move(argument)) {}
    std::string Text;
    std::string Argument;
};

struct TOptions {
    bool Help = false;
    bool Version = false;
    bool DryRun = false;
    bool NoBackup = false;
    bool Force = false;
};

// The options go into options, the rest into operands; the unknown option, if any.
std::string SplitArguments(const std::vector<std::string>& args, TOptions& options,
                           std::vector<std::string>& operands) {
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;  // lets a folder name start with "-"
        } else if (arg == "--help" || arg == "-h") {
            options.Help = true;
        } else if (arg == "--version") {
            options.Version = true;
        } else if (arg == "--dry-run") {
            options.DryRun = true;
        } else if (arg == "--no-backup") {
            options.NoBackup = true;
        } else if (arg == "--force") {
            options.Force = true;
        } else {
            return arg;
        }
    }
    return "";
}

bool ParseSlot(const std::string& slot, TCliArguments& result) {
    if (slot.size() != 1 || slot[0] < '1' || slot[0] > '5') return false;
    result.Slot = slot[0] - '0';
    return true;
}

// The command's operands and options checked; the problem, or no text when they fit.
TProblem ParseCommand(const std::vector<std::string>& operands, const TOptions& options, TCliArguments& result) {
    const std::string& command = operands[0];
    const std::size_t count = operands.size();
    if (command == "places") {
        if (count != 1) return {"places に引数はありません: ", operands[1]};
        if (options.DryRun || options.NoBackup || options.Force) return {"places にオプションは付けられません"};
        result.Command = TCliCommand::Places;
        return {};
    }
    if (command == "rewrite") {
        if (count != 3) return {"rewrite の引数は GAME_FOLDER と SLOT です"};
        result.Command = TCliCommand::Rewrite;
    } else if (command == "slots") {
        if (count != 2) return {"slots の引数は GAME_FOLDER です"};
        result.Command = TCliCommand::Slots;
    } else if (command == "backups") {
        if (count != 3) return {"backups の引数は GAME_FOLDER と SLOT です"};
        result.Command = TCliCommand::Backups;
    } else if (command == "restore") {
        if (count != 3 && count != 4) return {"restore の引数は GAME_FOLDER と SLOT, それに BACKUP (省略可) です"};
        result.Command = TCliCommand::Restore;
        if (count == 4) result.BackupName = operands[3];
    } else {
        return {"不明なコマンドです: ", command};
    }
    if (options.DryRun && command != "rewrite") return {"--dry-run は rewrite にだけ付けられます"};
    if (options.NoBackup && command != "rewrite") return {"--no-backup は rewrite にだけ付けられます"};
    if (options.Force && command != "restore") return {"--force は restore にだけ付けられます"};
    if (count >= 3 && !ParseSlot(operands[2], result)) return {"SLOT は 1 から 5 です: ", operands[2]};
    // An empty folder would turn into the root folder once the separator is added.
    if (operands[1].empty()) return {"GAME_FOLDER が空です"};
    result.GameFolder = operands[1];
    result.DryRun = options.DryRun;
    result.NoBackup = options.NoBackup;
    result.Force = options.Force;
    return {};
}

}  // namespace

TCliArguments ParseCliArguments(const std::vector<std::string>& args) {
    TOptions options;
    std::vector<std::string> operands;
    const std::string unknown = SplitArguments(args, options, operands);
    if (!unknown.empty()) return Refuse("不明なオプションです: ", unknown);
    TCliArguments result;
    if (options.Help) {
        result.Command = TCliCommand::Help;
        return result;
    }
    if (options.Version) {
        result.Command = TCliCommand::Version;
        return result;
    }
    if (operands.empty()) return Refuse("コマンドがありません");
    TProblem problem = ParseCommand(operands, options, result);
    if (!problem.Text.empty()) return Refuse(std::move(problem.Text), std::move(problem.Argument));
    return result;
}

std::string CliUsageText() {
    // GNU's layout, in the program's one language.
    return "使い方: kasumiro-cli rewrite [--dry-run | --no-backup] GAME_FOLDER SLOT\n"
           "  または: kasumiro-cli slots GAME_FOLDER\n"
           "  または: kasumiro-cli backups GAME_FOLDER SLOT\n"
           "  または: kasumiro-cli restore [--force] GAME_FOLDER SLOT [BACKUP]\n"
           "  または: kasumiro-cli places\n"
           "  または: kasumiro-cli --help | --version\n"
           "\n"
           "GAME_FOLDER は天下統一のフォルダ, SLOT はセーブデータの番号 1 から 5\n"
           "(LOG1.DAT から LOG5.DAT) です.\n"
           "\n"
           "  rewrite      SLOT の BUSYO21.BIN で, シナリオ NEW.DAT と名前の違う武将の\n"
           "               名前を, シナリオの名前に 嗣 を付けた名前に書き換えます.\n"
           "               先にバックアップを作り, そのパスを標準エラー出力に書きます.\n"
           "               --- のセーブデータ (SYSTEM.BIN がない) は書き換えません\n"
           "  slots        五つのセーブデータを, 保存の日時または --- で示します\n"
           "  backups      SLOT のバックアップを新しい順に, 日時とパスで示します\n"
           "  restore      SLOT のバックアップを元に戻します: BACKUP がなければ一番新しい\n"
           "               ものを. BACKUP はバックアップの番号 (ファイル名の先頭の数) か\n"
           "               ファイル名です. セーブデータが書き換えの後に変更されていれば\n"
           "               戻しません\n"
           "  places       Wine, Steam, Bottles と Lutris のプレフィックスの中で見つけた\n"
           "               ゲームのフォルダを, 名前とパスをタブで区切って一行ずつ示します\n"
           "\n"
           "  --dry-run    何も書かずに, 書き換わる武将の番号, 今の名前と新しい名前を\n"
           "               一行ずつ示します\n"
           "  --no-backup  バックアップを作らずに書き換えます\n"
           "  --force      セーブデータが書き換えの後に変更されていても元に戻します.\n"
           "               今のセーブデータは先にバックアップとして残します\n"
           "  -h, --help   この説明を示して終わります\n"
           "  --version    版を示して終わります\n"
           "\n"
           "終了コード: 0 成功, 1 入出力のエラーか拒否, 2 引数の誤り\n";
}
