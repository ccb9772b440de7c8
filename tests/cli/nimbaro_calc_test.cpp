// nimbaro-calc run as a user runs it: arguments, standard input and the environment in;
// standard output, standard error and the exit status out.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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

    // Starts the program with `input` on standard input and its outputs in files.
    pid_t start(const std::vector<std::string>& args, const std::string& input = "",
                const std::string& locale = "") {
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
        posix_spawn_file_actions_addopen(&files, 1, (folder_ / "stdout").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&files, 2, (folder_ / "stderr").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), envp.data()), 0);
        posix_spawn_file_actions_destroy(&files);
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
             "25.00000\tCelsius\n77.00000\tFahrenheit\n298.15000\tKelvin\n"},
        Case{{"convert", "temperature", "-40", "fahrenheit", "--to", "degC"},
             "-40.00000\tCelsius\n"},
        Case{{"convert", "volume", "1", "km", "--to", "in", "--locale"},
             "61.023.744.094.732,3000000000\tInches\n",
             0,
             "",
             kDe},
        Case{{"convert", "air-pressure", "1013,25", "hPa", "--locale"},
             "101.325,00000\tPascals\n1.013,25000\tHectopascals\n1.013,25000\tMillibars\n"
             "760,00210\tmm of Hg\n29,92134\tin of Hg\n",
             0,
             "",
             kDe},
        Case{{"dew-point", "--air-temperature", "20", "--humidity", "50"},
             "9.25352\tCelsius\n48.65634\tFahrenheit\n282.40352\tKelvin\n"},
        Case{{"humidity", "--air-temperature", "293.15", "--dew-point", "283.15", "--unit", "K"},
             "52.56703\tPercent\n"},
        Case{{"heat-index", "--air-temperature", "30", "--wet-bulb", "25", "--air-pressure",
              "29.92", "--pressure-unit", "INHG"},
             "33.98085\tCelsius\n93.16554\tFahrenheit\n307.13085\tKelvin\n",
             0,
             "note: Extreme caution: heat cramps and heat exhaustion possible\n"},
        Case{{"wet-bulb", "--air-temperature", "293,15", "--humidity", "50", "--air-pressure",
              "1.013,25", "--unit", "kelvin", "--locale"},
             "14,19980\tCelsius\n57,55964\tFahrenheit\n287,34980\tKelvin\n",
             0,
             "",
             kDe},
        Case{{"cloud-height", "--air-temperature", "30", "--humidity", "50"},
             "1447.29113\tMetres\n4748.33048\tFeet\n"},
        Case{{"cloud-height", "--air-temperature", "30", "--humidity", "50", "--locale"},
             "1,447.29113\tMetres\n4,748.33048\tFeet\n",
             0,
             "",
             kEn},
        Case{{"wind-chill", "--air-temperature", "10", "--wind-speed", "15", "--unit", "F",
              "--speed-unit", "mph"},
             "-21.43863\tCelsius\n-6.58953\tFahrenheit\n251.71137\tKelvin\n",
             0,
             "note: Moderate risk: hypothermia if outside long without protection\n"},
        Case{{"wind-chill", "--air-temperature", "-10", "--wind-speed", "10", "--speed-unit", "m/s",
              "--old-formula"},
             "-29.16035\tCelsius\n-20.48863\tFahrenheit\n243.98965\tKelvin\n"},
        Case{{"lightning", "--seconds", "3"},
             "993.00000\tMetres\n0.99300\tKilometres\n3257.87402\tFeet\n0.61702\tMiles\n"},
        Case{{"lightning", "--seconds", "1,5e1", "--air-temperature", "20,0", "--locale"},
             "5.145,00000\tMetres\n5,14500\tKilometres\n16.879,92126\tFeet\n3,19695\tMiles\n",
             0,
             "",
             kDe},
        Case{{"wind-direction", "200"},
             "192\tDegrees from\n213\tDegrees to\n202.5\tMid-point degrees\nSSW\tCompass point\n"
             "South South West\tDirection\n"},
        Case{{"wind-direction", "north", "--json"},
             R"({"command":"wind-direction","results":[{"name":"Degrees from","value":"349"},)"
             R"({"name":"Degrees to","value":"11"},{"name":"Mid-point degrees","value":)"
             R"("360 or 0"},{"name":"Compass point","value":"N"},{"name":"Direction","value":)"
             R"("North"}]})"
             "\n"},
        Case{{"heat-index", "--air-temperature", "20", "--humidity", "50", "--json"},
             R"({"command":"heat-index","formula":"window","results":[{"name":"Celsius",)"
             R"("value":"24.31015"},)"
             R"({"name":"Fahrenheit","value":"75.75827"},{"name":"Kelvin","value":)"
             R"("297.46015"}],"note":"Heat index formula is meant for 80 °F (26.7 °C) and )"
             R"(above"})"
             "\n",
             0,
             "note: Heat index formula is meant for 80 °F"},
        // Reference formulas, named in JSON; an impossible input is computed with a note.
        Case{{"heat-index", "--air-temperature", "90", "--humidity", "95", "--unit", "F",
              "--formula", "nws"},
             "52.56845\tCelsius\n126.62320\tFahrenheit\n325.71845\tKelvin\n",
             0,
             "note: Extreme danger: heat stroke highly likely\n"},
        Case{{"wet-bulb", "--air-temperature", "35", "--humidity", "20", "--air-pressure",
              "1013.25", "--formula", "psychrometric", "--json"},
             R"({"command":"wet-bulb","formula":"psychrometric","results":[{"name":"Celsius",)"
             R"("value":"19.02651"},{"name":"Fahrenheit","value":"66.24772"},{"name":"Kelvin",)"
             R"("value":"292.17651"}]})"
             "\n"},
        Case{{"heat-index", "--air-temperature", "30", "--wet-bulb", "25", "--air-pressure",
              "1013.25", "--formula", "psychrometric,nws"},
             "34.25513\tCelsius\n93.65923\tFahrenheit\n307.40513\tKelvin\n",
             0,
             "note: Extreme caution"},
        Case{{"dew-point", "--air-temperature", "-300", "--humidity", "50"},
             "-300.66550\tCelsius\n-509.19791\tFahrenheit\n-27.51550\tKelvin\n",
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
        Case{{"dew-point", "--air-temperature", "20", "--wet-bulb", "10"},
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
             "nws,psychrometric)\n"},
        Case{{"humidity", "--air-temperature", "20", "--dew-point", "10", "--formula",
              "psychrometric"},
             "",
             2,
             "--formula psychrometric does not apply to humidity --air-temperature --dew-point"}));

