// settings.ini: defaults, the separator encoding, garbage, and writing back what shut-down owns.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct TempFile {
    fs::path dir = fs::temp_directory_path() / ("zoltcalc-app-" + std::to_string(std::random_device{}()));
    fs::path path = dir / "settings.ini";
    TempFile() { fs::create_directories(dir); }
    ~TempFile() { fs::remove_all(dir); }
    void write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    std::string read() const
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST(Separator, DecodingOfTheStoredText)
{
    const struct {
        const char* name;
        std::string stored;
        char decimal;
        std::string separator;
    } rows[] = {
        {"SpaceBetweenDots", ". .", ',', " "},
        {"CommaWithPointDecimal", ".,.", '.', ","},
        {"CommaThatIsTheDecimalSeparator", ".,.", ',', ""},
        {"HexLetter", ".A.", '.', ""},
        {"LetterBeyondHex", ".G.", '.', "G"},
        {"LowerCaseHexLetter", ".a.", '.', "a"},
        {"Minus", ".-.", '.', ""},
        {"Digit", ".7.", '.', ""},
        {"ApostropheAccepted", ".'.", '.', "'"},
        {"NonAsciiCharacterIsOneCharacter", ".\u2019.", '.', "\u2019"},
        {"NoBreakSpace", ".\u00a0.", ',', "\u00a0"},
        {"TwoNonAsciiCharacters", ".\u00e9\u00e9.", '.', ""},
        {"BrokenUtf8Sequence", ".\xe2\x80.", '.', ""},
        {"SingleSpaceDefault", " ", '.', ""},
        {"EmptyEncoded", "..", '.', ""},
        {"TooLong", ".  .", '.', ""},
        {"Empty", "", '.', ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(settings::decodeSeparator(r.stored, r.decimal), r.separator) << r.name;
}

TEST(Separator, EncodingSurvivesTheTrimmingOfValues)
{
    TempFile f;
    for (const std::string sep : {" ", "", "'", "_", "\u2019", "\u00a0"}) {
        {
            platform::IniFile ini(f.path);
            ini.writeString("settings_window", "order_separator", settings::encodeSeparator(sep));
        }
        const settings::Settings s = settings::readSettings(platform::IniFile(f.path), '.');
        EXPECT_EQ(s.separator, sep) << "[" << sep << "]";
    }
}

TEST(Separator, EncodingKeepsOnlyTheFirstWholeCharacter)
{
    const struct {
        const char* name;
        std::string separator;
        std::string stored;
    } rows[] = {
        {"Empty", "", ".."},
        {"Ascii", "'x", ".'."},
        {"NonAscii", "\u2019\u2019", ".\u2019."},
        {"FourByteCharacter", "\U0001F600a", ".\U0001F600."},
    };
    for (const auto& r : rows)
        EXPECT_EQ(settings::encodeSeparator(r.separator), r.stored) << r.name;
}

TEST(ReadSettings, MissingFileGivesTheDefaults)
{
    TempFile f;
    const settings::Settings s = settings::readSettings(platform::IniFile(f.path), ',');
    EXPECT_EQ(s.mainLeft, 120);
    EXPECT_EQ(s.mainTop, 50);
    EXPECT_EQ(s.numberOfDigits, 14);
    EXPECT_EQ(s.decimals, 12);
    EXPECT_EQ(s.leadingZeros, 4);
    EXPECT_EQ(s.numberBase, 10);
    EXPECT_EQ(s.angleUnits, "DEG");
    EXPECT_EQ(s.separator, "");
    EXPECT_TRUE(s.trailActive);
    EXPECT_EQ(s.outputFont.color, 16711680u);
    for (long double m : s.memories)
        EXPECT_EQ(m, 0.0L);
    EXPECT_EQ(s.mainShortcuts[settings::mainShortcutKeys.size() - 1], "F1");
    EXPECT_FALSE(s.language.has_value()); // the locale's
}

TEST(ReadSettings, GarbageTakesDefaultsAndClampsToTheControls)
{
    TempFile f;
    f.write("\xff\xfe binary \x01\x02\n[settings_window]\nnumber_of_digits=99\ndecimals=-3\nleading_zeros=abc\n"
            "number_base=17\nformat=7\nskin=-5\nlanguage=x\n[main_window_position]\nleft=99999999999999999999\ntop=-70000\n"
            "[angle_units]\nangle_units=XYZ\n[memories]\n1=1e99999\n2=nonsense\n3=-2,5\n"
            "[text_calculator]\nnumber_of_digits=300\n[recorder]\nfont_size=0x7FFFFFFF\n");
    const settings::Settings s = settings::readSettings(platform::IniFile(f.path), ',');
    EXPECT_EQ(s.numberOfDigits, 18);
    EXPECT_EQ(s.decimals, 0);
    EXPECT_EQ(s.leadingZeros, 4);
    EXPECT_EQ(s.numberBase, 10);
    EXPECT_EQ(s.format, settings::OutputForm::Normal);
    EXPECT_EQ(s.skin, -1);
    EXPECT_EQ(s.language, 0); // a key that is there names a language, if not a sensible one
    EXPECT_EQ(s.mainLeft, 120);
    EXPECT_EQ(s.mainTop, -32768);
    EXPECT_EQ(s.angleUnits, "DEG");
    EXPECT_EQ(s.memories[0], 0.0L);
    EXPECT_EQ(s.memories[1], 0.0L);
    EXPECT_EQ(s.memories[2], -2.5L);
    EXPECT_EQ(s.textDigits, 255);
    EXPECT_EQ(s.trailFont.size, 500);
}

TEST(WriteSettings, RoundTripOfTheKeysShutDownOwns)
{
    TempFile f;
    f.write("[hints]\nappear_pause=250\n[main_window_shortcuts]\nsin=Ctrl+S\n");
    settings::Settings s = settings::readSettings(platform::IniFile(f.path), ',');
    s.mainLeft = -20;
    s.trailActive = false;
    s.numberBase = 16;
    s.separator = " ";
    s.angleUnits = "GRA";
    s.memories = {3.5L, 1e-400L, -1.0L / 3.0L, 1e300L, -2.5e400L};
    s.operationPriority = false;
    s.outputFont.name = "Arial";
    {
        platform::IniFile ini(f.path);
        ASSERT_TRUE(settings::writeSettings(ini, s, ','));
    }
    const std::string text = f.read();
    EXPECT_NE(text.find("number_base=16"), std::string::npos);
    EXPECT_NE(text.find("order_separator=. ."), std::string::npos);
    EXPECT_NE(text.find("1=3,5"), std::string::npos);
    EXPECT_NE(text.find("3=-0,333333333333333"), std::string::npos);

    const settings::Settings r = settings::readSettings(platform::IniFile(f.path), ',');
    EXPECT_EQ(r.mainLeft, -20);
    EXPECT_FALSE(r.trailActive);
    EXPECT_EQ(r.numberBase, 16);
    EXPECT_EQ(r.separator, " ");
    EXPECT_EQ(r.angleUnits, "GRA");
    EXPECT_EQ(r.memories[0], 3.5L);
    // Memories come back with 15 significant digits, also beyond a double's range.
    EXPECT_EQ(r.memories[2], -0.333333333333333L);
    EXPECT_EQ(r.memories[1], 1e-400L);
    EXPECT_EQ(r.memories[4], -2.5e400L);
    EXPECT_FALSE(r.operationPriority);
    EXPECT_EQ(r.outputFont.name, "Arial");
    // Keys shut-down does not own stay as the user wrote them.
    EXPECT_EQ(r.hintAppearPause, 250);
    EXPECT_EQ(r.mainShortcuts[27], "Ctrl+S");
}

// Written into an empty file by one owner, the settings are the keys that owner owns, each in
// its section: shut-down's, or the view the text calculator writes when it closes. What the
// user edits in the file is written by neither.
TEST(WriteSettings, WritesOnlyTheKeysOfItsOwner)
{
    using settings::Owner;
    const struct {
        const char* section;
        const char* key;
        Owner owner;
    } rows[] = {
        {"main_window_position", "left", Owner::ShutDown},
        {"recorder", "width", Owner::ShutDown},
        {"recorder", "active", Owner::ShutDown},
        {"recorder", "font_size", Owner::User},
        {"recorder", "background_color", Owner::User},
        {"text_calculator", "height", Owner::ShutDown},
        {"text_calculator", "picture_height", Owner::ShutDown},
        {"text_calculator", "number_of_digits", Owner::User},
        {"text_calculator", "maximized", Owner::TextCalculator},
        {"text_calculator", "main_toolbar", Owner::TextCalculator},
        {"text_calculator", "format_toolbar", Owner::TextCalculator},
        {"text_calculator", "status_bar", Owner::TextCalculator},
        {"text_calculator", "zoom", Owner::TextCalculator},
        {"recent_sheets", "1", Owner::TextCalculator},
        {"recent_sheets", "8", Owner::TextCalculator},
        {"text_calculator", "label_font", Owner::User},
        {"settings_window", "format", Owner::ShutDown},
        {"settings_window", "leading_zeros", Owner::ShutDown},
        {"settings_window", "number_base", Owner::ShutDown},
        {"settings_window", "language", Owner::ShutDown},
        {"angle_units", "angle_units", Owner::ShutDown},
        {"memories", "5", Owner::ShutDown},
        {"hints", "appear_pause", Owner::User},
        {"text_calculator_input_font", "size", Owner::User},
        {"text_calculator_output_font", "italic", Owner::ShutDown},
        {"main_window_shortcuts", "copy", Owner::User},
        {"text_calc_shortcuts", "execl", Owner::User},
    };
    settings::Settings all;
    all.language = 1; // a first start's record names none until the dialog has chosen one
    for (const Owner owner : {Owner::ShutDown, Owner::TextCalculator}) {
        TempFile f;
        {
            platform::IniFile ini(f.path);
            ASSERT_TRUE(settings::writeSettings(ini, all, '.', owner));
        }
        const platform::IniFile written(f.path);
        for (const auto& r : rows)
            EXPECT_EQ(written.readString(r.section, r.key, "-") != "-", r.owner == owner)
                << r.section << "/" << r.key << " by owner " << static_cast<int>(owner);
    }
}

// The recent sheets come back in their order, gaps closed; a shorter list leaves no older item.
TEST(WriteSettings, RecentSheetsReplaceTheOldList)
{
    TempFile f;
    f.write("[recent_sheets]\n1=/s/a.rtf\n3=/s/c.txt\n4=/s/d.rtf\n9=/s/beyond.rtf\n");
    settings::Settings s = settings::readSettings(platform::IniFile(f.path), '.');
    EXPECT_EQ(s.recentSheets, (std::vector<std::string>{"/s/a.rtf", "/s/c.txt", "/s/d.rtf"}));
    s.recentSheets = {"/s/new.rtf", "/s/a.rtf"};
    {
        platform::IniFile ini(f.path);
        ASSERT_TRUE(settings::writeSettings(ini, s, '.', settings::Owner::TextCalculator));
    }
    EXPECT_EQ(settings::readSettings(platform::IniFile(f.path), '.').recentSheets, s.recentSheets);
}

// Shut-down rewrites only its own keys: the shipped file's comments, and keys the user added,
// stay as they were.
TEST(WriteSettings, CommentsAndUnknownKeysSurvive)
{
    TempFile f;
    std::ifstream shipped(ZOLT_DEFAULT_SETTINGS, std::ios::binary);
    std::string original(std::istreambuf_iterator<char>(shipped), {});
    ASSERT_FALSE(original.empty());
    original += "\n[my_section]\n; my own note\nmy_key=42\n";
    f.write(original);
    settings::Settings s = settings::readSettings(platform::IniFile(f.path), ',');
    EXPECT_FALSE(s.language.has_value()); // the shipped file leaves the first start to the locale
    s.numberBase = 8;
    {
        platform::IniFile ini(f.path);
        ASSERT_TRUE(settings::writeSettings(ini, s, ','));
    }
    const std::string text = f.read();
    std::istringstream lines(original);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line[0] == ';') {
            EXPECT_NE(text.find(line + "\n"), std::string::npos) << line;
        }
    }
    EXPECT_NE(text.find("[my_section]\n; my own note\nmy_key=42\n"), std::string::npos);
    EXPECT_NE(text.find("number_base=8"), std::string::npos);
}

} // namespace
