// nimbaro-calc run as a user runs it: arguments, standard input and the environment in;
// standard output, standard error and the exit status out.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Finished {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class NimbaroCalc : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "nimbaro-calc-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Starts the program with `input` on standard input and its outputs in files; standard
    // output goes to `output` instead when it is given, and a descriptor in `closed` is closed.
    pid_t start(const std::vector<std::string>& args, const std::string& input = "",
                const std::string& locale = "", const std::string& output = "",
                const std::vector<int>& closed = {}) {
        writeFile(folder_ / "stdin", input);
        std::vector<std::string> words = {NIMBARO_CALC};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        std::vector<std::string> settings;
        if (!locale.empty()) {
            settings = {"LOCPATH=" LOCALE_DIR, "LC_ALL=" + locale};
        }
        std::vector<char*> envp;
        for (std::string& setting : settings) {
            envp.push_back(setting.data());
        }
        for (char** variable = environ; *variable != nullptr; ++variable) {
            envp.push_back(*variable);
        }
        envp.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 0, (folder_ / "stdin").c_str(), O_RDONLY, 0);
        const fs::path stdoutPath = output.empty() ? folder_ / "stdout" : fs::path(output);
        posix_spawn_file_actions_addopen(&files, 1, stdoutPath.c_str(),
                                         O_WRONLY | O_CREAT | (appendOutput_ ? O_APPEND : O_TRUNC),
                                         0644);
        posix_spawn_file_actions_addopen(&files, 2, (folder_ / "stderr").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (const int fd : closed) {
            posix_spawn_file_actions_addclose(&files, fd);
        }
        // Every signal at its default, whatever the test runner ignores, unless a test ignores
        // some on purpose.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        if (!keepIgnoredSignals_) {
            sigset_t all;
            sigfillset(&all);
            posix_spawnattr_setsigdefault(&attributes, &all);
            posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        }
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, argv[0], &files, &attributes, argv.data(), envp.data()), 0);
        posix_spawn_file_actions_destroy(&files);
        posix_spawnattr_destroy(&attributes);
        return pid;
    }

    // The exit status, or 128 + the signal that ended it.
    Finished finish(pid_t pid) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
                readFile(folder_ / "stdout"), readFile(folder_ / "stderr")};
    }

    Finished run(const std::vector<std::string>& args, const std::string& input = "",
                 const std::string& locale = "") {
        return finish(start(args, input, locale));
    }

    fs::path folder_;
    bool keepIgnoredSignals_ = false;
    bool appendOutput_ = false;  // standard output opened as >> opens it
};

struct Case {
    std::vector<std::string> args;
    std::string out;
    int status = 0;
    std::string errPart = "";  // standard error holds this; empty: standard error is empty
    std::string locale = "";   // LC_ALL, from the locales generated for the tests
    std::string input = "";
};

void PrintTo(const Case& example, std::ostream* out) {
    for (const std::string& arg : example.args) {
        *out << arg << " ";
    }
    *out << example.locale;
}

class Examples : public NimbaroCalc, public testing::WithParamInterface<Case> {};

TEST_P(Examples, PrintWhatTheWindowsShow) {
    const Case& example = GetParam();
    const Finished result = run(example.args, example.input, example.locale);
    EXPECT_EQ(result.status, example.status);
    EXPECT_EQ(result.out, example.out);
    if (example.errPart.empty()) {
        EXPECT_EQ(result.err, "");
    } else {
        EXPECT_NE(result.err.find(example.errPart), std::string::npos) << result.err;
    }
}

const std::string kDe = "de_DE.UTF-8";
const std::string kEn = "en_US.UTF-8";