const std::string kDewPointTitles = ",Dew Point Celsius,Dew Point Fahrenheit,Dew Point Kelvin";
const std::string kDewPoint2050 = ",9.25352,48.65634,282.40352";
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
             "T,RH" + kDewPointTitles + "\n20,abc,,,\n20,50" + kDewPoint2050 +
                 "\n,50,,,\n\n20,150,,,\n20,,,\n",
             1,
             "nimbaro-calc: no results for 4 of 6 rows; their result cells are empty:\n"
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
             "RH;T" + std::string(";Dew Point Celsius;Dew Point Fahrenheit;Dew Point Kelvin") +
                 "\n50;20,0;9,25352;48,65634;282,40352\n",
             0,
             "",
             kDe,
             "RH;T\n50;20,0\n"},
        Case{{"convert", "wind-speed", "--csv", "-", "--value", "gust", "--unit", "kn", "--to",
              "km/h"},
             "gust,Wind Speed Km / Hour\n10,18.52000\n",
             0,
             "",
             "",
             "gust\n10\n"},
        Case{kDewPointLog, "", 2, "--humidity: no column is named \"RH\"", "", "T,rh2\n20,50\n"},
        Case{kDewPointLog, "", 2, "the log is empty", "", ""}));

TEST_F(NimbaroCalc, AnInterruptedRunLeavesTheOldFileAndNoTemporaryFile) {
    std::string log = "T,RH\n";
    for (int row = 0; row < 1'000'000; ++row) {
        log += std::to_string(row % 40) + "." + std::to_string(row % 10) + ",50\n";
    }
    writeFile(folder_ / "log.csv", log);
    writeFile(folder_ / "out.csv", "old\n");
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
        ASSERT_EQ(::waitpid(pid, &status, WNOHANG), 0) << "finished before it was interrupted";
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ::kill(pid, SIGTERM);
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_EQ(readFile(folder_ / "out.csv"), "old\n");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"log.csv", "out.csv", "stderr", "stdin", "stdout"}));
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

}  // namespace
