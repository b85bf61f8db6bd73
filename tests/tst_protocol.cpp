// Random conversations with the tournament brain: valid and invalid moves,
// BOARD blocks with fives, sixes and full boards, bad lines, END inside a
// block, INFO with bad values, garbage bytes, CRLF, very long lines,
// TAKEBACK and RESTART. The brain must answer exactly the commands that ask
// for an answer, name only empty cells, end on END and never fail. A
// failure prints its seed and the shortest failing conversation found.

#include "brain/BrainProtocol.h"

#include <QProcess>
#include <QtTest>

#include <random>
#include <sstream>

namespace {

using Conversation = std::vector<std::string>;

// What the conversation is expected to do, kept beside the brain: whether a
// game and a BOARD block are open, and which cells hold stones.
struct Listener {
    bool started = false;
    bool inBoard = false;
    bool boardFault = false;
    std::array<bool, kesto::kCellCount + 1> taken{};
    std::string failure;

    // The command word, as a manager means it: up to the first blank.
    static std::string word(std::string line)
    {
        line.erase(0, line.find_first_not_of(" \t\r"));
        std::string first = line.substr(0, line.find_first_of(" \t\r"));
        std::transform(first.begin(), first.end(), first.begin(), [](unsigned char c) { return std::toupper(c); });
        return first;
    }

    static std::optional<kesto::CellIndex> cell(const std::string& text, std::size_t fields)
    {
        std::vector<int> values;
        std::stringstream parts(text);
        std::string part;
        while (std::getline(parts, part, ',')) {
            if (part.empty() || part.size() > 2 || !std::all_of(part.begin(), part.end(), ::isdigit)) {
                return std::nullopt;
            }
            values.push_back(std::stoi(part));
        }
        if (values.size() != fields || !kesto::onBoard(values[1] + 1, values[0] + 1)) {
            return std::nullopt;
        }
        if (fields == 3 && (values[2] < 1 || values[2] > 3)) {
            return std::nullopt;
        }
        return kesto::cellAt(values[1] + 1, values[0] + 1);
    }

    void clear() { taken.fill(false); }

    void expectMove(const std::string& answer)
    {
        if (answer.rfind("ERROR ", 0) == 0) {
            return;
        }
        const auto move = cell(answer, 2);
        if (!move) {
            failure = "not a move: " + answer;
        } else if (taken.at(static_cast<std::size_t>(*move))) {
            failure = "a move on a taken cell: " + answer;
        } else {
            taken.at(static_cast<std::size_t>(*move)) = true;
        }
    }

    // Checks the answers to one line; false once something is wrong.
    bool hear(const std::string& sent, const std::vector<std::string>& answers)
    {
        std::vector<std::string> heard;
        for (const std::string& answer : answers) {
            if (answer.rfind("MESSAGE ", 0) != 0) {
                heard.push_back(answer);
            }
            if (answer.size() > 200 || !std::all_of(answer.begin(), answer.end(), [](char c) { return c >= ' ' && c <= '~'; })) {
                failure = "an answer that is too long or not printable";
            }
        }
        std::string trimmed = sent;
        trimmed.erase(0, std::min(trimmed.size(), trimmed.find_first_not_of(" \t\r")));
        trimmed.erase(std::min(trimmed.size(), trimmed.find_last_not_of(" \t\r") + 1));
        const std::string command = word(trimmed);
        const std::size_t expected = expectAnswers(command, trimmed);
        if (heard.size() != expected) {
            failure = std::to_string(heard.size()) + " answers where " + std::to_string(expected) + " were due";
        } else if (expected == 1) {
            judge(command, trimmed, heard.front());
        }
        return failure.empty();
    }

    std::size_t expectAnswers(const std::string& command, const std::string& line)
    {
        if (command == "END") {
            return 0;
        }
        if (inBoard) {
            if (command == "DONE") {
                return 1;
            }
            const auto stone = cell(line, 3);
            if (stone) {
                taken.at(static_cast<std::size_t>(*stone)) = true;
            } else {
                boardFault = true;
            }
            return 0;
        }
        return line.empty() || command == "INFO" || (command == "BOARD" && started) ? 0 : 1;
    }