// The values the windows show for the same inputs (tests/gui), in the plain form and in
// English and German settings with --locale.
INSTANTIATE_TEST_SUITE_P(
    SingleValues, Examples,
    testing::Values(
        Case{{"convert", "temperature", "25", "C"},
             "25.00000\tdegrees Celsius\n77.00000\tdegrees Fahrenheit\n298.15000\tkelvins\n"},
        Case{{"convert", "temperature", "-40", "fahrenheit", "--to", "degC"},
             "-40.00000\tdegrees Celsius\n"},
        Case{{"convert", "volume", "1", "km", "--to", "in", "--locale"},
             "61.023.744.094.732,3000000000\tcubic inches\n",
             0,
             "",
             kDe},
        Case{{"convert", "air-pressure", "1013,25", "hPa", "--locale"},
             "101.325,00000\tpascals\n1.013,25000\thectopascals\n1.013,25000\tmillibars\n"
             "760,00210\tmillimetres of mercury\n29,92134\tinches of mercury\n",
             0,
             "",
             kDe},
        Case{{"dew-point", "--air-temperature", "20", "--humidity", "50"},
             "9.25352\tdegrees Celsius\n48.65634\tdegrees Fahrenheit\n282.40352\tkelvins\n"},
        Case{{"humidity", "--air-temperature", "293.15", "--dew-point", "283.15", "--unit", "K"},
             "52.56703\tpercent\n"},
        Case{{"heat-index", "--air-temperature", "30", "--wet-bulb", "25", "--air-pressure",
              "29.92", "--pressure-unit", "INHG"},
             "33.98085\tdegrees Celsius\n93.16554\tdegrees Fahrenheit\n307.13085\tkelvins\n",
             0,
             "note: Extreme caution: heat cramps and heat exhaustion possible\n"},
        Case{{"wet-bulb", "--air-temperature", "293,15", "--humidity", "50", "--air-pressure",
              "1.013,25", "--unit", "kelvin", "--locale"},
             "14,19980\tdegrees Celsius\n57,55964\tdegrees Fahrenheit\n287,34980\tkelvins\n",
             0,
             "",
             kDe},
        Case{{"heat-index", "--air-temperature", "290", "--humidity", "50", "--unit", "K",
              "--locale"},
             "25,49991\tdegrees Celsius\n77,89985\tdegrees Fahrenheit\n298,64991\tkelvins\n",
             0,
             "note: Heat index formula is meant for 80 °F (299,8 K) and above\n",
             kDe},
        Case{{"cloud-height", "--air-temperature", "30", "--humidity", "50"},
             "1447.29113\tmetres\n4748.33048\tfeet\n"},
        Case{{"cloud-height", "--air-temperature", "30", "--humidity", "50", "--locale"},
             "1,447.29113\tmetres\n4,748.33048\tfeet\n",
             0,
             "",
             kEn},
        Case{{"wind-chill", "--air-temperature", "10", "--wind-speed", "15", "--unit", "F",
              "--speed-unit", "mph"},
             "-21.43863\tdegrees Celsius\n-6.58953\tdegrees Fahrenheit\n251.71137\tkelvins\n",
             0,
             "note: Moderate risk: hypothermia if outside long without protection\n"},
        Case{{"wind-chill", "--air-temperature", "-10", "--wind-speed", "10", "--speed-unit", "m/s",
              "--old-formula"},
             "-29.16035\tdegrees Celsius\n-20.48863\tdegrees Fahrenheit\n243.98965\tkelvins\n"},
        Case{{"lightning", "--seconds", "3"},
             "993.00000\tmetres\n0.99300\tkilometres\n3257.87402\tfeet\n0.61702\tmiles\n"},
        Case{{"lightning", "--seconds", "1,5e1", "--air-temperature", "20,0", "--locale"},
             "5.145,00000\tmetres\n5,14500\tkilometres\n16.879,92126\tfeet\n3,19695\tmiles\n",
             0,
             "",
             kDe},
        Case{{"wind-direction", "200"},
             "192\tDegrees from\n213\tDegrees to\n202.5\tMid-point degrees\nSSW\tCompass point\n"
             "South South West\tDirection\n"},
        Case{{"wind-direction", "north", "--json"},
             R"({"command":"wind-direction","inputs":{"value":{"text":"north","value":null}},)"
             R"("results":[{"name":"Degrees from","value":349,"text":"349"},)"
             R"({"name":"Degrees to","value":11,"text":"11"},)"
             R"({"name":"Mid-point degrees","value":0,"text":"360 or 0"},)"
             R"({"name":"Compass point","value":null,"text":"N"},)"
             R"({"name":"Direction","value":null,"text":"North"}]})"
             "\n"},
        Case{{"heat-index", "--air-temperature", "20", "--humidity", "50", "--json"},
             R"({"command":"heat-index","formula":"window","inputs":{"air-temperature":)"
             R"({"text":"20","value":20,"unit":"celsius","name":"degrees Celsius","symbol":"°C"},)"
             R"("humidity":{"text":"50","value":50,"unit":"percent","name":"percent",)"
             R"("symbol":"%"}},"results":[{"value":24.310151988888915,"unit":"celsius",)"
             R"("name":"degrees Celsius","symbol":"°C","text":"24.31015"},)"
             R"({"value":75.75827358000005,"unit":"fahrenheit","name":"degrees Fahrenheit",)"
             R"("symbol":"°F","text":"75.75827"},{"value":297.46015198888887,"unit":"kelvin",)"
             R"("name":"kelvins","symbol":"K","text":"297.46015"}],)"
             R"("note":"Heat index formula is meant for 80 °F (26.7 °C) and above",)"
             R"("notes":["Heat index formula is meant for 80 °F (26.7 °C) and above",)"
             R"("NWS heat index: 66.9 °F"]})"
             "\n",
             0,
             "note: Heat index formula is meant for 80 °F"},
        // Reference formulas, named in JSON; an impossible input is computed with a note.
        Case{{"heat-index", "--air-temperature", "90", "--humidity", "95", "--unit", "F",
              "--formula", "nws"},
             "52.56845\tdegrees Celsius\n126.62320\tdegrees Fahrenheit\n325.71845\tkelvins\n",
             0,
             "note: Extreme danger: heat stroke highly likely\n"},
        Case{{"wet-bulb", "--air-temperature", "35", "--humidity", "20", "--air-pressure",
              "1013.25", "--formula", "psychrometric", "--json"},
             R"({"command":"wet-bulb","formula":"psychrometric","inputs":{"air-temperature":)"
             R"({"text":"35","value":35,"unit":"celsius","name":"degrees Celsius","symbol":"°C"},)"
             R"("humidity":{"text":"20","value":20,"unit":"percent","name":"percent",)"
             R"("symbol":"%"},"air-pressure":{"text":"1013.25","value":1013.25,)"
             R"("unit":"hectopascals","name":"hectopascals","symbol":"hPa"}},"results":[)"
             R"({"value":19.02651067868023,"unit":"celsius","name":"degrees Celsius",)"
             R"("symbol":"°C","text":"19.02651"},{"value":66.24771922162441,)"
             R"("unit":"fahrenheit","name":"degrees Fahrenheit","symbol":"°F",)"
             R"("text":"66.24772"},{"value":292.1765106786802,"unit":"kelvin",)"
             R"("name":"kelvins","symbol":"K","text":"292.17651"}]})"
             "\n"},
        Case{{"heat-index", "--air-temperature", "30", "--wet-bulb", "25", "--air-pressure",
              "1013.25", "--formula", "psychrometric,nws"},
             "34.25513\tdegrees Celsius\n93.65923\tdegrees Fahrenheit\n307.40513\tkelvins\n",
             0,
             "note: Extreme caution"},
        Case{{"dew-point", "--air-temperature", "-300", "--humidity", "50"},
             "-300.66550\tdegrees Celsius\n-509.19791\tdegrees Fahrenheit\n-27.51550\tkelvins\n",
             0,
             "note: Temperature below absolute zero (−273.15 °C)\n"}));

INSTANTIATE_TEST_SUITE_P(
    Refusals, Examples,
    testing::Values(
        Case{{"dew-point", "--air-temperature", "20", "--humidity", "150"},
             "",
             2,
             "nimbaro-calc: --humidity \"150\" is not within 0 < humidity <= 100\n"},
        Case{{"dew-point", "--air-temperature", "2,5", "--humidity", "50"},
             "",
             2,
             "--air-temperature \"2,5\" is not a number"},
        Case{{"wind-chill", "--air-temperature", "-5", "--wind-speed", "0"},
             "",
             2,
             "--wind-speed \"0\" is not greater than 0"},
        Case{{"convert", "temperature", "1e308", "C"}, "", 3, "no result for these inputs"},
        Case{{"dew-point", "--air-temperature", "20"},
             "",
             2,
             "give one of these sets of inputs:\n  --air-temperature --humidity\n"},
        Case{{"dew-point", "--air-temperature", "20", "--humidity", "50", "--unit", "X"},
             "",
             2,
             "--unit: \"X\" is no temperature unit"},
        Case{{"convert", "length", "1", "parsec"}, "", 2, "is no length unit"},
        Case{{"wind-direction", "361"}, "", 2, "neither a compass point nor"},
        Case{{"rainbow"}, "", 2, "no command is named \"rainbow\""},
        Case{{"heat-index", "--air-temperature", "30", "--humidity", "50", "--formula", "nsw"},
             "",
             2,
             "--formula: \"nsw\" is no formula of heat-index (window, nws, psychrometric, "
             "nws,psychrometric, thermodynamic, nws,thermodynamic)\n"},
        Case{{"humidity", "--air-temperature", "20", "--dew-point", "10", "--formula",
              "psychrometric"},
             "",
             2,
             "--formula psychrometric does not apply to humidity --air-temperature --dew-point"}));

