#include "ScenarioRunner.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "BoardGeometry.h"
#include "Game.h"
#include "RecordingScreen.h"
#include "ScriptedRandom.h"

namespace velko {

namespace {

struct BadLine {
    int line;
    std::string reason;
};

std::vector<std::string> splitWords(const std::string& text)
{
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

bool parseInt(const std::string& word, long long& value)
{
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool parseFloat(const std::string& word, float& value)
{
    if (word.empty())
        return false;
    char* end = nullptr;
    value = std::strtof(word.c_str(), &end);
    return end == word.c_str() + word.size() && std::isfinite(value);
}

class ScenarioRunner {
public:
    explicit ScenarioRunner(std::ostream& out) : out_(out), screen_(&out), game_(screen_, random_) {}

    // Returns the exit status; throws BadLine or RandomExhausted.
    void run(std::istream& in)
    {
        std::string text;
        while (nextLine(in, text)) {
            const std::vector<std::string> words = splitWords(text);
            const std::string& verb = words[0];
            if (verb == "mode")
                mode(words);
            else if (verb == "board")
                board(in);
            else if (verb == "next")
                next(words);
            else if (verb == "score")
                score(words);
            else if (verb == "hiscore")
                hiscore(words);
            else if (verb == "random")
                random(words);
            else if (verb == "click")
                click(words);
            else if (verb == "tick")
                tick(words);
            else if (verb == "dump")
                dump(words);
            else
                fail("unknown command '" + verb + "'");
        }
    }

private:
    // The next line that is neither blank nor a comment, without its line end.
    bool nextLine(std::istream& in, std::string& text)
    {
        while (std::getline(in, text)) {
            ++lineNumber_;
            while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t'))
                text.pop_back();
            const std::size_t first = text.find_first_not_of(" \t");
            if (first == std::string::npos || text[first] == '#')
                continue;
            text.erase(0, first);
            return true;
        }
        return false;
    }

    [[noreturn]] void fail(const std::string& reason) { throw BadLine{lineNumber_, reason}; }

    long long integer(const std::string& word, long long low, long long high)
    {
        long long value = 0;
        if (!parseInt(word, value) || value < low || value > high)
            fail("'" + word + "' is not a whole number from " + std::to_string(low) + " to " + std::to_string(high));
        return value;
    }

    void expectCount(const std::vector<std::string>& words, std::size_t low, std::size_t high)
    {
        const std::size_t arguments = words.size() - 1;
        if (arguments < low || arguments > high)
            fail(words[0] + " takes " +
                 (low == high ? std::to_string(low) : std::to_string(low) + " to " + std::to_string(high)) + " values");
    }

    void mode(const std::vector<std::string>& words)
    {
        expectCount(words, 1, 1);
        if (words[1] != "3" && words[1] != "0")
            fail("mode is 3 or 0");
        game_.setKind(words[1] == "3" ? GameKind::Normal : GameKind::Challenge);
    }

    void board(std::istream& in)
    {
        Grid<Colour> cells{};
        for (int row = 0; row < kCells; ++row) {
            std::string text;
            if (!nextLine(in, text))
                fail("the board needs 9 lines");
            if (text.size() != kCells)
                fail("a board line has 9 characters");
            for (int column = 0; column < kCells; ++column) {
                const char c = text[column];
                if (c == '.')
                    cells[column][row] = Colour::Empty;
                else if (c >= '1' && c <= '8')
                    cells[column][row] = colourNumbered(c - '0');
                else
                    fail(std::string("'") + c + "' is not a cell (.12345678)");
            }
        }
        game_.setBoard(cells);
    }

    void next(const std::vector<std::string>& words)
    {
        expectCount(words, 3, 3);
        std::array<Colour, kPreviewSlots> colours{};
        for (int slot = 0; slot < kPreviewSlots; ++slot)
            colours[slot] = colourNumbered(static_cast<int>(integer(words[slot + 1], 1, 8)));
        game_.setNextColours(colours);
    }

    void score(const std::vector<std::string>& words)
    {
        expectCount(words, 1, 1);
        const auto points = static_cast<std::int32_t>(integer(words[1], 0, 1000000000));
        game_.setScore(points);
        screen_.setShownScore(points);
    }

    void hiscore(const std::vector<std::string>& words)
    {
        expectCount(words, 1, 1);
        screen_.setLowestHighScore(static_cast<std::int32_t>(integer(words[1], -2147483647, 2147483647)));
    }

    void random(const std::vector<std::string>& words)
    {
        for (std::size_t i = 1; i < words.size(); ++i) {
            float value = 0;
            if (!parseFloat(words[i], value) || value < 0.0f || value >= 1.0f)
                fail("'" + words[i] + "' is not a random value from 0 up to 1");
            random_.add(value);
        }
    }

    void click(const std::vector<std::string>& words)
    {
        expectCount(words, 2, 3);
        float x = 0, y = 0;
        if (!parseFloat(words[1], x) || !parseFloat(words[2], y))
            fail("click needs a pixel position X Y");
        // Buttons as numbers: 1 left, 2 right, anything else (3 is both) another button.
        const long long number = words.size() == 4 ? integer(words[3], 0, 32767) : 1;
        const MouseButton button = number == 1   ? MouseButton::Left
                                   : number == 2 ? MouseButton::Right
                                                 : MouseButton::Other;
        if (!screen_.boardEnabled)
            return;   // the board takes no clicks after the game is over
        game_.press(cellAt(x, y), button);
    }

    void tick(const std::vector<std::string>& words)
    {
        expectCount(words, 0, 1);
        const long long count = words.size() == 2 ? integer(words[1], 0, 100000000) : 1;
        for (long long i = 0; i < count && screen_.timerOn; ++i)
            game_.tickScore();
    }

    void dump(const std::vector<std::string>& words)
    {
        expectCount(words, 0, 0);
        out_ << "board\n";
        for (int row = 0; row < kCells; ++row) {
            for (int column = 0; column < kCells; ++column) {
                const int value = numberOf(game_.board()[column][row]);
                out_ << (value == 0 ? '.' : static_cast<char>('0' + value));
            }
            out_ << '\n';
        }
        out_ << "score " << game_.score() << '\n';
        // The selection as from-column, to-column, from-row, to-row; 255 when none.
        const std::optional<Selection>& selection = game_.selection();
        const Cell to = selection && selection->to ? *selection->to : Cell{};
        out_ << "sel " << (selection ? selection->from.column : 255) << ' ' << to.column << ' '
             << (selection ? selection->from.row : 0) << ' ' << to.row << '\n';
        const std::array<Colour, kPreviewSlots>& next = game_.nextColours();
        out_ << "next " << numberOf(next[0]) << ' ' << numberOf(next[1]) << ' ' << numberOf(next[2]) << '\n';
        out_ << "list";
        for (const Cell cell : game_.removals())
            out_ << ' ' << cell.column << cell.row;
        out_ << '\n';
    }

    std::ostream& out_;
    RecordingScreen screen_;
    ScriptedRandom random_;
    Game game_;
    int lineNumber_ = 0;
};

}   // namespace

int runScenario(std::istream& in, std::ostream& out)
{
    ScenarioRunner scenario(out);
    try {
        scenario.run(in);
    } catch (const BadLine& bad) {
        out << "error line " << bad.line << ": " << bad.reason << '\n';
        return kScenarioBadLine;
    } catch (const RandomExhausted&) {
        out << "error random exhausted\n";
        return kScenarioRandomExhausted;
    }
    out.flush();
    return kScenarioDone;
}

}   // namespace velko
