#include "KeptGame.h"

#include "game/PsqFile.h"

#include <charconv>
#include <map>
#include <sstream>

namespace kesto::ui {

namespace {

// Kesto's line, after the stones:
// "kesto-game 1 opponent=computer opener=computer strength=medium clock=754 won=no"
const std::string kMark = "kesto-game 1";
const std::string kPerson = "person";
const std::string kComputer = "computer";
const std::string kPlayer = "player";
const std::string kYes = "yes";
const std::string kNo = "no";

std::optional<std::map<std::string, std::string>> fieldsOf(const std::string& line)
{
    if (line.rfind(kMark + " ", 0) != 0) {
        return std::nullopt;
    }
    std::map<std::string, std::string> fields;
    std::istringstream words(line.substr(kMark.size()));
    std::string word;
    while (words >> word) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos || !fields.emplace(word.substr(0, equals), word.substr(equals + 1)).second) {
            return std::nullopt;
        }
    }
    return fields;
}

// One of two words, or nothing.
std::optional<bool> either(const std::string& word, const std::string& yes, const std::string& no)
{
    if (word == yes) {
        return true;
    }
    if (word == no) {
        return false;
    }
    return std::nullopt;
}

std::optional<std::int64_t> seconds(const std::string& word)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

bool KeptGame::unfinished() const
{
    return !won && !record.moves.empty() && record.moves.size() < static_cast<std::size_t>(kCellCount);
}

std::string KeptGame::toText() const
{
    const std::string_view level = engine::strengthName(strength);
    const std::string line = kMark + " opponent=" + (record.versusComputer ? kComputer : kPerson)
                             + " opener=" + (record.computerOpens ? kComputer : kPlayer)
                             + " strength=" + std::string(level) + " clock=" + std::to_string(record.clockSeconds)
                             + " won=" + (won ? kYes : kNo);
    return PsqFile::write(record.moves, {line});
}

std::optional<KeptGame> KeptGame::fromText(std::string_view text, std::string& why)
{
    const PsqFile::Contents contents = PsqFile::read(text);
    if (!contents.ok()) {
        why = contents.faultText();
        return std::nullopt;
    }
    const auto fields = contents.trailer.size() == 1 ? fieldsOf(contents.trailer.front()) : std::nullopt;
    if (!fields || fields->size() != 5 || !fields->contains("opponent") || !fields->contains("opener")
        || !fields->contains("strength") || !fields->contains("clock") || !fields->contains("won")) {
        why = "not a game Kesto kept: its own line after the stones is missing or cut short";
        return std::nullopt;
    }
    const auto versus = either(fields->at("opponent"), kComputer, kPerson);
    const auto opens = either(fields->at("opener"), kComputer, kPlayer);
    const auto level = engine::strengthFromName(fields->at("strength"));
    const auto clock = seconds(fields->at("clock"));
    const auto won = either(fields->at("won"), kYes, kNo);
    if (!versus || !opens || !level || !clock || !won || (*opens && !*versus)) {
        why = "a value on Kesto's own line makes no sense";
        return std::nullopt;
    }
    KeptGame kept;
    kept.record.versusComputer = *versus;
    kept.record.computerOpens = *opens;
    kept.record.moves = contents.moves;
    kept.record.clockSeconds = *clock;
    kept.strength = *level;
    kept.won = *won;
    if (playRecord(kept.record).won != kept.won) {
        why = kept.won ? "it says the game was won, but no five ends it" : "it says the game runs on, but a five ended it";
        return std::nullopt;
    }
    return kept;
}

} // namespace kesto::ui