const std::string kDewPoint2050Lines =
    "9.25352\tdegrees Celsius\n48.65634\tdegrees Fahrenheit\n282.40352\tkelvins\n";

// Common spellings are taken as the names they stand for; a name that is not there is
// answered with the nearest ones, and only with those that come near.
INSTANTIATE_TEST_SUITE_P(
    WrongGuesses, Examples,
    testing::Values(
        Case{{"dewpoint", "--temperature", "20", "--rh", "50"}, kDewPoint2050Lines},
        Case{{"dew-point", "--air-temperature", "20", "--relative-humidity", "50%"},
             kDewPoint2050Lines},
        Case{{"wind-chill", "--temperature", "10", "--wind", "15", "--unit", "F", "--speed-unit",
              "mph", "--to", "F"},
             "-6.58953\tdegrees Fahrenheit\n",
             0,
             "note: Moderate risk"},
        Case{{"dewpt"},
             "",
             2,
             "nimbaro-calc: no command is named \"dewpt\"; did you mean dew-point? (--help lists "
             "them all)\n"},
        // "altimeter" is four letters from "barometer", within half its letters.
        Case{{"barometer"},
             "",
             2,
             "nimbaro-calc: no command is named \"barometer\"; did you mean altimeter-setting? "
             "(--help lists them all)\n"},
        Case{{"thermograph"},
             "",
             2,
             "nimbaro-calc: no command is named \"thermograph\"; --help lists them\n"},
        Case{{"heat-index", "--temp", "30", "--humidity", "50"},
             "",
             2,
             "nimbaro-calc: heat-index: no option is named \"--temp\"; did you mean "
             "--air-temperature? (--help lists them all)\n"},
        Case{{"wind-chill", "--air-temperature", "5", "--wind-sped=3"},
             "",
             2,
             "wind-chill: no option is named \"--wind-sped\"; did you mean --wind-speed?"},
        Case{{"dew-point", "--air-temperature", "20", "--s"},
             "",
             2,
             "did you mean --symbols or --strict?"},
        Case{{"convert", "length", "1", "km", "--frobnicate"},
             "",
             2,
             "nimbaro-calc: convert length: no option is named \"--frobnicate\"; --help lists "
             "them\n"}));