    void judge(const std::string& command, const std::string& line, const std::string& answer)
    {
        const bool isError = answer.rfind("ERROR ", 0) == 0;
        if (inBoard) { // DONE
            inBoard = false;
            if (boardFault) {
                clear();
            }
            boardFault = false;
            expectMove(answer);
            return;
        }
        if (command == "START") {
            if (answer == "OK") {
                started = true;
                clear();
            } else if (!isError) {
                failure = "START answered " + answer;
            }
        } else if (command == "ABOUT") {
            if (answer.rfind("name=", 0) != 0) {
                failure = "ABOUT answered " + answer;
            }
        } else if (command == "RESTART" || command == "TAKEBACK") {
            if (answer == "OK" && command == "RESTART") {
                clear();
            } else if (answer == "OK") {
                const auto stone = cell(line.substr(line.find_first_of(" \t") + 1), 2);
                taken.at(static_cast<std::size_t>(stone.value_or(0))) = false;
            } else if (!isError || (command == "RESTART" && started)) {
                failure = command + " answered " + answer;
            }
        } else if (command == "BEGIN" || command == "TURN") {
            if (started && command == "TURN") {
                const auto stone = cell(line.substr(std::min(line.size(), line.find_first_of(" \t") + 1)), 2);
                if (stone && !taken.at(static_cast<std::size_t>(*stone))) {
                    taken.at(static_cast<std::size_t>(*stone)) = true;
                }
            }
            expectMove(answer);
        } else if (command == "BOARD") { // before START
            if (!isError) {
                failure = "BOARD without a game answered " + answer;
            }
        } else if (answer.rfind("UNKNOWN ", 0) != 0) {
            failure = "an unknown command answered " + answer;
        }
    }
};

// Plays `conversation` to a fresh brain; an empty string when all went well,
// else what went wrong.
std::string converse(const Conversation& conversation)
{
    kesto::brain::BrainProtocol brain(7);
    Listener listener;
    try {
        for (const std::string& line : conversation) {
            const std::string command = Listener::word(line);
            const bool wasInBoard = listener.inBoard;
            if (!listener.hear(line, brain.handle(line))) {
                return listener.failure;
            }
            if (command == "END") {
                return brain.ended() ? std::string() : "END did not end the brain";
            }
            if (command == "BOARD" && !wasInBoard && listener.started) {
                listener.inBoard = true;
                listener.clear();
            }
        }
    } catch (const std::exception& error) {
        return std::string("it threw: ") + error.what();
    }
    return {};
}

class Talker {
public:
    explicit Talker(unsigned seed) : random_(seed) {}

    Conversation conversation()
    {
        // Moves in a few milliseconds, so that thousands of conversations
        // take seconds.
        Conversation lines{"INFO timeout_turn " + std::to_string(pick(0, 3))};
        if (chance(90)) {
            lines.push_back("START 10");
        }
        const int length = pick(5, 40);
        while (static_cast<int>(lines.size()) < length) {
            addSome(lines);
        }
        if (chance(50)) {
            lines.push_back(chance(50) ? "END" : "end\r");
        }
        return lines;
    }

private:
    int pick(int least, int most) { return std::uniform_int_distribution<int>(least, most)(random_); }
    bool chance(int percent) { return pick(1, 100) <= percent; }
    std::string cell() { return std::to_string(pick(-1, 10)) + "," + std::to_string(pick(-1, 10)); }
    std::string nearCell() { return std::to_string(pick(3, 6)) + "," + std::to_string(pick(3, 6)); }

    std::string garbage()
    {
        std::string text;
        const int length = chance(5) ? 100000 : pick(1, 30);
        for (int i = 0; i < length; ++i) {
            text += static_cast<char>(pick(0, 255));
        }
        text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
        return text;
    }

    void addBoard(Conversation& lines)
    {
        lines.push_back("BOARD");
        const int kind = pick(0, 4);
        if (kind == 0) { // five, six or more in a row of one side
            const int row = pick(0, 9);
            const int start = pick(0, 4);
            const int who = pick(1, 2);
            for (int x = start; x < std::min(10, start + pick(5, 7)); ++x) {
                lines.push_back(std::to_string(x) + "," + std::to_string(row) + "," + std::to_string(who));
            }
        } else if (kind == 1) { // a full board, or nearly
            for (int y = 0; y < 10; ++y) {
                for (int x = 0; x < 10; ++x) {
                    if (chance(97)) {
                        lines.push_back(std::to_string(x) + "," + std::to_string(y) + ","
                                        + std::to_string((x / 2 + y) % 2 + 1));
                    }
                }
            }
        } else {
            for (int stone = pick(0, 12); stone > 0; --stone) {
                lines.push_back(chance(90) ? nearCell() + "," + std::to_string(pick(1, 3))
                                           : chance(50) ? cell() + ",9" : garbage());
            }
        }
        if (chance(90)) {
            lines.push_back(chance(10) ? "END" : "DONE");
        }
    }