TEST_F(NimbaroCalc, EveryCommandHasHelpThatListsItsAliases) {
    const Finished top = run({"--help"});
    EXPECT_EQ(top.status, 0);
    EXPECT_NE(top.out.find("dew-point, dewpoint"), std::string::npos) << top.out;
    for (const char* command : {"convert", "wind-direction", "humidity", "dewpoint", "wet-bulb",
                                "heat-index", "cloud-height", "wind-chill", "lightning"}) {
        const Finished help = run({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.err, "") << command;
        EXPECT_NE(help.out.find("Usage:"), std::string::npos) << command;
    }
    const std::string dewPoint = run({"dew-point", "--help"}).out;
    EXPECT_NE(dewPoint.find("--air-temperature,--temperature"), std::string::npos);
    EXPECT_NE(dewPoint.find("--humidity,--rh,--relative-humidity"), std::string::npos);
    EXPECT_NE(run({"wind-chill", "--help"}).out.find("--wind-speed,--wind"), std::string::npos);
}

const std::string kDewPointTitles = ",Dew Point (°C),Dew Point (°F),Dew Point (K),Dew Point Note";
const std::string kDewPoint2050 = ",9.25352,48.65634,282.40352,";
const std::string kNoDewPoint = ",,,,";
const std::vector<std::string> kDewPointLog = {"dew-point", "--csv",      "-", "--air-temperature",
                                               "T",         "--humidity", "RH"};

std::vector<std::string> operator+(std::vector<std::string> args,
                                   const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// Every record comes out as it went in, with its result cells after it.
INSTANTIATE_TEST_SUITE_P(
    Logs, Examples,
    testing::Values(
        Case{kDewPointLog,
             "\xEF\xBB\xBF\"T\",RH,note" + kDewPointTitles + "\r\n20,50,\"a, \"\"b\"\"\r\nc\"" +
                 kDewPoint2050 + "\r\n",
             0, "", "", "\xEF\xBB\xBF\"T\",RH,note\r\n20,50,\"a, \"\"b\"\"\r\nc\"\r\n"},
        Case{kDewPointLog, "T,RH" + kDewPointTitles, 0, "", "", "T,RH"},
        Case{kDewPointLog, "T,RH" + kDewPointTitles + "\n20,50" + kDewPoint2050, 0, "", "",
             "T,RH\n20,50"},
        Case{kDewPointLog,
             "T,RH" + kDewPointTitles + "\n20,abc" + kNoDewPoint + "\n20,50" + kDewPoint2050 +
                 "\n,50" + kNoDewPoint + "\n\n20,150" + kNoDewPoint + "\n20" + kNoDewPoint + "\n",
             1,
             "nimbaro-calc: no results for 4 of 5 rows; their result cells are empty:\n"
             "  line 2: column \"RH\" (--humidity): \"abc\" is not a number\n"
             "  line 4: column \"T\" (--air-temperature): empty\n"
             "  line 6: column \"RH\" (--humidity): \"150\" is not within 0 < humidity <= 100\n"
             "  line 7: column \"RH\" (--humidity): missing, the row has 1 fields\n",
             "", "T,RH\n20,abc\n20,50\n,50\n\n20,150\n20\n"},
        Case{kDewPointLog + std::vector<std::string>{"--strict"},
             "T,RH,n" + kDewPointTitles + "\n20,50,\"a\nb\"" + kDewPoint2050 + "\n", 2,
             "line 4: column \"RH\" (--humidity): \"x\" is not a number; stopped there", "",
             "T,RH,n\n20,50,\"a\nb\"\n20,x,\n20,50,\n"},
        Case{{"dew-point", "--csv", "-", "--air-temperature", "2", "--humidity", "1", "--delimiter",
              ";", "--locale"},
             "RH;T" + std::string(";Dew Point (°C);Dew Point (°F);Dew Point (K);Dew Point Note") +
                 "\n50;20,0;9,25352;48,65634;282,40352;\n",
             0,
             "",
             kDe,
             "RH;T\n50;20,0\n"},
        Case{{"convert", "wind-speed", "--csv", "-", "--value", "gust", "--unit", "kn", "--to",
              "km/h"},
             "gust,gust (km/h)\n10,18.52000\n",
             0,
             "",
             "",
             "gust\n10\n"},
        Case{kDewPointLog, "", 2, "--humidity: no column is named \"RH\"", "", "T,rh2\n20,50\n"},
        Case{kDewPointLog, "", 2, "the log is empty", "", ""}));

const std::string kLongCell(1'500'000, 'x');
// Longer than a quote may stay open before the reader looks ahead for the record's end.
const std::string kBeyondTheWindow(17 << 20, 'x');

// Logs as stations and spreadsheets write them: every record still comes out in its place.
INSTANTIATE_TEST_SUITE_P(
    MessyLogs, Examples,
    testing::Values(
        // A first record longer than a block of the reader.
        Case{kDewPointLog,
             "T,RH,n" + kDewPointTitles + "\n20,50," + kLongCell + kDewPoint2050 + "\n20,50,ok" +
                 kDewPoint2050 + "\n",
             0, "", "", "T,RH,n\n20,50," + kLongCell + "\n20,50,ok\n"},
        // A quote inside a field is an ordinary character.
        Case{kDewPointLog,
             "T,RH,site" + kDewPointTitles + "\n20,50,5\" gauge" + kDewPoint2050 + "\n2\"0,50,x" +
                 kNoDewPoint + "\n20,50,y" + kDewPoint2050 + "\n",
             1, "line 3: column \"T\" (--air-temperature): \"2\"0\" is not a number", "",
             "T,RH,site\n20,50,5\" gauge\n2\"0,50,x\n20,50,y\n"},
        // A quote that opens a field and never closes spoils only its own line.
        Case{
            kDewPointLog,
            "T,RH" + kDewPointTitles + "\n\"20,50" + kNoDewPoint + "\n20,50" + kDewPoint2050 + "\n",
            1, "line 2: a quote opens a field and is never closed", "", "T,RH\n\"20,50\n20,50\n"},
        // Old Mac line ends.
        Case{{"dew-point", "--csv", "-", "--air-temperature", "1", "--humidity", "2"},
             "T,RH" + kDewPointTitles + "\r20,50" + kDewPoint2050 + "\r",
             0,
             "",
             "",
             "T,RH\r20,50\r"},
        Case{kDewPointLog + std::vector<std::string>{"--missing", "-9999,NA"},
             "T,RH" + kDewPointTitles + "\n-9999.0,50" + kNoDewPoint + "\n20, NA" + kNoDewPoint +
                 "\n20,50" + kDewPoint2050 + "\n",
             1,
             "  line 2: column \"T\" (--air-temperature): \"-9999.0\" marks a missing reading\n"
             "  line 3: column \"RH\" (--humidity): \" NA\" marks a missing reading\n",
             "", "T,RH\n-9999.0,50\n20, NA\n20,50\n"},
        Case{kDewPointLog + std::vector<std::string>{"--delimiter", "tab", "--no-notes"},
             "T\tRH\tDew Point (°C)\tDew Point (°F)\tDew Point (K)\n20\t50\t9.25352\t"
             "48.65634\t282.40352\n",
             0, "", "", "T\tRH\n20\t50\n"},
        // A long bad cell is quoted in part.
        Case{kDewPointLog,
             "T,RH" + kDewPointTitles + "\n20," + std::string(200, 'x') + kNoDewPoint + "\n", 1,
             std::string(80, 'x') + "\"... (200 bytes) is not a number", "",
             "T,RH\n20," + std::string(200, 'x') + "\n"},
        // A part of a longer log, as one job of GNU parallel gets it.
        Case{kDewPointLog + std::vector<std::string>{"--headerless-output", "--first-line", "101"},
             "20,x" + kNoDewPoint + "\n20,50" + kDewPoint2050 + "\n", 1,
             "  line 101: column \"RH\"", "", "T,RH\n20,x\n20,50\n"},
        Case{kDewPointLog, "", 2,
             "a quote in the header line opens a column name and is never closed", "",
             "\"T,RH\n20,50\n"},
        Case{kDewPointLog + std::vector<std::string>{"--delimiter", "\""}, "", 2,
             "--delimiter \"\"\" cannot separate fields", "", "T,RH\n"},
        Case{{"convert", "temperature", "-inf", "C"}, "", 2, "\"-inf\" is not a number"},
        // A row with more or fewer fields than the header has no results, never shifted ones.
        Case{kDewPointLog,
             "T,RH,site" + kDewPointTitles + "\n20,50,A" + kDewPoint2050 + "\n21,55" + kNoDewPoint +
                 "\n22,60,B,extra" + kNoDewPoint + "\n",
             1,
             "  line 3: the row has 2 fields where the header has 3\n"
             "  line 4: the row has 4 fields where the header has 3\n",
             "", "T,RH,site\n20,50,A\n21,55\n22,60,B,extra\n"},
        Case{kDewPointLog + std::vector<std::string>{"--locale"}, "", 2,
             "--locale: the decimal separator here is \",\"", kDe, "T,RH\n20,5,50\n"},
        Case{{"convert", "length", "1", "m", "--to", "km,km"},
             "",
             2,
             "--to: \"km\" names a unit already chosen"},
        // Missing readings: a value each --missing where a comma belongs to numbers; blanks
        // around a value left out.
        Case{kDewPointLog + std::vector<std::string>{"--delimiter", ";", "--locale", "--missing",
                                                     "-99,9", "--missing", " NA"},
             "T;RH;Dew Point (°C);Dew Point (°F);Dew Point (K);Dew Point Note\n9;50;-0,86580;"
             "30,44156;272,28420;\n9,0;50;-0,86580;30,44156;272,28420;\n-99,9;50;;;;\n20;NA;;;;\n",
             1, "  line 4: column \"T\" (--air-temperature): \"-99,9\" marks a missing reading\n",
             kDe, "T;RH\n9;50\n9,0;50\n-99,9;50\n20;NA\n"},
        Case{kDewPointLog + std::vector<std::string>{"--missing", "-9999, NA"},
             "T,RH" + kDewPointTitles + "\n20,NA" + kNoDewPoint + "\n", 1,
             "\"NA\" marks a missing reading", "", "T,RH\n20,NA\n"},
        // A quote never closed, with more than the reader's window of the log after it.
        Case{kDewPointLog,
             "T,RH,n" + kDewPointTitles + "\n\"20,50,x" + kNoDewPoint + "\n20,50," +
                 kBeyondTheWindow + kDewPoint2050 + "\n",
             1, "line 2: a quote opens a field and is never closed", "",
             "T,RH,n\n\"20,50,x\n20,50," + kBeyondTheWindow + "\n"},
        // JSON keys are unique: a repeated header text, and a field beyond the header.
        Case{
            {"dew-point", "--csv", "-", "--air-temperature", "1", "--humidity", "4", "--json"},
            R"json({"line":2,"fields":{"T":"20","T (3)":"a","T (3) (3)":"b","5":"50","5 (5)":"x"},)json"
            R"json("error":"the row has 5 fields where the header has 4"})json"
            "\n",
            1,
            "line 2: the row has 5 fields",
            "",
            "T,T (3),T,5\n20,a,b,50,x\n"},
        Case{kDewPointLog + std::vector<std::string>{"--first-line", "-1"}, "", 2,
             "--first-line: Value -1 not in range", "", "T,RH\n20,50\n"},
        Case{kDewPointLog, "", 2,
             "--air-temperature: more than one column is named \"T\" (columns 1 and 2)", "",
             "T,T,RH\n20,30,50\n"},
        Case{{"dew-point", "--csv", "-", "--air-temperature", "T", "--humidity", "=150"},
             "",
             2,
             "--humidity \"150\" is not within 0 < humidity <= 100",
             "",
             "T\n20\n"},
        Case{kDewPointLog, "", 2, "nimbaro-calc: standard input: the log is empty"},
        Case{kDewPointLog,
             "T,RH" + kDewPointTitles + "\n20,x" + kNoDewPoint + "\n\n\n20,50" + kDewPoint2050 +
                 "\n",
             1, "no results for 1 of 2 rows", "", "T,RH\n20,x\n\n\n20,50\n"},
        Case{{"wind-direction", "--csv", "-", "--value", "d", "--to", "x"},
             "",
             2,
             "wind-direction: no option is named \"--to\"",
             "",
             "d\nN\n"},
        Case{{"dew-point", "--air-temperature", "1e309", "--humidity", "50"},
             "",
             2,
             "--air-temperature \"1e309\" is out of the range of numbers"},
        // Regional formats: grouping that is not by threes, and JSON always in UTF-8.
        Case{{"convert", "length", "12,34,567.5", "m", "--to", "m", "--locale"},
             "12,34,567.50000\tmetres\n",
             0,
             "",
             "en_IN.UTF-8"},
        Case{{"convert", "length", "1234567,5", "m", "--to", "m", "--locale", "--json"},
             R"({"command":"convert length","inputs":{"value":{"text":"1234567,5",)"
             R"("value":1234567.5,"unit":"metres","name":"metres","symbol":"m"}},"results":[)"
             R"({"value":1234567.5,"unit":"metres","name":"metres","symbol":"m","text":"1)"
             "\xC2\xA0"
             "234\xC2\xA0"
             R"(567,50000"}]})"
             "\n",
             0,
             "",
             "fr_FR.ISO-8859-1"}));

// A log long enough to be interrupted while its output is written.
class LongLog : public NimbaroCalc {
  protected:
    void SetUp() override {
        NimbaroCalc::SetUp();
        std::string log = "T,RH\n";
        for (int row = 0; row < 1'000'000; ++row) {
            log += std::to_string(row % 40) + "." + std::to_string(row % 10) + ",50\n";
        }
        writeFile(folder_ / "log.csv", log);
        writeFile(folder_ / "out.csv", "old\n");
    }

    pid_t startWriting() {
        const pid_t pid =
            start({"dew-point", "--csv", (folder_ / "log.csv").string(), "--air-temperature", "T",
                   "--humidity", "RH", "-o", (folder_ / "out.csv").string()});
        // Once the temporary file holds something, the run is under way.
        const auto writing = [&] {
            for (const auto& entry : fs::directory_iterator(folder_)) {
                if (entry.path().filename().string().starts_with(".out.csv.") &&
                    entry.file_size() > 0) {
                    return true;
                }
            }
            return false;
        };
        int status = 0;
        while (!writing()) {
            EXPECT_EQ(::waitpid(pid, &status, WNOHANG), 0) << "finished before it was interrupted";
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return pid;
    }

    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    void expectInterruptedBy(int signal) {
        const pid_t pid = startWriting();
        ::kill(pid, signal);
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(readFile(folder_ / "out.csv"), "old\n");
        EXPECT_EQ(files(),
                  (std::vector<std::string>{"log.csv", "out.csv", "stderr", "stdin", "stdout"}));
    }
};

TEST_F(LongLog, AnInterruptedRunLeavesTheOldFileAndNoTemporaryFile) {
    expectInterruptedBy(SIGTERM);
}

class Interrupted : public LongLog, public testing::WithParamInterface<int> {};

TEST_P(Interrupted, EveryTerminatingSignalRemovesTheTemporaryFile) {
    expectInterruptedBy(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Signals, Interrupted,
                         testing::Values(SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM,
                                         SIGPIPE, SIGRTMIN));

// Under nohup, or in the background of a shell, the run goes on to the end.
TEST_F(LongLog, SignalsIgnoredAtTheStartStayIgnored) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction hangUp {};
    struct sigaction interrupt {};
    ::sigaction(SIGHUP, &ignore, &hangUp);
    ::sigaction(SIGINT, &ignore, &interrupt);
    keepIgnoredSignals_ = true;
    const pid_t pid = startWriting();
    ::sigaction(SIGHUP, &hangUp, nullptr);
    ::sigaction(SIGINT, &interrupt, nullptr);
    ::kill(pid, SIGHUP);
    ::kill(pid, SIGINT);
    const Finished result = finish(pid);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(readFile(folder_ / "out.csv").starts_with("T,RH" + kDewPointTitles));
}

TEST_F(LongLog, AFileSizeLimitIsAWriteError) {
    rlimit unlimited{};
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    rlimit limited = unlimited;
    limited.rlim_cur = 100'000;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const pid_t pid =
        start({"dew-point", "--csv", (folder_ / "log.csv").string(), "--air-temperature", "T",
               "--humidity", "RH", "-o", (folder_ / "out.csv").string()});
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    const Finished result = finish(pid);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(
        result.err.find("cannot write " + (folder_ / "out.csv").string() + ": File too large"),
        std::string::npos)
        << result.err;
    EXPECT_EQ(readFile(folder_ / "out.csv"), "old\n");
    EXPECT_EQ(files(),
              (std::vector<std::string>{"log.csv", "out.csv", "stderr", "stdin", "stdout"}));
}

// Logs as observers keep them: headers that name each result by its unit, the note and the
// risk of every row with a summary of the notes, and constants for values a log lacks.
INSTANTIATE_TEST_SUITE_P(
    ObserverLogs, Examples,
    testing::Values(
        Case{{"heat-index", "--csv", "-", "--air-temperature", "T", "--humidity", "RH", "--missing",
              "NA"},
             "T,RH,Heat Index (°C),Heat Index (°F),Heat Index (K),Heat Index Note,Heat Index "
             "Risk\n30,60%,33.08640,91.55551,306.23640,,Extreme caution\n25,40,25.36186,"
             "77.65134,298.51186,Heat index formula is meant for 80 °F (26.7 °C) and above; NWS "
             "heat index: 76.3 °F,\n35,NA,,,,,\n",
             1,
             "nimbaro-calc: note: 1 of 3 rows: Heat index formula is meant for 80 °F (26.7 °C) and "
             "above\nnimbaro-calc: note: 1 of 3 rows: NWS heat index more than 1 °F from the "
             "result\n",
             "",
             "T,RH\n30,60%\n25,40\n35,NA\n"},
        Case{{"wet-bulb", "--csv", "-", "--air-temperature", "T", "--humidity", "RH",
              "--air-pressure", "=1013.25"},
             "T,RH,Wet Bulb (°C),Wet Bulb (°F),Wet Bulb (K),Wet Bulb Note\n20,50,14.19980,57.55964,"
             "287.34980,\n",
             0,
             "",
             "",
             "T,RH\n20,50\n"},
        Case{{"wet-bulb", "--csv", "-", "--air-temperature", "T", "--humidity", "RH",
              "--air-pressure", "1013.25"},
             "",
             2,
             "--air-pressure: no column is named \"1013.25\"; a value for every row is "
             "written =1013.25",
             "",
             "T,RH\n20,50\n"},
        // Two conversions of different columns never share a title.
        Case{{"convert", "wind-speed", "--csv", "-", "--value", "1", "--unit", "kn", "--to",
              "km/h,m/s"},
             "gust_kn,mean_kn,gust_kn (km/h),gust_kn (m/s)\n10,8,18.52000,5.14444\n",
             0,
             "",
             "",
             "gust_kn,mean_kn\n10,8\n"},
        Case{{"convert", "wind-speed", "--csv", "-", "--value", "mean_kn", "--unit", "kn", "--to",
              "km/h"},
             "gust_kn,mean_kn,mean_kn (km/h)\n10,8,14.81600\n",
             0,
             "",
             "",
             "gust_kn,mean_kn\n10,8\n"},
        Case{{"lightning", "--csv", "-", "--seconds", "s", "--no-notes"},
             "s,Lightning Distance (m),Lightning Distance (km),Lightning Distance (ft),Lightning "
             "Distance (mi)\n3,993.00000,0.99300,3257.87402,0.61702\n",
             0,
             "",
             "",
             "s\n3\n"},
        Case{{"wind-direction", "--csv", "-", "--value", "dir"},
             "dir,dir from (°),dir to (°),dir mid-point (°),dir point,dir direction\nSSW,192,213,"
             "202.5,SSW,South South West\nxx,,,,,\n",
             1,
             "line 3: column \"dir\" (--value): \"xx\" is neither a compass point",
             "",
             "dir\nSSW\nxx\n"},
        Case{{"convert", "length", "2", "mi", "--to", "km,nmi", "--symbols"},
             "3.21869\tkm\n1.73795\tnmi\n"},
        Case{{"convert", "length", "--version"}, "nimbaro-calc 3.01\n"},
        Case{{"convert", "temp", "25", "C"},
             "",
             2,
             "convert: \"temp\" is no quantity; the nearest are temperature"},
        Case{{"convert", "length", "1", "nm"}, "", 2, "\"nm\" is no length unit; use \"nmi\""},
        Case{{"wind-chill", "--air-temperature", "0", "--wind-speed", "10", "--speed-unit", "ft/s",
              "--symbols"},
             "-3.54261\t°C\n25.62330\t°F\n269.60739\tK\n",
             0,
             "note: Low risk"}));

// Every note of a result on standard error, the range note first and the risk last: no
// category outside the formula's range, the reference's value where the window's formula lies
// far from it, inputs that look like a wrong unit, and the air pressure assumed.
TEST_F(NimbaroCalc, NotesSayWhatAResultMeans) {
    struct Noted {
        std::vector<std::string> args;
        std::string err;
    };
    for (const Noted& noted : std::vector<Noted>{
             {{"heat-index", "--air-temperature", "11.5", "--humidity", "89", "--unit", "F"},
              "note: Heat index formula is meant for 80 °F (26.7 °C) and above\n"
              "note: NWS heat index: 6.5 °F\n"},
             {{"wind-chill", "--air-temperature", "20", "--wind-speed", "1", "--unit", "F",
               "--speed-unit", "mph"},
              "note: New formula is meant for winds of 3 mph (4.8 km/h) and above\n"},
             {{"heat-index", "--air-temperature", "90", "--humidity", "95", "--unit", "F"},
              "note: NWS heat index: 126.6 °F\n"
              "note: Danger: heat cramps or heat exhaustion likely, heat stroke possible\n"},
             {{"wet-bulb", "--air-temperature", "40", "--humidity", "5", "--air-pressure",
               "1013.25"},
              "note: Thermodynamic wet bulb: 16.6 °C\n"},
             {{"wet-bulb", "--air-temperature", "25", "--humidity", "50", "--air-pressure",
               "29.92"},
              "note: 29.92 hPa is not a surface pressure; in inHg it would be 1013.2 hPa\n"},
             {{"wet-bulb", "--air-temperature", "35", "--humidity", "20", "--formula",
               "thermodynamic", "--to", "C", "--pressure-unit", "inHg"},
              "note: Air pressure not given: 1013.25 hPa used\n"},
         }) {
        const Finished result = run(noted.args);
        EXPECT_EQ(result.status, 0) << noted.args.front();
        EXPECT_EQ(result.err, noted.err) << noted.args.front();
    }
    EXPECT_EQ(run({"wet-bulb", "--air-temperature", "35", "--humidity", "20", "--formula",
                   "thermodynamic", "--to", "C"})
                  .out,
              "18.87023\tdegrees Celsius\n");
    // In a log, the pressure is a constant of every row, and each kind of note is counted.
    const Finished log = run({"wet-bulb", "--csv", "-", "--air-temperature", "T", "--humidity",
                              "RH", "--to", "C", "--json"},
                             "T,RH\n40,5\n20,50\n");
    EXPECT_EQ(log.out,
              "{\"line\":2,\"fields\":{\"T\":\"40\",\"RH\":\"5\"},\"results\":[{\"value\":"
              "26.10271000080623,\"unit\":\"celsius\",\"name\":\"degrees Celsius\",\"symbol\":"
              "\"°C\",\"text\":\"26.10271\"}],\"notes\":[\"Thermodynamic wet bulb: 16.6 °C\","
              "\"Air pressure not given: 1013.25 hPa used\"]}\n"
              "{\"line\":3,\"fields\":{\"T\":\"20\",\"RH\":\"50\"},\"results\":[{\"value\":"
              "14.199801553386088,\"unit\":\"celsius\",\"name\":\"degrees Celsius\",\"symbol\":"
              "\"°C\",\"text\":\"14.19980\"}],\"notes\":[\"Air pressure not given: 1013.25 hPa "
              "used\"]}\n");
    EXPECT_EQ(
        log.err,
        "nimbaro-calc: note: 1 of 2 rows: Thermodynamic wet bulb more than 0.5 °C from the "
        "result\nnimbaro-calc: note: 2 of 2 rows: Air pressure not given: 1013.25 hPa used\n");
}

// Lines without their line ends.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// Each row of derive is the record followed by the cells each calculation's own run writes, in
// the order named, and its report and exit status are theirs: on a log with CR LF line ends,
// stray and doubled quotes, a long cell, a ragged row, NA cells and a blank line.
TEST_F(NimbaroCalc, DeriveWritesWhatEachCalculationWritesAlone) {
    const std::string log = "T,RH,P,site\r\n20,50,1000,\"a, \"\"b\"\"\"\r\n35,40,NA," +
                            std::string(5000, 'x') +
                            "\r\n-5,0.5,990,c\r\n\r\n25,NA,1000,d\r\n"
                            "30,70\r\n40,x\"y,1000,e\r\n31,60,1005,f\r\n";
    const std::vector<std::string> common = {
        "--csv", "-", "--air-temperature", "T", "--humidity", "RH", "--missing", "NA", "--quiet"};
    const auto withCommon = [&](std::vector<std::string> args) {
        args.insert(args.end(), common.begin(), common.end());
        return args;
    };
    const Finished derived = run(withCommon({"derive", "dew-point", "heat-index,wet-bulb"}), log);
    const std::vector<std::string> records = linesOf(log);
    std::vector<std::string> expected = records;
    for (const std::string calculation : {"dew-point", "heat-index", "wet-bulb"}) {
        const Finished alone = run(withCommon({calculation}), log);
        EXPECT_EQ(alone.status, 1) << calculation;
        const std::vector<std::string> lines = linesOf(alone.out);
        ASSERT_EQ(lines.size(), records.size()) << calculation;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            expected[i] += lines[i].substr(records[i].size());
        }
    }
    EXPECT_EQ(derived.status, 1);
    EXPECT_EQ(linesOf(derived.out), expected);
    EXPECT_EQ(derived.out.find("\n"), derived.out.find("\r\n") + 1);
    EXPECT_NE(derived.err.find("no results for 3 of 7 rows"), std::string::npos) << derived.err;
    EXPECT_NE(derived.err.find("line 7: the row has 2 fields where the header has 4"),
              std::string::npos);
    EXPECT_NE(derived.err.find("note: 4 of 7 rows: wet-bulb: Air pressure not given"),
              std::string::npos)
        << derived.err;
    const Finished strict = run(withCommon({"derive", "dew-point", "--strict"}), log);
    EXPECT_EQ(strict.status, 2);
    EXPECT_NE(strict.err.find("line 6: column \"RH\" (--humidity): \"NA\" marks a missing "
                              "reading; stopped there (--strict)"),
              std::string::npos)
        << strict.err;
}