    void addSome(Conversation& lines)
    {
        switch (pick(0, 13)) {
        case 0: lines.push_back(chance(80) ? "START 10" : "START " + std::to_string(pick(-1, 30))); break;
        case 1: lines.push_back("BEGIN"); break;
        case 2:
        case 3: lines.push_back("TURN " + (chance(80) ? nearCell() : cell())); break;
        case 4: lines.push_back("TAKEBACK " + (chance(70) ? nearCell() : cell())); break;
        case 5: lines.push_back("RESTART"); break;
        case 6: lines.push_back("ABOUT"); break;
        case 7: addBoard(lines); break;
        case 8: lines.push_back("INFO " + std::string(chance(50) ? "timeout_turn " : "time_left ")
                                + (chance(50) ? std::to_string(pick(0, 3)) : garbage())); break;
        case 9: lines.push_back("INFO " + garbage()); break;
        case 10: lines.push_back(garbage()); break;
        case 11: lines.push_back("TURN " + nearCell() + "\r"); break;
        case 12: lines.push_back(""); break;
        default: lines.push_back("info max_memory 99999999999999999999"); break;
        }
    }

    std::mt19937 random_;
};

// The shortest conversation left failing when lines are dropped one by one.
Conversation shortened(Conversation conversation)
{
    for (bool dropped = true; dropped;) {
        dropped = false;
        for (std::size_t i = 0; i < conversation.size(); ++i) {
            Conversation shorter = conversation;
            shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(i));
            if (!converse(shorter).empty()) {
                conversation = shorter;
                dropped = true;
                break;
            }
        }
    }
    return conversation;
}

QString shown(const Conversation& conversation)
{
    QStringList lines;
    for (const std::string& line : conversation) {
        lines << QString::fromLatin1(QByteArray::fromStdString(line.substr(0, 100)).toPercentEncoding(" ,"));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestProtocol : public QObject {
    Q_OBJECT

private slots:
    void randomConversations();
    void theProgramEndsOnEndAnywhere_data();
    void theProgramEndsOnEndAnywhere();
    void longLinesAreCut();
};

void TestProtocol::randomConversations()
{
    constexpr unsigned kConversations = 2000;
    for (unsigned seed = 1; seed <= kConversations; ++seed) {
        const Conversation conversation = Talker(seed).conversation();
        const std::string failure = converse(conversation);
        if (!failure.empty()) {
            const Conversation shortest = shortened(conversation);
            QFAIL(qPrintable(QStringLiteral("seed %1: %2\nshortest failing conversation:\n%3")
                                 .arg(seed)
                                 .arg(QString::fromStdString(converse(shortest)), shown(shortest))));
        }
    }
}

void TestProtocol::theProgramEndsOnEndAnywhere_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("answers");
    QTest::newRow("inside BOARD") << QByteArray("START 10\nBOARD\n4,4,1\nEND\n") << 1;
    QTest::newRow("after a five") << QByteArray("START 10\nBOARD\n0,0,1\n1,0,1\n2,0,1\n3,0,1\n4,0,1\n5,0,2\nDONE\nEND\n") << 2;
    QTest::newRow("after garbage, CRLF") << QByteArray("START 10\r\n\x1b[2J\x01\r\nINFO time_left x\r\nend\r\n") << 2;
    QTest::newRow("before START") << QByteArray("END\n") << 0;
}

void TestProtocol::theProgramEndsOnEndAnywhere()
{
    QFETCH(QByteArray, input);
    QFETCH(int, answers);
    QProcess brain;
    brain.start(QStringLiteral(KESTO_BRAIN), {});
    QVERIFY(brain.waitForStarted());
    brain.write(input); // the input stays open: only END may end it
    QVERIFY2(brain.waitForFinished(10000), "the brain did not end");
    QCOMPARE(brain.exitStatus(), QProcess::NormalExit);
    QCOMPARE(brain.exitCode(), 0);
    const QList<QByteArray> lines = brain.readAllStandardOutput().split('\n');
    QCOMPARE(lines.size() - 1, answers);
    for (const QByteArray& line : lines.mid(1, answers - 1)) {
        QVERIFY2(line.startsWith("ERROR ") || line.startsWith("UNKNOWN "), line.constData());
    }
}

void TestProtocol::longLinesAreCut()
{
    // A megabyte without a line end, then a CRLF line: the first comes cut
    // to the limit, the second without its CR.
    std::istringstream in(std::string(1 << 20, 'x') + "\nTURN 1,2\r\n");
    std::string line;
    QVERIFY(kesto::brain::readCommandLine(in, line, 4096));
    QCOMPARE(line.size(), std::size_t{4096});
    QVERIFY(kesto::brain::readCommandLine(in, line, 4096));
    QCOMPARE(line, std::string("TURN 1,2"));
    QVERIFY(!kesto::brain::readCommandLine(in, line, 4096));
}

QTEST_APPLESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