// Rows are computed many at a time: each keeps its own results, or its own reason, wherever it
// falls among the others, and a row the arithmetic faults on leaves the rest as they are.
TEST_F(NimbaroCalc, EveryRowKeepsItsOwnResultsAmongManyComputedTogether) {
    const std::vector<std::string> badRows = {"20,x", "20,NA", "20", "20,150", "1e308,50"};
    std::string log = "T,RH\n";
    std::vector<bool> good;
    for (std::size_t row = 0; row < 700; ++row) {
        const std::size_t kind = row % 37 < badRows.size() && row % 3 == 0 ? row % 37 : 99;
        good.push_back(kind >= badRows.size());
        log += (good.back() ? "20,50" : badRows[kind]) + "\n";
    }
    const Finished finished = run(kDewPointLog + std::vector<std::string>{"--missing", "NA"}, log);
    const std::vector<std::string> lines = linesOf(finished.out);
    ASSERT_EQ(lines.size(), good.size() + 1);
    std::size_t bad = 0;
    for (std::size_t row = 0; row < good.size(); ++row) {
        const std::string& line = lines[row + 1];
        const std::string& cells = good[row] ? kDewPoint2050 : kNoDewPoint;
        EXPECT_TRUE(line.ends_with(cells)) << "row " << row << ": " << line;
        bad += good[row] ? 0 : 1;
    }
    EXPECT_NE(finished.err.find("no results for " + std::to_string(bad) + " of 700 rows"),
              std::string::npos)
        << finished.err;
}

TEST_F(NimbaroCalc, DeriveRefusesWhatItCannotDo) {
    struct Refusal {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<std::string> columns = {"--air-temperature", "T", "--humidity", "RH"};
    for (Refusal refusal : std::vector<Refusal>{
             {{"derive", "dew-point"}, "derive: give the log with --csv"},
             {{"derive", "--csv", "-"}, "derive: name the calculations"},
             {{"derive", "dew-pint", "--csv", "-"},
              "\"dew-pint\" is no calculation; did you mean dew-point?"},
             {{"derive", "dew-point,dew-point", "--csv", "-"}, "dew-point is named twice"},
             {{"derive", "wind-chill", "--csv", "-"},
              "derive wind-chill: give the columns of one of these sets of inputs"},
             {{"derive", "heat-index", "--csv", "-", "--dew-point", "Td"},
              "derive heat-index: the columns given fit more than one"},
             {{"derive", "dew-point", "--csv", "-", "--wind-speed", "V"},
              "derive: --wind-speed is read by none of the calculations named"},
         }) {
        if (refusal.args.size() > 2) {
            refusal.args.insert(refusal.args.end(), columns.begin(), columns.end());
        }
        const Finished result = run(refusal.args, "T,RH,Td,V\n20,50,10,3\n");
        EXPECT_EQ(result.status, 2) << refusal.err;
        EXPECT_EQ(result.out, "") << refusal.err;
        EXPECT_NE(result.err.find(refusal.err), std::string::npos) << result.err;
    }
}

TEST_F(NimbaroCalc, WritesOverItsOwnInputOnlyOnceComplete) {
    const fs::path log = folder_ / "log.csv";
    writeFile(log, "T,RH\n20,50\n");
    const Finished result = run({"dew-point", "--csv", log.string(), "--air-temperature", "T",
                                 "--humidity", "RH", "-o", log.string()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(readFile(log), "T,RH" + kDewPointTitles + "\n20,50" + kDewPoint2050 + "\n");
}

// Outputs that are not regular files are written as they are; links that lead nowhere are refused.
TEST_F(NimbaroCalc, WritesDevicesDirectlyAndRefusesBrokenLinks) {
    const std::string log = "T,RH\n20,50\n";
    const auto runTo = [&](const std::string& output) {
        return run(
            {"dew-point", "--csv", "-", "--air-temperature", "T", "--humidity", "RH", "-o", output},
            log);
    };
    EXPECT_EQ(runTo("/dev/null").status, 0);
    struct stat device {};
    EXPECT_TRUE(::stat("/dev/null", &device) == 0 && S_ISCHR(device.st_mode));

    const Finished full = runTo("/dev/full");
    EXPECT_EQ(full.status, 2);
    EXPECT_NE(full.err.find("cannot write /dev/full: No space left on device"), std::string::npos);

    const fs::path fifo = folder_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string piped;
    std::thread reader([&] { piped = readFile(fifo); });
    EXPECT_EQ(runTo(fifo.string()).status, 0);
    reader.join();
    EXPECT_EQ(piped, "T,RH" + kDewPointTitles + "\n20,50" + kDewPoint2050 + "\n");

    fs::create_symlink(folder_ / "nowhere" / "out.csv", folder_ / "dangling");
    fs::create_symlink(folder_ / "loop2", folder_ / "loop1");
    fs::create_symlink(folder_ / "loop1", folder_ / "loop2");
    for (const char* link : {"dangling", "loop1"}) {
        const Finished refused = runTo((folder_ / link).string());
        EXPECT_EQ(refused.status, 2) << link;
        EXPECT_TRUE(fs::is_symlink(folder_ / link)) << link;
    }
}

// A regular file is replaced whole wherever it lives, by whatever path, keeping its owner and
// permissions but never its set-user-ID bit; a file of several names is refused, and so is the
// log being read as an output written directly.
TEST_F(NimbaroCalc, OutputFilesAreReplacedWholeOrRefused) {
    const std::string log = "T,RH\n20,50\n";
    const std::string results = "T,RH" + kDewPointTitles + "\n20,50" + kDewPoint2050 + "\n";
    const fs::path out = folder_ / "out.csv";
    const auto runTo = [&](const fs::path& output) {
        return run(kDewPointLog + std::vector<std::string>{"-o", output.string()}, log);
    };

    writeFile(out, "old\n");
    ASSERT_EQ(::chmod(out.c_str(), 04750), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(out.c_str(), 65534, 65534), 0);
    }
    struct stat before {};
    struct stat after {};
    ::stat(out.c_str(), &before);
    EXPECT_EQ(runTo(out).status, 0);
    ::stat(out.c_str(), &after);
    EXPECT_EQ(readFile(out), results);
    EXPECT_EQ(after.st_mode & 07777, 0750U);
    EXPECT_TRUE(after.st_uid == before.st_uid && after.st_gid == before.st_gid);

    EXPECT_EQ(runTo("/dev/stdin").status, 0);
    EXPECT_EQ(readFile(folder_ / "stdin"), results);

    const fs::path longName = folder_ / std::string(254, 'n');
    EXPECT_EQ(runTo(longName).status, 0);
    EXPECT_EQ(readFile(longName), results);

    writeFile(out, "old\n");
    fs::create_hard_link(out, folder_ / "link.csv");
    const Finished linked = runTo(out);
    EXPECT_EQ(linked.status, 2);
    EXPECT_NE(linked.err.find("it has 2 hard links"), std::string::npos) << linked.err;
    EXPECT_EQ(readFile(folder_ / "link.csv"), "old\n");

    const fs::path input = folder_ / "log.csv";
    writeFile(input, log);
    appendOutput_ = true;
    const Finished appended = finish(
        start({"dew-point", "--csv", input.string(), "--air-temperature", "T", "--humidity", "RH"},
              "", "", input.string()));
    EXPECT_EQ(appended.status, 2);
    EXPECT_NE(appended.err.find("standard output: it is the log being read"), std::string::npos);
    EXPECT_EQ(readFile(input), log);
}

TEST_F(NimbaroCalc, HelpIntoAFullDeviceFails) {
    const Finished result = finish(start({"dew-point", "--help"}, "", "", "/dev/full"));
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("No space left on device"), std::string::npos);
}

// With standard error closed, the report of the bad rows never lands in the output.
TEST_F(NimbaroCalc, ClosedStandardErrorKeepsReportsOutOfTheOutput) {
    writeFile(folder_ / "log.csv", "T,RH\n20,abc\n");
    const Finished result =
        finish(start({"dew-point", "--csv", (folder_ / "log.csv").string(), "--air-temperature",
                      "T", "--humidity", "RH", "-o", (folder_ / "out.csv").string()},
                     "", "", "", {2}));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(readFile(folder_ / "out.csv"),
              "T,RH" + kDewPointTitles + "\n20,abc" + kNoDewPoint + "\n");
}

// A log that grows as a station writes it: each row comes out once its line has ended.
void expectEachRowAtOnce(const std::string& lineEnd) {
    int input[2];
    int output[2];
    ASSERT_EQ(::pipe(input), 0);
    ASSERT_EQ(::pipe(output), 0);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, input[0], 0);
    posix_spawn_file_actions_adddup2(&files, output[1], 1);
    posix_spawn_file_actions_addclose(&files, input[1]);
    posix_spawn_file_actions_addclose(&files, output[0]);
    std::string program = NIMBARO_CALC;
    std::vector<std::string> words = {program, "dew-point",  "--csv", "-", "--air-temperature",
                                      "T",     "--humidity", "RH"};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&files);
    ::close(input[0]);
    ::close(output[1]);

    const std::string firstRows = "T,RH" + lineEnd + "20,50" + lineEnd;
    ASSERT_EQ(::write(input[1], firstRows.data(), firstRows.size()),
              static_cast<ssize_t>(firstRows.size()));
    const std::string expected =
        "T,RH" + kDewPointTitles + lineEnd + "20,50" + kDewPoint2050 + lineEnd;
    std::string received;
    // Liveness, not speed: a minute is plenty, and a run that holds the rows never answers.
    pollfd ready{output[0], POLLIN, 0};
    while (received.size() < expected.size() && ::poll(&ready, 1, 60'000) > 0) {
        char buffer[256];
        const ssize_t count = ::read(output[0], buffer, sizeof buffer);
        if (count <= 0) {
            break;
        }
        received.append(buffer, static_cast<std::size_t>(count));
    }
    EXPECT_EQ(received, expected);
    ::close(input[1]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(output[0]);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(NimbaroCalc, ALiveLogGetsEachRowAtOnce) {
    expectEachRowAtOnce("\n");
}

// A lone CR may be the first half of a CRLF, but the row does not wait for the next line.
TEST_F(NimbaroCalc, ALiveLogWithOldMacLineEndsGetsEachRowAtOnce) {
    expectEachRowAtOnce("\r");
}

}  // namespace
